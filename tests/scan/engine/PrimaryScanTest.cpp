// The primary-address scan: every address in turn, the frames before the
// read, several telegrams per slave, stop and abort.
#include "EngineFixture.h"

#include "scan/RspUdDecoder.h"

using namespace enginetest;
using namespace scan;
using testsupport::SimulatedConverter;
using testsupport::realFrame;

namespace {

// A telegram that ends with DIF 1F: more records follow.
const char *const MoreFollow = "abb_delta";
const char *const Single = "frame2";

bool isReqUd2(const QByteArray &f) { return f.size() == 5 && (f[1] == char(0x7B) || f[1] == char(0x5B)); }

std::vector<QByteArray> framesTo(const std::vector<QByteArray> &frames, int address)
{
    std::vector<QByteArray> to;
    for (const QByteArray &f : frames) {
        const int a = f.size() == 5 ? quint8(f[2]) : f.size() > 5 ? quint8(f[5]) : -1;
        if (a == address)
            to.push_back(f);
    }
    return to;
}

qsizetype recordCount(const QByteArray &frame) { return qsizetype(decodeRspUdRecords(bytesOf(frame)).records.size()); }

class PrimaryScan : public EngineTest {};

TEST_F(PrimaryScan, EmptyBusGetsOneBroadcastThenOneReqUd2PerAddress)
{
    scanToEnd();
    const auto frames = converter().frames();
    ASSERT_EQ(frames.size(), 1u + 251u);
    EXPECT_EQ(frames[0], Build_SND_NKE(255));
    for (int a = 0; a <= 250; ++a)
        EXPECT_EQ(frames[std::size_t(a) + 1], Build_REQ_UD2(std::uint8_t(a), 0x7B)) << a;

    std::vector<Report> expected{{1, 0, 0, 1}};
    for (int a = 0; a <= 250; ++a)
        expected.push_back({2, a, 0, 1});
    expected.push_back({3, 0, 0, 1});
    EXPECT_EQ(reports(), expected);
    EXPECT_EQ(slaveCount(), 0);
    EXPECT_EQ(engine->Result(), 1);
}

TEST_F(PrimaryScan, ASilentBusWaitsTheLongTimeOutAndNoSlaveEndsTheWait)
{
    struct Case {
        const char *name;
        bool silent;
        qint32 baud;
        quint32 minGap, maxGap; // between the REQ_UD2 of two addresses
    };
    // 500 ms rest before every frame to a slave; three steps of 40 ms around it.
    const Case cases[] = {
        {"NO_SLAVE", false, 2400, 500, 700},
        {"silent", true, 2400, 1802 + 500, 1802 + 700},
        {"silent at baud 0", true, 0, 1802 + 500, 1802 + 700},
        {"silent at 300 baud", true, 300, 11266 + 500, 11266 + 700},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        freshConverter();
        converter().setSilentWhenNoSlave(c.silent);
        ScanOptions o;
        o.baud = c.baud;
        scanToEnd(o);
        std::vector<quint32> ticks;
        for (const auto &d : converter().received())
            if (isReqUd2(d.bytes))
                ticks.push_back(d.tick);
        ASSERT_EQ(ticks.size(), 251u);
        for (std::size_t i = 1; i < ticks.size(); ++i) {
            EXPECT_GE(ticks[i] - ticks[i - 1], c.minGap);
            EXPECT_LE(ticks[i] - ticks[i - 1], c.maxGap);
        }
    }
}

TEST_F(PrimaryScan, OptionsSendTheResetAndSndNkeBeforeTheRead)
{
    struct Case {
        bool appReset, sndNke, fix;
        quint8 fixValue;
        std::vector<QByteArray> to7;
    };
    const Case cases[] = {
        {false, false, false, 0, {Build_REQ_UD2(7, 0x7B)}},
        {true, false, false, 0, {Build_App_Reset(7, 0x73), Build_REQ_UD2(7, 0x7B)}},
        {false, true, false, 0, {Build_SND_NKE(7), Build_REQ_UD2(7, 0x7B)}},
        {true, true, false, 0, {Build_App_Reset(7, 0x73), Build_SND_NKE(7), Build_REQ_UD2(7, 0x7B)}},
        {true, true, true, 0, {Build_App_Reset(7, 0x53), Build_SND_NKE(7), Build_REQ_UD2(7, 0x5B)}},
        {true, false, true, 1, {Build_App_Reset(7, 0x73), Build_REQ_UD2(7, 0x7B)}},
    };
    for (const Case &c : cases) {
        freshConverter();
        converter().bus().addSlave(7, 0x11223344, {realFrame(Single)});
        ScanOptions o;
        o.appReset = c.appReset;
        o.sndNke = c.sndNke;
        o.fixCField = c.fix;
        o.fixCFieldValue = c.fixValue;
        scanToEnd(o);
        std::vector<QByteArray> frames;
        std::vector<quint32> ticks;
        for (const auto &d : converter().received()) {
            if (!d.bytes.startsWith("Tervik") && !framesTo({d.bytes}, 7).empty()) {
                frames.push_back(d.bytes);
                ticks.push_back(d.tick);
            }
        }
        EXPECT_EQ(frames, c.to7) << c.appReset << c.sndNke << c.fix;
        for (std::size_t i = 1; i < ticks.size(); ++i)
            EXPECT_GE(ticks[i] - ticks[i - 1], 500u) << "a rest before every frame to a slave";
    }
}

TEST_F(PrimaryScan, RealSlavesAreReadIntoTheListInAddressOrder)
{
    converter().bus().addSlave(3, 0x00000001, {realFrame("kamstrup_382_005")});
    converter().bus().addSlave(1, 0x12345678, {realFrame(Single)});
    converter().bus().addSlave(250, 0x99999999, {realFrame("itron_cf_55")});
    scanToEnd();

    std::vector<Report> found;
    for (const Report &r : reports())
        if (r.kind == 2 && r.found == 1)
            found.push_back(r);
    EXPECT_EQ(found, (std::vector<Report>{{2, 1, 1, 1}, {2, 3, 1, 1}, {2, 250, 1, 1}}));
    auto list = slaves.lock();
    ASSERT_EQ(list.count(), 3);
    const std::pair<int, const char *> expected[] = {{1, "12345678"}, {3, "01"}, {250, "99999999"}};
    const char *names[] = {Single, "kamstrup_382_005", "itron_cf_55"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list.at(i).Primary_Addresss, expected[i].first);
        EXPECT_EQ(list.at(i).Secondary_Addresss, QString::fromLatin1(expected[i].second));
        EXPECT_EQ(qsizetype(list.at(i).List_Var.size()), recordCount(realFrame(names[i]))) << names[i];
    }
}

