// Finding and narrowing rows by typing, and the rows the popup grid holds.
#include "GridDropDownFixture.h"

#include <gtest/gtest.h>

using namespace griddroptest;
using namespace controls::griddd;

TEST(GridDropDown, AnswersItsVersion)
{
    GridDropDownWindow w;
    EXPECT_EQ(w.dropDown->Version(), QStringLiteral("1.1.0.0"));
}

TEST(GridDropDown, ThreeItemsInTwoColumnsGiveAHeaderAndThreeRowsNamingTheirItems)
{
    GridDropDownWindow w;
    w.openPopup();
    ASSERT_EQ(w.grid().RowCount(), 4);
    EXPECT_EQ(w.column(0), (QStringList{"Name", "Alpha", "Beta", "Bravo"}));
    EXPECT_EQ(w.column(1), (QStringList{"Order", "3", "1", "2"}));
    EXPECT_EQ(w.grid().Objects(0, 0), -1);
    EXPECT_EQ(w.grid().Objects(1, 0), -1);
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(w.grid().Objects(0, row), row - 1);
}

TEST(GridDropDown, TypingInTheOpenPopupFindsTheRowByPrefix)
{
    struct Case {
        bool caseSensitive;
        QString typed;
        int row; // current popup grid row afterwards
    };
    const Case cases[] = {
        {false, "b", 2}, {false, "br", 3}, {false, "BR", 3}, {true, "b", 1}, {true, "B", 2}, {true, "Br", 3},
    };
    for (const Case &c : cases) {
        GridDropDownWindow w;
        w.dropDown->setCaseSensitive(c.caseSensitive);
        w.openPopup();
        for (const QChar ch : c.typed)
            w.type(Qt::Key_A + (ch.toUpper().unicode() - 'A'), QString(ch));
        EXPECT_EQ(w.grid().Row(), c.row) << c.typed.toStdString() << " case sensitive " << c.caseSensitive;
    }
}

TEST(GridDropDown, NarrowingDownKeepsTheHeaderAndTheRowsContainingTheEntry)
{
    GridDropDownWindow w;
    w.dropDown->setLookupMethod(lmNarrowDown);
    w.openPopup();
    w.typeText("ra");
    EXPECT_EQ(w.column(0), (QStringList{"Name", "Bravo"}));
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Bravo"));
    // Backspace to an empty entry shows every row again (the first takes
    // the completed part the edit shows selected).
    for (int i = 0; i < 3; ++i)
        w.type(Qt::Key_Backspace, QString(QChar(8)));
    EXPECT_EQ(w.column(0), (QStringList{"Name", "Alpha", "Beta", "Bravo"}));
    // An entry no row contains leaves the header row.
    w.typeText("zz");
    EXPECT_EQ(w.column(0), (QStringList{"Name"}));
    // Entering the control lifts the filters.
    w.typeText("");
    w.type(Qt::Key_Escape);
    settle();
    ASSERT_FALSE(w.open());
    w.enterControl();
    EXPECT_EQ(w.grid().RowCount(), 4);
}

TEST(GridDropDown, AnEntryWithBlanksNarrowsToTheRowsContainingItWhole)
{
    GridDropDownWindow w({{"Heat, building 1"}, {"Heat, building 12"}, {"Cold, building 2"}, {"building"}});
    w.dropDown->setLookupMethod(lmNarrowDown);
    w.openPopup();
    // The blank is trimmed while it ends the entry, so "building 1" comes
    // two characters after "building".
    for (const QChar c : QStringLiteral("building 1"))
        w.dropDown->PopupLookupKey(c);
    EXPECT_EQ(w.column(0), (QStringList{"Name", "Heat, building 1", "Heat, building 12"}));
    // Backspace takes the edit's selection first, then the entry's last
    // character.
    w.dropDown->deselect();
    w.dropDown->PopupLookupKey(QChar(8));
    w.dropDown->PopupLookupKey(QChar('2'));
    EXPECT_EQ(w.column(0), (QStringList{"Name", "Cold, building 2"}));
}

TEST(GridDropDown, ADropDownListRestartsTheSearchWithACharacterThatContinuesNoEntry)
{
    GridDropDownWindow w;
    w.dropDown->setStyle(dsDropDownList);
    w.openPopup();
    w.typeText("b");
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Beta"));
    w.typeText("a");
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Alpha"));
    EXPECT_EQ(w.dropDown->LookupEntry(), QStringLiteral("a"));
    EXPECT_EQ(w.grid().Row(), 1);
}

