#include "app/Language.h"

#include "app/AppState.h"
#include "platform/AssertionFailed.h"
#include "platform/FileRead.h"
#include "platform/IntText.h"
#include "platform/InterfaceThread.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace app {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

QStringView trimmedBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// The index of a line: plain digits, as nearly every line has them, are
// read in place; anything else goes through the integer parser.
std::optional<std::int32_t> lngIndex(QStringView text)
{
    constexpr qsizetype MostPlainDigits = 9;
    if (text.isEmpty() || text.size() > MostPlainDigits)
        return platform::tryParseInt32(text.toString());
    std::int32_t value = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            return platform::tryParseInt32(text.toString());
        value = value * 10 + (u - u'0');
    }
    return value;
}

// The line read as views into it: only the index and the text kept are
// copied, so that a file of a million lines costs little more than its size.
std::optional<std::pair<int, QString>> lngEntry(QStringView line, int textCount)
{
    static constexpr QChar Pilcrow(0x00B6);
    static constexpr QStringView CommentMark = u"/#/";

    const QStringView trimmed = trimmedBlanks(line);
    if (!trimmed.startsWith(u"STR"))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf(u'=');
    // The index sits between "STR" and the character just before "=", which
    // is dropped whatever it is (normally the blank of "STR 5 = text").
    if (equals < 5)
        return std::nullopt;
    const auto index = lngIndex(trimmedBlanks(trimmed.sliced(3, equals - 4)));
    if (!index || *index < 0 || *index >= textCount)
        return std::nullopt;

    QStringView value = trimmedBlanks(trimmed.sliced(equals + 1));
    if (value.isEmpty())
        return std::nullopt; // the text keeps what it had
    if (const qsizetype comment = value.indexOf(CommentMark); comment >= 0) {
        value = trimmedBlanks(value.first(comment));
        // Nothing but a note: keep the text rather than blank it.
        if (value.isEmpty())
            return std::nullopt;
    }
    // Pilcrows around a text keep its outer blanks.
    if (value.startsWith(Pilcrow)) {
        value = value.sliced(1);
        if (const qsizetype close = value.indexOf(Pilcrow); close >= 0)
            value.truncate(close);
    }
    return std::make_pair(static_cast<int>(*index), value.toString());
}

} // namespace

LanguageTable::LanguageTable()
{
    Load_Default_Texts();
}

void LanguageTable::Load_Default_Texts()
{
    Lang_Texts.clear();
    Lang_Texts.reserve(Lang_Text_Count);
    for (int i = 0; i < Lang_Text_Count; ++i)
        Lang_Texts.append(builtinText(i));
}

void LanguageTable::Load_Lng_File(const QString &path)
{
    // Missing or unreadable, the texts stay as they are: the file is only read.
    const platform::FileRead file = platform::readWholeFile(path);
    if (!file.ok())
        return;
    applyLngText(decodeLngBytes(file.bytes));
}

void LanguageTable::applyLngText(const QString &text)
{
    // One walk over the text, each line a view into it: a line ends at
    // CR LF, a lone CR or LF. (Replacing the line ends first would move the
    // rest of the text once per batch of replacements, quadratic in a large
    // file.) The CR of a CR LF leaves an empty line, which sets nothing.
    const auto apply = [this](QStringView line) {
        // A later line for the same index wins.
        if (const auto entry = lngEntry(line, count()))
            Lang_Texts[entry->first] = entry->second;
    };
    QStringView rest(text);
    while (true) {
        const qsizetype lineFeed = rest.indexOf(u'\n');
        QStringView part = lineFeed < 0 ? rest : rest.first(lineFeed);
        for (qsizetype cr = part.indexOf(u'\r'); cr >= 0; cr = part.indexOf(u'\r')) {
            apply(part.first(cr));
            part = part.sliced(cr + 1);
        }
        apply(part);
        if (lineFeed < 0)
            break;
        rest = rest.sliced(lineFeed + 1);
    }
}

const QString &LanguageTable::text(int index) const
{
    static const QString empty;
    if (index < 0 || index >= Lang_Texts.size())
        return empty;
    return Lang_Texts.at(index);
}

LanguageTable &languageTable()
{
    // Texts are looked up and reloaded by the windows only; a worker hands its
    // message to the interface thread, which looks the text up there.
    if (!platform::isInterfaceThread())
        throw platform::EAssertionFailed(QStringLiteral("The language table is used outside the interface thread"),
                                         QStringLiteral("Language"), __LINE__);
    static LanguageTable table;
    return table;
}

const QString &text(int index)
{
    return languageTable().text(index);
}

void Load_Language(AppState &state)
{
    LanguageTable &table = languageTable();
    table.Load_Default_Texts();
    // A name with a path in it is no language of ours: English instead.
    const QString chosen = isPlainName(state.Language_Name) ? state.languageFile(state.Language_Name) : QString();
    if (!chosen.isEmpty() && QFileInfo(chosen).isFile()) {
        table.Load_Lng_File(chosen);
        return;
    }
    state.Language_Name = QStringLiteral("English");
    const QString english = state.languageFile(state.Language_Name);
    if (QFileInfo(english).isFile())
        table.Load_Lng_File(english);
}

void Load_Language()
{
    Load_Language(state());
}

std::optional<std::pair<int, QString>> parseLngLine(const QString &line, int textCount)
{
    return lngEntry(line, textCount);
}

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five codes it
// leaves undefined map to the C1 control of the same number.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(QChar(byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80] : char16_t(byte)));
    }
    return text;
}

} // namespace

QString decodeLngBytes(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        return decoder.decode(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(QStringDecoder::Utf16BE);
        return decoder.decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

} // namespace app
