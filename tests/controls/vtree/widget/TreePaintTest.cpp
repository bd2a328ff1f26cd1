#include "TreeWidgetProbe.h"

#include "controls/vtree/widget/SharedImages.h"
#include "controls/vtree/widget/TreePrinting.h"
#include "platform/draw/DrawFlags.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPixmap>

#include <string>
#include <vector>

namespace vtreetest {
namespace {

using platform::ColorToRGB;
using platform::TColor;

// The painted client area, read pixel by pixel as colours.
struct Painted {
    explicit Painted(TreeWidgetProbe &tree) : image(tree.paintToImage()), canvas(&image) {}
    TColor at(int x, int y) const { return canvas.Pixel(x, y); }
    QImage image;
    platform::TCanvas canvas;
};

QPixmap solidPixmap(Qt::GlobalColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return pixmap;
}

const TColor window = ColorToRGB(platform::clWindow);
const TColor lines = ColorToRGB(platform::clBtnShadow);
const TColor text = ColorToRGB(platform::clWindowText);

void setMisc(TreeWidgetProbe &tree, TLTMiscOption option)
{
    TLTMiscOptions misc = tree.TreeOptions().MiscOptions();
    misc.include(option);
    tree.TreeOptions().SetMiscOptions(misc);
}

void setPaint(TreeWidgetProbe &tree, TLTPaintOptions add, TLTPaintOptions remove = {})
{
    tree.TreeOptions().SetPaintOptions((tree.TreeOptions().PaintOptions() + add) - remove);
}

TEST(TreePaintTest, BelowTheLastRowIsTheBackground)
{
    TreeWidgetProbe tree;
    tree.SetColor(platform::clYellow);
    tree.addNodes(1);
    Painted p(tree);
    for (int y = 18; y < tree.ClientHeight(); y += 9)
        for (int x = 0; x < tree.ClientWidth(); x += 13)
            ASSERT_EQ(p.at(x, y), ColorToRGB(platform::clYellow)) << x << "," << y;
}

TEST(TreePaintTest, AnEmptyTreeShowsItsMessageInGreyTopLeft)
{
    TreeWidgetProbe tree;
    tree.SetEmptyListMessage(QStringLiteral("No meters"));
    Painted p(tree);
    int grey = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const TColor c = p.at(x, y);
            ASSERT_TRUE(c == window || c != text) << "text in grey only";
            grey += c != window;
        }
    EXPECT_GT(grey, 20);
    for (int x = 0; x < 2; ++x)
        EXPECT_EQ(p.at(x, 8), window) << "the message starts two pixels in";
    EXPECT_EQ(p.at(150, 60), window);
}

// A top-level node with children: the button's 9 by 9 square at x 5 (half
// the indent minus half the button, plus 1) and y 4 (centred in 18 pixels).
TEST(TreePaintTest, TheExpandButtonIsANineByNineSquareWithPlusOrMinus)
{
    TreeWidgetProbe tree;
    setPaint(tree, {}, TLTPaintOption::toShowTreeLines);
    PLazyNode node = tree.addNodes(1);
    tree.SetHasChildren(node, true);
    {
        Painted p(tree);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(p.at(5 + i, 4), lines) << i;
            EXPECT_EQ(p.at(5 + i, 12), lines) << i;
            EXPECT_EQ(p.at(5, 4 + i), lines) << i;
            EXPECT_EQ(p.at(13, 4 + i), lines) << i;
        }
        EXPECT_EQ(p.at(4, 8), window);
        EXPECT_EQ(p.at(14, 8), window);
        for (int x = 7; x <= 11; ++x)
            EXPECT_EQ(p.at(x, 8), text) << "minus stroke " << x;
        for (int y = 6; y <= 10; ++y)
            EXPECT_EQ(p.at(9, y), text) << "plus stroke " << y;
        EXPECT_EQ(p.at(6, 5), window) << "filled with the tree's colour";
    }
    tree.AddChild(node);
    tree.SetExpanded(node, true);
    Painted p(tree);
    EXPECT_EQ(p.at(9, 6), window) << "an open node shows minus";
    EXPECT_EQ(p.at(9, 8), text);
}

