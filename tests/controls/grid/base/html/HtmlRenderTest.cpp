// The text side of the renderer: lines, entities, paragraphs, fonts,
// anchors and the hit test, on a white image in the grid's font.
#include "HtmlTestSupport.h"

#include "controls/grid/base/HtmlText.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace htmltest;

TEST(HtmlRender, AnEmptyTextDrawsNothingAndIsOneLineHigh)
{
    Paper paper;
    THtmlDrawResult result;
    EXPECT_FALSE(paper.draw(QString(), Rect(0, 0, 200, 60), {}, result));
    EXPECT_EQ(result.TotalHeight, paper.gh());
    EXPECT_EQ(result.MaxLineWidth, 0);
    EXPECT_EQ(result.HitAnchorIndex, -1);
    EXPECT_EQ(inkBox(paper.image), TRect{});
}

TEST(HtmlRender, LinesPlainTextAndWidths)
{
    const struct {
        const char16_t *text;
        const char16_t *plain;
        int lines;
        const char16_t *widest; // the widest line as DrawText shows it
    } cases[] = {
        {u"x<BR>y", u"x\ry", 2, u"x"},
        {u"x\r\nyy", u"x\ryy", 2, u"yy"},
        {u"a<HR>bb", u"abb", 2, u"bb"},
        {u"<Z>hidden </Z>shown", u"hidden shown", 1, u"shown"},
        {u"a&amp;b", u"a&&b", 1, u"a&&b"},
        {u"&amp;amp;", u"&&amp;", 1, u"&&amp;"},
        {u"&lt;b&gt;&nbsp;&euro;", u"<b> \u20AC", 1, u"<b> \u20AC"},
        {u"<#field>", u"#field", 1, u"#field"},
        {u"a<xyz tag>b", u"ab", 1, u"ab"},
        {u"a<ul>b", u"ab", 2, u"b"},
        {u"abc<", u"abc", 1, u"abc"},
        {u"abc<B", u"abc", 1, u"abc"},
    };
    for (const auto &c : cases) {
        Paper paper;
        const QString text = QString::fromUtf16(c.text);
        const THtmlDrawResult r = paper.draw(text, Rect(0, 0, 200, 60));
        EXPECT_EQ(r.PlainText, QString::fromUtf16(c.plain)) << text.toStdString();
        EXPECT_EQ(r.TotalHeight, c.lines * paper.gh()) << text.toStdString();
        TRect measured;
        paper.canvas.DrawText(QString::fromUtf16(c.widest), measured, DT_SINGLELINE | DT_CALCRECT);
        EXPECT_EQ(r.MaxLineWidth, measured.Width()) << text.toStdString();
    }
    // Styles widen what they cover.
    Paper paper;
    const int plain = paper.draw(QStringLiteral("abcd"), Rect(0, 0, 200, 60)).MaxLineWidth;
    EXPECT_GT(paper.draw(QStringLiteral("ab<B>cd</B>"), Rect(0, 0, 200, 60)).MaxLineWidth, plain);
    EXPECT_EQ(paper.draw(QStringLiteral("ab<B>cd</B>"), Rect(0, 0, 200, 60)).PlainText, QStringLiteral("abcd"));
}

TEST(HtmlRender, ALoneAmpersandUnderlinesTheNextCharacter)
{
    Paper paper;
    const THtmlDrawResult r = paper.draw(QStringLiteral("A & B"), Rect(0, 0, 200, 60));
    const int blankLeft = 1 + paper.width(QStringLiteral("A "));
    const int blank = paper.width(QStringLiteral(" "));
    EXPECT_EQ(r.MaxLineWidth, paper.width(QStringLiteral("A ")) + blank + paper.width(QStringLiteral("B")));
    // Only the underline lies under the blank: one row, no ampersand.
    const TRect ink = inkBox(paper.image, Rect(blankLeft, 0, blankLeft + blank, 60));
    EXPECT_EQ(ink.Height(), 1);
    EXPECT_EQ(ink.Width(), blank);
}

