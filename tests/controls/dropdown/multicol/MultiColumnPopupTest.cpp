// The open popup list: its type-ahead, the edit following the highlighted
// row, choosing by Enter and by click, cancel, and the popup's sizes.
#include "MultiColumnFixture.h"

#include <QWheelEvent>

#include <utility>

#include <gtest/gtest.h>

using namespace multicoltest;

namespace {

void wheelOn(QWidget &target, int delta)
{
    QWheelEvent event(QPointF(20, 40), target.mapToGlobal(QPointF(20, 40)), {}, {0, delta}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&target, &event);
}

// The middle of a row of the list.
QPoint rowCentre(const TExColGrid &grid, int row)
{
    const platform::TRect r = grid.CellRect(0, row);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

TEST(MultiColumnPopup, TypeAheadFindsStartsOverAndClears)
{
    MultiColumnWindow w;
    w.openPopup();
    ASSERT_TRUE(w.open());
    ASSERT_TRUE(w.grid().hasFocus());
    struct Step {
        int key;
        QString text;
        int row;
        QString shown;
        QString entry;
    };
    const Step steps[] = {
        {Qt::Key_B, "b", 2, "Beta", "b"},
        {Qt::Key_R, "r", 3, "Bravo", "br"},
        {Qt::Key_Z, "z", 3, "Bravo", ""},
        {Qt::Key_A, "a", 1, "Alpha", "a"},
    };
    for (const Step &s : steps) {
        w.type(s.key, s.text);
        EXPECT_EQ(w.grid().Row(), s.row) << s.text.toStdString();
        EXPECT_EQ(w.dropDown->text(), s.shown) << s.text.toStdString();
        EXPECT_EQ(w.dropDown->LookupEntry(), s.entry) << s.text.toStdString();
    }
    EXPECT_EQ(w.dropDown->selectedText(), "lpha");
    EXPECT_TRUE(w.open());
}

TEST(MultiColumnPopup, TypeAheadCaseSensitiveAndBackspace)
{
    MultiColumnWindow w;
    w.dropDown->setCaseSensitive(true);
    w.openPopup();
    w.type(Qt::Key_B, "b");
    EXPECT_EQ(w.dropDown->LookupEntry(), "");
    w.type(Qt::Key_B, "B");
    w.type(Qt::Key_R, "r");
    EXPECT_EQ(w.dropDown->LookupEntry(), "Br");
    EXPECT_EQ(w.grid().Row(), 3);
    // The selection of the completed part goes first...
    w.type(Qt::Key_Backspace, "\b");
    EXPECT_EQ(w.dropDown->text(), "Br");
    // ...then the entry loses its last character.
    w.type(Qt::Key_Backspace, "\b");
    EXPECT_EQ(w.dropDown->LookupEntry(), "B");
    EXPECT_EQ(w.dropDown->text(), "B");
    EXPECT_TRUE(w.open());
}

TEST(MultiColumnPopup, EditFollowsTheHighlightedRowButNotTheWheel)
{
    MultiColumnWindow w;
    w.dropDown->setItemIndex(0);
    w.openPopup();
    w.type(Qt::Key_Down);
    EXPECT_EQ(w.grid().Row(), 2);
    EXPECT_EQ(w.dropDown->text(), "Beta");
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
    wheelOn(w.grid(), -120);
    EXPECT_EQ(w.grid().Row(), 3);
    EXPECT_EQ(w.dropDown->text(), "Beta");
    EXPECT_TRUE(w.open());
}

TEST(MultiColumnPopup, EnterClosesThenRaisesOnSelect)
{
    MultiColumnWindow w;
    w.openPopup();
    w.type(Qt::Key_Down);
    w.type(Qt::Key_Return, "\r");
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.log, QStringList({"OnDropUp kept 1 \"Beta\"", "OnSelect 1 \"Beta\""}));
}

TEST(MultiColumnPopup, ClickOnADataRowChoosesItOnTheHeaderNothing)
{
    MultiColumnWindow w;
    w.openPopup();
    editortest::click(w.grid(), rowCentre(w.grid(), 0));
    EXPECT_TRUE(w.open());
    EXPECT_TRUE(w.log.isEmpty());
    editortest::click(w.grid(), rowCentre(w.grid(), 3));
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.log, QStringList({"OnDropUp kept 2 \"Bravo\"", "OnSelect 2 \"Bravo\""}));
}

