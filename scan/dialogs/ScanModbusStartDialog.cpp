#include "scan/dialogs/ScanModbusStartDialog.h"

#include "app/Language.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/IntText.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"

#include <QLineEdit>

namespace scan {
namespace {

constexpr QSize ClientSize{331, 162};
constexpr int TextCaption = 500;
constexpr int TextCode = 501;
constexpr int TextDescription = 502;
constexpr int TextStartAddress = 503;
constexpr int TextOk = 504;
constexpr int TextCancel = 505;
constexpr int TextOutOfRange = 506;

} // namespace

TFScanModbusStart::TFScanModbusStart(QWidget *parent) : DialogBase(parent)
{
    createTitlePanel();
    L_StartModAdd = new platform::TLabel(this);
    L_StartModAdd->setObjectName(QStringLiteral("L_StartModAdd"));
    L_StartModAdd->move(16, app::TitlePanelHeight + 12);
    E_StartModAdd = new QLineEdit(QStringLiteral("1"), this);
    E_StartModAdd->setObjectName(QStringLiteral("E_StartModAdd"));
    E_StartModAdd->setGeometry(16, app::TitlePanelHeight + 32, 120, 21);
    createOkCancelPanel(ClientSize, [this](QObject *sender) { Btn_OKClick(sender); });
    platform::guarded([this] { FormCreate(); });
}

TFScanModbusStart::~TFScanModbusStart() = default;

void TFScanModbusStart::FormCreate()
{
    setFixedSize(ClientSize);
    Set_Lang();
}

void TFScanModbusStart::Set_Lang()
{
    setWindowTitle(app::text(TextCaption));
    L_SW_Code->setCaption(app::text(TextCode));
    L_SW_Desc->setCaption(app::text(TextDescription));
    L_StartModAdd->setCaption(app::text(TextStartAddress));
    Btn_OK->setCaption(app::text(TextOk));
    Btn_Cancel->setCaption(app::text(TextCancel));
}

void TFScanModbusStart::Btn_OKClick(QObject *)
{
    const qint32 value = platform::parseInt32Or(E_StartModAdd->text(), -1);
    if (value < 1 || value > 65535) {
        platform::showError(app::text(TextOutOfRange));
        return;
    }
    StartModAdd = value;
    done(platform::mrOk);
}

} // namespace scan
