// The Variables page of the M-Bus network dialog: its two layouts ("By
// Type", "By Position"), the fields, and adding or modifying a variable.
#include "project/dialogs/MBusNetworkDialog.h"

#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "controls/dropdown/PageControl.h"
#include "platform/HandlerGuard.h"
#include "platform/IntText.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"
#include "project/NetworkDialogLists.h"
#include "project/NetworkDialogRows.h"
#include "project/dialogs/ComboIndex.h"
#include "project/dialogs/NetworkDialogComboBox.h"
#include "project/dialogs/NetworkDialogWidgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace project {
namespace {

constexpr int PageWidth = RowWidgets::PageWidth;
constexpr int LabelLeft = RowWidgets::LabelLeft;
// The field column of the Variables page.
constexpr int FieldLeft = 190;
constexpr int FieldWidth = 200;
constexpr RowWidgets widgets(FieldLeft, FieldWidth);

} // namespace

void TFMeter_Bus::createVariablePage()
{
    QWidget *page = ExTabSheet2;
    m_variableRows = std::make_unique<RowStack>(page, 8, PageWidth);
    RowStack &rows = *m_variableRows;

    CB_Var_En = widgets.checkBoxIn(rows.addRow(), "CB_Var_En");
    QWidget *row = rows.addRow();
    L_Var_Desc = widgets.labelIn(row, "L_Var_Desc");
    E_New_Var_Desc = widgets.fieldAt<QLineEdit>(row, "E_New_Var_Desc", FieldLeft, 270);

    auto byTypeRow = [&] {
        QWidget *r = rows.addRow();
        m_byTypeRows.push_back(r);
        return r;
    };
    row = byTypeRow();
    L_Var_ToD = widgets.labelIn(row, "L_Var_ToD");
    auto *typeOfData = widgets.pickListIn<WideListComboBox>(row, "CB_Var_ToD", typeOfDataItems());
    CB_Var_ToD = typeOfData;
    row = byTypeRow();
    L_VIF_ASCII = widgets.labelIn(row, "L_VIF_ASCII");
    E_VIF_ASCII = widgets.fieldIn<QLineEdit>(row, "E_VIF_ASCII");
    row = byTypeRow();
    L_Var_FF = widgets.labelIn(row, "L_Var_FF");
    CB_Var_FF = widgets.pickListIn(row, "CB_Var_FF", functionFieldItems());
    row = rows.addRow();
    L_Var_Dim = widgets.labelIn(row, "L_Var_Dim");
    CB_Var_Dim = widgets.pickListIn(row, "CB_Var_Dim", dimensionItems());
    row = rows.addRow();
    L_Length = widgets.labelIn(row, "L_Length");
    E_Length = widgets.fieldIn<QLineEdit>(row, "E_Length");
    row = byTypeRow();
    L_Var_Unit = widgets.labelIn(row, "L_Var_Unit");
    CB_Var_Unit = widgets.pickListIn(row, "CB_Var_Unit", unitItems(), 60);
    row = rows.addRow();
    L_Var_MR = widgets.labelIn(row, "L_Var_MR");
    E_Var_MR = widgets.fieldIn<QLineEdit>(row, "E_Var_MR");
    row = rows.addRow();
    L_Scale_MB = widgets.labelIn(row, "L_Scale_MB");
    E_Scale_MB = widgets.fieldIn<QLineEdit>(row, "E_Scale_MB");
    row = byTypeRow();
    L_Sto_Num = widgets.labelIn(row, "L_Sto_Num");
    E_Sto_Num = widgets.fieldIn<QLineEdit>(row, "E_Sto_Num");
    row = byTypeRow();
    L_Tariff = widgets.labelIn(row, "L_Tariff");
    E_Tariff = widgets.fieldIn<QLineEdit>(row, "E_Tariff");
    row = byTypeRow();
    L_VIFE = widgets.labelIn(row, "L_VIFE");
    auto *vife = widgets.pickListIn<WideListComboBox>(row, "CB_VIFE", vifeItems());
    CB_VIFE = vife;

    // Time point: the year register and the five that follow it.
    GroupBox4 = new QGroupBox(page);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    GroupBox4->setGeometry(LabelLeft, 0, PageWidth - 2 * LabelLeft, 3 * RowStack::Pitch - 4);
    rows.addBlock(GroupBox4, 3);
    CB_TP_MR = widgets.checkBoxAt(GroupBox4, "CB_TP_MR", 10, 300);
    CB_TP_MR->move(10, 18);
    L_TP_Year = widgets.labelAt(GroupBox4, "L_TP_Year", 10, 46);
    E_TP_Year = new QLineEdit(GroupBox4);
    E_TP_Year->setObjectName(QStringLiteral("E_TP_Year"));
    E_TP_Year->setGeometry(34, 43, 60, RowWidgets::FieldHeight);
    const char *partLabels[] = {"L_TP_Month", "L_TP_Day", "L_TP_Hour", "L_TP_Min", "L_TP_Sec"};
    const char *partValues[] = {"ST_TP_Month", "ST_TP_Day", "ST_TP_Hour", "ST_TP_Min", "ST_TP_Sec"};
    std::array<platform::TLabel *, 5> values{};
    for (int part = 0; part < 5; ++part) {
        const int left = 104 + part * 70;
        L_TP_Parts[size_t(part)] = widgets.labelAt(GroupBox4, partLabels[part], left, 46);
        values[size_t(part)] = widgets.labelAt(GroupBox4, partValues[part], left + 26, 46);
    }
    L_TP_Parts[4]->setCaption(QStringLiteral("SS"));
    ST_TP_Month = values[0];
    ST_TP_Day = values[1];
    ST_TP_Hour = values[2];
    ST_TP_Min = values[3];
    ST_TP_Sec = values[4];

    CB_BCDtoINT = widgets.checkBoxIn(rows.addRow(), "CB_BCDtoINT");
    row = rows.addRow();
    CB_Float = widgets.checkBoxAt(row, "CB_Float", LabelLeft, 200);
    CB_Force_Int32 = widgets.checkBoxAt(row, "CB_Force_Int32", 220, 200);
    CB_Force_Int32->setText(QStringLiteral("Force Integer 32"));
    m_rowPostOperation = rows.addRow();
    L_PostOpe = widgets.labelIn(m_rowPostOperation, "L_PostOpe");
    CB_PostOpe = widgets.pickListIn(m_rowPostOperation, "CB_PostOpe", postOperationItems(), 120);
    m_rowPosition = rows.addRow();
    L_Position = widgets.labelIn(m_rowPosition, "L_Position");
    E_Position = widgets.fieldIn<QLineEdit>(m_rowPosition, "E_Position");
    row = rows.addRow(2);
    btn_Add_Var = new controls::TLbButton(row);
    btn_Add_Var->setObjectName(QStringLiteral("btn_Add_Var"));
    btn_Add_Var->setGeometry(FieldLeft, 8, FieldWidth, 26);
    btn_Add_Var->OnClick = [this](QObject *sender) { btn_Add_VarClick(sender); };
    app::applyButtonLook(*btn_Add_Var);

    // The lists of these two are wider than the combos (the VIFE texts most).
    typeOfData->fitListWidth(30);
    vife->fitListWidth(65);

    connect(CB_Var_ToD, &QComboBox::currentIndexChanged, this,
            [this] { platform::guarded([this] { CB_Var_ToDChange(); }); });
    connect(CB_VIFE, &QComboBox::currentIndexChanged, this,
            [this] { platform::guarded([this] { CB_Var_ToDChange(); }); });
    connect(CB_Var_Dim, &QComboBox::currentIndexChanged, this,
            [this] { platform::guarded([this] { CB_Var_DimChange(); }); });
    connect(E_TP_Year, &QLineEdit::textChanged, this, [this] { platform::guarded([this] { E_TP_YearChange(); }); });

    setVariableFields(defaultVariableFields());
    CB_Var_ToDChange();
    CB_Var_DimChange();
}

