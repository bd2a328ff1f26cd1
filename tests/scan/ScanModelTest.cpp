#include "LongFrame.h"
#include "QStringPrinter.h"
#include "scan/RecordArena.h"
#include "scan/RspUdDecoder.h"
#include "scan/ScanLists.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace scan;

namespace {

// A long frame around the given records, with the header fields given and
// a correct length and checksum.
std::vector<std::uint8_t> makeFrame(std::vector<std::uint8_t> id, std::uint16_t manufacturer,
                                    std::vector<std::uint8_t> records = {0x01, 0x13, 0x05}, std::uint8_t medium = 7)
{
    std::vector<std::uint8_t> f = {0x68, 0, 0, 0x68, 0x08, 0x05, 0x72};
    f.insert(f.end(), id.begin(), id.end());
    f.insert(f.end(), {std::uint8_t(manufacturer), std::uint8_t(manufacturer >> 8), 0x01, medium, 0x2A, 0x10, 0, 0});
    f.insert(f.end(), records.begin(), records.end());
    return closedLongFrame(std::move(f));
}

} // namespace

TEST(ScanModel, NewObjectsStartAsTheScanExpects)
{
    const TVariable_MBus record;
    EXPECT_EQ(record.vifvalue, -1);
    EXPECT_TRUE(record.Enable);
    EXPECT_FALSE(record.Real_Wireless_Var);
    EXPECT_FALSE(record.errata);
    EXPECT_EQ(record.type_data, 0);
    EXPECT_TRUE(record.ValueStr.isEmpty() && record.Desc_Type_Data.isEmpty() && record.DIF.isEmpty());
    EXPECT_EQ(record.Node, nullptr);

    const TSlave_wMBus meter;
    EXPECT_TRUE(meter.Enable);
    EXPECT_FALSE(meter.Enable_Key);
    EXPECT_TRUE(meter.List_Var.empty());
    EXPECT_EQ(meter.Node, nullptr);
}

TEST(ScanModel, CancelVarEmptiesTheRecords)
{
    TSlave_wMBus meter;
    meter.Cancel_Var();
    EXPECT_TRUE(meter.List_Var.empty());
    meter.List_Var.push_back(std::make_unique<TVariable_MBus>());
    meter.List_Var.push_back(std::make_unique<TVariable_MBus>());
    meter.Cancel_Var();
    EXPECT_TRUE(meter.List_Var.empty());
}

TEST(ScanModel, ListPositionsAndBounds)
{
    TSlaveWMBusList list;
    auto meters = list.lock();
    EXPECT_EQ(meters.append(std::make_unique<TSlave_wMBus>()), 0);
    EXPECT_EQ(meters.append(std::make_unique<TSlave_wMBus>()), 1);
    EXPECT_EQ(meters.count(), 2);
    EXPECT_EQ(meters.tryAt(2), nullptr);
    EXPECT_THROW(meters.at(-1), platform::Error);
    meters.clear();
    EXPECT_TRUE(meters.isEmpty());
}

TEST(ScanModel, ProcessWideListsAreSingle)
{
    EXPECT_EQ(&List_Slave_MBus(), &List_Slave_MBus());
    EXPECT_EQ(&List_Wireless_Key(), &List_Wireless_Key());
}

TEST(ScanModel, SlaveHeaderFields)
{
    struct Case {
        std::vector<std::uint8_t> id;
        const char *secondary;
    };
    const std::vector<Case> cases = {
        {{0x78, 0x56, 0x34, 0x12}, "12345678"},
        {{0x45, 0x23, 0x01, 0x00}, "12345"},
        {{0x01, 0x00, 0x00, 0x00}, "01"},
        {{0x00, 0x00, 0x00, 0x00}, "00"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, "FFFFFFFF"},
    };
    for (const Case &c : cases) {
        const auto frame = makeFrame(c.id, 0x2C2D, {0x01, 0x13, 0x05}, 0x0C);
        ASSERT_EQ(checkRspUdFrame(frame), QString());
        TSlave_MBus slave;
        fillSlaveHeader(frame, slave);
        EXPECT_EQ(slave.Secondary_Addresss, QString::fromLatin1(c.secondary));
        EXPECT_EQ(slave.Primary_Addresss, 5);
        EXPECT_EQ(slave.Manufacture, 0x2C2D);
        EXPECT_EQ(slave.descManufacture, QStringLiteral("KAM"));
        EXPECT_EQ(slave.Version, 1);
        EXPECT_EQ(slave.Medium, 12);
        EXPECT_EQ(slave.descmedium, QStringLiteral("Heat (inlet) "));
        EXPECT_EQ(slave.Status, 0x10);
    }
}

