#include "controls/grid/base/html/HtmlMarkup.h"

#include <algorithm>
#include <array>

namespace controls {

namespace {

struct Entity {
    QStringView name;
    QStringView replacement;
};

constexpr std::array<Entity, 9> kPreprocessed{{
    {u"&amp;", u"&&"},
    {u"&quot;", u"\""},
    {u"&sect;", u"\u00A7"},
    {u"&permil;", u"\u2030"},
    {u"&reg;", u"\u00AE"},
    {u"&copy;", u"\u00A9"},
    {u"&para;", u"\u00B6"},
    {u"&trade;", u"\u2122"},
    {u"&euro;", u"\u20AC"},
}};

constexpr std::array<Entity, 3> kChunkEntities{{
    {u"&nbsp;", u" "},
    {u"&lt;", u"<"},
    {u"&gt;", u">"},
}};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

QString preprocessHtml(const QString &text)
{
    const QStringView source(text);
    const auto special = [&](qsizetype i, qsizetype fieldEnds) {
        const QChar c = source[i];
        return c == u'&' || c == u'\n' || c == u'\r' || (c == u'>' && fieldEnds > 0)
               || (c == u'<' && i + 1 < source.size() && source[i + 1] == u'#');
    };
    qsizetype i = 0;
    while (i < source.size() && !special(i, 0))
        ++i;
    if (i == source.size())
        return text;

    QString out;
    out.reserve(text.size() + 16);
    out += source.first(i);
    // Each "<#" takes away the first ">" after it.
    qsizetype fieldEnds = 0;
    while (i < source.size()) {
        qsizetype plain = i;
        while (plain < source.size() && !special(plain, fieldEnds))
            ++plain;
        out += source.sliced(i, plain - i);
        i = plain;
        if (i == source.size())
            break;
        const QChar c = source[i];
        if (c == u'&') {
            const QStringView rest = source.sliced(i);
            const auto entity = std::find_if(kPreprocessed.begin(), kPreprocessed.end(), [&](const Entity &e) {
                return rest.startsWith(e.name, Qt::CaseInsensitive);
            });
            if (entity == kPreprocessed.end()) {
                out += c;
                ++i;
            } else {
                out += entity->replacement;
                i += entity->name.size();
            }
            continue;
        }
        if (c == u'<')
            ++fieldEnds; // the "#" that follows stays
        else if (c == u'>')
            --fieldEnds;
        else if (c == u'\r')
            out += u"<BR>";
        ++i;
    }
    return out;
}

QString decodeHtmlChunk(QStringView raw)
{
    if (!raw.contains(u'&'))
        return raw.toString();
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'&') {
            out += raw[i];
            continue;
        }
        if (i + 1 < raw.size() && raw[i + 1] == u'&') {
            out += u"&&";
            ++i;
            continue;
        }
        const QStringView rest = raw.sliced(i);
        const auto entity = std::find_if(kChunkEntities.begin(), kChunkEntities.end(),
                                         [&](const Entity &e) { return rest.startsWith(e.name); });
        if (entity == kChunkEntities.end()) {
            out += u'&';
            continue;
        }
        out += entity->replacement;
        i += entity->name.size() - 1;
    }
    return out;
}

THtmlAttribute htmlAttribute(QStringView tag, QStringView name)
{
    THtmlAttribute attribute;
    const qsizetype at = tag.indexOf(name, 0, Qt::CaseInsensitive);
    if (at < 0)
        return attribute;
    attribute.present = true;
    qsizetype i = at + name.size();
    while (i < tag.size() && isBlank(tag[i]))
        ++i;
    if (i >= tag.size() || tag[i] != u'=') {
        attribute.rest = tag.sliced(i);
        return attribute;
    }
    ++i;
    while (i < tag.size() && isBlank(tag[i]))
        ++i;
    attribute.rest = tag.sliced(i);
    if (i < tag.size() && tag[i] == u'"') {
        const qsizetype close = tag.indexOf(u'"', i + 1);
        if (close >= 0) {
            attribute.quoted = true;
            attribute.value = tag.sliced(i + 1, close - i - 1).toString();
        }
    }
    return attribute;
}

int leadingNumber(QStringView text, bool isSigned)
{
    constexpr int kLimit = 1'000'000;
    qsizetype i = 0;
    const bool negative = isSigned && !text.isEmpty() && text[0] == u'-';
    if (negative)
        ++i;
    int value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(kLimit, value * 10 + (text[i].unicode() - u'0'));
    return negative ? -value : value;
}

} // namespace controls
