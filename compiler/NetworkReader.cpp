#include "compiler/NetworkReader.h"

#include "compiler/CompileError.h"
#include "platform/IntText.h"

namespace compiler {
namespace {

// Attribute values: integer text with a default for a missing or malformed value.
std::optional<std::int32_t> intAttr(const QDomElement &e, const QString &name)
{
    return platform::tryParseInt32(e.attribute(name));
}

std::int32_t intOr(const QDomElement &e, const QString &name, std::int32_t fallback)
{
    return intAttr(e, name).value_or(fallback);
}

// Values that may run up to 0xFFFFFFFF: read with 64 bits, keep the low 32.
std::uint32_t wideOr(const QDomElement &e, const QString &name, std::uint32_t fallback)
{
    const auto v = platform::tryParseInt64(e.attribute(name));
    return v ? static_cast<std::uint32_t>(*v) : fallback;
}

bool flag(const QDomElement &e, const QString &name) { return e.attribute(name) == QLatin1String("1"); }

std::uint8_t u8(std::int64_t v) { return static_cast<std::uint8_t>(v); }
std::uint16_t u16(std::int64_t v) { return static_cast<std::uint16_t>(v); }

// Where in M_Bus.xml a variable sits, for messages the user can act on.
struct Place {
    int nodeNumber;
    const QDomElement &node;
    int variableNumber;
    const QDomElement &variable;

