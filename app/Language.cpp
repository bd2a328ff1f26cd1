#include "app/Language.h"

#include "app/AppState.h"
#include "platform/AssertionFailed.h"
#include "platform/FileRead.h"
#include "platform/IntText.h"
#include "platform/InterfaceThread.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace app {

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
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(u'\r', u'\n');
    const QStringList lines = normalised.split(u'\n');
    for (const QString &line : lines) {
        // A later line for the same index wins.
        if (const auto entry = parseLngLine(line, count()))
            Lang_Texts[entry->first] = entry->second;
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
    static const QChar Pilcrow(0x00B6);
    static const QString CommentMark = QStringLiteral("/#/");

    const QString trimmed = platform::trimBlanks(line);
    if (!trimmed.startsWith(QLatin1String("STR")))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf(u'=');
    // The index sits between "STR" and the character just before "=", which
    // is dropped whatever it is (normally the blank of "STR 5 = text").
    if (equals < 5)
        return std::nullopt;
    const auto index = platform::tryParseInt32(platform::trimBlanks(trimmed.mid(3, equals - 4)));
    if (!index || *index < 0 || *index >= textCount)
        return std::nullopt;

    QString value = platform::trimBlanks(trimmed.mid(equals + 1));
    if (value.isEmpty())
        return std::nullopt; // the text keeps what it had
    if (const qsizetype comment = value.indexOf(CommentMark); comment >= 0) {
        value = platform::trimBlanks(value.left(comment));
        // Nothing but a note: keep the text rather than blank it.
        if (value.isEmpty())
            return std::nullopt;
    }
    // Pilcrows around a text keep its outer blanks.
    if (value.startsWith(Pilcrow)) {
        value.remove(0, 1);
        if (const qsizetype end = value.indexOf(Pilcrow); end >= 0)
            value.truncate(end);
    }
    return std::make_pair(static_cast<int>(*index), value);
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
