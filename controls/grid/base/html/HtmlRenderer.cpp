#include "controls/grid/base/html/HtmlRenderer.h"

#include "controls/grid/base/HtmlColors.h"
#include "controls/grid/base/HtmlText.h"
#include "controls/grid/base/html/HtmlMarkup.h"

#include "platform/draw/DrawFlags.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <utility>

namespace controls {

using namespace platform;

namespace html {

namespace {

// FONT SIZE 1 to 5 are these point sizes; any other size above 0 is points,
// up to a limit that keeps glyphs drawable.
constexpr int kFontSizes[] = {8, 10, 12, 14, 16};
constexpr int kMaxPoints = 200;
constexpr int kMaxListLevel = 1000;
constexpr int kMaxIndent = 32767;

const QString kGh = QStringLiteral("gh");
const QString kSpace = QStringLiteral(" ");

// Widths of the words met, by font: shaping a word is the dearest step of a
// layout, and the cells of a grid repeat their words from row to row. Each
// font's table is emptied when it grows past a limit, and so are all of
// them when too many fonts were met.
class WordWidths {
public:
    // The font is looked up again in every call: a font's change count only
    // tells changes of that one font object apart.
    void forget() { m_current = nullptr; }
    int width(TCanvas &canvas, const QString &word)
    {
        const TFont &font = canvas.Font();
        if (!m_current || m_stamp != font.changeStamp()) {
            const QString key = font.qfont().key();
            // Texts may name any number of faces and sizes.
            if (m_byFont.size() >= kFontLimit && !m_byFont.contains(key))
                m_byFont.clear();
            m_current = &m_byFont[key];
            m_stamp = font.changeStamp();
        }
        if (const auto found = m_current->constFind(word); found != m_current->constEnd())
            return found.value();
        if (m_current->size() >= kLimit)
            m_current->clear();
        const int w = canvas.TextWidth(word);
        m_current->insert(word, w);
        return w;
    }

private:
    static constexpr qsizetype kLimit = 4096;
    static constexpr qsizetype kFontLimit = 64;
    QHash<QString, QHash<QString, int>> m_byFont;
    QHash<QString, int> *m_current = nullptr;
    std::uint64_t m_stamp = 0;
};

thread_local WordWidths wordWidths;

QChar upperAt(QStringView text, qsizetype at)
{
    return at < text.size() ? text[at].toUpper() : QChar();
}

TColor colorValue(const QString &value)
{
    const QString upper = value.toUpper();
    return upper.startsWith(u'#') ? HtmlHexColor(upper) : HtmlColorByName(upper.toLower());
}

} // namespace

bool Renderer::run(const QString &text)
{
    m_result = THtmlDrawResult{};
    m_result.HitAnchor = m_params.HitAnchor;
    if (m_params.HitTestOnly)
        m_result.ControlID = m_params.ControlID;

    const TColor entryPenColor = m_canvas.Pen().Color();
    const int entryPenWidth = m_canvas.Pen().Width();
    m_entryBrush = m_canvas.Brush().Color();
    m_reference.Assign(m_canvas.Font());
    m_canvas.Brush().setColor(clNone);
    m_canvas.SetBkMode(TRANSPARENT);

    m_flags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;
    if (!m_params.WordWrap)
        m_flags |= DT_END_ELLIPSIS;
    if (QLocale().textDirection() == Qt::RightToLeft) {
        if (m_params.BiDiMode == TBiDiMode::bdRightToLeft)
            m_flags |= DT_RIGHT; // the flags carry no alignment of their own to mirror
        if (m_params.BiDiMode != TBiDiMode::bdLeftToRight)
            m_flags |= DT_RTLREADING;
    }
    m_rightToLeft = m_flags & DT_RTLREADING;

    m_layout.font.Assign(m_reference);
    m_replay.font.Assign(m_reference);
    m_text = preprocessHtml(text);
    m_result.PlainText.reserve(m_text.size());
    wordWidths.forget();
    m_lineRect = m_rect;
    m_lineRect.Left += 1;
    m_lineWidth = m_lineRect.Width();

    qsizetype pos = 0;
    while (pos < m_text.size()) {
        m_canvas.Font().Assign(m_layout.font);
        m_gh = m_canvas.TextHeight(kGh);
        m_line = LineMetrics{m_gh};
        m_events.clear();
        m_lineAnchorTextHit = false;
        const Cursor layout = runPass(PassKind::Layout, pos, m_text.size(), m_lineRect);
        m_layout.font.Assign(m_canvas.Font());
        m_result.MaxLineWidth = std::max(m_result.MaxLineWidth, layout.x);

        const TRect placed = placeLine(layout.x);
        alignLine();
        resolveHits(placed);
        // A hit test has all it needs from the layout.
        if (!m_params.MeasureOnly && !m_params.HitTestOnly) {
            m_canvas.Font().Assign(m_replay.font);
            runPass(PassKind::Replay, pos, layout.p, placed);
            m_replay.font.Assign(m_canvas.Font());
        }
        if (!m_params.MeasureOnly) {
            const int textBottom = placed.Bottom - m_line.baseline;
            if (m_lineAnchorTextHit && m_params.HitTestOnly && m_params.HitY > textBottom - m_gh
                && m_params.HitY < textBottom)
                m_hit = true;
        }

        const int advance = saturatedAdd(saturatedAdd(m_line.height, m_line.subExtra), m_line.supExtra);
        m_lineRect.Top = saturatedAdd(m_lineRect.Top, advance);
        m_result.TotalHeight = saturatedAdd(m_result.TotalHeight, advance);
        ++m_lineNumber;
        // Every line moves on by at least one character, whatever the text.
        pos = layout.dropRest ? m_text.size() : std::max(layout.p, pos + 1);
        if (!m_params.MeasureOnly && saturatedAdd(m_lineRect.Top, m_gh) > m_rect.Bottom)
            break;
    }

    m_canvas.Font().Assign(m_reference);
    if (m_result.TotalHeight == 0)
        m_result.TotalHeight = m_canvas.TextHeight(kGh);
    m_result.AnchorCount = m_layout.anchorCounter;
    m_canvas.Pen().setColor(entryPenColor);
    m_canvas.Pen().setWidth(entryPenWidth);
    m_canvas.Brush().setColor(m_entryBrush);
    return m_hit && !m_params.MeasureOnly;
}

Cursor Renderer::runPass(PassKind kind, qsizetype start, qsizetype end, const TRect &line)
{
    Cursor c;
    c.kind = kind;
    c.measuring = kind == PassKind::Layout || m_params.HitTestOnly;
    c.drawing = !c.measuring;
    c.state = kind == PassKind::Layout ? &m_layout : &m_replay;
    c.finders = kind == PassKind::Layout ? &m_layoutFinders : &m_replayFinders;
    c.R = line;
    c.R.Bottom -= m_line.subExtra;
    c.start = c.p = start;
    c.end = end;
    c.drawX = c.R.Left;
    if (c.state->paragraphBackground && c.drawing)
        fillParagraphBand(c);
    while (c.p < c.end && !c.lineEnded && !c.stayed && !c.dropRest) {
        if (m_text[c.p] == u'<')
            tag(c);
        else
            textChunk(c);
    }
    endOfLine(c);
    return c;
}

void Renderer::endOfLine(Cursor &c)
{
    flushRun();
    c.x -= c.trailingSpace;
    const PassState &s = *c.state;
    if (c.drawing && m_focusOpen && s.inAnchor && s.anchorCounter == m_params.FocusAnchorIndex + 1) {
        m_canvas.DrawFocusRect(InflateRect(Rect(m_focus.Left, m_focus.Top, c.drawX, c.R.Bottom), 1, 0));
        m_focus.Left = m_lineRect.Left + 1;
        m_focus.Top = c.R.Bottom;
    }
}

// The text of a line with an aligned picture stands at the picture's top or
// middle, measured on the line's full height.
void Renderer::alignLine()
{
    if (m_line.align == LineAlign::Top)
        m_line.baseline = m_line.height - m_gh;
    else if (m_line.align == LineAlign::Middle)
        m_line.baseline = (m_line.height - m_gh) / 2;
}

TRect Renderer::placeLine(int width) const
{
    TRect placed = m_lineRect;
    if (m_alignment == 1) {
        placed.Left = std::max(placed.Left, m_lineRect.Right - width);
    } else if (m_alignment == 2) {
        const int free = m_lineRect.Width() - width;
        if (free > 0)
            placed.Left += free / 2;
    }
    placed.Left += m_indent;
    placed.Bottom = saturatedAdd(placed.Top, saturatedAdd(m_line.height, m_line.subExtra + m_line.supExtra));
    return placed;
}

void Renderer::resolveHits(const TRect &placed)
{
    using Kind = HitEvent::Kind;
    const int left = placed.Left;
    const int top = placed.Top;
    const int bottom = placed.Bottom - m_line.subExtra;
    const int hx = m_params.HitX - left;
    const int hy = m_params.HitY;
    const auto under = [&](const HitEvent &e) {
        return hx > e.x && hx < e.x + e.width && hy > top && hy < top + e.height;
    };
    for (const HitEvent &e : m_events) {
        switch (e.kind) {
        case Kind::AnchorOpen:
            m_anchorStart = {left + e.x, top};
            m_anchorStartLine = m_lineNumber;
            break;
        case Kind::AnchorText:
            // Right to left, words stand mirrored on the line, and so does the test.
            if (const int tx = m_rightToLeft ? placed.Right - m_params.HitX : hx; tx >= e.x && tx <= e.x + e.width) {
                m_lineAnchorTextHit = true;
                if (hy > top) {
                    m_result.HitAnchor = e.ref;
                    m_result.HitAnchorTitle = e.title;
                    m_anchorPending = true;
                }
            }
            break;
        case Kind::AnchorClose:
            if (m_anchorPending) {
                const TPoint from = m_anchorStartLine == m_lineNumber ? m_anchorStart : TPoint{left, top};
                m_result.HitAnchorRect = Rect(from.X, from.Y, left + e.x, bottom);
                m_result.HitAnchorIndex = e.anchor;
                m_anchorPending = false;
            }
            break;
        case Kind::Image:
            if (e.inAnchor && under(e)) {
                m_result.HitAnchor = e.ref;
                m_result.HitAnchorTitle = e.title;
                m_hoveredImage = e.image;
                m_hit = true;
            }
            break;
        case Kind::Control:
            if (under(e) || (m_params.HitTestOnly && m_params.ControlID == e.control.ID)) {
                m_hit = true;
                m_result.HitAnchor = QStringLiteral("ctrl");
                m_result.HitControlRect = Bounds(left + e.x, top, e.width, e.height);
                m_result.ControlID = e.control.ID;
                m_result.ControlValue = e.control.Value;
                m_result.ControlType = e.control.Type;
            }
            break;
        }
    }
}

// ---- Text ----------------------------------------------------------------

void Renderer::textChunk(Cursor &c)
{
    PassState &s = *c.state;
    qsizetype next = c.finders->tagStart.find(m_text, c.p);
    if (next < 0 || next > c.end)
        next = c.end;
    if (m_params.WordWrap) {
        const qsizetype space = c.finders->space.find(m_text, c.p);
        if (space >= 0 && space < next)
            next = space + 1;
    }
    const QString chunk = decodeHtmlChunk(QStringView(m_text).sliced(c.p, next - c.p));

    const int height = m_canvas.TextHeight(chunk);
    m_line.height = std::max(m_line.height, height);
    if (s.sub)
        m_line.subExtra = std::max(m_line.subExtra, height / 4);
    if (s.sup)
        m_line.supExtra = std::max(m_line.supExtra, height / 4);
    if (s.hidden) {
        if (c.kind == PassKind::Layout)
            m_result.PlainText += chunk;
        c.p = next;
        return;
    }

    const int width = chunkWidth(chunk);
    if (c.kind == PassKind::Layout && s.inAnchor)
        m_events.push_back({.kind = HitEvent::Kind::AnchorText,
                            .x = c.x,
                            .width = width,
                            .anchor = s.anchorCounter,
                            .inAnchor = true,
                            .ref = s.anchorRef,
                            .title = s.anchorTitle});
    if (c.drawing)
        drawChunk(c, chunk, width);

    // A chunk right after a tag in the middle of a word (wo<B>rd) stays
    // with the word; after a blank it may begin the next line.
    bool fits = c.replay() || c.atStart() || saturatedAdd(c.x, width) < m_lineWidth || width >= m_lineWidth
                || c.last == LastVisible::Other;
    if (!m_params.WordWrap) {
        if (!fits && c.measuring)
            c.dropRest = true;
        fits = true;
    }
    if (!fits) {
        c.lineEnded = true;
        return;
    }
    // A word that moves to the next line is written out there, once.
    if (c.kind == PassKind::Layout)
        m_result.PlainText += chunk;
    c.x = saturatedAdd(c.x, width);
    c.drawX = saturatedAdd(c.drawX, width);
    c.p = next;
    const bool endsInSpace = chunk.endsWith(u' ');
    c.trailingSpace = endsInSpace ? wordWidths.width(m_canvas, kSpace) : 0;
    c.last = endsInSpace ? LastVisible::Space : LastVisible::Other;
}

namespace {

// The characters DrawText shows of a text with prefixes: "&x" shows x, "&&"
// one ampersand, and a last lone "&" nothing.
QString shownText(const QString &text)
{
    if (!text.contains(u'&'))
        return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i >= text.size())
            break;
        shown += text[i];
    }
    return shown;
}

} // namespace

