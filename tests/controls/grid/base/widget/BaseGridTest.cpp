// The base grid's cells: properties created on demand, objects kept with
// their cells, merged areas, the two layers of cell access, geometry, and
// coordinates outside the grid.
#include "BaseGridProbe.h"
#include "GridEvents.h"
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/widget/ExGridUndoRedo.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

using namespace controls;
using gridtest::ProbeBaseGrid;
using platform::TRect;

namespace {

// Counts the graphics still alive.
struct CountedGraphic : TGridObject {
    explicit CountedGraphic(int &alive) : alive(alive) { ++alive; }
    ~CountedGraphic() override { --alive; }
    int &alive;
};

struct BaseGridTest : testing::Test {
    int alive = 0; // graphics alive; outlives the grid that owns them
    ProbeBaseGrid grid;
    void SetUp() override
    {
        grid.setScrollBars(ssNone);
        grid.resize(400, 200);
    }
    void fillTexts()
    {
        for (int col = 0; col < grid.ColCount(); ++col)
            for (int row = 0; row < grid.RowCount(); ++row)
                grid.SetGridCell(col, row, QStringLiteral("%1,%2").arg(col).arg(row));
    }
};

TEST_F(BaseGridTest, FreshGrid)
{
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.DefaultColWidth(), 64);
    EXPECT_EQ(grid.GridLineWidth(), 1);
    EXPECT_EQ(grid.LineWidth(), 0) << "the painter draws the lines inside the cells";
    EXPECT_EQ(grid.GridLineColor(), 0xC0C0C0);
    EXPECT_EQ(grid.GridFixedLineColor(), 0x808080);
    EXPECT_FALSE(grid.DefaultDrawing());
    EXPECT_TRUE(grid.WordWrap());
    EXPECT_EQ(grid.ActiveRowColor(), platform::clInfoBk);
    EXPECT_EQ(grid.HoverRowColor(), platform::clInfoBk);
    EXPECT_EQ(grid.HoverRowColorTo(), platform::clNone);
    EXPECT_EQ(grid.ActiveRowColorTo(), platform::clNone);
    EXPECT_EQ(grid.ActiveRowMirrorColor(), platform::clNone);
    EXPECT_EQ(grid.ActiveRowMirrorColorTo(), platform::clNone);
    EXPECT_EQ(grid.HoverRowCells(), THoverRowCells({hcNormal, hcSelected}));
    EXPECT_EQ(grid.SelectionStyle(), ssDefault);
    EXPECT_EQ(grid.UndoRedo(), nullptr);
    EXPECT_EQ(grid.PaintID(), 1);
    EXPECT_FALSE(grid.HasCellProps());
    for (int col = 0; col < 5; ++col)
        for (int row = 0; row < 5; ++row)
            EXPECT_FALSE(grid.CellHasProperties(col, row));
    grid.FreeAllCellProperties();
    EXPECT_FALSE(grid.HasCellProps());

    grid.setDefaultDrawing(true);
    EXPECT_TRUE(grid.DefaultDrawing()) << "the value is kept while the cell grid's own drawing stays off";
}