void TFMeter_Bus::Sposta_Oggetti_Var(std::uint8_t Var_type)
{
    RowStack &rows = *m_variableRows;
    const bool byPosition = Var_type == ByPositionVarList;
    for (QWidget *row : m_byTypeRows)
        rows.setShown(row, !byPosition);
    rows.setShown(m_rowPosition, byPosition);
    const bool postOperation = offersPostOperation(m_converterType, App_Serie_B2_Nqib, Var_type);
    rows.setShown(m_rowPostOperation, postOperation);
    CB_PostOpe->setEnabled(postOperation);
    if (byPosition)
        GroupBox4->setEnabled(true);
    rows.layOut();
}

bool TFMeter_Bus::byPositionNode() const
{
    return IND_NODO >= 0 && IND_NODO < int(Nodi_List.size()) &&
           Nodi_List[size_t(IND_NODO)].Var_List_Type == ByPositionVarList;
}

void TFMeter_Bus::CB_Var_ToDChange()
{
    const int typeOfData = CB_Var_ToD->currentIndex();
    E_VIF_ASCII->setEnabled(typeOfData == VifInAsciiTypeOfData);
    if (IND_NODO >= 0)
        GroupBox4->setEnabled(byPositionNode() || typeOfData == TimePointTypeOfData);
}

void TFMeter_Bus::CB_Var_DimChange()
{
    const bool variableLength = CB_Var_Dim->currentIndex() == VariableLengthDimension;
    E_Length->setEnabled(variableLength);
    if (variableLength)
        CB_Float->setChecked(false);
    CB_Float->setEnabled(!variableLength);
}