int Renderer::chunkWidth(const QString &chunk)
{
    // Without tabs DrawText measures the characters it shows as the font does.
    if (!chunk.contains(u'\t'))
        return wordWidths.width(m_canvas, shownText(chunk));
    TRect measured;
    m_canvas.DrawText(chunk, measured, m_flags | DT_CALCRECT);
    return measured.Width();
}

void Renderer::drawChunk(Cursor &c, const QString &chunk, int width)
{
    const PassState &s = *c.state;
    if (s.inAnchor && s.anchorCounter == m_params.FocusAnchorIndex + 1)
        m_result.FocusAnchorHref = s.anchorRef;
    TRect box = Rect(c.drawX, c.R.Top, c.R.Right, c.R.Bottom);
    if (s.sup)
        box.Bottom -= m_line.supExtra;
    if (s.sub)
        box.Bottom += m_line.subExtra;
    box.Bottom -= m_line.baseline;
    if (m_rightToLeft) {
        // Right to left, the line fills from its right edge, word by word.
        const int right = c.R.Right - (c.drawX - c.R.Left);
        box.Left = right - width;
        box.Right = right;
        flushRun();
        m_run = {chunk, box, width, c.R.Bottom, s.shadow, s.errorMark};
        flushRun();
        return;
    }
    // Only a tag changes the look, and every tag ends the run.
    if (m_run.open() && m_run.box.Left + m_run.width == box.Left && m_run.box.Top == box.Top
        && m_run.box.Bottom == box.Bottom) {
        m_run.text += chunk;
        m_run.width += width;
        return;
    }
    flushRun();
    m_run = {chunk, box, width, c.R.Bottom, s.shadow, s.errorMark};
}

