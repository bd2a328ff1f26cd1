#include "controls/grid/base/FileStringList.h"

#include "controls/grid/base/OemText.h"
#include "platform/AtomicFile.h"

#include <QFile>
#include <QStringDecoder>

namespace controls {
namespace {

QString fromUtf16(const QByteArray &bytes, bool littleEndian)
{
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.append(QChar(char16_t(littleEndian ? first | (second << 8) : (first << 8) | second)));
    }
    return text;
}

// Every character after the mark, a further mark included: Qt's own
// conversion would take that one away as well.
QString utf8Text(const QByteArray &bytes)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decode(bytes);
}

QByteArray toUtf16(const QString &text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    bytes.reserve(2 + text.size() * 2);
    for (const QChar c : text) {
        const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
        bytes.append(littleEndian ? lo : hi);
        bytes.append(littleEndian ? hi : lo);
    }
    return bytes;
}

} // namespace

QString decodeTextFile(const QByteArray &bytes, TTextFileEncoding *found)
{
    TTextFileEncoding encoding = TTextFileEncoding::Ansi;
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = TTextFileEncoding::UTF8;
        text = utf8Text(bytes.mid(3));
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.startsWith("\xFF\xFE");
        encoding = little ? TTextFileEncoding::UTF16LE : TTextFileEncoding::UTF16BE;
        text = fromUtf16(bytes, little);
    } else {
        text = AnsiToString(bytes);
    }
    if (found)
        *found = encoding;
    return text;
}

QByteArray encodeTextFile(const QString &text, TTextFileEncoding encoding)
{
    switch (encoding) {
    case TTextFileEncoding::Ansi:
        if (const std::optional<QByteArray> ansi = StringToAnsi(text))
            return *ansi;
        return "\xEF\xBB\xBF" + text.toUtf8();
    case TTextFileEncoding::UTF8:
        return "\xEF\xBB\xBF" + text.toUtf8();
    case TTextFileEncoding::UTF16LE:
    case TTextFileEncoding::UTF16BE:
        return toUtf16(text, encoding == TTextFileEncoding::UTF16LE);
    }
    return {};
}

QStringList splitTextLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

TTextFileResult TFileStringList::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {false, file.errorString()};
    LoadFromBytes(file.readAll());
    return {};
}

void TFileStringList::LoadFromBytes(const QByteArray &bytes)
{
    m_lines = splitTextLines(decodeTextFile(bytes, &m_encoding));
}

QByteArray TFileStringList::SaveToBytes() const
{
    QString text;
    for (const QString &line : m_lines)
        text += line + QStringLiteral("\r\n");
    return encodeTextFile(text, m_encoding);
}

TTextFileResult TFileStringList::SaveToFile(const QString &fileName) const
{
    QString error;
    if (!platform::writeFileAtomically(fileName, SaveToBytes(), &error))
        return {false, error};
    return {};
}

void TFileStringList::Reset()
{
    m_readPos = 0;
    m_pending.clear();
}

QString TFileStringList::ReadLn()
{
    if (Eof())
        return QString();
    return m_lines[m_readPos++];
}

void TFileStringList::WriteLn(const QString &text)
{
    m_lines.append(m_pending + text);
    m_pending.clear();
}

} // namespace controls
