#pragma once
// The rules of the M-Bus network editor, without a window: the address
// checks of a node, the validation of the node and variable fields as typed,
// and the Modbus register clash check against the rest of the network.
// Every check returns the message to show (from the language table), or
// nothing when it passes; the dialog shows the messages in an error box.
#include "project/NetworkDialogFields.h"
#include "project/NetworkModel.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace project {

// The dialog's selection: index of the node, and of the variable in it
// (-1 for none).
struct NetworkSelection {
    int node = -1;
    int variable = -1;

    bool hasNode() const { return node >= 0; }
    bool hasVariable() const { return node >= 0 && variable >= 0; }
};

// ---------------------------------------------------------------- addresses

// What decides which node fields are checked and against what.
struct NodeCheckContext {
    int converterType = 0;
    bool manufacturerSpecificShown = false; // the MSD rows are on the page
    bool accessNumberShown = false;         // the Nodes page's own access number row
    int selectedNode = -1;                  // IND_NODO
    std::optional<int> modifiedNode;        // node being modified, none when adding
};

// A new or modified wired node's address (type_ID 0 primary, 1 secondary)
// against the network. The node being modified is passed over. On the
// wireless types, wireless nodes have no M-Bus address and are passed over.
// Texts 241 (the selected node) and 242 (any other), both "Error!! ID Node
// is already used".
std::optional<QString> Check_Node_ID(const TNodoList &nodes, std::int32_t ID, int type_ID,
                                     const NodeCheckContext &context);

// The same for a pasted node: every wired node compared; text 240.
std::optional<QString> Check_Node_ID2(const TNodoList &nodes, std::int32_t ID, int type_ID, int converterType);

// ---------------------------------------------------------------- registers

// How many consecutive Modbus registers a variable's value takes from its
// Modbus register, as the converter publishes it: two for a float or a
// forced 32-bit integer and for 24- and 32-bit values, three for 48 bits,
// four for 64 bits, half the length (rounded up) for variable length, one
// otherwise. Never less than one: the register itself is always taken.
int valueRegisterCount(const TVariabile &variable);

// A time point takes six registers from its year register.
inline constexpr int TimePointRegisterCount = 6;

// The registers a new or modified variable wants.
struct RegisterClaim {
    std::int32_t modbusRegister = 0; // value register, first of valueRegisters
    int valueRegisters = 1;
    std::int32_t scale = 0;          // 0: none
    std::int32_t timePoint = 0;      // year register of a time point, 0: none
};

// What a variable claims: its registers, with timePoint given by the caller
// (0 when it publishes no time point).
RegisterClaim registerClaimOf(const TVariabile &variable, std::int32_t timePoint);

// The first clash of claim with the registers of the enabled nodes and their
// enabled variables, in network order (a node's own registers first, then
// its variables), as the message to show. excluded is the variable being
// modified (passed over), or none for a new variable.
std::optional<QString> Check_Registers(const TNodoList &nodes, const RegisterClaim &claim,
                                       NetworkSelection excluded = {});

// The registers a node publishes of its own (0: none). The RSSI register
// is a wireless node's only.
struct NodeRegisters {
    std::int32_t nodeState = 0;
    std::int32_t identNum = 0;
    std::int32_t rssi = 0;
};

// A new or modified node's registers against the rest of the network, each
// as a one-register claim of Check_Registers: the enabled nodes' registers
// and their enabled variables. ownNode is the node being modified: its
// registers are passed over, its variables are not. The first clash as the
// message to show, or none.
std::optional<QString> Check_Node_Registers(const TNodoList &nodes, const NodeRegisters &registers,
                                            std::optional<int> ownNode = std::nullopt);

// ---------------------------------------------------------------- validation

// Validation of the node fields in the order the user is told: each refusal
// in turn; the address-in-use message does not end the checks, every other
// refusal does. The node's registers that pass come last, against the rest
// of the network. Empty: the node may be stored.
QStringList nodeFieldRefusals(const NodeFields &fields, const TNodoList &nodes, const NodeCheckContext &context);

// The time point register a variable's fields claim: the year register when
// the variable publishes a time point on its own registers (six registers
// ticked, and "Time Point" chosen or the node read by position), else 0.
bool fieldsClaimTimePoint(const VariableFields &fields, bool nodeByPosition);

// Validation of the variable fields, then the clash check (excluded is the
// variable being modified, none for a new one). The first refusal, or none.
std::optional<QString> variableFieldRefusal(const VariableFields &fields, const TNodoList &nodes,
                                            bool nodeByPosition, NetworkSelection excluded = {});

} // namespace project
