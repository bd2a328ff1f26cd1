// Whole wireless scans over real UDP sockets on loopback: the converter on
// 127.0.18.1, the engine on 127.0.18.2, both on the converter's port, in
// virtual time. The radio module relays plain and encrypted telegrams; keys
// entered on the test's thread meet the intake on the socket's thread.
#include "WirelessFixture.h"

#include "platform/UdpSocket.h"

#include <thread>

using namespace scan;
using namespace testsupport;
using namespace wirelesstest;

namespace {

WirelessIdentity identityOf(const MeterIdentity &m)
{
    return {m.manufacturer, qint32(m.address), m.version, m.deviceType};
}

class WirelessUdpScan : public WirelessScan {
protected:
    // The plain meter and the encrypted one are heard, the second gets its
    // key, and its next telegram reads.
    void scanBothMeters(TRadioModule module, std::uint8_t signal, qint8 rssi,
                        const QString &engineAddress = QStringLiteral("127.0.18.2"))
    {
        if (!udp)
            overUdp();
        startToReception(module);
        const AesKey key = testKey(11);
        receive(plainTelegram(), signal);
        receive(encryptedTelegram(key, 0x40), signal);
        ASSERT_TRUE(udp->push(QByteArray::fromHex("0102030405"))) << "not a telegram of this module";
        ASSERT_TRUE(engine->waitForDatagramsReceived(udp->repliesSent(), 10s));
        EXPECT_EQ(engine->engineStats().telegramsDropped, 1u);
        {
            auto list = meters.lock();
            ASSERT_EQ(list.count(), 2);
            EXPECT_FALSE(list.at(0).Cripted);
            EXPECT_EQ(realValues(list.at(0).List_Var), realValues(decodedRecords(realRecords("kamstrup_382_005"))));
            EXPECT_EQ(list.at(0).RSSI, rssi);
            EXPECT_TRUE(list.at(1).Cripted);
            EXPECT_TRUE(list.at(1).List_Var.empty());
        }

        ASSERT_TRUE(engine->Insert_Wireless_Key(1, key));
        backToReception();
        receive(encryptedTelegram(key, 0x41), signal);
        {
            auto list = meters.lock();
            EXPECT_FALSE(list.at(1).Cripted);
            EXPECT_EQ(realValues(list.at(1).List_Var), realValues(decodedRecords(realRecords("frame2"))));
        }
        EXPECT_EQ(reports(), (std::vector<WirelessReport>{{0, identityOf(PlainMeter)},
                                                          {1, identityOf(EncryptedMeter)},
                                                          {1, identityOf(EncryptedMeter)}}));
        EXPECT_EQ(engine->engineStats().telegramsTaken, 3u);

        const std::size_t mark = sentCount();
        stopToEnd();
        EXPECT_EQ(sentFrom(mark), std::vector<QByteArray>{text(analyzer::DisableConfigurationMode)});
        EXPECT_EQ(engine->Result(), 1);
        EXPECT_FALSE(converter.inConfigurationMode());
        // The engine spoke from the port it sent to.
        ASSERT_TRUE(udp->peer());
        EXPECT_EQ(udp->peer()->port, udp->port());
        EXPECT_EQ(udp->peer()->address, *platform::parseIpv4(engineAddress));
    }

