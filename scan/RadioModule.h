#pragma once
// What the wireless scan sends to the converter's radio module and what it
// expects back. A Telit module takes AT commands and S registers and answers
// "OK\r"; a RadioCrafts module takes single command bytes and frames and
// answers with its prompt byte ">".
#include "scan/ScanModel.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <string_view>

namespace scan {

// Wireless M-Bus modes as the scan dialog's mode list codes them.
namespace wmbus {
inline constexpr qint32 ModeS = 1;
inline constexpr qint32 ModeT = 5;
inline constexpr qint32 ModeN1 = 15;
inline constexpr qint32 ModeN2 = 17;
inline constexpr qint32 ModeC = 11;
} // namespace wmbus

namespace telit {
inline constexpr std::string_view CommandMode = "+++";
inline constexpr std::string_view Reset = "ATR\r";
inline constexpr std::string_view Online = "ATO\r";
inline constexpr std::string_view Ok = "OK\r";

// "ATS<register>=<value>\r", both in decimal.
QByteArray setRegister(int reg, int value);
} // namespace telit

namespace radiocrafts {
inline constexpr std::uint8_t Prompt = 0x3E; // ">"
inline constexpr std::uint8_t EnterConfiguration = 0x00;
inline constexpr std::uint8_t ReadMemory = 0x30;
inline constexpr std::uint8_t WriteMemory = 0x4D;
inline constexpr std::uint8_t EndMemory = 0xFF;
inline constexpr std::uint8_t MeterAddress = 0x42;
inline constexpr std::uint8_t MeterKey = 0x4B;
inline constexpr std::uint8_t ActivateEntry = 0x41;
inline constexpr std::uint8_t ExitConfiguration = 0x58;
inline constexpr int MemorySize = 256;   // the memory dump comes before the prompt
inline constexpr int ErasedEntries = 63; // entries 1 to 63 are cleared at set-up
inline constexpr int TableEntries = 64;  // the key table holds entries 1 to 64
} // namespace radiocrafts

// A meter's application-layer identity as the modules' key tables take it:
// manufacturer (low byte first), identification number (least significant
// byte first), version, device type.
std::array<std::uint8_t, 8> telitMeterRegisters(const TSlave_wMBus &meter);

QByteArray Build_RC_Config(qint32 mode);
QByteArray Build_RC_Erase_Entry();
QByteArray Build_RC_Meter_Address(const TSlave_wMBus &meter);
QByteArray Build_RC_Key(const TSlave_wMBus &meter);

} // namespace scan
