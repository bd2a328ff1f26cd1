#include "controls/grid/model/core/SortCompare.h"
#include "controls/grid/model/core/SortKernel.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TFormatSettings english()
{
    TFormatSettings fs;
    fs.ThousandSeparator = u',';
    fs.DecimalSeparator = u'.';
    fs.DateSeparator = u'/';
    fs.TimeSeparator = u':';
    fs.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    return fs;
}

std::vector<QString> texts(std::initializer_list<const char *> list)
{
    std::vector<QString> v;
    for (const char *t : list)
        v.push_back(QString::fromUtf8(t));
    return v;
}

// The texts in the order one column sorted by style gives them.
std::vector<QString> sorted(const std::vector<QString> &in, TSortStyle style, bool descending = false,
                            bool ignoreBlanks = false, TSortBlankPosition pos = blFirst,
                            TFormatSettings fs = english())
{
    TSortKeyRule rule;
    rule.Style = style;
    rule.Format = fs;
    rule.Locale = QLocale(QLocale::English, QLocale::UnitedStates);
    TSortColumnRule column;
    column.Descending = descending;
    column.MakeKeys = [&] { return TColumnSortKeys::fromTexts(in, rule); };
    TRowSortComparer comparer({column}, ignoreBlanks, pos);
    const std::vector<int> order =
        stableSortOrder(static_cast<int>(in.size()), [&](int a, int b) { return comparer.before(a, b); });
    std::vector<QString> out;
    for (int i : order)
        out.push_back(in[static_cast<std::size_t>(i)]);
    return out;
}

