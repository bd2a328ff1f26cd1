#pragma once
// What every dialog of the program shares, written once: the window flags,
// the font and background, the title panel (software code and a description
// line) and the button panel with OK and Cancel where a dialog has them, its
// texts re-applied on each language change, and the bridge from Qt's show
// event to the dialog's show handler. Errors escaping a handler are shown,
// never thrown through the event loop.
#include "app/LangRegistry.h"

#include <QDialog>
#include <QSize>
#include <QStringList>
#include <functional>
#include <memory>

namespace controls {
class TLbButton;
}
namespace platform {
class TLabel;
}

namespace app {

class DialogBase : public QDialog {
    Q_OBJECT
public:
    enum class TitleBar { CloseOnly, WithSystemMenu };

    ~DialogBase() override;

    // Runs each time the dialog is shown.
    virtual void FormShow() {}
    // Takes the dialog's texts from the language table.
    virtual void Set_Lang() {}

    void setVisible(bool visible) override;

    // The title panel; null in a dialog without one.
    QWidget *P_Title = nullptr;
    platform::TLabel *L_SW_Code = nullptr;
    platform::TLabel *L_SW_Desc = nullptr;
    // The button panel and its OK and Cancel; null in a dialog without them.
    QWidget *P_Button = nullptr;
    controls::TLbButton *Btn_OK = nullptr;
    controls::TLbButton *Btn_Cancel = nullptr;

protected:
    explicit DialogBase(QWidget *parent, TitleBar titleBar = TitleBar::CloseOnly);

    // The title panel at the top; its code label shows SW_Code.
    void createTitlePanel();
    // The button panel at the bottom.
    void createButtonPanel();
    // OK and Cancel at the right of the button panel, each `width` wide.
    // Their clicks are the dialog's to connect.
    void createOkCancel(QSize client, int width = 80);
    // The button panel with OK (running onOk, the default button) and Cancel
    // (closing with the cancel result), the panels placed for `client`.
    void createOkCancelPanel(QSize client, std::function<void(QObject *)> onOk);
    // Keeps the panels across the client area, at the top and the bottom.
    void placePanels(QSize client);
    // Set_Lang runs whenever the language changes, in this window's order.
    void joinLanguageChanges(LangOrder order);

    // An error found while the dialog reads what it shows: in the error box
    // over this dialog, once the dialog is on screen, never over the window
    // that opened it.
    void showLoadError(const QString &message);

    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<LangRegistration> m_language;
    bool m_showing = false;      // between show() and the window being on screen
    QStringList m_loadErrors;    // found while showing, shown right after
};

// Steps 2 to 4 and everything they write need an open configuration: false,
// after the error box (text 18), while none is open, so that no dialog ever
// writes a configuration's file anywhere else.
bool requireOpenConfiguration();

} // namespace app
