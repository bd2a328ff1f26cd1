// The column grid: items in step with the columns, headers, moves, the
// data check boxes of a column and its float format, print colours and
// size limits.
#include "controls/grid/model/ExCGrid.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(ColumnGrid, StartsWithAnItemPerColumnWhoseWidthIsTheGrids)
{
    TExColumnGrid grid;
    EXPECT_EQ(grid.ColCount(), 5);
    ASSERT_EQ(grid.Columns().Count(), 5);
    grid.setColWidths(2, 77);
    EXPECT_EQ(grid.Columns()[2]->Width(), 77);
    grid.Columns()[3]->setWidth(91);
    EXPECT_EQ(grid.ColWidths(3), 91);
    EXPECT_EQ(grid.VersionNr(), 0x01030002);
    EXPECT_EQ(grid.VersionString(), QStringLiteral("1.3.0.2 Mar, 2024"));
    EXPECT_EQ(TGridColumnItem().Width(), 0) << "no grid without a collection";
}

TEST(ColumnGrid, AddCopiesThePreviousVisualsAndGrowsTheGrid)
{
    TExColumnGrid grid;
    TGridColumnItem *last = grid.Columns()[4];
    last->Alignment = taRightJustify;
    last->ReadOnly = true;
    last->CheckTrue = QStringLiteral("yes");
    last->setHeader(QStringLiteral("Last"));
    last->Tag = 7;
    TGridColumnItem *added = grid.Columns().Add();
    EXPECT_EQ(grid.ColCount(), 6);
    EXPECT_EQ(added->Alignment, taRightJustify);
    EXPECT_TRUE(added->ReadOnly);
    EXPECT_EQ(added->CheckTrue, QStringLiteral("yes"));
    EXPECT_EQ(added->Header(), QString()) << "the header is the column's own";
    EXPECT_EQ(added->Tag, 0);
}

TEST(ColumnGrid, ColCountBringsTheItemsAlong)
{
    TExColumnGrid grid;
    for (const int count : {3, 7}) {
        grid.setColCount(count);
        EXPECT_EQ(grid.Columns().Count(), count);
    }
    grid.InsertCols(2, 2);
    EXPECT_EQ(grid.Columns().Count(), 9);
    grid.RemoveCols(1, 3);
    EXPECT_EQ(grid.Columns().Count(), 6);
    EXPECT_EQ(grid.ColCount(), 6);
}

TEST(ColumnGrid, HeaderWritesRowZeroAndTheHeaderList)
{
    TExColumnGrid grid;
    grid.Columns()[1]->setHeader(QStringLiteral("M-Bus ID"));
    grid.Columns()[2]->setHeader(QStringLiteral("Modbus Start Address"));
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("M-Bus ID"));
    EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("Modbus Start Address"));
    ASSERT_EQ(grid.ColumnHeaders().size(), 5);
    EXPECT_EQ(grid.ColumnHeaders()[1], QStringLiteral("M-Bus ID"));
    EXPECT_EQ(grid.ColumnHeaders()[2], QStringLiteral("Modbus Start Address"));
    grid.Columns()[3]->Name = QStringLiteral("third");
    EXPECT_EQ(grid.ColumnByName(QStringLiteral("third")), grid.Columns()[3]);
    EXPECT_EQ(grid.ColumnByName(QStringLiteral("Third")), nullptr);
}

TEST(ColumnGrid, MovingAColumnCarriesEverySetting)
{
    TExColumnGrid grid;
    TGridColumnItem *item = grid.Columns()[1];
    item->setHeader(QStringLiteral("one"));
    item->Alignment = taCenter;
    item->setEditor(edDataCheckBox);
    item->setFloatFormat(QStringLiteral("%.1f"));
    item->Password = true;
    item->MinSize = 30;
    grid.setColWidths(1, 88);
    grid.setCells(1, 2, QStringLiteral("x"));
    int from = -1, to = -1;
    grid.OnAfterColumnMoved = [&](TExColumnGrid *, int f, int t) { from = f, to = t; };
    grid.MoveColumn(1, 3);
    TGridColumnItem *moved = grid.Columns()[3];
    EXPECT_EQ(moved, item);
    EXPECT_EQ(moved->Header(), QStringLiteral("one"));
    EXPECT_EQ(moved->Alignment, taCenter);
    EXPECT_EQ(moved->Editor(), edDataCheckBox);
    EXPECT_EQ(moved->FloatFormat(), QStringLiteral("%.1f"));
    EXPECT_TRUE(moved->Password);
    EXPECT_EQ(moved->MinSize, 30);
    EXPECT_EQ(moved->Width(), 88);
    EXPECT_EQ(grid.Cells(3, 0), QStringLiteral("one"));
    EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("x"));
    EXPECT_EQ(grid.Columns().Count(), 5);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 3);
}

TEST(ColumnGrid, DataCheckBoxColumnsShareOneGraphic)
{
    TExColumnGrid grid;
    grid.Columns()[2]->setEditor(edDataCheckBox);
    EXPECT_EQ(grid.GetCellType(2, 1), ctDataCheckBox);
    EXPECT_EQ(grid.GetCellType(2, 0), grid.TExStringGrid::GetCellType(2, 0)) << "not in the fixed row";
    EXPECT_NE(grid.GetCellType(3, 1), ctDataCheckBox);
    TCellGraphic *a = grid.GetCellGraphic(2, 1);
    TCellGraphic *b = grid.GetCellGraphic(2, 5);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a->FCellType, ctVirtCheckBox);
    grid.Columns()[2]->CheckTrue = QStringLiteral("J");
    QString v;
    grid.DoGetCheckTrue(2, 1, v);
    EXPECT_EQ(v, QStringLiteral("J"));
}

