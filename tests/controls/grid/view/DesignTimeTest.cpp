// The design state, which only tests set: the "Quick config" box, its
// areas and what a click on each does, the column numbers of the header.
#include "MouseEvents.h"
#include "ViewFixture.h"

#include "controls/grid/view/GridAppearance.h"

#include <QFontMetrics>
#include <QScrollBar>

using namespace controls;

namespace {

struct DesignTime : viewtest::ViewTest {
    int gh = 0;
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setLook(glStandard);
        platform::TCanvas &c = grid.Canvas();
        c.Font().setName(QStringLiteral("Tahoma"));
        c.Font().setSize(8);
        gh = c.TextHeight(QStringLiteral("gh"));
    }
    // A point inside the line of area n (1 to 3) of the box.
    QPoint lineOf(int n) const
    {
        const int B = 4 * gh + 18;
        return {grid.ClientWidth() - 140, grid.ClientHeight() - B + n * (gh + 2) + 4 + (gh + 2) / 2};
    }
    QPoint closeBox() const { return {grid.ClientWidth() - 8, grid.ClientHeight() - (4 * gh + 18) + 8}; }
    void click(QPoint p)
    {
        viewtest::sendMouse(grid, QEvent::MouseMove, Qt::NoButton, p);
        viewtest::sendMouse(grid, QEvent::MouseButtonPress, Qt::LeftButton, p);
        viewtest::sendMouse(grid, QEvent::MouseButtonRelease, Qt::LeftButton, p);
    }
};

TEST_F(DesignTime, TheBoxIsDrawnOnlyInTheDesignState)
{
    const QImage run = paint();
    grid.setDesigning(true);
    const QImage design = paint();
    const platform::TRect client = platform::Rect(0, 0, grid.ClientWidth(), grid.ClientHeight());
    const QRect changed = viewtest::differenceBox(run, design, platform::Rect(0, cell(0, 0).Bottom + 2, client.Right, client.Bottom));
    EXPECT_EQ(changed.right(), client.Right - 1);
    EXPECT_EQ(changed.bottom(), client.Bottom - 1);
    EXPECT_EQ(changed.left(), client.Right - 150);
    EXPECT_EQ(changed.top(), client.Bottom - 4 * gh - 18);
    grid.setShowDesignHelper(false);
    EXPECT_TRUE(viewtest::differenceBox(run, paint(), platform::Rect(0, cell(0, 0).Bottom + 2, client.Right, client.Bottom))
                    .isEmpty());
}

TEST_F(DesignTime, TheHeaderRowShowsRealColumnNumbers)
{
    const QImage run = paint();
    grid.setDesigning(true);
    const QImage design = paint();
    for (int col = 0; col < 3; ++col) {
        const platform::TRect r = cell(col, 0);
        const QRect changed = viewtest::differenceBox(run, design, r);
        ASSERT_FALSE(changed.isEmpty()) << col;
        EXPECT_GT(changed.left(), r.Left + (r.Right - r.Left) / 2) << "at the bottom right";
    }
}

TEST_F(DesignTime, AreasOfTheBox)
{
    grid.setDesigning(true);
    EXPECT_EQ(grid.DesignHelperArea(closeBox().x(), closeBox().y()), 4);
    EXPECT_EQ(grid.DesignHelperArea(lineOf(1).x(), lineOf(1).y()), 1);
    EXPECT_EQ(grid.DesignHelperArea(lineOf(2).x(), lineOf(2).y()), 2);
    EXPECT_EQ(grid.DesignHelperArea(lineOf(3).x(), lineOf(3).y()), 3);
    EXPECT_EQ(grid.DesignHelperArea(10, 10), -1);
    EXPECT_EQ(grid.DesignHelperArea(grid.ClientWidth() - 155, lineOf(1).y()), -1);
}

TEST_F(DesignTime, ClicksActOnTheGrid)
{
    grid.setDesigning(true);
    const bool editing = grid.Options().testFlag(goEditing);
    click(lineOf(1));
    EXPECT_NE(grid.Options().testFlag(goEditing), editing);
    EXPECT_TRUE(grid.ShowColNrs());
    click(lineOf(2));
    EXPECT_FALSE(grid.ShowColNrs());

    std::vector<int> ids;
    int checked = 0;
    grid.DesignMenuHook = [&](const std::vector<std::pair<int, QString>> &items, int c, QPoint) {
        for (const auto &item : items)
            ids.push_back(item.first);
        checked = c;
        return 4; // "Fenlo"
    };
    click(lineOf(3));
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4, 6, 9, 5, 7, 8}));
    EXPECT_EQ(checked, 1);
    EXPECT_EQ(grid.Look(), glFenlo);
    EXPECT_EQ(static_cast<int>(glFenlo), 3);
    click(lineOf(3));
    EXPECT_EQ(checked, 4) << "the current look is checked";
    EXPECT_EQ(grid.Look(), glFenlo);

    click(closeBox());
    EXPECT_FALSE(grid.ShowDesignHelper());
    EXPECT_EQ(grid.DesignHelperArea(closeBox().x(), closeBox().y()), 4);
    EXPECT_FALSE(grid.GridDesignHitTest(closeBox().x(), closeBox().y())) << "a closed box takes no clicks";
}

TEST_F(DesignTime, AtRunTimeTheCornerIsTheGrids)
{
    const bool editing = grid.Options().testFlag(goEditing);
    int menus = 0;
    grid.DesignMenuHook = [&](const auto &, int, QPoint) { return ++menus, 0; };
    click(lineOf(1));
    click(lineOf(3));
    EXPECT_EQ(grid.Options().testFlag(goEditing), editing);
    EXPECT_EQ(menus, 0);
    EXPECT_FALSE(grid.GridDesignHitTest(lineOf(1).x(), lineOf(1).y()));
}

} // namespace

namespace {

TEST(DesignTimeScrolling, ProportionalThumbsWaitForRunTime)
{
    TExStringGrid g;
    g.resize(400, 250);
    g.setRowCount(300);
    for (int r = 1; r <= 20; ++r)
        g.setRowHeights(r, 100);
    QScrollBar *v = nullptr;
    for (QScrollBar *b : g.findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly))
        if (b->orientation() == Qt::Vertical)
            v = b;
    ASSERT_NE(v, nullptr);
    g.setDesigning(true);
    const int rowsPage = v->pageStep();
    g.setScrollProportional(true);
    g.UpdateVertScrollProportion();
    EXPECT_EQ(v->pageStep(), rowsPage);
    g.setDesigning(false);
    g.UpdateVertScrollProportion();
    EXPECT_NE(v->pageStep(), rowsPage);
}

} // namespace
