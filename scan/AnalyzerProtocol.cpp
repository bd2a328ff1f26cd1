#include "scan/AnalyzerProtocol.h"

#include <algorithm>
#include <initializer_list>

namespace scan {

namespace {

using namespace mbus;

constexpr std::uint8_t SndUdFcbSet = 0x73;
constexpr std::uint8_t SndUdFcbClear = 0x53;
constexpr std::int32_t DefaultBaudrate = 2400;

// Bits on the wire for the longest answer of each kind, in 1/1000 of a
// second per baud, and the converter's own turn-around.
constexpr std::int32_t ShortAnswerBitTime = 330000;
constexpr std::int32_t LongAnswerBitTime = 3245000;
constexpr std::int32_t ConverterLatency = 400 + 50;
constexpr std::int32_t TextReplyTimeout = 1000;

std::uint8_t checksum(const QByteArray &bytes, qsizetype from)
{
    std::uint8_t sum = 0;
    for (qsizetype i = from; i < bytes.size(); ++i)
        sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(bytes[i]));
    return sum;
}

QByteArray shortFrame(std::uint8_t cField, std::uint8_t address)
{
    QByteArray frame;
    frame.append(char(ShortFrameStart)).append(char(cField)).append(char(address));
    frame.append(char(checksum(frame, 1))).append(char(FrameStop));
    return frame;
}

QByteArray longFrame(std::uint8_t cField, std::uint8_t address, std::initializer_list<std::uint8_t> userData)
{
    const auto length = static_cast<char>(2 + userData.size());
    QByteArray frame;
    frame.append(char(LongFrameStart)).append(length).append(length).append(char(LongFrameStart));
    frame.append(char(cField)).append(char(address));
    for (const std::uint8_t b : userData)
        frame.append(char(b));
    frame.append(char(checksum(frame, 4))).append(char(FrameStop));
    return frame;
}

std::uint8_t digitPair(std::int32_t high, std::int32_t low)
{
    const auto nibble = [](std::int32_t digit) { return digit < 0 ? 0xF : digit & 0xF; };
    return static_cast<std::uint8_t>(nibble(high) << 4 | nibble(low));
}

std::int32_t usableBaudrate(std::int32_t baudrate) { return baudrate > 0 ? baudrate : DefaultBaudrate; }

} // namespace

QByteArray Build_SND_NKE(std::uint8_t address) { return shortFrame(SndNke, address); }

QByteArray Build_REQ_UD2(std::uint8_t address, std::uint8_t cField) { return shortFrame(cField, address); }

QByteArray Build_App_Reset(std::uint8_t address, std::uint8_t cField)
{
    return longFrame(cField, address, {CiApplicationReset});
}

QByteArray Build_Select_Secondary(const SecondaryDigits &d, std::uint8_t cField)
{
    // Identification least significant byte first; manufacturer, version and
    // medium left as wildcards.
    return longFrame(cField, SelectedSlaveAddress,
                     {CiSelection, digitPair(d[6], d[7]), digitPair(d[4], d[5]), digitPair(d[2], d[3]),
                      digitPair(d[0], d[1]), 0xFF, 0xFF, 0xFF, 0xFF});
}

std::uint8_t reqUd2CField(bool fixCField, std::uint8_t fixCFieldValue, std::int32_t framesRead)
{
    if (fixCField)
        return fixCFieldValue != 0 ? mbus::ReqUd2FcbSet : mbus::ReqUd2FcbClear;
    return framesRead % 2 == 0 ? mbus::ReqUd2FcbSet : mbus::ReqUd2FcbClear;
}

std::uint8_t sndUdCField(bool fixCField, std::uint8_t fixCFieldValue)
{
    return fixCField && fixCFieldValue == 0 ? SndUdFcbClear : SndUdFcbSet;
}

std::int32_t textCommandTimeout(std::int32_t addTimeout) { return addTimeout + TextReplyTimeout; }

std::int32_t shortAnswerTimeout(std::int32_t baudrate, std::int32_t addTimeout)
{
    return ShortAnswerBitTime / usableBaudrate(baudrate) + ConverterLatency + addTimeout;
}

std::int32_t longAnswerTimeout(std::int32_t baudrate, std::int32_t addTimeout)
{
    return LongAnswerBitTime / usableBaudrate(baudrate) + ConverterLatency + addTimeout;
}

bool isReply(std::span<const std::uint8_t> answer, std::string_view expected)
{
    return std::equal(answer.begin(), answer.end(), expected.begin(), expected.end(),
                      [](std::uint8_t a, char e) { return a == static_cast<std::uint8_t>(e); });
}

bool isAcknowledgement(std::span<const std::uint8_t> answer)
{
    return answer.size() == 1 && answer[0] == analyzer::Acknowledgement;
}

bool isNoSlave(std::span<const std::uint8_t> answer) { return isReply(answer, analyzer::NoSlave); }

} // namespace scan