TEST(TreePaintTest, ButtonPositionsFollowTheIndent)
{
    TreeWidgetProbe tree;
    EXPECT_EQ(tree.ButtonXOf(1), 5);
    EXPECT_EQ(tree.ButtonXOf(2), 23);
    tree.SetIndent(20);
    EXPECT_EQ(tree.ButtonXOf(1), 7);
}

TEST(TreePaintTest, TriangleButtonsPointRightOrDown)
{
    TreeWidgetProbe tree;
    setPaint(tree, {}, TLTPaintOption::toShowTreeLines);
    tree.SetButtonStyle(TLTButtonStyle::bsTriangle);
    PLazyNode node = tree.addNodes(1);
    tree.SetHasChildren(node, true);
    Painted p(tree);
    const TColor black = ColorToRGB(platform::clBlack);
    EXPECT_EQ(p.at(5 + 2, 4 + 4), black);
    EXPECT_EQ(p.at(5 + 3, 4 + 4), black);
    EXPECT_EQ(p.at(5 + 7, 4 + 4), window) << "a closed triangle is narrow";
}

// Two top-level rows: the first's line runs down from its middle and right,
// the last's from the top to its middle and right; dots alternate.
TEST(TreePaintTest, TreeLinesAreDottedSegmentsThroughTheIndent)
{
    TreeWidgetProbe tree;
    tree.addNodes(2);
    Painted p(tree);
    const int mid = 9; // half the indent
    const int v = 8;   // the row's centre minus one
    auto isLine = [&](int x, int y) { return p.at(x, y) == lines; };
    // Horizontal segment of the first row: every second pixel.
    for (int x = mid; x < 18; ++x)
        EXPECT_NE(isLine(x, v), isLine(x + 1, v)) << x;
    EXPECT_TRUE(isLine(mid, v) || isLine(mid + 1, v));
    // Nothing above the first row's middle; the second row's line comes
    // from its top.
    for (int y = 0; y < v - 1; ++y)
        EXPECT_FALSE(isLine(mid, y)) << y;
    EXPECT_TRUE(isLine(mid, 18) || isLine(mid, 19));
    // Below the last row's middle nothing.
    for (int y = 18 + v + 1; y < 36; ++y)
        EXPECT_FALSE(isLine(mid, y)) << y;
    EXPECT_EQ(p.at(17, 16), window);
}

TEST(TreePaintTest, SolidLinesHaveNoGaps)
{
    TreeWidgetProbe tree;
    tree.SetLineStyle(TLTLineStyle::lsSolid);
    tree.addNodes(2);
    Painted p(tree);
    for (int x = 9; x <= 18; ++x)
        EXPECT_EQ(p.at(x, 8), lines) << x;
    for (int y = 8; y < 36 - 10; ++y)
        EXPECT_EQ(p.at(9, y), lines) << y;
}

TEST(TreePaintTest, TheLineImageOfTopLevelRows)
{
    TreeWidgetProbe tree;
    tree.addNodes(3);
    TLineImage image;
    tree.ComputeLineImage(tree.GetFirst(), image);
    EXPECT_EQ(image, TLineImage{TLTLineType::ltBottomRight});
    tree.ComputeLineImage(tree.GetNext(tree.GetFirst()), image);
    EXPECT_EQ(image, TLineImage{TLTLineType::ltTopDownRight});
    tree.ComputeLineImage(tree.GetLast(), image);
    EXPECT_EQ(image, TLineImage{TLTLineType::ltTopRight});
    TreeWidgetProbe single;
    single.addNodes(1);
    single.ComputeLineImage(single.GetFirst(), image);
    EXPECT_EQ(image, TLineImage{TLTLineType::ltRight});
}

// The check box's image at x 21 (margin 4, minus 1, plus one indent) and
// y 1 (centred), as the check image list draws it.
class CheckBoxPaintTest : public ::testing::TestWithParam<TCheckState> {};