TEST_F(BaseGridTest, PropertiesAreCreatedOnFirstUseWithTheGridsLookOfThatMoment)
{
    grid.setColor(0x123456);
    grid.Font().setName(QStringLiteral("Arial"));
    grid.Font().setSize(10);
    grid.Font().setColor(0x0000FF);
    grid.setWordWrap(false);

    // Queries never create a record.
    EXPECT_TRUE(grid.IsBaseCell(2, 2));
    EXPECT_FALSE(grid.IsMergedCell(2, 2));
    EXPECT_EQ(grid.CellSpan(2, 2), TGridCoord(0, 0));
    EXPECT_EQ(grid.GetObjectEx(2, 2), 0);
    EXPECT_EQ(grid.GetGridObject(2, 2), nullptr);
    EXPECT_FALSE(grid.CellHasProperties(2, 2));

    TCellProperties &p = grid.CellProperties(2, 2);
    EXPECT_TRUE(grid.CellHasProperties(2, 2));
    EXPECT_TRUE(grid.HasCellProps());
    EXPECT_EQ(&p, grid.GetGridObject(2, 2));
    EXPECT_EQ(&grid.CellProperties(2, 2), &p) << "the same record on the next call";
    EXPECT_EQ(p.FOwnerCol, 2);
    EXPECT_EQ(p.FOwnerRow, 2);
    EXPECT_EQ(p.FBrushColor, 0x123456);
    EXPECT_EQ(p.FBrushColorTo, platform::clNone);
    EXPECT_EQ(p.FFontName, "Arial");
    EXPECT_EQ(p.FFontSize, 10);
    EXPECT_EQ(p.FFontColor, 0x0000FF);
    EXPECT_FALSE(p.FWordWrap);
    EXPECT_EQ(p.FAlignment, taLeftJustify);
    EXPECT_EQ(p.FVAlignment, vtaTop);
    EXPECT_EQ(p.FGradientDirection, GradientVertical);
    EXPECT_EQ(p.FCalcType, acNONE);
    EXPECT_TRUE(p.FIsBaseCell);
    EXPECT_EQ(p.FCellSpanX, -1);
    EXPECT_EQ(p.FCellSpanY, -1);
    EXPECT_EQ(p.FEditor, edNormal);

    grid.setColor(0x654321);
    EXPECT_EQ(grid.CellProperties(2, 2).FBrushColor, 0x123456) << "a record keeps its first look";

    // Freed, the record goes; the flag stays.
    grid.FreeCellProperties(2, 2);
    EXPECT_FALSE(grid.CellHasProperties(2, 2));
    EXPECT_TRUE(grid.HasCellProps()) << "set for good";
}

TEST_F(BaseGridTest, AssignCopiesTheStoredLookButNotTheGraphicOrGradientEnd)
{
    grid.SetGraphicObjectEx(1, 1, std::make_unique<CountedGraphic>(alive));
    TCellProperties &source = grid.CellProperties(1, 1);
    source.FBrushColor = 0x111111;
    source.FBrushColorTo = 0x222222;
    source.FFontName = QStringLiteral("Courier New");
    source.FCellSpanX = 2;
    source.FObject = 42;
    source.FNodeLevel = 3;
    source.FCalcType = acSUM;
    TCellProperties &target = grid.CellProperties(2, 2);
    target.Assign(source);
    EXPECT_EQ(target.FBrushColor, 0x111111);
    EXPECT_EQ(target.FFontName, "Courier New");
    EXPECT_EQ(target.FCellSpanX, 2);
    EXPECT_EQ(target.FObject, 42);
    EXPECT_EQ(target.FNodeLevel, 3);
    EXPECT_EQ(target.FBrushColorTo, platform::clNone) << "not copied";
    EXPECT_EQ(target.FCalcType, acNONE);
    EXPECT_EQ(target.GraphicObject(), nullptr);
}

TEST_F(BaseGridTest, ObjectsStayWithTheirCells)
{
    grid.SetObjectEx(2, 3, 7);
    EXPECT_EQ(grid.Objects(2, 3), 7);
    EXPECT_EQ(grid.Cells(2, 3), "") << "the blank that carried the record in is gone again";
    grid.textChanges.clear();
    grid.SetObjectEx(2, 3, 6);
    EXPECT_EQ(grid.textChanges, std::vector<TGridCoord>(2, TGridCoord(2, 3)))
        << "once for the blank, once for the empty text";

    grid.setCells(2, 3, QStringLiteral("kept"));
    grid.SetObjectEx(2, 3, 8);
    EXPECT_EQ(grid.Cells(2, 3), "kept");

    // Moving and deleting rows carries the record, which knows its cell.
    grid.MoveRow(3, 1);
    EXPECT_EQ(grid.Objects(2, 1), 8);
    EXPECT_EQ(grid.Cells(2, 1), "kept");
    EXPECT_EQ(grid.CellProperties(2, 1).FOwnerRow, 1);
    grid.DeleteRow(0);
    EXPECT_EQ(grid.Objects(2, 0), 8);
    EXPECT_EQ(grid.CellProperties(2, 0).FOwnerRow, 0);
    grid.MoveColumn(2, 4);
    EXPECT_EQ(grid.Objects(4, 0), 8);
    EXPECT_EQ(grid.CellProperties(4, 0).FOwnerCol, 4);
    EXPECT_EQ(grid.Objects(2, 0), 0);
}

