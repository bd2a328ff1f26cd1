#include "controls/grid/model/core/ClipboardText.h"

#include <algorithm>

namespace controls {

namespace {

constexpr QChar kTab = u'\t';
constexpr QChar kCR = u'\r';
constexpr QChar kLF = u'\n';
constexpr QChar kQuote = u'"';
constexpr QChar kVerticalTab = QChar(11);

bool isSpecial(QChar c) { return c == kCR || c == kLF || c == kTab; }

// The quoted form's length: the quotes, each quote twice, CR LF as one LF.
qsizetype quotedLength(QStringView field)
{
    qsizetype n = 2;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c == kQuote)
            n += 2;
        else if (c == kCR && i + 1 < field.size() && field[i + 1] == kLF)
            continue; // the LF that follows stands for both
        else
            ++n;
    }
    return n;
}

void appendQuoted(QString &out, QStringView field)
{
    out.append(kQuote);
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c == kQuote) {
            out.append(kQuote);
            out.append(kQuote);
        } else if (c == kCR) {
            if (i + 1 < field.size() && field[i + 1] == kLF)
                ++i;
            out.append(kLF);
        } else {
            out.append(c);
        }
    }
    out.append(kQuote);
}

// Reads one field from pos; pos ends on the TAB, the line break or the end.
QString readField(QStringView text, qsizetype &pos, bool verticalTabs)
{
    const qsizetype n = text.size();
    QString field;
    if (pos < n && text[pos] == kQuote) {
        ++pos;
        while (pos < n) {
            const QChar c = text[pos];
            if (c == kQuote) {
                if (pos + 1 < n && text[pos + 1] == kQuote) {
                    field.append(kQuote);
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            if (c == kCR || c == kLF) {
                field.append(kCR);
                field.append(kLF);
                pos += (c == kCR && pos + 1 < n && text[pos + 1] == kLF) ? 2 : 1;
                continue;
            }
            field.append(c);
            ++pos;
        }
    }
    // Plain text, or what follows a closing quote, up to the field's end.
    const qsizetype start = pos;
    while (pos < n && !isSpecial(text[pos]))
        ++pos;
    field.append(text.sliced(start, pos - start));
    if (verticalTabs && field.contains(kVerticalTab))
        field.replace(kVerticalTab, QStringLiteral("\r\n"));
    return field;
}

} // namespace

bool clipboardFieldNeedsQuotes(QStringView field)
{
    if (field.isEmpty())
        return false;
    if (field.front() == kQuote)
        return true;
    // Qt's own searches: vectorised, and most fields hold none of the three.
    return field.contains(kTab) || field.contains(kCR) || field.contains(kLF);
}

QString encodeClipboardField(QStringView field)
{
    if (!clipboardFieldNeedsQuotes(field))
        return field.toString();
    QString out;
    out.reserve(quotedLength(field));
    appendQuoted(out, field);
    return out;
}

QString joinClipboardFields(const std::vector<QString> &fields, int cols, bool lineBreaks)
{
    if (cols <= 0 || fields.empty())
        return {};
    const qsizetype count = qsizetype(fields.size());
    const qsizetype rows = (count + cols - 1) / cols;
    // Fields that need quotes are few; they are found once and measured.
    std::vector<char> quoted(fields.size());
    qsizetype total = (lineBreaks ? 2 * rows : 0) + (count - rows);
    for (qsizetype i = 0; i < count; ++i) {
        const QString &f = fields[std::size_t(i)];
        quoted[std::size_t(i)] = clipboardFieldNeedsQuotes(f);
        total += quoted[std::size_t(i)] ? quotedLength(f) : f.size();
    }
    QString out;
    out.reserve(total);
    for (qsizetype i = 0; i < count; ++i) {
        const QString &f = fields[std::size_t(i)];
        if (quoted[std::size_t(i)])
            appendQuoted(out, f);
        else
            out.append(f);
        const bool rowEnd = (i + 1) % cols == 0 || i + 1 == count;
        if (!rowEnd)
            out.append(kTab);
        else if (lineBreaks)
            out.append(QStringLiteral("\r\n"));
    }
    return out;
}

TClipboardTable parseClipboardText(QStringView text, bool verticalTabs)
{
    TClipboardTable table;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        std::vector<QString> row;
        while (true) {
            row.push_back(readField(text, pos, verticalTabs));
            if (pos < n && text[pos] == kTab) {
                ++pos;
                continue;
            }
            break;
        }
        if (pos < n) { // a line break
            pos += (text[pos] == kCR && pos + 1 < n && text[pos + 1] == kLF) ? 2 : 1;
        }
        table.maxFields = std::max(table.maxFields, int(row.size()));
        table.rows.push_back(std::move(row));
    }
    return table;
}

TPastedSize countPastedText(QStringView text)
{
    const TClipboardTable table = parseClipboardText(text);
    return {table.maxFields, std::max(0, int(table.rows.size()) - 1)};
}

} // namespace controls
