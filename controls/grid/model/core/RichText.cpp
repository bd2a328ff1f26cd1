#include "controls/grid/model/core/RichText.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace controls {

namespace {

// Destinations whose content is not cell text. A group starting with "\*"
// is skipped too when its word is unknown, as readers must.
constexpr std::array kSkippedDestinations{
    u"fonttbl", u"stylesheet", u"info", u"pict", u"header", u"footer", u"headerl", u"headerr", u"footerl",
    u"footerr", u"footnote", u"object", u"listtable", u"listoverridetable", u"rsidtbl", u"generator",
    u"themedata", u"colorschememapping", u"latentstyles", u"datastore", u"xmlnstbl", u"field", u"fldinst",
    u"filetbl", u"revtbl", u"pgdsctbl", u"mmathPr", u"shp", u"nonshppict",
};

bool isSkipped(QStringView word)
{
    for (const char16_t *d : kSkippedDestinations)
        if (word == QStringView(d))
            return true;
    return false;
}

// Windows-1252 for \'hh: the bytes 0x80-0x9F differ from Latin-1.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2014, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

QChar cp1252(int byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kCp1252High[static_cast<std::size_t>(byte - 0x80)]);
    return QChar(static_cast<char16_t>(byte));
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

struct GroupState {
    TRichCharFormat format;
    bool skip = false;
    bool fontTable = false; // inside the font table: text names fonts
    int unicodeSkip = 1; // \ucN: fallback characters after \u
};

class Reader {
public:
    explicit Reader(const QString &text) : m_in(text) {}

    TRichText read()
    {
        std::vector<GroupState> stack;
        GroupState state;
        int pendingSkip = 0; // fallback characters of the last \u still to drop
        while (m_pos < m_in.size()) {
            const QChar c = m_in[m_pos];
            if (c == u'{') {
                ++m_pos;
                if (stack.size() >= static_cast<std::size_t>(kMaxRichDepth)) {
                    m_out.truncated = true;
                    skipGroupBody();
                    continue;
                }
                stack.push_back(state);
                pendingSkip = 0;
                if (m_pos + 1 < m_in.size() && m_in[m_pos] == u'\\' && m_in[m_pos + 1] == u'*') {
                    state.skip = true;
                    state.fontTable = false;
                }
                continue;
            }
            if (c == u'}') {
                ++m_pos;
                if (stack.empty())
                    break; // the end of the document
                state = stack.back();
                stack.pop_back();
                pendingSkip = 0;
                continue;
            }
            if (c == u'\\') {
                controlSymbolOrWord(state, pendingSkip);
                continue;
            }
            ++m_pos;
            if (c == u'\r' || c == u'\n')
                continue;
            if (pendingSkip > 0) {
                --pendingSkip;
                continue;
            }
            if (state.fontTable && c == u';') {
                endFontName();
                continue;
            }
            append(state, QString(c));
            if (m_full)
                break;
        }
        return std::move(m_out);
    }

private:
    // Past the matching brace, for a group too deep to read.
    void skipGroupBody()
    {
        int depth = 1;
        while (m_pos < m_in.size() && depth > 0) {
            const QChar c = m_in[m_pos++];
            if (c == u'\\')
                ++m_pos; // an escaped brace does not count
            else if (c == u'{')
                ++depth;
            else if (c == u'}')
                --depth;
        }
    }

    void controlSymbolOrWord(GroupState &state, int &pendingSkip)
    {
        ++m_pos; // the backslash
        if (m_pos >= m_in.size())
            return;
        const QChar c = m_in[m_pos];
        if (!c.isLetter() || c.unicode() > 0x7F) {
            ++m_pos;
            symbol(c, state, pendingSkip);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && m_pos - start < 32 && m_in[m_pos].unicode() < 0x80 && m_in[m_pos].isLetter())
            ++m_pos;
        const QStringView word = QStringView(m_in).mid(start, m_pos - start);
        std::optional<int> param;
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == u'-') {
            negative = true;
            ++m_pos;
        }
        long long value = 0;
        int digits = 0;
        while (m_pos < m_in.size() && m_in[m_pos].isDigit() && m_in[m_pos].unicode() < 0x80) {
            if (digits < 10)
                value = value * 10 + (m_in[m_pos].unicode() - '0');
            ++digits;
            ++m_pos;
        }
        if (digits > 0)
            param = static_cast<int>(std::clamp(negative ? -value : value, -2147483647LL, 2147483647LL));
        if (m_pos < m_in.size() && m_in[m_pos] == u' ')
            ++m_pos;
        controlWord(word, param, state, pendingSkip);
    }