TEST(HtmlRender, WordsWrapAndAnUnwrappedLineEndsInAnEllipsis)
{
    const QString text = QStringLiteral("one two three four five");
    Paper wrapped;
    const THtmlDrawResult w = wrapped.draw(text, Rect(0, 0, 60, 100));
    EXPECT_GE(w.TotalHeight, 3 * wrapped.gh());
    EXPECT_LT(w.MaxLineWidth, 60);
    EXPECT_LE(inkBox(wrapped.image).Right, 60);
    EXPECT_EQ(w.PlainText, text) << "a word that moves on is written once";

    Paper single;
    THtmlDrawParams p;
    p.WordWrap = false;
    const THtmlDrawResult s = single.draw(text, Rect(0, 0, 60, 100), p);
    EXPECT_EQ(s.TotalHeight, single.gh());
    EXPECT_EQ(s.MaxLineWidth, single.width(text));
    // Exactly what DrawText shows of the line with an end ellipsis.
    Paper expected;
    TRect line = Rect(1, 0, 60, expected.gh());
    expected.canvas.SetBkMode(TRANSPARENT);
    expected.canvas.DrawText(text, line, DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING | DT_END_ELLIPSIS);
    EXPECT_EQ(single.image, expected.image);
}

TEST(HtmlRender, ParagraphsAlignAndIndentTheirLines)
{
    // An anchor over the whole line gives its placed rectangle.
    const struct {
        const char16_t *paragraph;
        int hitX;
        int (*left)(int width);
    } cases[] = {
        {u"<P align=\"right\">", 195, [](int w) { return 200 - w; }},
        {u"<p ALIGN=\"Center\">", 100, [](int w) { return 1 + (199 - w) / 2; }},
        {u"<P align=right>", 3, [](int) { return 1; }},
        {u"<P align=\"right left\">", 3, [](int) { return 1; }},
        {u"<P align=\"right center\">", 100, [](int w) { return 1 + (199 - w) / 2; }},
        {u"<P indent=\"10\">", 13, [](int) { return 11; }},
        {u"<P align=\"right\" indent=\"10\">", 205, [](int w) { return 210 - w; }},
    };
    for (const auto &c : cases) {
        Paper paper(240, 40);
        const QString text = QString::fromUtf16(c.paragraph) + QStringLiteral("<A href=\"x\">Link text</A></P>");
        THtmlDrawResult r;
        EXPECT_TRUE(paper.draw(text, Rect(0, 0, 200, 40), hitTest(c.hitX, 5), r)) << text.toStdString();
        const int w = paper.width(QStringLiteral("Link text"));
        EXPECT_EQ(r.HitAnchorRect, Rect(c.left(w), 0, c.left(w) + w, paper.gh())) << text.toStdString();
    }
}

TEST(HtmlRender, AClosingFontTagRestoresTheCanvasFontNotTheEnclosingOne)
{
    Paper paper(240, 40);
    paper.canvas.Font().setSize(14);
    paper.canvas.Font().setStyle({.bold = true});
    const QString text = QStringLiteral("<FONT color=\"clred\">aaa<FONT COLOR=\"#0000FF\">bbb</FONT>ccc</FONT>");
    paper.draw(text, Rect(0, 0, 240, 40));
    const int a = 1 + paper.width(QStringLiteral("aaa"));
    const int b = a + paper.width(QStringLiteral("bbb"));
    const int c = b + paper.width(QStringLiteral("ccc"));
    EXPECT_GT(countPixels(paper.image, Rect(1, 0, a, 40), reddish), 10);
    EXPECT_GT(countPixels(paper.image, Rect(a, 0, b, 40), bluish), 10);
    EXPECT_EQ(countPixels(paper.image, Rect(b + 1, 0, c, 40), reddish), 0) << "no stack of colours";
    EXPECT_GT(countPixels(paper.image, Rect(b + 1, 0, c, 40), dark), 10);

    Paper kept(240, 40);
    kept.canvas.Font().setSize(14);
    THtmlDrawParams p;
    p.KeepColors = true;
    kept.draw(text, Rect(0, 0, 240, 40), p);
    EXPECT_EQ(countPixels(kept.image, Rect(0, 0, 240, 40), reddish), 0);
}