void TFMeter_Bus::E_TP_YearChange()
{
    const std::int64_t year = platform::parseInt32Or(E_TP_Year->text(), 0);
    const std::array<platform::TLabel *, 5> parts = {ST_TP_Month, ST_TP_Day, ST_TP_Hour, ST_TP_Min, ST_TP_Sec};
    for (int offset = 1; offset <= 5; ++offset)
        parts[size_t(offset - 1)]->setCaption(year > 0 ? QString::number(year + offset) : QStringLiteral("0"));
}

VariableFields TFMeter_Bus::variableFields() const
{
    VariableFields f;
    f.enable = CB_Var_En->isChecked();
    f.description = E_New_Var_Desc->text();
    f.typeOfData = CB_Var_ToD->currentIndex();
    f.vifAscii = E_VIF_ASCII->text();
    f.functionField = CB_Var_FF->currentIndex();
    f.dimension = CB_Var_Dim->currentIndex();
    f.length = E_Length->text();
    f.unit = CB_Var_Unit->currentIndex();
    f.modbusRegister = E_Var_MR->text();
    f.modbusScale = E_Scale_MB->text();
    f.storageNumber = E_Sto_Num->text();
    f.tariff = E_Tariff->text();
    f.vife = CB_VIFE->currentIndex();
    f.timePointRegisters = CB_TP_MR->isChecked();
    f.timePointYear = E_TP_Year->text();
    f.bcdToInt = CB_BCDtoINT->isChecked();
    f.convFloat = CB_Float->isChecked();
    f.forceInt32 = CB_Force_Int32->isChecked();
    f.position = E_Position->text();
    f.postOperation = CB_PostOpe->currentIndex();
    return f;
}

void TFMeter_Bus::setVariableFields(const VariableFields &f)
{
    CB_Var_En->setChecked(f.enable);
    E_New_Var_Desc->setText(f.description);
    setComboIndex(CB_Var_ToD, f.typeOfData);
    E_VIF_ASCII->setText(f.vifAscii);
    setComboIndex(CB_Var_FF, f.functionField);
    setComboIndex(CB_Var_Dim, f.dimension);
    E_Length->setText(f.length);
    setComboIndex(CB_Var_Unit, f.unit);
    E_Var_MR->setText(f.modbusRegister);
    E_Scale_MB->setText(f.modbusScale);
    E_Sto_Num->setText(f.storageNumber);
    E_Tariff->setText(f.tariff);
    setComboIndex(CB_VIFE, f.vife);
    CB_TP_MR->setChecked(f.timePointRegisters);
    E_TP_Year->setText(f.timePointYear);
    CB_BCDtoINT->setChecked(f.bcdToInt);
    CB_Float->setChecked(f.convFloat);
    CB_Force_Int32->setChecked(f.forceInt32);
    E_Position->setText(f.position);
    setComboIndex(CB_PostOpe, f.postOperation);
}

bool TFMeter_Bus::Controllo_Dati_New_Var(bool newvar)
{
    const NetworkSelection excluded = newvar ? NetworkSelection{} : selection();
    const auto refusal = variableFieldRefusal(variableFields(), Nodi_List, byPositionNode(), excluded);
    if (refusal)
        platform::showError(*refusal);
    return !refusal;
}

bool TFMeter_Bus::Check_Registers(std::int32_t Reg_Mod, std::int32_t Reg_RE_Mod, std::int32_t Reg_TP, bool NewVar)
{
    RegisterClaim claim;
    claim.modbusRegister = Reg_Mod;
    claim.scale = Reg_RE_Mod;
    claim.timePoint = Reg_TP;
    return Check_Registers(claim, NewVar);
}

bool TFMeter_Bus::Check_Registers(const RegisterClaim &claim, bool NewVar)
{
    const auto clash = project::Check_Registers(Nodi_List, claim, NewVar ? NetworkSelection{} : selection());
    if (clash)
        platform::showError(*clash);
    return clash.has_value();
}

void TFMeter_Bus::btn_Add_VarClick(QObject *)
{
    platform::guarded([this] {
        if (m_variableMode == EditMode::Add) {
            if (NODE_ID != nullptr && IND_NODO >= 0 && Controllo_Dati_New_Var(true)) {
                TVariabile variable;
                storeFieldsInVariable(variable, variableFields());
                // The new variable is shown where it went, but the selection
                // stays: the next press adds another variable to the same node
                // instead of overwriting this one.
                if (QTreeWidgetItem *item = appendVariable(IND_NODO, std::move(variable))) {
                    TW->expandItem(item->parent());
                    TW->scrollToItem(item);
                }
            }
        } else if (SELECT_NODE != nullptr && selection().hasVariable() && Controllo_Dati_New_Var(false)) {
            TVariabile &variable = Nodi_List[size_t(IND_NODO)].Var_List[size_t(IND_VAR)];
            storeFieldsInVariable(variable, variableFields());
            SELECT_NODE->setText(0, variableItemText(variable));
        }
        TW->expandItem(NODE_ORIG);
        Is_Change = true;
    });
}

} // namespace project
