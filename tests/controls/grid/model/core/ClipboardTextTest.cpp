#include "controls/grid/model/core/ClipboardText.h"
#include "controls/grid/model/core/SmartFill.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

QString joined(std::vector<QString> fields, int cols) { return joinClipboardFields(fields, cols, true); }

std::vector<std::vector<QString>> rowsOf(const QString &text) { return parseClipboardText(text).rows; }

} // namespace

TEST(ClipboardText, RangesJoinWithTabsAndOneLineBreakPerRow)
{
    EXPECT_EQ(joined({"a", "b", "c", "d"}, 2), QStringLiteral("a\tb\r\nc\td\r\n"));
    EXPECT_EQ(joinClipboardFields({"a", "b"}, 2, false), QStringLiteral("a\tb"));
    EXPECT_EQ(joined({}, 2), QString());
}

TEST(ClipboardText, FieldsThatWouldReadBackWronglyAreQuoted)
{
    struct Case {
        QString cell;
        QString sent;
    } cases[] = {
        {"plain", "plain"},
        {"a\r\nb", "\"a\nb\""},
        {"say \"hi\"\r\nnow", "\"say \"\"hi\"\"\nnow\""},
        {"\"quoted\"", "\"\"\"quoted\"\"\""},
        {"in\"side", "in\"side"},
        {"tab\there", "\"tab\there\""},
        {"", ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(encodeClipboardField(c.cell), c.sent) << c.cell.toStdString();
        // Every cell comes back as it went.
        const auto rows = rowsOf(c.sent);
        if (c.cell.isEmpty())
            continue;
        ASSERT_EQ(rows.size(), 1u) << c.cell.toStdString();
        ASSERT_EQ(rows[0].size(), 1u) << c.cell.toStdString();
        EXPECT_EQ(rows[0][0], c.cell);
    }
}

TEST(ClipboardText, ARangeOfAwkwardCellsSurvivesCopyAndPaste)
{
    const std::vector<QString> cells{"a\r\nb", "\"", "x\ty", "", "\"q\" z", "last"};
    const auto rows = rowsOf(joined(cells, 3));
    ASSERT_EQ(rows.size(), 2u);
    std::vector<QString> back;
    for (const auto &row : rows)
        back.insert(back.end(), row.begin(), row.end());
    EXPECT_EQ(back, cells);
}

TEST(ClipboardText, ParsingCountsRealFieldsOnly)
{
    struct Case {
        const char *name;
        QString text;
        std::vector<std::vector<QString>> rows;
    } cases[] = {
        {"final line break", "1\r\n2\r\n", {{"1"}, {"2"}}},
        {"no final line break", "1\r\n2", {{"1"}, {"2"}}},
        {"lone LF and CR", "a\nb\rc", {{"a"}, {"b"}, {"c"}}},
        {"empty line inside", "a\r\n\r\nb", {{"a"}, {""}, {"b"}}},
        {"trailing tab", "a\t\r\n", {{"a", ""}}},
        {"spreadsheet quoted lines", "\"x\ny\"\tz\r\n", {{"x\r\ny", "z"}}},
        {"unclosed quote", "\"open\tstill", {{"open\tstill"}}},
        {"text after closing quote", "\"a\"b\tc", {{"ab", "c"}}},
        {"vertical tab", QString("a") + QChar(11) + "b", {{"a\r\nb"}}},
        {"nothing", "", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rowsOf(c.text), c.rows) << c.name;
}

TEST(ClipboardText, DroppedTextIsCountedWithOrWithoutFinalLineBreak)
{
    EXPECT_EQ(countPastedText(u"a\tb\tc\r\nd\te\tf").cols, 3);
    EXPECT_EQ(countPastedText(u"a\tb\tc\r\nd\te\tf").rows, 1);
    EXPECT_EQ(countPastedText(u"a\tb\tc\r\nd\te\tf\r\n").rows, 1);
    EXPECT_EQ(countPastedText(u"").rows, 0);
}

TEST(SmartFill, SeriesContinueFromTwoCells)
{
    TFormatSettings fs;
    fs.DecimalSeparator = u'.';
    fs.DateSeparator = u'/';
    fs.TimeSeparator = u':';
    fs.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    struct Case {
        QString x1, x2;
        std::vector<QString> expected;
    } cases[] = {
        {"1", "2", {"1", "2", "3", "4", "5"}},
        {"10", "7", {"10", "7", "4", "1", "-2"}},
        {"1.5", "2", {"1.50", "2.00", "2.50", "3.00", "3.50"}},
        {"15/01/2024", "15/02/2024", {"15/01/2024", "15/02/2024", "15/03/2024", "15/04/2024", "15/05/2024"}},
        {"01/01/2024", "03/01/2024", {"01/01/2024", "03/01/2024", "05/01/2024", "07/01/2024", "09/01/2024"}},
        {"8:00", "8:30", {"8:00:00", "8:30:00", "9:00:00", "9:30:00", "10:00:00"}},
    };
    for (const Case &c : cases) {
        auto series = TFillSeries::from(c.x1, c.x2, QStringLiteral("%.2f"), fs);
        ASSERT_TRUE(series.has_value()) << c.x1.toStdString();
        std::vector<QString> got;
        for (int i = 0; i < 5; ++i, series->advance())
            got.push_back(series->current().value_or(QStringLiteral("<end>")));
        EXPECT_EQ(got, c.expected) << c.x1.toStdString();
    }
    EXPECT_FALSE(TFillSeries::from(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("%.2f"), fs));
    EXPECT_FALSE(TFillSeries::from(QStringLiteral("1"), QStringLiteral("x.5"), QStringLiteral("%.2f"), fs));
}

TEST(SmartFill, AnIntegerSeriesEndsBeforeItOverflows)
{
    auto series = TFillSeries::from(QStringLiteral("9223372036854775806"), QStringLiteral("9223372036854775807"),
                                    QString());
    ASSERT_TRUE(series);
    series->advance();
    EXPECT_EQ(series->current(), QStringLiteral("9223372036854775807"));
    series->advance();
    EXPECT_FALSE(series->current());
}
