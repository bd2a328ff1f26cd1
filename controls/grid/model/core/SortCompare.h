#pragma once
// How the grid compares the cells of a column when it sorts: one key per
// row is made once from the cell's text by the sort style, and rows compare
// by their keys, so that every comparison of a sort follows the same rule
// (an automatic style is chosen once for the whole column, not per pair)
// and a million rows cost a million conversions, not twenty million.
#include "controls/grid/base/FormatSettings.h"
#include "controls/grid/base/GridTypes.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace controls {

enum TSortDirection : std::uint8_t { sdAscending, sdDescending };
enum TSortBlankPosition : std::uint8_t { blFirst, blLast };

// What turns a column's texts into keys.
struct TSortKeyRule {
    TSortStyle Style = ssAlphabetic;
    QString Prefix; // removed from number texts before reading them
    QString Suffix;
    TFormatSettings Format = formatSettings();
    QLocale Locale; // the ssAnsiAlpha* collation
};

// The style ssAutomatic stands for, judged on every non-empty text of the
// column: numbers when all read as numbers, dates (with times when any has
// one) when all look like dates, times when all hold the time separator,
// otherwise text, without regard to case when ignoreCase.
TSortStyle resolveAutomaticStyle(const std::vector<QString> &texts, bool ignoreCase,
                                 const TFormatSettings &fs = formatSettings());

// ssAlphaNumeric and ssAlphaNumericNoCase: numbers when every non-empty
// text reads as one, text otherwise.
TSortStyle resolveAlphaNumericStyle(TSortStyle style, const std::vector<QString> &texts,
                                    const TFormatSettings &fs = formatSettings());

// A number text read as the sort reads it: affixes and (for ssFinancial)
// thousand separators removed, the decimal separator of the settings; an
// empty text is 0; nullopt for a text that holds no number.
std::optional<double> sortNumberOf(const QString &text, const TSortKeyRule &rule);
// "hh:mm" or "hh:mm:ss" with the time separator of fs, as a fraction of a
// day; nullopt for anything else.
std::optional<double> sortTimeOf(const QString &text, const TFormatSettings &fs = formatSettings());

// The keys of one column, one per row of the sort (row i of the texts).
class TColumnSortKeys {
public:
    // Styles ssCustom and ssRaw have no keys; ssAutomatic, ssAlphaNumeric*
    // must be resolved first. ssImages and ssCheckBox take their keys from
    // fromNumbers.
    static std::unique_ptr<TColumnSortKeys> fromTexts(std::vector<QString> texts, const TSortKeyRule &rule);
    static std::unique_ptr<TColumnSortKeys> fromNumbers(std::vector<double> numbers, std::vector<bool> blanks);

    // -1, 0 or 1: row a before, with, after row b in ascending order.
    int compare(int a, int b) const;
    bool blank(int row) const { return m_blank[static_cast<std::size_t>(row)] != 0; }
    int count() const { return static_cast<int>(m_blank.size()); }

    enum class Kind : std::uint8_t { Numbers, Texts, Collated };
    Kind kind() const { return m_kind; }
    bool isNumber(int row) const { return m_isNumber[static_cast<std::size_t>(row)] != 0; }
    double number(int row) const { return m_numbers[static_cast<std::size_t>(row)]; }
    const QString &text(int row) const { return m_texts[static_cast<std::size_t>(row)]; }

private:
    Kind m_kind = Kind::Numbers;
    // Numbers: a text that holds none sorts before every number, and all
    // such texts are equal among themselves.
    std::vector<double> m_numbers;
    std::vector<std::uint8_t> m_isNumber;
    std::vector<QString> m_texts;
    std::vector<QCollatorSortKey> m_collated;
    std::vector<std::uint8_t> m_blank;
};

// One column of a row comparison: its keys made when a comparison first
// needs them (ties on the columns before it), or a comparison of its own
// (ssCustom, ssRaw) that the owner answers.
struct TSortColumnRule {
    int Column = 0;
    bool Descending = false;
    std::function<std::unique_ptr<TColumnSortKeys>()> MakeKeys;
    std::function<int(int, int)> Compare; // when set, used instead of keys
};

// Rows compared column after column until one differs; blanks placed by
// blankPos in both directions when ignoreBlanks.
class TRowSortComparer {
public:
    TRowSortComparer(std::vector<TSortColumnRule> columns, bool ignoreBlanks, TSortBlankPosition blankPos);
    // -1, 0 or 1 in the final order: row a before, with, after row b.
    int compare(int a, int b);
    bool before(int a, int b) { return compare(a, b) < 0; }
    // The rows 0..count-1 in order (stable): by the first column's keys
    // carried beside the row numbers, the other columns asked on ties only.
    std::vector<int> sortedOrder(int count);

private:
    const TColumnSortKeys &keysOf(std::size_t i);
    int compareFrom(std::size_t first, int a, int b);

    std::vector<TSortColumnRule> m_columns;
    std::vector<std::unique_ptr<TColumnSortKeys>> m_keys;
    bool m_ignoreBlanks;
    TSortBlankPosition m_blankPos;
};

} // namespace controls
