#pragma once
// General parameters that several banks derive the same way from ParGen.xml.
#include "compiler/ParGenReader.h"

#include <cstdint>

namespace compiler {

// Meter-bus baud rate in bit/s from the low byte of the "Meter_Baud" list index.
std::uint32_t meterBaudRate(std::int32_t listIndex);

// Parity code of the converter's serial lines: NONE stays 0, the others move up by one.
std::uint32_t parityCode(std::int32_t listIndex);

// "TCP_Conn_TimeOut" in minutes as milliseconds (2 minutes when missing or not an integer).
std::uint32_t tcpTimeoutMs(const ParGenReader &parGen);

// Fixed C-field option: 128 when enabled, plus the REQ_UD2 C-field of EN 13757-2
// with the frame count bit clear (0x5B) or set (0x7B).
std::uint32_t fixedCFieldOption(const ParGenReader &parGen);

// Only the main model answers with exceptions until the first reading, and only
// when it polls on request (request type 0).
bool replyExceptionUntilFirstRead(int converterType, std::uint8_t meterRequestType, const ParGenReader &parGen);

// Models that take their Modbus TCP port and time-out from ParGen.xml.
bool usesTcpSettings(int converterType);

} // namespace compiler