    QString describe() const
    {
        QString text = QStringLiteral("node %1").arg(nodeNumber);
        const QString nodeDesc = node.attribute(QStringLiteral("Descrizione"));
        if (!nodeDesc.isEmpty())
            text += QStringLiteral(" \"%1\"").arg(nodeDesc);
        text += QStringLiteral(", variable %1").arg(variableNumber);
        const QString varDesc = variable.attribute(QStringLiteral("Desc"));
        if (!varDesc.isEmpty())
            text += QStringLiteral(" \"%1\"").arg(varDesc);
        return text;
    }
};

std::int32_t requiredAttr(const Place &place, const QString &name)
{
    if (const auto v = intAttr(place.variable, name))
        return *v;
    if (!place.variable.hasAttribute(name))
        throw CompileFailure(CompileErrorKind::MissingAttribute,
                             QStringLiteral("Compile error in M_Bus.xml, %1: the attribute \"%2\" is missing.")
                                 .arg(place.describe(), name));
    throw CompileFailure(CompileErrorKind::MalformedAttribute,
                         QStringLiteral("Compile error in M_Bus.xml, %1: the attribute \"%2\" holds \"%3\", "
                                        "which is not an integer.")
                             .arg(place.describe(), name, place.variable.attribute(name)));
}

TVariabile readVariable(const Place &place, NetworkFamily family)
{
    const QDomElement &e = place.variable;
    TVariabile v;
    v.Type_Of_Data = u8(requiredAttr(place, QStringLiteral("Type")));
    // The converter numbers the minimum and maximum function fields the other way round.
    const std::int32_t functionField = requiredAttr(place, QStringLiteral("Fun_Field"));
    v.Function_Field = u8(functionField == 1 ? 2 : functionField == 2 ? 1 : functionField);
    v.Dimension = u8(requiredAttr(place, QStringLiteral("Dim")));
    v.Modbus_Register = u16(requiredAttr(place, QStringLiteral("ModReg")));
    v.Modbus_Scale = u16(requiredAttr(place, QStringLiteral("ModScale")));
    v.Unita = u8(intOr(e, QStringLiteral("Unit"), 0));
    v.Storage_Num = wideOr(e, QStringLiteral("StoNumber"), 0);
    v.Tarif = wideOr(e, QStringLiteral("Tariff"), 0);
    v.VIFE = u8(intOr(e, QStringLiteral("VIFE"), 0));
    if (flag(e, QStringLiteral("BCDtoINT")))
        v.Options |= VarOption::BCDtoINT;
    v.VIF_ASCII = e.attribute(QStringLiteral("VIF_ASCII"));
    v.Length = u8(intOr(e, QStringLiteral("Length"), 0));
    if (flag(e, QStringLiteral("Conv_Float")))
        v.Options |= VarOption::Conv_Float;
    // The serial board's firmware knows neither option.
    if (family != NetworkFamily::SerialBoard && flag(e, QStringLiteral("Force_Int32")))
        v.Options |= VarOption::Force_Int32;
    if (flag(e, QStringLiteral("TP_Mod_Regs")))
        v.Options |= VarOption::TP_Mod_Regs;
    v.TP_Mod_Year = u16(intOr(e, QStringLiteral("TP_Mod_Year"), 0));
    v.Position = u16(intOr(e, QStringLiteral("Position"), 1));
    if (family != NetworkFamily::SerialBoard)
        v.Post_Ope = u8(intOr(e, QStringLiteral("Post_Operation"), 0));

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

TNodo readWiredNode(const QDomElement &e, NetworkFamily family)
{
    TNodo n;
    n.ID_Type = u8(intOr(e, QStringLiteral("Node_ID_Type"), 0));
    // Older files and other writers give a single "ID"; the editor writes both addresses.
    if (const auto id = platform::tryParseInt64(e.attribute(QStringLiteral("ID"))))
        n.ID = static_cast<std::uint32_t>(*id);
    else
        n.ID = static_cast<std::uint32_t>(
            intOr(e, n.ID_Type != 0 ? QStringLiteral("ID_Secondary") : QStringLiteral("ID_Primary"), 1));
    n.SND_NKE = u8(intOr(e, QStringLiteral("Send_SND_NKE"), 0));
    n.Reset_App = u8(intOr(e, QStringLiteral("Reset_App"), 0));
    n.Node_State = u16(intOr(e, QStringLiteral("Node_State"), 0));
    n.Ident_Num = u16(intOr(e, QStringLiteral("Ident_Num"), 0));
    n.BCDtoINT_IN = u8(intOr(e, QStringLiteral("BCDtoINT_IN"), 0));
    n.Swap_IN = u8(intOr(e, QStringLiteral("Swap_IN"), 0));
    n.Var_Type = u8(intOr(e, QStringLiteral("Var_List_Type"), 0));
    // The file counts frames minus one; the converter counts frames.
    const auto cutAfter = intAttr(e, QStringLiteral("Cut_After"));
    n.Cut_After = cutAfter ? u8(std::int64_t(*cutAfter) + 1) : 250;
    if (family != NetworkFamily::SerialBoard) {
        n.Mamu_Spec_Data = u16(intOr(e, QStringLiteral("Manufacturer_Specific_Data"), 0));
        n.MSD_Length = u8(intOr(e, QStringLiteral("MSD_Length"), 0));
        n.MSD_Offset = u8(intOr(e, QStringLiteral("MSD_Offset"), 0));
    }
    if (family == NetworkFamily::EthernetBoard || family == NetworkFamily::TwoBanks)
        n.Access_Number = u16(intOr(e, QStringLiteral("Access_Number"), 0));
    return n;
}

TNodo readWirelessMeter(const QDomElement &e, WirelessMeterEntry &entry)
{
    entry.manufacturer = u16(intOr(e, QStringLiteral("wMBus_ManID"), 0));
    entry.address = wideOr(e, QStringLiteral("wMBus_Add"), 0);
    entry.version = u8(intOr(e, QStringLiteral("wMBus_Ver"), 0));
    entry.deviceType = u8(intOr(e, QStringLiteral("wMBus_DevType"), 0));
    entry.keyFlag = u8(intOr(e, QStringLiteral("wMBus_En_Key"), 0));
    if (entry.keyFlag == 1)
        for (int i = 0; i < 16; ++i)
            entry.key[i] = u8(intOr(e, QStringLiteral("wMBus_Key_%1").arg(i + 1), 0));

    TNodo n;
    n.ID = entry.address;
    n.Node_State = u16(intOr(e, QStringLiteral("Node_State"), 0));
    n.Ident_Num = u16(intOr(e, QStringLiteral("Ident_Num"), 0));
    n.RSSI = u16(intOr(e, QStringLiteral("wMBus_RSSI"), 0));
    n.BCDtoINT_IN = u8(intOr(e, QStringLiteral("BCDtoINT_IN"), 0));
    n.Swap_IN = u8(intOr(e, QStringLiteral("Swap_IN"), 0));
    n.Var_Type = u8(intOr(e, QStringLiteral("Var_List_Type"), 0));
    n.Mamu_Spec_Data = u16(intOr(e, QStringLiteral("Manufacturer_Specific_Data"), 0));
    n.MSD_Length = u8(intOr(e, QStringLiteral("MSD_Length"), 0));
    n.MSD_Offset = u8(intOr(e, QStringLiteral("MSD_Offset"), 0));
    n.Access_Number = u16(intOr(e, QStringLiteral("Access_Number"), 0));
    return n;
}

bool isCandidate(const QDomElement &e, NetworkFamily family)
{
    if (family == NetworkFamily::SingleBank)
        return e.attribute(QStringLiteral("Node_Enable")) != QLatin1String("0");
    return intOr(e, QStringLiteral("Node_Enable"), 1) == 1;
}

[[noreturn]] void tooManyWirelessMeters()
{
    throw CompileFailure(CompileErrorKind::TooLarge,
                         QStringLiteral("Compile error: the network has more than %1 enabled wireless meters; "
                                        "the converter's table holds at most %1.")
                             .arg(WirelessTableSize));
}

} // namespace

CompiledNetwork readNetwork(const std::optional<QDomElement> &root, NetworkFamily family, bool wiredPresent)
{
    CompiledNetwork network;
    if (!root)
        return network;

    int nodeNumber = 0;
    for (QDomElement nodeElement = root->firstChildElement(); !nodeElement.isNull();
         nodeElement = nodeElement.nextSiblingElement()) {
        ++nodeNumber;
        if (!isCandidate(nodeElement, family))
            continue;
        const bool wireless = family == NetworkFamily::TwoBanks &&
                              intOr(nodeElement, QStringLiteral("MBus_Type"), 1) != 1;
        if (!wireless && family == NetworkFamily::TwoBanks && !wiredPresent)
            continue;

        WirelessMeterEntry entry;
        TNodo node = wireless ? readWirelessMeter(nodeElement, entry) : readWiredNode(nodeElement, family);

        int variableNumber = 0;
        for (QDomElement varElement = nodeElement.firstChildElement(); !varElement.isNull();
             varElement = varElement.nextSiblingElement()) {
            ++variableNumber;
            if (varElement.attribute(QStringLiteral("Enable")) != QLatin1String("1"))
                continue;
            node.Vars.push_back(readVariable({nodeNumber, nodeElement, variableNumber, varElement}, family));
        }
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