TEST_F(PrimaryScan, TelegramsAreReadUpToCutAfterWithAlternatingFrameCountBit)
{
    struct Case {
        qint32 cutAfter;
        bool fix;
        std::vector<std::uint8_t> cFields;
    };
    const Case cases[] = {
        {3, false, {0x7B, 0x5B, 0x7B}}, {2, false, {0x7B, 0x5B}}, {1, false, {0x7B}},
        {0, false, {0x7B}},             {-1, false, {0x7B}},      {3, true, {0x7B, 0x7B, 0x7B}},
    };
    const QByteArray telegram = realFrame(MoreFollow);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.cutAfter);
        freshConverter();
        converter().bus().addSlave(9, 0x00000009, {telegram});
        ScanOptions o;
        o.cutAfter = c.cutAfter;
        o.fixCField = c.fix;
        o.fixCFieldValue = 1;
        scanToEnd(o);
        std::vector<std::uint8_t> cFields;
        for (const QByteArray &f : framesTo(converter().frames(), 9))
            cFields.push_back(std::uint8_t(f[1]));
        EXPECT_EQ(cFields, c.cFields);
        auto list = slaves.lock();
        ASSERT_EQ(list.count(), 1) << "every telegram goes to the same slave";
        EXPECT_EQ(qsizetype(list.at(0).List_Var.size()), qsizetype(c.cFields.size()) * recordCount(telegram));
    }
}