TEST(HtmlRender, FontSizesOutsideTheRangeAreIgnoredOrHeld)
{
    Paper paper;
    const auto height = [&](const char *size) {
        return paper.draw(QStringLiteral("<FONT size=%1>x</FONT>").arg(QLatin1String(size)), Rect(0, 0, 200, 60),
                          measuring())
            .TotalHeight;
    };
    const int plain = paper.draw(QStringLiteral("x"), Rect(0, 0, 200, 60), measuring()).TotalHeight;
    EXPECT_EQ(height("\"0\""), plain);
    EXPECT_EQ(height("\"-5\""), plain);
    EXPECT_EQ(height("\"big\""), plain);
    EXPECT_EQ(height("5"), height("\"16\""));
    EXPECT_GT(height("\"30\""), height("5"));
    EXPECT_EQ(height("\"99999\""), height("\"200\""));
}

TEST(HtmlRender, SubscriptsAndSuperscriptsAddToTheLineHeight)
{
    Paper paper;
    const int gh = paper.gh();
    const int xBottom = [&] {
        Paper plain;
        plain.draw(QStringLiteral("x"), Rect(0, 0, 200, 60));
        return inkBox(plain.image).Bottom;
    }();
    const THtmlDrawResult sub = paper.draw(QStringLiteral("x<SUB>x</SUB>"), Rect(0, 0, 200, 60));
    EXPECT_EQ(sub.TotalHeight, gh + gh / 4);
    const int subLeft = 1 + paper.width(QStringLiteral("x"));
    EXPECT_EQ(inkBox(paper.image, Rect(0, 0, subLeft, 60)).Bottom, xBottom);
    EXPECT_EQ(inkBox(paper.image, Rect(subLeft, 0, 200, 60)).Bottom, xBottom + gh / 4);

    Paper sup;
    const THtmlDrawResult r = sup.draw(QStringLiteral("x<sup>x</sup>"), Rect(0, 0, 200, 60));
    EXPECT_EQ(r.TotalHeight, gh + gh / 4);
    EXPECT_EQ(inkBox(sup.image, Rect(0, 0, subLeft, 60)).Bottom, xBottom + gh / 4);
    EXPECT_EQ(inkBox(sup.image, Rect(subLeft, 0, 200, 60)).Bottom, xBottom);
}

TEST(HtmlRender, ErrorMarksAndShadows)
{
    Paper marked;
    marked.draw(QStringLiteral("ok <E>wrng</E> ok"), Rect(0, 0, 200, 60));
    const int left = 1 + marked.width(QStringLiteral("ok "));
    const int right = left + marked.width(QStringLiteral("wrng "));
    const int bottom = marked.gh();
    EXPECT_GT(countPixels(marked.image, Rect(left, bottom - 1, right, bottom + 2), reddish), 10);
    EXPECT_EQ(countPixels(marked.image, Rect(0, 0, left - 1, 60), reddish), 0);
    EXPECT_EQ(countPixels(marked.image, Rect(right + 2, 0, 200, 60), reddish), 0);

    Paper shadowed;
    THtmlDrawParams p;
    p.ShadowColor = clRed;
    p.ShadowOffset = 2;
    shadowed.draw(QStringLiteral("<SHAD>Shade</SHAD>"), Rect(0, 0, 200, 60), p);
    EXPECT_GT(countPixels(shadowed.image, Rect(0, 0, 200, 60), reddish), 10);
    EXPECT_GT(countPixels(shadowed.image, Rect(0, 0, 200, 60), dark), 10);
    EXPECT_EQ(inkBox(shadowed.image).Bottom, inkBox([] {
                  Paper plain;
                  plain.draw(QStringLiteral("Shade"), Rect(0, 0, 200, 60));
                  return plain.image;
              }()).Bottom + 2);
}

