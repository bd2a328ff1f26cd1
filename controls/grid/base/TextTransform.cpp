#include "controls/grid/base/TextTransform.h"

#include "controls/grid/base/NumberText.h"

namespace controls {

QString DoubleQuoteChars(const QString &text)
{
    QString result = text;
    result.replace(u'"', QStringLiteral("\"\""));
    return result;
}

QString UndoubleChar(QChar c, const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == c && i + 1 < text.size() && text[i + 1] == c)
            ++i;
    }
    return result;
}

void FillWithChar(QString &text, QChar c)
{
    text.fill(c);
}

QString JoinStringItems(const QStringList &items)
{
    return items.join(QString());
}

QString CutNextToken(QString &text, QChar delimiter)
{
    const qsizetype at = text.indexOf(delimiter);
    if (at < 0)
        return {};
    QString token = text.first(at);
    text.remove(0, at + 1);
    return token;
}

QString CapitalizeName(const QString &text)
{
    QString result = text;
    const qsizetype n = result.size();
    bool wordStart = true;
    bool mcSeen = false;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = result[i];
        if (IsNameSeparator(c)) {
            wordStart = true;
        } else {
            result[i] = wordStart ? c.toUpper() : c.toLower();
            wordStart = false;
        }
        const QStringView done = QStringView(result).first(i + 1);
        if (done == u"Mc")
            wordStart = true;
        if (!mcSeen && done.endsWith(u" Mc")) {
            mcSeen = true;
            wordStart = true;
        }
        // Roman numerals at the end of a name stay upper case.
        if (i >= n - 3 && (done.endsWith(u" I") || done.endsWith(u" II")))
            wordStart = true;
    }
    return result;
}

bool ParseRowColRef(const QString &text, QPoint &cell)
{
    const QString upper = text.toUpper();
    if (upper.size() <= 3 || !upper.startsWith(u'R'))
        return false;
    const qsizetype c = upper.indexOf(u'C', 1);
    if (c < 0)
        return false;
    const auto row = parseWholeInt(QStringView(upper).sliced(1, c - 1));
    const auto col = parseWholeInt(QStringView(upper).sliced(c + 1));
    if (!row || !col)
        return false;
    cell = QPoint(*col, *row);
    return true;
}

} // namespace controls
