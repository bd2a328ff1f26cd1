#pragma once
// Where the general parameters dialog puts things for a converter type:
// which of its six groups show, top to bottom, which rows each group shows
// and at what height, how tall a group is expanded or collapsed, where OK
// and Cancel go and how large the window's client area is. Pure
// arithmetic, so every type's layout is checked without a window.
#include <QRect>
#include <QSize>
#include <array>
#include <vector>

namespace project {

enum class ParGenGroup {
    SelectDevice,      // the board variant
    ModbusTcpSlave,    // the converter's address ("Ethernet" for some types)
    MBus,              // the wired M-Bus master
    ModbusSlave,       // the serial Modbus slave
    WMBus,             // the wireless receiver
    SelDevWirePresent, // whether meters are also wired
};
inline constexpr int ParGenGroupCount = 6;
inline constexpr std::array<ParGenGroup, ParGenGroupCount> AllParGenGroups = {
    ParGenGroup::SelectDevice, ParGenGroup::ModbusTcpSlave, ParGenGroup::MBus,
    ParGenGroup::ModbusSlave,  ParGenGroup::WMBus,          ParGenGroup::SelDevWirePresent};

// One line of a group: a label with its field, or a label, a check box or a
// line of address edits on its own.
enum class ParGenRow {
    BoardVariant,
    IpLabel,
    IpEdits,
    SubnetLabel,
    SubnetEdits,
    GatewayCheck,
    GatewayEdits,
    Port,
    ConnectionTimeOut,
    MBusSerial,
    MBusBaud,
    MBusParity,
    MBusPolls,
    MBusDelay,
    NodeState, // a label of two lines with its edit beside the second
    FixCField, // check box with its value list on the same line
    ExceptionUntilFirstRead,
    FloatOption, // a label line with its pick list under it
    SlaveSerial,
    SlaveBaud,
    SlaveParity,
    SlaveStopBits,
    SlaveId,
    SlaveProtocol,
    WMBusMode,
    WMBusChannel,
    WiredMBusPresent,
};

ParGenGroup groupOfRow(ParGenRow row);

// Vertical metrics of the rows, relative to the group's top. A row's
// position is the top of its (first) label line; a field beside a label
// stands 3 above it.
inline constexpr int FirstRowTop = 24;
inline constexpr int RowPitch = 34;
inline constexpr int FieldHeight = 21;
inline constexpr int FieldRaise = 3;
inline constexpr int CheckBoxHeight = 17;
inline constexpr int CheckBoxRaise = 2;
inline constexpr int LabelHeight = 13;
inline constexpr int NodeStateSecondLine = 19; // second label line below the first
inline constexpr int NodeStateEditDrop = 16;   // the edit's top below the first line
inline constexpr int FloatListDrop = 18;       // the pick list's top below its label

// Lowest pixel the row covers, for a row placed at top.
int rowBottom(ParGenRow row, int top);
// Where the row after it starts.
int nextRowTop(ParGenRow row, int top);

// Window metrics.
inline constexpr int GroupLeft = 8;
inline constexpr int GroupWidth = 296;
inline constexpr int FirstGroupTop = 70;
inline constexpr int GroupGap = 6;
inline constexpr int CollapsedHeight = 26;
inline constexpr int GroupBottomMargin = 15;
inline constexpr int SelectGroupHeight = 58; // the two Select Device groups, expanded
inline constexpr QRect CollapseButtonRect{280, 10, 11, 11};
inline constexpr int ButtonsBelowGroups = 13;
inline constexpr QSize DialogButtonSize{112, 28};
inline constexpr int OkButtonLeft = 71;
inline constexpr int CancelButtonLeft = 192;
inline constexpr int ClientWidth = 312;
inline constexpr int ClientBelowGroups = 54;

// The user's choices the layout depends on.
struct ParGenLayoutChoices {
    int boardVariant = 0;          // item of the board list; 1 is the board with Ethernet
    bool wiredMBusPresent = false; // "Present" chosen for M-Bus on Wire
    std::array<bool, ParGenGroupCount> expanded{true, true, true, true, true, true};

    bool isExpanded(ParGenGroup group) const { return expanded[static_cast<int>(group)]; }
    void setExpanded(ParGenGroup group, bool on) { expanded[static_cast<int>(group)] = on; }
};

struct PlacedRow {
    ParGenRow row;
    int top; // relative to the group
    bool operator==(const PlacedRow &) const = default;
};

struct PlacedGroup {
    ParGenGroup group;
    QRect rect; // in the client area
    bool expanded;
    std::vector<PlacedRow> rows; // empty while collapsed: only the title line shows
};

struct ParGenDialogLayout {
    std::vector<PlacedGroup> groups; // the visible groups, top to bottom
    QRect okButton;
    QRect cancelButton;
    QSize client;

    // The placed group, or null when it is hidden.
    const PlacedGroup *find(ParGenGroup group) const;
};

// The groups the type shows, top to bottom.
std::vector<ParGenGroup> parGenGroups(int type, const ParGenLayoutChoices &choices);
// The rows a group shows for the type while it is expanded, top to bottom.
std::vector<ParGenRow> parGenGroupRows(int type, ParGenGroup group, const ParGenLayoutChoices &choices);

// The whole window for the type. A type the dialog does not know shows no
// group.
ParGenDialogLayout layoutParGenDialog(int type, const ParGenLayoutChoices &choices);

// Title of the address group: text 95 " Modbus TCP Slave ", or " Ethernet "
// (text 354 for types 2 and 3, text 273 for type 6).
int addressGroupTitleText(int type);

// Types 6, 7 and 1007 poll wired meters cyclically only: the polling list
// shows "Cyclic" and cannot be changed.
bool pollsFixedCyclic(int type);

} // namespace project