namespace {

const QString kAnchors = QStringLiteral(
    "<A href=\"One\">a</A> <A HREF=\"Two\" title=\"Second\">bb</A> <A href=\"Three\">ccc</A>");

} // namespace

TEST(HtmlRender, AnchorsAreHitOnTheirTextAndNumberedFromOne)
{
    Paper paper;
    const int a = paper.width(QStringLiteral("a"));
    const int blank = paper.width(QStringLiteral(" "));
    const int bb = paper.width(QStringLiteral("bb"));
    const int bbLeft = 1 + a + blank;
    const struct {
        const char *name;
        THtmlDrawParams params;
        bool hit;
        const char *anchor;
        int index;
    } cases[] = {
        {"hit test on the second anchor", hitTest(bbLeft + 2, 5), true, "Two", 2},
        {"hit test between two anchors", hitTest(1 + a + blank / 2 + 1, 5), false, "as passed", -1},
        // Below the line the anchor is named, but the answer says it is not hit.
        {"hit test below the line", hitTest(bbLeft + 2, paper.gh() + 2), false, "Two", 2},
        {"a drawing call finds the anchor but answers false", [&] {
             THtmlDrawParams p;
             p.HitX = bbLeft + 2;
             p.HitY = 5;
             return p;
         }(), false, "Two", 2},
        {"measuring answers false", [&] {
             THtmlDrawParams p = measuring();
             p.HitX = bbLeft + 2;
             p.HitY = 5;
             return p;
         }(), false, "Two", 2},
    };
    for (auto c : cases) {
        Paper fresh;
        c.params.HitAnchor = QStringLiteral("as passed");
        THtmlDrawResult r;
        EXPECT_EQ(fresh.draw(kAnchors, Rect(0, 0, 200, 60), c.params, r), c.hit) << c.name;
        EXPECT_EQ(r.HitAnchor, QString::fromLatin1(c.anchor)) << c.name;
        EXPECT_EQ(r.HitAnchorIndex, c.index) << c.name;
        EXPECT_EQ(r.AnchorCount, 3) << c.name;
        if (c.index == 2) {
            EXPECT_EQ(r.HitAnchorTitle, QStringLiteral("Second")) << c.name;
            EXPECT_EQ(r.HitAnchorRect, Rect(bbLeft, 0, bbLeft + bb, paper.gh())) << c.name;
        }
    }
}

TEST(HtmlRender, TheFocusedAnchorIsFramedAndNamed)
{
    Paper paper;
    THtmlDrawParams p;
    p.FocusAnchorIndex = 2;
    const THtmlDrawResult r = paper.draw(kAnchors, Rect(0, 0, 200, 60), p);
    EXPECT_EQ(r.FocusAnchorHref, QStringLiteral("Three"));
    const int left = 1 + paper.width(QStringLiteral("a bb "));
    const int right = left + paper.width(QStringLiteral("ccc"));
    // The dotted frame's top row over the third anchor, nowhere else.
    EXPECT_GT(countPixels(paper.image, Rect(left, 0, right, 1), [](TColor c) { return c != clWhite; }), 2);
    EXPECT_EQ(countPixels(paper.image, Rect(0, 0, left - 2, 1), [](TColor c) { return c != clWhite; }), 0);
}

