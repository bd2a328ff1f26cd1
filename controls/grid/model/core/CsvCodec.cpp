#include "controls/grid/model/core/CsvCodec.h"

#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/base/OemText.h"
#include "controls/grid/base/TextSearch.h"
#include "controls/grid/base/TextTransform.h"

#include <QStringDecoder>

#include <array>

namespace controls {

namespace {

const QChar kQuote = u'"';
const QChar kLineTab = QChar(11);

// A quoted field open at the end of a line takes at most this many more
// lines; beyond it the quote counts as unclosed, so a stray quote cannot
// make reading a long file quadratic.
constexpr int kMaxJoinedLines = 4096;

bool isBreak(QChar ch)
{
    return ch == u'\r' || ch == u'\n';
}

// The length of the break at i: 2 for CR LF, else 1.
qsizetype breakLength(QStringView text, qsizetype i)
{
    return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
}

// The first quote not one of a doubled pair; -1 when none.
qsizetype unpairedQuote(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != kQuote)
            continue;
        if (i + 1 < text.size() && text[i + 1] == kQuote)
            ++i;
        else
            return i;
    }
    return -1;
}

QString decodeField(QString field, bool javaCsv)
{
    if (javaCsv)
        TildeToLineBreaks(field);
    else
        LTToCRLF(field);
    return field;
}

// Blanks before a field go, but never its last character.
void dropLeadingBlanks(QStringView &line)
{
    while (line.size() >= 2 && line[0] == u' ')
        line = line.sliced(1);
}

} // namespace

namespace {

// A field that is written as it is: not empty, no leading blank, nothing
// the reader would take for a quote, a delimiter or a line end.
bool isPlainField(const QString &text, const TCsvWriteOptions &options)
{
    if (options.alwaysQuotes || text.isEmpty() || text.front() == u' ')
        return false;
    const char16_t delimiter = options.delimiter.unicode();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u'"' || u == delimiter || u == u'\r' || u == u'\n')
            return false;
    }
    return true;
}

} // namespace

void appendCsvField(QString &out, const QString &text, const TCsvWriteOptions &options)
{
    if (isPlainField(text, options))
        out += text;
    else
        out += encodeCsvField(text, options);
}

QString encodeCsvField(const QString &text, const TCsvWriteOptions &options)
{
    // Most fields need nothing: one pass over them, no copy.
    if (!options.alwaysQuotes && !text.isEmpty() && text.front() != u' ') {
        bool plain = true;
        for (const QChar ch : text)
            if (ch == kQuote || ch == options.delimiter || ch == u'\r' || ch == u'\n') {
                plain = false;
                break;
            }
        if (plain)
            return text;
    }
    QString t = DoubleQuoteChars(text);
    const bool hasDelimiter = t.contains(options.delimiter);
    bool enclosed = false;
    // Leading blanks are dropped by the reader unless quoted.
    if (options.alwaysQuotes || (!hasDelimiter && (t.contains(kQuote) || t.startsWith(u' ')))) {
        t = kQuote + t + kQuote;
        enclosed = true;
    }
    if (t.isEmpty()) {
        if (options.javaCsv)
            t = QStringLiteral("^");
        else if (options.quoteEmptyCells)
            t = QStringLiteral("\"\"");
        return t;
    }
    const bool hasBreak = t.contains(u'\r') || t.contains(u'\n');
    if (!hasDelimiter && !hasBreak)
        return t;
    if (options.javaCsv) {
        // Every break, lone or paired, is one "~".
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
        t.replace(u'\n', u'\r');
        LineBreaksToTilde(t);
    } else {
        // CR LF as the character 11 keeps the record on one line; a lone
        // CR or LF stays, safe inside the quotes.
        t.replace(QStringLiteral("\r\n"), QString(kLineTab));
    }
    if (!enclosed && (hasDelimiter || !options.javaCsv))
        t = kQuote + t + kQuote;
    return t;
}

QChar detectCsvDelimiter(const QString &line1, const QString &line2)
{
    static constexpr std::array<char16_t, 10> candidates{u',', u';', u'#', u'\t', u'|',
                                                        u'@', u'*', u'-', u'+', u'&'};
    const auto sameInBoth = [&](auto count) {
        QChar found;
        int best = 0;
        for (const char16_t c : candidates) {
            const int n1 = count(QChar(c), line1);
            if (n1 == count(QChar(c), line2) && n1 > best) {
                best = n1;
                found = QChar(c);
            }
        }
        return found;
    };
    QChar found = sameInBoth(CountUnpairedChars);
    if (found.isNull())
        found = sameInBoth(CountCharInText);
    if (!found.isNull())
        return found;
    int best = 0;
    for (const char16_t c : candidates) {
        const int n = std::max(CountCharInText(QChar(c), line1), CountCharInText(QChar(c), line2));
        if (n > best) {
            best = n;
            found = QChar(c);
        }
    }
    return found;
}

