// The wireless step machine against the simulated converter in process: the
// module query, the Telit and RadioCrafts set-ups byte for byte, key
// installation, the end steps and the answers that end a scan.
#include "WirelessFixture.h"

using namespace scan;
using namespace testsupport;
using namespace wirelesstest;

namespace {

std::vector<QByteArray> texts(std::initializer_list<std::string_view> list)
{
    std::vector<QByteArray> out;
    for (const std::string_view t : list)
        out.push_back(text(t));
    return out;
}

std::vector<QByteArray> hexes(std::initializer_list<const char *> list)
{
    std::vector<QByteArray> out;
    for (const char *h : list)
        out.push_back(QByteArray::fromHex(h));
    return out;
}

template <class T>
std::vector<T> operator+(std::vector<T> a, const std::vector<T> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<QByteArray> ModuleQuery =
    texts({analyzer::EnableConfigurationMode, analyzer::TypeRadioModule});

class WirelessSteps : public WirelessScan {};

TEST_F(WirelessSteps, TelitSetUpByModeAndChannel)
{
    struct Case {
        const char *name;
        qint32 mode;
        qint32 channel;
        std::vector<QByteArray> commands;
    };
    const std::vector<QByteArray> common = texts({"+++", "ATR\r"});
    const Case cases[] = {
        {"T", wmbus::ModeT, 0,
         texts({"ATS400=5\r", "ATS401=0\r", "ATS402=191\r", "ATS420=0\r", "ATS421=0\r", "ATS422=3\r", "ATS430=5\r",
                "ATS431=5\r", "ATS440=0\r", "ATS441=0\r", "ATS442=0\r", "ATS452=0\r", "ATS453=0\r", "ATS454=0\r",
                "ATO\r"})},
        {"S", wmbus::ModeS, 3,
         texts({"ATS400=1\r", "ATS401=0\r", "ATS402=191\r", "ATS420=3\r", "ATS421=0\r", "ATS422=3\r", "ATS430=5\r",
                "ATS431=5\r", "ATS440=0\r", "ATS441=0\r", "ATS442=0\r", "ATS452=0\r", "ATS453=0\r", "ATS454=0\r",
                "ATO\r"})},
        {"C", wmbus::ModeC, 2,
         texts({"ATS400=11\r", "ATS401=0\r", "ATS402=191\r", "ATS420=2\r", "ATS421=0\r", "ATS422=3\r",
                "ATS430=5\r", "ATS431=5\r", "ATS440=0\r", "ATS441=0\r", "ATS442=0\r", "ATS452=0\r", "ATS453=0\r",
                "ATS454=0\r", "ATO\r"})},
        {"N1", wmbus::ModeN1, 6,
         texts({"ATS400=15\r", "ATS401=0\r", "ATS402=191\r", "ATS420=6\r", "ATS422=3\r", "ATS430=5\r", "ATS431=5\r",
                "ATS440=0\r", "ATS441=0\r", "ATS452=0\r", "ATS453=0\r", "ATO\r"})},
        {"N2", wmbus::ModeN2, 8,
         texts({"ATS400=17\r", "ATS401=0\r", "ATS402=191\r", "ATS420=8\r", "ATS422=3\r", "ATS430=5\r", "ATS431=5\r",
                "ATS440=0\r", "ATS441=0\r", "ATS452=0\r", "ATS453=0\r", "ATO\r"})},
    };
    converter.setRadio(SimulatedRadio::Kind::Telit);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t mark = sentCount();
        ASSERT_TRUE(start(c.mode, c.channel).started());
        ASSERT_TRUE(gate.waitHeld());
        EXPECT_EQ(engine->Result(), 1);
        EXPECT_EQ(sentFrom(mark), ModuleQuery + common + c.commands);
        EXPECT_EQ(converter.radio()->registers().at(400), c.mode);
        stopToEnd();
        EXPECT_EQ(sentFrom(mark).back(), text(analyzer::DisableConfigurationMode));
        EXPECT_EQ(engine->Result(), 1);
        EXPECT_FALSE(converter.inConfigurationMode());
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(WirelessSteps, RadioCraftsSetUpClearsTheKeyTable)
{
    converter.setRadio(SimulatedRadio::Kind::RadioCrafts);
    ASSERT_TRUE(start(wmbus::ModeC).started());
    ASSERT_TRUE(gate.waitHeld());
    std::vector<QByteArray> expected = ModuleQuery + hexes({"00", "30", "4D", "030A0400050112011617 3A013D023701", "FF"});
    std::vector<int> entries;
    for (int entry = 1; entry <= 63; ++entry) {
        expected = expected + hexes({"42"}) + std::vector<QByteArray>{QByteArray(1, char(entry)), QByteArray(8, '\0')};
        entries.push_back(entry);
    }
    expected.push_back(QByteArray::fromHex("58"));
    EXPECT_EQ(sentFrom(0), expected);
    const SimulatedRadio radio = *converter.radio();
    EXPECT_EQ(radio.erased(), entries);
    EXPECT_EQ(radio.memorySettings(), QByteArray::fromHex("030A0400050112011617 3A013D023701"));
    EXPECT_TRUE(radio.relaying());

    // Nothing answers the settings (a wait of 500 ms) nor an entry's number
    // (100 ms); the next command follows within a few steps of the time-out.
    const auto log = converter.received();
    EXPECT_GT(log[6].tick - log[5].tick, 500u);
    EXPECT_LT(log[6].tick - log[5].tick, 500u + 3 * 40u);
    EXPECT_GT(log[9].tick - log[8].tick, 100u);
    EXPECT_LT(log[9].tick - log[8].tick, 100u + 3 * 40u);
    stopToEnd();
    EXPECT_EQ(engine->Result(), 1);
}

TEST_F(WirelessSteps, AnswersThatEndTheScan)
{
    using Kind = SimulatedRadio::Kind;
    const auto replyTo = [](QByteArray datagram, QByteArray reply) {
        return [datagram, reply](const QByteArray &d) -> std::optional<std::vector<QByteArray>> {
            if (d == datagram)
                return std::vector<QByteArray>{reply};
            return std::nullopt;
        };
    };
    struct Case {
        const char *name;
        std::optional<Kind> radio;
        SimulatedConverter::Override override;
        std::size_t lastSent; // how many datagrams before the end command
    };
    const Case cases[] = {
        {"no radio module", std::nullopt, {}, 2},
        {"an unknown module", Kind::Telit, replyTo(text(analyzer::TypeRadioModule), "\n\rOTHER\n\r"), 2},
        {"a module name with an extra byte", Kind::RadioCrafts,
         replyTo(text(analyzer::TypeRadioModule), text(analyzer::RadioCraftsModule) + '\0'), 2},
        {"configuration mode answered wrongly", Kind::Telit,
         replyTo(text(analyzer::EnableConfigurationMode), "\n\rConfiguration_Mode Enable!\n\r"), 1},
        {"a Telit register refused", Kind::Telit, replyTo("ATS402=191\r", "ERROR\r"), 2 + 5},
        {"a Telit reply with a line feed", Kind::Telit, replyTo("ATR\r", "OK\r\n"), 2 + 2},
        {"RadioCrafts memory of 256 bytes", Kind::RadioCrafts,
         replyTo(QByteArray::fromHex("30"), QByteArray(255, '\x11') + '>'), 2 + 2},
        {"RadioCrafts memory not ending in the prompt", Kind::RadioCrafts,
         replyTo(QByteArray::fromHex("30"), QByteArray(257, '\x11')), 2 + 2},
        {"RadioCrafts prompt doubled", Kind::RadioCrafts, replyTo(QByteArray::fromHex("00"), ">>"), 2 + 1},
        {"RadioCrafts entry not prompted", Kind::RadioCrafts, replyTo(QByteArray(8, '\0'), "?>"), 2 + 5 + 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        converter.setRadio(c.radio);
        converter.setOverride(c.override);
        const std::size_t mark = sentCount();
        ASSERT_TRUE(start().started());
        ASSERT_TRUE(engine->waitUntilIdle(30s));
        EXPECT_EQ(engine->Result(), 2);
        const std::vector<QByteArray> sent = sentFrom(mark);
        ASSERT_EQ(sent.size(), c.lastSent + 1) << "the end command comes at once, and once";
        EXPECT_EQ(sent.back(), text(analyzer::DisableConfigurationMode));
        EXPECT_FALSE(converter.inConfigurationMode());
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(WirelessSteps, TheEndCommandIsSentAtMostThreeTimes)
{
    converter.setRadio(SimulatedRadio::Kind::Telit);
    converter.setDisableReply(SimulatedConverter::ModeReply::Nothing);
    ASSERT_TRUE(start().started());
    ASSERT_TRUE(gate.waitHeld());
    const std::size_t mark = sentCount();
    stopToEnd();
    EXPECT_EQ(sentFrom(mark), texts({analyzer::DisableConfigurationMode, analyzer::DisableConfigurationMode,
                                     analyzer::DisableConfigurationMode}));
    const auto log = converter.received();
    for (std::size_t i = mark + 1; i < log.size(); ++i)
        EXPECT_GT(log[i].tick - log[i - 1].tick, 1000u) << "each after its time-out";
    EXPECT_EQ(engine->Result(), 1);
    EXPECT_FALSE(engine->InScan());
    EXPECT_TRUE(reports().empty());
}

TEST_F(WirelessSteps, AnAbortWhileWaitingForAReplyEndsTheWaitAtTheNextStep)
{
    // The module keeps silent on a register, and the abort comes meanwhile.
    const QByteArray silent = "ATS402=191\r";
    converter.setRadio(SimulatedRadio::Kind::Telit);
    makeEngine();
    converter.setOverride([this, silent](const QByteArray &d) -> std::optional<std::vector<QByteArray>> {
        if (d != silent)
            return std::nullopt;
        engine->Abort_Scan();
        return std::vector<QByteArray>{};
    });
    ASSERT_TRUE(start().started());
    ASSERT_TRUE(engine->waitUntilIdle(30s));
    const auto log = converter.received();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2].bytes, silent);
    EXPECT_EQ(log.back().bytes, text(analyzer::DisableConfigurationMode)) << "nothing but the end command";
    EXPECT_LT(log.back().tick - log[log.size() - 2].tick, 1000u) << "the end came before the reply's time-out";
    EXPECT_FALSE(converter.inConfigurationMode());
    EXPECT_EQ(engine->Result(), 1);
}

TEST_F(WirelessSteps, OverASerialPortNothingIsSentUntilTheStop)
{
    converter.setRadio(SimulatedRadio::Kind::Telit);
    ASSERT_TRUE(start(wmbus::ModeT, 0, TSelectHard::shSerial).started());
    EXPECT_TRUE(engine->InScan());
    engine->Abort_Scan();
    ASSERT_TRUE(engine->waitUntilIdle(30s));
    EXPECT_EQ(sentCount(), 0u);
}

TEST_F(WirelessSteps, TelitKeyInstallation)
{
    const int index = addMeter({0x2C2D, 0x12345678, 3, 7});
    startToReception(TRadioModule::rmTelit);
    const AesKey key = testKey(5);
    const std::size_t mark = sentCount();
    ASSERT_TRUE(engine->Insert_Wireless_Key(index, key));
    backToReception();

    std::vector<QByteArray> expected = texts({"+++", "ATS461=45\r", "ATS462=44\r", "ATS463=120\r", "ATS464=86\r",
                                              "ATS465=52\r", "ATS466=18\r", "ATS467=3\r", "ATS468=7\r"});
    for (int i = 0; i < 16; ++i)
        expected.push_back("ATS" + QByteArray::number(470 + i) + '=' + QByteArray::number(key[std::size_t(i)]) + '\r');
    expected = expected + texts({"ATS460=5\r", "ATO\r"});
    EXPECT_EQ(sentFrom(mark), expected);
    {
        auto list = meters.lock();
        EXPECT_TRUE(list.at(index).Enable_Key);
        EXPECT_EQ(list.at(index).Key, key);
    }
    EXPECT_EQ(converter.radio()->registers().at(485), key[15]);
    stopToEnd();
    EXPECT_EQ(engine->Result(), 1);
}

TEST_F(WirelessSteps, RadioCraftsKeysTakeTheNextTableEntry)
{
    const int first = addMeter({0x2C2D, 0x12345678, 3, 7});
    const int second = addMeter({0x2C2D, 0x12345679, 3, 7});
    startToReception(TRadioModule::rmRadioCrafts);

    const AesKey key = testKey(6);
    std::size_t mark = sentCount();
    ASSERT_TRUE(engine->Insert_Wireless_Key(first, key));
    backToReception();
    const QByteArray keyBytes(reinterpret_cast<const char *>(key.data()), 16);
    EXPECT_EQ(sentFrom(mark), hexes({"00", "42", "01", "785634122D2C0307", "4B", "01"})
                                  + std::vector<QByteArray>{keyBytes} + hexes({"41", "01", "0040", "58"}));

    ASSERT_TRUE(engine->Insert_Wireless_Key(second, testKey(7)));
    backToReception();
    // Entered again, a meter keeps its entry.
    mark = sentCount();
    ASSERT_TRUE(engine->Insert_Wireless_Key(first, testKey(8)));
    backToReception();
    EXPECT_EQ(sentFrom(mark)[2], QByteArray::fromHex("01"));

    {
        auto list = meters.lock();
        EXPECT_EQ(list.at(first).RadioCrafts_Ind_Tab_Decript, 1);
        EXPECT_EQ(list.at(second).RadioCrafts_Ind_Tab_Decript, 2);
        EXPECT_EQ(list.at(first).Key, testKey(8));
    }
    const SimulatedRadio radio = *converter.radio();
    EXPECT_EQ(radio.table().at(1).key, QByteArray(reinterpret_cast<const char *>(testKey(8).data()), 16));
    EXPECT_EQ(radio.table().at(2).address, QByteArray::fromHex("795634122D2C0307"));
    stopToEnd();
}

TEST_F(WirelessSteps, ThePastTheEndEntryIsRefused)
{
    for (int i = 0; i < 65; ++i)
        addMeter({0x2C2D, 0x10000000u + std::uint32_t(i), 3, 7});
    startToReception(TRadioModule::rmRadioCrafts);
    for (int i = 0; i < 64; ++i) {
        ASSERT_TRUE(engine->Insert_Wireless_Key(i, testKey(i)));
        backToReception();
    }
    const std::size_t mark = sentCount();
    EXPECT_FALSE(engine->Insert_Wireless_Key(64, testKey(64)));
    {
        auto list = meters.lock();
        EXPECT_EQ(list.at(63).RadioCrafts_Ind_Tab_Decript, 64);
        EXPECT_EQ(list.at(64).RadioCrafts_Ind_Tab_Decript, -1);
        EXPECT_FALSE(list.at(64).Enable_Key);
    }
    stopToEnd();
    EXPECT_EQ(sentFrom(mark), texts({analyzer::DisableConfigurationMode}));
}

TEST_F(WirelessSteps, KeysRefusedOutsideReception)
{
    const int index = addMeter();
    makeEngine();
    const AesKey key = testKey(9);
    EXPECT_FALSE(engine->Insert_Wireless_Key(index, key)) << "no scan";

    startToReception(TRadioModule::rmTelit);
    EXPECT_FALSE(engine->Insert_Wireless_Key(index + 1, key)) << "no such meter";
    EXPECT_FALSE(engine->Insert_Wireless_Key(-1, key)) << "no such meter";
    EXPECT_FALSE(engine->Insert_Wireless_Key(index, std::span(key).first(15))) << "too short";
    stopToEnd();
    EXPECT_FALSE(engine->Insert_Wireless_Key(index, key)) << "scan ended";

    auto list = meters.lock();
    EXPECT_FALSE(list.at(index).Enable_Key);
    EXPECT_EQ(list.at(index).Key, AesKey{});
}

TEST_F(WirelessSteps, AKeyEnteredWithAStopDoesNotUndoTheEnd)
{
    const int index = addMeter();
    startToReception(TRadioModule::rmTelit);
    const std::size_t mark = sentCount();
    engine->Stop_Scan();
    // The engine has not seen the stop yet: the key is taken, but the next
    // step ends the scan instead of installing it.
    EXPECT_TRUE(engine->Insert_Wireless_Key(index, testKey(10)));
    stopToEnd();
    EXPECT_EQ(sentFrom(mark), texts({analyzer::DisableConfigurationMode}));
    EXPECT_FALSE(engine->InScan());
}

} // namespace