void Renderer::flushRun()
{
    if (!m_run.open())
        return;
    const QString &text = m_run.text;
    const auto draw = [&](const TRect &at) {
        TRect r = at;
        if (m_canvas.Font().Orientation() % 3600 != 0)
            m_canvas.TextOut(r.Left, r.Bottom - m_canvas.TextHeight(text), text);
        else
            m_canvas.DrawText(text, r, m_flags);
    };
    if (m_run.shadow) {
        m_canvas.SetTextColor(m_params.ShadowColor);
        draw(OffsetRect(m_run.box, m_params.ShadowOffset, m_params.ShadowOffset));
        m_canvas.SetTextColor(m_canvas.Font().Color());
    }
    draw(m_run.box);
    if (m_run.errorMark)
        errorWave(m_run.box.Left, m_run.box.Left + m_run.width, m_run.lineBottom);
    m_run = {};
}

void Renderer::errorWave(int left, int right, int bottom)
{
    TPen &pen = m_canvas.Pen();
    const TColor color = pen.Color();
    const int penWidth = pen.Width();
    pen.setColor(clRed);
    pen.setWidth(1);
    int x = left - (left & 1);
    int y = x % 4 == 0 ? bottom + 1 : bottom - 1;
    m_canvas.MoveTo(x, y);
    while (x < right) {
        x += 2;
        y = y == bottom + 1 ? bottom - 1 : bottom + 1;
        m_canvas.LineTo(x, y);
    }
    pen.setColor(color);
    pen.setWidth(penWidth);
}

