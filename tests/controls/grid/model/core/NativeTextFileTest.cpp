#include "controls/grid/model/core/NativeTextFile.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(NativeTextFile, LinesEndWithCrLfInTheAnsiCodePageOrUtf16)
{
    const QStringList lines{QStringLiteral("1,1"), QString::fromUtf8("0,0,é€")};
    EXPECT_EQ(encodeNativeText(lines, false), QByteArray("1,1\r\n0,0,\xe9\x80\r\n"));
    const QByteArray wide = encodeNativeText(lines, true);
    EXPECT_TRUE(wide.startsWith("\xff\xfe" "1\0,\0" "1\0\r\0\n\0"));
    EXPECT_EQ(decodeNativeText(wide), lines);
    EXPECT_EQ(decodeNativeText(encodeNativeText(lines, false)), lines);
    // A character the code page lacks is a question mark.
    EXPECT_EQ(encodeNativeText({QString::fromUtf8("ж")}, false), QByteArray("?\r\n"));
}

TEST(NativeTextFile, CellLinesKeepBreaksOnOneLine)
{
    EXPECT_EQ(nativeCellLine(1, 2, QStringLiteral("a\r\nb")), QStringLiteral("1,2,a\t\bb"));
    EXPECT_EQ(nativeCellLine(0, 0, QStringLiteral("a\tb")), QStringLiteral("0,0,a\tb"));
    EXPECT_EQ(nativeWidthLine(2, 64), QStringLiteral("cw 2,64"));
}

TEST(NativeTextFile, HeadersThatAskTooMuchAreCorrupt)
{
    struct Case {
        const char *header;
        bool ok;
    } cases[] = {
        {"3,3", true}, {"0,0", true}, {"-1,3", false}, {"3,-1", false}, {"99999999,1", false},
        {"1,99999999", false}, {"x,3", false}, {"3", false}, {"16384,2097152", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parseNativeText({QString::fromLatin1(c.header)}).has_value(), c.ok) << c.header;
}

TEST(NativeTextFile, ParsesWidthsAndCellsSkippingWhatDoesNotRead)
{
    const auto file = parseNativeText({QStringLiteral("3,3"), QStringLiteral("cw 0,64"), QStringLiteral("cw x,5"),
                                       QStringLiteral("1,1,x,y"), QStringLiteral("nonsense"),
                                       QStringLiteral("2,0,")});
    ASSERT_TRUE(file);
    EXPECT_EQ(*file->cols, 3);
    ASSERT_EQ(file->widths.size(), 1u);
    EXPECT_EQ(file->widths[0].width, 64);
    ASSERT_EQ(file->cells.size(), 2u);
    EXPECT_EQ(file->cells[0].text, QStringLiteral("x,y"));
    EXPECT_EQ(file->cells[1].text, QString());
    // An empty first line keeps the grid's size.
    const auto headless = parseNativeText({QString(), QStringLiteral("0,0,a")});
    ASSERT_TRUE(headless);
    EXPECT_FALSE(headless->cols);
}

} // namespace
