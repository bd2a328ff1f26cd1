// The stretch column through column count changes and resizes, AutoSize
// and loading, and the text extents in characters and lines.
#include "GridFixture.h"

#include "controls/grid/view/GridAppearance.h"
#include "platform/Error.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <gtest/gtest.h>

using namespace controls;

namespace {

// A 400-pixel client area: no scroll bars, no border.
void stretchGrid(TExStringGrid &grid)
{
    grid.setScrollBars(ssNone);
    grid.resize(400, 100);
    grid.setColCount(3);
    grid.setColWidths(0, 150);
    grid.setColWidths(1, 150);
    grid.ColumnSize().Stretch = true;
}

void resizeTo(TExStringGrid &grid, int width)
{
    const QSize old = grid.size();
    grid.resize(width, old.height());
    QResizeEvent event(grid.size(), old);
    QCoreApplication::sendEvent(&grid, &event);
}

TEST(StringGridStretch, TheLastColumnTakesTheRestAndFollowsTheColumnCount)
{
    TExStringGrid grid;
    stretchGrid(grid);
    ASSERT_EQ(grid.ClientWidth(), 400);
    grid.StretchRightColumn();
    EXPECT_EQ(grid.ColWidths(2), 99);
    // Any width change keeps the stretch column stretched.
    grid.setColWidths(2, 50);
    EXPECT_EQ(grid.ColWidths(2), 99);
    grid.setColWidths(0, 100);
    EXPECT_EQ(grid.ColWidths(2), 149);
    grid.ColumnSize().Stretch = false;
    grid.setColWidths(0, 150);
    grid.setColWidths(2, 50);
    grid.ColumnSize().Stretch = true;
    grid.setColCount(4); // -1 is the new last column
    EXPECT_EQ(grid.ColWidths(2), 50);
    EXPECT_EQ(grid.ColWidths(3), 400 - 350 - 1);
}

TEST(StringGridStretch, AResizeStretchesUnlessTheOthersAlreadyScroll)
{
    TExStringGrid grid;
    stretchGrid(grid);
    resizeTo(grid, 500);
    EXPECT_EQ(grid.ColWidths(2), 500 - 300 - 1);
    grid.ColumnSize().Stretch = false;
    grid.setColWidths(0, 600);
    grid.setColWidths(2, 33);
    grid.ColumnSize().Stretch = true;
    resizeTo(grid, 450);
    EXPECT_EQ(grid.ColWidths(2), 33);
    // A horizontal bar kept shown means the grid scrolls: no stretch.
    grid.ColumnSize().Stretch = false;
    grid.setColWidths(0, 150);
    grid.ColumnSize().Stretch = true;
    grid.Appearance().ScrollBarAlways = saHorz;
    resizeTo(grid, 480);
    EXPECT_EQ(grid.ColWidths(2), 33);
}

TEST(StringGridStretch, OnlyAnExplicitCallRaisesForAColumnBeyondTheGrid)
{
    TExStringGrid grid;
    stretchGrid(grid);
    grid.ColumnSize().StretchColumn = 7;
    EXPECT_NO_THROW(grid.setColCount(5));
    EXPECT_NO_THROW(resizeTo(grid, 300));
    EXPECT_THROW(grid.ApplyColumnStretch(7), platform::Error);
    grid.ColumnSize().StretchColumn = 1;
    resizeTo(grid, 600);
    EXPECT_EQ(grid.ColWidths(1), 600 - grid.ColWidths(0) - grid.ColWidths(2) - grid.ColWidths(3) -
                                     grid.ColWidths(4) - 1);
}

TEST(StringGridAutoSize, SwitchedOnOrLoadedTheColumnsTakeTheirContent)
{
    const auto measure = [](int col, int) { return col * 20; };
    TExStringGrid reference;
    reference.setColCount(3);
    reference.MeasureCellWidth = measure;
    reference.AutoSizeColumns(false, 10);
    const int padded10 = reference.ColWidths(2);
    reference.AutoSizeColumns(false, 4);
    const int padded4 = reference.ColWidths(2);

    TExStringGrid grid;
    grid.setColCount(3);
    grid.MeasureCellWidth = measure;
    grid.setAutoSize(true);
    EXPECT_EQ(grid.ColWidths(2), padded10);
    EXPECT_EQ(grid.ColWidths(0), grid.DefaultColWidth()) << "fixed columns keep their width";

    TExStringGrid loaded;
    loaded.setColCount(3);
    loaded.MeasureCellWidth = measure;
    loaded.BeginLoading();
    loaded.setAutoSize(true);
    EXPECT_EQ(loaded.ColWidths(2), loaded.DefaultColWidth()) << "nothing while loading";
    loaded.EndLoading();
    EXPECT_EQ(loaded.ColWidths(2), padded4);
    EXPECT_EQ(loaded.MinColWidth, 10);
}

TEST(StringGridTextExtents, ColumnLengthsAndRowLines)
{
    struct Case {
        bool multi;
        int length; // of column 1
        int lines; // of row 1
    };
    for (const Case c : {Case{false, 9, 1}, Case{true, 5, 3}}) {
        TExStringGrid grid;
        grid.setColCount(3);
        grid.setRowCount(3);
        grid.Appearance().Multilinecells = c.multi;
        grid.setCells(1, 1, QStringLiteral("ab\r\ncdefg"));
        grid.setCells(2, 1, QStringLiteral("a\r\nb\r\nc"));
        grid.setCells(1, 2, QStringLiteral("xyz"));
        EXPECT_EQ(grid.MaxColumnTextLength(1), c.length) << c.multi;
        EXPECT_EQ(grid.MaxRowLineCount(1), c.lines) << c.multi;
        EXPECT_EQ(grid.MaxRowLineCount(2), 1);
        if (c.multi) {
            grid.HideColumn(2); // its lines take no room now
            EXPECT_EQ(grid.MaxRowLineCount(1), 2);
        }
    }
    TExStringGrid empty;
    empty.setColCount(0);
    EXPECT_EQ(empty.MaxRowLineCount(0), 1);
}

} // namespace
