// Moving on after Enter and Tab: where the current cell lands, what it
// appends, which events report it, and that a grid with nothing to enter
// ends the walk.
#include "KeyFixture.h"

using namespace controls;
using viewtest::KeyGrid;

namespace {

struct CellAdvance : KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        grid->Navigation().AdvanceOnEnter = true;
        grid->Navigation().AdvanceAutoEdit = false;
    }
    QPoint cell() const { return {grid->Col(), grid->Row()}; }
    bool enter() { return grid->AdvanceToNextCell(grid->Col(), grid->Row(), false, false, true, false, false); }
    int lastCol() const { return grid->ColCount() - 1; }
    int lastRow() const { return grid->RowCount() - 1; }
};

struct EnterCase {
    const char *name;
    TAdvanceDirection direction;
    bool loop;
    bool insert;
    QPoint from; // -1 stands for the last column or row
    QPoint expected;
    QSize size; // the grid's size after the advance
};

class EnterAdvance : public CellAdvance, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterAdvance, LandsOnItsCell)
{
    const EnterCase &c = GetParam();
    grid->Navigation().setAdvanceDirection(c.direction);
    grid->Navigation().AdvanceOnEnterLoop = c.loop;
    grid->Navigation().setAdvanceInsert(c.insert);
    int addedRow = -1;
    int addedCol = -1;
    grid->OnAutoAddRow = [&](TExStringGrid *, int ARow) { addedRow = ARow; };
    grid->OnAutoInsertCol = [&](TExStringGrid *, int ACol) { addedCol = ACol; };
    at(c.from.x() < 0 ? lastCol() : c.from.x(), c.from.y() < 0 ? lastRow() : c.from.y());
    enter();
    EXPECT_EQ(cell(), c.expected);
    EXPECT_EQ(QSize(grid->ColCount(), grid->RowCount()), c.size);
    EXPECT_EQ(addedRow, c.size.height() > 10 ? c.size.height() - 1 : -1);
    EXPECT_EQ(addedCol, c.size.width() > 5 ? c.size.width() - 1 : -1);
}

using enum TAdvanceDirection;
const EnterCase kEnterCases[] = {
    {"along the row", adLeftRight, true, false, {2, 3}, {3, 3}, {5, 10}},
    {"end of row 3 goes to row 4", adLeftRight, true, false, {-1, 3}, {1, 4}, {5, 10}},
    {"last data row wraps to the top", adLeftRight, true, false, {-1, -1}, {1, 1}, {5, 10}},
    {"last data row stays without loop", adLeftRight, false, false, {-1, -1}, {4, 9}, {5, 10}},
    {"last data row appends a row", adLeftRight, true, true, {-1, -1}, {1, 10}, {5, 11}},
    {"in the row wraps to its start", adLeftRightInRow, true, false, {-1, 3}, {1, 3}, {5, 10}},
    {"down the column", adTopBottom, true, false, {2, 3}, {2, 4}, {5, 10}},
    {"column end goes to the next column", adTopBottom, true, false, {2, -1}, {3, 1}, {5, 10}},
    {"last column appends a column", adTopBottom, true, true, {-1, -1}, {5, 1}, {6, 10}},
    {"last column without insert goes home", adTopBottom, true, false, {-1, -1}, {1, 1}, {5, 10}},
    {"in the column wraps to its top", adTopBottomInCol, true, false, {2, -1}, {2, 1}, {5, 10}},
};
INSTANTIATE_TEST_SUITE_P(Cases, EnterAdvance, testing::ValuesIn(kEnterCases),
                         [](const auto &info) {
                             std::string name = info.param.name;
                             for (char &ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST_F(CellAdvance, SkipsReadOnlyCellsAndReportsTheFirstStart)
{
    grid->setReadOnly(2, 2, true);
    grid->setReadOnly(3, 2, true);
    std::vector<QString> events;
    grid->OnAutoAdvance = [&](TExStringGrid *, int OldRow, int OldCol, int &NewRow, int &NewCol, bool &) {
        events.push_back(QStringLiteral("advance %1,%2 -> %3,%4").arg(OldCol).arg(OldRow).arg(NewCol).arg(NewRow));
    };
    at(1, 2);
    enter();
    EXPECT_EQ(cell(), QPoint(4, 2));
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("advance 1,2 -> 4,2")}));
}

TEST_F(CellAdvance, RefusedAdvanceStays)
{
    grid->OnAutoAdvance = [](TExStringGrid *, int, int, int &, int &, bool &Allow) { Allow = false; };
    at(2, 2);
    enter();
    EXPECT_EQ(cell(), QPoint(2, 2));
}

TEST_F(CellAdvance, NothingEditableEndsAfterOneRound)
{
    for (int c = 1; c < 5; ++c)
        for (int r = 1; r < 10; ++r)
            grid->setReadOnly(c, r, true);
    at(2, 2);
    enter(); // returns: before, it walked forever
    EXPECT_EQ(cell(), QPoint(2, 2));
}

