// A press that edits at once asks the owner before the current cell moves,
// and an open editor stays on its cell while the grid scrolls.
#include "KeyFixture.h"
#include "MouseEvents.h"

using namespace controls;
using viewtest::KeyGrid;

namespace {

struct GridDirectEdit : KeyGrid {
    std::vector<QString> events;
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        grid->MouseActions().DirectEdit = true;
        for (int r = 1; r < grid->RowCount(); ++r)
            grid->setCells(2, r, QStringLiteral("r%1").arg(r));
        at(1, 1);
        grid->OnRowChanging = [this](TExStringGrid *, int OldRow, int NewRow, bool &) {
            events.push_back(QStringLiteral("row %1>%2").arg(OldRow).arg(NewRow));
        };
        grid->OnColChanging = [this](TExStringGrid *, int OldCol, int NewCol, bool &) {
            events.push_back(QStringLiteral("col %1>%2").arg(OldCol).arg(NewCol));
        };
        grid->OnCellChanging = [this](TExStringGrid *, int, int, int NewRow, int NewCol, bool &) {
            events.push_back(QStringLiteral("cell %1,%2").arg(NewCol).arg(NewRow));
        };
    }
    QPoint mid(int col, int row) const { return viewtest::centre(grid->CellRect(col, row)); }
};

TEST_F(GridDirectEdit, APressAsksOnceAndOpensTheEditorOnThePressedCell)
{
    viewtest::click(*grid, mid(2, 4));
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("row 1>4"), QStringLiteral("col 1>2"),
                                            QStringLiteral("cell 2,4")}));
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Col(), 2);
    ASSERT_TRUE(editorOpen());
    EXPECT_EQ(editor()->text(), QStringLiteral("r4"));
}

TEST_F(GridDirectEdit, ARefusedMoveOpensNoEditor)
{
    grid->OnRowChanging = [this](TExStringGrid *, int, int NewRow, bool &Allow) {
        events.push_back(QStringLiteral("asked"));
        Allow = NewRow != 6;
    };
    viewtest::click(*grid, mid(2, 6));
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(std::count(events.begin(), events.end(), QStringLiteral("asked")), 1) << "asked once, not twice";
    viewtest::click(*grid, mid(2, 3));
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_TRUE(editorOpen());
}

TEST_F(GridDirectEdit, WithTheSelectionHiddenThePressStillMovesThroughTheEvents)
{
    grid->HideSelection();
    viewtest::click(*grid, mid(2, 5));
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_FALSE(events.empty());
    EXPECT_TRUE(editorOpen());
}

TEST_F(GridDirectEdit, AnOpenEditorOfLinesFollowsItsCellWhenTheGridScrolls)
{
    grid->MouseActions().DirectEdit = false;
    grid->Multilinecells = true;
    grid->setRowCount(60);
    grid->setCells(2, 3, QStringLiteral("one\r\ntwo"));
    at(2, 3);
    key(Qt::Key_F2);
    auto *memo = qobject_cast<QPlainTextEdit *>(QApplication::focusWidget());
    ASSERT_NE(memo, nullptr);
    const int before = memo->geometry().top();
    grid->setTopRow(2);
    EXPECT_EQ(memo->geometry().top(), grid->CellRect(2, 3).Top);
    EXPECT_LT(memo->geometry().top(), before);
    grid->setTopRow(20);
    EXPECT_FALSE(QRect(0, 0, grid->width(), grid->height()).intersects(memo->geometry())) << "out of view";
    EXPECT_TRUE(memo->isVisible()) << "but still open";
    grid->setTopRow(1);
    EXPECT_EQ(memo->geometry().top(), grid->CellRect(2, 3).Top);
    type(QStringLiteral("!"));
    key(Qt::Key_Escape);
    EXPECT_EQ(grid->Cells(2, 3), QStringLiteral("one\r\ntwo"));

    // The one-line editor does too.
    grid->Multilinecells = false;
    grid->setCells(2, 4, QStringLiteral("single"));
    at(2, 4);
    key(Qt::Key_F2);
    ASSERT_TRUE(editorOpen());
    grid->setTopRow(3);
    EXPECT_EQ(editor()->geometry().top(), grid->CellRect(2, 4).Top);
}

} // namespace
