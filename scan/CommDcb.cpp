#include "scan/CommDcb.h"

#include <termios.h>

namespace scan {

namespace {

struct Speed {
    quint32 baud;
    speed_t code;
};

constexpr Speed Speeds[] = {
    {110, B110},         {300, B300},         {600, B600},       {1200, B1200},     {2400, B2400},
    {4800, B4800},       {9600, B9600},       {19200, B19200},   {38400, B38400},   {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800}, {921600, B921600}, {1500000, B1500000},
    {3000000, B3000000},
};

constexpr tcflag_t CharacterSizes[] = {CS5, CS6, CS7, CS8};

// Flags no termios setting stands for.
constexpr quint32 Unsupported = TDCB::fOutxDsrFlow | TDCB::DtrHandshake | TDCB::fDsrSensitivity
                              | TDCB::fErrorChar | TDCB::fNull;

} // namespace

TDCB dcbFromTermios(const termios &settings)
{
    TDCB dcb;
    const speed_t speed = cfgetospeed(&settings);
    for (const Speed &s : Speeds)
        if (s.code == speed)
            dcb.BaudRate = s.baud;
    switch (settings.c_cflag & CSIZE) {
    case CS5: dcb.ByteSize = 5; break;
    case CS6: dcb.ByteSize = 6; break;
    case CS7: dcb.ByteSize = 7; break;
    default: dcb.ByteSize = 8; break;
    }
    if (settings.c_cflag & PARENB) {
        const bool odd = settings.c_cflag & PARODD;
        if (settings.c_cflag & CMSPAR)
            dcb.Parity = odd ? TDCB::MarkParity : TDCB::SpaceParity;
        else
            dcb.Parity = odd ? TDCB::OddParity : TDCB::EvenParity;
    }
    dcb.StopBits = settings.c_cflag & CSTOPB ? TDCB::TwoStopBits : TDCB::OneStopBit;
    // Linux goes on sending after it has asked the peer to pause, whatever
    // fTXContinueOnXoff says: the flag has no setting there.
    dcb.Flags = TDCB::fBinary | TDCB::fTXContinueOnXoff;
    if (settings.c_iflag & INPCK)
        dcb.Flags |= TDCB::fParity;
    if (settings.c_cflag & CRTSCTS)
        dcb.Flags |= TDCB::fOutxCtsFlow | TDCB::RtsHandshake;
    if (settings.c_iflag & IXON)
        dcb.Flags |= TDCB::fOutX;
    if (settings.c_iflag & IXOFF)
        dcb.Flags |= TDCB::fInX;
    dcb.XonChar = static_cast<char>(settings.c_cc[VSTART]);
    dcb.XoffChar = static_cast<char>(settings.c_cc[VSTOP]);
    dcb.EofChar = static_cast<char>(settings.c_cc[VEOF]);
    return dcb;
}

bool applyDcbToTermios(const TDCB &dcb, termios &settings)
{
    const Speed *speed = nullptr;
    for (const Speed &s : Speeds)
        if (s.baud == dcb.BaudRate)
            speed = &s;
    if (!speed || dcb.ByteSize < 5 || dcb.ByteSize > 8 || dcb.Parity > TDCB::SpaceParity
        || dcb.StopBits == TDCB::One5StopBits || dcb.StopBits > TDCB::TwoStopBits)
        return false;
    if (dcb.Flags & Unsupported)
        return false;

    termios t = settings;
    cfmakeraw(&t);
    cfsetispeed(&t, speed->code);
    cfsetospeed(&t, speed->code);
    t.c_cflag |= CREAD | CLOCAL;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    t.c_cflag |= CharacterSizes[dcb.ByteSize - 5];
    switch (dcb.Parity) {
    case TDCB::OddParity: t.c_cflag |= PARENB | PARODD; break;
    case TDCB::EvenParity: t.c_cflag |= PARENB; break;
    case TDCB::MarkParity: t.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case TDCB::SpaceParity: t.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    if (dcb.StopBits == TDCB::TwoStopBits)
        t.c_cflag |= CSTOPB;
    if (dcb.Flags & (TDCB::fOutxCtsFlow | TDCB::RtsHandshake))
        t.c_cflag |= CRTSCTS;
    t.c_iflag &= ~(INPCK | IXON | IXOFF | IXANY);
    if (dcb.Flags & TDCB::fParity)
        t.c_iflag |= INPCK;
    if (dcb.Flags & TDCB::fOutX)
        t.c_iflag |= IXON;
    if (dcb.Flags & TDCB::fInX)
        t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
    t.c_cc[VEOF] = static_cast<cc_t>(dcb.EofChar);
    // The read time-outs are not the block's.
    t.c_cc[VMIN] = settings.c_cc[VMIN];
    t.c_cc[VTIME] = settings.c_cc[VTIME];
    settings = t;
    return true;
}

} // namespace scan
