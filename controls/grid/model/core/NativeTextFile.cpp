#include "controls/grid/model/core/NativeTextFile.h"

#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/base/OemText.h"

#include <QStringDecoder>
#include <QtEndian>

namespace controls {

namespace {

// The text of a number field; nothing when it is none.
std::optional<int> numberField(QStringView field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The field before the first "," (all of it without one), the rest after.
QStringView nextField(QStringView &rest)
{
    const qsizetype comma = rest.indexOf(u',');
    if (comma < 0) {
        // No ",": an empty field, the line left whole for the next.
        return {};
    }
    const QStringView field = rest.first(comma);
    rest = rest.sliced(comma + 1);
    return field;
}

std::optional<int> headerCount(QStringView field, int limit)
{
    const auto value = numberField(field);
    if (!value || *value < 0 || *value > limit)
        return std::nullopt;
    return value;
}

} // namespace

QByteArray encodeNativeText(const QStringList &lines, bool unicode)
{
    const QString text = JoinLinesCrLf(lines);
    if (unicode) {
        QByteArray bytes(2 + 2 * text.size(), Qt::Uninitialized);
        bytes[0] = char(0xFF);
        bytes[1] = char(0xFE);
        qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data() + 2);
        return bytes;
    }
    return StringToAnsiOrMark(text);
}

QStringList decodeNativeText(const QByteArray &bytes)
{
    QString text;
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decode(QStringDecoder::Utf16LE);
        text = decode(QByteArrayView(bytes).sliced(2));
    } else if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decode(QStringDecoder::Utf16BE);
        text = decode(QByteArrayView(bytes).sliced(2));
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    } else {
        text = AnsiToString(bytes);
    }
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (ch != u'\r' && ch != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (ch == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start));
    return lines;
}

QString nativeWidthLine(int col, int width)
{
    return QStringLiteral("cw %1,%2").arg(col).arg(width);
}

QString nativeCellLine(int col, int row, const QString &text)
{
    const QString stored = text.contains(u'\r') ? MaskLineBreaks(text) : text;
    return QString::number(col) + u',' + QString::number(row) + u',' + stored;
}

std::optional<TNativeTextFile> parseNativeText(const QStringList &lines)
{
    TNativeTextFile file;
    if (lines.isEmpty())
        return file;
    if (!lines[0].isEmpty()) {
        QStringView header(lines[0]);
        const qsizetype comma = header.indexOf(u',');
        if (comma < 0)
            return std::nullopt;
        file.cols = headerCount(header.first(comma), MaxNativeFileCols);
        file.rows = headerCount(header.sliced(comma + 1), MaxNativeFileRows);
        if (!file.cols || !file.rows)
            return std::nullopt;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.startsWith(u"cw")) {
            QStringView rest = QStringView(line).sliced(std::min<qsizetype>(3, line.size()));
            const qsizetype comma = rest.indexOf(u',');
            if (comma < 0)
                continue;
            const auto col = numberField(rest.first(comma));
            const auto width = numberField(rest.sliced(comma + 1).first(std::min<qsizetype>(255, rest.size() - comma - 1)));
            if (col && width)
                file.widths.push_back({*col, *width});
            continue;
        }
        QStringView rest(line);
        const auto col = numberField(nextField(rest));
        const auto row = numberField(nextField(rest));
        if (col && row)
            file.cells.push_back({*col, *row, rest.toString()});
    }
    return file;
}

} // namespace controls