// ---- Tags ----------------------------------------------------------------

void Renderer::tag(Cursor &c)
{
    flushRun();
    const qsizetype remaining = m_text.size() - c.p;
    if (remaining < 3) {
        c.dropRest = true;
        return;
    }
    const qsizetype close = c.finders->tagEnd.find(m_text, c.p);
    const qsizetype tagEnd = close < 0 ? m_text.size() : close + 1;
    const QStringView tagText = QStringView(m_text).sliced(c.p, tagEnd - c.p);
    if (tagText[1] == u'/' && remaining > 3)
        closingTag(c, tagText);
    else
        openingTag(c, tagText);
    if (c.stayed)
        return;
    c.p = tagEnd;
    if (close < 0)
        c.dropRest = true;
}

void Renderer::setFontStyle(bool FontStyle::*flag, bool on)
{
    FontStyle style = m_canvas.Font().Style();
    style.*flag = on;
    m_canvas.Font().setStyle(style);
}

TColor Renderer::brushColor() const
{
    const TBrush &brush = m_canvas.Brush();
    return brush.Style() == TBrushStyle::bsClear ? clNone : brush.Color();
}

void Renderer::setBrushColor(TColor color) { m_canvas.Brush().setColor(color); }

void Renderer::fillParagraphBand(const Cursor &c)
{
    m_canvas.FillColor(Rect(m_rect.Left, c.R.Top, m_rect.Right, saturatedAdd(c.R.Top, m_line.height)), brushColor());
}

