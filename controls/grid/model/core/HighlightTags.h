#pragma once
// Highlighting and marking text inside a cell with a pair of mini-HTML
// tags, so that unhighlighting gives back exactly the text there was: a
// cell without a hit is left alone, a plain text is escaped only when it
// gets tags (its "<" and "&" would otherwise read as markup), and only a
// cell holding the tag is taken apart again.
#include <QString>

namespace controls {

// The cell's text with every occurrence of search in its visible text
// wrapped in <tag>...</tag>; the text unchanged when there is none.
QString tagMatchesInCell(const QString &text, const QString &search, const QString &tag, bool caseSensitive);
// Every <tag> and </tag> removed, the escaping of a plain text undone; the
// text unchanged when it holds no such tag.
QString untagCell(const QString &text, const QString &tag);

} // namespace controls
