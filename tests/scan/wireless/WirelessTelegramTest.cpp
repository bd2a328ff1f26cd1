// Reading one relayed wireless telegram: identity, signal strength, which
// layouts read in plain, decryption, and telegrams that are short or lie
// about their own lengths.
#include "WirelessFixture.h"

#include "scan/RspUdDecoder.h"
#include "scan/WirelessTelegram.h"

using namespace scan;
using namespace testsupport;
using namespace wirelesstest;

namespace {

constexpr std::uint8_t Signal = 0x50;

std::optional<WirelessHeader> header(const QByteArray &telegram, TRadioModule module = TRadioModule::rmTelit)
{
    return readWirelessHeader(bytesOf(relayed(telegram, module)), module);
}

WirelessPayload payload(const QByteArray &telegram, std::optional<AesKey> key = std::nullopt,
                        TRadioModule module = TRadioModule::rmTelit)
{
    return readWirelessPayload(bytesOf(relayed(telegram, module)), module, key, receivedAt());
}

TEST(WirelessTelegram, IdentityOfTheLinkAndTheApplicationLayer)
{
    const MeterIdentity link{0x2C2D, 0x12345678, 3, 7};
    const MeterIdentity application{0x1596, 0x87654321, 0x10, 0x04};
    const WirelessIdentity linkId{0x2C2D, 0x12345678, 3, 7};
    const WirelessIdentity applicationId{0x1596, qint32(0x87654321), 0x10, 0x04};
    struct Case {
        TransportLayout layout;
        quint8 ci;
        WirelessIdentity expected;
    };
    const Case cases[] = {
        {TransportLayout::Short, 0x7A, linkId},
        {TransportLayout::Long, 0x72, applicationId},
        {TransportLayout::ShortLinkShort, 0x8C, linkId},
        {TransportLayout::ShortLinkLong, 0x8C, linkId},
        {TransportLayout::LongLinkShort, 0x8D, linkId},
        {TransportLayout::LongLinkLong, 0x8D, linkId},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.layout));
        WirelessTelegramSpec spec;
        spec.cField = 0x46;
        spec.link = link;
        spec.application = application;
        spec.layout = c.layout;
        spec.records = realRecords("frame2");
        for (const TRadioModule module : {TRadioModule::rmTelit, TRadioModule::rmRadioCrafts}) {
            const auto h = header(wirelessTelegram(spec), module);
            ASSERT_TRUE(h);
            EXPECT_EQ(h->cField, 0x46);
            EXPECT_EQ(h->ci, c.ci);
            EXPECT_EQ(h->link, linkId);
            EXPECT_EQ(h->application, c.expected);
        }
    }
    // A CI no layout covers still names its meter from the long header's place.
    WirelessTelegramSpec spec;
    spec.layout = TransportLayout::Long;
    spec.application = application;
    QByteArray other = wirelessTelegram(spec);
    other[10] = char(0x8E);
    EXPECT_EQ(header(other)->application, applicationId);
}

TEST(WirelessTelegram, SignalStrengthByModuleSaturates)
{
    struct Case {
        TRadioModule module;
        std::uint8_t last;
        qint8 rssi;
    };
    const Case cases[] = {
        {TRadioModule::rmTelit, 0x50, -82},
        {TRadioModule::rmTelit, 0x00, -2},
        {TRadioModule::rmTelit, 125, -127},
        {TRadioModule::rmTelit, 126, -128},
        {TRadioModule::rmTelit, 0xFF, -128}, // -257 does not wrap to -1
        {TRadioModule::rmRadioCrafts, 0x9C, -49},
        {TRadioModule::rmRadioCrafts, 0x00, 1},
        {TRadioModule::rmRadioCrafts, 0xFF, 1}, // -1 / 2 rounds toward zero
        {TRadioModule::rmRadioCrafts, 0x7F, 64},
        {TRadioModule::rmRadioCrafts, 0x80, -63},
    };
    WirelessTelegramSpec spec;
    spec.records = realRecords("frame2");
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.module) << " " << int(c.last));
        EXPECT_EQ(wirelessRssi(c.module, c.last), c.rssi);
        const QByteArray datagram = relayed(wirelessTelegram(spec), c.module, c.last);
        EXPECT_EQ(readWirelessHeader(bytesOf(datagram), c.module)->rssi, c.rssi);
    }
}

