// Frames byte for byte, the C-field rule, the answer time-outs and how
// answers are told apart.
#include "scan/AnalyzerProtocol.h"
#include "scan/ScanClock.h"

#include <gtest/gtest.h>

using namespace scan;

namespace {

std::span<const std::uint8_t> bytes(const QByteArray &b)
{
    return {reinterpret_cast<const std::uint8_t *>(b.constData()), std::size_t(b.size())};
}

TEST(AnalyzerFrames, AreBuiltByteForByte)
{
    const SecondaryDigits ab = {1, 2, -1, -1, -1, -1, -1, -1};
    const SecondaryDigits all = {1, 2, 3, 4, 5, 6, 7, 8};
    const std::pair<QByteArray, const char *> cases[] = {
        {Build_SND_NKE(5), "10 40 05 45 16"},
        {Build_SND_NKE(255), "10 40 FF 3F 16"},
        {Build_REQ_UD2(5, reqUd2CField(false, 0, 0)), "10 7B 05 80 16"},
        {Build_REQ_UD2(5, reqUd2CField(false, 0, 1)), "10 5B 05 60 16"},
        {Build_App_Reset(5, sndUdCField(false, 0)), "68 03 03 68 73 05 50 C8 16"},
        {Build_App_Reset(5, sndUdCField(true, 0)), "68 03 03 68 53 05 50 A8 16"},
        {Build_App_Reset(5, sndUdCField(true, 1)), "68 03 03 68 73 05 50 C8 16"},
        {Build_Select_Secondary(ab, sndUdCField(false, 0)), "68 0B 0B 68 73 FD 52 FF FF FF 12 FF FF FF FF CD 16"},
        {Build_Select_Secondary(all, sndUdCField(false, 0)), "68 0B 0B 68 73 FD 52 78 56 34 12 FF FF FF FF D2 16"},
    };
    for (const auto &[frame, expected] : cases)
        EXPECT_EQ(frame.toHex(' ').toUpper(), QByteArray(expected));
}

TEST(AnalyzerFrames, ReqUd2AlternatesItsFrameCountBitUnlessFixed)
{
    struct Case {
        bool fix;
        quint8 value;
        qint32 framesRead;
        std::uint8_t c;
    };
    const Case cases[] = {
        {false, 0, 0, 0x7B}, {false, 0, 1, 0x5B}, {false, 1, 2, 0x7B}, {false, 0, 3, 0x5B},
        {true, 1, 0, 0x7B},  {true, 1, 1, 0x7B},  {true, 0, 0, 0x5B},  {true, 0, 1, 0x5B},
        {true, 7, 1, 0x7B},
    };
    for (const Case &c : cases)
        EXPECT_EQ(reqUd2CField(c.fix, c.value, c.framesRead), c.c) << c.fix << " " << int(c.value) << " " << c.framesRead;
}

TEST(AnalyzerTimeouts, FollowTheBaudRateAndTheRemoteWait)
{
    struct Case {
        qint32 baud, add, shortMs, longMs;
    };
    const Case cases[] = {
        {2400, 0, 587, 1802},
        {2400, RemoteAddTimeout, 10587, 11802},
        {300, 0, 1550, 11266},
        {38400, 0, 458, 534},
        {0, 0, 587, 1802},    // never divides by zero: 2400
        {-9600, 0, 587, 1802},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(shortAnswerTimeout(c.baud, c.add), c.shortMs) << c.baud;
        EXPECT_EQ(longAnswerTimeout(c.baud, c.add), c.longMs) << c.baud;
    }
    EXPECT_EQ(textCommandTimeout(0), 1000);
    EXPECT_EQ(textCommandTimeout(RemoteAddTimeout), 11000);
}

TEST(AnalyzerTimeouts, LastTheirFullLengthAcrossTheTickWrap)
{
    struct Case {
        quint32 start, now;
        qint32 timeout;
        bool timedOut;
    };
    const Case cases[] = {
        {1000, 2000, 1000, false},           {1000, 2001, 1000, true},
        {0xFFFFFF00u, 0xFFFFFFFFu, 587, false}, {0xFFFFFF00u, 0x100u, 587, false},
        {0xFFFFFF00u, 0x14Cu, 587, true},      {0xFFFFFFFFu, 0u, 0, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(tickTimedOut(c.now, c.start, c.timeout), c.timedOut) << std::hex << c.start << " " << c.now;
}

TEST(AnalyzerAnswers, AreToldApartExactly)
{
    const QByteArray noSlave = QByteArray::fromHex("4E4F5F534C4156450A0D");
    EXPECT_TRUE(isNoSlave(bytes(noSlave)));
    EXPECT_FALSE(isNoSlave(bytes(noSlave + '\0')));
    EXPECT_FALSE(isNoSlave(bytes(noSlave.left(9))));

    EXPECT_TRUE(isAcknowledgement(bytes(QByteArray::fromHex("E5"))));
    for (const char *other : {"", "E5E5", "E4", "00E5"})
        EXPECT_FALSE(isAcknowledgement(bytes(QByteArray::fromHex(other)))) << other;

    const QByteArray enabled("\n\rAnalyzer_Mode Enabled!\n\r");
    EXPECT_TRUE(isReply(bytes(enabled), analyzer::AnalyzerModeEnabled));
    EXPECT_FALSE(isReply(bytes(enabled + 'x'), analyzer::AnalyzerModeEnabled));
    EXPECT_FALSE(isReply(bytes(enabled.chopped(1)), analyzer::AnalyzerModeEnabled));
    EXPECT_FALSE(isReply(bytes(enabled), analyzer::AnalyzerModeDisabled));
}

} // namespace
