#include "controls/grid/base/HtmlText.h"

#include <QHash>
#include <array>
#include <vector>

namespace controls {

namespace {

constexpr std::array<THtmlEntity, 55> kEntities{{
    {u'\u00E9', u"&eacute;"}, {u'\u00E8', u"&egrave;"}, {u'\u00EB', u"&euml;"},  {u'\u00EA', u"&ecirc;"},
    {u'\u00F3', u"&oacute;"}, {u'\u00F2', u"&ograve;"}, {u'\u00F6', u"&ouml;"},  {u'\u00F4', u"&ocirc;"},
    {u'\u00ED', u"&iacute;"}, {u'\u00EC', u"&igrave;"}, {u'\u00EF', u"&iuml;"},  {u'\u00EE', u"&icirc;"},
    {u'\u00FA', u"&uacute;"}, {u'\u00F9', u"&ugrave;"}, {u'\u00FC', u"&uuml;"},  {u'\u00FB', u"&ucirc;"},
    {u'\u00E1', u"&aacute;"}, {u'\u00E0', u"&agrave;"}, {u'\u00E4', u"&auml;"},  {u'\u00E2', u"&acirc;"},
    {u'\u00C9', u"&Eacute;"}, {u'\u00C8', u"&Egrave;"}, {u'\u00CB', u"&Euml;"},  {u'\u00CA', u"&Ecirc;"},
    {u'\u00D3', u"&Oacute;"}, {u'\u00D2', u"&Ograve;"}, {u'\u00D6', u"&Ouml;"},  {u'\u00D4', u"&Ocirc;"},
    {u'\u00CD', u"&Iacute;"}, {u'\u00CC', u"&Igrave;"}, {u'\u00CF', u"&Iuml;"},  {u'\u00CE', u"&Icirc;"},
    {u'\u00DA', u"&Uacute;"}, {u'\u00D9', u"&Ugrave;"}, {u'\u00DC', u"&Uuml;"},  {u'\u00DB', u"&Ucirc;"},
    {u'\u00C1', u"&Aacute;"}, {u'\u00C0', u"&Agrave;"}, {u'\u00C4', u"&Auml;"},  {u'\u00C2', u"&Acirc;"},
    {u'\u00E7', u"&ccedil;"}, {u'\u00C7', u"&Ccedil;"}, {u'\u00F8', u"&oslash;"}, {u'\u00D8', u"&Oslash;"},
    {u'\u00E5', u"&aring;"},  {u'\u00C5', u"&Aring;"},  {u'\u00A9', u"&copy;"},  {u'\u00AE', u"&reg;"},
    {u'\u20AC', u"&euro;"},   {u'\u00AB', u"&laquo;"},  {u'\u00BB', u"&raquo;"}, {u'\u00E3', u"&atilde;"},
    {u'\u00C3', u"&Atilde;"}, {u'\u00F5', u"&otilde;"}, {u'\u00D5', u"&Otilde"},
}};

struct EntityMaps {
    QHash<char16_t, QString> nameOf;
    QHash<QString, char16_t> characterOf; // names without "&" and ";"
};

const EntityMaps &entityMaps(bool useTable)
{
    static const auto build = [](bool table) {
        EntityMaps maps;
        const auto add = [&maps](char16_t c, QStringView name) {
            maps.nameOf.insert(c, name.toString());
            maps.characterOf.insert(name.sliced(1, name.size() - 2).toString(), c);
        };
        add(u'&', u"&amp;");
        add(u'"', u"&quot;");
        add(u'<', u"&lt;");
        add(u'>', u"&gt;");
        if (table)
            for (std::size_t i = 0; i < kEscapedEntityRows; ++i)
                add(kEntities[i].character, kEntities[i].name);
        return maps;
    };
    static const EntityMaps plain = build(false);
    static const EntityMaps withTable = build(true);
    return useTable ? withTable : plain;
}

// Visible-text ranges of the matches, as [start, end).
struct Match {
    qsizetype start;
    qsizetype end;
};

// Splits markup into tags and visible characters: each "<" up to the next
// ">" is a tag, until a "<" has no ">" after it or a ">" has stood before
// the next "<"; from there on every character is visible.
template <class OnTag, class OnVisible>
void walkMarkup(const QString &markup, OnTag onTag, OnVisible onVisible)
{
    bool strayClose = false;
    for (qsizetype i = 0; i < markup.size(); ++i) {
        const QChar c = markup[i];
        if (c == u'<' && !strayClose) {
            const qsizetype end = markup.indexOf(u'>', i + 1);
            if (end >= 0) {
                onTag(QStringView(markup).sliced(i, end - i + 1));
                i = end;
                continue;
            }
            strayClose = true;
        }
        if (c == u'>')
            strayClose = true;
        onVisible(c);
    }
}

QString visibleText(const QString &text)
{
    QString visible;
    visible.reserve(text.size());
    walkMarkup(text, [](QStringView) {}, [&visible](QChar c) { visible += c; });
    return visible;
}

QString escapeAngles(QString text)
{
    return text.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
}

} // namespace

std::span<const THtmlEntity> HtmlEntityTable()
{
    return kEntities;
}

QString HtmlToPlainText(const QString &text)
{
    QString broken = text;
    for (const QString &rule : {QStringLiteral("<BR>"), QStringLiteral("<HR>")})
        broken.replace(rule, QStringLiteral("\r\n"), Qt::CaseInsensitive);

    QString plain;
    plain.reserve(broken.size());
    for (qsizetype i = 0; i < broken.size(); ++i) {
        if (broken[i] == u'<') {
            const qsizetype close = broken.indexOf(u'>', i + 1);
            if (close < 0) {
                plain += QStringView(broken).sliced(i);
                break;
            }
            i = close;
            continue;
        }
        plain += broken[i];
    }
    return plain;
}

QString EscapeHtmlText(const QString &text, bool useTable)
{
    const auto &nameOf = entityMaps(useTable).nameOf;
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        const auto found = c.unicode() < 0x80 && c != u'&' && c != u'"' && c != u'<' && c != u'>'
            ? nameOf.cend()
            : nameOf.constFind(c.unicode());
        if (found == nameOf.cend())
            escaped += c;
        else
            escaped += *found;
    }
    return escaped;
}