TEST_P(CheckBoxPaintTest, EachStateShowsItsImage)
{
    TreeWidgetProbe tree;
    setMisc(tree, TLTMiscOption::toCheckSupport);
    PLazyNode node = tree.addNodes(1);
    tree.SetCheckType(node, TCheckType::ctCheckBox);
    node->CheckState = GetParam();
    Painted p(tree);

    QImage expected(16, 16, QImage::Format_ARGB32_Premultiplied);
    {
        platform::TCanvas canvas(&expected);
        canvas.FillColor({0, 0, 16, 16}, platform::clWindow);
        tree.CheckImages()->DrawEx(canvas, 0, 0, tree.CheckImageIndex(node), platform::ILD_TRANSPARENT);
    }
    const QImage painted = p.image.copy(21, 1, 16, 16).convertToFormat(expected.format());
    EXPECT_EQ(painted, expected);
}

INSTANTIATE_TEST_SUITE_P(States, CheckBoxPaintTest,
                         ::testing::Values(TCheckState::csUncheckedNormal, TCheckState::csCheckedNormal,
                                           TCheckState::csMixedNormal, TCheckState::csUncheckedDisabled,
                                           TCheckState::csCheckedDisabled, TCheckState::csMixedPressed));

TEST(TreePaintTest, CheckStatesLookDifferent)
{
    TreeWidgetProbe tree;
    setMisc(tree, TLTMiscOption::toCheckSupport);
    PLazyNode node = tree.addNodes(1);
    tree.SetCheckType(node, TCheckType::ctCheckBox);
    std::vector<QImage> looks;
    for (TCheckState state : {TCheckState::csUncheckedNormal, TCheckState::csCheckedNormal, TCheckState::csMixedNormal}) {
        node->CheckState = state;
        looks.push_back(tree.paintToImage().copy(21, 1, 16, 16));
    }
    EXPECT_NE(looks[0], looks[1]);
    EXPECT_NE(looks[1], looks[2]);
    EXPECT_NE(looks[0], looks[2]);
}

// A solid image of the list at x 21, y 1; the text follows it.
TEST(TreePaintTest, NodeImagesStandBeforeTheText)
{
    TreeWidgetProbe tree;
    platform::TImageList images(16, 16);
    images.Add(solidPixmap(Qt::red));
    tree.SetImages(&images);
    tree.OnGetImageIndex = [](TreeSender, PLazyNode, TLTImageKind Kind, TColumnIndex, bool &, TImageIndex &Index) {
        if (Kind == TLTImageKind::ikNormal)
            Index = 0;
    };
    tree.addNodes(1);
    Painted p(tree);
    const TColor redColor = ColorToRGB(platform::clRed);
    EXPECT_EQ(p.at(21, 1), redColor);
    EXPECT_EQ(p.at(36, 16), redColor);
    EXPECT_NE(p.at(20, 1), redColor);
    EXPECT_NE(p.at(37, 8), redColor);
    EXPECT_NE(p.at(21, 17), redColor);
}

// "Node" in dark pixels after the indent: from x 22 + the text margin.
TEST(TreePaintTest, TheTextStandsAfterTheTextMarginInTheNodesColour)
{
    TreeWidgetProbe tree;
    tree.texts = {QStringLiteral("Node")};
    tree.addNodes(1);
    Painted p(tree);
    int first = -1;
    for (int x = 0; x < 120 && first < 0; ++x)
        for (int y = 0; y < 18; ++y)
            if (qGray(p.image.pixel(x, y)) < 128) {
                first = x;
                break;
            }
    EXPECT_GE(first, 22 + 4);
    EXPECT_LE(first, 22 + 4 + 2);
}

TEST(TreePaintTest, ASelectedNodeIsHighlightedBehindItsText)
{
    TreeWidgetProbe tree;
    setPaint(tree, TLTPaintOption::toPopupMode); // paints as focused
    PLazyNode node = tree.addNodes(1);
    tree.SetSelected(node, true);
    const int textRight = 22 + tree.MeasureNodeWidth(nullptr, node, NoColumn);
    Painted p(tree);
    const TColor highlight = ColorToRGB(platform::clHighlight);
    EXPECT_EQ(p.at(23, 2), highlight);
    EXPECT_EQ(p.at(textRight - 2, 15), highlight);
    EXPECT_EQ(p.at(textRight + 2, 9), window);
    EXPECT_EQ(p.at(21, 9), window);
}

TEST(TreePaintTest, AnUnfocusedSelectionTakesTheUnfocusedColour)
{
    TreeWidgetProbe tree;
    PLazyNode node = tree.addNodes(1);
    tree.SetSelected(node, true);
    Painted p(tree);
    EXPECT_EQ(p.at(24, 9), ColorToRGB(platform::clBtnFace));
}

