#include "compiler/NetworkReader.h"

#include "compiler/CompileError.h"
#include "platform/QuotedValue.h"
#include "project/NetworkAttributes.h"

namespace compiler {
namespace {

using project::netxml::NodeAttributes;
using project::netxml::VariableAttributes;
namespace netxml = project::netxml;

std::uint8_t u8(std::int64_t v) { return static_cast<std::uint8_t>(v); }
std::uint16_t u16(std::int64_t v) { return static_cast<std::uint16_t>(v); }

// Where in M_Bus.xml a variable sits, for messages the user can act on.
struct Place {
    const NetworkElements::Node &node;
    const NetworkElements::Variable &variable;

    QString describe() const
    {
        QString text = QStringLiteral("node %1").arg(node.number);
        const QString &nodeDesc = node.attributes.Descrizione;
        if (!nodeDesc.isEmpty())
            text += QStringLiteral(" \"%1\"").arg(platform::quotedValue(nodeDesc));
        text += QStringLiteral(", variable %1").arg(variable.number);
        const QString &varDesc = variable.attributes.Desc;
        if (!varDesc.isEmpty())
            text += QStringLiteral(" \"%1\"").arg(platform::quotedValue(varDesc));
        return text;
    }
};

[[noreturn]] void requiredFault(const Place &place, const NetworkElements::RequiredFault &fault)
{
    const QString name(fault.attribute);
    if (fault.missing)
        throw CompileFailure(CompileErrorKind::MissingAttribute,
                             QStringLiteral("Compile error in M_Bus.xml, %1: the attribute \"%2\" is missing.")
                                 .arg(place.describe(), name));
    throw CompileFailure(CompileErrorKind::MalformedAttribute,
                         QStringLiteral("Compile error in M_Bus.xml, %1: the attribute \"%2\" holds \"%3\", "
                                        "which is not an integer.")
                             .arg(place.describe(), name, platform::quotedValue(fault.text)));
}

TVariabile readVariable(const Place &place, NetworkFamily family)
{
    if (place.variable.fault)
        requiredFault(place, *place.variable.fault);
    const VariableAttributes &a = place.variable.attributes;
    TVariabile v;
    v.Type_Of_Data = u8(*a.Type);
    // The converter numbers the minimum and maximum function fields the other way round.
    const std::int32_t functionField = *a.Fun_Field;
    v.Function_Field = u8(functionField == 1 ? 2 : functionField == 2 ? 1 : functionField);
    v.Dimension = u8(*a.Dim);
    v.Modbus_Register = u16(*a.ModReg);
    v.Modbus_Scale = u16(*a.ModScale);
    v.Unita = u8(a.Unit.value_or(0));
    v.Storage_Num = a.StoNumber.value_or(0);
    v.Tarif = a.Tariff.value_or(0);
    v.VIFE = u8(a.VIFE.value_or(0));
    if (a.BCDtoINT)
        v.Options |= VarOption::BCDtoINT;
    v.VIF_ASCII = a.VIF_ASCII;
    v.Length = u8(a.Length.value_or(0));
    if (a.Conv_Float)
        v.Options |= VarOption::Conv_Float;
    // The serial board's firmware knows neither option.
    if (family != NetworkFamily::SerialBoard && a.Force_Int32)
        v.Options |= VarOption::Force_Int32;
    if (a.TP_Mod_Regs)
        v.Options |= VarOption::TP_Mod_Regs;
    v.TP_Mod_Year = u16(a.TP_Mod_Year.value_or(0));
    v.Position = u16(a.Position.value_or(1));
    if (family != NetworkFamily::SerialBoard)
        v.Post_Ope = u8(a.Post_Operation.value_or(0));

    if (v.Type_Of_Data == AsciiUnitDataType) {
        // The length goes into one byte; a longer text would be cut off in the bank.
        if (v.VIF_ASCII.size() > 255)
            throw CompileFailure(CompileErrorKind::TooLarge,
                                 QStringLiteral("Compile error in M_Bus.xml, %1: the unit text has %2 characters; "
                                                "the converter takes at most 255.")
                                     .arg(place.describe())
                                     .arg(v.VIF_ASCII.size()));
        v.Len_VIF_ASCII = u8(v.VIF_ASCII.size());
    } else {
        v.VIF_ASCII.clear();
    }
    if (v.Dimension != VariableLengthDimension)
        v.Length = 0;
    return v;
}

// The fields wired nodes and wireless meters both carry.
void readSharedNodeFields(const NodeAttributes &a, TNodo &n)
{
    n.Node_State = u16(a.Node_State.value_or(0));
    n.Ident_Num = u16(a.Ident_Num.value_or(0));
    n.BCDtoINT_IN = u8(a.BCDtoINT_IN.value_or(0));
    n.Swap_IN = u8(a.Swap_IN.value_or(0));
    n.Var_Type = u8(a.Var_List_Type.value_or(0));
}

void readManufacturerData(const NodeAttributes &a, TNodo &n)
{
    n.Mamu_Spec_Data = u16(a.Manufacturer_Specific_Data.value_or(0));
    n.MSD_Length = u8(a.MSD_Length.value_or(0));
    n.MSD_Offset = u8(a.MSD_Offset.value_or(0));
}

TNodo readWiredNode(const NodeAttributes &a, NetworkFamily family)
{
    TNodo n;
    n.ID_Type = u8(a.Node_ID_Type.value_or(0));
    // Older files and other writers give a single "ID"; the editor writes both addresses.
    if (a.ID)
        n.ID = *a.ID;
    else
        n.ID = static_cast<std::uint32_t>((n.ID_Type != 0 ? a.ID_Secondary : a.ID_Primary).value_or(1));
    n.SND_NKE = u8(a.Send_SND_NKE.value_or(0));
    n.Reset_App = u8(a.Reset_App.value_or(0));
    readSharedNodeFields(a, n);
    // The file counts frames minus one; the converter counts frames.
    n.Cut_After = a.Cut_After ? u8(std::int64_t(*a.Cut_After) + 1) : 250;
    if (family != NetworkFamily::SerialBoard)
        readManufacturerData(a, n);
    if (family == NetworkFamily::EthernetBoard || family == NetworkFamily::TwoBanks)
        n.Access_Number = u16(a.Access_Number.value_or(0));
    return n;
}

TNodo readWirelessMeter(const NodeAttributes &a, WirelessMeterEntry &entry)
{
    entry.manufacturer = u16(netxml::number(a.wMBus_ManID).value_or(0));
    entry.address = netxml::lowBits32(a.wMBus_Add).value_or(0);
    entry.version = u8(netxml::number(a.wMBus_Ver).value_or(0));
    entry.deviceType = u8(netxml::number(a.wMBus_DevType).value_or(0));
    entry.keyFlag = u8(a.wMBus_En_Key.value_or(0));
    if (entry.keyFlag == 1)
        for (std::size_t i = 0; i < 16; ++i)
            entry.key[i] = u8(netxml::number(a.wMBus_Key[i]).value_or(0));

    TNodo n;
    n.ID = entry.address;
    n.RSSI = u16(a.wMBus_RSSI.value_or(0));
    readSharedNodeFields(a, n);
    readManufacturerData(a, n);
    n.Access_Number = u16(a.Access_Number.value_or(0));
    return n;
}

bool isCandidate(const NodeAttributes &a, NetworkFamily family)
{
    if (family == NetworkFamily::SingleBank)
        return a.Node_Enable_Text != u"0";
    return a.Node_Enable.value_or(1) == 1;
}

[[noreturn]] void tooManyWirelessMeters()
{
    throw CompileFailure(CompileErrorKind::TooLarge,
                         QStringLiteral("Compile error: the network has more than %1 enabled wireless meters; "
                                        "the converter's table holds at most %1.")
                             .arg(WirelessTableSize));
}

} // namespace

CompiledNetwork readNetwork(const NetworkElements *elements, NetworkFamily family, bool wiredPresent)
{
    CompiledNetwork network;
    if (!elements)
        return network;

    for (const NetworkElements::Node &element : elements->nodes) {
        const NodeAttributes &attributes = element.attributes;
        if (!isCandidate(attributes, family))
            continue;
        const bool wireless = family == NetworkFamily::TwoBanks && attributes.MBus_Type.value_or(1) != 1;
        if (!wireless && family == NetworkFamily::TwoBanks && !wiredPresent) {
            network.leftOutWired << QStringLiteral("%1: %2").arg(element.number).arg(attributes.Descrizione);
            continue;
        }

        WirelessMeterEntry entry;
        TNodo node = wireless ? readWirelessMeter(attributes, entry) : readWiredNode(attributes, family);
        node.Vars.reserve(element.variables.size());
        for (const NetworkElements::Variable &variable : element.variables)
            node.Vars.push_back(readVariable({element, variable}, family));
        // A node without enabled variables leaves no trace, not even in the meter table.
        if (node.Vars.empty())
            continue;
        if (wireless) {
            if (network.meterTable.size() >= WirelessTableSize)
                tooManyWirelessMeters();
            network.meterTable.push_back(entry);
            network.wireless.push_back(std::move(node));
        } else {
            network.wired.push_back(std::move(node));
        }
    }
    return network;
}

} // namespace compiler