TEST(HtmlRender, AnchorColoursFollowTheHoverSettings)
{
    const struct {
        const char *name;
        bool hoverOnly;
        TColor hoverText;
        bool keepColors;
        bool (*first)(TColor);
        bool (*second)(TColor);
    } cases[] = {
        {"every anchor in the anchor colour", false, clGreen, false, reddish, reddish},
        {"the hovered one in the hover colour", true, clGreen, false, reddish, greenish},
        {"colours kept", false, clNone, true, dark, dark},
    };
    for (const auto &c : cases) {
        Paper paper(200, 40);
        paper.canvas.Font().setSize(14);
        paper.canvas.Font().setStyle({.bold = true});
        THtmlDrawParams p;
        p.AnchorColor = clRed;
        p.HoverTextColor = c.hoverText;
        p.HoverOnly = c.hoverOnly;
        p.HoverAnchorIndex = 2;
        p.KeepColors = c.keepColors;
        paper.draw(kAnchors, Rect(0, 0, 200, 40), p);
        const int aRight = 1 + paper.width(QStringLiteral("a"));
        const int bLeft = 1 + paper.width(QStringLiteral("a "));
        const int bRight = bLeft + paper.width(QStringLiteral("bb"));
        EXPECT_GT(countPixels(paper.image, Rect(1, 0, aRight, 40), c.first), 5) << c.name;
        EXPECT_GT(countPixels(paper.image, Rect(bLeft, 0, bRight, 40), c.second), 5) << c.name;
    }
}

TEST(HtmlRender, DrawingStopsBelowTheRectangleAndMeasuringDoesNot)
{
    Paper paper;
    const int gh = paper.gh();
    const QString text = QStringLiteral("a<BR>b<BR>c<BR>d");
    EXPECT_EQ(paper.draw(text, Rect(0, 0, 200, 2 * gh)).TotalHeight, 2 * gh);
    EXPECT_EQ(paper.draw(text, Rect(0, 0, 200, 2 * gh), measuring()).TotalHeight, 4 * gh);
}

TEST(HtmlRender, EveryLineTakesAtLeastOneWordHoweverNarrowTheRectangle)
{
    const struct {
        const char16_t *text;
        TRect rect;
        int lines;
    } cases[] = {
        {u"aaa bbb ccc", Rect(0, 0, 30, 10), 3},
        {u"aaa bbb ccc", Rect(0, 0, 0, 10), 1},
        {u"aaa bbb ccc", Rect(50, 0, 10, 10), 1},
        {u"<UL><UL><UL><UL><LI>aaa bbb", Rect(0, 0, 30, 10), 7},
        {u"<IND x=\"500\">aaa", Rect(0, 0, 30, 10), 2},
        {u"<LI>a<LI>b<LI>c", Rect(0, 0, 200, 10), 3},
    };
    for (const auto &c : cases) {
        Paper paper;
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(paper.draw(text, c.rect, measuring()).TotalHeight, c.lines * paper.gh()) << text.toStdString();
    }
}

TEST(HtmlRender, TheCanvasComesBackAsItWas)
{
    const char16_t *texts[] = {
        u"<B><I><U><S>unclosed",
        u"<FONT face=\"Arial\" color=\"clred\" bgcolor=\"clyellow\" size=\"20\">x",
        u"<P bgcolor=\"clred\">x",
        u"<HI>x",
        u"<BODY bgcolor=\"clblue\">x",
        u"<A href=\"x\">x",
        u"<R a=\"90\">turned",
        u"<SUB><SUP><SHAD><E><Z>x",
        u"<BLINK>x",
        u"<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"40\" VALUE=\"v\">",
        u"</FONT></P></HI></A></R></SU></U></B></I></S></Z></E>x",
    };
    for (const char16_t *text : texts) {
        for (const bool hitTestOnly : {false, true}) {
            Paper paper;
            TCanvas &c = paper.canvas;
            c.Font().setStyle({.italic = true});
            c.Pen().setColor(clAqua);
            c.Pen().setWidth(3);
            c.Brush().setColor(clYellow);
            TFont font;
            font.Assign(c.Font());
            THtmlDrawParams p;
            p.HitTestOnly = hitTestOnly;
            p.HoverBackColor = clLime;
            p.HoverTextColor = clPurple;
            p.BlinkVisible = false;
            paper.draw(QString::fromUtf16(text), Rect(0, 0, 200, 60), p);
            EXPECT_TRUE(c.Font().sameLook(font)) << QString::fromUtf16(text).toStdString();
            EXPECT_EQ(c.Pen().Color(), clAqua);
            EXPECT_EQ(c.Pen().Width(), 3);
            EXPECT_EQ(c.Brush().Color(), clYellow);
            EXPECT_EQ(c.Brush().Style(), TBrushStyle::bsSolid);
        }
    }
}