TEST(ColumnGrid, FloatFormatShowsDecimalNumbersOnly)
{
    TExColumnGrid grid;
    grid.Columns()[1]->setFloatFormat(QStringLiteral("%.2f"));
    struct Case {
        const char *text;
        const char *shown;
    };
    for (const Case c : {Case{"3.14159", "3.14"}, Case{"1e5", "1e5"}, Case{"abc", "abc"}, Case{"7", "7.00"}}) {
        grid.setCells(1, 1, QString::fromUtf8(c.text));
        EXPECT_EQ(grid.GetFormattedCell(1, 1), QString::fromUtf8(c.shown)) << c.text;
    }
    grid.setCells(2, 1, QStringLiteral("3.14159"));
    EXPECT_EQ(grid.GetFormattedCell(2, 1), QStringLiteral("3.14159")) << "another column keeps its text";
}

TEST(ColumnGrid, PrintColoursBordersAndSizeLimits)
{
    TExColumnGrid grid;
    TGridColumnItem *item = grid.Columns()[1];
    item->PrintColor = 0x00FF00;
    item->PrintFont.setSize(14);
    platform::TBrush brush;
    platform::TFont font;
    grid.DoGetCellPrintColor(1, 1, {}, brush, font);
    EXPECT_EQ(brush.Color(), 0x00FF00);
    EXPECT_EQ(font.Size(), 14);
    grid.setColors(1, 2, 0x0000FF);
    grid.DoGetCellPrintColor(1, 2, {}, brush, font);
    EXPECT_EQ(brush.Color(), 0x0000FF) << "the cell's own colour";
    item->Fixed = true;
    grid.DoGetCellPrintColor(1, 1, {}, brush, font);
    EXPECT_EQ(brush.Color(), grid.FixedColor());
    grid.PrintSettings.FixedFont.setSize(20);
    grid.DoGetCellPrintColor(1, 0, {}, brush, font);
    EXPECT_EQ(font.Size(), 20);

    platform::TPen pen;
    TCellBorders borders;
    grid.DoGetCellPrintBorder(1, 1, pen, borders);
    EXPECT_EQ(borders.count(), 4u);

    item->MinSize = 40;
    item->MaxSize = 100;
    struct Case {
        int in, out;
    };
    for (const Case c : {Case{10, 40}, Case{70, 70}, Case{300, 100}}) {
        int w = c.in;
        grid.DoUpdateColumnSize(1, w);
        EXPECT_EQ(w, c.out) << c.in;
    }
}

} // namespace

TEST(ColumnGridEditors, TheSharedComboAndSpinOpenWithTheColumnsLists)
{
    TExColumnGrid grid;
    TGridColumnItem *item = grid.Columns()[2];
    item->setEditor(edComboList);
    item->ComboItems = {QStringLiteral("wired"), QStringLiteral("wireless")};
    item->DropDownCount = 4;
    item->SpinMin = -5;
    item->SpinMax = 50;
    item->SpinStep = 5;
    grid.AddComboString(QStringLiteral("left over"));

    TEditorType editor = edNormal;
    grid.DoGetEditorType(2, 0, editor);
    EXPECT_EQ(editor, edNormal) << "a header cell keeps the grid's editor";
    EXPECT_EQ(grid.GetComboCount(), 1) << "and leaves the lists alone";

    grid.DoGetEditorType(2, 1, editor);
    EXPECT_EQ(editor, edComboList);
    EXPECT_EQ(grid.Combobox().Items, item->ComboItems);
    EXPECT_EQ(grid.Combobox().DropDownCount, 4);
    EXPECT_EQ(grid.ControlLook().DropDownCount, 4);
    EXPECT_EQ(grid.SpinEdit().MinValue, -5);
    EXPECT_EQ(grid.SpinEdit().MaxValue, 50);
    EXPECT_EQ(grid.SpinEdit().Increment, 5);
}

TEST(StringGridComboList, IndexesReadAndWriteTheCellThroughTheList)
{
    TExStringGrid grid;
    int asked = 0;
    grid.OnGetEditorProp = [&](TExStringGrid *g, int, int) {
        ++asked;
        g->ClearComboString();
        for (const char *s : {"C1", "T1", "OMS"})
            g->AddComboString(QString::fromLatin1(s));
    };
    grid.SetComboIndex(1, 1, 2);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("OMS"));
    EXPECT_EQ(grid.GetComboIndex(1, 1), 2);
    grid.setCells(1, 1, QStringLiteral("S1"));
    EXPECT_EQ(grid.GetComboIndex(1, 1), -1) << "a text that is no item";
    EXPECT_EQ(asked, 3) << "the owner fills the list for every cell asked";
    EXPECT_THROW(grid.SetComboIndex(1, 1, 3), std::exception);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("S1")) << "a refused index writes nothing";

    EXPECT_TRUE(grid.SetComboSelectionString(QStringLiteral("T1")));
    EXPECT_EQ(grid.Combobox().ItemIndex, 1);
    EXPECT_FALSE(grid.SetComboSelectionString(QStringLiteral("x")));
    EXPECT_EQ(grid.Combobox().ItemIndex, 1);
    EXPECT_TRUE(grid.RemoveComboString(QStringLiteral("C1")));
    EXPECT_FALSE(grid.RemoveComboString(QStringLiteral("C1")));
    EXPECT_EQ(grid.GetComboCount(), 2);
}