TEST(TreePaintTest, ABlendedSelectionTintsTheRowByTheBlendFactor)
{
    TreeWidgetProbe tree;
    setPaint(tree, {TLTPaintOption::toPopupMode, TLTPaintOption::toUseBlendedSelection});
    tree.Colors().SetColor(TLTColors::FocusedSelectionColor, platform::clBlue);
    tree.SetSelectionBlendFactor(128);
    PLazyNode node = tree.addNodes(1);
    tree.SetSelected(node, true);
    tree.SetFocusedNode(nullptr);
    const QImage image = tree.paintToImage();
    // White tinted half way to blue: (255 * 128 + 255 * 128) >> 8 blue,
    // (0 * 128 + 255 * 128) >> 8 red and green.
    EXPECT_EQ(image.pixel(24, 1), qRgb(127, 127, 255));
    EXPECT_EQ(image.pixel(21, 1), qRgb(255, 255, 255));
}

TEST(TreePaintTest, FullRowSelectionFillsTheRow)
{
    TreeWidgetProbe tree;
    setPaint(tree, TLTPaintOption::toPopupMode);
    TLTSelectionOptions selection = tree.TreeOptions().SelectionOptions();
    selection.include(TLTSelectionOption::toFullRowSelect);
    tree.TreeOptions().SetSelectionOptions(selection);
    PLazyNode node = tree.addNodes(2);
    tree.SetSelected(node, true);
    Painted p(tree);
    const TColor highlight = ColorToRGB(platform::clHighlight);
    EXPECT_EQ(p.at(1, 20), highlight);
    EXPECT_EQ(p.at(tree.ClientWidth() - 2, 30), highlight);
    EXPECT_EQ(p.at(100, 10), window) << "the other row";
}

TEST(TreePaintTest, ACurveRadiusRoundsTheSelectionsCorners)
{
    TreeWidgetProbe tree;
    setPaint(tree, TLTPaintOption::toPopupMode);
    PLazyNode node = tree.addNodes(1);
    tree.SetSelected(node, true);
    tree.SetFocusedNode(nullptr);
    const TColor highlight = ColorToRGB(platform::clHighlight);
    EXPECT_EQ(Painted(tree).at(22, 0), highlight);
    tree.SetSelectionCurveRadius(8);
    Painted p(tree);
    EXPECT_EQ(p.at(22, 0), window);
    EXPECT_EQ(p.at(30, 9), highlight);
}

TEST(TreePaintTest, TheFocusedNodeHasADottedFocusRectangle)
{
    TreeWidgetProbe tree;
    setPaint(tree, TLTPaintOption::toPopupMode);
    PLazyNode node = tree.addNodes(1);
    const QImage before = tree.paintToImage();
    tree.SetFocusedNode(node);
    const QImage after = tree.paintToImage();
    int changed = 0;
    for (int x = 22; x < 40; ++x)
        changed += before.pixel(x, 0) != after.pixel(x, 0);
    EXPECT_GE(changed, 6);
    EXPECT_LE(changed, 12) << "dotted, not solid";
    setPaint(tree, TLTPaintOption::toHideFocusRect);
    EXPECT_EQ(tree.paintToImage(), before);
}

