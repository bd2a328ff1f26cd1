#pragma once
// The popup of a drop-down: a borderless Qt popup owned by the edit, at
// least 80 x 50, that paints its background and border, hosts the
// descendant's control inside the border and hands every key to the edit
// at once. A click elsewhere (or another window) deactivates it; the
// drop-down then closes it and does not reopen it with that same click.
#include "platform/NotifyEvent.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

namespace controls {

class TExCustomDropDown;
class TExFooter;
class TExHeader;

// Milliseconds since some start, wrapping; tests set their own clock.
using TTickClock = std::function<std::uint32_t()>;
std::uint32_t dropDownTickCount();
// An empty clock restores the system's.
void setDropDownTickClock(TTickClock clock);

class TDropDownForm : public QWidget {
    Q_OBJECT
public:
    explicit TDropDownForm(TExCustomDropDown &dropDown);
    ~TDropDownForm() override;

    // The drop-down it serves; none once the drop-down let it go.
    TExCustomDropDown *ExDropDown() const { return m_dropDown; }

    bool Shadow() const { return m_shadow; }
    void setShadow(bool shadow) { m_shadow = shadow; }
    // The Cancel a deactivation closes with; descendants whose changes
    // should survive a click elsewhere clear it.
    bool CancelOnDeActivate() const { return m_cancelOnDeActivate; }
    void setCancelOnDeActivate(bool cancel) { m_cancelOnDeActivate = cancel; }
    // While set, deactivation leaves the popup open.
    bool BlockActivate() const { return m_blockActivate; }
    void setBlockActivate(bool block) { m_blockActivate = block; }
    // The tick of the last deactivation while visible; none before one.
    std::optional<std::uint32_t> DeActivateTick() const { return m_deActivate; }

    platform::TNotifyEvent OnSizing;

    // Does nothing: the drop-down sizes the popup.
    void UpdateSize() {}

    // The drop-down is going; the popup serves it no more.
    void release();
    // True while one of the popup's own handlers runs, or a handler of
    // the drop-down's for a control inside it (between enter and leave).
    bool busy() const { return m_busy > 0; }
    void enterHandler() { ++m_busy; }
    void leaveHandler() { --m_busy; }

    // The hosted control fills the popup inside its border, between the
    // header and the footer.
    void layoutControl();

    // Links the header and the footer to the drop-down again (made on the
    // first open that shows them), with a copy of its appearances, fresh
    // buttons and its painting events.
    void InitializeAndUpdate();
    TExHeader *Header() const { return m_header; }
    TExFooter *Footer() const { return m_footer; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    int borderWidth() const;

    TExCustomDropDown *m_dropDown;
    TExHeader *m_header = nullptr;
    TExFooter *m_footer = nullptr;
    bool m_shadow = true;
    bool m_cancelOnDeActivate = true;
    bool m_blockActivate = false;
    std::optional<std::uint32_t> m_deActivate;
    int m_busy = 0;
};

} // namespace controls