TEST(MultiColumnPopup, RightClickChoosesNothing)
{
    MultiColumnWindow w;
    w.openPopup();
    const QPoint at = rowCentre(w.grid(), 3);
    editortest::mouse(w.grid(), QEvent::MouseButtonPress, at, Qt::RightButton);
    editortest::mouse(w.grid(), QEvent::MouseButtonRelease, at, Qt::RightButton);
    EXPECT_TRUE(w.open());
    EXPECT_TRUE(w.log.isEmpty());
}

TEST(MultiColumnPopup, CancelRestoresTheItemBeforeOnDropUp)
{
    MultiColumnWindow w;
    w.dropDown->setItemIndex(0);
    w.openPopup();
    w.type(Qt::Key_Down);
    w.type(Qt::Key_Down);
    EXPECT_EQ(w.dropDown->ItemIndex(), 2);
    w.type(Qt::Key_Escape, "\x1b");
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.dropDown->ItemIndex(), 0);
    EXPECT_EQ(w.log, QStringList({"OnDropUp cancelled 0 \"Alpha\""}));
}

TEST(MultiColumnPopup, AWheelMoveAndAClickElsewhereKeepTheItem)
{
    MultiColumnWindow w;
    w.dropDown->setItemIndex(1);
    w.openPopup();
    wheelOn(w.grid(), -120);
    EXPECT_EQ(w.grid().Row(), 3);
    // What a click elsewhere does: the popup is deactivated.
    w.dropDown->DropDownFormDeactivated(w.dropDown->DropDownForm()->CancelOnDeActivate());
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
    EXPECT_EQ(w.dropDown->text(), "Beta");
}

TEST(MultiColumnPopup, AltDownClosesDownMoves)
{
    MultiColumnWindow w;
    w.openPopup();
    w.type(Qt::Key_Down);
    EXPECT_EQ(w.grid().Row(), 2);
    EXPECT_TRUE(w.open());
    w.type(Qt::Key_Down, {}, Qt::AltModifier);
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
}

TEST(MultiColumnPopup, TabStaysInTheList)
{
    MultiColumnWindow w;
    w.openPopup();
    w.type(Qt::Key_Tab, "\t");
    EXPECT_TRUE(w.open());
    EXPECT_TRUE(w.grid().hasFocus());
}

TEST(MultiColumnPopup, WithoutItemsEnterChoosesNothing)
{
    MultiColumnWindow w(QList<QStringList>{});
    w.dropDown->setText("typed");
    w.openPopup();
    EXPECT_EQ(w.grid().RowCount(), 1);
    EXPECT_EQ(w.grid().FixedRows(), 1);
    w.type(Qt::Key_Return, "\r");
    EXPECT_FALSE(w.open());
    EXPECT_EQ(w.dropDown->text(), "typed");
    EXPECT_EQ(w.dropDown->ItemIndex(), -1);
    EXPECT_FALSE(w.log.contains(QStringLiteral("OnSelect -1 \"\"")));
    for (const QString &line : w.log)
        EXPECT_FALSE(line.startsWith("OnSelect")) << line.toStdString();
}

TEST(MultiColumnPopup, HeightShowsWholeRows)
{
    MultiColumnWindow w;
    EXPECT_EQ(w.dropDown->DropDownHeight(), 200);
    w.openPopup();
    EXPECT_EQ(w.popup().height(), 181);
}

TEST(MultiColumnPopup, RowHeightZeroDoesNotDivideByZero)
{
    MultiColumnWindow w;
    w.dropDown->setDropDownRowHeight(0);
    w.openPopup();
    EXPECT_EQ(w.popup().height(), 200);
}

