#include "controls/grid/model/core/HighlightTags.h"

#include "controls/grid/base/CellText.h"
#include "controls/grid/base/HtmlText.h"

namespace controls {

namespace {

bool isMarkup(const QString &text) { return GetCellTextKind(text, true) == ckHtml; }

QString openTag(const QString &tag) { return u'<' + tag + u'>'; }
QString closeTag(const QString &tag) { return QStringLiteral("</") + tag + u'>'; }

} // namespace

QString tagMatchesInCell(const QString &text, const QString &search, const QString &tag, bool caseSensitive)
{
    if (search.isEmpty())
        return text;
    // A plain text is escaped so that it reads the same once it is markup;
    // markup keeps its own tags and entities.
    const QString source = isMarkup(text) ? text : EscapeHtmlText(text, false);
    const QString wrapped = WrapMatchesInTag(source, EscapeHtmlText(search, false), tag, caseSensitive);
    return wrapped == source ? text : wrapped;
}

QString untagCell(const QString &text, const QString &tag)
{
    const QString open = openTag(tag);
    const QString close = closeTag(tag);
    if (!text.contains(open, Qt::CaseInsensitive) && !text.contains(close, Qt::CaseInsensitive))
        return text;
    QString bare = text;
    bare.remove(open, Qt::CaseInsensitive);
    bare.remove(close, Qt::CaseInsensitive);
    // Markup left after the tags came off was markup before them; a text
    // that no longer reads as markup was a plain text escaped for them.
    return isMarkup(bare) ? bare : UnescapeHtmlText(bare, false);
}

} // namespace controls
