#include "app/ConverterType.h"
#include "project/ParGenLayout.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using project::ParGenGroup;
using project::ParGenLayoutChoices;
using project::ParGenRow;
using G = ParGenGroup;
using R = ParGenRow;

ParGenLayoutChoices choices(int board, bool present, bool expanded = true)
{
    ParGenLayoutChoices c;
    c.boardVariant = board;
    c.wiredMBusPresent = present;
    c.expanded.fill(expanded);
    return c;
}

std::vector<ParGenRow> rowsOf(const project::PlacedGroup &group)
{
    std::vector<ParGenRow> rows;
    for (const auto &placed : group.rows)
        rows.push_back(placed.row);
    return rows;
}

const std::vector<R> addressRows = {R::IpLabel, R::IpEdits, R::SubnetLabel, R::SubnetEdits, R::GatewayCheck,
                                    R::GatewayEdits};
std::vector<R> operator+(std::vector<R> a, const std::vector<R> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(ParGenLayout, FirstTypeWithEveryGroupCollapsed)
{
    const auto layout = project::layoutParGenDialog(1, choices(1, false, false));
    ASSERT_EQ(layout.groups.size(), 3u);
    EXPECT_EQ(layout.groups[0].group, G::SelectDevice);
    EXPECT_EQ(layout.groups[1].group, G::ModbusTcpSlave);
    EXPECT_EQ(layout.groups[2].group, G::MBus);
    EXPECT_EQ(layout.groups[0].rect, QRect(8, 70, 296, 26));
    EXPECT_EQ(layout.groups[1].rect, QRect(8, 102, 296, 26));
    EXPECT_EQ(layout.groups[2].rect, QRect(8, 134, 296, 26));
    for (const auto &group : layout.groups) {
        EXPECT_FALSE(group.expanded);
        EXPECT_TRUE(group.rows.empty());
    }
    EXPECT_EQ(layout.okButton, QRect(71, 173, 112, 28));
    EXPECT_EQ(layout.cancelButton, QRect(192, 173, 112, 28));
    EXPECT_EQ(layout.client, QSize(312, 214));
}

TEST(ParGenLayout, FirstTypeExpandedRowPositions)
{
    const auto layout = project::layoutParGenDialog(1, choices(1, false));
    const auto *mbus = layout.find(G::MBus);
    ASSERT_NE(mbus, nullptr);
    // Rows 34 apart from 24; the two-line node-state label pushes the next
    // row 19 further; the float option's list hangs 18 below its label.
    const std::vector<project::PlacedRow> expected = {
        {R::MBusBaud, 24},  {R::MBusParity, 58},  {R::MBusPolls, 92},
        {R::MBusDelay, 126}, {R::NodeState, 160},  {R::FixCField, 213},
        {R::ExceptionUntilFirstRead, 247},        {R::FloatOption, 281},
    };
    EXPECT_EQ(mbus->rows, expected);
    // 15 below the float option's list (281 + 18 + 21).
    EXPECT_EQ(mbus->rect.height(), 335);

    const auto *address = layout.find(G::ModbusTcpSlave);
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->rows.back(), (project::PlacedRow{R::ConnectionTimeOut, 262}));
    EXPECT_EQ(address->rect.height(), 262 - 3 + 21 + 15);
    EXPECT_EQ(layout.find(G::SelectDevice)->rect.height(), 58);
    EXPECT_EQ(address->rect.top(), 70 + 58 + 6);
    EXPECT_EQ(mbus->rect.top(), address->rect.bottom() + 1 + 6);
}