TEST(SortCompare, EveryStyleOrdersItsTexts)
{
    struct Case {
        const char *name;
        TSortStyle style;
        std::vector<QString> in;
        std::vector<QString> out;
    };
    const Case cases[] = {
        {"numbers", ssNumeric, texts({"10", "9", "100", "-1.5"}), texts({"-1.5", "9", "10", "100"})},
        {"text", ssAlphabetic, texts({"10", "9", "100"}), texts({"10", "100", "9"})},
        {"case", ssAlphaCase, texts({"b", "B", "a"}), texts({"B", "a", "b"})},
        {"no case", ssAlphaNoCase, texts({"b", "B", "a"}), texts({"a", "b", "B"})},
        {"html", ssHTML, texts({"<b>b</b>", "a", "<i>c</i>"}), texts({"a", "<b>b</b>", "<i>c</i>"})},
        {"financial", ssFinancial, texts({"1,200", "300", "2,000.5"}), texts({"300", "1,200", "2,000.5"})},
        {"dates", ssDate, texts({"03/04/2020", "01/12/2019", "31/01/2020"}),
         texts({"01/12/2019", "31/01/2020", "03/04/2020"})},
        {"date times", ssDateTime, texts({"01/01/2020 12:00", "01/01/2020 08:30"}),
         texts({"01/01/2020 08:30", "01/01/2020 12:00"})},
        {"times", ssTime, texts({"12:00", "8:30", "23:59:59"}), texts({"8:30", "12:00", "23:59:59"})},
        {"EU dates", ssShortDateEU, texts({"02/01/2020", "01/02/2020"}), texts({"02/01/2020", "01/02/2020"})},
        {"US dates", ssShortDateUS, texts({"02/01/2020", "01/02/2020"}), texts({"01/02/2020", "02/01/2020"})},
        {"ansi no case", ssAnsiAlphaNoCase, texts({"b", "A", "a"}), texts({"A", "a", "b"})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(sorted(c.in, c.style), c.out) << c.name;
}

TEST(SortCompare, LocaleCollationPlacesAccentsBesideTheirLetter)
{
    EXPECT_EQ(sorted(texts({"z", "é", "e", "f"}), ssAnsiAlphaCase), texts({"e", "é", "f", "z"}));
}

TEST(SortCompare, AutomaticIsChosenOnceForTheWholeColumn)
{
    const TFormatSettings fs = english();
    EXPECT_EQ(resolveAutomaticStyle(texts({"10", "9", "100"}), false, fs), ssNumeric);
    EXPECT_EQ(resolveAutomaticStyle(texts({"03/04/2020", "01/12/2019"}), false, fs), ssDate);
    EXPECT_EQ(resolveAutomaticStyle(texts({"03/04/2020 10:00", "01/12/2019"}), false, fs), ssDateTime);
    EXPECT_EQ(resolveAutomaticStyle(texts({"10:00", "9:15"}), false, fs), ssTime);
    EXPECT_EQ(resolveAutomaticStyle(texts({"", ""}), true, fs), ssAlphaNoCase);
    // A mixed column is text throughout, so its order is one order whatever
    // row comes first.
    EXPECT_EQ(resolveAutomaticStyle(texts({"10", "abc", "9"}), false, fs), ssAlphabetic);
    EXPECT_EQ(resolveAlphaNumericStyle(ssAlphaNumeric, texts({"1", "2"}), fs), ssNumeric);
    EXPECT_EQ(resolveAlphaNumericStyle(ssAlphaNumericNoCase, texts({"1", "x"}), fs), ssAlphaNoCase);
}

TEST(SortCompare, NumbersReadThroughAffixesAndSeparators)
{
    TSortKeyRule rule;
    rule.Style = ssFinancial;
    rule.Format.ThousandSeparator = u'.';
    rule.Format.DecimalSeparator = u',';
    EXPECT_EQ(sortNumberOf(QStringLiteral("1.234,5"), rule), 1234.5);
    rule.Style = ssNumeric;
    rule.Prefix = QStringLiteral("$");
    rule.Suffix = QStringLiteral(" kWh");
    rule.Format = english();
    EXPECT_EQ(sortNumberOf(QStringLiteral("$12.5 kWh"), rule), 12.5);
    EXPECT_EQ(sortNumberOf(QString(), rule), 0.0);
    EXPECT_EQ(sortNumberOf(QStringLiteral("abc"), rule), std::nullopt);
}

TEST(SortCompare, AnEmptyNumberCellCountsAsZeroAndWordsComeFirst)
{
    EXPECT_EQ(sorted(texts({"5", "", "x", "-2"}), ssNumeric), texts({"x", "-2", "", "5"}));
}

TEST(SortCompare, BlanksGoWhereTheSettingSaysInBothDirections)
{
    const auto in = texts({"b", "", "a"});
    EXPECT_EQ(sorted(in, ssAlphabetic, false, true, blLast), texts({"a", "b", ""}));
    EXPECT_EQ(sorted(in, ssAlphabetic, true, true, blLast), texts({"b", "a", ""}));
    EXPECT_EQ(sorted(in, ssAlphabetic, false, true, blFirst), texts({"", "a", "b"}));
    EXPECT_EQ(sorted(in, ssAlphabetic, true, true, blFirst), texts({"", "b", "a"}));
    EXPECT_EQ(sorted(in, ssAlphabetic, false), texts({"", "a", "b"}));
    EXPECT_EQ(sorted(in, ssAlphabetic, true), texts({"b", "a", ""}));
}

TEST(SortCompare, TiesFallToTheNextColumnAndKeysAreMadeOnlyWhenNeeded)
{
    const auto first = texts({"1", "2", "1"});
    const auto second = texts({"z", "y", "x"});
    int made = 0;
    TSortKeyRule rule;
    rule.Style = ssAlphabetic;
    TSortColumnRule a{0, false, [&] { ++made; return TColumnSortKeys::fromTexts(first, rule); }, {}};
    TSortColumnRule b{1, true, [&] { ++made; return TColumnSortKeys::fromTexts(second, rule); }, {}};
    TRowSortComparer comparer({a, b}, false, blFirst);
    EXPECT_EQ(comparer.compare(0, 1), -1);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(comparer.compare(0, 2), -1); // z before x, descending
    EXPECT_EQ(made, 2);
}

TEST(SortCompare, OwnerComparisonsAreAskedWithRowsOfTheSort)
{
    std::vector<std::pair<int, int>> asked;
    TSortColumnRule custom;
    custom.Compare = [&](int a, int b) {
        asked.emplace_back(a, b);
        return 7 * (b - a); // any size of answer counts by its sign
    };
    TRowSortComparer comparer({custom}, false, blFirst);
    const std::vector<int> order = stableSortOrder(5, [&](int a, int b) { return comparer.before(a, b); });
    EXPECT_EQ(order, (std::vector<int>{4, 3, 2, 1, 0}));
    for (const auto &[a, b] : asked) {
        EXPECT_TRUE(a >= 0 && a < 5 && b >= 0 && b < 5);
    }
}

} // namespace

namespace {

// The keyed order and the order of the plain comparison agree for every
// direction and blank setting, ties broken by a second column.
TEST(SortCompare, KeyedOrderAgreesWithTheComparison)
{
    const auto numbers = texts({"5", "", "x", "-2", "5", "", "y", "3.5", "5"});
    const auto words = texts({"b", "", "a", "B", "a", "", "c", "a", "b"});
    const auto second = texts({"3", "2", "1", "9", "8", "7", "6", "5", "4"});
    for (TSortStyle style : {ssNumeric, ssAlphabetic, ssAlphaNoCase})
        for (bool descending : {false, true})
            for (bool ignoreBlanks : {false, true})
                for (TSortBlankPosition pos : {blFirst, blLast}) {
                    const auto &first = style == ssNumeric ? numbers : words;
                    TSortKeyRule rule;
                    rule.Style = style;
                    rule.Format = english();
                    TSortKeyRule text;
                    text.Style = ssNumeric;
                    const auto make = [&] {
                        TSortColumnRule a{0, descending, [&] { return TColumnSortKeys::fromTexts(first, rule); }, {}};
                        TSortColumnRule b{1, false, [&] { return TColumnSortKeys::fromTexts(second, text); }, {}};
                        return TRowSortComparer({a, b}, ignoreBlanks, pos);
                    };
                    TRowSortComparer plain = make();
                    TRowSortComparer keyed = make();
                    const int n = static_cast<int>(first.size());
                    EXPECT_EQ(keyed.sortedOrder(n),
                              stableSortOrder(n, [&](int x, int y) { return plain.before(x, y); }))
                        << int(style) << descending << ignoreBlanks << int(pos);
                }
}

} // namespace
