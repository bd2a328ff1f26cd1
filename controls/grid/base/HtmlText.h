#pragma once
// Mini-HTML text without drawing it: named entities, escaping, the plain
// text of a marked-up cell, and the highlight tags that searching puts
// around matches.
#include "platform/Color.h"

#include <QString>
#include <span>

namespace controls {

struct THtmlEntity {
    char16_t character;
    const char16_t *name; // with its "&" and, but for the last row, its ";"
};
// The named entities the renderer knows, in their fixed order. Escaping and
// unescaping use only the first kEscapedEntityRows of them.
std::span<const THtmlEntity> HtmlEntityTable();
constexpr std::size_t kEscapedEntityRows = 51;

// "<BR>" and "<HR>" (any case) become CR LF, every other tag goes; a "<"
// with no ">" after it stays with the rest of the text. Entities stay.
QString HtmlToPlainText(const QString &text);

// "&", '"', "<" and ">" become entities; with useTable also the characters
// of the entity table. One pass: "&amp;" becomes "&amp;amp;".
QString EscapeHtmlText(const QString &text, bool useTable);
// The reverse, one pass: "&amp;amp;" becomes "&amp;".
QString UnescapeHtmlText(const QString &text, bool useTable);
QString SpacesToNbsp(const QString &text);

// Puts <tag>...</tag> around every occurrence of search in the visible
// text (the text without its tags), mapped back into the markup; each
// search resumes at the end of the previous match.
QString WrapMatchesInTag(const QString &text, const QString &search, const QString &tag, bool caseSensitive);
// Removes every <tag> and </tag> (any case), then turns "&lt;" and "&gt;"
// back into "<" and ">".
QString RemoveTagPairs(const QString &text, const QString &tag);

struct THtmlHighlightColors {
    platform::TColor Background = platform::clHighlight;
    platform::TColor Text = platform::clHighlightText;
};
// The colours of HI elements for every later rendering.
void SetHtmlHighlightColors(platform::TColor background, platform::TColor text);
THtmlHighlightColors HtmlHighlightColors();

} // namespace controls
