#include "TreeWidgetProbe.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>

#include <functional>
#include <memory>
#include <vector>

namespace vtreetest {
namespace {

using platform::ColorToRGB;
using platform::TColor;

const TColor window = ColorToRGB(platform::clWindow);
const TColor lines = ColorToRGB(platform::clBtnShadow);

// A probe that can put the tree into the states the mouse and the
// clipboard set.
class LooksProbe : public TreeWidgetProbe {
public:
    void setState(TLazyTreeState state, bool on)
    {
        if (on)
            enterTreeState(state);
        else
            leaveTreeState(state);
    }
};

struct Painted {
    explicit Painted(TLazyStringTreeWidget &tree) : image(tree.paintToImage()), canvas(&image) {}
    TColor at(int x, int y) const { return canvas.Pixel(x, y); }
    QImage image;
    platform::TCanvas canvas;
};

void setPaint(TLazyStringTreeWidget &tree, TLTPaintOptions add, TLTPaintOptions remove = {})
{
    tree.TreeOptions().SetPaintOptions((tree.TreeOptions().PaintOptions() + add) - remove);
}

QPixmap solid(Qt::GlobalColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return pixmap;
}

TEST(TreeLooksPaintTest, PreparedButtonImagesShowHotAndSelectedHotUnderTheMouse)
{
    LooksProbe tree;
    setPaint(tree, {}, TLTPaintOption::toShowTreeLines);
    PLazyNode node = tree.addNodes(1);
    tree.SetHasChildren(node, true);
    QSize offered;
    bool offeredCleared = false;
    tree.OnPrepareButtonBitmaps = [&](TreeSender, QImage *Plus, QImage *HotPlus, QImage *SelectedHotPlus, QImage *,
                                      QImage *, QImage *, QSize &Size) {
        offered = Size;
        offeredCleared = qAlpha(Plus->pixel(4, 4)) == 0;
        Plus->fill(Qt::red);
        HotPlus->fill(Qt::green);
        SelectedHotPlus->fill(Qt::blue);
        Size = QSize(11, 11);
    };
    tree.BuildButtonBitmaps(true, false);
    EXPECT_EQ(offered, QSize(9, 9));
    EXPECT_TRUE(offeredCleared);
    EXPECT_EQ(tree.ButtonBitmaps().Plus.size(), QSize(11, 11)) << "the handler's size holds";
    struct Case {
        bool hot;
        bool buttonHit;
        bool selected;
        Qt::GlobalColor face;
    };
    for (const Case c : {Case{false, false, false, Qt::red}, Case{true, false, false, Qt::red},
                         Case{true, true, false, Qt::green}, Case{true, true, true, Qt::blue},
                         Case{false, true, true, Qt::red}}) {
        tree.SetHotNode(c.hot ? node : nullptr, c.buttonHit);
        tree.SetSelected(node, c.selected);
        Painted p(tree);
        const QColor face(c.face);
        EXPECT_EQ(p.at(9, 8), platform::RGB(face.red(), face.green(), face.blue())) << c.hot << c.buttonHit << c.selected;
    }
}

TEST(TreeLooksPaintTest, ButtonsTakeTheColoursSetWhileLoadingWhenLoadingEnds)
{
    LooksProbe tree;
    setPaint(tree, {}, TLTPaintOption::toShowTreeLines);
    PLazyNode node = tree.addNodes(1);
    tree.SetHasChildren(node, true);
    tree.BeginLoading();
    tree.SetColor(platform::clYellow);
    EXPECT_EQ(tree.ButtonBitmaps().Plus.pixel(1, 1), QColor(Qt::white).rgb()) << "not while loading";
    tree.Loaded();
    EXPECT_EQ(Painted(tree).at(6, 5), ColorToRGB(platform::clYellow)) << "inside the button";
}

TEST(TreeLooksPaintTest, TheHotButtonBelongsToTheHotNode)
{
    LooksProbe tree;
    PLazyNode node = tree.addNodes(2);
    tree.SetHotNode(node, false);
    EXPECT_EQ(tree.HotNode(), node);
    tree.SetHotNode(node, false);
    tree.SetHotNode(node, true);
    EXPECT_TRUE(tree.HotNodeButtonHit());
    tree.SetHotNode(nullptr, true);
    EXPECT_FALSE(tree.HotNodeButtonHit()) << "no node, no button";
    EXPECT_EQ(tree.HotNode(), nullptr);
}

TEST(TreeLooksPaintTest, TheRubberBandCrossesRowsAndTheSpaceBelowWhileTheMouseSelects)
{
    struct Case {
        TLTDrawSelectionMode mode;
        bool selecting;
    };
    for (const Case c : {Case{TLTDrawSelectionMode::smDottedRectangle, true},
                         Case{TLTDrawSelectionMode::smBlendedRectangle, true},
                         Case{TLTDrawSelectionMode::smBlendedRectangle, false}}) {
        LooksProbe tree;
        tree.addNodes(2);
        tree.SetDrawSelectionMode(c.mode);
        tree.setState(TLazyTreeState::tsDrawSelecting, c.selecting);
        tree.setState(TLazyTreeState::tsLeftButtonDown, c.selecting);
        // Corners as the mouse gave them: from bottom right to top left.
        tree.SetNewSelRect({150, 60, 70, 5});
        Painted p(tree);
        int edge = 0;
        for (int x = 70; x < 150; ++x)
            edge += (p.at(x, 5) != window) + (p.at(x, 59) != window);
        const TColor inRow = p.at(100, 20);
        const TColor below = p.at(100, 50);
        if (!c.selecting) {
            EXPECT_EQ(edge, 0);
            EXPECT_EQ(inRow, window);
            continue;
        }
        EXPECT_GT(edge, 70) << "top edge in a row, bottom edge below the rows";
        EXPECT_EQ(p.at(100, 80), window) << "outside the band";
        if (c.mode == TLTDrawSelectionMode::smDottedRectangle) {
            EXPECT_EQ(inRow, window);
            EXPECT_EQ(below, window);
        } else {
            EXPECT_NE(inRow, window) << "tinted";
            EXPECT_EQ(inRow, below) << "alike in rows and below them";
            EXPECT_EQ(p.at(70, 20), ColorToRGB(tree.Colors().GetColor(TLTColors::SelectionRectangleBorderColor)));
        }
    }
}

TEST(TreeLooksPaintTest, ARightToLeftTreeMirrorsButtonImageAndText)
{
    const std::function<void(TLazyStringTreeWidget &)> ways[] = {
        [](TLazyStringTreeWidget &tree) { tree.SetBiDiMode(TBiDiMode::bdRightToLeft); },
        [](TLazyStringTreeWidget &tree) { tree.setLayoutDirection(Qt::RightToLeft); },
    };
    for (const auto &turn : ways) {
        LooksProbe tree;
        platform::TImageList images;
        images.Add(solid(Qt::red));
        tree.SetImages(&images);
        tree.OnGetImageIndex = [](TreeSender, PLazyNode, TLTImageKind Kind, TColumnIndex, bool &, TImageIndex &Index) {
            if (Kind == TLTImageKind::ikNormal)
                Index = 0;
        };
        setPaint(tree, {}, TLTPaintOption::toShowTreeLines);
        tree.texts = QStringList{QStringLiteral("Meter")};
        PLazyNode node = tree.addNodes(1);
        tree.SetHasChildren(node, true);
        turn(tree);
        EXPECT_EQ(tree.BiDiMode(), TBiDiMode::bdRightToLeft);
        EXPECT_EQ(tree.layoutDirection(), Qt::RightToLeft);
        const int right = tree.ClientWidth();
        Painted p(tree);
        // The button's frame ButtonX from the right edge.
        EXPECT_EQ(p.at(right - 5 - 9, 8), lines);
        EXPECT_EQ(p.at(right - 5 - 1, 8), lines);
        EXPECT_EQ(p.at(5, 8), window);
        // The image: the margin and one level of indentation from the right.
        const TColor red = ColorToRGB(platform::clRed);
        EXPECT_EQ(p.at(right - 4 - 18 - 16, 8), red);
        EXPECT_EQ(p.at(right - 4 - 18 - 1, 8), red);
        EXPECT_NE(p.at(right - 4 - 18, 8), red);
        // The text stands right-aligned left of the image.
        int leftInk = 0, nearInk = 0;
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 60; ++x)
                leftInk += qGray(p.image.pixel(x, y)) < 128;
            for (int x = right - 100; x < right - 40; ++x)
                nearInk += qGray(p.image.pixel(x, y)) < 128;
        }
        EXPECT_EQ(leftInk, 0);
        EXPECT_GT(nearInk, 0);
    }
}