TEST(WirelessTelegram, WholeTelegramsAsEachModuleFramesThem)
{
    WirelessTelegramSpec spec;
    spec.records = realRecords("frame2");
    const QByteArray telegram = wirelessTelegram(spec);
    for (const TRadioModule module : {TRadioModule::rmTelit, TRadioModule::rmRadioCrafts}) {
        SCOPED_TRACE(int(module));
        const QByteArray datagram = relayed(telegram, module);
        EXPECT_EQ(datagram.size(), std::uint8_t(datagram[0]) + (module == TRadioModule::rmTelit ? 3 : 1));
        EXPECT_TRUE(isWholeTelegram(bytesOf(datagram), module));
        EXPECT_FALSE(isWholeTelegram(bytesOf(datagram.chopped(1)), module));
        EXPECT_FALSE(isWholeTelegram(bytesOf(datagram + '\0'), module));
    }
    EXPECT_FALSE(isWholeTelegram({}, TRadioModule::rmRadioCrafts));
    // "\n\rConfiguration_Mode Disabled!\n\r" is no telegram to either module.
    const QByteArray reply = "\n\rConfiguration_Mode Disabled!\n\r";
    EXPECT_FALSE(isWholeTelegram(bytesOf(reply), TRadioModule::rmTelit));
    EXPECT_FALSE(isWholeTelegram(bytesOf(reply), TRadioModule::rmRadioCrafts));
}

TEST(WirelessTelegram, WhichLayoutsReadInPlain)
{
    const QByteArray records = realRecords("frame2");
    const QByteArray marked = QByteArray(2, '\x2F') + records;
    struct Case {
        const char *name;
        TransportLayout layout;
        std::uint8_t mode;
        QByteArray records;
        bool cripted;
    };
    const Case cases[] = {
        {"short header, mode 0", TransportLayout::Short, 0, records, false},
        {"short header, mode 5 decrypted by the module", TransportLayout::Short, 5, marked, false},
        {"short header, mode 5 not decrypted", TransportLayout::Short, 5, records, true},
        {"long header without the mark", TransportLayout::Long, 0, records, true},
        {"long header with the mark, whatever the mode", TransportLayout::Long, 7, marked, false},
        {"short link, short header, mode 0", TransportLayout::ShortLinkShort, 0, records, false},
        {"short link, long header, mode 0", TransportLayout::ShortLinkLong, 0, records, false},
        {"short link, long header, mode 5 marked", TransportLayout::ShortLinkLong, 5, marked, false},
        {"short link, no header", TransportLayout::ShortLinkNone, 0, records, false},
        {"long link, short header, mode 0", TransportLayout::LongLinkShort, 0, records, false},
        {"long link, short header, mode 5 marked", TransportLayout::LongLinkShort, 5, marked, false},
        {"long link, short header, mode 7", TransportLayout::LongLinkShort, 7, marked, true},
        {"long link, long header, mode 0", TransportLayout::LongLinkLong, 0, records, false},
        {"long link, no header", TransportLayout::LongLinkNone, 0, records, false},
    };
    const std::vector<QString> expected = realValues(decodedRecords(records));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        WirelessTelegramSpec spec;
        spec.layout = c.layout;
        spec.mode = c.mode;
        spec.records = c.records;
        const WirelessPayload p = payload(wirelessTelegram(spec));
        EXPECT_TRUE(p.taken);
        EXPECT_EQ(p.cripted, c.cripted);
        EXPECT_EQ(realValues(p.records), c.cripted ? std::vector<QString>{} : expected);
    }
}

TEST(WirelessTelegram, LinkExtensionsWithAForeignTransportLayer)
{
    WirelessTelegramSpec spec;
    spec.layout = TransportLayout::LongLinkShort;
    spec.records = realRecords("frame2");
    QByteArray foreign = wirelessTelegram(spec);
    foreign[19] = char(0x7F);
    EXPECT_FALSE(payload(foreign).taken);

    // An authenticated link extension: its transport CI sits at byte 27.
    QByteArray authenticated = wirelessTelegram(spec);
    authenticated[10] = char(0x8F);
    authenticated[27] = char(0x7A);
    const WirelessPayload readable = payload(authenticated);
    EXPECT_TRUE(readable.taken);
    EXPECT_TRUE(readable.cripted) << "no layout is read behind it";
    authenticated[27] = char(0x7F);
    EXPECT_FALSE(payload(authenticated).taken);
}