    void symbol(QChar c, GroupState &state, int &pendingSkip)
    {
        switch (c.unicode()) {
        case u'\\':
        case u'{':
        case u'}':
            text(state, QString(c), pendingSkip);
            break;
        case u'~':
            text(state, QString(QChar(0x00A0)), pendingSkip);
            break;
        case u'_':
            text(state, QStringLiteral("-"), pendingSkip);
            break;
        case u'\'': {
            const int hi = m_pos < m_in.size() ? hexDigit(m_in[m_pos]) : -1;
            const int lo = m_pos + 1 < m_in.size() ? hexDigit(m_in[m_pos + 1]) : -1;
            if (hi < 0 || lo < 0)
                return;
            m_pos += 2;
            text(state, QString(cp1252(hi * 16 + lo)), pendingSkip);
            break;
        }
        case u'\r':
        case u'\n':
            text(state, QStringLiteral("\r\n"), pendingSkip);
            break;
        default:
            break; // \* and \- and the rest change no text
        }
    }

    void controlWord(QStringView word, std::optional<int> param, GroupState &state, int &pendingSkip)
    {
        TRichCharFormat &f = state.format;
        const bool on = param.value_or(1) != 0;
        if (word == u"par" || word == u"line" || word == u"row")
            text(state, QStringLiteral("\r\n"), pendingSkip, false);
        else if (word == u"tab" || word == u"cell")
            text(state, QStringLiteral("\t"), pendingSkip, false);
        else if (word == u"u" && param) {
            int code = *param;
            if (code < 0)
                code += 65536;
            if (code >= 0 && code <= 0xFFFF)
                text(state, QString(QChar(static_cast<char16_t>(code))), pendingSkip, false);
            pendingSkip = state.unicodeSkip;
        } else if (word == u"uc")
            state.unicodeSkip = std::clamp(param.value_or(1), 0, 8);
        else if (word == u"bin") {
            // Binary data: skipped whole, never read as text.
            const qsizetype n = std::max(0, param.value_or(0));
            m_pos = std::min(m_in.size(), m_pos + n);
        } else if (word == u"b")
            f.bold = on;
        else if (word == u"i")
            f.italic = on;
        else if (word == u"ul")
            f.underline = on;
        else if (word == u"ulnone")
            f.underline = false;
        else if (word == u"strike")
            f.strikeOut = on;
        else if (word == u"fs")
            f.halfPoints = std::clamp(param.value_or(0), 0, 3276);
        else if (word == u"cf")
            f.color = colorOf(param.value_or(0));
        else if (word == u"f") {
            if (state.fontTable)
                m_fontIndex = param.value_or(0);
            else
                f.fontName = fontOf(param.value_or(0));
        } else if (word == u"up")
            f.offsetTwips = std::clamp(param.value_or(6), 0, 3276) * 10;
        else if (word == u"dn")
            f.offsetTwips = -std::clamp(param.value_or(6), 0, 3276) * 10;
        else if (word == u"plain")
            f = TRichCharFormat{};
        else if (word == u"colortbl") {
            readColorTable();
            state.skip = true;
        } else if (word == u"fonttbl") {
            state.skip = true;
            state.fontTable = true;
            m_fontName.clear();
        } else if (isSkipped(word)) {
            state.skip = true;
            state.fontTable = false;
        }
    }

