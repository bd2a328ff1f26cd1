#pragma once
// A serial port's settings as one device-control block: speed, frame,
// handshake flags and the special characters, as the serial component sets
// them, and their translation to and from Linux termios. What termios cannot
// express is refused, never dropped without a word.
#include <QtGlobal>
#include <cstdint>

struct termios;

namespace scan {

struct TDCB {
    // Bits of Flags.
    static constexpr quint32 fBinary = 1u << 0;
    static constexpr quint32 fParity = 1u << 1; // check the parity of received bytes
    static constexpr quint32 fOutxCtsFlow = 1u << 2;
    static constexpr quint32 fOutxDsrFlow = 1u << 3;
    static constexpr int DtrControlShift = 4; // two bits
    static constexpr quint32 fDsrSensitivity = 1u << 6;
    static constexpr quint32 fTXContinueOnXoff = 1u << 7;
    static constexpr quint32 fOutX = 1u << 8;
    static constexpr quint32 fInX = 1u << 9;
    static constexpr quint32 fErrorChar = 1u << 10;
    static constexpr quint32 fNull = 1u << 11;
    static constexpr int RtsControlShift = 12; // two bits
    static constexpr quint32 fAbortOnError = 1u << 14;

    static constexpr quint32 ControlHandshake = 2; // DTR_CONTROL_HANDSHAKE, RTS_CONTROL_HANDSHAKE
    static constexpr quint32 DtrHandshake = ControlHandshake << DtrControlShift;
    static constexpr quint32 RtsHandshake = ControlHandshake << RtsControlShift;

    // Parity codes.
    static constexpr quint8 NoParity = 0, OddParity = 1, EvenParity = 2, MarkParity = 3, SpaceParity = 4;
    // Stop-bit codes.
    static constexpr quint8 OneStopBit = 0, One5StopBits = 1, TwoStopBits = 2;

    quint32 BaudRate = 9600;
    quint32 Flags = fBinary;
    quint16 XonLim = 0;
    quint16 XoffLim = 0;
    quint8 ByteSize = 8;
    quint8 Parity = NoParity;
    quint8 StopBits = OneStopBit;
    char XonChar = 17;
    char XoffChar = 19;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;

    friend bool operator==(const TDCB &, const TDCB &) = default;
};

// The block as the device is set now.
TDCB dcbFromTermios(const termios &settings);

// Puts the block into `settings` (raw bytes; the read time-outs stay).
// False, with `settings` untouched, when Linux cannot do what it asks: a
// speed without a termios rate, four data bits, one and a half stop bits,
// DTR/DSR handshake, DSR sensitivity, an error replacement character or
// null stripping.
bool applyDcbToTermios(const TDCB &dcb, termios &settings);

} // namespace scan