TEST(TreePaintTest, ATiledBackgroundPictureFollowsItsOffsets)
{
    TreeWidgetProbe tree;
    QImage picture(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            picture.setPixel(x, y, qRgb(40 * x, 60 * y, 7));
    tree.SetBackground(picture);
    tree.SetBackgroundOffset(0, 1);
    tree.SetBackgroundOffset(1, 2);
    setPaint(tree, TLTPaintOption::toShowBackground);
    tree.addNodes(1);
    const QImage image = tree.paintToImage();
    for (int y = 20; y < 40; y += 3)
        for (int x = 0; x < 30; x += 5)
            ASSERT_EQ(image.pixel(x, y), picture.pixel((x + 1) % 4, (y + 2) % 3)) << x << "," << y;
}

TEST(TreePaintTest, AnEmptyBackgroundPictureIsNoBackground)
{
    TreeWidgetProbe tree;
    tree.SetBackground(QImage(0, 5, QImage::Format_RGB32));
    setPaint(tree, TLTPaintOption::toShowBackground);
    tree.addNodes(1);
    Painted p(tree);
    EXPECT_EQ(p.at(50, 50), window);
}

TEST(TreePaintTest, HorizontalGridLinesCloseEachRow)
{
    TreeWidgetProbe tree;
    setPaint(tree, TLTPaintOption::toShowHorzGridLines, TLTPaintOption::toShowTreeLines);
    tree.Colors().SetColor(TLTColors::GridLineColor, platform::clRed);
    tree.addNodes(2);
    Painted p(tree);
    const TColor red = ColorToRGB(platform::clRed);
    EXPECT_TRUE(p.at(100, 17) == red || p.at(101, 17) == red);
    EXPECT_NE(p.at(100, 17) == red, p.at(101, 17) == red) << "dotted";
    EXPECT_NE(p.at(100, 16), red);
}

TEST(TreePaintTest, PaintEventsComeInTheirOrder)
{
    TreeWidgetProbe tree;
    std::vector<std::string> log;
    tree.OnBeforePaint = [&](TreeSender, auto) { log.push_back("BeforePaint"); };
    tree.OnBeforeItemPaint = [&](TreeSender, auto, PLazyNode, QRect, bool &) { log.push_back("BeforeItemPaint"); };
    tree.OnBeforeItemErase = [&](TreeSender, auto, PLazyNode, QRect, TColor &, TItemEraseAction &) {
        log.push_back("BeforeItemErase");
    };
    tree.OnAfterItemErase = [&](TreeSender, auto, PLazyNode, QRect) { log.push_back("AfterItemErase"); };
    tree.OnBeforeCellPaint = [&](TreeSender, auto, PLazyNode, TColumnIndex, TLTCellPaintMode, QRect, QRect &) {
        log.push_back("BeforeCellPaint");
    };
    tree.OnAfterCellPaint = [&](TreeSender, auto, PLazyNode, TColumnIndex, QRect) { log.push_back("AfterCellPaint"); };
    tree.OnAfterItemPaint = [&](TreeSender, auto, PLazyNode, QRect) { log.push_back("AfterItemPaint"); };
    tree.OnPaintBackground = [&](TreeSender, auto, QRect, bool &) { log.push_back("PaintBackground"); };
    tree.OnAfterPaint = [&](TreeSender, auto) { log.push_back("AfterPaint"); };
    tree.addNodes(1);
    tree.paintToImage();
    EXPECT_EQ(log, (std::vector<std::string>{"BeforePaint", "BeforeItemPaint", "BeforeItemErase", "AfterItemErase",
                                             "BeforeCellPaint", "AfterCellPaint", "AfterItemPaint", "PaintBackground",
                                             "AfterPaint"}));
}

TEST(TreePaintTest, CustomDrawnRowsSkipTheTreesOwnDrawing)
{
    TreeWidgetProbe tree;
    tree.addNodes(2);
    std::vector<unsigned> erased;
    tree.OnBeforeItemPaint = [](TreeSender, platform::TCanvas *Canvas, PLazyNode Node, QRect R, bool &CustomDraw) {
        if (Node->Index == 0) {
            CustomDraw = true;
            Canvas->FillColor({R.left(), R.top(), R.right() + 1, R.bottom() + 1}, platform::clLime);
        }
    };
    tree.OnBeforeItemErase = [&](TreeSender, auto, PLazyNode Node, QRect, TColor &, TItemEraseAction &) {
        erased.push_back(Node->Index);
    };
    Painted p(tree);
    EXPECT_EQ(erased, std::vector<unsigned>{1});
    EXPECT_EQ(p.at(100, 9), ColorToRGB(platform::clLime)) << "the custom row is still copied";
}

TEST(TreePaintTest, AnEraseColourFillsTheRow)
{
    TreeWidgetProbe tree;
    tree.addNodes(1);
    tree.OnBeforeItemErase = [](TreeSender, auto, PLazyNode, QRect, TColor &Color, TItemEraseAction &Action) {
        Color = platform::clAqua;
        Action = TItemEraseAction::eaColor;
    };
    Painted p(tree);
    EXPECT_EQ(p.at(150, 9), ColorToRGB(platform::clAqua));
    EXPECT_EQ(p.at(150, 30), window);
}

TEST(TreePaintTest, OnlyTheInvalidRowsArePaintedAgain)
{
    TreeWidgetProbe tree;
    tree.addNodes(4);
    std::vector<unsigned> painted;
    tree.OnBeforeItemPaint = [&](TreeSender, auto, PLazyNode Node, QRect, bool &) { painted.push_back(Node->Index); };
    tree.viewport()->repaint();
    EXPECT_EQ(painted, (std::vector<unsigned>{0, 1, 2, 3}));
    painted.clear();
    PLazyNode third = tree.GetNext(tree.GetNext(tree.GetFirst()));
    tree.InvalidateNode(third);
    tree.viewport()->repaint(platform::toQRect(tree.GetDisplayRect(third, NoColumn, false)));
    EXPECT_EQ(painted, std::vector<unsigned>{2});
}

TEST(TreePaintTest, AScrolledTreePaintsFromItsTopNode)
{
    TreeWidgetProbe tree;
    tree.texts = QStringList(30, QString());
    tree.addNodes(30);
    std::vector<unsigned> painted;
    tree.OnBeforeItemPaint = [&](TreeSender, auto, PLazyNode Node, QRect, bool &) { painted.push_back(Node->Index); };
    tree.SetOffsetY(-18 * 10 - 5);
    tree.paintToImage();
    ASSERT_FALSE(painted.empty());
    EXPECT_EQ(painted.front(), 10u);
    EXPECT_EQ(painted.back(), unsigned((tree.ClientHeight() + 18 * 10 + 5 - 1) / 18));
}

TEST(TreePaintTest, DropMarksAreDrawnAboveOrBelowTheTarget)
{
    TreeWidgetProbe tree;
    PLazyNode node = tree.addNodes(1);
    tree.SetDropTargetNode(node);
    tree.setLastDropMode(TDropMode::dmBelow);
    Painted p(tree);
    const TColor mark = ColorToRGB(platform::clHighlight);
    EXPECT_EQ(p.at(4, 16), mark);
    EXPECT_EQ(p.at(100, 16), mark);
    EXPECT_EQ(p.at(100, 5), window);
}

} // namespace
} // namespace vtreetest

