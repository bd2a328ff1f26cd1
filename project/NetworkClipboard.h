#pragma once
// Copy and paste of nodes and variables in the M-Bus network, without a
// window. A copy is taken whole when it is made, so a paste gives the values
// of that moment whatever happened to the network since. A paste goes
// through the paste dialog, which proposes the copy's addresses and
// registers; they are checked here, against the network and against one
// another, before anything is pasted.
#include "project/NetworkChecks.h"
#include "project/NetworkModel.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace project {

// ------------------------------------------------------------------- copy

// Copy Variable: stores the selected variable. The refusal to show when no
// variable is selected (texts 248, 247), none when copied.
std::optional<QString> copyVariable(std::optional<TVariabile> &clipboard, const TNodoList &nodes,
                                    NetworkSelection selection);

// Copy Node: stores the selected node (the node of the selected variable)
// with copies of all its variables. Refusal texts 249 (nothing selected)
// and 250 (no such node).
std::optional<QString> copyNode(std::optional<TNodo> &clipboard, const TNodoList &nodes, NetworkSelection selection,
                                int converterType);

// Paste Variable is refused before any copy (text 251) and while no node is
// selected to take the variable (text 255).
std::optional<QString> pasteVariableRefusal(const std::optional<TVariabile> &clipboard, const TNodoList &nodes,
                                            NetworkSelection selection);

// ------------------------------------------------------------------ paste

// What the paste dialog shows (its Form_Type).
inline constexpr int PasteWiredNode = 1;
inline constexpr int PasteVariable = 2;
inline constexpr int PasteWirelessNode = 3;

// The paste dialog's form for a copied node: a wireless node on the
// wireless types, a wired node otherwise.
int pasteFormTypeOf(const TNodo &copy, int converterType);

// The new registers of one pasted variable, as typed.
struct PastedRegisters {
    QString modbusRegister;
    QString scale;
    QString timePoint; // year register of a time point; 0 none

    bool operator==(const PastedRegisters &) const = default;
};

// What the user typed into the paste dialog.
struct PasteFields {
    bool secondary = false; // the wired node is addressed by its secondary address
    QString idPrimary = QStringLiteral("1");
    QString idSecondary = QStringLiteral("1");
    QString wAddress = QStringLiteral("1");
    QString nodeState = QStringLiteral("1");
    QString identNum = QStringLiteral("1");
    QString rssi = QStringLiteral("1");
    std::vector<PastedRegisters> variables; // one per pasted variable, in order

    bool operator==(const PasteFields &) const = default;
};

// The registers the dialog proposes for a copied variable: its own.
PastedRegisters proposedRegisters(const TVariabile &copy);

// Puts the copied node's addresses and node registers into the fields, as
// the paste dialog proposes them for that form; the fields a form does not
// show keep what they hold.
void proposeNodeFields(PasteFields &fields, const TNodo &copy, int formType);

// What a paste goes into.
struct PasteRequest {
    int converterType = 1;
    TNodoList network;   // the network as it is now
    TNodo node;          // node paste: the copy
    TVariabile variable; // variable paste: the copy
    int nodeIndex = -1;  // variable paste: the node that takes it
};

// Every message the paste dialog shows for the fields, in order; none when
// the paste may go ahead. A bad address or register ends the checks at once;
// an address or register already in use is reported and the checks go on,
// so that the user sees every clash of the paste.
QStringList pasteRefusals(int formType, const PasteFields &fields, const PasteRequest &request);

// The variable a paste appends: the copy with the new registers.
TVariabile pastedVariable(const TVariabile &copy, const PastedRegisters &registers);

// The node a paste appends: the copy with the new address and node
// registers, and its variables with their new registers.
TNodo pastedNode(const TNodo &copy, const PasteFields &fields, int formType);

} // namespace project