QStringList csvPhysicalLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isBreak(text[i]))
            continue;
        lines.append(text.sliced(start, i - start).toString());
        i += breakLength(text, i) - 1;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start).toString());
    return lines;
}

QStringList splitCsvRecords(QStringView text, QChar delimiter)
{
    enum class State : std::uint8_t { FieldStart, Unquoted, Quoted };
    QStringList records;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        State state = State::FieldStart;
        qsizetype firstBreak = -1;
        qsizetype firstBreakLength = 0;
        int joined = 0;
        qsizetype j = i;
        bool ended = false;
        while (j < n) {
            const QChar ch = text[j];
            if (isBreak(ch)) {
                const qsizetype length = breakLength(text, j);
                if (state != State::Quoted) {
                    records.append(text.sliced(start, j - start).toString());
                    i = j + length;
                    ended = true;
                    break;
                }
                if (firstBreak < 0) {
                    firstBreak = j;
                    firstBreakLength = length;
                }
                if (++joined > kMaxJoinedLines)
                    break;
                j += length;
                continue;
            }
            switch (state) {
            case State::FieldStart:
                if (ch == kQuote)
                    state = State::Quoted;
                else if (ch != u' ' && ch != delimiter)
                    state = State::Unquoted;
                break;
            case State::Unquoted:
                if (ch == delimiter)
                    state = State::FieldStart;
                break;
            case State::Quoted:
                if (ch == kQuote) {
                    if (j + 1 < n && text[j + 1] == kQuote)
                        ++j;
                    else
                        state = State::Unquoted;
                }
                break;
            }
            ++j;
        }
        if (ended)
            continue;
        if (state != State::Quoted || firstBreak < 0) {
            records.append(text.sliced(start).toString());
            break;
        }
        // The quote never closed: the line stands alone.
        records.append(text.sliced(start, firstBreak - start).toString());
        i = firstBreak + firstBreakLength;
    }
    return records;
}

QStringList splitCsvFields(QStringView record, QChar delimiter, bool javaCsv)
{
    QStringList fields;
    QStringView line = record;
    if (!delimiter.isNull()) {
        while (line.contains(delimiter)) {
            dropLeadingBlanks(line);
            QString field;
            if (line.startsWith(kQuote)) {
                line = line.sliced(1);
                const qsizetype close = unpairedQuote(line);
                if (close >= 0) {
                    field = UndoubleChar(kQuote, line.first(close).toString());
                    line = line.sliced(close + 1);
                }
            } else {
                field = line.first(line.indexOf(delimiter)).toString();
            }
            fields.append(decodeField(std::move(field), javaCsv));
            const qsizetype next = line.indexOf(delimiter);
            line = next < 0 ? QStringView() : line.sliced(next + 1);
        }
    }
    if (line.isEmpty())
        return fields;
    dropLeadingBlanks(line);
    if (line.startsWith(kQuote)) {
        line = line.sliced(1);
        if (line.endsWith(kQuote))
            line.chop(1);
        fields.append(decodeField(UndoubleChar(kQuote, line.toString()), javaCsv));
    } else {
        fields.append(decodeField(line.toString(), javaCsv));
    }
    return fields;
}

QByteArray encodeCsvText(const QStringList &lines, bool unicode)
{
    const QString text = JoinLinesCrLf(lines);
    if (unicode)
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    return StringToAnsiOrMark(text);
}

QByteArray encodeCsvBody(const QString &text, bool unicode)
{
    if (!unicode)
        return StringToAnsiOrMark(text);
    QByteArray bytes;
    bytes.reserve(text.size() + text.size() / 8 + 3);
    bytes += "\xEF\xBB\xBF";
    bytes += text.toUtf8();
    return bytes;
}

QString decodeCsvText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decode(QStringDecoder::Utf16LE);
        return decode(QByteArrayView(bytes).sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decode(QStringDecoder::Utf16BE);
        return decode(QByteArrayView(bytes).sliced(2));
    }
    return AnsiToString(bytes);
}

} // namespace controls