void Renderer::openingTag(Cursor &c, QStringView tag)
{
    PassState &s = *c.state;
    TFont &font = m_canvas.Font();
    const QChar first = upperAt(tag, 1);
    const QChar second = upperAt(tag, 2);
    switch (first.unicode()) {
    case u'A':
        openAnchor(c, tag);
        break;
    case u'B':
        if (second == u'>') {
            setFontStyle(&FontStyle::bold, true);
        } else if (second == u'R') {
            if (c.kind == PassKind::Layout)
                m_result.PlainText += u'\r';
            c.lineEnded = true;
        } else if (second == u'L') {
            if (!m_params.BlinkVisible)
                font.setColor(m_entryBrush);
        } else if (second == u'O' && c.drawing) {
            body(tag);
        }
        break;
    case u'C':
        control(c, tag);
        break;
    case u'E':
        s.errorMark = true;
        break;
    case u'F':
        fontTag(c, tag);
        break;
    case u'H':
        if (second == u'I') {
            if (c.drawing) {
                s.hiFontColor = font.Color();
                s.hiBrush = brushColor();
                setBrushColor(HtmlHighlightColors().Background);
                font.setColor(HtmlHighlightColors().Text);
            }
        } else if (second == u'R') {
            c.lineEnded = true;
            if (c.drawing) {
                const TColor color = m_canvas.Pen().Color();
                m_canvas.Pen().setColor(clBlack);
                m_canvas.MoveTo(c.R.Left, c.R.Bottom + 1);
                m_canvas.LineTo(c.R.Right, c.R.Bottom + 1);
                m_canvas.Pen().setColor(color);
            }
        }
        break;
    case u'I':
        if (second == u'>') {
            setFontStyle(&FontStyle::italic, true);
        } else if (second == u'M') {
            image(c, tag);
        } else if (second == u'N') {
            const THtmlAttribute at = htmlAttribute(tag, u"X");
            const int n = std::min(kMaxIndent, leadingNumber(at.value));
            if (n > c.x) {
                c.x = n;
                c.drawX = m_rect.Left + n;
            }
        }
        break;
    case u'L':
        listItem(c);
        break;
    case u'P':
        paragraph(c, tag);
        break;
    case u'R': {
        const int angle = leadingNumber(htmlAttribute(tag, u"A").value, true);
        if (!s.unrotated)
            s.unrotated = font;
        font.setOrientation(angle % 360 * 10);
        break;
    }
    case u'S':
        if (tag.startsWith(u"<SUB>", Qt::CaseInsensitive))
            s.sub = true;
        else if (tag.startsWith(u"<SUP>", Qt::CaseInsensitive))
            s.sup = true;
        else if (second == u'H')
            s.shadow = true;
        else if (second == u'>')
            setFontStyle(&FontStyle::strikeOut, true);
        break;
    case u'U':
        if (second == u'>') {
            setFontStyle(&FontStyle::underline, true);
        } else {
            s.listLevel = std::min(kMaxListLevel, s.listLevel + 1);
            c.lineEnded = true;
        }
        break;
    case u'Z':
        s.hidden = true;
        break;
    default:
        break;
    }
}