TEST(ScanModel, FrameChecks)
{
    const auto good = makeFrame({0x78, 0x56, 0x34, 0x12}, 0x0442);
    EXPECT_EQ(checkRspUdFrame(good), QString());

    struct Case {
        const char *what;
        std::vector<std::uint8_t> frame;
    };
    auto changed = [&](std::size_t at, std::uint8_t value) {
        auto f = good;
        f[at] = value;
        return f;
    };
    auto cut = [&](std::size_t size) { return std::vector<std::uint8_t>(good.begin(), good.begin() + size); };
    auto longer = good;
    longer.push_back(0x00);
    const std::vector<Case> cases = {
        {"start byte", changed(0, 0x10)},
        {"second start byte", changed(3, 0x10)},
        {"length fields differ", changed(2, good[2] + 1)},
        {"both length fields lie", [&] { auto f = changed(1, good[1] + 4); f[2] = f[1]; return f; }()},
        {"stop byte", changed(good.size() - 1, 0x17)},
        {"checksum", changed(good.size() - 2, good[good.size() - 2] + 1)},
        {"data byte changed", changed(20, 0x14)},
        {"truncated", cut(good.size() - 1)},
        {"trailing byte", longer},
        {"21 bytes", cut(21)},
        {"empty", {}},
    };
    for (const Case &c : cases) {
        const QString error = checkRspUdFrame(c.frame);
        EXPECT_FALSE(error.isEmpty()) << c.what;
        TSlaveMBusList list;
        EXPECT_FALSE(Add_Slave_From_RSP_UD(list, -1, c.frame).accepted) << c.what;
        EXPECT_EQ(list.lock().count(), 0) << c.what;
    }
}

TEST(ScanModel, ListsAreSafeToShareBetweenScanAndDialogThreads)
{
    // Engine threads add slaves and replace a meter's records while the
    // dialog's thread reads them, as during a scan.
    TSlaveMBusList slaves;
    TSlaveWMBusList meters;
    meters.lock().append(std::make_unique<TSlave_wMBus>());

    constexpr int kWriters = 4;
    constexpr int kFramesEach = 150;
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            const auto first = makeFrame({std::uint8_t(w), 0, 0, 0}, 0x0442, {0x01, 0x13, 0x05, 0x1F});
            const auto next = makeFrame({std::uint8_t(w), 0, 0, 0}, 0x0442, {0x02, 0x13, 0x05, 0x00});
            for (int i = 0; i < kFramesEach; ++i) {
                const RspUdResult a = Add_Slave_From_RSP_UD(slaves, -1, first);
                Add_Slave_From_RSP_UD(slaves, a.index, next);
            }
        });
    }
    std::thread intake([&] {
        for (int i = 0; i < 2000; ++i) {
            TVariableList fresh;
            for (int k = 0; k < 3; ++k)
                fresh.push_back(std::make_unique<TVariable_MBus>());
            auto access = meters.lock();
            TSlave_wMBus &meter = access.at(0);
            meter.Cancel_Var();
            for (auto &r : fresh)
                meter.List_Var.push_back(std::move(r));
        }
    });

    std::size_t reads = 0;
    auto reader = [&] {
        {
            auto access = slaves.lock();
            for (const auto &slave : access)
                reads += slave->List_Var.size();
        }
        auto access = meters.lock();
        EXPECT_TRUE(access.at(0).List_Var.empty() || access.at(0).List_Var.size() == 3);
    };
    while (slaves.lock().count() < kWriters * kFramesEach)
        reader();
    for (auto &t : writers)
        t.join();
    intake.join();
    reader();

    auto access = slaves.lock();
    ASSERT_EQ(access.count(), kWriters * kFramesEach);
    for (const auto &slave : access)
        EXPECT_EQ(slave->List_Var.size(), 2u);
    EXPECT_GT(reads, 0u);
}

// The records of a telegram share one allocation, yet each is deleted on its
// own; the sanitizers watch the allocation being freed exactly once.
TEST(ScanModel, RecordsOutliveTheirArenaInAnyOrderAndOnAnyThread)
{
    TVariableList records;
    {
        RecordArena arena(3);
        for (int i = 0; i < 5; ++i) { // two more than the arena holds
            records.push_back(arena.make());
            records.back()->dato_A = i;
            records.back()->DIF = QString::number(i);
        }
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(records[static_cast<std::size_t>(i)]->dato_A, i);
        EXPECT_EQ(records[static_cast<std::size_t>(i)]->vifvalue, -1);
    }
    // The first, then the others from another thread.
    records.erase(records.begin());
    std::thread other([moved = std::move(records)]() mutable { clearFromLast(moved); });
    other.join();

    // An arena whose records are never made, or made and gone before it ends.
    { const RecordArena unused(4); }
    {
        RecordArena arena(2);
        auto record = arena.make();
        record.reset();
    }
    // Records made by other code have an allocation of their own, and so do
    // those of an arena made for none.
    auto alone = std::make_unique<TVariable_MBus>();
    alone->ValueStr = QStringLiteral("1");
    EXPECT_EQ(alone->ValueStr, QStringLiteral("1"));
    RecordArena empty(0);
    auto beyond = empty.make();
    EXPECT_EQ(beyond->vifvalue, -1);
}

// The storage of a telegram whose records are all gone serves a later one;
// while one record of it lives, no later telegram writes over it.
TEST(ScanModel, ArenaStorageIsReusedOnlyWhenEveryRecordIsGone)
{
    TVariableList first;
    {
        RecordArena arena(2);
        first.push_back(arena.make());
        first.push_back(arena.make());
    }
    first[1]->ValueStr = QStringLiteral("kept");
    first[1]->dato_A = 41;
    first.erase(first.begin());
    for (int round = 0; round < 3; ++round) {
        TVariableList later;
        RecordArena arena(2);
        for (int i = 0; i < 2; ++i) {
            later.push_back(arena.make());
            EXPECT_EQ(later.back()->vifvalue, -1);
            EXPECT_TRUE(later.back()->ValueStr.isNull());
            later.back()->ValueStr = QStringLiteral("later");
            later.back()->dato_A = round;
        }
    }
    EXPECT_EQ(first[0]->ValueStr, QStringLiteral("kept"));
    EXPECT_EQ(first[0]->dato_A, 41);
}