    void endFontName()
    {
        if (m_fonts.size() < 4096 || m_fonts.count(m_fontIndex) > 0)
            m_fonts[m_fontIndex] = m_fontName;
        m_fontName.clear();
    }

    QString fontOf(int index) const
    {
        const auto it = m_fonts.find(index);
        return it == m_fonts.end() ? QString() : it->second;
    }

    // The colour table: entries "\redR\greenG\blueB;" up to the group's end.
    // Entry 0 is often empty (the automatic colour).
    void readColorTable()
    {
        m_colors.clear();
        int r = 0, g = 0, b = 0;
        bool any = false;
        while (m_pos < m_in.size() && m_in[m_pos] != u'}' && m_in[m_pos] != u'{') {
            const QChar c = m_in[m_pos];
            if (c == u';') {
                m_colors.push_back(any ? platform::RGB(r, g, b) : platform::clNone);
                r = g = b = 0;
                any = false;
                ++m_pos;
                continue;
            }
            if (c != u'\\') {
                ++m_pos;
                continue;
            }
            ++m_pos;
            const qsizetype start = m_pos;
            while (m_pos < m_in.size() && m_pos - start < 32 && m_in[m_pos].unicode() < 0x80 && m_in[m_pos].isLetter())
                ++m_pos;
            const QStringView word = QStringView(m_in).mid(start, m_pos - start);
            int value = 0;
            int digits = 0;
            while (m_pos < m_in.size() && m_in[m_pos].unicode() < 0x80 && m_in[m_pos].isDigit()) {
                if (digits++ < 4)
                    value = value * 10 + (m_in[m_pos].unicode() - '0');
                ++m_pos;
            }
            if (m_pos == start)
                ++m_pos; // a control symbol inside the table: ignored
            value = std::min(value, 255);
            if (word == u"red")
                r = value, any = true;
            else if (word == u"green")
                g = value, any = true;
            else if (word == u"blue")
                b = value, any = true;
            if (m_colors.size() > 4096)
                break;
        }
    }

    platform::TColor colorOf(int index) const
    {
        if (index < 0 || static_cast<std::size_t>(index) >= m_colors.size())
            return platform::clNone;
        return m_colors[static_cast<std::size_t>(index)];
    }

    void text(const GroupState &state, const QString &s, int &pendingSkip, bool countsAsFallback = true)
    {
        if (countsAsFallback && pendingSkip > 0) {
            --pendingSkip;
            return;
        }
        append(state, s);
    }

    void append(const GroupState &state, const QString &s)
    {
        if (state.fontTable) {
            if (m_fontName.size() + s.size() <= kMaxRichFontName)
                m_fontName += s;
            return;
        }
        if (state.skip || m_full)
            return;
        if (m_length + s.size() > kMaxRichText) {
            m_full = true;
            m_out.truncated = true;
            return;
        }
        m_length += s.size();
        if (m_out.runs.empty() || !(m_out.runs.back().format == state.format))
            m_out.runs.push_back({QString(), state.format});
        m_out.runs.back().text += s;
    }

    const QString &m_in;
    qsizetype m_pos = 0;
    TRichText m_out;
    std::vector<platform::TColor> m_colors;
    std::map<int, QString> m_fonts; // the last name of an index counts
    int m_fontIndex = 0;
    QString m_fontName;
    qsizetype m_length = 0;
    bool m_full = false;
};

} // namespace

QString TRichText::plainText() const
{
    QString s;
    for (const TRichRun &run : runs)
        s += run.text;
    return s;
}

bool isRichText(const QString &text) { return text.startsWith(QLatin1String("{\\rtf")); }

TRichText readRichText(const QString &text)
{
    if (!isRichText(text)) {
        TRichText plain;
        if (!text.isEmpty())
            plain.runs.push_back({text.left(kMaxRichText), {}});
        plain.truncated = text.size() > kMaxRichText;
        return plain;
    }
    return Reader(text).read();
}

QString richCellPlainText(const QString &text)
{
    return isRichText(text) ? readRichText(text).plainText() : text;
}

} // namespace controls
