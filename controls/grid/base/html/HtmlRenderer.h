#pragma once
// Inside DrawHtmlText. Each line is laid out twice: a layout pass finds
// where the line ends, how wide and high it is and what could be hit; the
// line is then placed (aligned, indented) and a second pass draws it, or,
// for a hit test, walks it again without painting. The two passes keep
// separate copies of the inline state (font, flags, anchor, list level,
// saved colours), so that the second pass of a line starts from exactly the
// state the first one started from.
#include "controls/grid/base/HtmlControls.h"
#include "controls/grid/base/html/DrawHtmlText.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace controls::html {

// Positions add up without wrapping round, whatever sizes a text asks for.
inline int saturatedAdd(int a, int b)
{
    return int(std::clamp<long long>(static_cast<long long>(a) + b, INT32_MIN, INT32_MAX));
}

enum class PassKind { Layout, Replay };

struct PassState {
    platform::TFont font;
    // The font before <R> turned it.
    std::optional<platform::TFont> unrotated;
    bool sub = false;
    bool sup = false;
    bool shadow = false;
    bool errorMark = false;
    bool hidden = false;
    bool inAnchor = false;
    QString anchorRef;
    QString anchorTitle;
    int anchorCounter = 0;
    int listLevel = 0;
    int imageCounter = 0;
    // Colours the drawing pass saves and restores; a closing tag restores
    // only what its opening tag saved.
    bool paragraphBackground = false;
    std::optional<platform::TColor> paragraphBrush;
    std::optional<platform::TColor> fontBrush;
    std::optional<platform::TColor> hiBrush;
    std::optional<platform::TColor> hiFontColor;
    platform::TColor anchorBrush = platform::clNone;
    platform::TColor anchorFontColor = platform::clNone;
};

// How the last IMG of a line with ALIGN set raises the text of the line.
enum class LineAlign { Bottom, Top, Middle };

// The height of one line and what hangs below and above it.
struct LineMetrics {
    int height = 0;
    int subExtra = 0;
    int supExtra = 0;
    int baseline = 0; // how far the text stands above the line's bottom
    LineAlign align = LineAlign::Bottom;
};

// What the layout pass met that a point can hit; resolved once the line
// is placed.
struct HitEvent {
    enum class Kind { AnchorOpen, AnchorText, AnchorClose, Image, Control } kind;
    int x = 0; // from the line's left
    int width = 0;
    int height = 0;
    int anchor = 0;
    bool inAnchor = false;
    QString ref{};
    QString title{};
    int image = 0;
    THtmlControlTag control{};
};

// The first position of a character at or after a point, remembered, so
// that a pass walking forward over a long text looks at each character once.
class NextChar {
public:
    explicit NextChar(QChar c) : m_char(c) {}
    qsizetype find(const QString &text, qsizetype from)
    {
        if (from < m_from || (m_at >= 0 && m_at < from)) {
            m_at = text.indexOf(m_char, from);
            m_from = from;
        }
        return m_at;
    }

private:
    QChar m_char;
    qsizetype m_at = -1;
    qsizetype m_from = std::numeric_limits<qsizetype>::max();
};

struct Finders {
    NextChar tagStart{u'<'};
    NextChar tagEnd{u'>'};
    NextChar space{u' '};
};

enum class LastVisible { None, Space, Other };

// Words of one look that follow each other on a line, drawn in one go.
struct TextRun {
    QString text;
    platform::TRect box; // from the first word to the line's right edge
    int width = 0;
    int lineBottom = 0;
    bool shadow = false;
    bool errorMark = false;
    bool open() const { return !text.isEmpty(); }
};

struct Cursor {
    PassKind kind = PassKind::Layout;
    bool measuring = true;
    bool drawing = false;
    PassState *state = nullptr;
    Finders *finders = nullptr;
    platform::TRect R; // the line; its bottom is the text's bottom
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype p = 0;
    int x = 0; // from the line's left
    int drawX = 0; // where the next thing is drawn
    int trailingSpace = 0;
    LastVisible last = LastVisible::None;
    bool listItem = false;
    bool lineEnded = false;
    bool stayed = false; // an element did not fit: its tag begins the next line
    bool dropRest = false;
    bool replay() const { return kind == PassKind::Replay; }
    bool atStart() const { return p == start; }
};

class Renderer {
public:
    Renderer(platform::TCanvas &canvas, const platform::TRect &rect, const THtmlDrawParams &params,
             THtmlDrawResult &result)
        : m_canvas(canvas), m_rect(rect), m_params(params), m_result(result)
    {
    }
    bool run(const QString &text);

private:
    // The line loop and the text tags (HtmlRenderer.cpp).
    Cursor runPass(PassKind kind, qsizetype start, qsizetype end, const platform::TRect &line);
    platform::TRect placeLine(int width) const;
    void resolveHits(const platform::TRect &placed);
    void textChunk(Cursor &c);
    int chunkWidth(const QString &chunk);
    void drawChunk(Cursor &c, const QString &chunk, int width);
    void flushRun();
    void alignLine();
    void errorWave(int left, int right, int bottom);
    void tag(Cursor &c);
    void openingTag(Cursor &c, QStringView tag);
    void closingTag(Cursor &c, QStringView tag);
    void openAnchor(Cursor &c, QStringView tag);
    void closeAnchor(Cursor &c);
    void fontTag(Cursor &c, QStringView tag);
    void paragraph(Cursor &c, QStringView tag);
    void listItem(Cursor &c);
    void endOfLine(Cursor &c);
    void fillParagraphBand(const Cursor &c);
    platform::TColor brushColor() const;
    void setBrushColor(platform::TColor color);
    void setFontStyle(bool platform::FontStyle::*flag, bool on);
    bool hovered(const PassState &s) const;

    // Images, form controls and the body (HtmlObjects.cpp).
    void image(Cursor &c, QStringView tag);
    void control(Cursor &c, QStringView tag);
    void body(QStringView tag);
    THTMLPicture *findPicture(const QString &source);
    bool fitsItem(const Cursor &c, int width) const;
    void advanceItem(Cursor &c, int width, int height);
    void drawControl(const Cursor &c, const THtmlControlTag &tag, int width, int controlHeight);
    void frameBox(const platform::TRect &box);

    platform::TCanvas &m_canvas;
    const platform::TRect m_rect;
    const THtmlDrawParams &m_params;
    THtmlDrawResult &m_result;

    QString m_text;
    platform::TFont m_reference;
    platform::TColor m_entryBrush = platform::clNone;
    unsigned m_flags = 0;
    bool m_rightToLeft = false;
    PassState m_layout;
    PassState m_replay;
    Finders m_layoutFinders;
    Finders m_replayFinders;
    platform::TRect m_lineRect;
    int m_lineWidth = 0; // the width the layout pass fills
    int m_lineNumber = 0;
    LineMetrics m_line;
    int m_gh = 0;
    int m_alignment = 0; // 0 left, 1 right, 2 centre
    int m_indent = 0;
    std::vector<HitEvent> m_events;
    TextRun m_run;
    bool m_lineAnchorTextHit = false;
    bool m_anchorPending = false;
    platform::TPoint m_anchorStart;
    int m_anchorStartLine = -1;
    int m_hoveredImage = -1;
    bool m_hit = false;
    bool m_focusOpen = false;
    platform::TRect m_focus;
};

} // namespace controls::html
