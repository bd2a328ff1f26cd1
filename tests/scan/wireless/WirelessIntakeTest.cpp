// Taking telegrams into the meter list: the first telegram makes the meter,
// later ones replace its records, keys entered meanwhile decrypt them, and
// a report names its meter by position and identity.
#include "WirelessFixture.h"

#include "scan/WirelessIntake.h"

using namespace scan;
using namespace testsupport;
using namespace wirelesstest;

namespace {

class WirelessIntake : public ::testing::Test {
protected:
    std::optional<WirelessReport> take(const QByteArray &telegram, std::uint8_t signal = 0x50,
                                       TRadioModule module = TRadioModule::rmTelit,
                                       const QDateTime &at = receivedAt())
    {
        return takeWirelessTelegram(list, bytesOf(relayed(telegram, module, signal)), module, at);
    }

    TSlaveWMBusList list;
};

TEST_F(WirelessIntake, TheFirstTelegramMakesTheMeter)
{
    WirelessTelegramSpec spec;
    spec.cField = 0x46;
    spec.layout = TransportLayout::Long;
    spec.link = {0x2C2D, 0x12345678, 3, 7};
    spec.application = {0x1596, 0x00102030, 0x10, 0x04};
    spec.records = QByteArray(2, '\x2F') + realRecords("frame2");
    const auto report = take(wirelessTelegram(spec), 0x9C, TRadioModule::rmRadioCrafts);
    ASSERT_TRUE(report);
    EXPECT_EQ(*report, (WirelessReport{0, {0x1596, 0x00102030, 0x10, 0x04}}));

    auto meters = list.lock();
    ASSERT_EQ(meters.count(), 1);
    const TSlave_wMBus &m = meters.at(0);
    EXPECT_EQ(m.Message_Type, 0x46);
    EXPECT_EQ(m.LLA_Manufacturer, 0x2C2D);
    EXPECT_EQ(m.LLA_Manu_str, "KAM");
    EXPECT_EQ(m.LLA_Address, 0x12345678);
    EXPECT_EQ(m.LLA_Version, 3);
    EXPECT_EQ(m.LLA_DeviceType, 7);
    EXPECT_EQ(m.ALA_Manufacturer, 0x1596);
    EXPECT_EQ(m.ALA_Manu_str, "ELV");
    EXPECT_EQ(m.ALA_Address, 0x00102030);
    EXPECT_EQ(m.RSSI, -49);
    EXPECT_EQ(m.DateTime, receivedAt());
    EXPECT_FALSE(m.Cripted);
    EXPECT_EQ(realValues(m.List_Var), realValues(decodedRecords(realRecords("frame2"))));
    EXPECT_EQ(m.RadioCrafts_Ind_Tab_Decript, -1);
    EXPECT_TRUE(m.Enable);
    EXPECT_FALSE(m.Enable_Key);
}

TEST_F(WirelessIntake, AKeyEnteredAfterTheFirstTelegramDecryptsTheNext)
{
    const AesKey key = testKey(7);
    const QByteArray telegram = wirelessTelegram(encryptedSpec(realRecords("frame2"), key));
    ASSERT_TRUE(take(telegram));
    {
        auto meters = list.lock();
        EXPECT_TRUE(meters.at(0).Cripted) << "a first telegram is never decrypted";
        EXPECT_TRUE(meters.at(0).List_Var.empty());
        meters.at(0).Key = key;
        meters.at(0).Enable_Key = true;
    }
    ASSERT_TRUE(take(telegram));
    auto meters = list.lock();
    EXPECT_FALSE(meters.at(0).Cripted);
    EXPECT_EQ(realValues(meters.at(0).List_Var), realValues(decodedRecords(realRecords("frame2"))));
}

TEST_F(WirelessIntake, ALaterTelegramReplacesRecordsTimeAndSignal)
{
    WirelessTelegramSpec first;
    first.cField = 0x44;
    first.records = realRecords("frame2");
    WirelessTelegramSpec later = first;
    later.cField = 0x46;
    later.layout = TransportLayout::ShortLinkShort;
    later.records = realRecords("kamstrup_382_005");
    const QDateTime laterAt = receivedAt().addSecs(16);

    ASSERT_TRUE(take(wirelessTelegram(first), 0x50));
    const auto report = take(wirelessTelegram(later), 0x40, TRadioModule::rmTelit, laterAt);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->index, 0);
    auto meters = list.lock();
    ASSERT_EQ(meters.count(), 1);
    const TSlave_wMBus &m = meters.at(0);
    EXPECT_EQ(m.Message_Type, 0x44) << "the first telegram's";
    EXPECT_EQ(m.DateTime, laterAt);
    EXPECT_EQ(m.RSSI, -66);
    EXPECT_EQ(realValues(m.List_Var), realValues(decodedRecords(later.records)));
}

