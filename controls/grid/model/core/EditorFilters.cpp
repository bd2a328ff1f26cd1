#include "controls/grid/model/core/EditorFilters.h"

#include "controls/grid/base/NumberText.h"
#include "controls/grid/base/TextTransform.h"

#include <algorithm>

namespace controls {

namespace {

constexpr QChar kBack = u'\b';
constexpr QChar kTab = u'\t';
constexpr QChar kEnter = u'\r';
constexpr QChar kEscape = QChar(27);

bool isEditKey(QChar c) { return c == kBack || c == kTab || c == kEnter || c == kEscape; }

TCharFilter verdict(TCharVerdict v, QChar ch) { return TCharFilter{v, ch, false}; }

// An editor's selection always lies inside its text; callers' may not.
TEditorText inside(const TEditorText &s)
{
    TEditorText r = s;
    const int length = int(r.text.size());
    r.selStart = std::clamp(r.selStart, 0, length);
    r.selLength = std::clamp(r.selLength, 0, length - r.selStart);
    return r;
}

TCharFilter filterNumeric(QChar ch, const TEditorText &state, bool allowMinus)
{
    if (isEditKey(ch) || ch.isDigit())
        return verdict(TCharVerdict::Accept, ch);
    if (allowMinus && ch == u'-' && !state.text.contains(u'-') && state.selStart == 0)
        return verdict(TCharVerdict::Accept, ch);
    return verdict(TCharVerdict::Beep, ch);
}

TCharFilter filterFloat(QChar ch, const TEditorText &state, bool allowMinus, bool ctrlDown, const TFormatSettings &fs)
{
    const bool known = isEditKey(ch) || ch.isDigit() || ch == u',' || ch == u'.' || (allowMinus && ch == u'-');
    if (!known)
        return verdict(ctrlDown ? TCharVerdict::Accept : TCharVerdict::Drop, ch);
    if (ch == fs.DecimalSeparator) {
        // One separator: a second one only replaces a selected one.
        const QString outside = state.text.left(state.selStart) + state.text.mid(state.caret());
        return verdict(outside.contains(ch) ? TCharVerdict::Drop : TCharVerdict::Accept, ch);
    }
    if (ch == fs.ThousandSeparator)
        return verdict(TCharVerdict::Drop, ch);
    if (ch == u'-' && (state.selStart != 0 || state.text.contains(u'-')) && !state.selects(u'-'))
        return verdict(TCharVerdict::Beep, ch);
    return verdict(TCharVerdict::Accept, ch);
}

TCharFilter filterValidChars(QChar ch, const TEditorFilterRules &rules)
{
    if (ch == kBack || ch == kEnter)
        return verdict(TCharVerdict::Accept, ch);
    const bool ok = rules.validChars.isEmpty() ? ch.unicode() < 256 && rules.validCharSet.contains(ch)
                                               : rules.validChars.contains(ch);
    return verdict(ok ? TCharVerdict::Accept : TCharVerdict::Beep, ch);
}

bool allCharsIn(const QString &text, const QString &allowed)
{
    for (const QChar c : text)
        if (!allowed.contains(c))
            return false;
    return true;
}

} // namespace

bool isDefaultEditType(TEditorType type)
{
    switch (type) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

TCharFilter filterEditorChar(QChar ch, const TEditorText &given, const TEditorFilterRules &rules,
                             const TFormatSettings &fs)
{
    const TEditorText state = inside(given);
    // A full editor takes only the keys that edit or leave it.
    if (rules.lengthLimit > 0 && state.text.size() >= rules.lengthLimit && state.selLength == 0
        && !(ch == kBack || ch == kEscape || ch == kEnter))
        return verdict(TCharVerdict::Drop, ch);
    switch (rules.type) {
    case edNumeric:
        return filterNumeric(ch, state, true);
    case edPositiveNumeric:
        return filterNumeric(ch, state, false);
    case edFloat:
        return filterFloat(ch, state, true, rules.ctrlDown, fs);
    case edPositiveFloat:
        return filterFloat(ch, state, false, rules.ctrlDown, fs);
    case edCapital:
    case edUpperCase:
        return verdict(TCharVerdict::Accept, ch.toUpper());
    case edLowerCase:
        return verdict(TCharVerdict::Accept, ch.toLower());
    case edMixedCase:
        return TCharFilter{TCharVerdict::Accept, ch, true};
    case edValidChars:
        return filterValidChars(ch, rules);
    default:
        return verdict(TCharVerdict::Accept, ch);
    }
}

std::optional<TEditorText> pasteIntoEditor(const QString &clip, const TEditorText &given,
                                           const TEditorFilterRules &rules, const TFormatSettings &fs)
{
    const TEditorText state = inside(given);
    const bool limited = rules.lengthLimit >= 1;
    if (limited && clip.size() > rules.lengthLimit)
        return std::nullopt;
    QString value = clip;
    // One line copied from a spreadsheet ends with its line break.
    if (const int crlf = value.indexOf(QStringLiteral("\r\n")); crlf >= 0 && crlf == value.size() - 2)
        value.chop(2);
    TEditorText result;
    result.text = state.text.left(state.selStart) + value + state.text.mid(state.caret());
    if (state.selLength > 0) {
        result.selStart = state.selStart;
        result.selLength = int(value.size());
    } else {
        result.selStart = state.selStart + int(value.size());
    }
    if (limited && result.text.size() > rules.lengthLimit)
        return std::nullopt;
    const int kind = ClassifyNumberText(result.text, fs);
    switch (rules.type) {
    case edNumeric:
        return kind == ntInteger ? std::optional(result) : std::nullopt;
    case edPositiveNumeric:
        return kind == ntInteger && !result.text.contains(u'-') ? std::optional(result) : std::nullopt;
    case edFloat:
        return kind == ntInteger || kind == ntDecimal ? std::optional(result) : std::nullopt;
    case edPositiveFloat:
        return (kind == ntInteger || kind == ntDecimal) && !result.text.contains(u'-') ? std::optional(result)
                                                                                       : std::nullopt;
    case edMixedCase:
        result.text = CapitalizeName(result.text);
        return result;
    case edLowerCase:
        result.text = result.text.toLower();
        return result;
    case edCapital:
    case edUpperCase:
        result.text = result.text.toUpper();
        return result;
    case edValidChars:
        return allCharsIn(result.text, rules.validChars.isEmpty() ? rules.validCharSet : rules.validChars)
                   ? std::optional(result)
                   : std::nullopt;
    default:
        return result;
    }
}

std::optional<TEditorText> lookupCompletion(const TEditorText &given, const QStringList &items, bool caseSensitive)
{
    const TEditorText state = inside(given);
    if (state.selLength > 0)
        return std::nullopt;
    const QString typed = state.text.left(state.caret());
    // Nothing typed yet completes nothing: an emptied editor stays empty.
    if (typed.isEmpty())
        return std::nullopt;
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (const QString &item : items) {
        if (!item.startsWith(typed, cs))
            continue;
        TEditorText result;
        result.text = typed + item.mid(typed.size(), 255);
        result.selStart = int(typed.size());
        result.selLength = int(result.text.size() - typed.size());
        return result;
    }
    return std::nullopt;
}

QString inputMaskFromEditMask(const QString &mask)
{
    if (mask.isEmpty())
        return {};
    const QStringList fields = mask.split(u';');
    const QString &places = fields.front();
    QString out;
    for (qsizetype i = 0; i < places.size(); ++i) {
        const QChar c = places[i];
        if (c == u'\\' && i + 1 < places.size()) {
            out += c;
            out += places[++i];
            continue;
        }
        switch (c.unicode()) {
        case u'0':
            out += u'9';
            break;
        case u'9':
            out += u'0';
            break;
        case u'C':
            out += u'X';
            break;
        case u'c':
            out += u'x';
            break;
        case u'!':
            break;
        case u'L':
        case u'l':
        case u'A':
        case u'a':
        case u'#':
        case u'>':
        case u'<':
            out += c;
            break;
        default:
            // Characters Qt would read as places are literals here.
            if (QStringLiteral("NnXxDdHhBb[]{}").contains(c))
                out += u'\\';
            out += c;
            break;
        }
    }
    if (out.isEmpty())
        return {};
    const QString blank = fields.size() >= 3 && !fields[2].isEmpty() ? fields[2].left(1) : QStringLiteral("_");
    return out + u';' + blank;
}

} // namespace controls