TEST(HtmlRender, RightToLeftReadingFillsLinesFromTheRight)
{
    const QLocale keep;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    Paper paper;
    THtmlDrawParams p;
    p.BiDiMode = TBiDiMode::bdRightToLeft;
    const QString text = QStringLiteral("<A href=\"x\">abc</A>");
    const THtmlDrawResult r = paper.draw(text, Rect(0, 0, 200, 60), p);
    THtmlDrawParams hit = hitTest(197, 5);
    hit.BiDiMode = TBiDiMode::bdRightToLeft;
    THtmlDrawResult answer;
    const bool found = paper.draw(text, Rect(0, 0, 200, 60), hit, answer);
    QLocale::setDefault(keep);
    const TRect ink = inkBox(paper.image);
    EXPECT_GT(ink.Left, 200 - r.MaxLineWidth - 3);
    EXPECT_LE(ink.Right, 200);
    EXPECT_TRUE(found);
    EXPECT_EQ(answer.HitAnchor, QStringLiteral("x"));
}

TEST(HtmlRender, HighlightsAndBackgroundsFillBehindTheirTextOnly)
{
    const THtmlHighlightColors keep = HtmlHighlightColors();
    SetHtmlHighlightColors(clBlue, clRed);
    const struct {
        const char16_t *text;
        bool (*behind)(TColor); // the background of the marked word
        bool (*ink)(TColor); // its letters
        bool band; // the background runs to the rectangle's right edge
    } cases[] = {
        {u"ab <HI>mark</HI> cd", bluish, reddish, false},
        {u"ab <FONT bgcolor=\"#0000FF\" color=\"clred\">mark</FONT> cd", bluish, reddish, false},
        {u"<P bgcolor=\"clblue\">ab mark cd</P>", bluish, dark, true},
    };
    for (const auto &c : cases) {
        Paper paper(240, 40);
        paper.canvas.Font().setSize(14);
        const QString text = QString::fromUtf16(c.text);
        paper.draw(text, Rect(0, 0, 240, 40));
        const int left = 1 + paper.width(QStringLiteral("ab "));
        const int right = left + paper.width(QStringLiteral("mark"));
        const TRect word = Rect(left + 1, 0, right - 1, paper.gh());
        EXPECT_GT(countPixels(paper.image, word, c.behind), word.Width() * word.Height() / 2) << text.toStdString();
        EXPECT_GT(countPixels(paper.image, word, c.ink), 5) << text.toStdString();
        EXPECT_EQ(countPixels(paper.image, Rect(0, 0, left - 1, paper.gh()), c.behind) > 0, c.band)
            << text.toStdString();
        EXPECT_EQ(countPixels(paper.image, Rect(right + 40, 0, 240, paper.gh()), c.behind) > 0, c.band)
            << text.toStdString();
        EXPECT_EQ(countPixels(paper.image, Rect(0, paper.gh(), 240, 40), c.behind), 0) << text.toStdString();
    }
    SetHtmlHighlightColors(keep.Background, keep.Text);

    // Hidden BLINK text is drawn in the brush colour the call began with.
    Paper blink(240, 40);
    blink.canvas.Font().setSize(14);
    blink.canvas.Brush().setColor(clRed);
    THtmlDrawParams p;
    p.BlinkVisible = false;
    blink.draw(QStringLiteral("<BLINK>mark</BLINK>"), Rect(0, 0, 240, 40), p);
    EXPECT_GT(countPixels(blink.image, Rect(0, 0, 240, 40), reddish), 5);
    EXPECT_EQ(countPixels(blink.image, Rect(0, 0, 240, 40), dark), 0);
}
