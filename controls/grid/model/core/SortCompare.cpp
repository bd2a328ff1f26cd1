#include "controls/grid/model/core/SortCompare.h"

#include "controls/grid/base/DateText.h"
#include "controls/grid/base/NumberText.h"
#include "controls/grid/model/core/SortKernel.h"
#include "controls/grid/model/core/TypedText.h"

#include <QLocale>

namespace controls {

namespace {

bool readsAsNumber(const QString &text, const TFormatSettings &fs)
{
    const int kind = ClassifyNumberText(text, fs);
    return kind == ntInteger || kind == ntDecimal || kind == ntExponent;
}

QString asciiUpper(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return upper;
}

int sign(double a, double b) { return a < b ? -1 : (b < a ? 1 : 0); }

double dateTimeOf(const QString &text, const TFormatSettings &fs)
{
    TDateTime value = 0;
    if (text.isEmpty() || !ParseLocaleDateTime(text, value, fs))
        return 0;
    return value;
}

} // namespace

TSortStyle resolveAutomaticStyle(const std::vector<QString> &texts, bool ignoreCase, const TFormatSettings &fs)
{
    bool numbers = true;
    bool dates = true;
    bool times = true;
    bool anyTime = false;
    bool any = false;
    for (const QString &t : texts) {
        if (t.isEmpty())
            continue;
        any = true;
        numbers = numbers && readsAsNumber(t, fs);
        const bool hasTime = t.contains(fs.TimeSeparator);
        dates = dates && LooksLikeDate(t, fs);
        anyTime = anyTime || hasTime;
        times = times && hasTime && sortTimeOf(t, fs).has_value();
        if (!numbers && !dates && !times)
            break;
    }
    if (any && numbers)
        return ssNumeric;
    if (any && dates)
        return anyTime ? ssDateTime : ssDate;
    if (any && times)
        return ssTime;
    return ignoreCase ? ssAlphaNoCase : ssAlphabetic;
}

TSortStyle resolveAlphaNumericStyle(TSortStyle style, const std::vector<QString> &texts, const TFormatSettings &fs)
{
    if (style != ssAlphaNumeric && style != ssAlphaNumericNoCase)
        return style;
    for (const QString &t : texts)
        if (!t.isEmpty() && !readsAsNumber(t, fs))
            return style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    return ssNumeric;
}

std::optional<double> sortNumberOf(const QString &text, const TSortKeyRule &rule)
{
    QString t = text;
    if (!rule.Suffix.isEmpty()) {
        const qsizetype at = t.indexOf(rule.Suffix);
        if (at >= 0)
            t.remove(at, rule.Suffix.size());
    }
    if (!rule.Prefix.isEmpty()) {
        const qsizetype at = t.indexOf(rule.Prefix);
        if (at >= 0)
            t.remove(at, rule.Prefix.size());
    }
    if (rule.Style == ssFinancial)
        t.remove(rule.Format.ThousandSeparator);
    if (rule.Format.DecimalSeparator != u'.') {
        const qsizetype at = t.indexOf(rule.Format.DecimalSeparator);
        if (at >= 0)
            t[at] = u'.';
    }
    t = t.trimmed();
    if (t.isEmpty())
        return 0.0;
    return parsePlainNumber(t);
}

std::optional<double> sortTimeOf(const QString &text, const TFormatSettings &fs)
{
    const QStringList parts = text.trimmed().split(fs.TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int values[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const std::optional<int> v = parseWholeInt(parts[i]);
        if (!v || *v < 0)
            return std::nullopt;
        values[i] = *v;
    }
    const std::optional<TDateTime> t = encodeTime(values[0], values[1], values[2]);
    if (!t)
        return std::nullopt;
    return *t;
}

std::unique_ptr<TColumnSortKeys> TColumnSortKeys::fromTexts(std::vector<QString> texts, const TSortKeyRule &rule)
{
    auto keys = std::make_unique<TColumnSortKeys>();
    const std::size_t n = texts.size();
    keys->m_blank.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        keys->m_blank[i] = texts[i].isEmpty();
    const TFormatSettings &fs = rule.Format;
    const auto numbersBy = [&](auto read) {
        keys->m_kind = Kind::Numbers;
        keys->m_numbers.resize(n);
        keys->m_isNumber.assign(n, 1);
        for (std::size_t i = 0; i < n; ++i) {
            const std::optional<double> v = read(texts[i]);
            keys->m_numbers[i] = v.value_or(0);
            keys->m_isNumber[i] = v.has_value();
        }
    };
    switch (rule.Style) {
    case ssNumeric:
    case ssFinancial:
        numbersBy([&](const QString &t) { return sortNumberOf(t, rule); });
        break;
    case ssDate:
    case ssDateTime:
        numbersBy([&](const QString &t) { return std::optional<double>(dateTimeOf(t, fs)); });
        break;
    case ssTime:
        numbersBy([&](const QString &t) { return std::optional<double>(sortTimeOf(t, fs).value_or(0)); });
        break;
    case ssShortDateEU:
        numbersBy([](const QString &t) { return std::optional<double>(ParseDateDMY(t)); });
        break;
    case ssShortDateUS:
        numbersBy([](const QString &t) { return std::optional<double>(ParseDateMDY(t)); });
        break;
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase: {
        keys->m_kind = Kind::Collated;
        QCollator collator{rule.Locale};
        collator.setCaseSensitivity(rule.Style == ssAnsiAlphaCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
        keys->m_collated.reserve(n);
        for (const QString &t : texts)
            keys->m_collated.push_back(collator.sortKey(t));
        break;
    }
    case ssAlphaNoCase:
        keys->m_kind = Kind::Texts;
        keys->m_texts.reserve(n);
        for (const QString &t : texts)
            keys->m_texts.push_back(asciiUpper(t));
        break;
    case ssHTML:
        keys->m_kind = Kind::Texts;
        keys->m_texts.reserve(n);
        for (const QString &t : texts)
            keys->m_texts.push_back(strippedCellText(t));
        break;
    default: // ssAlphabetic, ssAlphaCase and anything unresolved: the texts as they are
        keys->m_kind = Kind::Texts;
        keys->m_texts = std::move(texts);
        break;
    }
    return keys;
}

std::unique_ptr<TColumnSortKeys> TColumnSortKeys::fromNumbers(std::vector<double> numbers, std::vector<bool> blanks)
{
    auto keys = std::make_unique<TColumnSortKeys>();
    keys->m_kind = Kind::Numbers;
    keys->m_isNumber.assign(numbers.size(), 1);
    keys->m_numbers = std::move(numbers);
    blanks.resize(keys->m_numbers.size());
    keys->m_blank.assign(blanks.begin(), blanks.end());
    return keys;
}

int TColumnSortKeys::compare(int a, int b) const
{
    const auto ia = static_cast<std::size_t>(a);
    const auto ib = static_cast<std::size_t>(b);
    switch (m_kind) {
    case Kind::Numbers:
        if (m_isNumber[ia] != m_isNumber[ib])
            return m_isNumber[ia] ? 1 : -1;
        return sign(m_numbers[ia], m_numbers[ib]);
    case Kind::Texts: {
        const int r = QString::compare(m_texts[ia], m_texts[ib], Qt::CaseSensitive);
        return r < 0 ? -1 : (r > 0 ? 1 : 0);
    }
    case Kind::Collated: {
        const int r = m_collated[ia].compare(m_collated[ib]);
        return r < 0 ? -1 : (r > 0 ? 1 : 0);
    }
    }
    return 0;
}

TRowSortComparer::TRowSortComparer(std::vector<TSortColumnRule> columns, bool ignoreBlanks,
                                   TSortBlankPosition blankPos)
    : m_columns(std::move(columns)), m_keys(m_columns.size()), m_ignoreBlanks(ignoreBlanks), m_blankPos(blankPos)
{
}

const TColumnSortKeys &TRowSortComparer::keysOf(std::size_t i)
{
    if (!m_keys[i])
        m_keys[i] = m_columns[i].MakeKeys();
    return *m_keys[i];
}

int TRowSortComparer::compare(int a, int b) { return compareFrom(0, a, b); }

int TRowSortComparer::compareFrom(std::size_t first, int a, int b)
{
    for (std::size_t i = first; i < m_columns.size(); ++i) {
        const TSortColumnRule &rule = m_columns[i];
        int r = 0;
        if (rule.Compare) {
            r = rule.Compare(a, b);
            r = r < 0 ? -1 : (r > 0 ? 1 : 0);
        } else {
            const TColumnSortKeys &keys = keysOf(i);
            if (m_ignoreBlanks && keys.blank(a) != keys.blank(b)) {
                const int blankFirst = keys.blank(a) ? -1 : 1;
                return m_blankPos == blFirst ? blankFirst : -blankFirst;
            }
            r = keys.compare(a, b);
        }
        if (r != 0)
            return rule.Descending ? -r : r;
    }
    return 0;
}

namespace {

// The first column's key beside its row: the class orders blanks (when
// placed apart), texts that hold no number and numbers, in the direction.
struct TNumberItem {
    std::int8_t cls;
    double value;
    int row;
};
struct TTextItem {
    std::int8_t cls;
    QString text;
    int row;
};

} // namespace

std::vector<int> TRowSortComparer::sortedOrder(int count)
{
    if (m_columns.empty() || count < 2 || m_columns[0].Compare || keysOf(0).kind() == TColumnSortKeys::Kind::Collated
        || keysOf(0).count() < count)
        return stableSortOrder(count, [this](int a, int b) { return before(a, b); });
    const TColumnSortKeys &keys = keysOf(0);
    const bool descending = m_columns[0].Descending;
    const bool more = m_columns.size() > 1;
    const auto classOf = [&](int row, std::int8_t normal) -> std::int8_t {
        if (m_ignoreBlanks && keys.blank(row))
            return m_blankPos == blFirst ? -1 : 2;
        return descending ? static_cast<std::int8_t>(1 - normal) : normal;
    };
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(count));
    if (keys.kind() == TColumnSortKeys::Kind::Numbers) {
        std::vector<TNumberItem> items(static_cast<std::size_t>(count));
        for (int r = 0; r < count; ++r)
            items[static_cast<std::size_t>(r)] = {classOf(r, keys.isNumber(r) ? 1 : 0),
                                                  descending ? -keys.number(r) : keys.number(r), r};
        stableSortItems(items, [&](const TNumberItem &x, const TNumberItem &y) {
            if (x.cls != y.cls)
                return x.cls < y.cls;
            if (x.value < y.value)
                return true;
            if (y.value < x.value || !more)
                return false;
            return compareFrom(1, x.row, y.row) < 0;
        });
        for (const TNumberItem &i : items)
            order.push_back(i.row);
        return order;
    }
    std::vector<TTextItem> items(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r)
        items[static_cast<std::size_t>(r)] = {classOf(r, 0), keys.text(r), r};
    stableSortItems(items, [&](const TTextItem &x, const TTextItem &y) {
        if (x.cls != y.cls)
            return x.cls < y.cls;
        const int c = QString::compare(x.text, y.text, Qt::CaseSensitive);
        if (c != 0)
            return descending ? c > 0 : c < 0;
        return more && compareFrom(1, x.row, y.row) < 0;
    });
    for (const TTextItem &i : items)
        order.push_back(i.row);
    return order;
}
} // namespace controls