TEST_F(BaseGridTest, CellsOwnTheirGraphicsAndRecords)
{
    grid.SetGraphicObjectEx(1, 1, std::make_unique<CountedGraphic>(alive));
    grid.SetGraphicObjectEx(2, 1, std::make_unique<CountedGraphic>(alive));
    grid.SetGraphicObjectEx(3, 1, std::make_unique<CountedGraphic>(alive));
    grid.SetGraphicObjectEx(4, 1, std::make_unique<CountedGraphic>(alive));
    ASSERT_EQ(alive, 4);
    EXPECT_NE(grid.GetGraphicObjectEx(1, 1), nullptr);
    EXPECT_EQ(grid.CellGraphicOf(grid.GetGridObject(1, 1)), grid.GetGraphicObjectEx(1, 1));

    // Taken out, a graphic is the caller's; replaced, the old one goes.
    std::unique_ptr<TGridObject> kept = grid.TakeGraphicObjectEx(1, 1);
    grid.SetGraphicObjectEx(2, 1, std::make_unique<CountedGraphic>(alive));
    EXPECT_EQ(alive, 4);
    grid.FreeCellPropertiesRange(0, 0, 2, 4);
    EXPECT_EQ(alive, 3) << "the kept one and the two beyond the range";
    grid.SetCellProperties(3, 1, std::make_unique<TCellProperties>(&grid, 3, 1));
    EXPECT_EQ(alive, 2) << "the record the slot held is freed with its graphic";

    // A raw slot write hands back what the slot held.
    std::unique_ptr<TCellProperties> moved = grid.TakeGridObject(4, 1);
    EXPECT_FALSE(grid.CellHasProperties(4, 1));
    EXPECT_EQ(grid.PutGridObject(4, 2, std::move(moved)), nullptr);
    EXPECT_EQ(grid.CellProperties(4, 2).FOwnerRow, 2);
    EXPECT_EQ(alive, 2);
    kept.reset();
    EXPECT_EQ(alive, 1);
    {
        ProbeBaseGrid other;
        other.SetGraphicObjectEx(1, 1, std::make_unique<CountedGraphic>(alive));
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 1) << "a grid frees its records when it goes";
}

