#include "GridFixture.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(StringGridHooks, ColumnFilterListsDistinctTextsAfterTheClearEntry)
{
    TExStringGrid grid;
    grid.setRowCount(5);
    grid.FilterDropDownAuto = true;
    const char *texts[] = {"a", "b c", "a", ""};
    for (int r = 1; r <= 4; ++r)
        grid.setCells(1, r, QString::fromUtf8(texts[r - 1]));
    EXPECT_TRUE(grid.DoGetColumnFilter(1));
    EXPECT_EQ(grid.FilterList(), (QStringList{"(All)", "", "a", "b c=\"b c\""}));
    // Hidden rows count too, unless filtering is incremental.
    grid.setCells(1, 2, QStringLiteral("z"));
    grid.HideRow(2);
    grid.DoGetColumnFilter(1);
    EXPECT_TRUE(grid.FilterList().contains(QStringLiteral("z")));
    grid.FilterIncremental = true;
    grid.DoGetColumnFilter(1);
    EXPECT_FALSE(grid.FilterList().contains(QStringLiteral("z")));
    grid.FilterDropDownAuto = false;
    EXPECT_FALSE(grid.DoGetColumnFilter(1));
}

TEST(StringGridHooks, SavedTextOfAnEmptyCheckBoxIsItsStateText)
{
    TExStringGrid grid;
    grid.AddCheckBox(1, 1, true, false);
    grid.AddCheckBox(1, 2, false, false);
    grid.AddCheckBox(1, 3, cbChecked);
    QString value;
    grid.DoSaveCell(1, 1, value);
    EXPECT_EQ(value, QStringLiteral("Y"));
    grid.DoSaveCell(1, 2, value);
    EXPECT_EQ(value, QStringLiteral("N"));
    grid.DoSaveCell(1, 3, value);
    EXPECT_EQ(value, QStringLiteral("Y"));
    grid.setCells(2, 1, QStringLiteral("<B>x</B>"));
    grid.DoSaveCell(2, 1, value);
    EXPECT_EQ(value, QStringLiteral("<B>x</B>"));
    grid.SaveWithHTML = false;
    grid.DoSaveCell(2, 1, value);
    EXPECT_EQ(value, QStringLiteral("x"));
}

TEST(StringGridHooks, AutoDeleteOfTheOnlyRowEmptiesIt)
{
    struct Case {
        int rows;
        bool fixedRowAlways;
        int rowsAfter;
    };
    const Case cases[] = {{2, false, 2}, {2, true, 1}, {4, false, 3}};
    for (const Case &c : cases) {
        TExStringGrid grid;
        grid.setRowCount(c.rows);
        grid.setFixedRowAlways(c.fixedRowAlways);
        grid.setCells(1, 1, QStringLiteral("text"));
        int reported = -1;
        grid.OnAutoDeleteRow = [&](TExStringGrid *, int row) { reported = row; };
        grid.DoAutoDeleteRow(1);
        EXPECT_EQ(grid.RowCount(), c.rowsAfter) << c.rows;
        if (c.rowsAfter == c.rows) {
            EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
        }
        EXPECT_EQ(reported, 1);
    }
}

TEST(StringGridHooks, FixedCellsAreAnsweredByTheGridsOwnRulesFirst)
{
    TExStringGrid grid;
    int asked = 0;
    grid.OnIsFixedCell = [&](TExStringGrid *, int, int, bool &fixed) {
        ++asked;
        fixed = true;
    };
    bool fixed = false;
    grid.DoIsFixedCell(0, 3, fixed);
    EXPECT_TRUE(fixed);
    EXPECT_EQ(asked, 0);
    fixed = false;
    grid.DoIsFixedCell(2, 3, fixed);
    EXPECT_TRUE(fixed);
    EXPECT_EQ(asked, 1);
    grid.OnIsFixedCell = nullptr;
    grid.setFixedFooters(1);
    EXPECT_TRUE(grid.IsFixed(2, 9));
    EXPECT_FALSE(grid.IsFixed(2, 8));
}

TEST(StringGridHooks, EditabilityFollowsReadOnlyAndEditing)
{
    TExStringGrid grid;
    bool canEdit = true;
    grid.CheckCellEditable(2, 2, canEdit);
    EXPECT_TRUE(canEdit); // no record: as the caller passed it
    grid.setReadOnly(2, 2, false);
    canEdit = true;
    grid.CheckCellEditable(2, 2, canEdit);
    EXPECT_FALSE(canEdit); // goEditing is off
    grid.setOptions(grid.Options() | goEditing);
    canEdit = true;
    grid.CheckCellEditable(2, 2, canEdit);
    EXPECT_TRUE(canEdit);
    grid.setReadOnly(2, 2, true);
    EXPECT_FALSE(grid.IsEditableCell(2, 2));
}

TEST(StringGridHooks, RowInsertionHooksAskTheOwner)
{
    TExStringGrid grid;
    bool canAdd = true;
    grid.DoCanAddRow(canAdd);
    EXPECT_TRUE(canAdd);
    grid.OnCanAddRow = [](TExStringGrid *, bool &can) { can = false; };
    grid.DoCanAddRow(canAdd);
    EXPECT_FALSE(canAdd);
    int askedRow = -1;
    grid.OnCanInsertRow = [&](TExStringGrid *, int row, bool &can) {
        askedRow = row;
        can = false;
    };
    bool canInsert = true;
    grid.DoCanInsertRow(4, canInsert);
    EXPECT_EQ(askedRow, 4);
    EXPECT_FALSE(canInsert);
}

} // namespace

