#pragma once
// The check box the grid places in cells and panels: a classic box with its
// caption beside it, left or right, at the top, middle or bottom, drawn over
// its parent when transparent. A read-only box keeps its state but still
// reports clicks.
#include "platform/Color.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Canvas.h"

#include <QWidget>
#include <functional>

namespace controls {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TLeftRight { taLeftJustify, taRightJustify };

using TKeyEvent = std::function<void(QObject *Sender, int &key, Qt::KeyboardModifiers shift)>;

class TExCheckBox : public QWidget {
    Q_OBJECT
public:
    explicit TExCheckBox(QWidget *parent = nullptr);

    // The box shows pressed.
    bool Down() const { return m_down; }
    void setDown(bool down) { m_down = down; }
    TCheckBoxState State() const { return m_state; }
    // Repaints only the strip that holds the box.
    void setState(TCheckBoxState state);
    bool Checked() const { return m_state == TCheckBoxState::cbChecked; }
    void setChecked(bool checked);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool ReturnIsTab() const { return m_returnIsTab; }
    void setReturnIsTab(bool value) { m_returnIsTab = value; }
    TTextLayout ButtonVertAlign() const { return m_btnVAlign; }
    void setButtonVertAlign(TTextLayout align);
    // Right: the box at the right, the caption at its left.
    TLeftRight Alignment() const { return m_alignment; }
    void setAlignment(TLeftRight alignment);
    bool Ellipsis() const { return m_ellipsis; }
    void setEllipsis(bool ellipsis);
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // Qt draws a control over its parent's own painting, so a transparent
    // box needs no copy of the parent's background: it simply leaves its
    // background unpainted. The caching flag is kept for its callers.
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool TransparentChaching() const { return m_transparentCaching; }
    void setTransparentChaching(bool caching) { m_transparentCaching = caching; }
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);
    platform::TColor FontColor() const { return m_fontColor; }
    void setFontColor(platform::TColor color);

    platform::TNotifyEvent OnClick;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;

    // Flips the state unless read-only.
    virtual void Toggle();
    void Click();

    // The box's rectangle and the strip repainted when the state changes.
    QRect boxRect() const;
    QRect stateStrip() const;

    QSize sizeHint() const override { return {98, 20}; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void paint(platform::TCanvas &canvas);
    bool inside(QPoint pos) const;
    void updateAccelerator();

    bool m_down = false;
    TCheckBoxState m_state = TCheckBoxState::cbUnchecked;
    bool m_focused = false;
    bool m_returnIsTab = false;
    TTextLayout m_btnVAlign = TTextLayout::tlTop;
    TLeftRight m_alignment = TLeftRight::taLeftJustify;
    bool m_ellipsis = false;
    QString m_caption = QStringLiteral("TExCheckBox");
    bool m_hot = false;
    bool m_readOnly = false;
    bool m_mouseDown = false;
    // Space toggles on its release only when its press came here: the press
    // may have closed a window whose focus returns to this box.
    bool m_spacePressed = false;
    bool m_transparentCaching = false;
    bool m_transparent = false;
    platform::TColor m_color = platform::clBtnFace;
    platform::TColor m_fontColor = platform::clWindowText;
    int m_accelerator = 0;
};

} // namespace controls
