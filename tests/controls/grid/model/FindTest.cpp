#include "GridFixture.h"

#include "controls/grid/base/CellText.h"
#include "controls/grid/model/core/GridError.h"

#include <gtest/gtest.h>

#include <vector>

using namespace controls;

namespace {

// 4 columns (1 fixed), 5 rows (1 fixed); "ab" in three scattered cells.
struct FindGrid : testing::Test {
    TExStringGrid grid;
    void SetUp() override
    {
        grid.setColCount(4);
        grid.setRowCount(5);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c)
                grid.setCells(c, r, QStringLiteral("x%1%2").arg(c).arg(r));
        grid.setCells(3, 1, QStringLiteral("ab1"));
        grid.setCells(1, 4, QStringLiteral("xAB"));
        grid.setCells(2, 2, QStringLiteral("cab"));
    }
};

} // namespace

TEST_F(FindGrid, FindNextVisitsEachHitOnceThenStartsOver)
{
    std::vector<QPoint> hits{grid.FindFirst(QStringLiteral("ab"), {})};
    for (int i = 0; i < 4; ++i)
        hits.push_back(grid.FindNext());
    EXPECT_EQ(hits, (std::vector<QPoint>{{1, 4}, {2, 2}, {3, 1}, {-1, -1}, {1, 4}}));
    EXPECT_FALSE(grid.FindBusy());
}

TEST_F(FindGrid, RowByRowOrder)
{
    std::vector<QPoint> hits{grid.FindFirst(QStringLiteral("ab"), fnDirectionLeftRight)};
    hits.push_back(grid.FindNext());
    hits.push_back(grid.FindNext());
    EXPECT_EQ(hits, (std::vector<QPoint>{{3, 1}, {2, 2}, {1, 4}}));
}

TEST_F(FindGrid, TwoQuotesFindTheFirstEmptyCellAndAnEmptyTextNothing)
{
    grid.setCells(2, 3, QString());
    EXPECT_EQ(grid.FindFirst(QStringLiteral("\"\""), {}), QPoint(2, 3));
    EXPECT_EQ(grid.FindFirst(QString(), {}), QPoint(-1, -1));
}

TEST_F(FindGrid, ReplaceIgnoresCaseAndCountsChangedCells)
{
    EXPECT_EQ(grid.Replace(QStringLiteral("ab"), QStringLiteral("--"), fnMatchCase), 2);
    // fnMatchCase chose the cells; inside them case does not count.
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("--1"));
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("c--"));
    EXPECT_EQ(grid.Cells(1, 4), QStringLiteral("xAB"));
}

TEST_F(FindGrid, ReplaceOfAnEmptyTextChangesNothing)
{
    // A condition would take every cell; an empty text is never replaced.
    EXPECT_EQ(grid.Replace(QString(), QStringLiteral("z"), fnMatchRegular), 0);
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("ab1"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("x11"));
}

TEST_F(FindGrid, AutoGotoMakesTheHitCurrent)
{
    grid.FindFirst(QStringLiteral("cab"), fnAutoGoto);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
}

TEST(FindInNodes, HitInACollapsedNodeExpandsIt)
{
    TExStringGrid grid;
    grid.setColCount(3);
    grid.setRowCount(8);
    grid.setCells(2, 4, QStringLiteral("needle"));
    grid.AddNode(2, 4); // rows 2..5
    grid.ContractNode(2);
    ASSERT_TRUE(grid.IsHiddenRow(4));
    const QPoint hit = grid.FindFirst(QStringLiteral("needle"), fnIncludeHiddenRows | fnAutoGoto);
    EXPECT_EQ(hit, QPoint(2, 4));
    EXPECT_FALSE(grid.IsHiddenRow(4));
    EXPECT_EQ(grid.Row(), grid.DisplRowIndex(4));
}

// --- highlighting --------------------------------------------------------------------------------

TEST(Highlight, ALessThanIsEscapedAndComesBack)
{
    TExStringGrid grid;
    grid.setCells(1, 1, QStringLiteral("a<b"));
    grid.HilightInCell(false, 1, 1, QStringLiteral("b"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("a&lt;<hi>b</hi>"));
    grid.UnHilightInCell(1, 1);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("a<b"));
}