TEST(MultiColumnPopup, AutoWidthFromTheGridsWidth)
{
    MultiColumnWindow w;
    w.dropDown->Columns()[0].setWidth(120);
    w.dropDown->Columns()[1].setWidth(90);
    w.dropDown->setColumnSizeWithDropDown(false);
    w.openPopup();
    // Three rows fit: no scroll bar.
    EXPECT_EQ(w.grid().GetGridWidth(), 210);
    EXPECT_EQ(w.popup().width(), 212);
}

TEST(MultiColumnPopup, FitColumnsStretchesTheListNotColumns)
{
    MultiColumnWindow w;
    w.dropDown->setDropDownAutoWidth(false);
    w.dropDown->setDropDownWidth(401);
    w.dropDown->Columns()[0].setWidth(100);
    w.dropDown->Columns()[1].setWidth(99);
    w.openPopup();
    // F = 401 / 200.
    EXPECT_EQ(w.grid().ColWidths(0) + w.grid().ColWidths(1), 399);
    // 100 x 2.005 = 200.5 rounds to the even 200.
    EXPECT_EQ(w.grid().ColWidths(0), 200);
    EXPECT_EQ(w.dropDown->Columns()[0].Width(), 100);
    EXPECT_EQ(w.grid().ScrollBars(), controls::ssVertical);
}

TEST(MultiColumnPopup, ResizingThePopupFitsTheColumnsAgain)
{
    MultiColumnWindow w;
    w.openPopup();
    const int before = w.grid().ColWidths(0) + w.grid().ColWidths(1);
    w.popup().resize(w.popup().width() + 100, w.popup().height());
    settle();
    EXPECT_GT(w.grid().ColWidths(0) + w.grid().ColWidths(1), before + 90);
    EXPECT_EQ(w.dropDown->Columns()[0].Width(), 80);
}

TEST(MultiColumnPopup, OpeningScrollsTheChosenRowIntoView)
{
    QList<QStringList> rows;
    for (int i = 0; i < 30; ++i)
        rows << QStringList{QStringLiteral("Meter %1").arg(i)};
    MultiColumnWindow w(rows);
    w.dropDown->setItemIndex(25);
    w.openPopup();
    EXPECT_EQ(w.grid().Row(), 26);
    EXPECT_LE(w.grid().TopRow(), 26);
    EXPECT_GT(w.grid().TopRow() + w.grid().VisibleRowCount(), 26);
    EXPECT_EQ(w.dropDown->text(), "Meter 25");
}

TEST(MultiColumnPopup, TypeAheadScrollsTheFoundRowIntoAFullPage)
{
    QList<QStringList> rows;
    for (const char *name : {"Alpha", "Beta", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel",
                             "India", "Juliett", "Kilo", "Lima", "Mike"})
        rows << QStringList{QString::fromLatin1(name)};
    MultiColumnWindow w(rows);
    w.openPopup();
    w.type(Qt::Key_K, "k");
    EXPECT_EQ(w.grid().Row(), 12);
    // Kilo shows, and the page below it is full.
    EXPECT_EQ(w.grid().TopRow(), w.grid().MaxTopRow());
    EXPECT_LE(w.grid().TopRow(), 12);
    w.type(Qt::Key_D, "d");
    EXPECT_EQ(w.grid().Row(), 5);
    EXPECT_EQ(w.grid().TopRow(), 5);
}

TEST(MultiColumnPopup, HandlersMayFreeTheDropDown)
{
    const auto freeing = [](MultiColumnWindow &w) {
        // The handler goes with the drop-down: nothing of it is read after.
        return [&w](auto &&...) { delete std::exchange(w.dropDown, nullptr); };
    };
    {
        MultiColumnWindow w;
        w.openPopup();
        TExColGrid *grid = &w.grid();
        w.dropDown->OnSelect = freeing(w);
        editortest::click(*grid, rowCentre(*grid, 2));
        settle();
        EXPECT_EQ(w.dropDown, nullptr);
    }
    {
        MultiColumnWindow w;
        w.openPopup();
        w.dropDown->OnDropUp = freeing(w);
        w.type(Qt::Key_Return, "\r");
        settle();
        EXPECT_EQ(w.dropDown, nullptr);
    }
}

} // namespace