TEST_F(BaseGridTest, MergedAreaAnswersForEveryCell)
{
    fillTexts();
    grid.MergeCells(1, 1, 3, 2);
    EXPECT_EQ(grid.MergeCount(), 1);
    const TCellProperties &base = grid.CellProperties(1, 1);
    EXPECT_TRUE(base.FIsBaseCell);
    EXPECT_EQ(base.FCellSpanX, 2);
    EXPECT_EQ(base.FCellSpanY, 1);
    const TCellProperties &corner = grid.CellProperties(3, 2);
    EXPECT_FALSE(corner.FIsBaseCell);
    EXPECT_EQ(corner.FCellSpanX, 2);
    EXPECT_EQ(corner.FCellSpanY, 1);

    struct Case {
        TGridCoord cell;
        TGridCoord base;
        TGridCoord ext;
        bool isBase;
    };
    const Case cases[] = {
        {{1, 1}, {1, 1}, {2, 1}, true},  {{2, 1}, {1, 1}, {1, 1}, false}, {{3, 1}, {1, 1}, {0, 1}, false},
        {{1, 2}, {1, 1}, {2, 0}, false}, {{3, 2}, {1, 1}, {0, 0}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cell);
        EXPECT_EQ(grid.BaseCell(c.cell.X, c.cell.Y), c.base);
        EXPECT_EQ(grid.CellSpan(c.cell.X, c.cell.Y), TGridCoord(2, 1));
        EXPECT_EQ(grid.CellExt(c.cell.X, c.cell.Y), c.ext);
        EXPECT_EQ(grid.FullCell(c.cell.X, c.cell.Y), TGridRect(1, 1, 3, 2));
        EXPECT_EQ(grid.IsBaseCell(c.cell.X, c.cell.Y), c.isBase);
        EXPECT_TRUE(grid.IsMergedCell(c.cell.X, c.cell.Y));
        EXPECT_EQ(grid.IsMergedNonBaseCell(c.cell.X, c.cell.Y), !c.isBase);
        EXPECT_TRUE(grid.IsXMergedCell(c.cell.X, c.cell.Y));
        EXPECT_TRUE(grid.IsYMergedCell(c.cell.X, c.cell.Y));
        EXPECT_EQ(grid.Cells(c.cell.X, c.cell.Y), "1,1");
    }
    EXPECT_EQ(grid.FullCell(4, 4), TGridRect(4, 4, 4, 4));
    EXPECT_EQ(grid.MinRowSpan(1), 1);
    EXPECT_EQ(grid.MaxRowSpan(1), 1);
    EXPECT_EQ(grid.MinRowSpan(3), grid.RowCount());
    EXPECT_EQ(grid.MaxRowSpan(3), 0);

    // Writes through any cell land in the base; the others keep their own.
    grid.textChanges.clear();
    grid.setCells(3, 2, QStringLiteral("area"));
    EXPECT_EQ(grid.GetGridCell(1, 1), "area");
    EXPECT_EQ(grid.Cells(2, 1), "area");
    EXPECT_EQ(grid.GetGridCell(3, 2), "3,2");
    EXPECT_EQ(grid.textChanges, std::vector<TGridCoord>{TGridCoord(1, 1)});

    // Splitting any cell restores the whole area.
    grid.SplitCells(2, 2);
    EXPECT_EQ(grid.MergeCount(), 0);
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cell);
        const TCellProperties &p = grid.CellProperties(c.cell.X, c.cell.Y);
        EXPECT_TRUE(p.FIsBaseCell);
        EXPECT_EQ(p.FCellSpanX, -1);
        EXPECT_EQ(p.FCellSpanY, -1);
        EXPECT_FALSE(grid.IsMergedCell(c.cell.X, c.cell.Y));
        EXPECT_EQ(grid.CellSpan(c.cell.X, c.cell.Y), TGridCoord(0, 0));
    }
    EXPECT_EQ(grid.Cells(3, 2), "3,2");
    EXPECT_EQ(grid.Cells(1, 1), "area");
}

TEST_F(BaseGridTest, MergesStayInsideTheGridAndNeverOverlap)
{
    fillTexts();
    // A single cell is a base without spans: not merged.
    grid.MergeCells(0, 0, 1, 1);
    EXPECT_FALSE(grid.IsMergedCell(0, 0));
    EXPECT_EQ(grid.CellSpan(0, 0), TGridCoord(0, 0));
    grid.SplitCells(0, 0);

    // Clipped at the last column and row.
    grid.MergeCells(3, 3, 10, 10);
    EXPECT_EQ(grid.CellSpan(4, 4), TGridCoord(1, 1));
    EXPECT_EQ(grid.FullCell(4, 4), TGridRect(3, 3, 4, 4));

    // Nothing for empty counts or a start outside.
    for (const auto &[col, row, sx, sy] : {std::tuple{1, 1, 0, 2}, {1, 1, 2, -1}, {-1, 1, 3, 3}, {1, 5, 1, 1}}) {
        grid.MergeCells(col, row, sx, sy);
        EXPECT_FALSE(grid.IsMergedCell(1, 1));
        EXPECT_FALSE(grid.IsMergedCell(2, 2));
    }

    // A new area over part of an older one splits the older one whole, so
    // no cell is left pointing at a base that is no longer one.
    grid.MergeCells(1, 1, 2, 2);
    grid.MergeCells(2, 2, 2, 2);
    EXPECT_EQ(grid.FullCell(2, 2), TGridRect(2, 2, 3, 3));
    EXPECT_EQ(grid.FullCell(4, 4), TGridRect(4, 4, 4, 4));
    EXPECT_FALSE(grid.IsMergedCell(1, 1));
    EXPECT_FALSE(grid.IsMergedCell(2, 1));
    EXPECT_FALSE(grid.IsMergedCell(1, 2));
    EXPECT_EQ(grid.Cells(2, 1), "2,1");
    EXPECT_EQ(grid.MergeCount(), 1) << "one area stands";
}

