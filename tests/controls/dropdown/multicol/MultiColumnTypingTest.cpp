// Typing in the edit: completion from the lookup column, Enter, Escape,
// the keys that complete nothing, and the arrows, pages and wheel while
// the popup is closed.
#include "MultiColumnFixture.h"

#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace multicoltest;

namespace {

TEST(MultiColumnTyping, CompletesAndOnReleaseTakesTheItemsCase)
{
    MultiColumnWindow w;
    down(*w.dropDown, Qt::Key_B, "b");
    EXPECT_EQ(w.dropDown->text(), "beta");
    EXPECT_EQ(w.dropDown->selectedText(), "eta");
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
    up(*w.dropDown, Qt::Key_B, "b");
    EXPECT_EQ(w.dropDown->text(), "Beta");
    EXPECT_EQ(w.dropDown->selectedText(), "eta");
    EXPECT_EQ(w.dropDown->cursorPosition(), 1);
}

TEST(MultiColumnTyping, NoMatchLeavesTheTypedText)
{
    MultiColumnWindow w;
    down(*w.dropDown, Qt::Key_B, "b");
    down(*w.dropDown, Qt::Key_X, "x");
    EXPECT_EQ(w.dropDown->text(), "bx");
    EXPECT_FALSE(w.dropDown->hasSelectedText());
}

TEST(MultiColumnTyping, MatchingIgnoresCase)
{
    MultiColumnWindow w;
    w.dropDown->setCaseSensitive(true); // the popup's setting only
    key(*w.dropDown, Qt::Key_B, "B");
    key(*w.dropDown, Qt::Key_R, "R");
    EXPECT_EQ(w.dropDown->text(), "Bravo");
    EXPECT_EQ(w.dropDown->selectedText(), "avo");
    EXPECT_EQ(w.dropDown->ItemIndex(), 2);
}

TEST(MultiColumnTyping, BackspaceDeleteAndEscapeCompleteNothing)
{
    MultiColumnWindow w;
    w.dropDown->setText("Bet");
    w.dropDown->setCursorPosition(3);
    key(*w.dropDown, Qt::Key_A, "a");
    EXPECT_EQ(w.dropDown->text(), "Beta");
    key(*w.dropDown, Qt::Key_Backspace, "\b");
    EXPECT_EQ(w.dropDown->text(), "Bet");
    w.dropDown->setCursorPosition(0);
    key(*w.dropDown, Qt::Key_Delete);
    EXPECT_EQ(w.dropDown->text(), "et");
}

TEST(MultiColumnTyping, EnterOnAnItemsTextInAnyCaseChoosesIt)
{
    MultiColumnWindow w;
    w.dropDown->setText("bRAVO");
    EXPECT_EQ(w.dropDown->ItemIndex(), -1);
    key(*w.dropDown, Qt::Key_Return, "\r");
    EXPECT_EQ(w.dropDown->text(), "Bravo");
    EXPECT_EQ(w.dropDown->ItemIndex(), 2);
}

TEST(MultiColumnTyping, EscapeWhileClosedClearsATextThatIsNoItem)
{
    MultiColumnWindow w;
    w.dropDown->setText("Gamma");
    key(*w.dropDown, Qt::Key_Escape, "\x1b");
    EXPECT_EQ(w.dropDown->text(), "");
    EXPECT_EQ(w.dropDown->ItemIndex(), -1);
    w.dropDown->setText("beta");
    key(*w.dropDown, Qt::Key_Escape, "\x1b");
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
    EXPECT_EQ(w.dropDown->text(), "Beta");
}

TEST(MultiColumnTyping, TextAfterTheCaretStaysWhenNothingMatches)
{
    MultiColumnWindow w;
    w.dropDown->setText("ab");
    w.dropDown->setCursorPosition(1);
    key(*w.dropDown, Qt::Key_X, "x");
    EXPECT_EQ(w.dropDown->text(), "axb");
    EXPECT_EQ(w.dropDown->cursorPosition(), 2);
}

TEST(MultiColumnTyping, TextSetInCodeCompletesNothing)
{
    MultiColumnWindow w({{"Beta2"}, {"Beta"}});
    w.dropDown->setItemIndex(1);
    EXPECT_EQ(w.dropDown->text(), "Beta");
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
    w.dropDown->setText("Bet");
    EXPECT_EQ(w.dropDown->text(), "Bet");
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
}

TEST(MultiColumnTyping, CompletesTheWholeRestOfALongItem)
{
    const QString longName = "Heat meter " + QString(400, u'z');
    MultiColumnWindow w({{longName}});
    key(*w.dropDown, Qt::Key_H, "h");
    EXPECT_EQ(w.dropDown->text(), longName);
    EXPECT_EQ(w.dropDown->selectedText().size(), longName.size() - 1);
}

TEST(MultiColumnTyping, ItemsAddedWithoutEndUpdateAreUnknownToTheEdit)
{
    MultiColumnWindow w;
    w.dropDown->Items().Add()->setText({"Gamma", "fourth"});
    key(*w.dropDown, Qt::Key_G, "g");
    EXPECT_EQ(w.dropDown->text(), "g");
    w.dropDown->setText("Gamma");
    key(*w.dropDown, Qt::Key_Return, "\r");
    EXPECT_EQ(w.dropDown->ItemIndex(), -1);
    // The open list reads the items as they are.
    w.openPopup();
    EXPECT_EQ(w.grid().RowCount(), 5);
    w.type(Qt::Key_Escape, "\x1b");
    w.dropDown->EndUpdate();
    w.dropDown->setText("");
    key(*w.dropDown, Qt::Key_G, "g");
    EXPECT_EQ(w.dropDown->text(), "Gamma");
}

TEST(MultiColumnTyping, ModifiedComparesWithTheTextAtFocusGain)
{
    MultiColumnWindow w;
    w.dropDown->setItemIndex(1);
    EXPECT_FALSE(w.dropDown->isModified());
    w.other->setFocus();
    w.dropDown->setFocus(Qt::TabFocusReason);
    settle();
    key(*w.dropDown, Qt::Key_Down);
    EXPECT_EQ(w.dropDown->text(), "Bravo");
    EXPECT_TRUE(w.dropDown->isModified());
    key(*w.dropDown, Qt::Key_Up);
    EXPECT_EQ(w.dropDown->text(), "Beta");
    EXPECT_FALSE(w.dropDown->isModified());
}

TEST(MultiColumnMoves, PagesArrowsAndWheelWhileClosed)
{
    QList<QStringList> rows;
    for (int i = 0; i < 10; ++i)
        rows << QStringList{QStringLiteral("Meter %1").arg(i)};
    MultiColumnWindow w(rows);
    w.dropDown->setItemIndex(5);
    key(*w.dropDown, Qt::Key_PageDown);
    EXPECT_EQ(w.dropDown->ItemIndex(), 9);
    w.dropDown->setItemIndex(5);
    key(*w.dropDown, Qt::Key_PageUp);
    EXPECT_EQ(w.dropDown->ItemIndex(), 0);
    key(*w.dropDown, Qt::Key_Down);
    key(*w.dropDown, Qt::Key_Down);
    EXPECT_EQ(w.dropDown->ItemIndex(), 2);
    EXPECT_EQ(w.dropDown->text(), "Meter 2");
    key(*w.dropDown, Qt::Key_Up);
    EXPECT_EQ(w.dropDown->ItemIndex(), 1);
    const auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(5, 5), w.dropDown->mapToGlobal(QPointF(5, 5)), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.dropDown, &event);
    };
    wheel(-120);
    EXPECT_EQ(w.dropDown->ItemIndex(), 2);
    wheel(120);
    wheel(120);
    EXPECT_EQ(w.dropDown->ItemIndex(), 0);
    // Home and End move the caret in an edit that can be typed in.
    key(*w.dropDown, Qt::Key_End);
    EXPECT_EQ(w.dropDown->ItemIndex(), 0);
    w.dropDown->setEditorEnabled(false);
    key(*w.dropDown, Qt::Key_End);
    EXPECT_EQ(w.dropDown->ItemIndex(), 9);
    key(*w.dropDown, Qt::Key_Home);
    EXPECT_EQ(w.dropDown->ItemIndex(), 0);
}