TEST_F(WirelessIntake, AForeignTransportLayerChangesNothingButIsReported)
{
    WirelessTelegramSpec spec;
    spec.records = realRecords("frame2");
    ASSERT_TRUE(take(wirelessTelegram(spec), 0x50));
    spec.layout = TransportLayout::LongLinkShort;
    QByteArray foreign = wirelessTelegram(spec);
    foreign[19] = char(0x7F);
    const auto report = take(foreign, 0x10, TRadioModule::rmTelit, receivedAt().addSecs(5));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->index, 0);
    auto meters = list.lock();
    EXPECT_EQ(meters.at(0).DateTime, receivedAt());
    EXPECT_EQ(meters.at(0).RSSI, -82);
    EXPECT_FALSE(meters.at(0).Cripted);
    EXPECT_EQ(realValues(meters.at(0).List_Var), realValues(decodedRecords(spec.records)));
}

// A later telegram that claims more than it carries still counts: the meter
// is reported, unreadable and without records, never with half-read ones.
TEST_F(WirelessIntake, ALyingLaterTelegramLeavesTheMeterUnreadableButReported)
{
    const AesKey key = testKey(8);
    const QByteArray encrypted = wirelessTelegram(encryptedSpec(realRecords("frame2"), key));
    QByteArray moreBlocks = encrypted;
    moreBlocks[16] = char(0xF0); // fifteen blocks claimed
    WirelessTelegramSpec plainSpec;
    plainSpec.layout = TransportLayout::ShortLinkShort;
    plainSpec.records = realRecords("frame2");
    const QByteArray plain = wirelessTelegram(plainSpec);
    struct Case {
        const char *name;
        QByteArray telegram;
    };
    const Case cases[] = {
        {"encrypted blocks past the end", moreBlocks},
        {"encrypted, cut inside the first block", encrypted.left(25)},
        {"last record cut short", plain.left(plain.size() - 2)},
        {"cut before its data", plain.left(17)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        list.lock().clear();
        ASSERT_TRUE(take(plain));
        {
            auto meters = list.lock();
            ASSERT_FALSE(meters.at(0).List_Var.empty());
            meters.at(0).Key = key;
            meters.at(0).Enable_Key = true;
        }
        const auto report = take(c.telegram, 0x40, TRadioModule::rmTelit, receivedAt().addSecs(9));
        ASSERT_TRUE(report);
        EXPECT_EQ(report->index, 0);
        auto meters = list.lock();
        ASSERT_EQ(meters.count(), 1);
        EXPECT_TRUE(meters.at(0).Cripted);
        EXPECT_TRUE(meters.at(0).List_Var.empty());
        EXPECT_EQ(meters.at(0).DateTime, receivedAt().addSecs(9));
    }
}

TEST_F(WirelessIntake, MetersDifferingInOneIdentityValueAreTwo)
{
    WirelessTelegramSpec spec;
    spec.records = realRecords("frame2");
    ASSERT_EQ(take(wirelessTelegram(spec))->index, 0);
    spec.link.deviceType = 8;
    ASSERT_EQ(take(wirelessTelegram(spec))->index, 1);
    spec.link.deviceType = 7;
    ASSERT_EQ(take(wirelessTelegram(spec))->index, 0);
    auto meters = list.lock();
    EXPECT_EQ(meters.count(), 2);
    EXPECT_EQ(Find_Wireless_Slave(meters, 0x2C2D, 0x12345678, 3, 8), 1);
    EXPECT_EQ(Find_Wireless_Slave(meters, 0x2C2D, 0x12345678, 4, 8), -1);
}

TEST_F(WirelessIntake, ADatagramTooShortForAnIdentityChangesNothing)
{
    WirelessTelegramSpec spec;
    EXPECT_FALSE(take(wirelessTelegram(spec).left(10)));
    EXPECT_TRUE(list.lock().isEmpty());
}

TEST_F(WirelessIntake, AReportFindsItsMeterOnlyWhileItIsStillThere)
{
    WirelessTelegramSpec a;
    WirelessTelegramSpec b;
    b.link.address = 0x55555555;
    const WirelessReport report = *take(wirelessTelegram(a));
    {
        auto meters = list.lock();
        EXPECT_EQ(reportedMeter(meters, report), &meters.at(0));
        EXPECT_EQ(reportedMeter(meters, {1, report.identity}), nullptr);
        meters.clear();
    }
    take(wirelessTelegram(b)); // another meter now at that position
    auto meters = list.lock();
    EXPECT_EQ(reportedMeter(meters, report), nullptr);
}

} // namespace
