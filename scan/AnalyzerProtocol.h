#pragma once
// The converter's analyzer mode as the scan engine speaks it: the text
// commands and their exact replies, the M-Bus frames (EN 13757-2) that the
// wired scan sends through the converter, how an answer is told apart, and
// the answer time-outs.
#include <QByteArray>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace scan {

// UDP port of the converter's analyzer mode.
inline constexpr std::uint16_t AnalyzerPort = 10000;

// Most bytes of one answer that the engine keeps.
inline constexpr int AnswerBufferSize = 2051;

// Extra wait for every answer when the converter is reached over a slow
// remote link.
inline constexpr std::int32_t RemoteAddTimeout = 10000;

namespace analyzer {

inline constexpr std::string_view EnableAnalyzerMode = "Tervik_Enable_Analyzer_Mode";
inline constexpr std::string_view AnalyzerModeEnabled = "\n\rAnalyzer_Mode Enabled!\n\r";
inline constexpr std::string_view DisableAnalyzerMode = "Tervik_Disable_Analyzer_Mode";
inline constexpr std::string_view AnalyzerModeDisabled = "\n\rAnalyzer_Mode Disabled!\n\r";

// What the converter relays when no slave answered a frame.
inline constexpr std::string_view NoSlave = "NO_SLAVE\n\r";

inline constexpr std::uint8_t Acknowledgement = 0xE5;

} // namespace analyzer

namespace mbus {

inline constexpr std::uint8_t ShortFrameStart = 0x10;
inline constexpr std::uint8_t LongFrameStart = 0x68;
inline constexpr std::uint8_t FrameStop = 0x16;
inline constexpr std::size_t ShortFrameSize = 5;
inline constexpr std::size_t LongFrameOverhead = 6; // 68 L L 68 ... CS 16 around the L bytes

inline constexpr std::uint8_t SndNke = 0x40;
inline constexpr std::uint8_t CiApplicationReset = 0x50;
inline constexpr std::uint8_t CiSelection = 0x52;

inline constexpr std::uint8_t BroadcastAddress = 255;
inline constexpr std::uint8_t SelectedSlaveAddress = 253; // the slave selected by secondary address
inline constexpr int HighestPrimaryAddress = 250;

// C fields of REQ_UD2 with the frame count bit set and cleared.
inline constexpr std::uint8_t ReqUd2FcbSet = 0x7B;
inline constexpr std::uint8_t ReqUd2FcbClear = 0x5B;
inline constexpr std::uint8_t FrameCountBit = 0x20;

} // namespace mbus

// Search digits A (most significant) to H of an identification number;
// -1 is a digit not chosen yet, sent as the wildcard nibble F.
using SecondaryDigits = std::array<std::int32_t, 8>;

QByteArray Build_SND_NKE(std::uint8_t address);
QByteArray Build_REQ_UD2(std::uint8_t address, std::uint8_t cField);
QByteArray Build_App_Reset(std::uint8_t address, std::uint8_t cField);
QByteArray Build_Select_Secondary(const SecondaryDigits &digits, std::uint8_t cField);

// REQ_UD2's C field: fixed when the user asks for it, otherwise FCB 1 for the
// first request to a slave and alternating after it.
std::uint8_t reqUd2CField(bool fixCField, std::uint8_t fixCFieldValue, std::int32_t framesRead);
// C field of the application reset and the selection (73, 53 for a fixed 0).
std::uint8_t sndUdCField(bool fixCField, std::uint8_t fixCFieldValue);

// Answer time-outs in milliseconds. A baud rate of 0 or less counts as 2400.
std::int32_t textCommandTimeout(std::int32_t addTimeout);
std::int32_t shortAnswerTimeout(std::int32_t baudrate, std::int32_t addTimeout);
std::int32_t longAnswerTimeout(std::int32_t baudrate, std::int32_t addTimeout);

bool isReply(std::span<const std::uint8_t> answer, std::string_view expected);
bool isAcknowledgement(std::span<const std::uint8_t> answer);
bool isNoSlave(std::span<const std::uint8_t> answer);

} // namespace scan