TEST(TreeLooksPaintTest, RightToLeftColumnsLieAgainstTheRightEdge)
{
    LooksProbe tree;
    tree.resize(200, 100);
    for (int width : {60, 60}) {
        TLazyTreeColumn &column = tree.Header()->Columns().Add();
        column.SetWidth(width);
        column.SetOptions(column.Options() - TLTColumnOption::coParentColor);
        column.SetColor(platform::clYellow);
    }
    tree.addNodes(1);
    tree.SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(tree.RightToLeftShift(true), tree.ClientWidth() - 120);
    Painted p(tree);
    const TColor yellow = ColorToRGB(platform::clYellow);
    EXPECT_EQ(p.at(tree.ClientWidth() - 1, 5), yellow);
    EXPECT_EQ(p.at(tree.ClientWidth() - 119, 5), yellow);
    EXPECT_EQ(p.at(tree.ClientWidth() - 121, 5), window);
    EXPECT_EQ(p.at(5, 5), window);
}

TEST(TreeLooksPaintTest, AutoBidiOrderingReversesTheColumnsWithTheReadingDirection)
{
    LooksProbe tree;
    TLazyTreeColumns &columns = tree.Header()->Columns();
    for (int i = 0; i < 3; ++i)
        columns.Add().SetWidth(50);
    auto order = [&] {
        return std::vector<int>{int(columns[0].Position()), int(columns[1].Position()), int(columns[2].Position())};
    };
    tree.SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(order(), (std::vector<int>{0, 1, 2})) << "only with the option";
    tree.SetBiDiMode(TBiDiMode::bdLeftToRight);
    tree.TreeOptions().SetAutoOptions(tree.TreeOptions().AutoOptions() + TLTAutoOption::toAutoBidiColumnOrdering);
    tree.SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(order(), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(columns[2].Left(), 0);
    tree.SetBiDiMode(TBiDiMode::bdLeftToRight);
    EXPECT_EQ(order(), (std::vector<int>{0, 1, 2}));
}

TEST(TreeLooksPaintTest, EmptyRightToLeftCellsHaveNoGridLine)
{
    LooksProbe tree;
    tree.resize(300, 100);
    for (int width : {80, 80, 80})
        tree.Header()->Columns().Add().SetWidth(width);
    setPaint(tree, TLTPaintOption::toShowVertGridLines);
    tree.OnGetText = [](TreeSender, PLazyNode, TColumnIndex Column, TLSTTextType, QString &Text) {
        Text = Column == 1 ? QString() : QStringLiteral("x");
    };
    tree.addNodes(1);
    const TColor grid = ColorToRGB(tree.Colors().GetColor(TLTColors::GridLineColor));
    auto dotsAt = [&](int x) {
        Painted p(tree);
        int dots = 0;
        for (int y = 0; y < 18; ++y)
            dots += p.at(x, y) == grid;
        return dots;
    };
    EXPECT_GT(dotsAt(159), 4);
    tree.Header()->Columns()[1].SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(dotsAt(159), 0) << "the empty right-to-left cell";
    EXPECT_GT(dotsAt(79), 4) << "its left-to-right neighbour keeps its line";
}

TEST(TreeLooksPaintTest, GhostedSelectedAndCutImagesAreDrawnHalfBlended)
{
    struct Case {
        const char *name;
        bool ghosted;
        bool selected;
        bool cut;
        bool blended;
    };
    for (const Case c : {Case{"plain", false, false, false, false}, Case{"ghosted", true, false, false, true},
                         Case{"selected", false, true, false, true}, Case{"cut", false, false, true, true}}) {
        LooksProbe tree;
        platform::TImageList images;
        images.Add(solid(Qt::red));
        tree.SetImages(&images);
        setPaint(tree, {TLTPaintOption::toUseBlendedImages, TLTPaintOption::toGhostedIfUnfocused});
        tree.OnGetImageIndex = [&c](TreeSender, PLazyNode, TLTImageKind Kind, TColumnIndex, bool &Ghosted,
                                    TImageIndex &Index) {
            if (Kind == TLTImageKind::ikOverlay)
                return;
            Index = 0;
            Ghosted = c.ghosted;
        };
        PLazyNode node = tree.addNodes(1);
        tree.SetSelected(node, c.selected);
        if (c.cut) {
            node->States.include(TLazyNodeState::vsCutOrCopy);
            tree.setState(TLazyTreeState::tsCutPending, true);
        }
        Painted p(tree);
        EXPECT_EQ(p.at(28, 9) != ColorToRGB(platform::clRed), c.blended) << c.name;
    }
}

TEST(TreeLooksPaintTest, WithSelectedOnlyTheOtherRowsAreNeitherErasedNorCopied)
{
    LooksProbe tree;
    PLazyNode first = tree.addNodes(1);
    tree.AddChild(first);
    tree.SetExpanded(first, true);
    tree.addNodes(1);
    tree.SetSelected(first, true);
    QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    {
        platform::TCanvas canvas(&image);
        tree.PaintTree(canvas, QRect(0, 0, 200, 54), {0, 0},
                       {TLTInternalPaintOption::poSelectedOnly, TLTInternalPaintOption::poDrawSelection});
    }
    const QRgb magenta = QColor(Qt::magenta).rgb();
    EXPECT_NE(image.pixel(150, 9), magenta) << "the selected node";
    EXPECT_NE(image.pixel(150, 27), magenta) << "its child";
    EXPECT_EQ(image.pixel(150, 45), magenta) << "an unselected node";
}

TEST(TreeLooksPaintTest, UnbufferedRowsLookLikeBufferedOnes)
{
    LooksProbe tree;
    setPaint(tree, {TLTPaintOption::toShowHorzGridLines, TLTPaintOption::toPopupMode});
    PLazyNode first = tree.addNodes(1);
    tree.AddChild(first);
    tree.SetExpanded(first, true);
    tree.addNodes(2);
    tree.SetSelected(first, true);
    auto paint = [&](TLTInternalPaintOptions options) {
        QImage image(220, 90, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::magenta);
        platform::TCanvas canvas(&image);
        // A window that starts inside the first row, drawn away from the corner.
        tree.PaintTree(canvas, QRect(3, 7, 180, 70), {20, 10}, options);
        canvas.endPainting();
        return image;
    };
    const QImage buffered = paint(DefaultPaintOptions);
    const QImage unbuffered = paint(DefaultPaintOptions + TLTInternalPaintOption::poUnbuffered);
    EXPECT_EQ(buffered.pixel(10, 5), QColor(Qt::magenta).rgb()) << "outside the target";
    EXPECT_NE(buffered.pixel(100, 20), QColor(Qt::magenta).rgb());
    int differing = 0;
    for (int y = 0; y < buffered.height(); ++y)
        for (int x = 0; x < buffered.width(); ++x)
            differing += buffered.pixel(x, y) != unbuffered.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST(TreeLooksPaintTest, WindowChangesRepaintTheTree)
{
    const std::function<void(LooksProbe &)> changes[] = {
        [](LooksProbe &tree) { tree.setEnabled(false); },
        [](LooksProbe &tree) {
            QPalette palette = tree.palette();
            palette.setColor(QPalette::Base, Qt::darkBlue);
            tree.setPalette(palette);
        },
        [](LooksProbe &tree) { tree.setLayoutDirection(Qt::RightToLeft); },
        [](LooksProbe &tree) {
            QEvent styleChange(QEvent::StyleChange);
            QApplication::sendEvent(&tree, &styleChange);
        },
    };
    for (const auto &change : changes) {
        LooksProbe tree;
        tree.addNodes(1);
        tree.repaints = 0;
        change(tree);
        EXPECT_GT(tree.repaints, 0);
    }
}

TEST(TreeLooksPaintTest, ImageListsTellTheTreeOfChangesAndOfTheirEnd)
{
    LooksProbe tree;
    tree.addNodes(1);
    auto images = std::make_unique<platform::TImageList>();
    auto checks = std::make_unique<platform::TImageList>();
    tree.SetImages(images.get());
    tree.SetCustomCheckImages(checks.get());
    tree.SetCheckImageKind(TCheckImageKind::ckCustom);
    tree.repaints = 0;
    images->Add(solid(Qt::red));
    EXPECT_EQ(tree.repaints, 1);
    images.reset();
    EXPECT_EQ(tree.Images(), nullptr);
    checks.reset();
    EXPECT_EQ(tree.CustomCheckImages(), nullptr);
    EXPECT_EQ(tree.CheckImageKind(), TCheckImageKind::ckSystemDefault);
    tree.paintToImage();
    // A list no longer shown is no longer heard.
    platform::TImageList other;
    tree.SetStateImages(&other);
    tree.SetStateImages(nullptr);
    tree.repaints = 0;
    other.Add(solid(Qt::red));
    EXPECT_EQ(tree.repaints, 0);
}

TEST(TreeLooksPaintTest, APrintedClientAreaHasNoColumnColours)
{
    LooksProbe tree;
    TLazyTreeColumn &column = tree.Header()->Columns().Add();
    column.SetWidth(100);
    column.SetOptions(column.Options() - TLTColumnOption::coParentColor);
    column.SetColor(platform::clYellow);
    tree.addNodes(1);
    const TColor yellow = ColorToRGB(platform::clYellow);
    EXPECT_EQ(Painted(tree).at(60, 5), yellow);
    QImage image(tree.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    platform::TCanvas canvas(&image);
    tree.PrintClient(canvas);
    EXPECT_EQ(canvas.Pixel(60, 5), window);
}

TEST(TreeLooksPaintTest, TheWindowFrameIsQtsFrame)
{
    LooksProbe tree;
    EXPECT_EQ(tree.WindowFrameSize(), QPoint(0, 0));
    tree.SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_LT(tree.WindowFrameSize().x(), 0);
    EXPECT_EQ(tree.WindowFrameSize().x(), tree.WindowFrameSize().y());
}

} // namespace
} // namespace vtreetest