void Renderer::closingTag(Cursor &c, QStringView tag)
{
    PassState &s = *c.state;
    TFont &font = m_canvas.Font();
    const QChar first = upperAt(tag, 2);
    const QChar second = upperAt(tag, 3);
    switch (first.unicode()) {
    case u'A':
        closeAnchor(c);
        break;
    case u'B':
        if (tag.compare(u"</B>", Qt::CaseInsensitive) == 0)
            setFontStyle(&FontStyle::bold, false);
        else
            font.setColor(m_reference.Color());
        break;
    case u'E':
        s.errorMark = false;
        break;
    case u'F':
        font.setName(m_reference.Name());
        font.setHeight(m_reference.Height());
        if (!m_params.KeepColors && c.drawing) {
            font.setColor(m_reference.Color());
            if (s.fontBrush)
                setBrushColor(*std::exchange(s.fontBrush, std::nullopt));
        }
        break;
    case u'H':
        if (c.drawing) {
            if (s.hiFontColor)
                font.setColor(*std::exchange(s.hiFontColor, std::nullopt));
            if (s.hiBrush)
                setBrushColor(*std::exchange(s.hiBrush, std::nullopt));
        }
        break;
    case u'I':
        setFontStyle(&FontStyle::italic, false);
        break;
    case u'L':
        c.lineEnded = true;
        break;
    case u'P':
        c.lineEnded = true;
        if (c.drawing) {
            if (s.paragraphBrush)
                setBrushColor(*std::exchange(s.paragraphBrush, std::nullopt));
            s.paragraphBackground = false;
        }
        break;
    case u'R':
        if (s.unrotated) {
            font.Assign(*s.unrotated);
            s.unrotated.reset();
        }
        break;
    case u'S':
        if (second == u'U') {
            s.sub = false;
            s.sup = false;
        } else if (second == u'H') {
            s.shadow = false;
        } else {
            setFontStyle(&FontStyle::strikeOut, false);
        }
        break;
    case u'U':
        if (tag.compare(u"</U>", Qt::CaseInsensitive) == 0 || s.listLevel < 1)
            setFontStyle(&FontStyle::underline, false);
        else
            --s.listLevel;
        break;
    case u'Z':
        s.hidden = false;
        break;
    default:
        break;
    }
}

bool Renderer::hovered(const PassState &s) const
{
    return !m_params.HoverOnly || s.anchorCounter == m_params.HoverAnchorIndex;
}

void Renderer::openAnchor(Cursor &c, QStringView tag)
{
    PassState &s = *c.state;
    TFont &font = m_canvas.Font();
    if (c.drawing && s.anchorCounter == m_params.FocusAnchorIndex) {
        m_focus.Left = c.drawX;
        m_focus.Top = c.R.Top;
        m_focusOpen = true;
    }
    ++s.anchorCounter;
    if (hovered(s) && c.drawing) {
        setFontStyle(&FontStyle::underline, true);
        if (m_params.HoverBackColor != clNone) {
            s.anchorBrush = brushColor();
            setBrushColor(m_params.HoverBackColor);
        }
        if (m_params.HoverTextColor != clNone) {
            s.anchorFontColor = font.Color();
            font.setColor(m_params.HoverTextColor);
        }
    }
    if (!m_params.KeepColors
        && (m_params.HoverTextColor == clNone || s.anchorCounter != m_params.HoverAnchorIndex || !m_params.HoverOnly))
        font.setColor(m_params.AnchorColor);
    s.anchorRef = htmlAttribute(tag, u"HREF").value;
    s.anchorTitle = htmlAttribute(tag, u"TITLE").value;
    s.inAnchor = true;
    if (c.kind == PassKind::Layout)
        m_events.push_back({.kind = HitEvent::Kind::AnchorOpen, .x = c.x, .anchor = s.anchorCounter});
}

