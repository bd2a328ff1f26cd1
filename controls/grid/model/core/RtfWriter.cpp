#include "controls/grid/model/core/RtfWriter.h"

#include <algorithm>
#include <vector>

namespace controls {

namespace {

// Index of value in the table, appended when new.
template <typename T>
int tableIndex(std::vector<T> &table, const T &value)
{
    const auto it = std::find(table.begin(), table.end(), value);
    if (it != table.end())
        return static_cast<int>(it - table.begin());
    table.push_back(value);
    return static_cast<int>(table.size()) - 1;
}

void appendHexByte(QString &out, int byte)
{
    static const char digits[] = "0123456789abcdef";
    out += QLatin1String("\\'");
    out += QLatin1Char(digits[(byte >> 4) & 0xF]);
    out += QLatin1Char(digits[byte & 0xF]);
}

// Text as RTF: the reader drops raw line breaks, so a CR LF pair is a
// paragraph and any other control character a hex escape.
void appendEscaped(QString &out, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            out += QLatin1String("\\par\n");
            ++i;
        } else if (c == u'\t')
            out += QLatin1String("\\tab ");
        else if (c == u'\\' || c == u'{' || c == u'}') {
            out += QLatin1Char('\\');
            out += QChar(c);
        } else if (c < 0x20 || c == 0x7F)
            appendHexByte(out, c);
        else if (c < 0x80)
            out += QChar(c);
        else
            out += QStringLiteral("\\u%1?").arg(static_cast<int>(static_cast<std::int16_t>(c)));
    }
}

} // namespace

QString writeRichText(const TRichText &text)
{
    std::vector<QString> fonts;
    std::vector<platform::TColor> colors{platform::clNone}; // entry 0: the automatic colour
    for (const TRichRun &run : text.runs) {
        if (!run.format.fontName.isEmpty())
            tableIndex(fonts, run.format.fontName);
        if (run.format.color != platform::clNone)
            tableIndex(colors, run.format.color);
    }

    QString out = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1");
    out += QLatin1String("{\\fonttbl");
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        out += QStringLiteral("{\\f%1\\fnil ").arg(i);
        QString name;
        appendEscaped(name, fonts[i]);
        out += name.replace(QLatin1Char(';'), QLatin1String("\\'3b"));
        out += QLatin1String(";}");
    }
    out += QLatin1String("}\n{\\colortbl ;");
    for (std::size_t i = 1; i < colors.size(); ++i)
        out += QStringLiteral("\\red%1\\green%2\\blue%3;")
                   .arg(platform::GetRValue(colors[i]))
                   .arg(platform::GetGValue(colors[i]))
                   .arg(platform::GetBValue(colors[i]));
    out += QLatin1String("}\n");

    for (const TRichRun &run : text.runs) {
        const TRichCharFormat &f = run.format;
        out += QLatin1Char('{');
        const qsizetype start = out.size();
        if (!f.fontName.isEmpty())
            out += QStringLiteral("\\f%1").arg(tableIndex(fonts, f.fontName));
        if (f.halfPoints > 0)
            out += QStringLiteral("\\fs%1").arg(f.halfPoints);
        if (f.bold)
            out += QLatin1String("\\b");
        if (f.italic)
            out += QLatin1String("\\i");
        if (f.underline)
            out += QLatin1String("\\ul");
        if (f.strikeOut)
            out += QLatin1String("\\strike");
        if (f.color != platform::clNone)
            out += QStringLiteral("\\cf%1").arg(tableIndex(colors, f.color));
        if (f.offsetTwips > 0)
            out += QStringLiteral("\\up%1").arg(f.offsetTwips / 10);
        else if (f.offsetTwips < 0)
            out += QStringLiteral("\\dn%1").arg(-f.offsetTwips / 10);
        if (out.size() > start)
            out += QLatin1Char(' '); // ends the last control word
        appendEscaped(out, run.text);
        out += QLatin1Char('}');
    }
    out += QLatin1Char('}');
    return out;
}

} // namespace controls