    // Garbage comes every 100 ms from the converter's address and port, from
    // another port of it and from another address: the module is set up all
    // the same and its telegrams are taken in.
    void setUpAmongStrays(TRadioModule module)
    {
        overUdp();
        strays.emplace(*udp, QStringLiteral("127.0.18.3"));
        startToReception(module);
        EXPECT_GE(strays->rounds(), 5) << "strays came during the set-up";
        receive(plainTelegram());
        EXPECT_EQ(meters.lock().count(), 1);
        stopToEnd();
        EXPECT_EQ(engine->Result(), 1);
        EXPECT_FALSE(converter.inConfigurationMode());
    }
};

TEST_F(WirelessUdpScan, TelitScanTakesPlainAndEncryptedTelegrams)
{
    scanBothMeters(TRadioModule::rmTelit, 0x50, -82);
    const SimulatedRadio radio = *converter.radio();
    EXPECT_EQ(radio.registers().at(461), 0x96);
    EXPECT_EQ(radio.registers().at(470), testKey(11)[0]);
}

TEST_F(WirelessUdpScan, RadioCraftsScanTakesPlainAndEncryptedTelegrams)
{
    scanBothMeters(TRadioModule::rmRadioCrafts, 0x9C, -49);
    const SimulatedRadio radio = *converter.radio();
    EXPECT_EQ(radio.table().at(1).address, QByteArray::fromHex("605040009615 2116"));
    EXPECT_EQ(meters.lock().at(1).RadioCrafts_Ind_Tab_Decript, 1);
}

TEST_F(WirelessUdpScan, AConverterOnTheSameComputerSharesThePortNumber)
{
    // The simulator holds the port on 127.0.0.2; the engine, left to choose,
    // binds the same number on 127.0.0.1, where it reaches 127.0.0.2 from.
    overUdp(QStringLiteral("127.0.0.2"), {});
    scanBothMeters(TRadioModule::rmTelit, 0x50, -82, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(converter.radio()->registers().at(470), testKey(11)[0]);
}

TEST_F(WirelessUdpScan, StrayDatagramsDoNotEndATelitSetUp) { setUpAmongStrays(TRadioModule::rmTelit); }

TEST_F(WirelessUdpScan, StrayDatagramsDoNotEndARadioCraftsSetUp) { setUpAmongStrays(TRadioModule::rmRadioCrafts); }

TEST_F(WirelessUdpScan, APortInUseIsRefusedAtTheStart)
{
    overUdp();
    converter.setRadio(SimulatedRadio::Kind::Telit);
    // Whether the holder shares its address or not, the scan does not.
    for (const bool holderShares : {false, true}) {
        SCOPED_TRACE(holderShares ? "a sharing holder" : "an exclusive holder");
        platform::UdpSocket holder;
        platform::UdpSocket::Options options;
        options.local = {*platform::parseIpv4(QStringLiteral("127.0.18.2")), udp->port()};
        options.reuseAddress = holderShares;
        ASSERT_TRUE(holder.open(options, [](auto, auto) {}).ok());
        const ScanStart refused = start();
        EXPECT_EQ(refused.refusal, ScanRefusal::PortInUse);
        EXPECT_TRUE(refused.detail.contains(QStringLiteral("bind"))) << refused.detail.toStdString();
        EXPECT_FALSE(engine->InScan());
        EXPECT_EQ(sentCount(), 0u);
    }
    EXPECT_TRUE(start().started()) << "the port free again";
    ASSERT_TRUE(gate.waitHeld());
    stopToEnd();
}

TEST_F(WirelessUdpScan, AFailingReportEndsNeitherTheTelegramNorTheNext)
{
    overUdp();
    onReport = [](const WirelessReport &report) {
        if (report.index == 0)
            throw std::runtime_error("the receiver failed");
    };
    startToReception(TRadioModule::rmTelit);
    receive(plainTelegram());
    WirelessTelegramSpec other;
    other.link = EncryptedMeter;
    receive(wirelessTelegram(other));
    EXPECT_EQ(reports(), (std::vector<WirelessReport>{{0, identityOf(PlainMeter)}, {1, identityOf(EncryptedMeter)}}));
    EXPECT_EQ(engine->engineStats().telegramsTaken, 2u);
    stopToEnd();
    EXPECT_EQ(engine->Result(), 1);
}

TEST_F(WirelessUdpScan, KeyEntryMeetsTheIntakeWithoutARace)
{
    overUdp();
    startToReception(TRadioModule::rmTelit);
    const AesKey key = testKey(12);
    receive(encryptedTelegram(key, 1));
    // Telegrams keep coming on the socket's thread while the key goes in on
    // this one; each is read with the key or without it, never half of it.
    std::thread relaying([&] {
        for (int i = 0; i < 200; ++i) {
            udp->relay(encryptedTelegram(key, std::uint8_t(i)), 0x50);
            engine->waitForDatagramsReceived(udp->repliesSent(), 10s); // no socket buffer overflows
        }
    });
    const bool inserted = engine->Insert_Wireless_Key(0, key);
    relaying.join();
    ASSERT_TRUE(inserted);
    receive(encryptedTelegram(key, 201));
    const auto taken = engine->engineStats().telegramsTaken;
    EXPECT_EQ(taken, 202u);
    {
        auto list = meters.lock();
        EXPECT_EQ(list.count(), 1);
        EXPECT_EQ(list.at(0).Key, key);
        EXPECT_FALSE(list.at(0).Cripted) << "a telegram after the key reads";
    }
    EXPECT_EQ(reports().size(), taken);
    backToReception();
    stopToEnd();
}

} // namespace