TEST(WirelessTelegram, DecryptsModeFiveBehindAShortLinkExtension)
{
    const AesKey key = testKey(1);
    const AesKey wrong = testKey(2);
    const QByteArray records = realRecords("frame2");
    const std::vector<QString> expected = realValues(decodedRecords(records));

    WirelessTelegramSpec spec = encryptedSpec(records, key);
    const QByteArray telegram = wirelessTelegram(spec);
    ASSERT_NE(spec.linkAccessNumber, spec.accessNumber) << "the vector must take the transport's access number";

    const WirelessPayload right = payload(telegram, key);
    EXPECT_FALSE(right.cripted);
    EXPECT_EQ(realValues(right.records), expected);
    EXPECT_EQ(payload(telegram, key, TRadioModule::rmRadioCrafts).cripted, false);

    const WirelessPayload garbled = payload(telegram, wrong);
    EXPECT_TRUE(garbled.cripted);
    EXPECT_TRUE(garbled.records.empty());
    EXPECT_TRUE(payload(telegram).cripted) << "no key";

    // A payload the module has already decrypted is not decrypted again.
    WirelessTelegramSpec decrypted = spec;
    decrypted.key.reset();
    decrypted.mode = 5;
    decrypted.records = QByteArray(2, '\x2F') + records;
    const WirelessPayload plain = payload(wirelessTelegram(decrypted), key);
    EXPECT_FALSE(plain.cripted);
    EXPECT_EQ(realValues(plain.records), expected);

    // Only this layout is decrypted here; the module decrypts the others.
    WirelessTelegramSpec shortHeader = spec;
    shortHeader.layout = TransportLayout::Short;
    EXPECT_TRUE(payload(wirelessTelegram(shortHeader), key).cripted);
}

TEST(WirelessTelegram, FiveEncryptedBlocksAreEightyBytes)
{
    const AesKey key = testKey(3);
    // "2F 2F" and 70 bytes of records: five blocks.
    const QByteArray records = QByteArray::fromHex("0C1378563412").repeated(11); // volumes, 8 BCD digits
    const QByteArray telegram = wirelessTelegram(encryptedSpec(records, key));
    ASSERT_EQ(std::uint8_t(telegram[16]), 0x50);
    ASSERT_EQ(std::uint8_t(telegram[17]), 0x05);
    ASSERT_EQ(telegram.size(), 18 + 80);
    const WirelessPayload p = payload(telegram, key);
    EXPECT_FALSE(p.cripted);
    EXPECT_EQ(realValues(p.records).size(), 11u);
}

TEST(WirelessTelegram, ShortOrLyingTelegramsAreNeverReadPastTheirEnd)
{
    const AesKey key = testKey(4);
    const QByteArray records = realRecords("frame2");
    WirelessTelegramSpec plainSpec;
    plainSpec.records = records;
    const QByteArray plain = wirelessTelegram(plainSpec);
    const QByteArray encrypted = wirelessTelegram(encryptedSpec(records, key));
    WirelessTelegramSpec longLink;
    longLink.layout = TransportLayout::LongLinkLong;
    longLink.records = records;

    // Each becomes an exactly sized datagram: any read past it is a fault
    // the address sanitizer reports.
    struct Case {
        const char *name;
        QByteArray telegram;
        bool cripted;
    };
    QByteArray moreBlocks = encrypted;
    moreBlocks[16] = char(0xF0); // fifteen blocks claimed, two present
    QByteArray cutRecord = plain.left(plain.size() - 2);
    const Case cases[] = {
        {"encrypted blocks past the end", moreBlocks, true},
        {"last record cut short", cutRecord, true},
        {"short header without its configuration field", plain.left(13), true},
        {"short header with nothing after its configuration field", plain.left(15), false},
        {"encrypted, cut inside the first block", encrypted.left(25), true},
        {"long link extension cut before its transport CI", wirelessTelegram(longLink).left(19), true},
        {"long link, long header cut before its data", wirelessTelegram(longLink).left(31), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const WirelessPayload p = payload(c.telegram, key);
        EXPECT_TRUE(p.taken);
        EXPECT_EQ(p.cripted, c.cripted);
        EXPECT_TRUE(p.records.empty());
    }

    // Too short for the meter's identity: no header at all.
    for (const TRadioModule module : {TRadioModule::rmTelit, TRadioModule::rmRadioCrafts}) {
        EXPECT_FALSE(header(plain.left(10), module));
        EXPECT_TRUE(header(plain.left(11), module));
        WirelessTelegramSpec longSpec;
        longSpec.layout = TransportLayout::Long;
        EXPECT_FALSE(header(wirelessTelegram(longSpec).left(18), module));
        EXPECT_FALSE(readWirelessHeader({}, module));
    }
}

} // namespace