TEST_F(CellAdvance, AppendedRowOfReadOnlyCellsStopsWithoutMoving)
{
    grid->Navigation().setAdvanceInsert(true);
    grid->OnCanEditCell = [](TExStringGrid *, int ARow, int, bool &CanEdit) { CanEdit = ARow < 10; };
    at(4, 9);
    enter();
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(cell(), QPoint(4, 9));
}

TEST_F(CellAdvance, EnterInTheEditorStoresAndMovesOn)
{
    at(2, 2);
    type(QStringLiteral("ab"));
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("ab"));
    EXPECT_EQ(cell(), QPoint(3, 2));
}

TEST_F(CellAdvance, EnterWithAutoEditOpensTheNextEditor)
{
    grid->Navigation().AdvanceAutoEdit = true;
    at(2, 2);
    type(QStringLiteral("ab"));
    key(Qt::Key_Return);
    EXPECT_EQ(cell(), QPoint(3, 2));
    EXPECT_TRUE(editorOpen());
    type(QStringLiteral("c"));
    key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(3, 2), QStringLiteral("c"));
}

TEST_F(CellAdvance, FullTextMovesOnWithAdvanceAuto)
{
    grid->Navigation().setAdvanceAuto(true);
    grid->Navigation().AdvanceAutoEdit = true;
    grid->MaxEditLength = 2;
    at(1, 1);
    type(QStringLiteral("12"));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("12"));
    EXPECT_EQ(cell(), QPoint(2, 1));
    type(QStringLiteral("34"));
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("34"));
    EXPECT_EQ(cell(), QPoint(3, 1));
}

TEST_F(CellAdvance, CaretWalksOutOfTheEditor)
{
    grid->Navigation().CursorWalkEditor = true;
    at(2, 2);
    type(QStringLiteral("x"));
    key(Qt::Key_Right);
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("x"));
    EXPECT_EQ(cell(), QPoint(3, 2));
    EXPECT_TRUE(editorOpen()) << "CursorWalkAlwaysEdit opens the editor there";
    key(Qt::Key_Home);
    key(Qt::Key_Left);
    EXPECT_EQ(cell(), QPoint(2, 2));
}

// --- Tab -----------------------------------------------------------------------------------

struct TabAdvance : CellAdvance {
    void SetUp() override
    {
        CellAdvance::SetUp();
        grid->setOptions(grid->Options() | goTabs);
    }
};

TEST_F(TabAdvance, StepsOverAMergedArea)
{
    grid->MergeCells(2, 3, 2, 1);
    at(2, 3);
    key(Qt::Key_Tab);
    EXPECT_EQ(cell(), QPoint(4, 3));
}

TEST_F(TabAdvance, WrapsToTheNextRow)
{
    at(4, 3);
    key(Qt::Key_Tab);
    EXPECT_EQ(cell(), QPoint(1, 4));
}

TEST_F(TabAdvance, LastCellHandsTheFocusOnWithTabToNextAtEnd)
{
    grid->Navigation().TabToNextAtEnd = true;
    int parentTabs = 0;
    struct TTabCounter : QObject {
        int &count;
        explicit TTabCounter(int &c) : count(c) {}
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Tab)
                ++count;
            return false;
        }
    } counter(parentTabs);
    window.installEventFilter(&counter);
    at(4, 9);
    EXPECT_FALSE(grid->AdvanceAfterEdit(false));
    EXPECT_EQ(cell(), QPoint(1, 1));
    drain();
    EXPECT_EQ(parentTabs, 1);
    window.removeEventFilter(&counter);
}

TEST_F(TabAdvance, ShiftTabRules)
{
    grid->setReadOnly(4, 5, true);
    at(1, 5);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(cell(), QPoint(3, 4)) << "row 4, at the last column navigable in row 5";
    at(1, 1);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(cell().y(), 9) << "the first data row goes to the last";
    at(3, 2);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(cell(), QPoint(2, 2));
}

TEST_F(TabAdvance, NothingNavigableEndsAndSetsNoColumnBeforeTheFirst)
{
    grid->setFixedCols(0);
    grid->OnSelectCell = [](TCellGrid *, int, int, bool &CanSelect) { CanSelect = false; };
    grid->OnCanEditCell = [](TExStringGrid *, int, int, bool &CanEdit) { CanEdit = false; };
    at(0, 3);
    EXPECT_TRUE(grid->AdvanceAfterEdit(true)); // returns: before, it walked forever
    EXPECT_GE(grid->Col(), 0);
    EXPECT_TRUE(grid->AdvanceAfterEdit(false));
    EXPECT_GE(grid->Col(), 0);
}

TEST_F(TabAdvance, RefusedRowChangeStays)
{
    grid->OnSelectCell = [](TCellGrid *, int ACol, int, bool &CanSelect) { CanSelect = ACol != 4; };
    at(3, 2);
    grid->OnRowChanging = [](TExStringGrid *, int, int, bool &Allow) { Allow = false; };
    grid->AdvanceAfterEdit(false);
    EXPECT_EQ(cell(), QPoint(3, 2));
}

} // namespace
