#include "project/NetworkClipboard.h"

#include "app/ConverterType.h"
#include "app/Language.h"
#include "platform/IntText.h"

#include <algorithm>

namespace project {
namespace {

bool isNodeIndex(const TNodoList &nodes, int index) { return index >= 0 && index < int(nodes.size()); }

bool inRange(std::int64_t value, std::int64_t low, std::int64_t high) { return value >= low && value <= high; }

// Edits and cells as the dialog reads them: a text that is not a number is -1.
std::int32_t typedNumber(const QString &text) { return platform::parseInt32Or(text, -1); }

// The year register a pasted variable claims: the typed one while the
// variable publishes a time point on registers of its own, else none.
std::int32_t claimedTimePoint(const TVariabile &pasted, bool nodeByPosition)
{
    if (pasted.TP_Mod_Year <= 0)
        return 0;
    return fieldsClaimTimePoint(variableFieldsOf(pasted), nodeByPosition) ? pasted.TP_Mod_Year : 0;
}

// What the variable page refuses in a variable's own registers (value and
// scale overlapping, either inside its time point). Only the registers are
// the user's here: the other values come from the copy as they are and
// cannot be changed in the paste dialog, so they are let through.
std::optional<QString> ownRegisterRefusal(const TVariabile &pasted, std::int32_t timePoint, bool nodeByPosition)
{
    VariableFields fields = variableFieldsOf(pasted);
    fields.storageNumber = QStringLiteral("0");
    fields.tariff = QStringLiteral("0");
    fields.position = QStringLiteral("1");
    fields.length = QString::number(std::clamp(pasted.Length, 0, 191));
    fields.timePointRegisters = timePoint > 0;
    fields.timePointYear = QString::number(timePoint);
    return variableFieldRefusal(fields, TNodoList{}, nodeByPosition);
}

// The node page's checks of the node registers the paste dialog edits:
// each in its range and no two of them the same. A wireless copy's
// identification and key, which the dialog does not edit, must still fit
// the fields the compiler writes them into (a file may hold anything).
std::optional<QString> nodeRegisterRefusal(const PasteFields &fields, const TNodo &copy, int formType,
                                           int converterType)
{
    NodeFields node;
    node.manufacturerSpecific = QStringLiteral("0");
    node.accessNumber = QStringLiteral("0");
    if (formType == PasteWirelessNode) {
        node.mbusType = WirelessNodeType;
        node.wManId = copy.wMBus_ManID;
        node.wVersion = copy.wMBus_Ver;
        node.wDevType = copy.wMBus_DevType;
        node.wAddress = fields.wAddress;
        node.wKeyEnable = copy.wMBus_En_Key == 1;
        node.wKey = copy.wMBus_Key;
        node.wNodeState = fields.nodeState;
        node.wIdentNum = fields.identNum;
        node.wRssi = fields.rssi;
        node.wAccessNumber = QStringLiteral("0");
    } else {
        node.mbusType = 1; // "M-Bus on wires"
        node.secondary = fields.secondary;
        node.idPrimary = fields.idPrimary;
        node.idSecondary = fields.idSecondary;
        node.nodeState = fields.nodeState;
        node.identNum = fields.identNum;
    }
    // An empty network: the address was checked against the real one before.
    NodeCheckContext context;
    context.converterType = converterType;
    const QStringList refusals = nodeFieldRefusals(node, TNodoList{}, context);
    if (refusals.isEmpty())
        return std::nullopt;
    return refusals.first();
}

} // namespace

std::optional<QString> copyVariable(std::optional<TVariabile> &clipboard, const TNodoList &nodes,
                                    NetworkSelection selection)
{
    if (!isNodeIndex(nodes, selection.node))
        return app::text(248);
    const auto &variables = nodes[std::size_t(selection.node)].Var_List;
    if (selection.variable < 0 || selection.variable >= int(variables.size()))
        return app::text(247);
    clipboard = variables[std::size_t(selection.variable)];
    return std::nullopt;
}

std::optional<QString> copyNode(std::optional<TNodo> &clipboard, const TNodoList &nodes, NetworkSelection selection,
                                int converterType)
{
    if (selection.node < 0)
        return app::text(249);
    if (selection.node >= int(nodes.size()))
        return app::text(250);
    clipboard = clipboardCopyOf(nodes[std::size_t(selection.node)], converterType);
    return std::nullopt;
}

std::optional<QString> pasteVariableRefusal(const std::optional<TVariabile> &clipboard, const TNodoList &nodes,
                                            NetworkSelection selection)
{
    if (!clipboard)
        return app::text(251);
    if (!isNodeIndex(nodes, selection.node))
        return app::text(255);
    return std::nullopt;
}

int pasteFormTypeOf(const TNodo &copy, int converterType)
{
    return app::isWirelessType(converterType) && copy.MBus_Type != 1 ? PasteWirelessNode : PasteWiredNode;
}

PastedRegisters proposedRegisters(const TVariabile &copy)
{
    return {QString::number(copy.Modbus_Register), QString::number(copy.Modbus_Scale),
            QString::number(copy.TP_Mod_Year)};
}

void proposeNodeFields(PasteFields &fields, const TNodo &copy, int formType)
{
    if (formType == PasteWiredNode) {
        fields.secondary = copy.Node_ID_Type == 1;
        fields.idPrimary = QString::number(copy.Node_Pri);
        fields.idSecondary = QString::number(copy.Node_Sec);
    } else if (formType == PasteWirelessNode) {
        fields.wAddress = copy.wMBus_Add;
        fields.rssi = QString::number(copy.RSSI);
    } else {
        return;
    }
    fields.nodeState = QString::number(copy.Node_State);
    fields.identNum = QString::number(copy.Ident_Num);
    fields.variables.clear();
    for (const TVariabile &variable : copy.Var_List)
        fields.variables.push_back(proposedRegisters(variable));
}

QStringList pasteRefusals(int formType, const PasteFields &fields, const PasteRequest &request)
{
    QStringList messages;
    const bool nodePaste = formType == PasteWiredNode || formType == PasteWirelessNode;

    if (formType == PasteWiredNode) {
        const int kind = fields.secondary ? 1 : 0;
        const std::int32_t id = typedNumber(fields.secondary ? fields.idSecondary : fields.idPrimary);
        if (kind == 0 && !inRange(id, 0, 255))
            return {app::text(268)};
        if (kind == 1 && !inRange(id, 0, 99999999))
            return {app::text(269)};
        if (auto inUse = Check_Node_ID2(request.network, id, kind, request.converterType))
            messages << *inUse;
    } else if (formType == PasteWirelessNode) {
        if (!inRange(platform::parseInt64Or(fields.wAddress, -1), 0, 0xFFFFFFFFLL))
            return messages << app::text(343);
    }
    if (nodePaste) {
        if (auto refusal = nodeRegisterRefusal(fields, request.node, formType, request.converterType))
            return messages << *refusal;
        const NodeRegisters registers{typedNumber(fields.nodeState), typedNumber(fields.identNum),
                                      formType == PasteWirelessNode ? typedNumber(fields.rssi) : 0};
        if (auto clash = Check_Node_Registers(request.network, registers))
            messages << *clash;
    }

    // Each pasted variable is checked against the network and, for a node,
    // against the new node and the variables pasted before it.
    TNodoList network = request.network;
    int target = request.nodeIndex;
    if (nodePaste) {
        TNodo node = pastedNode(request.node, PasteFields{fields.secondary, fields.idPrimary, fields.idSecondary,
                                                          fields.wAddress, fields.nodeState, fields.identNum,
                                                          fields.rssi, {}},
                                formType);
        node.Var_List.clear();
        network.push_back(std::move(node));
        target = int(network.size()) - 1;
    }
    const bool nodeByPosition = isNodeIndex(network, target) && network[std::size_t(target)].Var_List_Type == ByPositionVarList;
    for (std::size_t k = 0; k < fields.variables.size(); ++k) {
        const PastedRegisters &typed = fields.variables[k];
        if (!inRange(typedNumber(typed.modbusRegister), 1, 59999))
            return messages << app::text(270);
        if (!inRange(typedNumber(typed.scale), 0, 59999))
            return messages << app::text(271);
        if (!inRange(typedNumber(typed.timePoint), 0, 59995))
            return messages << app::text(272);

        const TVariabile *copy = nodePaste ? (k < request.node.Var_List.size() ? &request.node.Var_List[k] : nullptr)
                                           : &request.variable;
        const TVariabile pasted = pastedVariable(copy ? *copy : TVariabile{}, typed);
        const std::int32_t timePoint = claimedTimePoint(pasted, nodeByPosition);
        if (auto refusal = ownRegisterRefusal(pasted, timePoint, nodeByPosition))
            return messages << *refusal;
        if (auto clash = Check_Registers(network, registerClaimOf(pasted, timePoint)))
            messages << *clash;
        if (nodePaste)
            network[std::size_t(target)].Var_List.push_back(pasted);
    }
    return messages;
}

TVariabile pastedVariable(const TVariabile &copy, const PastedRegisters &registers)
{
    TVariabile pasted = copy;
    pasted.Modbus_Register = platform::parseInt32Or(registers.modbusRegister, copy.Modbus_Register);
    pasted.Modbus_Scale = platform::parseInt32Or(registers.scale, copy.Modbus_Scale);
    pasted.TP_Mod_Year = platform::parseInt32Or(registers.timePoint, copy.TP_Mod_Year);
    // A time point register of 0 means the variable publishes no time point.
    if (pasted.TP_Mod_Year == 0)
        pasted.TP_Mod_Regs = false;
    return pasted;
}

TNodo pastedNode(const TNodo &copy, const PasteFields &fields, int formType)
{
    TNodo node = copy;
    // What the dialog did not check keeps the copy's value.
    if (formType == PasteWiredNode) {
        node.Node_ID_Type = fields.secondary ? 1 : 0;
        node.Node_Pri = platform::parseInt32Or(fields.idPrimary, copy.Node_Pri);
        node.Node_Sec = platform::parseInt32Or(fields.idSecondary, copy.Node_Sec);
    } else if (formType == PasteWirelessNode) {
        node.wMBus_Add = fields.wAddress;
        node.RSSI = platform::parseInt32Or(fields.rssi, copy.RSSI);
    }
    node.Node_State = platform::parseInt32Or(fields.nodeState, copy.Node_State);
    node.Ident_Num = platform::parseInt32Or(fields.identNum, copy.Ident_Num);
    for (std::size_t k = 0; k < node.Var_List.size() && k < fields.variables.size(); ++k)
        node.Var_List[k] = pastedVariable(copy.Var_List[k], fields.variables[k]);
    return node;
}

} // namespace project