namespace vtreetest {
namespace {

TEST(SharedImagesTest, EveryKindButCustomHasTwentyFiveCheckImages)
{
    for (TCheckImageKind kind : {TCheckImageKind::ckLightCheck, TCheckImageKind::ckDarkCheck, TCheckImageKind::ckLightTick,
                                 TCheckImageKind::ckDarkTick, TCheckImageKind::ckFlat, TCheckImageKind::ckXP,
                                 TCheckImageKind::ckSystemFlat, TCheckImageKind::ckSystemDefault}) {
        const platform::TImageList *list = CheckImagesOfKind(kind);
        ASSERT_NE(list, nullptr) << int(kind);
        EXPECT_EQ(list->Count(), 25) << int(kind);
        EXPECT_EQ(list->Width(), 16);
    }
    EXPECT_EQ(CheckImagesOfKind(TCheckImageKind::ckCustom), nullptr);
    EXPECT_EQ(UtilityImages().Count(), 9);
    EXPECT_FALSE(HeaderSplitCursor().pixmap().isNull());
    EXPECT_FALSE(VertSplitCursor().pixmap().isNull());
}

TEST(SharedImagesTest, ACustomKindWithoutItsListLeavesNoCheckImages)
{
    TreeWidgetProbe tree;
    tree.SetCheckImageKind(TCheckImageKind::ckCustom);
    EXPECT_EQ(tree.CheckImages(), nullptr);
    platform::TImageList custom(16, 16);
    tree.SetCustomCheckImages(&custom);
    EXPECT_EQ(tree.CheckImages(), &custom);
}

} // namespace
} // namespace vtreetest

namespace vtreetest {
namespace {

// Pages recorded as images of the page size.
class PagePrinter : public TTreePrinter {
public:
    explicit PagePrinter(QSize size) : m_size(size), m_page(size, QImage::Format_ARGB32_Premultiplied), m_canvas(&m_page) {}
    QSize PageSize() const override { return m_size; }
    platform::TCanvas &Canvas() override { return m_canvas; }
    void BeginDoc() override { open(); }
    void NewPage() override
    {
        close();
        open();
    }
    void EndDoc() override { close(); }

