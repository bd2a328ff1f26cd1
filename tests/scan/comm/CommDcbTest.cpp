// The device-control block to termios and back, and what Linux cannot take.
#include "scan/CommDcb.h"

#include <gtest/gtest.h>

#include <cstring>
#include <termios.h>

using namespace scan;

namespace {

termios startingPoint()
{
    termios t{};
    cfmakeraw(&t);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return t;
}

TDCB dcb(quint32 baud, quint8 bits, quint8 parity, quint8 stop, quint32 flags = TDCB::fBinary)
{
    TDCB d;
    d.BaudRate = baud;
    d.ByteSize = bits;
    d.Parity = parity;
    d.StopBits = stop;
    d.Flags = flags;
    return d;
}

TEST(CommDcb, EverySettingLinuxHasTranslatesAndReadsBack)
{
    constexpr quint32 Soft = TDCB::fBinary | TDCB::fOutX | TDCB::fInX | TDCB::fTXContinueOnXoff;
    constexpr quint32 Cts = TDCB::fBinary | TDCB::fOutxCtsFlow | TDCB::RtsHandshake | TDCB::fTXContinueOnXoff;
    struct Case {
        TDCB in;
        tcflag_t cflag; // of CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS
        tcflag_t iflag; // of INPCK | IXON | IXOFF
        speed_t speed;
    };
    const Case cases[] = {
        {dcb(2400, 8, TDCB::EvenParity, TDCB::OneStopBit), CS8 | PARENB, 0, B2400},
        {dcb(9600, 7, TDCB::OddParity, TDCB::TwoStopBits), CS7 | PARENB | PARODD | CSTOPB, 0, B9600},
        {dcb(110, 5, TDCB::MarkParity, TDCB::OneStopBit), CS5 | PARENB | PARODD | CMSPAR, 0, B110},
        {dcb(300, 6, TDCB::SpaceParity, TDCB::OneStopBit), CS6 | PARENB | CMSPAR, 0, B300},
        {dcb(115200, 8, TDCB::NoParity, TDCB::OneStopBit, TDCB::fBinary | TDCB::fParity), CS8, INPCK, B115200},
        {dcb(3000000, 8, TDCB::NoParity, TDCB::OneStopBit, Soft), CS8, IXON | IXOFF, B3000000},
        {dcb(57600, 8, TDCB::NoParity, TDCB::OneStopBit, Cts), CS8 | CRTSCTS, 0, B57600},
    };
    for (const Case &c : cases) {
        termios t = startingPoint();
        ASSERT_TRUE(applyDcbToTermios(c.in, t)) << c.in.BaudRate;
        EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS), c.cflag) << c.in.BaudRate;
        EXPECT_EQ(t.c_iflag & (INPCK | IXON | IXOFF), c.iflag) << c.in.BaudRate;
        EXPECT_EQ(cfgetospeed(&t), c.speed);
        EXPECT_EQ(cfgetispeed(&t), c.speed);

        const TDCB back = dcbFromTermios(t);
        EXPECT_EQ(back.BaudRate, c.in.BaudRate);
        EXPECT_EQ(back.ByteSize, c.in.ByteSize);
        EXPECT_EQ(back.Parity, c.in.Parity);
        EXPECT_EQ(back.StopBits, c.in.StopBits);
        EXPECT_EQ(back.Flags, c.in.Flags | TDCB::fTXContinueOnXoff) << c.in.BaudRate;
    }
}

TEST(CommDcb, SpecialCharactersAndTheReadTimeOutsStay)
{
    TDCB d = dcb(9600, 8, TDCB::NoParity, TDCB::OneStopBit);
    d.XonChar = 0x21;
    d.XoffChar = 0x23;
    d.EofChar = 0x1A;
    termios t = startingPoint();
    t.c_cc[VMIN] = 3;
    t.c_cc[VTIME] = 4;
    ASSERT_TRUE(applyDcbToTermios(d, t));
    EXPECT_EQ(t.c_cc[VSTART], 0x21);
    EXPECT_EQ(t.c_cc[VSTOP], 0x23);
    EXPECT_EQ(t.c_cc[VEOF], 0x1A);
    EXPECT_EQ(t.c_cc[VMIN], 3);
    EXPECT_EQ(t.c_cc[VTIME], 4);
    EXPECT_TRUE(t.c_cflag & (CREAD | CLOCAL));
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));
}

TEST(CommDcb, WhatLinuxCannotDoIsRefusedAndTouchesNothing)
{
    const TDCB plain = dcb(9600, 8, TDCB::NoParity, TDCB::OneStopBit);
    const auto with = [&](auto change) {
        TDCB d = plain;
        change(d);
        return d;
    };
    const TDCB refused[] = {
        with([](TDCB &d) { d.BaudRate = 14400; }),
        with([](TDCB &d) { d.BaudRate = 256000; }),
        with([](TDCB &d) { d.BaudRate = 0; }),
        with([](TDCB &d) { d.ByteSize = 4; }),
        with([](TDCB &d) { d.ByteSize = 9; }),
        with([](TDCB &d) { d.Parity = 5; }),
        with([](TDCB &d) { d.StopBits = TDCB::One5StopBits; }),
        with([](TDCB &d) { d.StopBits = 3; }),
        with([](TDCB &d) { d.Flags |= TDCB::fOutxDsrFlow; }),
        with([](TDCB &d) { d.Flags |= TDCB::DtrHandshake; }),
        with([](TDCB &d) { d.Flags |= TDCB::fDsrSensitivity; }),
        with([](TDCB &d) { d.Flags |= TDCB::fErrorChar; }),
        with([](TDCB &d) { d.Flags |= TDCB::fNull; }),
    };
    for (const TDCB &d : refused) {
        termios t = startingPoint();
        const termios before = t;
        EXPECT_FALSE(applyDcbToTermios(d, t)) << d.BaudRate << " " << int(d.ByteSize) << " " << d.Flags;
        EXPECT_EQ(std::memcmp(&t, &before, sizeof t), 0);
    }
}

} // namespace
