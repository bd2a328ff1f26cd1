// Cell graphics placed by the alignments, check-box and radio glyphs, and
// the measuring of cell texts.
#include "ViewFixture.h"

#include "platform/draw/Canvas.h"
#include "platform/draw/Edges.h"
#include "platform/draw/Resources.h"

#include <algorithm>
#include <cmath>

using namespace controls;
using namespace viewtest;
using platform::TRect;

namespace {

TEST_F(ViewTest, CheckBoxInARightAlignedCellSitsLeftOfTheText)
{
    grid.setColWidths(1, 120);
    grid.setCells(1, 2, QStringLiteral("text"));
    grid.setAlignments(1, 2, taRightJustify);
    const QImage textOnly = paint();
    grid.AddCheckBox(1, 2, true, false);
    const QImage both = paint();
    const TRect r = cell(1, 2);
    const QRect text = darkBox(textOnly, r);
    const QRect box = differenceBox(textOnly, both, r);
    ASSERT_FALSE(text.isEmpty());
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LT(box.right(), text.left());
    EXPECT_GE(box.width(), 14) << "the box less its white outer edge on the white cell";
    EXPECT_LE(box.width(), 15);
}

struct GlyphTest : ViewTest {
    QImage glyph(TControlStyle style, bool checked, int state, bool tri)
    {
        QImage image(25, 25, QImage::Format_RGB32);
        image.fill(QColor(0, 255, 0));
        platform::TCanvas canvas(&image);
        grid.RenderCheckGlyph(canvas, platform::Rect(0, 0, 25, 25), checked, state, tri, style, false, true);
        canvas.endPainting();
        return image;
    }
};

TEST_F(GlyphTest, ClassicAndFlatBoxesAreCheckSizeAndCentred)
{
    for (const TControlStyle style : {csClassic, csFlat, csTheme}) {
        const QImage image = glyph(style, true, 0, false);
        EXPECT_EQ(boxOf(image, platform::Rect(0, 0, 25, 25), [](TColor c) { return c != 0x00FF00; }),
                  QRect(5, 5, 15, 15))
            << int(style);
    }
    EXPECT_EQ(glyph(csTheme, true, 0, false), glyph(csClassic, true, 0, false)) << "no theme engine: classic";
}

TEST_F(GlyphTest, TriStateTwoIsGrayedWhateverChecked)
{
    QImage grayed(25, 25, QImage::Format_RGB32);
    grayed.fill(QColor(0, 255, 0));
    {
        platform::TCanvas canvas(&grayed);
        platform::DrawFrameControl(canvas, platform::Rect(5, 5, 20, 20), platform::DFC_BUTTON,
                                   platform::DFCS_BUTTONCHECK | platform::DFCS_BUTTON3STATE | platform::DFCS_CHECKED);
    }
    EXPECT_EQ(glyph(csClassic, false, 2, true), grayed);
    EXPECT_EQ(glyph(csClassic, true, 2, true), grayed);
    EXPECT_NE(glyph(csClassic, false, 1, true), grayed);
    EXPECT_EQ(glyph(csClassic, false, 1, true), glyph(csClassic, true, 0, false));
}

TEST_F(ViewTest, RadioGroupOfIndexMinusOneFollowsTheCellText)
{
    const QStringList items{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    grid.setCells(1, 1, QStringLiteral("b"));
    auto draw = [&](int index) {
        QImage image(80, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        platform::TCanvas canvas(&image);
        grid.RenderRadioGlyph(canvas, platform::Rect(0, 0, 80, 80), false, 1.0, csClassic, 1, 1, false, &items, false,
                              false, index, 3);
        canvas.endPainting();
        return image;
    };
    EXPECT_EQ(draw(-1), draw(1));
    EXPECT_NE(draw(-1), draw(0));
    grid.setCells(1, 1, QStringLiteral("none of them"));
    EXPECT_NE(draw(-1), draw(1));
}

TEST_F(ViewTest, ThreeLinesMeasureThreeLineHeightsWithMultiLineCells)
{
    grid.setCells(1, 1, QStringLiteral("a\rb\rc"));
    const int gh = grid.MeasureCellText(grid.Canvas(), QStringLiteral("x"), false).cy;
    struct Case {
        bool multiline;
        int lines;
    };
    for (const Case c : {Case{true, 3}, Case{false, 1}}) {
        grid.Appearance().Multilinecells = c.multiline;
        EXPECT_EQ(grid.GetCellTextSize(1, 1).cy, c.lines * gh) << c.multiline;
    }
}

TEST_F(ViewTest, GraphicsMeasureWhatTheyAddBesideOrAboveTheText)
{
    QImage bitmap(10, 8, QImage::Format_RGB32);
    struct Case {
        TCellHAlign ha;
        TCellVAlign va;
        bool text;
        int width, height;
    };
    const int cellHeight = cell(1, 1).Bottom - cell(1, 1).Top;
    const Case cases[] = {
        {haLeft, vaTop, false, 10, 8},      {haLeft, vaTop, true, 0, 0},        {haBeforeText, vaTop, true, 10, 0},
        {haAfterText, vaCenter, true, 10, 0}, {haRight, vaAboveText, true, 0, 8}, {haRight, vaUnderText, true, 0, 8},
        {haLeft, vaFull, true, 0, cellHeight},
    };
    for (const Case &c : cases) {
        grid.AddBitmap(1, 1, &bitmap, false, c.ha, c.va);
        grid.setCells(1, 1, c.text ? QStringLiteral("t") : QString());
        const platform::TSize size = grid.GetCellGraphicSize(1, 1);
        EXPECT_EQ(size.cx, c.width) << int(c.ha) << int(c.va) << c.text;
        EXPECT_EQ(size.cy, c.height) << int(c.ha) << int(c.va) << c.text;
        grid.RemoveBitmap(1, 1);
    }
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1).cx, 0) << "no graphic";

    grid.AddRadioButton(2, 2, true);
    EXPECT_EQ(grid.GetCellGraphicSize(2, 2).cx, grid.ControlLook().RadioSize);

    QStringList items{QStringLiteral("ab"), QStringLiteral("cde")};
    const int gh = grid.MeasureCellText(grid.Canvas(), QStringLiteral("x"), false).cy;
    const int ab = grid.Canvas().TextWidth(QStringLiteral("ab"));
    const int cde = grid.Canvas().TextWidth(QStringLiteral("cde"));
    grid.AddRadio(3, 2, 1, 0, &items);
    EXPECT_EQ(grid.GetCellGraphicSize(3, 2).cx, ab + 12 + cde + 12) << "side by side";
    EXPECT_EQ(grid.GetCellGraphicSize(3, 2).cy, gh);
    grid.AddRadio(3, 3, 0, 0, &items);
    EXPECT_EQ(grid.GetCellGraphicSize(3, 3).cx, std::max(ab, cde) + 12) << "one above the other";
    EXPECT_EQ(grid.GetCellGraphicSize(3, 3).cy, 2 * std::max(16, gh));
}

TEST_F(ViewTest, ZoomGrowsThePaintedAndTheMeasuredText)
{
    grid.setCells(2, 2, QStringLiteral("Wide"));
    const TRect r = cell(2, 2);
    const QRect plain = darkBox(paint(), r);
    const platform::TSize measured = grid.GetCellTextSize(2, 2, true, false);
    grid.Appearance().ZoomFactor = 4;
    const QRect zoomed = darkBox(paint(), r);
    EXPECT_GT(zoomed.width(), plain.width());
    EXPECT_GT(zoomed.height(), plain.height());
    EXPECT_GT(grid.GetCellTextSize(2, 2, true, false).cy, measured.cy);
}

TEST_F(ViewTest, WrappedMeasuringTakesTheCellsWidthAndRoomForAButton)
{
    grid.setColWidths(1, 80);
    grid.setCells(1, 1, QStringLiteral("one two three four five six seven"));
    const int gh = grid.MeasureCellText(grid.Canvas(), QStringLiteral("x"), false).cy;
    const platform::TSize line = grid.GetCellTextSize(1, 1);
    const platform::TSize wrapped = grid.GetCellTextSize(1, 1, true, false);
    const platform::TSize beside = grid.GetCellTextSize(1, 1, true, true);
    EXPECT_EQ(line.cy, gh);
    EXPECT_GT(line.cx, 80);
    EXPECT_LE(wrapped.cx, 80 - 2 * 2 - 2 * 2) << "the offsets and two pixels each side";
    EXPECT_GE(wrapped.cy, 3 * gh);
    EXPECT_EQ(wrapped.cy % gh, 0) << "whole lines";
    EXPECT_LE(beside.cx, 80 - 8 - 17);
    EXPECT_GE(beside.cy, wrapped.cy) << "a narrower room takes as many lines or more";

    grid.setCells(1, 2, QStringLiteral("<b>bold</b> and <i>more</i> words to wrap here"));
    const platform::TSize html = grid.GetCellTextSize(1, 2);
    const platform::TSize htmlWrapped = grid.GetCellTextSize(1, 2, true, false);
    EXPECT_GT(html.cx, 80) << "one line unless wrapped";
    EXPECT_GT(htmlWrapped.cy, html.cy);
}

TEST_F(ViewTest, AutoNumAlignPutsNumbersRightAndKeepsACentredRecord)
{
    grid.Appearance().AutoNumAlign = true;
    struct Case {
        const char *text;
        bool centred;
        TAlignment expected;
    };
    const Case cases[] = {
        {"12.5", false, taRightJustify}, {"-3", false, taRightJustify}, {"abc", false, taLeftJustify},
        {"12", true, taCenter},          {"", false, taLeftJustify},
    };
    for (const Case &c : cases) {
        grid.setCells(1, 1, QString::fromUtf8(c.text));
        if (c.centred)
            grid.setAlignments(1, 1, taCenter);
        else
            grid.FreeCellProperties(1, 1);
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        grid.ResolveCellAlignment(1, 1, ha, va);
        EXPECT_EQ(int(ha), int(c.expected)) << c.text;
    }
    grid.Appearance().AutoNumAlign = false;
    grid.FreeCellProperties(1, 1);
    grid.setCells(1, 1, QStringLiteral("12"));
    TAlignment ha = taCenter;
    TVAlignment va = vtaTop;
    grid.ResolveCellAlignment(1, 1, ha, va);
    EXPECT_EQ(int(ha), int(taLeftJustify));
}

} // namespace