TEST_F(PrimaryScan, ASlaveIsDoneWhenItsRecordsEnd)
{
    testsupport::SimulatedSlave slave;
    slave.primaryAddress = 4;
    slave.identification = 0x44;
    slave.telegrams = {testsupport::withAddresses(realFrame(MoreFollow), 4, 0x44),
                       testsupport::withAddresses(realFrame(Single), 4, 0x44)};
    converter().bus().addSlave(slave);
    ScanOptions o;
    o.cutAfter = 10;
    scanToEnd(o);
    EXPECT_EQ(framesTo(converter().frames(), 4).size(), 2u);
    auto list = slaves.lock();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(qsizetype(list.at(0).List_Var.size()), recordCount(realFrame(MoreFollow)) + recordCount(realFrame(Single)));
}

TEST_F(PrimaryScan, AnAnswerTheDecoderRefusesIsNoSlave)
{
    const QByteArray good = testsupport::withAddresses(realFrame(MoreFollow), 6, 0x66);
    QByteArray badChecksum = good;
    badChecksum[badChecksum.size() - 2] = char(badChecksum[badChecksum.size() - 2] + 1);
    const QByteArray shortFrame = hex("6815156808067266000000422402021000000000000000CC16"); // 21 bytes of a frame
    struct Case {
        const char *name;
        std::vector<std::optional<QByteArray>> telegrams;
        int slavesAfter;
    };
    const Case cases[] = {
        {"bad checksum", {badChecksum}, 0},
        {"short", {shortFrame.left(21)}, 0},
        {"garbage", {hex("E5E5E5")}, 0},
        {"second refused", {good, badChecksum}, 1},
        {"second silent", {good, std::nullopt}, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        freshConverter();
        testsupport::SimulatedSlave slave;
        slave.primaryAddress = 6;
        slave.identification = 0x66;
        slave.telegrams = c.telegrams;
        converter().bus().addSlave(slave);
        // The next slave starts a slave of its own, whatever happened before.
        converter().bus().addSlave(7, 0x77, {realFrame(Single)});
        scanToEnd();
        const auto r = reports();
        EXPECT_NE(std::find(r.begin(), r.end(), Report{2, 6, 0, 1}), r.end());
        EXPECT_NE(std::find(r.begin(), r.end(), Report{2, 7, 1, 1}), r.end());
        auto list = slaves.lock();
        ASSERT_EQ(list.count(), c.slavesAfter + 1);
        EXPECT_EQ(list.at(list.count() - 1).Primary_Addresss, 7);
        EXPECT_EQ(qsizetype(list.at(list.count() - 1).List_Var.size()), recordCount(realFrame(Single)));
        if (c.slavesAfter) {
            EXPECT_EQ(qsizetype(list.at(0).List_Var.size()), recordCount(good)) << "the first telegram's records stay";
        }
    }
}

TEST_F(PrimaryScan, StopEndsAfterTheAddressInProgressWithTheEndReport)
{
    makeEngine();
    onReport = [this](const Report &r) {
        if (r.kind == 2 && r.value == 10)
            engine->Stop_Scan();
    };
    scanToEnd();
    const auto r = reports();
    ASSERT_GE(r.size(), 2u);
    EXPECT_EQ(r[r.size() - 2], (Report{2, 10, 0, 1}));
    EXPECT_EQ(r.back(), (Report{3, 0, 0, 1}));
    EXPECT_EQ(converter().frames().back(), Build_REQ_UD2(10, 0x7B));
    EXPECT_EQ(converter().commandCount(analyzer::DisableAnalyzerMode), 1);
    EXPECT_EQ(engine->Result(), 1);
}

TEST_F(PrimaryScan, AbortSendsNothingMoreLeavesTheModeAndMakesNoEndReport)
{
    struct Case {
        const char *name;
        bool duringRest; // abort inside the 500 ms rest before a frame
    };
    for (const Case c : {Case{"after a report", false}, Case{"during the rest", true}}) {
        SCOPED_TRACE(c.name);
        freshConverter();
        makeEngine();
        if (c.duringRest) {
            clock.setOnPause([this](std::chrono::milliseconds d) {
                if (d == 500ms && converter().frames().size() >= 12)
                    engine->Abort_Scan();
                return true;
            });
        } else {
            onReport = [this](const Report &r) {
                if (r.kind == 2 && r.value == 10)
                    engine->Abort_Scan();
            };
        }
        scanToEnd();
        const auto frames = converter().frames();
        EXPECT_EQ(frames.size(), 1u + 11u) << "SND_NKE, then addresses 0 to 10";
        EXPECT_EQ(frames.back(), Build_REQ_UD2(10, 0x7B));
        const auto r = reports();
        EXPECT_TRUE(std::none_of(r.begin(), r.end(), [](const Report &x) { return x.kind == 3; }));
        EXPECT_FALSE(converter().inAnalyzerMode());
        EXPECT_FALSE(engine->InScan());
    }
}

TEST_F(PrimaryScan, AnAbortWhileWaitingForAnAnswerEndsTheWaitAtTheNextStep)
{
    // The bus keeps silent on address 3, and the abort comes meanwhile.
    makeEngine();
    converter().setOverride([this](const QByteArray &d) -> std::optional<std::vector<QByteArray>> {
        if (!isReqUd2(d) || quint8(d[2]) != 3)
            return std::nullopt;
        engine->Abort_Scan();
        return std::vector<QByteArray>{};
    });
    scanToEnd();
    const auto log = converter().received();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2].bytes, Build_REQ_UD2(3, 0x7B));
    EXPECT_EQ(log.back().bytes, QByteArray(analyzer::DisableAnalyzerMode.data())) << "nothing but the end command";
    EXPECT_LT(log.back().tick - log[log.size() - 2].tick, 1802u) << "the end came before the answer's time-out";
    EXPECT_FALSE(converter().inAnalyzerMode());
    const auto r = reports();
    EXPECT_EQ(r.back(), (Report{2, 2, 0, 1})) << "no report for the address in progress, no end report";
}

