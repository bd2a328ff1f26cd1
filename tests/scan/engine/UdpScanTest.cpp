// Whole scans over real UDP sockets on loopback, against the simulated
// converter on a port of its own, in virtual time.
#include "EngineFixture.h"

#include "scan/RspUdDecoder.h"

using namespace enginetest;
using namespace scan;
using testsupport::realFrame;
using testsupport::SimulatedConverter;
using testsupport::UdpConverter;

namespace {

class UdpScan : public EngineTest {
protected:
    void listenOn(const QString &address)
    {
        engine.reset();
        udp.emplace(converter(), address);
        ASSERT_TRUE(udp->isListening()) << udp->openError().toStdString();
        makeEngine(makeTransport);
        clock.setOnPause(udp->settleWith(*engine));
    }

    ScanOptions overUdp(TScanType type = TScanType::saPrimaryAddress)
    {
        ScanOptions o;
        o.type = type;
        o.address = udp->address();
        o.port = udp->port();
        return o;
    }

    void TearDown() override
    {
        engine.reset();
        clock.setOnPause({});
    }

    std::optional<UdpConverter> udp;
};

TEST_F(UdpScan, FullPrimaryScan)
{
    converter().bus().addSlave(2, 0x12345678, {realFrame("frame2")});
    converter().bus().addSlave(17, 0x00001717, {realFrame("abb_delta"), realFrame("kamstrup_382_005")});
    converter().bus().addSlave(250, 0x25025025, {realFrame("landis+gyr_ultraheat_t230")});
    listenOn(QStringLiteral("127.0.0.1"));
    ScanOptions o = overUdp();
    o.sndNke = true;
    o.cutAfter = 5;
    scanToEnd(o);

    EXPECT_EQ(engine->Result(), 1);
    std::vector<Report> found;
    for (const Report &r : reports())
        if (r.kind != 2 || r.found)
            found.push_back(r);
    EXPECT_EQ(found, (std::vector<Report>{{1, 0, 0, 1}, {2, 2, 1, 1}, {2, 17, 1, 1}, {2, 250, 1, 1}, {3, 0, 0, 1}}));
    EXPECT_EQ(reports().size(), 1u + 251u + 1u);
    auto list = slaves.lock();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.at(1).Secondary_Addresss, QStringLiteral("1717"));
    EXPECT_EQ(qsizetype(list.at(1).List_Var.size()),
              qsizetype(decodeRspUdRecords(bytesOf(realFrame("abb_delta"))).records.size()
                        + decodeRspUdRecords(bytesOf(realFrame("kamstrup_382_005"))).records.size()));
    EXPECT_EQ(converter().commandCount(analyzer::EnableAnalyzerMode), 1);
    EXPECT_EQ(converter().commandCount(analyzer::DisableAnalyzerMode), 1);
    EXPECT_FALSE(converter().inAnalyzerMode());
}

TEST_F(UdpScan, FullSecondaryScanOnAnotherLoopbackAddress)
{
    converter().bus().addSlave(1, 0x12345678, {realFrame("frame2")});
    converter().bus().addSlave(2, 0x12345679, {realFrame("frame2")});
    converter().bus().addSlave(3, 0x87654321, {realFrame("els_falcon")});
    listenOn(QStringLiteral("127.0.0.2"));
    scanToEnd(overUdp(TScanType::saSecondaryAddress));
    EXPECT_EQ(reports(), (std::vector<Report>{{1, 0, 0, 2},
                                              {2, 0x12345678, 1, 2},
                                              {2, 0x12345679, 1, 2},
                                              {2, qint32(0x87654321), 1, 2},
                                              {3, 0, 0, 2}}));
    EXPECT_EQ(slaveCount(), 3);
}

TEST_F(UdpScan, StrayDatagramsDoNotEndOrMisleadTheScan)
{
    // Garbage comes every 100 ms from the converter's address and port, from
    // another port of it and from another address, also while a step waits.
    for (const TScanType type : {TScanType::saPrimaryAddress, TScanType::saSecondaryAddress}) {
        SCOPED_TRACE(type == TScanType::saPrimaryAddress ? "primary" : "secondary");
        engine.reset();
        udp.reset();
        freshConverter();
        converter().bus().addSlave(2, 0x12345678, {realFrame("frame2")});
        converter().bus().addSlave(17, 0x00001717, {realFrame("kamstrup_382_005")});
        converter().bus().addSlave(250, 0x25025025, {realFrame("landis+gyr_ultraheat_t230")});
        listenOn(QStringLiteral("127.0.0.1"));
        testsupport::StrayDatagrams strays(*udp, QStringLiteral("127.0.0.3"));
        auto settle = udp->settleWith(*engine);
        // The engine itself, not the test's pointer to it: the next round
        // resets that pointer while this hook may still be running.
        TMBusScanDecode *const scanning = engine.get();
        clock.setOnPause([this, &strays, settle, scanning](std::chrono::milliseconds duration) {
            if (scanning->InScan())
                strays.tick(clock.tickCount());
            return settle(duration);
        });
        scanToEnd(overUdp(type));
        clock.setOnPause({});

        EXPECT_EQ(engine->Result(), 1);
        EXPECT_GE(strays.rounds(), 5);
        std::vector<Report> found;
        for (const Report &r : reports())
            if (r.kind != 2 || r.found)
                found.push_back(r);
        const qint32 scan = type == TScanType::saPrimaryAddress ? 1 : 2;
        const std::vector<Report> expected =
            scan == 1 ? std::vector<Report>{{1, 0, 0, 1}, {2, 2, 1, 1}, {2, 17, 1, 1}, {2, 250, 1, 1}, {3, 0, 0, 1}}
                      : std::vector<Report>{{1, 0, 0, 2},
                                            {2, 0x1717, 1, 2},
                                            {2, 0x12345678, 1, 2},
                                            {2, 0x25025025, 1, 2},
                                            {3, 0, 0, 2}};
        EXPECT_EQ(found, expected);
        EXPECT_EQ(slaveCount(), 3);
        EXPECT_FALSE(converter().inAnalyzerMode());
    }
}

TEST_F(UdpScan, ADatagramLongerThanTheAnswerBufferIsCut)
{
    for (const int size : {AnswerBufferSize + 1, 8192, 65507}) {
        SCOPED_TRACE(size);
        engine.reset();
        udp.reset();
        freshConverter();
        QByteArray reply(analyzer::AnalyzerModeEnabled.data(), qsizetype(analyzer::AnalyzerModeEnabled.size()));
        reply.append(QByteArray(size - reply.size(), 'x'));
        converter().setOverride([reply](const QByteArray &d) -> std::optional<std::vector<QByteArray>> {
            if (d.startsWith("Tervik_Enable"))
                return std::vector<QByteArray>{reply};
            return std::nullopt;
        });
        listenOn(QStringLiteral("127.0.0.1"));
        scanToEnd(overUdp());
        EXPECT_EQ(engine->Result(), 2);
        EXPECT_EQ(converter().commandCount(analyzer::DisableAnalyzerMode), 1);
    }
}

} // namespace
