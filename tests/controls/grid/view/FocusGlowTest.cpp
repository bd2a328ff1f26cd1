// The glow around the edited cell: its size and hole, that it follows the
// form, that there is one in the program, and that it goes with the edit.
#include "KeyFixture.h"

#include "controls/grid/base/paint/FocusWindow.h"

#include <QRegion>

using namespace controls;
using viewtest::KeyGrid;

namespace {

struct FocusGlow : KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        grid->setColWidths(1, 64);
        grid->setRowHeights(1, 20);
        grid->FocusHelper.Enabled = true;
        at(1, 1);
    }
    void settle()
    {
        testsupport::processEventsUntil([] { return false; }, std::chrono::milliseconds(50));
    }
};

TEST_F(FocusGlow, ASixtyFourByTwentyCellGivesASeventyThreeByTwentyNineGlowWithAHole)
{
    grid->ShowFocusWindow(platform::Rect(10, 10, 74, 30));
    TGridFocusWindow *glow = grid->FocusWindow();
    ASSERT_NE(glow, nullptr);
    EXPECT_TRUE(glow->isVisible());
    EXPECT_EQ(glow->size(), QSize(73, 29));
    EXPECT_EQ(glow->pos(), grid->mapToGlobal(QPoint(10, 10)) - QPoint(4, 4));
    const QRegion mask = glow->mask();
    EXPECT_FALSE(mask.contains(QPoint(4, 4)));
    EXPECT_FALSE(mask.contains(QPoint(67, 23)));
    EXPECT_TRUE(mask.contains(QPoint(3, 3)));
    EXPECT_TRUE(mask.contains(QPoint(68, 24)));
    EXPECT_EQ(QRegion(QRect(0, 0, 73, 29)).subtracted(mask), QRegion(QRect(4, 4, 64, 20)));
    EXPECT_EQ(glow->layeredOpacity(), 230);
    EXPECT_EQ(TExStringGrid::FocusWindowGrid(), grid);
}

TEST_F(FocusGlow, OpensWithTheEditorAndGoesWithIt)
{
    key(Qt::Key_F2);
    ASSERT_TRUE(editorOpen());
    ASSERT_NE(grid->FocusWindow(), nullptr);
    EXPECT_TRUE(grid->FocusWindow()->isVisible());
    key(Qt::Key_Return);
    EXPECT_FALSE(grid->FocusWindow()->isVisible());
    EXPECT_EQ(TExStringGrid::FocusWindowGrid(), nullptr);
}

TEST_F(FocusGlow, EscapeTakesTheGlowAway)
{
    key(Qt::Key_F2);
    ASSERT_TRUE(grid->FocusWindow()->isVisible());
    key(Qt::Key_Escape);
    EXPECT_FALSE(grid->FocusWindow()->isVisible());
}

TEST_F(FocusGlow, NoGlowWithoutTheHelper)
{
    grid->FocusHelper.Enabled = false;
    key(Qt::Key_F2);
    ASSERT_TRUE(editorOpen());
    EXPECT_TRUE(grid->FocusWindow() == nullptr || !grid->FocusWindow()->isVisible());
}

TEST_F(FocusGlow, FollowsTheFormWhenItMovesOrGrows)
{
    key(Qt::Key_F2);
    TGridFocusWindow *glow = grid->FocusWindow();
    ASSERT_TRUE(glow->isVisible());
    const QPoint offset = glow->pos() - grid->mapToGlobal(QPoint(0, 0));
    window.move(window.pos() + QPoint(37, 23));
    settle();
    EXPECT_EQ(glow->pos() - grid->mapToGlobal(QPoint(0, 0)), offset);
    const QImage before = glow->layeredImage();
    window.resize(window.width() + 20, window.height() + 10);
    settle();
    EXPECT_EQ(glow->pos() - grid->mapToGlobal(QPoint(0, 0)), offset);
    EXPECT_EQ(glow->layeredImage().cacheKey(), before.cacheKey()) << "a move never builds the glow again";
}

TEST_F(FocusGlow, OneGlowInTheProgram)
{
    auto *other = new TExStringGrid(&window);
    other->setGeometry(0, 0, 100, 100);
    other->FocusHelper.Enabled = true;
    grid->ShowFocusWindow(grid->CellRect(1, 1));
    other->ShowFocusWindow(other->CellRect(1, 1));
    EXPECT_FALSE(grid->FocusWindow()->isVisible());
    EXPECT_TRUE(other->FocusWindow()->isVisible());
    EXPECT_EQ(TExStringGrid::FocusWindowGrid(), other);
    delete other;
    EXPECT_EQ(TExStringGrid::FocusWindowGrid(), nullptr) << "a freed grid takes its glow along";
    window.move(window.pos() + QPoint(5, 5));
    settle();
}

TEST_F(FocusGlow, TheDesignStateShowsNoGlow)
{
    grid->setDesigning(true);
    grid->ShowFocusWindow(grid->CellRect(1, 1));
    EXPECT_TRUE(grid->FocusWindow() == nullptr || !grid->FocusWindow()->isVisible());
}

} // namespace