void Renderer::closeAnchor(Cursor &c)
{
    PassState &s = *c.state;
    TFont &font = m_canvas.Font();
    if (hovered(s) && c.drawing) {
        setFontStyle(&FontStyle::underline, false);
        if (m_params.HoverBackColor != clNone)
            setBrushColor(s.anchorBrush);
        if (m_params.HoverTextColor != clNone)
            font.setColor(s.anchorFontColor);
    }
    if (!m_params.KeepColors)
        font.setColor(m_reference.Color());
    s.inAnchor = false;
    if (c.kind == PassKind::Layout)
        m_events.push_back({.kind = HitEvent::Kind::AnchorClose, .x = c.x, .anchor = s.anchorCounter});
    if (c.drawing && m_focusOpen && s.anchorCounter == m_params.FocusAnchorIndex + 1) {
        m_focus.Right = c.drawX;
        m_focus.Bottom = c.R.Bottom - m_line.baseline;
        m_focus.Top = m_focus.Bottom - m_gh;
        m_canvas.DrawFocusRect(InflateRect(m_focus, 1, 0));
        m_focusOpen = false;
    }
}

void Renderer::fontTag(Cursor &c, QStringView tag)
{
    PassState &s = *c.state;
    TFont &font = m_canvas.Font();
    const QString face = htmlAttribute(tag, u"FACE").value;
    if (!face.isEmpty())
        font.setName(face.toUpper());
    const QString color = htmlAttribute(tag, u" COLOR").value;
    if (!color.isEmpty() && !m_params.KeepColors)
        font.setColor(colorValue(color));
    const QString background = htmlAttribute(tag, u"BGCOLOR").value;
    if (!background.isEmpty() && c.drawing && !m_params.KeepColors) {
        s.fontBrush = brushColor();
        setBrushColor(colorValue(background));
    }
    const THtmlAttribute size = htmlAttribute(tag, u"SIZE");
    if (size.present) {
        const int n = leadingNumber(size.quoted ? QStringView(size.value) : size.rest);
        // A size of 0 or below (or none) keeps the font as it is.
        if (n >= 1 && n <= 5)
            font.setSize(kFontSizes[n - 1]);
        else if (n > 5)
            font.setSize(std::min(n, kMaxPoints));
    }
}

void Renderer::paragraph(Cursor &c, QStringView tag)
{
    PassState &s = *c.state;
    const QString align = htmlAttribute(tag, u"ALIGN").value.toUpper();
    if (align.contains(u"RIGHT"))
        m_alignment = 1;
    if (align.contains(u"LEFT"))
        m_alignment = 0;
    if (align.contains(u"CENTER"))
        m_alignment = 2;
    const THtmlAttribute indent = htmlAttribute(tag, u"INDENT");
    if (indent.quoted)
        m_indent = std::min(kMaxIndent, leadingNumber(indent.value));
    const THtmlAttribute background = htmlAttribute(tag, u"BGCOLOR");
    if (background.present && c.drawing) {
        const TColor color = background.value.isEmpty() ? clNone : colorValue(background.value);
        s.paragraphBackground = true;
        s.paragraphBrush = brushColor();
        setBrushColor(color);
        fillParagraphBand(c);
    }
}

void Renderer::listItem(Cursor &c)
{
    // One item to a line: a second one begins the next line.
    if (c.listItem && !c.replay()) {
        c.stayed = true;
        return;
    }
    c.listItem = true;
    const int level = c.state->listLevel;
    c.x = saturatedAdd(c.x, 12 * level);
    c.drawX = saturatedAdd(c.drawX, 12 * level - 12);
    if (c.drawing) {
        // The bullet of odd levels, the circle of even ones.
        const QString bullet = level % 2 == 1 ? QStringLiteral("\u2022") : QStringLiteral("o");
        TRect box = Rect(c.drawX, c.R.Top, c.R.Right, c.R.Bottom - m_line.baseline);
        m_canvas.DrawText(bullet, box, m_flags);
    }
    c.drawX += 12;
}

} // namespace html

bool DrawHtmlText(TCanvas &Canvas, const QString &Text, const TRect &Rect, const THtmlDrawParams &Params,
                  THtmlDrawResult &Result)
{
    return html::Renderer(Canvas, Rect, Params, Result).run(Text);
}

} // namespace controls
