#include "controls/grid/base/FilterCondition.h"

#include "controls/grid/base/DateText.h"
#include "controls/grid/base/NumberText.h"

#include <optional>

namespace controls {

namespace {

// Groups nested deeper than this count as not matching rather than
// exhausting the stack.
constexpr int kMaxGroupDepth = 64;
// Texts compare on their first 255 characters, as the stored short strings
// of the grid's filters did.
constexpr qsizetype kCompareLength = 255;

bool isOperator(QChar c)
{
    return c == u'(' || c == u';' || c == u'^' || c == u'&' || c == u'|';
}

qsizetype firstUnquoted(QStringView text, qsizetype from, bool (*wanted)(QChar))
{
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        else if (!quoted && wanted(text[i]))
            return i;
    }
    return -1;
}

bool isClauseEnd(QChar c)
{
    return c == u'&' || c == u'|';
}

// The operand of the comparison whose operator stands at at.
struct Comparison {
    bool orEqual = false;
    QStringView operand;
};

Comparison comparisonAt(QStringView clause, qsizetype at)
{
    Comparison comparison;
    qsizetype begin = at + 1;
    if (begin < clause.size() && clause[begin] == u'=') {
        comparison.orEqual = true;
        ++begin;
    }
    while (begin < clause.size() && clause[begin] == u' ')
        ++begin;
    qsizetype end = firstUnquoted(clause, begin, isClauseEnd);
    if (end < 0)
        end = clause.size();
    QStringView operand = clause.sliced(begin, end - begin);
    if (operand.startsWith(u'"'))
        operand = operand.sliced(1);
    if (operand.endsWith(u'"'))
        operand.chop(1);
    comparison.operand = operand;
    return comparison;
}

std::optional<double> numberOf(QStringView text, const TFormatSettings &fs)
{
    // Dates first: without its separators "1.1.2020" would read as 112020.
    TDateTime unused = 0;
    if (ParseLocaleDateTime(text.toString(), unused, fs))
        return std::nullopt;
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (c == fs.ThousandSeparator)
            continue;
        plain += c == fs.DecimalSeparator ? QChar(u'.') : c;
    }
    return parsePlainNumber(plain);
}

std::optional<TDateTime> dateTimeOf(QStringView text, const TFormatSettings &fs)
{
    TDateTime value = 0;
    if (!ParseLocaleDateTime(text.toString(), value, fs))
        return std::nullopt;
    return value;
}

template <class T>
int order(T a, T b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}

int compareValues(QStringView value, QStringView operand, const TFormatSettings &fs)
{
    const auto valueNumber = numberOf(value, fs);
    const auto operandNumber = valueNumber ? numberOf(operand, fs) : std::nullopt;
    if (valueNumber && operandNumber)
        return order(*valueNumber, *operandNumber);
    const auto valueDate = dateTimeOf(value, fs);
    const auto operandDate = valueDate ? dateTimeOf(operand, fs) : std::nullopt;
    if (valueDate && operandDate)
        return order(*valueDate, *operandDate);
    return order(value.first(std::min(value.size(), kCompareLength))
                     .compare(operand.first(std::min(operand.size(), kCompareLength))),
                 0);
}

bool sameChar(QChar a, QChar b, bool caseSensitive)
{
    return a == b || (!caseSensitive && a.toUpper() == b.toUpper());
}

qsizetype skipMarks(QStringView pattern, qsizetype i)
{
    while (i < pattern.size() && (pattern[i] == u'"' || pattern[i] == u'!'))
        ++i;
    return i;
}

// "*" and "?" against the whole value. On a mismatch the last "*" takes one
// more character and matching resumes behind it, which finds a match when
// any split does, in at most pattern length times value length steps.
bool wildcardMatch(QStringView pattern, QStringView value, bool caseSensitive)
{
    qsizetype p = 0, v = 0, starP = -1, starV = 0;
    while (v < value.size()) {
        p = skipMarks(pattern, p);
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starV = v;
        } else if (p < pattern.size() && (pattern[p] == u'?' || sameChar(pattern[p], value[v], caseSensitive))) {
            ++p;
            ++v;
        } else if (starP >= 0) {
            p = starP + 1;
            v = ++starV;
        } else {
            return false;
        }
    }
    for (p = skipMarks(pattern, p); p < pattern.size() && pattern[p] == u'*'; p = skipMarks(pattern, p + 1)) {
    }
    return p == pattern.size();
}

