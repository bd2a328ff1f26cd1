#include "GridFixture.h"

#include "controls/grid/base/FormatSettings.h"
#include "controls/grid/model/core/GridError.h"

#include <gtest/gtest.h>

using namespace controls;
using stringgridtest::fillLabels;
using stringgridtest::label;

namespace {

class StringGridCells : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = formatSettings();
        TFormatSettings english;
        english.ThousandSeparator = u',';
        english.DecimalSeparator = u'.';
        setFormatSettings(english);
    }
    void TearDown() override { setFormatSettings(saved); }

    TFormatSettings saved;
    TExStringGrid grid;
};

TEST_F(StringGridCells, TypedReadsAndWrites)
{
    grid.setCells(1, 1, QStringLiteral("<B>12</B>"));
    EXPECT_EQ(grid.Ints(1, 1), 12);
    grid.setCells(1, 2, QStringLiteral("12a"));
    try {
        (void)grid.Ints(1, 2);
        FAIL() << "no exception";
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cell does not contain integer value"));
    }
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("12a")); // unchanged
    grid.setCells(2, 1, QStringLiteral("(1,234.50)"));
    EXPECT_DOUBLE_EQ(grid.Floats(2, 1), -1234.5);
    grid.setFloats(2, 2, 3.14159);
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("3.14"));
    grid.setInts(3, 3, -7);
    EXPECT_EQ(grid.Cells(3, 3), QStringLiteral("-7"));
    for (const char *zero : {"", "-"}) {
        grid.setCells(4, 4, QString::fromUtf8(zero));
        EXPECT_EQ(grid.Ints(4, 4), 0);
        EXPECT_EQ(grid.Floats(4, 4), 0.0);
    }
}

TEST_F(StringGridCells, ReadingPropertiesOfAnUntouchedCellCreatesNoRecord)
{
    EXPECT_EQ(grid.Colors(2, 2), platform::clNone);
    EXPECT_EQ(grid.ColorsTo(2, 2), platform::clNone);
    EXPECT_EQ(grid.FontColors(2, 2), platform::clNone);
    EXPECT_EQ(grid.FontSizes(2, 2), 0);
    EXPECT_TRUE(grid.FontNames(2, 2).isEmpty());
    EXPECT_EQ(grid.Alignments(2, 2), taLeftJustify);
    EXPECT_FALSE(grid.ReadOnly(2, 2));
    EXPECT_FALSE(grid.CellHasProperties(2, 2));
    (void)grid.WordWraps(2, 2);
    EXPECT_TRUE(grid.CellHasProperties(2, 2));
    grid.setColors(3, 3, 0x0000FF);
    EXPECT_EQ(grid.Colors(3, 3), platform::TColor(0x0000FF));
}

TEST_F(StringGridCells, AllCellsReachHiddenRowsAndGrowTheirKeptRow)
{
    fillLabels(grid);
    grid.HideRow(4);
    EXPECT_EQ(grid.AllCells(2, 4), label(2, 4));
    EXPECT_EQ(grid.AllCells(2, 5), label(2, 5));
    EXPECT_EQ(grid.Cells(2, 4), label(2, 5));
    grid.setAllCells(10, 4, QStringLiteral("far"));
    EXPECT_EQ(grid.AllCells(10, 4), QStringLiteral("far"));
    grid.setAllGridCells(11, 4, QStringLiteral("further"));
    EXPECT_EQ(grid.AllGridCells(11, 4), QStringLiteral("further"));
    EXPECT_TRUE(grid.AllCells(-1, 2).isEmpty());
    grid.setAllCells(1, 6, QStringLiteral("x"));
    EXPECT_EQ(grid.Cells(1, 5), QStringLiteral("x"));
}

TEST_F(StringGridCells, ColumnsBeyond512KeepTheirOwnDataAndWideWidths)
{
    // Column state stopped at 512: with a column hidden below it, column
    // 600 showed another column's text and widths were 16-bit.
    grid.setColCount(700);
    grid.setCells(600, 1, QStringLiteral("six hundred"));
    grid.setCells(601, 1, QStringLiteral("next"));
    grid.HideColumn(10);
    EXPECT_EQ(grid.ColCount(), 699);
    EXPECT_EQ(grid.AllColCount(), 700);
    EXPECT_EQ(grid.RealColIndex(599), 600);
    EXPECT_EQ(grid.DisplColIndex(600), 599);
    EXPECT_EQ(grid.Cells(grid.RealColIndex(599), 1), QStringLiteral("six hundred"));
    grid.HideColumn(650);
    EXPECT_TRUE(grid.IsHiddenColumn(650));
    grid.setAllColWidths(650, 70000);
    EXPECT_EQ(grid.AllColWidths(650), 70000);
    grid.UnHideColumn(650);
    EXPECT_EQ(grid.ColWidths(grid.DisplColIndex(650)), 70000);
}