TEST(GridDropDown, TheChosenItemStaysCurrentAfterAHeaderSort)
{
    GridDropDownWindow w;
    w.dropDown->setSorting(gsSingleColumn);
    w.dropDown->setItemIndex(0);
    w.openPopup();
    ASSERT_EQ(w.grid().Row(), 1);
    editortest::click(w.grid(), w.cellCentre(1, 0));
    // Sorted by order: Beta, Bravo, Alpha, each row still naming its item.
    EXPECT_EQ(w.column(0), (QStringList{"Name", "Beta", "Bravo", "Alpha"}));
    EXPECT_EQ(w.grid().Objects(0, 1), 1);
    EXPECT_EQ(w.grid().Objects(0, 3), 0);
    EXPECT_EQ(w.grid().Row(), 3);
    EXPECT_EQ(w.dropDown->ItemIndex(), 0);
    // Choosing the first row after the sort chooses the item stored there.
    w.type(Qt::Key_Home);
    w.type(Qt::Key_Return);
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Beta"));
}

TEST(GridDropDown, RowsAndItemsMapThroughTheStoredObjectsAndNothingElse)
{
    GridDropDownWindow w;
    w.openPopup();
    struct Case {
        int from;
        int to;
    };
    // The header and rows beyond the grid name no item.
    for (const Case c : {Case{0, -1}, Case{1, 0}, Case{3, 2}, Case{4, -1}, Case{100, -1}, Case{-1, -1}})
        EXPECT_EQ(w.dropDown->RowToItemIndex(c.from), c.to) << "row " << c.from;
    // An item no row shows has no row.
    for (const Case c : {Case{0, 1}, Case{2, 3}, Case{-1, -1}, Case{3, -1}, Case{7, -1}})
        EXPECT_EQ(w.dropDown->ItemIndexToRow(c.from), c.to) << "item " << c.from;
}

TEST(GridDropDown, LoadingNoItemsLeavesOnlyTheHeaderRow)
{
    GridDropDownWindow w;
    w.openPopup();
    w.type(Qt::Key_Escape);
    w.setRows({});
    w.openPopup();
    EXPECT_EQ(w.column(0), (QStringList{"Name"}));
    EXPECT_EQ(w.column(1), (QStringList{"Order"}));
    // Enter on the header chooses nothing.
    w.type(Qt::Key_Return);
    EXPECT_EQ(w.dropDown->ItemIndex(), -1);
}

TEST(GridDropDown, TheEditCompletesAnEntryOfAnyLength)
{
    const QString longName = QStringLiteral("L") + QString(299, QChar('x'));
    GridDropDownWindow w({{"Alpha", "1"}, {longName, "2"}});
    w.type(Qt::Key_L, QStringLiteral("L"));
    EXPECT_EQ(w.dropDown->text(), longName);
    EXPECT_EQ(w.dropDown->selectedText().size(), 299);
}

TEST(GridDropDown, WithoutItemsTheIndexNamesAStoredDataRowEvenWhileFiltered)
{
    GridDropDownWindow w;
    w.dropDown->setUseItems(false);
    w.dropDown->setLookupMethod(lmNarrowDown);
    TExColGrid &grid = w.grid();
    grid.setColCount(2);
    grid.setRowCount(4);
    const QStringList names{"Name", "Alpha", "Beta", "Bravo"};
    for (int row = 0; row < 4; ++row)
        grid.setCells(0, row, names[row]);
    w.dropDown->setItemIndex(0);
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Alpha"));
    w.openPopup();
    w.typeText("ra");
    ASSERT_EQ(w.column(0), (QStringList{"Name", "Bravo"}));
    w.type(Qt::Key_Return);
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Bravo"));
    EXPECT_EQ(w.dropDown->ItemIndex(), 2);
    // The filters are gone on entering the control; the index still names Bravo.
    w.enterControl();
    EXPECT_EQ(grid.RowCount(), 4);
    w.dropDown->setItemIndex(1);
    w.dropDown->setItemIndex(2);
    EXPECT_EQ(w.dropDown->Text(), QStringLiteral("Bravo"));
}

TEST(GridDropDown, ThePopupShowsWholeRowsOnly)
{
    struct Case {
        int rowHeight;
        int height;
    };
    // 200 without strips, header 25: 25 + 7 x 22 + 6; a row height of 0
    // counts as 1.
    for (const Case c : {Case{22, 185}, Case{0, 204}, Case{1, 204}}) {
        GridDropDownWindow w;
        w.dropDown->setDropDownRowHeight(c.rowHeight);
        w.dropDown->setDropDownHeight(200);
        w.openPopup();
        EXPECT_EQ(w.popup().height(), c.height) << c.rowHeight;
    }
}
