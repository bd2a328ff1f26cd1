// The filter drop-downs of a header row, driven by real mouse events: the
// list opens inside the grid at the button, a choice filters and closes
// it, the check list ticks the column's conditions and stays open, the
// clear entry lifts the column's condition; the column grid's own entries.
#include "KeyFixture.h"
#include "MouseEvents.h"
#include "ViewFixture.h"

#include "controls/grid/model/ExCGrid.h"
#include "controls/grid/view/HeaderClickState.h"

#include <QFocusEvent>
#include <QListWidget>

namespace {

using namespace controls;
using namespace viewtest;

QPoint filterButton(TExStringGrid &grid, int col)
{
    return {grid.CellRect(col, 0).Right - 8, grid.CellRect(col, 0).Top + 5};
}

QListWidget *openList(TExStringGrid &grid) { return qobject_cast<QListWidget *>(grid.FilterDropDownList()); }

QStringList names(const QListWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

void choose(QListWidget &list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

// Column 1 holds a b a c, column 2 the row numbers.
struct FilterDropDownTest : KeyGrid {
    void SetUp() override
    {
        KeyGrid::SetUp();
        grid->setColCount(3);
        grid->setRowCount(5);
        const QStringList texts{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")};
        for (int r = 1; r < 5; ++r) {
            grid->setCells(1, r, texts[r - 1]);
            grid->setCells(2, r, QString::number(r));
        }
        grid->FilterDropDownAuto = true;
    }
    QString shown(int col)
    {
        QString s;
        for (int r = 1; r < grid->RowCount(); ++r)
            s += grid->Cells(col, r);
        return s;
    }
};

TEST_F(FilterDropDownTest, TheListOpensInsideTheGridAtTheButton)
{
    click(*grid, filterButton(*grid, 1));
    QListWidget *list = openList(*grid);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->parentWidget(), grid);
    EXPECT_EQ(names(*list), (QStringList{QStringLiteral("(All)"), QStringLiteral("a"), QStringLiteral("b"),
                                         QStringLiteral("c")}));
    const TRect r = grid->CellRect(1, 0);
    EXPECT_EQ(list->geometry(), QRect(r.Right - 16, r.Top + 16, 150, 150));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(grid->FilterDropDownColumn(), 1);
    // A release elsewhere closes it.
    click(*grid, centre(grid->CellRect(2, 2)));
    EXPECT_EQ(grid->FilterDropDownList(), nullptr);
    EXPECT_EQ(grid->FilterDropDownColumn(), -1);
}

TEST_F(FilterDropDownTest, ReleasesBesideTheButtonOpenNothing)
{
    const TRect r = grid->CellRect(1, 0);
    const QPoint beside[] = {QPoint(r.Right - 17, r.Top + 5), QPoint(r.Right - 2, r.Top + 5),
                             centre(grid->CellRect(1, 2))};
    for (const QPoint p : beside) {
        click(*grid, p);
        EXPECT_EQ(grid->FilterDropDownList(), nullptr) << p.x() << "," << p.y();
    }
    grid->FilterDropDownAuto = false; // no entries: no button
    click(*grid, filterButton(*grid, 1));
    EXPECT_EQ(grid->FilterDropDownList(), nullptr);
}

TEST_F(FilterDropDownTest, TheButtonsMayStandInAnotherFixedRow)
{
    grid->setFilterDropDownRow(1);
    EXPECT_EQ(grid->FilterDropDownRow(), 0) << "row 1 is no fixed row";
    grid->setRowCount(6);
    grid->setFixedRows(2);
    grid->setFilterDropDownRow(1);
    ASSERT_EQ(grid->FilterDropDownRow(), 1);
    click(*grid, filterButton(*grid, 1));
    EXPECT_EQ(grid->FilterDropDownList(), nullptr) << "row 0 has no button now";
    const TRect r = grid->CellRect(1, 1);
    click(*grid, QPoint(r.Right - 8, r.Top + 5));
    ASSERT_NE(openList(*grid), nullptr);
    EXPECT_EQ(openList(*grid)->geometry().top(), r.Top + 16);
}

TEST_F(FilterDropDownTest, NearTheRightEdgeTheListShiftsLeftAndNeverPastZero)
{
    grid->setColWidths(2, 300);
    click(*grid, filterButton(*grid, 2));
    QListWidget *list = openList(*grid);
    ASSERT_NE(list, nullptr);
    const int right = grid->CellRect(2, 0).Right;
    ASSERT_GT(right - 16 + 150, grid->ClientWidth());
    EXPECT_EQ(list->geometry().left(), right - 150);
    click(*grid, centre(grid->CellRect(1, 2)));

    grid->FilterDropDown().Width = 2000;
    click(*grid, filterButton(*grid, 2));
    ASSERT_NE(openList(*grid), nullptr);
    EXPECT_EQ(openList(*grid)->geometry().left(), 0);
}

TEST_F(FilterDropDownTest, AChoiceFiltersTheRowsAndClosesTheList)
{
    int done = 0;
    grid->OnFilterDone = [&](QObject *) { ++done; };
    click(*grid, filterButton(*grid, 1));
    choose(*openList(*grid), 1); // a
    EXPECT_EQ(shown(1), QStringLiteral("aa"));
    EXPECT_EQ(grid->FilterDropDownList(), nullptr);
    EXPECT_EQ(grid->FilterDropDownColumn(), -1);
    EXPECT_EQ(done, 1);
    // The clear entry lifts the column's condition.
    click(*grid, filterButton(*grid, 1));
    ASSERT_NE(openList(*grid), nullptr);
    choose(*openList(*grid), 0);
    EXPECT_EQ(shown(1), QStringLiteral("abac"));
    EXPECT_TRUE(grid->Filter().empty());
}

TEST_F(FilterDropDownTest, WithoutAutoFilterUpdateAChoiceOnlyChangesTheFilter)
{
    grid->AutoFilterUpdate = false;
    click(*grid, filterButton(*grid, 1));
    choose(*openList(*grid), 3); // c
    EXPECT_EQ(shown(1), QStringLiteral("abac"));
    ASSERT_EQ(grid->Filter().size(), 1u);
    EXPECT_EQ(grid->Filter()[0].Condition, QStringLiteral("c"));
    grid->setFilterActive(true);
    EXPECT_EQ(shown(1), QStringLiteral("c"));
}

TEST_F(FilterDropDownTest, TheCheckListTicksTheConditionsAndStaysOpen)
{
    grid->FilterDropDownCheck = true;
    TFilterData a;
    a.Column = 1;
    a.Condition = QStringLiteral("a");
    grid->Filter().push_back(a);
    click(*grid, filterButton(*grid, 1));
    QListWidget *list = openList(*grid);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(2)->checkState(), Qt::Unchecked);
    list->item(3)->setCheckState(Qt::Checked); // c
    EXPECT_EQ(shown(1), QStringLiteral("aac"));
    EXPECT_EQ(grid->FilterDropDownList(), list);
    ASSERT_EQ(grid->Filter().size(), 2u);
    EXPECT_EQ(grid->Filter()[1].Operation, foOR);
    // Losing the focus hides it.
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(list, &out);
    EXPECT_EQ(grid->FilterDropDownList(), nullptr);
}

TEST_F(FilterDropDownTest, AnAutoSizedListFitsItsEntries)
{
    grid->FilterDropDown().AutoSize = true;
    click(*grid, filterButton(*grid, 1));
    QListWidget *list = openList(*grid);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->height(), 4 * list->sizeHintForRow(0) + 4);
    EXPECT_LT(list->width(), 150);
}

TEST_F(FilterDropDownTest, TheFilterRowShowsTheFunnelOnlyWhereAColumnFilters)
{
    grid->OnGetColumnFilter = [](TExStringGrid *, int col, QStringList &f) {
        if (col != 1)
            f.clear();
    };
    const QImage image = grid->paintToImage();
    const TRect r1 = grid->CellRect(1, 0);
    const TRect r2 = grid->CellRect(2, 0);
    const TRect button1 = platform::Rect(r1.Right - 16, r1.Top, r1.Right, r1.Top + 16);
    const TRect button2 = platform::Rect(r2.Right - 16, r2.Top, r2.Right, r2.Top + 16);
    EXPECT_FALSE(darkBox(image, button1).isEmpty());
    EXPECT_TRUE(darkBox(image, button2).isEmpty());
}

// --- the column grid -------------------------------------------------------------------

struct ColumnFilterTest : testing::Test {
    QWidget window;
    TExColumnGrid *grid = new TExColumnGrid(&window);
    void SetUp() override
    {
        window.resize(500, 300);
        grid->setGeometry(0, 0, 500, 300);
        grid->setScrollBars(ssNone);
        grid->Columns().Add();
        grid->Columns().Add();
        grid->Columns().Add();
        grid->setRowCount(5);
        for (int r = 1; r < 5; ++r) {
            grid->setCells(1, r, QString::number(r * 4));
            grid->setCells(2, r, r % 2 ? QStringLiteral("odd") : QStringLiteral("even"));
        }
        grid->Columns()[1]->Filter = QStringList{QStringLiteral("Small=<10"), QStringLiteral("Large=>=10")};
        grid->Columns()[1]->setHeader(QStringLiteral("Value"));
        window.show();
    }
};

TEST_F(ColumnFilterTest, AnItemsEntriesShowByNameAndAChoiceMayNameTheColumn)
{
    grid->AutoFilterDisplay = true;
    click(*grid, filterButton(*grid, 1));
    QListWidget *list = openList(*grid);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(names(*list), (QStringList{QStringLiteral("Small"), QStringLiteral("Large")}));
    choose(*list, 1);
    ASSERT_EQ(grid->Filter().size(), 1u);
    EXPECT_EQ(grid->Filter()[0].Condition, QStringLiteral(">=10"));
    EXPECT_EQ(grid->Columns()[1]->Header(), QStringLiteral("Large"));
    EXPECT_EQ(grid->Cells(1, 0), QStringLiteral("Large"));
    EXPECT_EQ(grid->RowCount(), 1 + 2) << "12 and 16 stay";
}

TEST_F(ColumnFilterTest, AnItemWithoutEntriesPassesTheStringGridsListOn)
{
    grid->FilterDropDownAuto = true;
    click(*grid, filterButton(*grid, 2));
    QListWidget *list = openList(*grid);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(names(*list), (QStringList{QStringLiteral("(All)"), QStringLiteral("even"), QStringLiteral("odd")}));
    choose(*list, 2);
    EXPECT_EQ(grid->RowCount(), 1 + 2);
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("odd"));
}

} // namespace
