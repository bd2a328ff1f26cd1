#include "compiler/TableLayout.h"

#include "compiler/CompileError.h"

namespace compiler {
namespace {

std::uint8_t dimensionCode(std::uint8_t dimension)
{
    switch (dimension) {
    case 0: return 1;
    case 2: return 4;
    case 3: return 7;
    case 4: return 3;
    case 5: return 6;
    case 6: return 5;
    case 7: return 13;
    default: return 2;
    }
}

// Node address: primary as 0, 0, 0, low byte; secondary as packed BCD; wireless
// meters their 32-bit address, most significant byte first.
Quad nodeAddress(const TNodo &node, bool wirelessMeter)
{
    if (wirelessMeter)
        return {std::uint8_t(node.ID >> 24), std::uint8_t(node.ID >> 16), std::uint8_t(node.ID >> 8),
                std::uint8_t(node.ID)};
    if (node.ID_Type == 0)
        return {0, 0, 0, std::uint8_t(node.ID)};
    // Secondary address: its last eight decimal digits as packed BCD, most significant first.
    Quad bcd{};
    std::uint32_t rest = node.ID;
    for (int i = 3; i >= 0; --i) {
        const std::uint32_t low = rest % 10;
        rest /= 10;
        const std::uint32_t high = rest % 10;
        rest /= 10;
        bcd[i] = std::uint8_t(high << 4 | low);
    }
    return bcd;
}

struct VariantSizes {
    int node;
    int variable;
    int registerEntry;
    int timePoint; // value bytes and registers of a time point
};

VariantSizes sizesOf(TableVariant variant)
{
    switch (variant) {
    case TableVariant::SerialBoard: return {20, 31, 13, 5};
    case TableVariant::EthernetBoard: return {29, 30, 14, 6};
    case TableVariant::SingleBank: return {27, 30, 14, 6};
    case TableVariant::TwoBanks: return {31, 31, 14, 6};
    }
    return {31, 31, 14, 6};
}

bool isTimePoint(const TVariabile &v, const TNodo &node, TableVariant variant)
{
    if (!(v.Options & VarOption::TP_Mod_Regs))
        return false;
    // The single-bank firmware also takes any variable of a node read by position.
    return v.Type_Of_Data == TimePointDataType || (variant == TableVariant::SingleBank && node.Var_Type == 1);
}

// Where a variable's value sits in the converter's data area.
struct Placement {
    std::uint16_t valueAddress = 0; // U
    std::uint16_t valueEnd = 0;     // G
    std::uint8_t registers = 0;
    bool timePoint = false;
};

struct ValueSize {
    int bytes;
    int registers;
};

ValueSize valueSize(const TVariabile &v, bool timePoint, const VariantSizes &sizes)
{
    if (timePoint)
        return {sizes.timePoint, sizes.timePoint};
    if (v.Options & (VarOption::Conv_Float | VarOption::Force_Int32))
        return {4, 2};
    switch (v.Dimension) {
    case 2:
    case 4:
    case 6: return {4, 2};
    case 3: return {8, 4};
    case 5: return {6, 3};
    case VariableLengthDimension: return {v.Length, (v.Length + 1) / 2}; // at most 128 registers
    default: return {2, 1};
    }
}

struct NodeRef {
    TNodo *node;
    bool wireless;
};

// Value addresses are 16-bit fields: a network whose values reach past them
// would make the converter overwrite its own values.
std::uint16_t dataAddress(qint64 address)
{
    if (address <= 0xFFFF)
        return static_cast<std::uint16_t>(address);
    throw CompileFailure(CompileErrorKind::TooLarge,
                         QStringLiteral("Compile error: the values of the network need the converter's data area "
                                        "up to address %1, but its addresses stop at %2. "
                                        "Reduce the number of variables or their lengths.")
                             .arg(groupedNumber(address), groupedNumber(0xFFFF)));
}

// Runs once over all nodes in table order: each node's area, then its values,
// each followed by two spare bytes.
std::vector<Placement> allocateDataArea(const std::vector<NodeRef> &nodes, TableVariant variant,
                                        const VariantSizes &sizes)
{
    std::vector<Placement> placements;
    qint64 running = 0;
    for (const NodeRef &ref : nodes) {
        TNodo &node = *ref.node;
        node.Address_Arr_Calcolato = dataAddress(running);
        if (node.Mamu_Spec_Data != 0)
            running += node.MSD_Length;
        for (const TVariabile &v : node.Vars) {
            Placement p;
            p.timePoint = isTimePoint(v, node, variant);
            const ValueSize size = valueSize(v, p.timePoint, sizes);
            p.valueAddress = dataAddress(running);
            p.valueEnd = dataAddress(running + size.bytes);
            p.registers = static_cast<std::uint8_t>(size.registers);
            placements.push_back(p);
            running += size.bytes + 2;
        }
    }
    return placements;
}

void writeNodeEntry(BankBuffer &bank, TableVariant variant, const VariantSizes &sizes, const NodeRef &ref)
{
    const TNodo &n = *ref.node;
    if (n.Vars.size() > 0xFFFF)
        throw CompileFailure(CompileErrorKind::TooLarge,
                             QStringLiteral("Compile error: a node has %1 variables; a node takes at most 65535.")
                                 .arg(n.Vars.size()));
    FieldWriter e = bank.appendBlock(sizes.node);
    e.u8(0, n.ID_Type);
    e.quad(1, nodeAddress(n, ref.wireless));
    e.u16(5, std::uint32_t(n.Vars.size()));
    e.u32(7, n.Add);
    e.u8(11, n.SND_NKE);
    e.u8(12, n.Reset_App);
    e.u16(13, n.Node_State);
    e.u16(15, n.Ident_Num);
    e.u8(17, n.BCDtoINT_IN);
    e.u8(18, n.Swap_IN);
    e.u8(19, n.Var_Type);
    if (variant == TableVariant::SerialBoard)
        return;
    e.u8(20, n.Cut_After);
    e.u16(21, n.Mamu_Spec_Data);
    e.u8(23, n.MSD_Length);
    e.u8(24, n.MSD_Offset);
    e.u16(25, n.Address_Arr_Calcolato);
    if (variant == TableVariant::EthernetBoard) {
        e.u16(27, n.Access_Number);
    } else if (variant == TableVariant::TwoBanks) {
        e.u16(27, n.RSSI);
        e.u16(29, n.Access_Number);
    }
}

std::uint16_t registerOf(const TVariabile &v, const Placement &p)
{
    return p.timePoint ? v.TP_Mod_Year : v.Modbus_Register;
}

std::uint16_t scaleOf(const TVariabile &v)
{
    return (v.Options & VarOption::Conv_Float) ? 0 : v.Modbus_Scale;
}

void writeVariableEntry(BankBuffer &bank, TableVariant variant, const VariantSizes &sizes, const TVariabile &v,
                        const Placement &p)
{
    FieldWriter e = bank.appendBlock(sizes.variable);
    e.u8(0, v.Type_Of_Data);
    e.u8(1, v.Function_Field);
    e.u8(2, dimensionCode(v.Dimension));
    e.u16(3, registerOf(v, p));
    e.u16(5, p.valueAddress);
    e.u16(7, scaleOf(v));
    e.u16(9, p.valueEnd);
    e.u8(11, v.Unita);
    e.u32(12, v.Storage_Num);
    e.u32(16, v.Tarif);
    e.u8(20, v.VIFE);
    switch (variant) {
    case TableVariant::SerialBoard:
        e.u8(21, (v.Options & VarOption::BCDtoINT) ? 1 : 0);
        e.u8(22, v.Length);
        e.u8(23, v.Len_VIF_ASCII);
        e.u32(24, v.Address_VIF_ASCII);
        e.u8(28, (v.Options & VarOption::Conv_Float) ? 1 : 0);
        e.u8(29, (v.Options & VarOption::TP_Mod_Regs) ? 1 : 0);
        e.u8(30, v.Position); // the firmware keeps only the low byte
        break;
    case TableVariant::EthernetBoard:
    case TableVariant::SingleBank:
        e.u8(21, v.Length);
        e.u8(22, v.Len_VIF_ASCII);
        e.u32(23, v.Address_VIF_ASCII);
        e.u8(27, v.Options);
        e.u8(28, v.Position); // the firmware keeps only the low byte
        e.u8(29, v.Post_Ope);
        break;
    case TableVariant::TwoBanks:
        e.u8(21, v.Length);
        e.u8(22, v.Len_VIF_ASCII);
        e.u32(23, v.Address_VIF_ASCII);
        e.u8(27, v.Options);
        e.u16(28, v.Position);
        e.u8(30, v.Post_Ope);
        break;
    }
}

void writeRegisterEntry(BankBuffer &bank, TableVariant variant, const VariantSizes &sizes, const TVariabile &v,
                        const Placement &p, const Quad &address)
{
    FieldWriter e = bank.appendBlock(sizes.registerEntry);
    e.u16(0, registerOf(v, p));
    e.u8(2, p.registers);
    e.u16(3, p.valueAddress);
    e.quad(5, address);
    e.u16(9, scaleOf(v));
    e.u16(11, p.valueEnd);
    if (variant != TableVariant::SerialBoard)
        e.u8(13, p.timePoint ? 1 : 0);
}

// The unit text as the firmware reads it: last character first, one byte each.
QByteArray reversedUnitText(const QString &text)
{
    QByteArray bytes(text.size(), '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[text.size() - 1 - i] = static_cast<char>(text[i].unicode() & 0xFF);
    return bytes;
}

} // namespace

TableBounds writeNetworkTables(BankBuffer &bank, TableVariant variant, CompiledNetwork &network)
{
    const VariantSizes sizes = sizesOf(variant);
    std::vector<NodeRef> nodes;
    nodes.reserve(network.wired.size() + network.wireless.size());
    for (TNodo &n : network.wired)
        nodes.push_back({&n, false});
    for (TNodo &n : network.wireless)
        nodes.push_back({&n, true});

    const qint64 start = bank.size();
    const qint64 variables = variableCount(network.wired) + variableCount(network.wireless);
    qint64 textBytes = 0;
    for (const NodeRef &ref : nodes)
        for (const TVariabile &v : ref.node->Vars)
            textBytes += v.Len_VIF_ASCII;
    const qint64 variableTable = start + qint64(nodes.size()) * sizes.node;
    const qint64 textStart = variableTable + variables * sizes.variable;
    const qint64 registerTable = textStart + textBytes;
    // Checked before anything is written, so the message can give the full size.
    bank.ensureFits(registerTable + variables * sizes.registerEntry);

    const std::vector<Placement> placements = allocateDataArea(nodes, variant, sizes);

    qint64 variableAt = variableTable;
    qint64 textAt = textStart;
    for (const NodeRef &ref : nodes) {
        ref.node->Add = std::uint32_t(variableAt);
        variableAt += qint64(ref.node->Vars.size()) * sizes.variable;
        for (TVariabile &v : ref.node->Vars) {
            v.Address_VIF_ASCII = std::uint32_t(textAt);
            textAt += v.Len_VIF_ASCII;
        }
    }

    TableBounds bounds;
    bounds.nodeTable = std::uint32_t(start);
    bounds.wirelessNodes = std::uint32_t(start + qint64(network.wired.size()) * sizes.node);
    for (const NodeRef &ref : nodes)
        writeNodeEntry(bank, variant, sizes, ref);
    std::size_t index = 0;
    for (const NodeRef &ref : nodes)
        for (const TVariabile &v : ref.node->Vars)
            writeVariableEntry(bank, variant, sizes, v, placements[index++]);
    for (const NodeRef &ref : nodes)
        for (const TVariabile &v : ref.node->Vars)
            if (v.Len_VIF_ASCII > 0)
                bank.appendBytes(reversedUnitText(v.VIF_ASCII));

    // Register tables: the wired nodes' entries, then the wireless meters'.
    bounds.registerTable = std::uint32_t(bank.size());
    index = 0;
    for (const bool wirelessPart : {false, true}) {
        if (wirelessPart)
            bounds.wirelessRegisters = std::uint32_t(bank.size());
        for (const NodeRef &ref : nodes) {
            if (ref.wireless != wirelessPart)
                continue;
            const Quad address = nodeAddress(*ref.node, ref.wireless);
            for (const TVariabile &v : ref.node->Vars)
                writeRegisterEntry(bank, variant, sizes, v, placements[index++], address);
        }
    }
    bounds.end = std::uint32_t(bank.size());
    return bounds;
}

} // namespace compiler
