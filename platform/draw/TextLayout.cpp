#include "platform/draw/TextLayout.h"

#include "platform/draw/DrawFlags.h"

#include <algorithm>

namespace platform {
namespace {

const QString Ellipsis = QStringLiteral("...");

// A piece of text with the positions of its underlined characters.
struct Marked {
    QString text;
    std::vector<int> underlined;
};

// "&x" underlines x, "&&" shows one "&", a lone "&" at the end shows nothing.
Marked resolvePrefixes(const QString &raw, bool process)
{
    if (!process)
        return {raw, {}};
    Marked out;
    out.text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'&') {
            out.text += raw[i];
            continue;
        }
        if (i + 1 >= raw.size())
            break;
        ++i;
        if (raw[i] != u'&')
            out.underlined.push_back(int(out.text.size()));
        out.text += raw[i];
    }
    return out;
}

std::vector<QString> paragraphsOf(const QString &text, bool singleLine)
{
    if (singleLine) {
        QString joined = text;
        joined.remove(u'\r');
        joined.remove(u'\n');
        return {joined};
    }
    std::vector<QString> out;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out.push_back(current);
            current.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            current += c;
        }
    }
    out.push_back(current);
    return out;
}

class Measurer {
public:
    Measurer(const TextFontInfo &font, bool expandTabs) : m_font(font), m_expandTabs(expandTabs)
    {
        m_tab = 8 * std::max(1, font.averageCharWidth);
    }

    // Runs of a line, tabs expanded to the next stop when asked for.
    std::vector<TextRun> runs(const QString &line, int *width) const
    {
        std::vector<TextRun> out;
        if (!m_expandTabs || !line.contains(u'\t')) {
            if (width)
                *width = m_font.measure(line);
            out.push_back({line, 0});
            return out;
        }
        int x = 0;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= line.size(); ++i) {
            if (i < line.size() && line[i] != u'\t')
                continue;
            const QString piece = line.mid(start, i - start);
            if (!piece.isEmpty())
                out.push_back({piece, x});
            x += m_font.measure(piece);
            if (i < line.size())
                x = (x / m_tab + 1) * m_tab;
            start = i + 1;
        }
        if (width)
            *width = x;
        return out;
    }

    int width(const QString &line) const
    {
        int w = 0;
        runs(line, &w);
        return w;
    }

private:
    const TextFontInfo &m_font;
    bool m_expandTabs;
    int m_tab = 8;
};

QString trimmedRight(const QString &s)
{
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == u' ')
        --end;
    return s.left(end);
}

// Keeps the underline marks that fall inside [start, start + length).
Marked slice(const Marked &from, qsizetype start, qsizetype length)
{
    Marked out{from.text.mid(start, length), {}};
    for (int u : from.underlined)
        if (u >= start && u < start + length)
            out.underlined.push_back(int(u - start));
    return out;
}

