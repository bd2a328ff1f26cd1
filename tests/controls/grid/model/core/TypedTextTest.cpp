#include "controls/grid/model/core/GridError.h"
#include "controls/grid/model/core/TypedText.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TFormatSettings english()
{
    TFormatSettings fs;
    fs.ThousandSeparator = u',';
    fs.DecimalSeparator = u'.';
    return fs;
}

TEST(TypedText, IntegersReadThroughTagsAndBlanks)
{
    struct Case {
        const char *text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"<B>12</B>", 12}, {"  7 ", 7}, {"", 0}, {"-", 0}, {"-42", -42}, {"+3", 3},
        {"12a", std::nullopt}, {"1.5", std::nullopt}, {"99999999999", std::nullopt}, {"a", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cellTextToInt(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(TypedText, FloatsReadDisplayFormatting)
{
    struct Case {
        const char *text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"(1,234.50)", -1234.5}, {"<I>2.5</I>", 2.5}, {"", 0.0}, {"-", 0.0}, {"$ 3", 3.0}, {"x", 0.0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cellTextToFloat(QString::fromUtf8(c.text), english()), c.value) << c.text;
}

TEST(TypedText, RaisesTheGridsMessages)
{
    try {
        cellIntOf(QStringLiteral("12a"));
        FAIL() << "no exception";
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cell does not contain integer value"));
    }
    EXPECT_EQ(cellIntOf(QStringLiteral("<B>12</B>")), 12);
    EXPECT_DOUBLE_EQ(cellFloatOf(QStringLiteral("(1,234.50)"), english()), -1234.5);
}

TEST(TypedText, FloatsWriteWithTheFormat)
{
    EXPECT_EQ(floatCellText(3.14159, QStringLiteral("%.2f")), QStringLiteral("3.14"));
    EXPECT_EQ(floatCellText(-0.5, QStringLiteral("%.3f")), QStringLiteral("-0.500"));
    // A format that takes no number writes the number plainly.
    EXPECT_EQ(floatCellText(2.5, QStringLiteral("%s")), QStringLiteral("2.5"));
    EXPECT_EQ(floatCellText(2.5, QStringLiteral("%d")), QStringLiteral("2.5"));
}

} // namespace
