#include "controls/grid/model/core/CsvCodec.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

struct FieldCase {
    const char *name;
    QString text;
    TCsvWriteOptions options;
    QString written;
};

TCsvWriteOptions with(bool alwaysQuotes, bool quoteEmpty, bool java)
{
    TCsvWriteOptions o;
    o.alwaysQuotes = alwaysQuotes;
    o.quoteEmptyCells = quoteEmpty;
    o.javaCsv = java;
    return o;
}

const TCsvWriteOptions plain;

class CsvField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvField, IsWrittenAndReadBack)
{
    const FieldCase &c = GetParam();
    const QString field = encodeCsvField(c.text, c.options);
    EXPECT_EQ(field, c.written);
    if (field.isEmpty())
        return; // a record ending in the delimiter has no last field
    // Two fields per record, so the delimiter path is read too.
    const QString record = field + u',' + field;
    const QStringList records = splitCsvRecords(record, u',');
    ASSERT_EQ(records.size(), 1);
    const QStringList fields = splitCsvFields(records[0], u',', c.options.javaCsv);
    ASSERT_EQ(fields.size(), 2);
    const QString &expected = c.text;
    EXPECT_EQ(fields[0], expected);
    EXPECT_EQ(fields[1], expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CsvField,
    ::testing::Values(FieldCase{"plain", "abc", plain, "abc"},
                      FieldCase{"comma", "a,b", plain, "\"a,b\""},
                      FieldCase{"quote", "say \"hi\"", plain, "\"say \"\"hi\"\"\""},
                      FieldCase{"quoteAndComma", "a,\"b\"", plain, "\"a,\"\"b\"\"\""},
                      FieldCase{"leadingBlank", " a", plain, "\" a\""},
                      FieldCase{"emptyQuoted", "", plain, "\"\""},
                      FieldCase{"emptyBare", "", with(false, false, false), ""},
                      FieldCase{"always", "x", with(true, true, false), "\"x\""},
                      FieldCase{"alwaysEmpty", "", with(true, true, false), "\"\""},
                      FieldCase{"twoLines", "a\r\nb", plain, QStringLiteral("\"a\x0b" "b\"")},
                      FieldCase{"loneLf", "a\nb", plain, "\"a\nb\""},
                      FieldCase{"loneCr", "a\rb", plain, "\"a\rb\""},
                      FieldCase{"mixedBreaks", "a\rb\nc\r\nd", plain, QStringLiteral("\"a\rb\nc\x0b" "d\"")},
                      FieldCase{"quotedTwoLines", "\"a\"\r\nb", plain, QStringLiteral("\"\"\"a\"\"\x0b" "b\"")},
                      FieldCase{"javaEmpty", "", with(false, true, true), "^"},
                      FieldCase{"javaBreaks", "a\r\nb", with(false, true, true), "a~b"},
                      FieldCase{"javaComma", "a,b", with(false, true, true), "\"a,b\""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CsvRecords, BreaksOutsideQuotesEndRecordsInsideTheyJoin)
{
    const QString text = QStringLiteral("a,\"x\ny\"\r\nb,\"p\rq\"\rc,d\ne,f");
    const QStringList records = splitCsvRecords(text, u',');
    EXPECT_EQ(records, (QStringList{"a,\"x\ny\"", "b,\"p\rq\"", "c,d", "e,f"}));
    EXPECT_EQ(splitCsvFields(records[0], u',', false), (QStringList{"a", "x\ny"}));
}

TEST(CsvRecords, AnUnclosedQuoteJoinsNothing)
{
    const QStringList records = splitCsvRecords(QStringLiteral("a,\"open\nb,c\nd"), u',');
    EXPECT_EQ(records, (QStringList{"a,\"open", "b,c", "d"}));
    EXPECT_EQ(splitCsvFields(records[0], u',', false), (QStringList{"a", "open"}));
}

TEST(CsvRecords, EmptyTextHasNoRecordAndATrailingBreakAddsNone)
{
    EXPECT_TRUE(splitCsvRecords(u"", u',').isEmpty());
    EXPECT_EQ(splitCsvRecords(u"\r\n", u','), QStringList{QString()});
    EXPECT_EQ(splitCsvRecords(u"a\r\nb\r\n", u','), (QStringList{"a", "b"}));
}

struct SplitCase {
    const char *name;
    QString record;
    QStringList fields;
};

class CsvSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CsvSplit, GivesTheFields)
{
    EXPECT_EQ(splitCsvFields(GetParam().record, u',', false), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvSplit,
    ::testing::Values(SplitCase{"trailingDelimiter", "a,b,", {"a", "b"}},
                      SplitCase{"leadingBlanks", "  a,  \"b\"", {"a", "b"}},
                      SplitCase{"emptyFields", ",,x", {"", "", "x"}},
                      SplitCase{"quotedDelimiterLast", "x,\"a,b\"", {"x", "a,b"}},
                      SplitCase{"lineTab", QStringLiteral("\"a\x0b" "b\",c"), {"a\r\nb", "c"}},
                      SplitCase{"unclosedQuoteBeforeADelimiter", "\"open,b", {"", "b"}},
                      SplitCase{"single", "alone", {"alone"}}),
    [](const auto &info) { return std::string(info.param.name); });

struct DetectCase {
    const char *name;
    QString line1;
    QString line2;
    QChar delimiter;
};

class CsvDetect : public ::testing::TestWithParam<DetectCase> {};

TEST_P(CsvDetect, PicksTheDelimiter)
{
    EXPECT_EQ(detectCsvDelimiter(GetParam().line1, GetParam().line2), GetParam().delimiter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvDetect,
    ::testing::Values(DetectCase{"semicolonOverQuotedComma", "a;b;\"x,y\";d", "1;2;\"3,4\";5", u';'},
                      DetectCase{"comma", "a,b", "c,d", u','},
                      DetectCase{"tab", "a\tb\tc", "d\te\tf", u'\t'},
                      DetectCase{"tieGoesToTheEarlier", "a,b;c", "d,e;f", u','},
                      DetectCase{"oneLine", "a|b|c", "", u'|'},
                      DetectCase{"none", "abc", "def", QChar()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CsvText, Utf8CarriesAMarkAnsiDoesNot)
{
    const QByteArray wide = encodeCsvText({QStringLiteral("é,€")}, true);
    EXPECT_EQ(wide, QByteArray("\xEF\xBB\xBF") + QStringLiteral("é,€\r\n").toUtf8());
    EXPECT_EQ(decodeCsvText(wide), QStringLiteral("é,€\r\n"));
    const QByteArray ansi = encodeCsvText({QStringLiteral("é,Ω")}, false);
    EXPECT_EQ(ansi, QByteArray("\xE9,?\r\n"));
    EXPECT_EQ(decodeCsvText(ansi), QStringLiteral("é,?\r\n"));
}

} // namespace