TEST(MultiColumnItemsAndLookup, GetItemIndexIsExact)
{
    MultiColumnWindow w({{"Beta"}, {"beta"}, {}});
    EXPECT_EQ(w.dropDown->GetItemIndex("beta"), 1);
    EXPECT_EQ(w.dropDown->GetItemIndex("BETA"), -1);
    // An item without a text in the column reads as empty.
    EXPECT_EQ(w.dropDown->GetItemIndex(""), 2);
    EXPECT_EQ(w.dropDown->Items().IndexInColumn(0, ""), -1);
}

TEST(MultiColumnItemsAndLookup, LookupColumnBeyondTextsIsEmptyBelowZeroIsOff)
{
    MultiColumnWindow w;
    w.dropDown->setLookupColumn(1);
    w.dropDown->setItemIndex(2);
    EXPECT_EQ(w.dropDown->text(), "third");
    w.dropDown->setLookupColumn(5);
    w.dropDown->setItemIndex(0);
    EXPECT_EQ(w.dropDown->text(), "");
    EXPECT_EQ(w.dropDown->ItemIndex(), 0);
    w.dropDown->setLookupColumn(-1);
    w.dropDown->EndUpdate();
    w.dropDown->setItemIndex(1);
    EXPECT_EQ(w.dropDown->text(), "");
    key(*w.dropDown, Qt::Key_B, "b");
    EXPECT_EQ(w.dropDown->text(), "b");
    EXPECT_EQ(w.dropDown->GetItemIndex(""), -1);
}

TEST(MultiColumnItemsAndLookup, AnItemIndexBeyondTheItemsReadsAsNone)
{
    MultiColumnWindow w;
    w.dropDown->setItemIndex(2);
    w.dropDown->setItemIndex(3);
    EXPECT_EQ(w.dropDown->ItemIndex(), 2);
    w.dropDown->Items().Delete(2);
    EXPECT_EQ(w.dropDown->ItemIndex(), -1);
    // Opening makes the first data row current, not one beyond the list.
    w.openPopup();
    EXPECT_EQ(w.grid().Row(), 1);
    EXPECT_LT(w.grid().Row(), w.grid().RowCount());
}

} // namespace