namespace {

TEST_F(GlyphTest, BitmapStylesDrawOurOwnGlyphsWithTheirCornerColourClear)
{
    struct Case {
        const char *name;
        QSize size;
    };
    for (const Case c : {Case{"ESGCHK01", {20, 20}}, Case{"ESGCHK04", {20, 20}}, Case{"ESGCHK05", {16, 16}},
                         Case{"ESGCHK08", {16, 16}}, Case{"ESGRAD01", {16, 16}}, Case{"ESGRAD08", {16, 16}}})
        EXPECT_EQ(platform::loadResourceImage(QString::fromUtf8(c.name)).size(), c.size) << c.name;
    for (const TControlStyle style : {csFenlo, csWinXP}) {
        const QImage on = glyph(style, true, 0, false);
        const QImage off = glyph(style, false, 0, false);
        EXPECT_EQ(at(on, 0, 0), 0x00FF00) << "the corner colour is clear";
        EXPECT_NE(on, off) << int(style);
        EXPECT_TRUE(differenceBox(on, glyph(csClassic, true, 0, false), platform::Rect(0, 0, 25, 25)).isValid());
    }
}

} // namespace

#include "controls/grid/model/ExCGrid.h"

namespace {

TEST(ColumnGridPaint, DataCheckBoxColumnsShowBoxesInPlaceOfTheirTexts)
{
    TExColumnGrid grid;
    grid.setScrollBars(ssNone);
    grid.resize(400, 250);
    grid.Columns()[2]->setEditor(edDataCheckBox);
    grid.setCells(2, 2, QStringLiteral("Y"));
    grid.setCells(2, 3, QStringLiteral("N"));
    grid.setCells(3, 2, QStringLiteral("Y"));
    const QImage image = grid.paintToImage();
    const TRect yes = grid.CellRect(2, 2);
    const TRect no = grid.CellRect(2, 3);
    const TRect text = grid.CellRect(3, 2);
    const auto drawn = [](TColor c) { return c != platform::clWhite; };
    const QRect boxYes = viewtest::boxOf(image, platform::Rect(yes.Left, yes.Top, yes.Right - 1, yes.Bottom - 1), drawn);
    const QRect boxNo = viewtest::boxOf(image, platform::Rect(no.Left, no.Top, no.Right - 1, no.Bottom - 1), drawn);
    ASSERT_FALSE(boxYes.isEmpty());
    ASSERT_FALSE(boxNo.isEmpty());
    EXPECT_EQ(boxYes.size(), boxNo.size()) << "the same box frame, checked or not";
    for (int y = 0; y < yes.Bottom - yes.Top - 1; ++y)
        for (int x = 0; x < yes.Right - yes.Left - 1; ++x)
            if (image.pixel(yes.Left + x, yes.Top + y) != image.pixel(text.Left + x, text.Top + y))
                return; // differs from the plain "Y" of the next column
    ADD_FAILURE() << "the data check box cell shows its text";
}

} // namespace

