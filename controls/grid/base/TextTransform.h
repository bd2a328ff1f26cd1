#pragma once
// Small rewrites of cell texts: quotes for CSV, tokens, proper-case names
// and "R1C1" cell references.
#include <QPoint>
#include <QString>
#include <QStringList>

namespace controls {

QString DoubleQuoteChars(const QString &text);
// Each doubled c becomes one; a run of three keeps two.
QString UndoubleChar(QChar c, const QString &text);
void FillWithChar(QString &text, QChar c);
QString JoinStringItems(const QStringList &items);
// The text before the first delimiter, which text loses together with the
// delimiter; without a delimiter "" and text unchanged.
QString CutNextToken(QString &text, QChar delimiter);

constexpr bool IsNameSeparator(QChar c)
{
    return c == u' ' || c == u'\'' || c == u',' || c == u'-' || c == u'.';
}
// "mcdonald" gives "McDonald", "henry iii" gives "Henry III".
QString CapitalizeName(const QString &text);

// "R12C3" in any case: cell.x() the column 3, cell.y() the row 12.
bool ParseRowColRef(const QString &text, QPoint &cell);

} // namespace controls