TEST_F(BaseGridTest, HugeSpansAreClippedWithoutOverflow)
{
    fillTexts();
    grid.MergeCells(2, 1, INT_MAX, INT_MAX);
    EXPECT_EQ(grid.FullCell(4, 4), TGridRect(2, 1, 4, 4));
    EXPECT_EQ(grid.CellExt(3, 2), TGridCoord(1, 2));
    grid.MergeCells(INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX);
    EXPECT_EQ(grid.FullCell(4, 4), TGridRect(2, 1, 4, 4)) << "a start outside merges nothing";
    EXPECT_EQ(grid.MergeCount(), 1);
}

TEST_F(BaseGridTest, CoordinatesOutsideReadEmptyAndTakeNoWrites)
{
    fillTexts();
    grid.MergeCells(3, 3, 2, 2);
    const TGridCoord outside[] = {{-1, 0}, {0, -1}, {5, 0}, {0, 5}, {INT_MAX, INT_MAX}, {INT_MIN, 2}, {2, INT_MIN}};
    for (const TGridCoord c : outside) {
        SCOPED_TRACE(testing::Message() << c);
        grid.setCells(c.X, c.Y, QStringLiteral("x"));
        grid.SetGridCell(c.X, c.Y, QStringLiteral("x"));
        grid.SetObjectEx(c.X, c.Y, 5);
        grid.SetGraphicObjectEx(c.X, c.Y, nullptr);
        grid.CellProperties(c.X, c.Y).FBrushColor = 0x010203;
        grid.MergeCells(c.X, c.Y, 3, 3);
        grid.SplitCells(c.X, c.Y);
        grid.ResetCell(c.X, c.Y);
        grid.FreeCellProperties(c.X, c.Y);
        EXPECT_EQ(grid.Cells(c.X, c.Y), "");
        EXPECT_EQ(grid.GetGridCell(c.X, c.Y), "");
        EXPECT_EQ(grid.Objects(c.X, c.Y), 0);
        EXPECT_EQ(grid.GetGraphicObjectEx(c.X, c.Y), nullptr);
        EXPECT_EQ(grid.GetGridObject(c.X, c.Y), nullptr);
        EXPECT_FALSE(grid.CellHasProperties(c.X, c.Y));
        EXPECT_EQ(grid.BaseCell(c.X, c.Y), c);
        EXPECT_TRUE(grid.IsBaseCell(c.X, c.Y));
        EXPECT_FALSE(grid.IsMergedCell(c.X, c.Y));
        EXPECT_FALSE(grid.IsMergedNonBaseCell(c.X, c.Y));
        EXPECT_FALSE(grid.IsXMergedCell(c.X, c.Y));
        EXPECT_EQ(grid.CellSpan(c.X, c.Y), TGridCoord(0, 0));
        EXPECT_EQ(grid.CellExt(c.X, c.Y), TGridCoord(0, 0));
        EXPECT_TRUE(platform::IsRectEmpty(grid.CellRect(c.X, c.Y)));
        grid.RepaintCell(c.X, c.Y);
    }
    grid.ResetColumn(-1);
    grid.ResetRow(99);
    grid.FreeCellPropertiesRange(5, -5, 99, 99);
    EXPECT_EQ(grid.Cells(1, 1), "1,1");
    EXPECT_EQ(grid.Cells(4, 4), "3,3") << "the area stands";
}

TEST_F(BaseGridTest, ColumnsBeyondTheShownOnesAreReachedByTheirRealIndex)
{
    grid.setColCount(7);
    grid.setCells(6, 2, QStringLiteral("hidden"));
    grid.setColCount(5);
    grid.hiddenCols = 2;
    EXPECT_EQ(grid.Cells(6, 2), "hidden");
    grid.SetObjectEx(6, 2, 9);
    EXPECT_EQ(grid.Objects(6, 2), 9);
    EXPECT_TRUE(grid.CellHasProperties(6, 2));
    EXPECT_EQ(grid.Cells(7, 2), "");
    grid.FreeAllCellProperties();
    EXPECT_FALSE(grid.CellHasProperties(6, 2));
}