#include "controls/grid/view/RotatedText.h"

namespace {

// The rotated box placed by the alignments: its corners' box lands on the
// rectangle's edges.
TEST(RotatedText, BoxSitsInTheRectangleByTheAlignments)
{
    struct Case {
        int angle, ha, va;
        TRect expectedBox; // where the rotated box lands
    };
    const TRect r = platform::Rect(10, 20, 110, 220);
    const int w = 40, h = 10;
    const Case cases[] = {
        {0, 0, 0, {10, 20, 50, 30}},     {0, 1, 2, {70, 210, 110, 220}},  {90, 0, 0, {10, 20, 20, 60}},
        {90, 2, 1, {55, 100, 65, 140}},  {180, 1, 0, {70, 20, 110, 30}},  {270, 0, 2, {10, 180, 20, 220}},
    };
    for (const Case &c : cases) {
        TRect start = r;
        RotatedTextOrigin(start, c.ha, c.va, w, h, c.angle);
        const platform::TSize box = RotatedTextBox(w, h, c.angle);
        // The box from the start point: the corners relative to it.
        const double a = c.angle * 3.14159265358979 / 180.0;
        const double xs[] = {0, w * std::cos(a), h * std::sin(a), w * std::cos(a) + h * std::sin(a)};
        const double ys[] = {0, -w * std::sin(a), h * std::cos(a), -w * std::sin(a) + h * std::cos(a)};
        const int left = start.Left + int(std::lround(*std::min_element(std::begin(xs), std::end(xs))));
        const int top = start.Top + int(std::lround(*std::min_element(std::begin(ys), std::end(ys))));
        EXPECT_EQ((TRect{left, top, left + box.cx, top + box.cy}), c.expectedBox) << c.angle << " " << c.ha << c.va;
    }
}

TEST_F(ViewTest, RotatedCellMeasuresItsRotatedBox)
{
    grid.AddRotated(1, 1, 90, QStringLiteral("Rotated"));
    const platform::TSize text = grid.GetCellTextSize(1, 1);
    const platform::TSize size = grid.CellContentSize(1, 1);
    EXPECT_EQ(size.cx, text.cy + 12) << "as wide as the text is high";
    EXPECT_EQ(size.cy, text.cx + 12);
    EXPECT_EQ(grid.TotalXOffset(), 4);
    grid.Appearance().XYOffsetTopLeftOnly = true;
    EXPECT_EQ(grid.TotalYOffset(), 2);
}

TEST_F(ViewTest, RotatedTextIsDrawnUpright)
{
    grid.setDefaultRowHeight(120);
    grid.AddRotated(1, 1, 90, QStringLiteral("Rotated"));
    const QImage image = paint();
    const QRect box = darkBox(image, cell(1, 1));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GT(box.height(), box.width()) << "standing text";
}

} // namespace
