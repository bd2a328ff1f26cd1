#pragma once
// The node and variable fields of the M-Bus network dialog as the user sees
// them: edits as typed, pick lists as indexes, check boxes as flags. Moving a
// node or a variable into the fields and back is done here, without a window,
// so that the conversions are tested on their own.
#include "project/NetworkModel.h"

#include <QString>
#include <array>

namespace project {

// Positions in the pick lists that change what the page offers.
inline constexpr int TimePointTypeOfData = 20;    // "Time Point"
inline constexpr int VifInAsciiTypeOfData = 21;   // "VIF is in ASCII"
inline constexpr int VariableLengthDimension = 7; // "Variable Length"
inline constexpr int WirelessNodeType = 0;        // "wM-Bus" in the M-Bus type list
inline constexpr int ByPositionVarList = 1;       // "By Position"

struct NodeFields {
    bool enable = false;
    QString description;
    int mbusType = 0; // wireless types: 0 wireless node, 1 wired node
    bool secondary = false; // addressed by the secondary address
    QString idPrimary = QStringLiteral("1");
    QString idSecondary = QStringLiteral("1");
    QString nodeState = QStringLiteral("1");
    QString identNum = QStringLiteral("1");
    bool bcdToIntIdent = false;
    int swapIdent = 0;
    bool sendSndNke = false;
    bool resetApp = false;
    int varListType = 0;
    int cutAfter = 0; // frames minus one
    QString manufacturerSpecific = QStringLiteral("1");
    QString msdLength = QStringLiteral("1");
    QString msdOffset = QStringLiteral("1");
    QString accessNumber = QStringLiteral("1");

    // The wireless panel (types 6, 7, 1007).
    QString wManId;
    QString wAddress;
    QString wVersion;
    QString wDevType;
    bool wKeyEnable = false;
    std::array<QString, 16> wKey = {QString(), QString(), QStringLiteral("255")};
    QString wNodeState;
    QString wIdentNum;
    QString wRssi;
    QString wAccessNumber;
    bool wBcdToIntIdent = false;
    int wSwapIdent = 0;
    int wVarListType = 0;

    bool operator==(const NodeFields &) const = default;
};

// True when the fields describe a wireless node (wireless types, "wM-Bus").
bool isWirelessNodeFields(const NodeFields &fields, int converterType);

// Shows a node in the fields. The wireless panel is filled only on the
// wireless types; otherwise it keeps what it holds.
void showNodeInFields(NodeFields &fields, const TNodo &node, int converterType);

// Stores the fields into a node (its variables are kept). Edits that the
// validation did not check and that are not numbers store 0; values wider
// than a field keep their low bits.
void storeFieldsInNode(TNodo &node, const NodeFields &fields, int converterType);

struct VariableFields {
    bool enable = true;
    QString description;
    int typeOfData = 0;
    QString vifAscii;
    int functionField = 0;
    int dimension = 0;
    QString length = QStringLiteral("0");
    int unit = 0;
    QString modbusRegister;
    QString modbusScale;
    QString storageNumber = QStringLiteral("0");
    QString tariff = QStringLiteral("0");
    int vife = 0;
    bool timePointRegisters = false; // "Use Six Modbus Register"
    QString timePointYear = QStringLiteral("1");
    bool bcdToInt = false;
    bool convFloat = false;
    bool forceInt32 = false;
    QString position = QStringLiteral("1");
    int postOperation = 0;

    bool operator==(const VariableFields &) const = default;
};

// The fields a selected node shows for a new variable.
inline VariableFields defaultVariableFields() { return {}; }

VariableFields variableFieldsOf(const TVariabile &variable);

// Stores the fields into a variable. Edits that the validation did not
// check and that are not numbers store 0.
void storeFieldsInVariable(TVariabile &variable, const VariableFields &fields);

} // namespace project