QString UnescapeHtmlText(const QString &text, bool useTable)
{
    constexpr qsizetype longestName = 6; // "oacute"
    const auto &characterOf = entityMaps(useTable).characterOf;
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            const qsizetype semicolon = text.indexOf(u';', i + 1);
            if (semicolon > i + 1 && semicolon - i - 1 <= longestName) {
                const auto found = characterOf.constFind(text.sliced(i + 1, semicolon - i - 1));
                if (found != characterOf.cend()) {
                    plain += QChar(*found);
                    i = semicolon;
                    continue;
                }
            }
        }
        plain += text[i];
    }
    return plain;
}

QString SpacesToNbsp(const QString &text)
{
    QString result = text;
    result.replace(u' ', QStringLiteral("&nbsp;"));
    return result;
}

QString WrapMatchesInTag(const QString &text, const QString &search, const QString &tag, bool caseSensitive)
{
    if (search.isEmpty())
        return text;
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QString markup = text;
    QString visible = visibleText(text);
    QString needle = search;
    if (markup.contains(needle, cs) && (visible.contains(u'<') || visible.contains(u'>'))) {
        // Angle brackets that are text would read as tags below.
        visible = escapeAngles(visible);
        needle = escapeAngles(needle);
        markup = visible;
    }

    std::vector<Match> matches;
    for (qsizetype at = visible.indexOf(needle, 0, cs); at >= 0; at = visible.indexOf(needle, at + needle.size(), cs))
        matches.push_back({at, at + needle.size()});
    if (matches.empty())
        return markup;

    const QString openTag = u'<' + tag + u'>';
    const QString closeTag = QStringLiteral("</") + tag + u'>';
    QString result;
    result.reserve(markup.size() + qsizetype(matches.size()) * (openTag.size() + closeTag.size()));
    // Both tags go just after a visible character: an opening tag after
    // the one before the match (so tags in front of the match fall inside
    // it), a closing tag after the match's last one (in front of any tags
    // that follow it).
    auto next = matches.cbegin();
    bool open = false;
    const auto afterVisible = [&](qsizetype seen) {
        if (open && seen == next->end) {
            result += closeTag;
            open = false;
            ++next;
        }
        if (!open && next != matches.cend() && seen == next->start) {
            result += openTag;
            open = true;
        }
    };
    afterVisible(0);
    qsizetype seen = 0;
    walkMarkup(
        markup, [&result](QStringView tagText) { result += tagText; },
        [&](QChar c) {
            result += c;
            afterVisible(++seen);
        });
    return result;
}

QString RemoveTagPairs(const QString &text, const QString &tag)
{
    QString result = text;
    result.remove(u'<' + tag + u'>', Qt::CaseInsensitive);
    result.remove(QStringLiteral("</") + tag + u'>', Qt::CaseInsensitive);
    result.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    result.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return result;
}

namespace {
THtmlHighlightColors &highlightColors()
{
    static THtmlHighlightColors colors;
    return colors;
}
} // namespace

void SetHtmlHighlightColors(platform::TColor background, platform::TColor text)
{
    highlightColors() = {background, text};
}

THtmlHighlightColors HtmlHighlightColors()
{
    return highlightColors();
}

} // namespace controls
