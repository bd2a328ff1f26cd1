#include "project/NetworkChecks.h"

#include "app/ConverterType.h"
#include "app/Language.h"
#include "platform/IntText.h"
#include "platform/QuotedValue.h"

#include <algorithm>

namespace project {
namespace {

using app::text;

constexpr std::int32_t MaxRegister = 59999;
constexpr std::int32_t MaxTimePointYear = MaxRegister - (TimePointRegisterCount - 1);

// Edits as the checks read them: a text that is not a number is -1, which
// every range refuses.
std::int32_t typed(const QString &text) { return platform::parseInt32Or(text, -1); }
std::int64_t typed64(const QString &text) { return platform::parseInt64Or(text, -1); }

bool inRange(std::int64_t value, std::int64_t low, std::int64_t high) { return value >= low && value <= high; }

// Two node registers clash when both are in use and equal.
bool clash(std::int32_t a, std::int32_t b) { return a > 0 && b > 0 && a == b; }

// Consecutive registers; empty when count is 0.
struct Span {
    std::int64_t first = 0;
    std::int64_t count = 0;

    static Span of(std::int64_t first, std::int64_t count) { return {first, count}; }
    // One register, in use only above 0.
    static Span single(std::int32_t reg) { return reg > 0 ? Span{reg, 1} : Span{}; }
    bool empty() const { return count <= 0; }
    std::int64_t last() const { return first + count - 1; }
    bool overlaps(const Span &other) const
    {
        return !empty() && !other.empty() && first <= other.last() && other.first <= last();
    }
};

Span valueSpan(std::int32_t reg, int count) { return reg > 0 ? Span::of(reg, std::max(count, 1)) : Span{}; }
Span timePointSpan(std::int32_t year) { return year > 0 ? Span::of(year, TimePointRegisterCount) : Span{}; }

// The registers a variable already in the network takes. A variable with
// six time-point registers takes them from its year register as it stands.
struct TakenRegisters {
    Span value;
    Span scale;
    Span timePoint;
};

TakenRegisters takenBy(const TVariabile &variable)
{
    TakenRegisters taken;
    taken.value = valueSpan(variable.Modbus_Register, valueRegisterCount(variable));
    taken.scale = Span::single(variable.Modbus_Scale);
    if (variable.TP_Mod_Regs)
        taken.timePoint = Span::of(variable.TP_Mod_Year, TimePointRegisterCount);
    return taken;
}

QString nodeMessage(int first, const TNodo &node, int second)
{
    return text(first) + platform::quotedValue(node.Description) + text(second);
}

QString variableMessage(int first, const TNodo &node, const TVariabile &variable)
{
    return text(first) + platform::quotedValue(node.Description) + text(first + 1)
           + platform::quotedValue(variable.Description) + text(first + 2);
}

std::optional<QString> nodeRegisterClash(const TNodo &node, const Span &value, const Span &scale,
                                         const Span &timePoint)
{
    const Span state = Span::single(node.Node_State);
    const Span ident = Span::single(node.Ident_Num);
    const Span rssi = node.MBus_Type == WirelessNodeType ? Span::single(node.RSSI) : Span{};
    struct Check {
        const Span &mine;
        const Span &theirs;
        int first;
        int second;
    };
    const Check checks[] = {
        {value, state, 177, 178},     {value, ident, 179, 180},     {value, rssi, 370, 371},
        {scale, state, 181, 182},     {scale, ident, 183, 184},     {scale, rssi, 372, 373},
        {timePoint, state, 185, 186}, {timePoint, ident, 187, 188}, {timePoint, rssi, 374, 375},
    };
    for (const Check &check : checks)
        if (check.mine.overlaps(check.theirs))
            return nodeMessage(check.first, node, check.second);
    return std::nullopt;
}

std::optional<QString> variableRegisterClash(const TNodo &node, const TVariabile &variable, const Span &value,
                                             const Span &scale, const Span &timePoint)
{
    const TakenRegisters taken = takenBy(variable);
    struct Check {
        const Span &mine;
        const Span &theirs;
        int first; // then first + 1 and first + 2
    };
    const Check checks[] = {
        {value, taken.value, 189},     {value, taken.scale, 192},     {value, taken.timePoint, 195},
        {scale, taken.value, 198},     {scale, taken.scale, 201},     {scale, taken.timePoint, 204},
        {timePoint, taken.value, 207}, {timePoint, taken.scale, 210}, {timePoint, taken.timePoint, 213},
    };
    for (const Check &check : checks)
        if (check.mine.overlaps(check.theirs))
            return variableMessage(check.first, node, variable);
    return std::nullopt;
}

bool isWirelessNode(const TNodo &node, int converterType)
{
    return app::isWirelessType(converterType) && node.MBus_Type == WirelessNodeType;
}

bool addressMatches(const TNodo &node, std::int32_t ID, int type_ID)
{
    if (node.Node_ID_Type != type_ID)
        return false;
    return (type_ID == 0 ? node.Node_Pri : node.Node_Sec) == ID;
}

// The first clash of the spans with the enabled nodes' registers and their
// enabled variables, in network order. ownNode's registers are passed over
// (the node whose registers are claimed), never its variables.
std::optional<QString> firstRegisterClash(const TNodoList &nodes, const Span &value, const Span &scale,
                                          const Span &timePoint, NetworkSelection excluded, int ownNode)
{
    for (int i = 0; i < int(nodes.size()); ++i) {
        const TNodo &node = nodes[size_t(i)];
        if (node.Enable != 1)
            continue;
        if (i != ownNode)
            if (auto message = nodeRegisterClash(node, value, scale, timePoint))
                return message;
        for (int j = 0; j < int(node.Var_List.size()); ++j) {
            const TVariabile &variable = node.Var_List[size_t(j)];
            if (!variable.Enable || (excluded.node == i && excluded.variable == j))
                continue;
            if (auto message = variableRegisterClash(node, variable, value, scale, timePoint))
                return message;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> Check_Node_ID(const TNodoList &nodes, std::int32_t ID, int type_ID,
                                     const NodeCheckContext &context)
{
    for (int i = 0; i < int(nodes.size()); ++i) {
        const TNodo &node = nodes[size_t(i)];
        if (context.modifiedNode == i || isWirelessNode(node, context.converterType))
            continue;
        if (addressMatches(node, ID, type_ID))
            return text(i == context.selectedNode ? 241 : 242);
    }
    return std::nullopt;
}

std::optional<QString> Check_Node_ID2(const TNodoList &nodes, std::int32_t ID, int type_ID, int converterType)
{
    for (const TNodo &node : nodes)
        if (!isWirelessNode(node, converterType) && addressMatches(node, ID, type_ID))
            return text(240);
    return std::nullopt;
}

int valueRegisterCount(const TVariabile &variable)
{
    int count = 1;
    if (variable.Conv_Float || variable.Force_Int32)
        count = 2;
    else if (variable.Dimension == 2 || variable.Dimension == 4 || variable.Dimension == 6)
        count = 2; // 32 bits, 24 bits, 32-bit real
    else if (variable.Dimension == 3)
        count = 4; // 64 bits
    else if (variable.Dimension == 5)
        count = 3; // 48 bits
    else if (variable.Dimension == VariableLengthDimension)
        count = variable.Length > 0 ? int((std::int64_t(variable.Length) + 1) / 2) : 1;
    return std::max(count, 1);
}

RegisterClaim registerClaimOf(const TVariabile &variable, std::int32_t timePoint)
{
    RegisterClaim claim;
    claim.modbusRegister = variable.Modbus_Register;
    claim.valueRegisters = valueRegisterCount(variable);
    claim.scale = variable.Modbus_Scale;
    claim.timePoint = timePoint;
    return claim;
}

std::optional<QString> Check_Registers(const TNodoList &nodes, const RegisterClaim &claim, NetworkSelection excluded)
{
    return firstRegisterClash(nodes, valueSpan(claim.modbusRegister, claim.valueRegisters), Span::single(claim.scale),
                              timePointSpan(claim.timePoint), excluded, -1);
}

std::optional<QString> Check_Node_Registers(const TNodoList &nodes, const NodeRegisters &registers,
                                            std::optional<int> ownNode)
{
    // Each of the node's registers is one Modbus register that nothing else may publish into.
    for (const std::int32_t reg : {registers.nodeState, registers.identNum, registers.rssi})
        if (auto message = firstRegisterClash(nodes, Span::single(reg), {}, {}, {}, ownNode.value_or(-1)))
            return message;
    return std::nullopt;
}

QStringList nodeFieldRefusals(const NodeFields &fields, const TNodoList &nodes, const NodeCheckContext &context)
{
    QStringList refusals;
    auto refuse = [&](int index) {
        refusals << text(index);
        return refusals;
    };

    std::int32_t nodeState = 0;
    std::int32_t ident = 0;
    std::int32_t rssi = 0;
    if (isWirelessNodeFields(fields, context.converterType)) {
        if (!inRange(typed(fields.wManId), 0, 0xFFFF))
            return refuse(322);
        if (!inRange(typed64(fields.wAddress), 0, 0xFFFFFFFFLL))
            return refuse(323);
        if (!inRange(typed(fields.wVersion), 0, 255))
            return refuse(324);
        if (!inRange(typed(fields.wDevType), 0, 255))
            return refuse(325);
        if (fields.wKeyEnable)
            for (int byte = 0; byte < int(fields.wKey.size()); ++byte)
                if (!inRange(typed(fields.wKey[size_t(byte)]), 0, 255))
                    return refuse(326 + byte);
        nodeState = typed(fields.wNodeState);
        if (!inRange(nodeState, 0, MaxRegister))
            return refuse(231);
        ident = typed(fields.wIdentNum);
        if (!inRange(ident, 0, MaxRegister))
            return refuse(232);
        rssi = typed(fields.wRssi);
        if (!inRange(rssi, 0, MaxRegister))
            return refuse(367);
        const std::int32_t access = typed(fields.wAccessNumber);
        if (!inRange(access, 0, MaxRegister))
            return refuse(380);
        if (clash(ident, nodeState))
            return refuse(233);
        if (clash(ident, rssi))
            return refuse(368);
        if (clash(ident, access))
            return refuse(381);
        if (clash(nodeState, rssi))
            return refuse(369);
        if (clash(nodeState, access))
            return refuse(382);
        if (clash(rssi, access))
            return refuse(383);
    } else {
        const int type_ID = fields.secondary ? 1 : 0;
        const std::int32_t address = typed(fields.secondary ? fields.idSecondary : fields.idPrimary);
        if (!fields.secondary && !inRange(address, 0, 255))
            return refuse(229);
        if (fields.secondary && !inRange(address, 0, 99999999))
            return refuse(230);
        // An address in use is told, and the other fields are still checked.
        if (auto inUse = Check_Node_ID(nodes, address, type_ID, context))
            refusals << *inUse;
        nodeState = typed(fields.nodeState);
        if (!inRange(nodeState, 0, MaxRegister))
            return refuse(231);
        ident = typed(fields.identNum);
        if (!inRange(ident, 0, MaxRegister))
            return refuse(232);
        if (clash(ident, nodeState))
            return refuse(233);
    }

    std::int32_t manufacturer = 0;
    if (context.manufacturerSpecificShown) {
        manufacturer = typed(fields.manufacturerSpecific);
        if (!inRange(manufacturer, 0, MaxRegister))
            return refuse(234);
        if (clash(manufacturer, ident))
            return refuse(235);
        if (clash(manufacturer, nodeState))
            return refuse(236);
        if (manufacturer > 0) {
            const std::int32_t length = typed(fields.msdLength);
            if (!inRange(length, 1, 241))
                return refuse(237);
            const std::int32_t offset = typed(fields.msdOffset);
            if (!inRange(offset, 0, 240))
                return refuse(238);
            if (length + offset > 241)
                return refuse(239);
        }
    }
    if (context.accessNumberShown) {
        const std::int32_t access = typed(fields.accessNumber);
        if (!inRange(access, 0, MaxRegister))
            return refuse(384);
        if (clash(access, ident))
            return refuse(385);
        if (clash(access, nodeState))
            return refuse(386);
        if (clash(access, manufacturer))
            return refuse(387);
    }
    if (auto clash = Check_Node_Registers(nodes, {nodeState, ident, rssi}, context.modifiedNode))
        refusals << *clash;
    return refusals;
}

bool fieldsClaimTimePoint(const VariableFields &fields, bool nodeByPosition)
{
    return fields.timePointRegisters && (fields.typeOfData == TimePointTypeOfData || nodeByPosition);
}

std::optional<QString> variableFieldRefusal(const VariableFields &fields, const TNodoList &nodes,
                                            bool nodeByPosition, NetworkSelection excluded)
{
    const std::int32_t reg = typed(fields.modbusRegister);
    if (!inRange(reg, 1, MaxRegister))
        return text(219);
    const std::int32_t scale = typed(fields.modbusScale);
    if (!inRange(scale, 0, MaxRegister))
        return text(220);

    TVariabile candidate;
    storeFieldsInVariable(candidate, fields);
    const Span value = valueSpan(reg, valueRegisterCount(candidate));
    const Span scaleSpan = Span::single(scale);
    if (value.overlaps(scaleSpan))
        return text(221);
    if (!inRange(typed64(fields.storageNumber), 0, 0xFFFFFFFFLL))
        return text(222);
    if (!inRange(typed64(fields.tariff), 0, 0xFFFFF))
        return text(223);
    if (fields.dimension == VariableLengthDimension && !inRange(typed(fields.length), 0, 191))
        return text(224);

    std::int32_t timePoint = 0;
    if (fieldsClaimTimePoint(fields, nodeByPosition)) {
        timePoint = typed(fields.timePointYear);
        if (!inRange(timePoint, 1, MaxTimePointYear))
            return text(225);
    }
    const Span timePointRegisters = timePointSpan(timePoint);
    if (value.overlaps(timePointRegisters))
        return text(226);
    if (scaleSpan.overlaps(timePointRegisters))
        return text(227);
    if (!inRange(typed(fields.position), 1, 512))
        return text(228);

    RegisterClaim claim = registerClaimOf(candidate, timePoint);
    claim.modbusRegister = reg;
    claim.scale = scale;
    return Check_Registers(nodes, claim, excluded);
}

} // namespace project