namespace {

TEST(StringGridHooks, NumbersShowThroughTheOwnersFloatFormat)
{
    TExStringGrid grid;
    grid.setCells(1, 1, QStringLiteral("3.14159"));
    grid.setCells(1, 2, QStringLiteral("42"));
    grid.setCells(1, 3, QStringLiteral("text"));
    EXPECT_EQ(grid.GetFormattedCell(1, 1), QStringLiteral("3.14159"));
    grid.OnGetFloatFormat = [](TExStringGrid *, int, int row, bool &isFloat, QString &format) {
        if (row == 2)
            format = QStringLiteral("%.4d");
        if (row == 4)
            format = QStringLiteral("%s");
    };
    EXPECT_EQ(grid.GetFormattedCell(1, 1), QStringLiteral("3.14"));
    EXPECT_EQ(grid.GetFormattedCell(1, 2), QStringLiteral("0042"));
    EXPECT_EQ(grid.GetFormattedCell(1, 3), QStringLiteral("text"));
    grid.setCells(1, 4, QStringLiteral("7"));
    EXPECT_EQ(grid.GetFormattedCell(1, 4), QStringLiteral("7")); // a format that does not fit
}

} // namespace

namespace {

class CountingNotifier : public TGridChangeNotifier {
public:
    int calls = 0;
    void CellsChanged(const platform::TRect &) override { ++calls; }
};

class RecordingListener : public ITExStringGridSelect {
public:
    int col = -1;
    int row = -1;
    void CellSelected(int ACol, int ARow) override
    {
        col = ACol;
        row = ARow;
    }
};

TEST(StringGridHooks, ActiveCellHeadersAndCellFontsColourTheCell)
{
    TExStringGrid grid;
    grid.ActiveCellShow = true;
    grid.FocusCell(3, 5);
    platform::TBrush brush;
    platform::TFont font;
    brush.setColor(0xFFFFFF);
    grid.DoGetCellColor(0, 5, {}, brush, font);
    EXPECT_EQ(brush.Color(), grid.ActiveCellColor);
    EXPECT_TRUE(font.Style().bold);
    brush.setColor(0xFFFFFF);
    grid.DoGetCellColor(3, 0, {}, brush, font);
    EXPECT_EQ(brush.Color(), grid.ActiveCellColor);
    brush.setColor(0xFFFFFF);
    grid.DoGetCellColor(2, 0, {}, brush, font);
    EXPECT_EQ(brush.Color(), platform::TColor(0xFFFFFF));
    // A check box keeps the brush it was given but takes the record's font.
    grid.AddCheckBox(2, 2, false, false);
    grid.setColors(2, 2, 0x0000FF);
    grid.setFontColors(2, 2, 0x00FF00);
    platform::TFont cellFont;
    grid.DoGetCellColor(2, 2, {}, brush, cellFont);
    EXPECT_EQ(brush.Color(), platform::TColor(0xFFFFFF));
    EXPECT_EQ(cellFont.Color(), platform::TColor(0x00FF00));
    grid.setColors(3, 3, 0x0000FF);
    grid.DoGetCellColor(3, 3, {}, brush, cellFont);
    EXPECT_EQ(brush.Color(), platform::TColor(0x0000FF));
}

TEST(StringGridHooks, EditorButtonsFollowTheEditorKind)
{
    TExStringGrid grid;
    grid.ControlLook().DropDownAlwaysVisible = true;
    grid.ControlLook().SpinButtonsAlwaysVisible = true;
    grid.OnGetEditorType = [](TExStringGrid *, int col, int, TEditorType &editor) {
        if (col == 2)
            editor = edComboList;
        if (col == 3)
            editor = edSpinEdit;
        if (col == 4)
            editor = edNone;
    };
    EXPECT_TRUE(grid.DoHasComboBox(2, 2));
    EXPECT_FALSE(grid.DoHasComboBox(3, 2));
    EXPECT_TRUE(grid.DoHasSpinEdit(3, 2));
    EXPECT_FALSE(grid.DoHasSpinEdit(3, 0)); // fixed cells never
    grid.OnHasSpinEdit = [](TExStringGrid *, int, int, bool &has) { has = true; };
    EXPECT_FALSE(grid.DoHasSpinEdit(0, 2));
    EXPECT_TRUE(grid.HasNoEditor(4, 2));
    EXPECT_FALSE(grid.HasNoEditor(2, 2));
}

TEST(StringGridHooks, NotifiersAndTheSelectionListenerAreTold)
{
    TExStringGrid grid;
    CountingNotifier notifier;
    grid.RegisterNotifier(&notifier);
    grid.RegisterNotifier(&notifier);
    grid.InsertRows(2, 1);
    EXPECT_EQ(notifier.calls, 1);
    grid.UnRegisterNotifier(&notifier);
    grid.InsertRows(2, 1);
    EXPECT_EQ(notifier.calls, 1);
    RecordingListener listener;
    grid.RegisterSelListener(&listener);
    grid.FocusCell(2, 4);
    EXPECT_EQ(listener.row, 4);
    grid.UnRegisterSelListener(nullptr);
    grid.FocusCell(2, 6);
    EXPECT_EQ(listener.row, 4);
}

TEST(StringGridHooks, HotmailRowSelectCentresColumnZero)
{
    TExStringGrid grid;
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    grid.DoGetAlignment(0, 2, h, v);
    EXPECT_EQ(h, taLeftJustify);
    grid.MouseActions().setHotmailRowSelect(true);
    grid.DoGetAlignment(0, 2, h, v);
    EXPECT_EQ(h, taCenter);
}

} // namespace
