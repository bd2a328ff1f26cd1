#include "project/ParGenLayout.h"

#include "project/ParGenElements.h"

namespace project {
namespace {

using G = ParGenGroup;
using R = ParGenRow;

bool isLyxa(int type) { return type == 1 || type == 1001; }
bool isKvoz(int type) { return type == 2 || type == 3; }
bool isRhuv(int type) { return type == 7 || type == 1007; }

const std::vector<R> addressRows = {R::IpLabel,     R::IpEdits,      R::SubnetLabel,
                                    R::SubnetEdits, R::GatewayCheck, R::GatewayEdits};

std::vector<R> addressGroupRows(int type, const ParGenLayoutChoices &choices)
{
    std::vector<R> rows = addressRows;
    if (isLyxa(type)) {
        rows.push_back(R::Port);
        // Only the board with Ethernet keeps idle connections open.
        if (isEthernetBoard(choices.boardVariant))
            rows.push_back(R::ConnectionTimeOut);
    } else if (isRhuv(type)) {
        rows.insert(rows.end(), {R::Port, R::ConnectionTimeOut});
    }
    return rows;
}

std::vector<R> mbusGroupRows(int type, const ParGenLayoutChoices &choices)
{
    const std::vector<R> polling = {R::MBusBaud, R::MBusParity, R::MBusPolls, R::MBusDelay};
    if (isLyxa(type))
        return {R::MBusBaud,  R::MBusParity, R::MBusPolls, R::MBusDelay, R::NodeState,
                R::FixCField, R::ExceptionUntilFirstRead, R::FloatOption};
    if (isKvoz(type)) {
        std::vector<R> rows = polling;
        if (isEthernetBoard(choices.boardVariant)) {
            rows.push_back(R::NodeState);
            if (type == 2)
                rows.push_back(R::FixCField);
            rows.push_back(R::FloatOption);
        }
        return rows;
    }
    if (type == 4)
        return {R::MBusSerial, R::MBusBaud, R::MBusParity, R::MBusPolls, R::MBusDelay};
    if (type == 5)
        return polling;
    // 6, 7, 1007: without wired meters only what the wireless side uses too.
    if (!choices.wiredMBusPresent)
        return {R::NodeState, R::FloatOption};
    std::vector<R> rows = polling;
    rows.insert(rows.end(), {R::NodeState, R::FloatOption});
    return rows;
}

std::vector<R> modbusSlaveRows(int type)
{
    switch (type) {
    case 5: // the line is always RS232 on this model
        return {R::SlaveBaud, R::SlaveParity, R::SlaveStopBits, R::SlaveId, R::SlaveProtocol};
    case 6: // speaks Modbus RTU only
        return {R::SlaveSerial, R::SlaveBaud, R::SlaveParity, R::SlaveStopBits, R::SlaveId};
    default:
        return {R::SlaveSerial, R::SlaveBaud, R::SlaveParity, R::SlaveStopBits, R::SlaveId, R::SlaveProtocol};
    }
}

int expandedHeight(ParGenGroup group, const std::vector<R> &rows)
{
    if (group == G::SelectDevice || group == G::SelDevWirePresent || rows.empty())
        return SelectGroupHeight;
    int top = FirstRowTop;
    int bottom = 0;
    for (const R row : rows) {
        bottom = rowBottom(row, top);
        top = nextRowTop(row, top);
    }
    return bottom + GroupBottomMargin;
}

} // namespace

ParGenGroup groupOfRow(ParGenRow row)
{
    switch (row) {
    case R::BoardVariant: return G::SelectDevice;
    case R::IpLabel:
    case R::IpEdits:
    case R::SubnetLabel:
    case R::SubnetEdits:
    case R::GatewayCheck:
    case R::GatewayEdits:
    case R::Port:
    case R::ConnectionTimeOut: return G::ModbusTcpSlave;
    case R::MBusSerial:
    case R::MBusBaud:
    case R::MBusParity:
    case R::MBusPolls:
    case R::MBusDelay:
    case R::NodeState:
    case R::FixCField:
    case R::ExceptionUntilFirstRead:
    case R::FloatOption: return G::MBus;
    case R::SlaveSerial:
    case R::SlaveBaud:
    case R::SlaveParity:
    case R::SlaveStopBits:
    case R::SlaveId:
    case R::SlaveProtocol: return G::ModbusSlave;
    case R::WMBusMode:
    case R::WMBusChannel: return G::WMBus;
    case R::WiredMBusPresent: return G::SelDevWirePresent;
    }
    return G::SelectDevice;
}

int rowBottom(ParGenRow row, int top)
{
    switch (row) {
    case R::IpLabel:
    case R::SubnetLabel: return top + LabelHeight;
    case R::GatewayCheck:
    case R::ExceptionUntilFirstRead: return top - CheckBoxRaise + CheckBoxHeight;
    case R::NodeState: return top + NodeStateEditDrop + FieldHeight;
    case R::FloatOption: return top + FloatListDrop + FieldHeight;
    default: return top - FieldRaise + FieldHeight;
    }
}

int nextRowTop(ParGenRow row, int top)
{
    switch (row) {
    case R::NodeState: return top + NodeStateSecondLine + RowPitch;
    case R::FloatOption: return top + FloatListDrop + RowPitch;
    default: return top + RowPitch;
    }
}

std::vector<ParGenGroup> parGenGroups(int type, const ParGenLayoutChoices &choices)
{
    if (isLyxa(type))
        return {G::SelectDevice, G::ModbusTcpSlave, G::MBus};
    if (isKvoz(type)) {
        if (isEthernetBoard(choices.boardVariant))
            return {G::SelectDevice, G::ModbusSlave, G::MBus, G::ModbusTcpSlave};
        return {G::SelectDevice, G::ModbusSlave, G::MBus};
    }
    if (type == 4 || type == 5)
        return {G::ModbusSlave, G::MBus};
    if (type == 6)
        return {G::SelDevWirePresent, G::ModbusSlave, G::WMBus, G::MBus, G::ModbusTcpSlave};
    if (isRhuv(type))
        return {G::SelDevWirePresent, G::ModbusTcpSlave, G::WMBus, G::MBus};
    return {};
}

std::vector<ParGenRow> parGenGroupRows(int type, ParGenGroup group, const ParGenLayoutChoices &choices)
{
    switch (group) {
    case G::SelectDevice: return {R::BoardVariant};
    case G::ModbusTcpSlave: return addressGroupRows(type, choices);
    case G::MBus: return mbusGroupRows(type, choices);
    case G::ModbusSlave: return modbusSlaveRows(type);
    case G::WMBus: return {R::WMBusMode, R::WMBusChannel};
    case G::SelDevWirePresent: return {R::WiredMBusPresent};
    }
    return {};
}

ParGenDialogLayout layoutParGenDialog(int type, const ParGenLayoutChoices &choices)
{
    ParGenDialogLayout layout;
    int top = FirstGroupTop;
    int bottom = FirstGroupTop - GroupGap;
    for (const ParGenGroup group : parGenGroups(type, choices)) {
        PlacedGroup placed{group, {}, choices.isExpanded(group), {}};
        int height = CollapsedHeight;
        if (placed.expanded) {
            const std::vector<R> rows = parGenGroupRows(type, group, choices);
            int rowTop = FirstRowTop;
            for (const R row : rows) {
                placed.rows.push_back({row, rowTop});
                rowTop = nextRowTop(row, rowTop);
            }
            height = expandedHeight(group, rows);
        }
        placed.rect = QRect(GroupLeft, top, GroupWidth, height);
        bottom = top + height;
        top = bottom + GroupGap;
        layout.groups.push_back(std::move(placed));
    }
    const int buttonsTop = bottom + ButtonsBelowGroups;
    layout.okButton = QRect(QPoint(OkButtonLeft, buttonsTop), DialogButtonSize);
    layout.cancelButton = QRect(QPoint(CancelButtonLeft, buttonsTop), DialogButtonSize);
    layout.client = QSize(ClientWidth, bottom + ClientBelowGroups);
    return layout;
}

const PlacedGroup *ParGenDialogLayout::find(ParGenGroup group) const
{
    for (const PlacedGroup &placed : groups)
        if (placed.group == group)
            return &placed;
    return nullptr;
}

int addressGroupTitleText(int type)
{
    if (isKvoz(type))
        return 354;
    if (type == 6)
        return 273;
    return 95;
}

bool pollsFixedCyclic(int type) { return type == 6 || isRhuv(type); }

} // namespace project
