#include "controls/dropdown/core/TypedInput.h"

#include "controls/dropdown/core/NumberRules.h"
#include "controls/grid/base/TextTransform.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace controls {

namespace {

constexpr QChar Backspace(u'\b');

constexpr bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
constexpr bool isHexLetter(QChar c) { return (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }
constexpr bool isAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
constexpr bool isSigned(TDropDownEditType type) { return type == etNumeric || type == etFloat || type == etMoney; }

TTypedResult refuse() { return {TTypedVerdict::Refuse, {}}; }
TTypedResult apply(const TEditState &state) { return {TTypedVerdict::Apply, state}; }

TEditState withCaret(const QString &value, int caret)
{
    caret = std::clamp(caret, 0, int(value.size()));
    return {value, caret, caret, 0};
}

bool wholeValueSelected(const TEditState &s)
{
    return !s.value.isEmpty() && s.selStart == 0 && s.selLength >= s.value.size();
}

bool selectionContains(const TEditState &s, QChar c)
{
    return s.hasSelection() && QStringView(s.value).sliced(s.selStart, s.selLength).contains(c);
}

TEditState deleteBackwards(const TEditState &s)
{
    QString value = s.value;
    if (s.hasSelection()) {
        value.remove(s.selStart, s.selLength);
        return withCaret(value, s.selStart);
    }
    value.remove(s.caret - 1, 1);
    return withCaret(value, s.caret - 1);
}

TEditState typed(const TEditState &s, QChar c)
{
    const TEditState inserted = InsertText(s, QString(c));
    return withCaret(inserted.value, inserted.caret);
}

bool fitsMaxLength(const TEditTypeSettings &settings, const TEditState &after)
{
    return settings.MaxLength <= 0 || after.value.size() <= settings.MaxLength;
}

// The integer digits LengthLimit counts: without thousand separators, up
// to the decimal separator, a sign not counted when one is accepted.
int integerLength(const TEditTypeSettings &settings, const QString &value, const TFormatSettings &fs)
{
    QString plain = StripThousandSeparators(value, fs);
    const qsizetype point = plain.indexOf(fs.DecimalSeparator);
    if (point >= 0)
        plain.truncate(point);
    if (settings.Signed && plain.startsWith(u'-'))
        plain.remove(0, 1);
    return int(plain.size());
}

TEditState toggledSign(const TEditState &s)
{
    if (wholeValueSelected(s))
        return withCaret(QStringLiteral("-"), 1);
    if (s.value.startsWith(u'-'))
        return withCaret(s.value.sliced(1), std::max(0, s.caret - 1));
    return withCaret(u'-' + s.value, s.caret + 1);
}

// A typed separator only three characters from the nearest thousand
// separator keeps the groups whole.
bool separatorSpacingAccepts(const TEditState &s, const TFormatSettings &fs)
{
    if (fs.ThousandSeparator.isNull() || !s.value.contains(fs.ThousandSeparator))
        return true;
    int d = s.caret;
    int nearest = INT_MAX;
    QStringView rest(s.value);
    for (qsizetype at = rest.indexOf(fs.ThousandSeparator); at >= 0; at = rest.indexOf(fs.ThousandSeparator)) {
        const int c = int(at) + 1;
        const int distance = std::abs(c - d);
        nearest = std::min(nearest, distance);
        if (distance < 3)
            return false;
        if (c < d)
            d -= c;
        rest = rest.sliced(at + 1);
    }
    return nearest <= 3;
}

// Precision decimals typed already, the caret among them.
bool decimalPartFull(const TEditTypeSettings &settings, const TEditState &s, const TFormatSettings &fs)
{
    if (settings.Precision <= 0)
        return false;
    const qsizetype point = s.value.indexOf(fs.DecimalSeparator);
    if (point < 0)
        return false;
    const int p = int(point) + 1;
    return s.caret >= p && s.value.size() - p >= settings.Precision
           && s.value.size() - s.caret <= settings.Precision;
}

// The decimal separator typed outside a selection: a second one moves the
// caret behind the first when decimals are wanted.
std::optional<TTypedResult> decimalSeparatorJump(const TEditTypeSettings &settings, const TEditState &s,
                                                 const TFormatSettings &fs)
{
    if (selectionContains(s, fs.DecimalSeparator))
        return std::nullopt;
    const qsizetype point = s.value.indexOf(fs.DecimalSeparator);
    if (settings.Precision == 0)
        return refuse();
    if (point < 0)
        return std::nullopt;
    if (settings.Precision < 0)
        return refuse();
    return apply(withCaret(s.value, int(point) + 1));
}

// Rules (c) to (g) shared by etFloat and etMoney.
TTypedResult decimalNumberRules(const TEditTypeSettings &settings, const TEditState &s, QChar c,
                                const TFormatSettings &fs)
{
    const bool separator = c == fs.DecimalSeparator || (!fs.ThousandSeparator.isNull() && c == fs.ThousandSeparator);
    if (separator && !separatorSpacingAccepts(s, fs))
        return refuse();
    if (!s.hasSelection() && (isDigit(c) || separator) && decimalPartFull(settings, s, fs)) {
        if (!isDigit(c) || s.caret >= s.value.size())
            return refuse();
        TEditState replaced = s;
        replaced.selStart = s.caret;
        replaced.selLength = 1;
        return apply(typed(replaced, c));
    }
    if (c == fs.DecimalSeparator && s.value.isEmpty())
        return apply(withCaret(u'0' + QString(c), 2));
    if (c == u'-')
        return apply(toggledSign(s));
    if (c == Backspace)
        return apply(deleteBackwards(s));
    return apply(typed(s, c));
}

TTypedResult floatRules(const TEditTypeSettings &settings, const TEditState &s, QChar c, const TFormatSettings &fs)
{
    const bool localeChar = c == fs.DecimalSeparator || c == fs.ThousandSeparator;
    if ((c == u',' || c == u'.') && !localeChar)
        return refuse();
    if (!(c == Backspace || c == u',' || c == u'-' || c == u'.' || isDigit(c)))
        return refuse();
    if (c == fs.DecimalSeparator)
        if (auto jump = decimalSeparatorJump(settings, s, fs))
            return *jump;
    if (c == u',' && c != fs.ThousandSeparator && s.value.contains(u',') && !selectionContains(s, u','))
        return refuse();
    return decimalNumberRules(settings, s, c, fs);
}

TTypedResult moneyRules(const TEditTypeSettings &settings, const TEditState &s, QChar c, const TFormatSettings &fs)
{
    if (!(c == Backspace || c == u'-' || isDigit(c) || c == fs.DecimalSeparator))
        return refuse();
    if (c == fs.DecimalSeparator) {
        if (wholeValueSelected(s) && settings.Precision > 0) {
            const QString zero = NormalizeTextValue(u'0' + QString(fs.DecimalSeparator) + u'0', settings, fs);
            return apply(withCaret(zero, int(zero.indexOf(fs.DecimalSeparator)) + 1));
        }
        if (auto jump = decimalSeparatorJump(settings, s, fs))
            return *jump;
    }
    TTypedResult result = decimalNumberRules(settings, s, c, fs);
    if (result.verdict == TTypedVerdict::Apply && c != fs.DecimalSeparator && !result.state.value.isEmpty()
        && result.state.value != u"-")
        result.state = FormatMoneyText(result.state, settings, fs);
    return result;
}

TTypedResult rangeRules(const TEditState &s, QChar c)
{
    if (c == Backspace)
        return apply(deleteBackwards(s));
    if (!(isDigit(c) || IsRangeSeparator(c)))
        return refuse();
    if (IsRangeSeparator(c)) {
        const TEditState at = s.hasSelection() ? withCaret(QString(s.value).remove(s.selStart, s.selLength), s.selStart) : s;
        const bool before = at.caret > 0 && IsRangeSeparator(at.value[at.caret - 1]);
        const bool after = at.caret < at.value.size() && IsRangeSeparator(at.value[at.caret]);
        if (at.caret == 0 || before || after)
            return refuse();
    }
    return apply(typed(s, c));
}

TTypedResult typeRules(const TEditTypeSettings &settings, const TEditState &s, QChar c, const TFormatSettings &fs)
{
    switch (settings.EditType) {
    case etString:
    case etPassword:
        return apply(c == Backspace ? deleteBackwards(s) : typed(s, c));
    case etUppercase:
        return apply(c == Backspace ? deleteBackwards(s) : typed(s, QString(c).toUpper().front()));
    case etLowerCase:
        return apply(c == Backspace ? deleteBackwards(s) : typed(s, QString(c).toLower().front()));
    case etMixedCase: {
        TEditState next = c == Backspace ? deleteBackwards(s) : typed(s, c);
        next.value = CapitalizeName(next.value);
        return apply(next);
    }
    case etNumeric:
        if (c == u'-' && settings.Signed)
            return apply(toggledSign(s));
        if (c == Backspace)
            return apply(deleteBackwards(s));
        return isDigit(c) ? apply(typed(s, c)) : refuse();
    case etFloat:
        return floatRules(settings, s, c, fs);
    case etMoney:
        return moneyRules(settings, s, c, fs);
    case etRange:
        return rangeRules(s, c);
    case etHex:
        if (c == Backspace)
            return apply(deleteBackwards(s));
        // A sign only in front.
        if (c == u'-') {
            const TEditState next = typed(s, c);
            return next.value.indexOf(u'-', 1) < 0 ? apply(next) : refuse();
        }
        return isDigit(c) || isHexLetter(c) ? apply(typed(s, c)) : refuse();
    case etAlphaNumeric:
        if (c == Backspace)
            return apply(deleteBackwards(s));
        return c.unicode() < 128 && (isDigit(c) || isAsciiLetter(c)) ? apply(typed(s, c)) : refuse();
    case etValidChars:
        if (c == Backspace)
            return apply(deleteBackwards(s));
        return settings.ValidChars.contains(c) ? apply(typed(s, c)) : refuse();
    }
    return refuse();
}

} // namespace

TEditState InsertText(const TEditState &state, const QString &text)
{
    TEditState next;
    next.value = state.value;
    const int at = state.hasSelection() ? state.selStart : state.caret;
    if (state.hasSelection())
        next.value.remove(state.selStart, state.selLength);
    next.value.insert(at, text);
    if (state.hasSelection() && !text.isEmpty()) {
        next.selStart = at;
        next.selLength = int(text.size());
        next.caret = at + int(text.size());
    } else {
        next.caret = next.selStart = at + int(text.size());
        next.selLength = 0;
    }
    return next;
}

TTypedResult TypeCharacter(const TEditTypeSettings &settings, const TEditState &state, TTypedKey key,
                           const TFormatSettings &fs)
{
    TEditState s = state;
    s.caret = std::clamp(s.caret, 0, int(s.value.size()));
    s.selStart = std::clamp(s.selStart, 0, int(s.value.size()));
    s.selLength = std::clamp(s.selLength, 0, int(s.value.size()) - s.selStart);
    QChar c = key.c;
    if (c == u'\n' && key.ctrl)
        return refuse();
    // Control characters (Ctrl+C, Tab, Enter...) are the edit's own.
    if (c != Backspace && (c.unicode() < 32 || c.unicode() == 127))
        return {TTypedVerdict::Pass, {}};
    if (settings.ExcelStyleDecimalSeparator && key.keypad && (c == u'.' || c == u','))
        c = fs.DecimalSeparator;
    // Nothing to delete before the caret: the prefix is out of reach.
    if (c == Backspace && !s.hasSelection() && s.caret == 0)
        return refuse();
    if (settings.LengthLimit > 0 && c != Backspace && c != fs.DecimalSeparator
        && !(c == u'-' && settings.Signed && isSigned(settings.EditType)) && !s.hasSelection()) {
        const qsizetype point = s.value.indexOf(fs.DecimalSeparator);
        const bool beforePoint = point < 0 || s.caret <= point;
        if (beforePoint && integerLength(settings, s.value, fs) >= settings.LengthLimit)
            return refuse();
    }
    if (c == u'-' && isSigned(settings.EditType) && !settings.Signed)
        return refuse();
    TTypedResult result = typeRules(settings, s, c, fs);
    if (result.verdict == TTypedVerdict::Apply && result.state.value.size() > s.value.size()
        && !fitsMaxLength(settings, result.state))
        return refuse();
    return result;
}

std::optional<TEditState> PasteText(const TEditTypeSettings &settings, const TEditState &state, const QString &text,
                                    const TFormatSettings &fs)
{
    if (text.isEmpty())
        return std::nullopt;
    TEditState s = state;
    s.caret = std::clamp(s.caret, 0, int(s.value.size()));
    s.selStart = std::clamp(s.selStart, 0, int(s.value.size()));
    s.selLength = std::clamp(s.selLength, 0, int(s.value.size()) - s.selStart);
    TEditState next = InsertText(s, text);
    if (settings.MaxLength > 0 && next.value.size() > settings.MaxLength)
        return std::nullopt;
    const auto everyChar = [&](auto accepted) { return std::all_of(text.begin(), text.end(), accepted); };
    switch (settings.EditType) {
    case etString:
    case etPassword:
        break;
    case etNumeric:
        if (ClassifyEditNumberText(next.value, fs) != entInteger || (next.value.contains(u'-') && !settings.Signed))
            return std::nullopt;
        next.value = NormalizeTextValue(next.value, settings, fs);
        break;
    case etFloat:
    case etMoney: {
        const int kind = ClassifyEditNumberText(next.value, fs);
        if (kind == entOther || kind == entHex || next.value == u"-")
            return std::nullopt;
        if (settings.Precision == 0 && text.contains(fs.DecimalSeparator))
            return std::nullopt;
        if (next.value.contains(u'-') && !settings.Signed)
            return std::nullopt;
        const QString stored = NormalizeTextValue(next.value, settings, fs);
        const auto shown = FloatValueText(FloatValueOf(stored, settings, fs), settings, fs);
        if (!shown)
            return std::nullopt;
        next.value = NormalizeTextValue(*shown, settings, fs);
        break;
    }
    case etUppercase:
        next.value = next.value.toUpper();
        break;
    case etLowerCase:
        next.value = next.value.toLower();
        break;
    case etMixedCase:
        next.value = CapitalizeName(next.value);
        break;
    case etAlphaNumeric:
        if (!everyChar([](QChar c) { return c.unicode() < 128 && (isDigit(c) || isAsciiLetter(c)); }))
            return std::nullopt;
        break;
    case etValidChars:
        if (!everyChar([&](QChar c) { return settings.ValidChars.contains(c); }))
            return std::nullopt;
        break;
    case etRange:
    case etHex:
        return std::nullopt;
    }
    const int length = int(next.value.size());
    if (settings.EditType == etMoney && length > 3)
        return TEditState{next.value, length, 0, length};
    next.caret = std::clamp(next.caret, 0, length);
    next.selStart = std::clamp(next.selStart, 0, length);
    next.selLength = std::clamp(next.selLength, 0, length - next.selStart);
    return next;
}

std::optional<QString> ValueOnLeave(const TEditTypeSettings &settings, const QString &value, bool allowNullValue,
                                    const TFormatSettings &fs)
{
    const bool decimal = settings.EditType == etFloat || settings.EditType == etMoney;
    if (value.isEmpty() && allowNullValue)
        return std::nullopt;
    if (settings.EditType == etNumeric && value.isEmpty())
        return QStringLiteral("0");
    if (decimal && (value.isEmpty() || settings.Precision > 0)) {
        const auto shown = FloatValueText(value.isEmpty() ? 0.0 : FloatValueOf(value, settings, fs), settings, fs);
        if (!shown)
            return std::nullopt;
        const QString normal = NormalizeTextValue(*shown, settings, fs);
        return normal == value ? std::nullopt : std::optional<QString>(normal);
    }
    return std::nullopt;
}

} // namespace controls