// The longest prefix of text (at least one character) no wider than width.
qsizetype fittingPrefix(const QString &text, int width, const Measurer &m)
{
    qsizetype low = 1;
    qsizetype high = text.size();
    while (high > low) {
        const qsizetype mid = (low + high + 1) / 2;
        if (m.width(text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

struct WrapOptions {
    int width = 0;
    bool ellipsisForLongWords = false;
};

std::vector<Marked> wrapParagraph(const Marked &para, const WrapOptions &opt, const Measurer &m,
                                  const TextFontInfo &font)
{
    std::vector<Marked> lines;
    const QString &p = para.text;
    if (p.isEmpty()) {
        lines.push_back(para);
        return lines;
    }
    qsizetype i = 0;
    while (i < p.size()) {
        // Break opportunities: after a run of blanks, and the paragraph's end.
        qsizetype best = -1;
        qsizetype j = i;
        while (j < p.size()) {
            qsizetype next = j;
            while (next < p.size() && p[next] == u' ')
                ++next;
            while (next < p.size() && p[next] != u' ')
                ++next;
            while (next < p.size() && p[next] == u' ')
                ++next;
            if (m.width(trimmedRight(p.mid(i, next - i))) > opt.width)
                break;
            best = next;
            j = next;
        }
        if (best < 0) {
            // The first word alone is too wide.
            qsizetype wordEnd = i;
            while (wordEnd < p.size() && p[wordEnd] == u' ')
                ++wordEnd;
            while (wordEnd < p.size() && p[wordEnd] != u' ')
                ++wordEnd;
            if (opt.ellipsisForLongWords) {
                Marked line = slice(para, i, wordEnd - i);
                line.text = ellipsizeEnd(line.text, opt.width, font);
                lines.push_back(line);
                best = wordEnd;
            } else {
                const qsizetype take = fittingPrefix(p.mid(i, wordEnd - i), opt.width, m);
                lines.push_back(slice(para, i, take));
                best = i + take;
            }
            while (best < p.size() && p[best] == u' ')
                ++best;
        } else {
            Marked line = slice(para, i, best - i);
            line.text = trimmedRight(line.text);
            lines.push_back(line);
        }
        i = best;
    }
    return lines;
}

void dropMarksBeyond(Marked &line)
{
    std::erase_if(line.underlined, [&](int u) { return u >= line.text.size(); });
}

} // namespace

QString ellipsizeEnd(const QString &text, int width, const TextFontInfo &font)
{
    if (font.measure(text) <= width)
        return text;
    const int ellipsis = font.measure(Ellipsis);
    qsizetype low = 0;
    qsizetype high = text.size();
    while (high > low) {
        const qsizetype mid = (low + high + 1) / 2;
        if (font.measure(QStringView(text).left(mid)) + ellipsis <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low) + Ellipsis;
}

QString ellipsizePath(const QString &text, int width, const TextFontInfo &font)
{
    if (font.measure(text) <= width)
        return text;
    const qsizetype cut = std::max(text.lastIndexOf(u'\\'), text.lastIndexOf(u'/'));
    if (cut <= 0) {
        // No folder part: the middle gives way.
        for (qsizetype keep = text.size() - 1; keep > 0; --keep) {
            const qsizetype front = (keep + 1) / 2;
            const QString candidate = text.left(front) + Ellipsis + text.right(keep - front);
            if (font.measure(candidate) <= width)
                return candidate;
        }
        return Ellipsis;
    }
    const QString head = text.left(cut);
    const QString tail = text.mid(cut);
    for (qsizetype keep = head.size() - 1; keep >= 0; --keep) {
        const QString candidate = head.left(keep) + Ellipsis + tail;
        if (font.measure(candidate) <= width)
            return candidate;
    }
    for (qsizetype drop = 1; drop < tail.size(); ++drop) {
        const QString candidate = Ellipsis + tail.mid(drop);
        if (font.measure(candidate) <= width)
            return candidate;
    }
    return Ellipsis;
}

TextLayout layoutText(const QString &text, const TRect &rect, unsigned format, const TextFontInfo &font)
{
    const bool singleLine = format & DT_SINGLELINE;
    const bool wordBreak = (format & DT_WORDBREAK) && !singleLine;
    const bool endEllipsis = format & DT_END_ELLIPSIS;
    const bool pathEllipsis = format & DT_PATH_ELLIPSIS;
    const bool hidePrefix = format & DT_HIDEPREFIX;
    const int width = std::max(0, rect.Width());
    const Measurer m(font, format & DT_EXPANDTABS);

    std::vector<Marked> lines;
    for (const QString &raw : paragraphsOf(text, singleLine)) {
        Marked para = resolvePrefixes(raw, !(format & DT_NOPREFIX));
        if (hidePrefix)
            para.underlined.clear();
        if (wordBreak) {
            for (Marked &line : wrapParagraph(para, {width, endEllipsis}, m, font))
                lines.push_back(std::move(line));
            continue;
        }
        if (!(format & DT_CALCRECT)) {
            if (pathEllipsis)
                para.text = ellipsizePath(para.text, width, font);
            else if (endEllipsis)
                para.text = ellipsizeEnd(para.text, width, font);
            dropMarksBeyond(para);
        }
        lines.push_back(std::move(para));
    }

    const int lineHeight = font.lineHeight;
    // A line that would show only in part is left out, like in an edit box;
    // the last line shown then ends with the ellipsis when one is asked for.
    if ((format & DT_EDITCONTROL) && !(format & DT_CALCRECT) && lineHeight > 0) {
        const std::size_t fit = std::max<std::size_t>(1, std::size_t(std::max(0, rect.Height()) / lineHeight));
        if (lines.size() > fit) {
            lines.resize(fit);
            if (endEllipsis) {
                Marked &last = lines.back();
                last.text = ellipsizeEnd(last.text + Ellipsis, width, font);
                if (!last.text.endsWith(Ellipsis))
                    last.text += Ellipsis;
                dropMarksBeyond(last);
            }
        }
    }

    TextLayout out;
    const int height = int(lines.size()) * lineHeight;
    int top = rect.Top;
    if (singleLine && (format & DT_VCENTER))
        top = (rect.Top + rect.Bottom - height) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        top = rect.Bottom - height;

    int widest = 0;
    int y = top;
    for (Marked &marked : lines) {
        TextLine line;
        line.text = marked.text;
        line.runs = m.runs(marked.text, &line.width);
        widest = std::max(widest, line.width);
        for (int u : marked.underlined) {
            const int x = m.width(marked.text.left(u));
            line.underlines.push_back({x, m.width(marked.text.left(u + 1)) - x});
        }
        if (format & DT_RIGHT)
            line.x = rect.Right - line.width;
        else if (format & DT_CENTER)
            line.x = rect.Left + (width - line.width) / 2;
        else
            line.x = rect.Left;
        line.y = y;
        y += lineHeight;
        out.lines.push_back(std::move(line));
    }
    out.bounds = {rect.Left, rect.Top, rect.Left + widest, rect.Top + height};
    out.resultHeight = (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) ? top - rect.Top + height : height;
    return out;
}

} // namespace platform
