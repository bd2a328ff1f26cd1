#include "app/windows/DialogBase.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"

#include <QShowEvent>
#include <utility>

namespace app {

DialogBase::DialogBase(QWidget *parent, TitleBar titleBar) : QDialog(parent)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (titleBar == TitleBar::WithSystemMenu)
        flags |= Qt::WindowSystemMenuHint;
    setWindowFlags(flags);
    applyFormLook(*this);
}

DialogBase::~DialogBase() = default;

void DialogBase::createTitlePanel()
{
    P_Title = new QWidget(this);
    P_Title->setObjectName(QStringLiteral("P_Title"));
    setBackground(*P_Title, platform::clWhite);
    L_SW_Code = new platform::TLabel(P_Title);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    L_SW_Code->setFont(platform::makeFont(QStringLiteral("Verdana"), 14));
    L_SW_Code->setFontColor(platform::clGray);
    L_SW_Code->move(10, 4);
    L_SW_Code->setCaption(state().SW_Code);
    L_SW_Desc = new platform::TLabel(P_Title);
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->setFont(platform::makeFont(QStringLiteral("Verdana"), 8, {.bold = true}));
    L_SW_Desc->move(10, 31);
}

void DialogBase::createButtonPanel()
{
    P_Button = new QWidget(this);
    P_Button->setObjectName(QStringLiteral("P_Button"));
    setBackground(*P_Button, platform::RGB(236, 233, 216));
}

void DialogBase::createOkCancel(QSize client, int width)
{
    const auto button = [this](const char *name, int left, int buttonWidth) {
        auto *b = new controls::TLbButton(P_Button);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 9, buttonWidth, 26);
        applyButtonLook(*b);
        return b;
    };
    const int pitch = width + 8;
    Btn_OK = button("Btn_OK", client.width() - 2 * pitch, width);
    Btn_Cancel = button("Btn_Cancel", client.width() - pitch, width);
    Btn_Cancel->setCancel(true);
}

void DialogBase::createOkCancelPanel(QSize client, std::function<void(QObject *)> onOk)
{
    createButtonPanel();
    createOkCancel(client);
    Btn_OK->setDefault(true);
    Btn_OK->OnClick = std::move(onOk);
    Btn_Cancel->setModalResult(platform::mrCancel);
    placePanels(client);
}

void DialogBase::placePanels(QSize client)
{
    if (P_Title)
        P_Title->setGeometry(0, 0, client.width(), TitlePanelHeight);
    if (P_Button)
        P_Button->setGeometry(0, client.height() - ButtonPanelHeight, client.width(), ButtonPanelHeight);
}

void DialogBase::joinLanguageChanges(LangOrder order)
{
    m_language = std::make_unique<LangRegistration>(order, [this] { platform::guarded([this] { Set_Lang(); }); });
}

void DialogBase::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        platform::guarded([this] { FormShow(); });
}

void DialogBase::setVisible(bool visible)
{
    // The show handler runs inside show(), before the window reaches the
    // screen: errors it finds wait until then.
    m_showing = visible && !isVisible();
    QDialog::setVisible(visible);
    m_showing = false;
    const QStringList errors = std::exchange(m_loadErrors, {});
    for (const QString &message : errors)
        platform::showMessage(platform::MessageKind::Error, message, platform::MessageButtons::Ok, this);
}

void DialogBase::showLoadError(const QString &message)
{
    if (m_showing)
        m_loadErrors << message;
    else
        platform::showMessage(platform::MessageKind::Error, message, platform::MessageButtons::Ok, this);
}

bool requireOpenConfiguration()
{
    if (state().isProjectOpen())
        return true;
    platform::showError(text(18));
    return false;
}

} // namespace app