TEST(Highlight, OnlyHitsChangeAndUnhighlightGivesBackEveryText)
{
    TExStringGrid grid;
    grid.setColCount(3);
    grid.setRowCount(4);
    const QStringList texts{QStringLiteral("AT&amp;T"), QStringLiteral("<b>T &amp; x</b>"), QStringLiteral("no hit"),
                            QStringLiteral("a < b"), QStringLiteral("<i>also no hit</i>"), QStringLiteral("Tea")};
    int i = 0;
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 3; ++c)
            grid.setCells(c, r, texts[i++]);
    grid.HilightInGrid(false, true, QStringLiteral("T"));
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("<i>also no hit</i>"));
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("no hit"));
    EXPECT_TRUE(grid.Cells(1, 1).contains(QStringLiteral("<hi>")));
    // A second highlight, as the panel gives with AlwaysHighLight, and one
    // unhighlight still give back the texts.
    grid.UnHilightInGrid(false);
    grid.HilightInGrid(false, true, QStringLiteral("T"));
    grid.UnHilightInGrid(false);
    i = 0;
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 3; ++c)
            EXPECT_EQ(grid.Cells(c, r), texts[i++]) << c << "," << r;
}

// --- the floating footer -------------------------------------------------------------------------

namespace {

struct FooterGrid : testing::Test {
    TExStringGrid grid;
    void SetUp() override
    {
        grid.setColCount(3);
        grid.setRowCount(5); // data rows 1..3, footer row 4
        grid.FloatingFooter().setVisible(true);
        for (int r = 1; r <= 3; ++r)
            grid.setCells(1, r, QString::number(r * 10));
    }
};

} // namespace

TEST_F(FooterGrid, TheLastRowIsTheFooter)
{
    EXPECT_EQ(grid.FixedFooters(), 1);
    grid.FloatingFooter().setColumnCalc(1, acSUM);
    EXPECT_EQ(grid.Floats(1, 4), 60.0);
    grid.setCells(1, 2, QStringLiteral("25"));
    grid.CalcFooter(-1);
    EXPECT_EQ(grid.Floats(1, 4), 65.0);
    grid.FloatingFooter().setVisible(false);
    EXPECT_EQ(grid.FixedFooters(), 0);
}

TEST_F(FooterGrid, CountTakesHiddenRowsWhenAsked)
{
    grid.FloatingFooter().setColumnCalc(2, acCOUNT);
    grid.HideRow(2);
    grid.CalcFooter(-1);
    EXPECT_EQ(grid.Ints(2, grid.RowCount() - 1), 3);
    grid.FloatingFooter().CalculateHiddenRows = false;
    grid.CalcFooter(-1);
    EXPECT_EQ(grid.Ints(2, grid.RowCount() - 1), 2);
}

TEST_F(FooterGrid, AWordInAMinimumColumnLeavesTheFooterEmpty)
{
    for (TColumnCalcType type : {acMIN, acMAX, acSTDDEV}) {
        grid.setCells(1, 1, QStringLiteral("ten"));
        grid.FloatingFooter().setColumnCalc(1, type);
        EXPECT_NO_THROW(grid.CalcFooter(-1));
        EXPECT_EQ(grid.Cells(1, 4), QString()) << type;
        EXPECT_THROW(grid.CalcFooterColumn(1), ZOraZaziRarar) << type;
    }
}

TEST_F(FooterGrid, GrowingTheGridMovesTheFooterRow)
{
    grid.FloatingFooter().setColumnCalc(1, acSUM);
    grid.setCells(2, 4, QStringLiteral("total"));
    grid.setRowCount(8);
    EXPECT_EQ(grid.Cells(2, 7), QStringLiteral("total"));
    EXPECT_EQ(grid.Cells(2, 4), QString());
    EXPECT_EQ(grid.FloatingFooter().ColumnCalc(1), acSUM);
    EXPECT_EQ(grid.Floats(1, 7), 60.0);
    grid.setRowCount(4);
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("total"));
    EXPECT_EQ(grid.Floats(1, 3), 30.0);
}

TEST_F(FooterGrid, CustomCalculationAsksTheOwner)
{
    grid.OnFooterCalc = [](TExStringGrid *, int ACol, int, QString &Value) { Value = QStringLiteral("c%1").arg(ACol); };
    grid.FloatingFooter().setColumnCalc(2, acCUSTOM);
    EXPECT_EQ(grid.Cells(2, 4), QStringLiteral("c2"));
}