TEST_F(PrimaryScan, AbortDuringTheEndStepsChangesNothing)
{
    makeEngine();
    converter().setOverride([this](const QByteArray &d) -> std::optional<std::vector<QByteArray>> {
        if (d == QByteArray(analyzer::DisableAnalyzerMode.data()))
            engine->Abort_Scan();
        return std::nullopt;
    });
    converter().setDisableReply(SimulatedConverter::ModeReply::Nothing);
    scanToEnd();
    EXPECT_EQ(reports().back(), (Report{3, 0, 0, 1}));
    EXPECT_EQ(converter().commandCount(analyzer::DisableAnalyzerMode), 3);
}

TEST_F(PrimaryScan, ALateAnswerIsNotCreditedToTheNextAddress)
{
    // Slave 8 answers so late that its telegram crosses the request to 9.
    const QByteArray late = testsupport::withAddresses(realFrame(Single), 8, 0x88);
    struct Case {
        const char *name;
        bool nineAnswers;
    };
    for (const Case c : {Case{"nobody at 9", false}, Case{"a slave at 9", true}}) {
        SCOPED_TRACE(c.name);
        freshConverter();
        if (c.nineAnswers)
            converter().bus().addSlave(9, 0x99, {realFrame(Single)});
        makeEngine();
        converter().setOverride([this, late](const QByteArray &d) -> std::optional<std::vector<QByteArray>> {
            if (!isReqUd2(d))
                return std::nullopt;
            if (quint8(d[2]) == 8)
                return std::vector<QByteArray>{};
            if (quint8(d[2]) != 9)
                return std::nullopt;
            std::vector<QByteArray> replies{late};
            if (auto own = converter().bus().answer(d))
                replies.push_back(*own);
            return replies;
        });
        scanToEnd();
        const auto r = reports();
        EXPECT_NE(std::find(r.begin(), r.end(), Report{2, 8, 0, 1}), r.end());
        EXPECT_NE(std::find(r.begin(), r.end(), Report{2, 9, c.nineAnswers ? 1 : 0, 1}), r.end());
        auto list = slaves.lock();
        ASSERT_EQ(list.count(), c.nineAnswers ? 1 : 0);
        if (c.nineAnswers) {
            EXPECT_EQ(list.at(0).Primary_Addresss, 9);
            EXPECT_EQ(list.at(0).Secondary_Addresss, QStringLiteral("99"));
        }
    }
}

} // namespace
