#include "project/NetworkDialogFields.h"

#include "app/ConverterType.h"
#include "platform/IntText.h"

namespace project {
namespace {

// An edit stored as a number: 0 when it does not hold one.
std::int32_t numberOr0(const QString &text) { return platform::parseInt32Or(text, 0); }

QString decimal(std::int64_t value) { return QString::number(value); }

// A pick list that shows no item stores its first one.
int pickIndex(int index) { return index < 0 ? 0 : index; }

} // namespace

bool isWirelessNodeFields(const NodeFields &fields, int converterType)
{
    return app::isWirelessType(converterType) && fields.mbusType == WirelessNodeType;
}

void showNodeInFields(NodeFields &fields, const TNodo &node, int converterType)
{
    fields.enable = node.Enable == 1;
    fields.description = node.Description;
    fields.idPrimary = decimal(node.Node_Pri);
    fields.idSecondary = decimal(node.Node_Sec);
    fields.secondary = node.Node_ID_Type != 0;
    fields.nodeState = decimal(node.Node_State);
    fields.identNum = decimal(node.Ident_Num);
    fields.bcdToIntIdent = node.BCDtoINT_IN == 1;
    fields.swapIdent = node.Swap_Ident;
    fields.sendSndNke = node.Send_SNK == 1;
    fields.resetApp = node.Reset_App == 1;
    fields.varListType = node.Var_List_Type;
    fields.cutAfter = node.Cut_After;
    fields.manufacturerSpecific = decimal(node.Manufacturer_Spec);
    fields.msdLength = decimal(node.MSD_Length);
    fields.msdOffset = decimal(node.MSD_Offset);
    fields.accessNumber = decimal(node.Access_Number);
    if (!app::isWirelessType(converterType))
        return;
    fields.mbusType = node.MBus_Type;
    fields.wManId = node.wMBus_ManID;
    fields.wAddress = node.wMBus_Add;
    fields.wVersion = node.wMBus_Ver;
    fields.wDevType = node.wMBus_DevType;
    fields.wKeyEnable = node.wMBus_En_Key == 1;
    fields.wKey = node.wMBus_Key;
    fields.wNodeState = decimal(node.Node_State);
    fields.wIdentNum = decimal(node.Ident_Num);
    fields.wRssi = decimal(node.RSSI);
    fields.wAccessNumber = decimal(node.Access_Number);
    fields.wBcdToIntIdent = node.BCDtoINT_IN == 1;
    fields.wSwapIdent = node.Swap_Ident;
    fields.wVarListType = node.Var_List_Type;
}

void storeFieldsInNode(TNodo &node, const NodeFields &fields, int converterType)
{
    node.Enable = fields.enable ? 1 : 0;
    node.Description = fields.description;
    node.Node_Pri = numberOr0(fields.idPrimary);
    node.Node_Sec = numberOr0(fields.idSecondary);
    node.Send_SNK = fields.sendSndNke ? 1 : 0;
    node.Reset_App = fields.resetApp ? 1 : 0;
    node.BCDtoINT_IN = fields.bcdToIntIdent ? 1 : 0;
    node.Node_State = numberOr0(fields.nodeState);
    node.Ident_Num = numberOr0(fields.identNum);
    node.Swap_Ident = pickIndex(fields.swapIdent);
    node.Var_List_Type = std::uint8_t(pickIndex(fields.varListType));
    node.Cut_After = std::uint8_t(pickIndex(fields.cutAfter));
    node.Node_ID_Type = fields.secondary ? 1 : 0;
    node.Manufacturer_Spec = numberOr0(fields.manufacturerSpecific);
    node.MSD_Length = std::uint8_t(numberOr0(fields.msdLength));
    node.MSD_Offset = std::uint8_t(numberOr0(fields.msdOffset));
    node.Access_Number = numberOr0(fields.accessNumber);

    if (!app::isWirelessType(converterType)) {
        node.RSSI = 0;
        node.MBus_Type = 1;
        node.wMBus_ManID.clear();
        node.wMBus_Add.clear();
        node.wMBus_Ver.clear();
        node.wMBus_DevType.clear();
        node.wMBus_Key = {};
        node.wMBus_En_Key = 0;
        return;
    }
    node.MBus_Type = std::uint8_t(pickIndex(fields.mbusType));
    node.wMBus_ManID = fields.wManId;
    node.wMBus_Add = fields.wAddress;
    node.wMBus_Ver = fields.wVersion;
    node.wMBus_DevType = fields.wDevType;
    node.wMBus_Key = fields.wKey;
    node.wMBus_En_Key = fields.wKeyEnable ? 1 : 0;
    if (node.MBus_Type == WirelessNodeType) {
        // The wireless panel has its own registers and options.
        node.Node_State = numberOr0(fields.wNodeState);
        node.Ident_Num = numberOr0(fields.wIdentNum);
        node.RSSI = numberOr0(fields.wRssi);
        node.BCDtoINT_IN = fields.wBcdToIntIdent ? 1 : 0;
        node.Swap_Ident = pickIndex(fields.wSwapIdent);
        node.Var_List_Type = std::uint8_t(pickIndex(fields.wVarListType));
        node.Access_Number = numberOr0(fields.wAccessNumber);
    }
}

VariableFields variableFieldsOf(const TVariabile &variable)
{
    VariableFields fields;
    fields.enable = variable.Enable;
    fields.description = variable.Description;
    fields.typeOfData = variable.Type_Of_Data;
    fields.vifAscii = variable.VIF_ASCII;
    fields.functionField = variable.Function_Field;
    fields.dimension = variable.Dimension;
    fields.length = decimal(variable.Length);
    fields.unit = variable.Unita;
    fields.modbusRegister = decimal(variable.Modbus_Register);
    fields.modbusScale = decimal(variable.Modbus_Scale);
    fields.storageNumber = decimal(variable.Storage_Number);
    fields.tariff = decimal(variable.Tariff);
    fields.vife = variable.VIFE == 255 ? 0 : variable.VIFE; // both mean "Not Selected"
    fields.timePointRegisters = variable.TP_Mod_Regs;
    fields.timePointYear = decimal(variable.TP_Mod_Year);
    fields.bcdToInt = variable.BCDtoINT;
    fields.convFloat = variable.Conv_Float;
    fields.forceInt32 = variable.Force_Int32;
    fields.position = decimal(variable.Position);
    fields.postOperation = variable.Post_Operation;
    return fields;
}

void storeFieldsInVariable(TVariabile &variable, const VariableFields &fields)
{
    variable.Enable = fields.enable;
    variable.Description = fields.description;
    variable.Type_Of_Data = pickIndex(fields.typeOfData);
    variable.VIF_ASCII = fields.vifAscii;
    variable.Function_Field = pickIndex(fields.functionField);
    variable.Dimension = pickIndex(fields.dimension);
    variable.Length = numberOr0(fields.length);
    variable.Unita = pickIndex(fields.unit);
    variable.Modbus_Register = numberOr0(fields.modbusRegister);
    variable.Modbus_Scale = numberOr0(fields.modbusScale);
    // The validation takes storage numbers up to 0xFFFFFFFF, beyond 32 signed bits.
    const std::int64_t storage = platform::parseInt64Or(fields.storageNumber, 0);
    variable.Storage_Number = storage >= 0 && storage <= 0xFFFFFFFFLL ? std::uint32_t(storage) : 0;
    variable.Tariff = numberOr0(fields.tariff);
    variable.VIFE = std::uint8_t(pickIndex(fields.vife));
    variable.TP_Mod_Regs = fields.timePointRegisters;
    variable.TP_Mod_Year = numberOr0(fields.timePointYear);
    variable.BCDtoINT = fields.bcdToInt;
    variable.Conv_Float = fields.convFloat;
    variable.Force_Int32 = fields.forceInt32;
    variable.Position = std::uint16_t(numberOr0(fields.position));
    variable.Post_Operation = std::uint8_t(pickIndex(fields.postOperation));
}

} // namespace project
