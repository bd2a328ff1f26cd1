#include "controls/grid/model/core/GridTextStream.h"

#include <QtEndian>

namespace controls {

QByteArray encodeGridTextLine(const QString &line)
{
    QByteArray bytes(2 * line.size() + 4, Qt::Uninitialized);
    qToLittleEndian<char16_t>(line.utf16(), line.size(), bytes.data());
    char *end = bytes.data() + 2 * line.size();
    end[0] = '\r';
    end[1] = 0;
    end[2] = '\n';
    end[3] = 0;
    return bytes;
}

std::optional<QString> readGridTextLine(QIODevice &stream)
{
    QString line;
    bool any = false;
    char unit[2];
    while (stream.read(unit, 2) == 2) {
        any = true;
        const char16_t ch = qFromLittleEndian<char16_t>(unit);
        if (ch != u'\r') {
            line += QChar(ch);
            continue;
        }
        char next[2];
        if (stream.peek(next, 2) == 2 && qFromLittleEndian<char16_t>(next) == u'\n')
            stream.skip(2);
        return line;
    }
    if (!any)
        return std::nullopt;
    return line;
}

std::optional<TGridTextCell> splitGridTextCell(const QString &line)
{
    const qsizetype first = line.indexOf(u',');
    if (first <= 0)
        return std::nullopt;
    const qsizetype second = line.indexOf(u',', first + 1);
    const qsizetype rowEnd = second < 0 ? line.size() : second;
    if (rowEnd == first + 1)
        return std::nullopt;
    TGridTextCell cell;
    cell.col = line.first(first);
    cell.row = line.sliced(first + 1, rowEnd - first - 1);
    if (second >= 0)
        cell.text = line.sliced(second + 1);
    return cell;
}

} // namespace controls