TEST_F(BaseGridTest, DisplayHooksApplyToNormalRowsAtTheBaseCell)
{
    fillTexts();
    std::vector<TGridCoord> asked;
    grid.OnGetDisplText = [&](TBaseGrid *sender, int col, int row, QString &value) {
        EXPECT_EQ(sender, &grid);
        asked.push_back({col, row});
        value = QStringLiteral("<%1>").arg(value);
    };
    EXPECT_EQ(grid.Cells(1, 1), "1,1") << "no normal rows yet";
    EXPECT_TRUE(asked.empty());

    grid.FNormalRowCount = 3;
    grid.MergeCells(1, 1, 2, 3);
    EXPECT_EQ(grid.Cells(2, 3), "<1,1>") << "a merged cell below the count asks for its base above it";
    EXPECT_EQ(asked, std::vector<TGridCoord>{TGridCoord(1, 1)});
    EXPECT_EQ(grid.Cells(3, 3), "3,3");
    EXPECT_EQ(grid.GetGridCell(1, 1), "1,1");

    // The wide hook sees the decoded text and its answer is encoded back.
    grid.setCells(4, 0, EncodeWideCellText(QStringLiteral("\u0416a")));
    grid.OnGetDisplText = nullptr;
    grid.OnGetDisplWideText = [](TBaseGrid *, int, int, QString &value) { value += QChar(0x0436); };
    EXPECT_EQ(DecodeWideCellText(grid.Cells(4, 0)), QStringLiteral("\u0416a\u0436"));
}

TEST_F(BaseGridTest, WritesReportToTheHooks)
{
    grid.FHideLastRow = true;
    grid.setCells(2, 4, QStringLiteral("scratch"));
    EXPECT_EQ(grid.lastRowChanges, 1);
    grid.setCells(2, 3, QStringLiteral("normal"));
    EXPECT_EQ(grid.lastRowChanges, 1);
    EXPECT_TRUE(grid.textChanges.empty()) << "cells without records report nothing";

    // Reset empties a merged cell's base and detaches the cell's record.
    grid.MergeCells(1, 1, 2, 1);
    grid.setCells(1, 1, QStringLiteral("area"));
    grid.ResetCell(2, 1);
    EXPECT_EQ(grid.GetGridCell(1, 1), "");
    EXPECT_FALSE(grid.CellHasProperties(2, 1));
    grid.setCells(3, 3, QStringLiteral("x"));
    grid.SetObjectEx(3, 2, 1);
    grid.ResetColumn(3);
    EXPECT_EQ(grid.Cells(3, 3), "");
    EXPECT_FALSE(grid.CellHasProperties(3, 2));
    grid.SetObjectEx(4, 2, 1);
    grid.setCells(1, 2, QStringLiteral("y"));
    grid.ResetRow(2);
    EXPECT_EQ(grid.Cells(1, 2), "");
    EXPECT_FALSE(grid.CellHasProperties(4, 2));
}

TEST_F(BaseGridTest, SpanIdentityOfRowsAndColumns)
{
    grid.setColCount(6);
    grid.setRowCount(8);
    grid.MergeCells(1, 1, 1, 3); // rows 1-3 in column 1
    grid.MergeCells(2, 1, 1, 2); // rows 1-2 in column 2
    grid.MergeCells(3, 5, 2, 1); // columns 3-4 in row 5
    struct Case {
        const char *name;
        bool rows;
        int a;
        int b;
        bool identical;
    };
    const Case cases[] = {
        {"rows in the same vertical areas", true, 1, 2, true},
        {"a row one area leaves", true, 2, 3, true},
        {"rows in no common area", true, 4, 5, false},
        {"columns in one horizontal area", false, 3, 4, true},
        {"columns merged nowhere", false, 0, 5, false},
        {"columns with different spans", false, 2, 3, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.rows ? grid.RowSpanIdentical(c.a, c.b) : grid.ColSpanIdentical(c.a, c.b), c.identical);
    }
    grid.MergeCells(1, 4, 1, 2);
    EXPECT_FALSE(grid.RowSpanIdentical(3, 4)) << "column 1 holds them in two areas";
}

