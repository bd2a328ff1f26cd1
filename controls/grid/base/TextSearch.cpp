#include "controls/grid/base/TextSearch.h"

namespace controls {

namespace {

int position1(qsizetype index)
{
    return index < 0 ? 0 : int(index + 1);
}

// Index of the first unpaired c at or after from, or -1.
qsizetype unpairedFrom(QChar c, QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] != c)
            continue;
        if (i + 1 == text.size() || text[i + 1] != c)
            return i;
        ++i;
    }
    return -1;
}

} // namespace

int PosWithResult(const QString &subText, const QString &text, int &position)
{
    position = position1(text.indexOf(subText));
    return position;
}

int UpperCasePos(const QString &upperSubText, const QString &text)
{
    return position1(text.toUpper().indexOf(upperSubText));
}

int FindChar(QChar c, const QString &text)
{
    return position1(text.indexOf(c));
}

int FindCharWithResult(QChar c, const QString &text, int &position)
{
    const int found = FindChar(c, text);
    if (found > 0)
        position = found;
    return found;
}

int CountCharInText(QChar c, const QString &text)
{
    return int(text.count(c));
}

int FindUnpairedChar(QChar c, const QString &text, int &position)
{
    position = position1(unpairedFrom(c, text, 0));
    return position;
}

int CountUnpairedChars(QChar c, const QString &text)
{
    int count = 0;
    for (qsizetype at = unpairedFrom(c, text, 0); at >= 0; at = unpairedFrom(c, text, at + 1))
        ++count;
    return count;
}

} // namespace controls
