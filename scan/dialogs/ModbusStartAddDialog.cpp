#include "scan/dialogs/ModbusStartAddDialog.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "controls/grid/model/ExCGrid.h"
#include "platform/HandlerGuard.h"
#include "platform/IntText.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"

#include <QCheckBox>

namespace scan {
namespace {

constexpr QSize ClientSize{440, 336};
constexpr int ColumnWidth = 200;
constexpr platform::TColor PaleBlue = platform::RGB(230, 240, 255);

constexpr int TextCaption = 700;
constexpr int TextDescription = 701;
constexpr int TextNodeState = 702;
constexpr int TextIdentNum = 703;
constexpr int TextIdColumn = 704;
constexpr int TextStartColumn = 705;
constexpr int TextOk = 706;
constexpr int TextCancel = 707;
constexpr int TextErrorRow = 708;
constexpr int TextEmpty = 709;
constexpr int TextOutOfRange = 710;

constexpr int IdColumn = 0;
constexpr int StartColumn = 1;

} // namespace

TFModbusStartAdd_SD::TFModbusStartAdd_SD(QWidget *parent) : DialogBase(parent)
{
    createTitlePanel();
    const int top = app::TitlePanelHeight + 8;
    CB_En_NodeState = new QCheckBox(this);
    CB_En_NodeState->setObjectName(QStringLiteral("CB_En_NodeState"));
    CB_En_NodeState->setGeometry(16, top, 200, 19);
    CB_En_IndNum = new QCheckBox(this);
    CB_En_IndNum->setObjectName(QStringLiteral("CB_En_IndNum"));
    CB_En_IndNum->setGeometry(220, top, 210, 19);

    sga = new controls::TExColumnGrid(this);
    sga->setObjectName(QStringLiteral("sga"));
    sga->setColCount(2);
    sga->setFixedCols(0);
    sga->setFixedRows(1);
    sga->Columns().Items(IdColumn)->setWidth(ColumnWidth);
    sga->Columns().Items(StartColumn)->setWidth(ColumnWidth);
    sga->Columns().Items(StartColumn)->setColor(PaleBlue);
    sga->setOptions(sga->Options() | controls::goEditing);
    sga->setRowCount(1 + StartAddressEmptyRows);
    const int gridTop = top + 26;
    sga->setGeometry(16, gridTop, ClientSize.width() - 32,
                     ClientSize.height() - app::ButtonPanelHeight - gridTop - 8);

    createOkCancelPanel(ClientSize, [this](QObject *sender) { Btn_OKClick(sender); });
    platform::guarded([this] { FormCreate(); });
}

TFModbusStartAdd_SD::~TFModbusStartAdd_SD() = default;

void TFModbusStartAdd_SD::FormCreate()
{
    setFixedSize(ClientSize);
    L_SW_Code->setCaption(app::state().SW_Code);
    Set_Lang();
}

void TFModbusStartAdd_SD::Set_Lang()
{
    setWindowTitle(app::text(TextCaption));
    L_SW_Desc->setCaption(app::text(TextDescription));
    CB_En_NodeState->setText(app::text(TextNodeState));
    CB_En_IndNum->setText(app::text(TextIdentNum));
    sga->Columns().Items(IdColumn)->setHeader(app::text(TextIdColumn));
    sga->Columns().Items(StartColumn)->setHeader(app::text(TextStartColumn));
    Btn_OK->setCaption(app::text(TextOk));
    Btn_Cancel->setCaption(app::text(TextCancel));
}

void TFModbusStartAdd_SD::fillNodes(const QStringList &identities)
{
    sga->setRowCount(1 + int(identities.size()));
    for (int i = 0; i < identities.size(); ++i) {
        sga->SetCellEx(IdColumn, i + 1, identities[i]);
        sga->SetCellEx(StartColumn, i + 1, QStringLiteral("1"));
    }
}

std::vector<qint32> TFModbusStartAdd_SD::startRegisters() const
{
    std::vector<qint32> registers;
    for (int row = 1; row < sga->RowCount(); ++row)
        registers.push_back(platform::parseInt32Or(sga->GetCellEx(StartColumn, row), 1));
    return registers;
}

bool TFModbusStartAdd_SD::nodeStateEnabled() const { return CB_En_NodeState->isChecked(); }

bool TFModbusStartAdd_SD::identNumEnabled() const { return CB_En_IndNum->isChecked(); }

bool TFModbusStartAdd_SD::Check_Data()
{
    for (int row = 1; row < sga->RowCount(); ++row) {
        const QString text = sga->GetCellEx(StartColumn, row);
        const auto rowError = [row](int reason) {
            platform::showError(app::text(TextErrorRow) + QString::number(row) + app::text(reason));
        };
        if (text.isEmpty()) {
            rowError(TextEmpty);
            return false;
        }
        const auto value = platform::tryParseInt32(text);
        if (!value || *value < 1 || *value > 59999) {
            rowError(TextOutOfRange);
            return false;
        }
    }
    return true;
}

void TFModbusStartAdd_SD::Btn_OKClick(QObject *)
{
    // An address typed into the grid and not yet confirmed counts too.
    sga->HideEditor();
    if (Check_Data())
        done(platform::mrOk);
}

} // namespace scan