    std::vector<QImage> pages;

private:
    void open()
    {
        m_canvas.endPainting();
        m_page.fill(Qt::gray);
    }
    void close()
    {
        m_canvas.endPainting();
        pages.push_back(m_page.copy());
    }

    QSize m_size;
    QImage m_page;
    platform::TCanvas m_canvas;
};

TEST(TreePrintTest, PagesAcrossAreCountedWithTheCeiling)
{
    EXPECT_EQ(PagesToCover(200, 100), 2);
    EXPECT_EQ(PagesToCover(150, 100), 2);
    EXPECT_EQ(PagesToCover(201, 100), 3);
    EXPECT_EQ(PagesToCover(0, 100), 0);
    EXPECT_EQ(PagesToCover(10, 0), 0);
}

TEST(TreePrintTest, ATreeExactlyTwoPagesWidePrintsTwoPages)
{
    TreeWidgetProbe tree;
    tree.SetColor(platform::clYellow);
    tree.addNodes(2);
    ASSERT_EQ(tree.GetTreeRect().Width(), 200);
    ASSERT_EQ(tree.GetTreeRect().Height(), 100);
    PagePrinter printer({100, 101});
    tree.Print(&printer);
    ASSERT_EQ(printer.pages.size(), 2u);
    // On white, not in the tree's colour.
    EXPECT_EQ(printer.pages[0].pixel(90, 80), qRgb(255, 255, 255));
    EXPECT_EQ(tree.Color(), platform::clYellow);
    EXPECT_NE(printer.pages[0], printer.pages[1]) << "the second page holds the tree's right half";
    tree.Print(nullptr);
}

} // namespace
} // namespace vtreetest

namespace vtreetest {
namespace {

TEST(TreePaintTest, AnOverlayImageLiesOverTheNormalImage)
{
    TreeWidgetProbe tree;
    platform::TImageList images(16, 16);
    for (int i = 0; i < 15; ++i)
        images.Add(solidPixmap(Qt::blue));
    QPixmap mark(16, 16);
    mark.fill(Qt::transparent);
    {
        QPainter painter(&mark);
        painter.fillRect(0, 8, 8, 8, Qt::red);
    }
    images.Add(mark); // index 15: drawn as an image of its own
    tree.SetImages(&images);
    tree.OnGetImageIndex = [](TreeSender, PLazyNode, TLTImageKind Kind, TColumnIndex, bool &, TImageIndex &Index) {
        Index = Kind == TLTImageKind::ikOverlay ? 15 : 0;
    };
    tree.addNodes(1);
    const QImage image = tree.paintToImage();
    EXPECT_EQ(image.pixel(21 + 2, 1 + 12), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(21 + 12, 1 + 2), qRgb(0, 0, 255));
}

TEST(TreePaintTest, BandsMarkTheLevelsOfAnOpenParentInTheGridColour)
{
    TreeWidgetProbe tree;
    tree.SetLineMode(TLTLineMode::lmBands);
    tree.SetLineStyle(TLTLineStyle::lsSolid);
    setPaint(tree, TLTPaintOption::toShowHorzGridLines);
    tree.Colors().SetColor(TLTColors::GridLineColor, platform::clRed);
    PLazyNode parent = tree.addNodes(1);
    tree.AddChild(parent);
    tree.SetExpanded(parent, true);
    Painted p(tree);
    const TColor red = ColorToRGB(platform::clRed);
    // The open parent's band: its left edge down the whole row.
    for (int y = 0; y < 17; ++y)
        EXPECT_EQ(p.at(0, y), red) << y;
    // The grid line under a row starts after its indentation.
    EXPECT_EQ(p.at(25, 17), red);
    EXPECT_EQ(p.at(100, 17), red);
    EXPECT_NE(p.at(5, 17), red);
    // The closed child's bands close its levels at the bottom.
    for (int x = 0; x < 60; x += 3)
        EXPECT_EQ(p.at(x, 35), red) << x;
}

} // namespace
} // namespace vtreetest