TEST_F(BaseGridTest, RectanglesFollowScrollingAndCoverWholeAreas)
{
    grid.setColCount(10);
    grid.setRowCount(20);
    grid.setColWidths(0, 30);
    grid.setRowHeights(0, 20);
    grid.setRowHeights(3, 40);
    grid.MergeCells(2, 2, 3, 3);
    EXPECT_EQ(grid.FixedColsWidth(), 30);
    EXPECT_EQ(grid.FixedRowsHeight(), 20);
    EXPECT_EQ(grid.VirtualCellRect(2, 2), (TRect{94, 44, 158, 68}));
    EXPECT_EQ(grid.CellRect(3, 3), (TRect{94, 44, 286, 132})) << "the whole area";
    EXPECT_EQ(grid.CellSize(4, 4), (platform::TPoint{192, 88}));
    EXPECT_EQ(grid.CellRect(1, 1), (TRect{30, 20, 94, 44}));
    EXPECT_EQ(grid.CellRect(0, 0), (TRect{0, 0, 30, 20}));

    grid.setTopRow(4);
    grid.setLeftCol(3);
    ASSERT_EQ(TGridCoord(grid.LeftCol(), grid.TopRow()), TGridCoord(3, 4));
    EXPECT_EQ(grid.VirtualCellRect(2, 2), (TRect{-34, -44, 30, -20})) << "out of view, still placed";
    EXPECT_EQ(grid.CellRect(4, 4), (TRect{-34, -44, 158, 44})) << "the area reaches out of the client area";
    EXPECT_EQ(grid.CellRect(1, 1), (TRect{0, 0, 64, 24})) << "an unmerged cell out of view";
    EXPECT_EQ(grid.VirtualCellRect(0, 5), (TRect{0, 44, 30, 68})) << "fixed columns stay put";
}

TEST_F(BaseGridTest, RectanglesFarDownALargeGridComeFromSums)
{
    constexpr int rows = 1000000;
    grid.setRowCount(rows);
    for (int row = 1; row < rows; row += 1000)
        grid.setRowHeights(row, 30); // 6 pixels more on each of 1000 rows
    grid.setTopRow(rows - 7);
    ASSERT_EQ(grid.TopRow(), rows - 7);
    grid.MergeCells(1, rows - 3, 2, 2);
    EXPECT_EQ(grid.CellRect(2, rows - 2), (TRect{64, 120, 192, 168})) << "four rows below the top row";
    grid.setTopRow(grid.FixedRows());
    EXPECT_EQ(grid.VirtualCellRect(1, rows - 3).Top, (rows - 3) * 24 + 1000 * 6);
}

TEST_F(BaseGridTest, EditorCoversTheWholeAreaAndHidesWithTheCell)
{
    grid.setRowCount(30);
    grid.setOptions(grid.Options() | goEditing);
    grid.MergeCells(2, 2, 2, 2);
    grid.FocusCell(2, 2);
    gridtest::key(grid, Qt::Key_F2);
    ASSERT_TRUE(grid.EditorMode());
    TInplaceEdit *editor = grid.InplaceEditor();
    EXPECT_EQ(editor->geometry(), QRect(128, 48, 128, 48));
    EXPECT_TRUE(editor->isVisibleTo(&grid));
    gridtest::key(*editor, Qt::Key_Escape);

    // Out of view, an unmerged cell has a rectangle at the top left.
    grid.FocusCell(1, 2);
    gridtest::key(grid, Qt::Key_F2);
    ASSERT_TRUE(grid.EditorMode());
    grid.setTopRow(10);
    EXPECT_FALSE(editor->isVisibleTo(&grid)) << "not over the top left cells";
    grid.setTopRow(1);
    EXPECT_TRUE(editor->isVisibleTo(&grid));
    EXPECT_EQ(editor->geometry(), QRect(64, 48, 64, 24));
}

TEST_F(BaseGridTest, UndoLinkClearsWhenEitherSideGoes)
{
    auto undo = std::make_unique<TExGridUndoRedo>();
    grid.setUndoRedo(undo.get());
    EXPECT_EQ(undo->Grid(), &grid);
    undo.reset();
    EXPECT_EQ(grid.UndoRedo(), nullptr);

    TExGridUndoRedo kept;
    {
        ProbeBaseGrid other;
        other.setUndoRedo(&kept);
        EXPECT_EQ(kept.Grid(), &other);
    }
    EXPECT_EQ(kept.Grid(), nullptr);
    kept.RegisterChange({1, 1, QString(), QStringLiteral("a")});
    kept.Undo();
    EXPECT_EQ(kept.Level(), 1) << "no grid, no playback";
}

} // namespace