bool evaluate(QStringView condition, QStringView value, bool caseSensitive, const TFormatSettings &fs, int depth)
{
    bool result = false;
    QChar previous;
    const auto combine = [&](bool d) {
        if (previous == u'&')
            result = result && d;
        else if (previous == u';' || previous == u'^' || previous == u'|')
            result = result || d;
        else
            result = d;
    };

    bool afterGroup = false;
    for (qsizetype op = firstUnquoted(condition, 0, isOperator); op >= 0;
         op = firstUnquoted(condition, 0, isOperator)) {
        afterGroup = false;
        if (condition.startsWith(u'(')) {
            if (const int close = FindClosingParen(condition); close > 0) {
                combine(depth < kMaxGroupDepth
                        && evaluate(condition.sliced(1, close - 2), value, caseSensitive, fs, depth + 1));
                condition = condition.sliced(close);
                // A group joins what follows by the operator after its ")";
                // with none there, the two must both hold.
                previous = u'&';
                if (!condition.isEmpty() && isOperator(condition.front()) && condition.front() != u'(') {
                    previous = condition.front();
                    condition = condition.sliced(1);
                }
                afterGroup = true;
                continue;
            }
        }
        combine(MatchFilterClause(condition.first(op), value, caseSensitive, fs));
        previous = condition[op];
        condition = condition.sliced(op + 1);
    }
    if (!(afterGroup && condition.isEmpty()))
        combine(MatchFilterClause(condition, value, caseSensitive, fs));
    return result;
}

} // namespace

bool MatchFilterCondition(const QString &condition, const QString &value, bool caseSensitive,
                          const TFormatSettings &fs)
{
    const QString cleaned = RemoveUnquotedSpaces(condition.trimmed());
    QStringView rest = cleaned;
    if (rest.startsWith(u'='))
        rest = rest.sliced(1);
    return evaluate(rest, value, caseSensitive, fs, 0);
}

bool MatchFilterClause(QStringView clause, QStringView value, bool caseSensitive, const TFormatSettings &fs)
{
    const qsizetype greater = clause.indexOf(u'>');
    const qsizetype less = clause.indexOf(u'<');
    const bool negated = clause.contains(u'!');
    const bool either = clause.contains(u'^');
    const bool both = clause.contains(u'&');
    if (greater < 0 && less < 0 && !(negated && (either || both)))
        return wildcardMatch(clause, value, caseSensitive) != (clause.count(u'!') % 2 == 1);

    // Comparisons see both sides upper-cased unless case counts.
    const QString upperClause = caseSensitive ? QString() : clause.toString().toUpper();
    const QString upperValue = caseSensitive ? QString() : value.toString().toUpper();
    const QStringView c = caseSensitive ? clause : QStringView(upperClause);
    const QStringView v = caseSensitive ? value : QStringView(upperValue);
    const auto test = [&](qsizetype at, bool greaterTest) {
        if (at < 0)
            return true; // a test the clause does not hold
        const Comparison comparison = comparisonAt(c, c.indexOf(greaterTest ? u'>' : u'<'));
        const int sign = compareValues(v, comparison.operand, fs);
        return greaterTest ? sign > 0 || (comparison.orEqual && sign == 0)
                           : sign < 0 || (comparison.orEqual && sign == 0);
    };
    const bool greaterTrue = test(greater, true);
    const bool lessTrue = test(less, false);
    const bool greaterParsed = greater >= 0 || negated;
    const bool lessParsed = less >= 0 || negated;

    if (either && (greaterParsed || lessParsed))
        return lessTrue || greaterTrue;
    if (both && greaterParsed && lessParsed)
        return greaterTrue && lessTrue;
    if ((greater >= 0 && greaterTrue) || (less >= 0 && lessTrue))
        return true;
    return wildcardMatch(clause, value, caseSensitive) != (clause.count(u'!') % 2 == 1);
}

QString RemoveUnquotedSpaces(const QString &text)
{
    if (!text.contains(u' '))
        return text;
    QString result;
    result.reserve(text.size());
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        if (c != u' ' || quoted)
            result += c;
    }
    return result;
}

int FindClosingParen(QStringView text)
{
    int opened = 0, closed = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'(')
            ++opened;
        else if (text[i] == u')' && ++closed == opened)
            return int(i + 1);
    }
    return 0;
}

} // namespace controls