TEST_F(StringGridCells, HiddenColumnsKeepTheirPlaceInTheStore)
{
    fillLabels(grid);
    grid.HideColumn(2);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.AllColCount(), 5);
    EXPECT_EQ(grid.Cells(2, 3), label(2, 3));
    EXPECT_EQ(grid.RealColIndex(2), 3);
    EXPECT_EQ(grid.DisplColIndex(3), 2);
    grid.setColWidths(1, 99);
    grid.UnHideColumn(2);
    EXPECT_EQ(grid.ColWidths(2), 64); // the width it had when hidden
    EXPECT_EQ(grid.ColWidths(1), 99);
    grid.HideColumns(0, 4);
    EXPECT_EQ(grid.ColCount(), 1); // the last column stays
}

TEST_F(StringGridCells, CurrentCellReadsItsBaseCell)
{
    fillLabels(grid);
    grid.MergeCells(1, 1, 2, 2);
    grid.setCells(1, 1, QStringLiteral("<B>base</B>"));
    grid.FocusCell(1, 1);
    EXPECT_EQ(grid.CurrentCell(), QStringLiteral("<B>base</B>"));
    grid.setCurrentCell(QStringLiteral("new"));
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("new"));
    EXPECT_EQ(grid.GetActiveCellText(), QStringLiteral("new"));
}

} // namespace

namespace {

TEST(StringGridCellLooks, RowColourNoneFreesRecordsThatOnlyHeldColours)
{
    TExStringGrid grid;
    grid.setRowColor(3, 0x0000FF);
    EXPECT_EQ(grid.Colors(2, 3), platform::TColor(0x0000FF));
    EXPECT_FALSE(grid.CellHasProperties(0, 3)); // the fixed column is left alone
    grid.AddCheckBox(2, 3, true, false);
    grid.setRowColor(3, platform::clNone);
    EXPECT_FALSE(grid.CellHasProperties(1, 3));
    EXPECT_TRUE(grid.CellHasProperties(2, 3));
    EXPECT_EQ(grid.Colors(2, 3), platform::clNone);
    EXPECT_TRUE(grid.HasCheckBox(2, 3));
    grid.setRowFontColor(4, 0x00FF00);
    EXPECT_EQ(grid.FontColors(1, 4), platform::TColor(0x00FF00));
    grid.setRowFontColor(4, platform::clNone);
    EXPECT_EQ(grid.FontColors(1, 4), platform::clNone);
}

TEST(StringGridCellLooks, HeadersGoIntoTheFixedCellsWithLineBreaks)
{
    TExStringGrid grid;
    grid.setColumnHeaders({QStringLiteral("one\\ntwo"), QStringLiteral("b")});
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("one\rtwo"));
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("b"));
    EXPECT_EQ(grid.LinesInCell(0, 0), 2);
    grid.setRowHeaders({QString(), QStringLiteral("r1")});
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("r1"));
    grid.setColumnHeaders({QStringLiteral("x")});
    EXPECT_TRUE(grid.Cells(1, 0).isEmpty());
}

TEST(StringGridCellLooks, OriginalCellsFindTheirColumnAfterMoves)
{
    TExStringGrid grid;
    stringgridtest::fillLabels(grid);
    grid.MoveColumn(1, 3);
    EXPECT_EQ(grid.OriginalCells(1, 2), stringgridtest::label(1, 2));
    grid.setOriginalCells(1, 2, QStringLiteral("moved"));
    EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("moved"));
}

TEST(StringGridCellLooks, FontStylesAndGradientsReadWithoutRecords)
{
    TExStringGrid grid;
    EXPECT_FALSE(grid.FontStyles(2, 2).bold);
    EXPECT_EQ(grid.Gradients(2, 2), GradientVertical);
    EXPECT_FALSE(grid.CellHasProperties(2, 2));
    platform::FontStyle bold;
    bold.bold = true;
    grid.setFontStyles(2, 2, bold);
    grid.setGradients(2, 2, GradientHorizontal);
    EXPECT_TRUE(grid.FontStyles(2, 2).bold);
    EXPECT_EQ(grid.Gradients(2, 2), GradientHorizontal);
}

} // namespace