TEST(Fills, LinearFillWritesColumnAndRow)
{
    TExStringGrid grid;
    grid.LinearFill(false);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("1:1"));
    EXPECT_EQ(grid.Cells(0, 0), QString());
    grid.TextFill(true, QStringLiteral("t"));
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("t"));
    grid.FormatFill(false, QStringLiteral("%d-%d"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("2-3"));
    grid.RandomFill(false, 5);
    EXPECT_GE(grid.Ints(1, 1), 0);
    EXPECT_LT(grid.Ints(1, 1), 5);
}

TEST_F(FindGrid, TheShownTextIsSearchedWhenAHookChangesIt)
{
    // The store says "x12"; the grid shows "shown" there.
    grid.OnGetDisplText = [](TBaseGrid *, int ACol, int ARow, QString &Value) {
        if (ACol == 1 && ARow == 2)
            Value = QStringLiteral("shown");
    };
    EXPECT_EQ(grid.FindFirst(QStringLiteral("shown"), {}), QPoint(1, 2));
    EXPECT_EQ(grid.FindFirst(QStringLiteral("x12"), {}), QPoint(-1, -1));
}

TEST_F(FindGrid, WideSearchAndItsCache)
{
    grid.setCells(2, 3, EncodeWideCellText(QStringLiteral("\u00e9t\u00e9")));
    EXPECT_EQ(grid.FindWide(QPoint(-1, -1), QStringLiteral("\u00c9T\u00c9"), {}), QPoint(2, 3));
    EXPECT_TRUE(grid.SearchCache().isEmpty());
    grid.FindFirst(QStringLiteral("ab"), {});
    EXPECT_EQ(grid.SearchCache(), QStringLiteral("AB"));
}

TEST_F(FindGrid, HiddenColumnsAreRealIndexesOnlyWhenAsked)
{
    grid.HideColumn(2);
    // Display column 2 is real column 3 now.
    EXPECT_EQ(grid.FindFirst(QStringLiteral("ab1"), {}), QPoint(2, 1));
    EXPECT_EQ(grid.FindFirst(QStringLiteral("cab"), {}), QPoint(-1, -1));
    EXPECT_EQ(grid.FindFirst(QStringLiteral("cab"), fnIncludeHiddenColumns), QPoint(2, 2));
}

TEST_F(FooterGrid, RemovingAndAddingRowsKeepsTheFooterLast)
{
    grid.FloatingFooter().setColumnCalc(1, acSUM);
    grid.RemoveRows(1, 1);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Floats(1, 3), 50.0);
    grid.AddRow();
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cells(1, 3), QString());
    EXPECT_EQ(grid.FloatingFooter().ColumnCalc(1), acSUM);
    EXPECT_EQ(grid.Floats(1, 4), 50.0);
}

TEST_F(FindGrid, IgnoredColumnsArePassedOverOnlyRowByRow)
{
    grid.IgnoreColumns().Add(3);
    EXPECT_EQ(grid.FindFirst(QStringLiteral("ab"), fnDirectionLeftRight), QPoint(2, 2));
    // Column by column the list is not consulted.
    EXPECT_EQ(grid.FindFirst(QStringLiteral("ab1"), {}), QPoint(3, 1));
    // The list holds stored columns: with column 1 hidden, display column 2
    // is stored column 3.
    grid.HideColumn(1);
    EXPECT_EQ(grid.FindFirst(QStringLiteral("ab1"), fnDirectionLeftRight), QPoint(-1, -1));
    grid.IgnoreColumns().Clear();
    EXPECT_EQ(grid.FindFirst(QStringLiteral("ab1"), fnDirectionLeftRight), QPoint(2, 1));
}

TEST_F(FooterGrid, ColumnCustomCalcAsksTheOwnerOverTheDataRows)
{
    EXPECT_EQ(grid.ColumnCustomCalc(1, -1, -1), 0.0) << "no handler: 0";
    std::vector<int> asked;
    grid.OnColumnCalc = [&](TExStringGrid *, int ACol, int FromRow, int ToRow, double &Res) {
        asked = {ACol, FromRow, ToRow};
        Res += 7.5; // starts at 0
    };
    // The default range stops above the footer row.
    EXPECT_EQ(grid.ColumnCustomCalc(1, -1, -1), 7.5);
    EXPECT_EQ(asked, (std::vector<int>{1, 1, 3}));
    EXPECT_EQ(grid.ColumnCustomCalc(2, 2, 2), 7.5);
    EXPECT_EQ(asked, (std::vector<int>{2, 2, 2}));
    EXPECT_EQ(grid.GroupCustomCalc(1, 1, 3), 0.0) << "the group event is another one";
}