TEST(ParGenLayout, GroupsAndRowsByTypeAndChoice)
{
    const std::vector<R> polling = {R::MBusBaud, R::MBusParity, R::MBusPolls, R::MBusDelay};
    const std::vector<R> slave = {R::SlaveSerial, R::SlaveBaud,  R::SlaveParity,
                                  R::SlaveStopBits, R::SlaveId, R::SlaveProtocol};
    struct Case {
        std::vector<int> types;
        int board;
        bool present;
        std::vector<std::pair<G, std::vector<R>>> groups;
    };
    const std::vector<Case> cases = {
        {{1, 1001}, 0, false,
         {{G::SelectDevice, {R::BoardVariant}},
          {G::ModbusTcpSlave, addressRows + std::vector<R>{R::Port}},
          {G::MBus, polling + std::vector<R>{R::NodeState, R::FixCField, R::ExceptionUntilFirstRead,
                                             R::FloatOption}}}},
        {{1, 1001}, 1, false,
         {{G::SelectDevice, {R::BoardVariant}},
          {G::ModbusTcpSlave, addressRows + std::vector<R>{R::Port, R::ConnectionTimeOut}},
          {G::MBus, polling + std::vector<R>{R::NodeState, R::FixCField, R::ExceptionUntilFirstRead,
                                             R::FloatOption}}}},
        {{2, 3}, 0, false,
         {{G::SelectDevice, {R::BoardVariant}}, {G::ModbusSlave, slave}, {G::MBus, polling}}},
        {{2}, 1, false,
         {{G::SelectDevice, {R::BoardVariant}},
          {G::ModbusSlave, slave},
          {G::MBus, polling + std::vector<R>{R::NodeState, R::FixCField, R::FloatOption}},
          {G::ModbusTcpSlave, addressRows}}},
        {{3}, 1, false,
         {{G::SelectDevice, {R::BoardVariant}},
          {G::ModbusSlave, slave},
          {G::MBus, polling + std::vector<R>{R::NodeState, R::FloatOption}},
          {G::ModbusTcpSlave, addressRows}}},
        {{4}, 0, false, {{G::ModbusSlave, slave}, {G::MBus, std::vector<R>{R::MBusSerial} + polling}}},
        {{5}, 0, false,
         {{G::ModbusSlave, {R::SlaveBaud, R::SlaveParity, R::SlaveStopBits, R::SlaveId, R::SlaveProtocol}},
          {G::MBus, polling}}},
        {{6}, 0, false,
         {{G::SelDevWirePresent, {R::WiredMBusPresent}},
          {G::ModbusSlave, {R::SlaveSerial, R::SlaveBaud, R::SlaveParity, R::SlaveStopBits, R::SlaveId}},
          {G::WMBus, {R::WMBusMode, R::WMBusChannel}},
          {G::MBus, {R::NodeState, R::FloatOption}},
          {G::ModbusTcpSlave, addressRows}}},
        {{6}, 0, true,
         {{G::SelDevWirePresent, {R::WiredMBusPresent}},
          {G::ModbusSlave, {R::SlaveSerial, R::SlaveBaud, R::SlaveParity, R::SlaveStopBits, R::SlaveId}},
          {G::WMBus, {R::WMBusMode, R::WMBusChannel}},
          {G::MBus, polling + std::vector<R>{R::NodeState, R::FloatOption}},
          {G::ModbusTcpSlave, addressRows}}},
        {{7, 1007}, 0, false,
         {{G::SelDevWirePresent, {R::WiredMBusPresent}},
          {G::ModbusTcpSlave, addressRows + std::vector<R>{R::Port, R::ConnectionTimeOut}},
          {G::WMBus, {R::WMBusMode, R::WMBusChannel}},
          {G::MBus, {R::NodeState, R::FloatOption}}}},
        {{7, 1007}, 0, true,
         {{G::SelDevWirePresent, {R::WiredMBusPresent}},
          {G::ModbusTcpSlave, addressRows + std::vector<R>{R::Port, R::ConnectionTimeOut}},
          {G::WMBus, {R::WMBusMode, R::WMBusChannel}},
          {G::MBus, polling + std::vector<R>{R::NodeState, R::FloatOption}}}},
    };
    for (const Case &c : cases) {
        for (const int type : c.types) {
            const auto layout = project::layoutParGenDialog(type, choices(c.board, c.present));
            ASSERT_EQ(layout.groups.size(), c.groups.size()) << "type " << type << " board " << c.board;
            for (std::size_t i = 0; i < c.groups.size(); ++i) {
                EXPECT_EQ(layout.groups[i].group, c.groups[i].first) << "type " << type << " group " << i;
                EXPECT_EQ(rowsOf(layout.groups[i]), c.groups[i].second) << "type " << type << " group " << i;
            }
        }
    }
}

TEST(ParGenLayout, StackingHoldsForEveryTypeChoiceAndCollapsedGroup)
{
    for (const int type : app::AllConverterTypes) {
        for (const int board : {0, 1, -1}) {
            for (const bool present : {false, true}) {
                for (int collapsed = -1; collapsed < project::ParGenGroupCount; ++collapsed) {
                    auto c = choices(board, present);
                    if (collapsed >= 0)
                        c.expanded[collapsed] = false;
                    const auto layout = project::layoutParGenDialog(type, c);
                    SCOPED_TRACE(testing::Message() << "type " << type << " board " << board << " present "
                                                    << present << " collapsed " << collapsed);
                    ASSERT_FALSE(layout.groups.empty());
                    int top = 70;
                    for (const auto &group : layout.groups) {
                        EXPECT_EQ(group.rect.left(), 8);
                        EXPECT_EQ(group.rect.width(), 296);
                        EXPECT_EQ(group.rect.top(), top);
                        top = group.rect.top() + group.rect.height() + 6;
                        if (!group.expanded) {
                            EXPECT_EQ(group.rect.height(), 26);
                            EXPECT_TRUE(group.rows.empty());
                            continue;
                        }
                        ASSERT_FALSE(group.rows.empty());
                        EXPECT_EQ(group.rows.front().top, 24);
                        for (const auto &row : group.rows)
                            EXPECT_EQ(project::groupOfRow(row.row), group.group);
                        const auto &last = group.rows.back();
                        if (group.group == G::SelectDevice || group.group == G::SelDevWirePresent)
                            EXPECT_EQ(group.rect.height(), 58);
                        else
                            EXPECT_EQ(group.rect.height(), project::rowBottom(last.row, last.top) + 15);
                    }
                    const int bottom = top - 6;
                    EXPECT_EQ(layout.okButton, QRect(71, bottom + 13, 112, 28));
                    EXPECT_EQ(layout.cancelButton, QRect(192, bottom + 13, 112, 28));
                    EXPECT_EQ(layout.client, QSize(312, bottom + 54));
                }
            }
        }
    }
}

TEST(ParGenLayout, AddressGroupTitleAndFixedPollingByType)
{
    const std::map<int, int> titles = {{1, 95}, {1001, 95}, {2, 354}, {3, 354}, {4, 95},
                                       {5, 95}, {6, 273},   {7, 95},  {1007, 95}};
    for (const int type : app::AllConverterTypes) {
        EXPECT_EQ(project::addressGroupTitleText(type), titles.at(type)) << type;
        EXPECT_EQ(project::pollsFixedCyclic(type), type == 6 || type == 7 || type == 1007) << type;
    }
}
