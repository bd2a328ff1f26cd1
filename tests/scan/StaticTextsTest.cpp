// The texts kept for good must read exactly as the ones the decoder would
// have written, and be refused where they would not.
#include "QStringPrinter.h"
#include "scan/StaticTexts.h"

#include <gtest/gtest.h>

using namespace scan;

TEST(StaticTexts, SmallIntegersAreTheirDecimalText)
{
    for (const int n : {0, 7, 10, 99, 100, 1234, 9999}) {
        EXPECT_EQ(staticSmallInteger(QString::number(n)), QString::number(n));
        EXPECT_EQ(staticInteger(n), QString::number(n));
    }
    // Anything but a plain decimal integer from 0 to 9999 is left to the caller.
    for (const char *text : {"", "10000", "01", "00", "-1", "1.5", "1E3", " 1", "12a", "\xD9\xA1"})
        EXPECT_TRUE(staticSmallInteger(QString::fromUtf8(text)).isNull()) << text;
}

TEST(StaticTexts, HexBytesAndZeros)
{
    EXPECT_EQ(staticHexByte(0x00), QStringLiteral("00"));
    EXPECT_EQ(staticHexByte(0x0A), QStringLiteral("0A"));
    EXPECT_EQ(staticHexByte(0xF3), QStringLiteral("F3"));
    EXPECT_EQ(staticZeros(1), QStringLiteral("0"));
    EXPECT_EQ(staticZeros(8), QStringLiteral("00000000"));
    EXPECT_EQ(staticZeros(64), QString(64, u'0'));
    EXPECT_TRUE(staticZeros(0).isNull());
    EXPECT_TRUE(staticZeros(65).isNull());
}

TEST(StaticTexts, CopiesBehaveAsOwnStrings)
{
    QString value = staticSmallInteger(u"42");
    QString copy = value;
    value.append(u'0');
    EXPECT_EQ(value, QStringLiteral("420"));
    EXPECT_EQ(copy, QStringLiteral("42"));
    // A caller that needs the characters null-terminated gets them so.
    const QString zeros = staticZeros(3);
    EXPECT_EQ(zeros.utf16()[3], 0);
    EXPECT_EQ(staticSmallInteger(u"42"), QStringLiteral("42"));
}
