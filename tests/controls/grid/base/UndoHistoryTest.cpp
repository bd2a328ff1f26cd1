#include "controls/grid/base/UndoHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>

using controls::TCellChange;
using controls::TPlayback;
using controls::TUndoHistory;

namespace {

// A history played into a map of cell texts, as a grid would.
struct UndoHistoryTest : testing::Test {
    TUndoHistory history;
    std::map<std::pair<int, int>, QString> cells;

    void change(int col, int row, const char *text)
    {
        const QString old = cells[{col, row}];
        cells[{col, row}] = QString::fromUtf8(text);
        history.RegisterChange({.Col = col, .Row = row, .OldValue = old, .NewValue = QString::fromUtf8(text)});
    }
    bool undo()
    {
        const TPlayback p = history.takeUndoStep();
        for (const auto &item : p.items)
            cells[{item.Col, item.Row}] = item.OrigValue;
        return p.sequence;
    }
    bool redo()
    {
        const TPlayback p = history.takeRedoStep();
        for (const auto &item : p.items)
            cells[{item.Col, item.Row}] = item.Value;
        return p.sequence;
    }
    std::string text(int col, int row) { return cells[{col, row}].toStdString(); }
};

} // namespace

TEST_F(UndoHistoryTest, SingleChangesUndoAndRedoOneByOne)
{
    change(1, 1, "A");
    change(1, 1, "B");
    change(1, 1, "C");
    EXPECT_FALSE(undo());
    undo();
    EXPECT_EQ(text(1, 1), "A");
    EXPECT_EQ(history.Level(), 1);
    EXPECT_TRUE(history.CanRedo());
    redo();
    EXPECT_EQ(text(1, 1), "B");
    EXPECT_EQ(history.Level(), 2);
}

TEST_F(UndoHistoryTest, ASequenceIsOneStepBothWays)
{
    history.StartSequence();
    change(1, 1, "x");
    change(2, 1, "y");
    history.StopSequence();
    const TPlayback back = history.takeUndoStep();
    ASSERT_EQ(back.items.size(), 2u);
    EXPECT_TRUE(back.sequence);
    EXPECT_EQ(back.items[0].Col, 2) << "the newer change first";
    EXPECT_EQ(history.Level(), 0);
    const TPlayback again = history.takeRedoStep();
    ASSERT_EQ(again.items.size(), 2u);
    EXPECT_EQ(again.items[0].Col, 1) << "the older change first";
    EXPECT_EQ(history.Level(), 4);
}

TEST_F(UndoHistoryTest, AnOpenSequenceUndoesChangeByChangeAndRedoesWhole)
{
    history.StartSequence();
    change(1, 1, "a");
    change(2, 1, "b");
    undo();
    EXPECT_EQ(text(2, 1), "");
    EXPECT_EQ(text(1, 1), "a");
    undo();
    undo(); // over the start marker
    EXPECT_EQ(history.Level(), 0);
    EXPECT_TRUE(redo());
    EXPECT_EQ(text(1, 1) + text(2, 1), "ab");
    EXPECT_EQ(history.Level(), history.ItemCount());
}

TEST_F(UndoHistoryTest, ANewChangeDropsWhatWasUndone)
{
    change(1, 1, "A");
    change(1, 1, "B");
    undo();
    change(2, 2, "Z");
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.ItemCount(), 2);
    undo();
    undo();
    EXPECT_EQ(text(1, 1), "");
    EXPECT_EQ(text(2, 2), "");
    redo();
    redo();
    EXPECT_EQ(text(1, 1) + text(2, 2), "AZ") << "B is never replayed";
}

TEST_F(UndoHistoryTest, ResetForgetsEverythingAndLevelFollows)
{
    change(1, 1, "A");
    history.Reset();
    EXPECT_EQ(history.Level(), 0);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_TRUE(history.takeUndoStep().items.empty());
}

TEST_F(UndoHistoryTest, MaxLevelDropsWholeOldestSteps)
{
    history.setMaxLevel(2);
    change(1, 1, "1");
    change(1, 1, "2");
    change(1, 1, "3");
    ASSERT_EQ(history.ItemCount(), 2);
    EXPECT_EQ(history.Items()[0].Value, "2");

    // A block of three changes is one step: the two single changes before it
    // go one at a time, the block never loses a change.
    history.StartSequence();
    change(2, 1, "a");
    change(2, 2, "b");
    change(2, 3, "c");
    history.StopSequence();
    EXPECT_EQ(history.StepCount(), 2);
    change(3, 3, "z");
    EXPECT_EQ(history.StepCount(), 2);
    EXPECT_TRUE(history.Items().front().SequenceStart);
    undo();
    EXPECT_TRUE(undo());
    EXPECT_EQ(text(2, 1) + text(2, 2) + text(2, 3), "");
    EXPECT_FALSE(history.CanUndo());

    // Lowering the limit drops at once.
    redo();
    redo();
    history.setMaxLevel(1);
    EXPECT_EQ(history.ItemCount(), 1);
    EXPECT_EQ(history.Level(), 1);
}

TEST_F(UndoHistoryTest, MarkersAreBalancedWhateverTheCallsAre)
{
    // A stop without a start, nested starts and an empty sequence leave no
    // marker that could make one undo run over the whole history.
    change(1, 1, "A");
    history.StopSequence();
    history.StartSequence();
    history.StartSequence();
    change(1, 2, "B");
    history.StopSequence();
    EXPECT_TRUE(history.InSequence());
    change(1, 3, "C");
    history.StopSequence();
    history.StartSequence();
    history.StopSequence();
    EXPECT_EQ(history.StepCount(), 2);
    EXPECT_TRUE(undo());
    EXPECT_EQ(text(1, 1) + "|" + text(1, 2) + text(1, 3), "A|");
    undo();
    EXPECT_EQ(text(1, 1), "");
}

TEST_F(UndoHistoryTest, UndoingPastAnOpenStartEndsTheSequence)
{
    history.StartSequence();
    change(1, 1, "a");
    undo();
    undo(); // over the start
    change(2, 2, "b");
    history.StopSequence(); // belongs to no recorded sequence any more
    EXPECT_FALSE(history.InSequence());
    EXPECT_EQ(history.ItemCount(), 1);
    EXPECT_FALSE(undo());
    EXPECT_EQ(text(2, 2), "");
}

TEST_F(UndoHistoryTest, AnyMixOfCallsKeepsTheHistoryPlayable)
{
    // Whatever the order of changes, sequences, undos, redos, limits and
    // resets: the level stays within the items, the kept steps within the
    // limit, and from the newest state undoing everything then redoing
    // everything returns the cells to what they were.
    std::mt19937 random(2718);
    for (int run = 0; run < 200; ++run) {
        SCOPED_TRACE(run);
        history.Reset();
        history.setMaxLevel(int(random() % 6));
        cells.clear();
        for (int op = 0; op < 60; ++op) {
            switch (random() % 8) {
            case 0: case 1: case 2:
                change(int(random() % 3), int(random() % 3), std::to_string(op).c_str());
                break;
            case 3: history.StartSequence(); break;
            case 4: history.StopSequence(); break;
            case 5: undo(); break;
            case 6: redo(); break;
            default:
                if (random() % 10 == 0)
                    history.Reset();
                else
                    history.setMaxLevel(int(random() % 6) - 1);
            }
            ASSERT_GE(history.Level(), 0);
            ASSERT_LE(history.Level(), history.ItemCount());
            if (history.MaxLevel() > 0) {
                ASSERT_LE(history.StepCount(), std::max(history.MaxLevel(), 1));
            }
        }
        while (history.InSequence())
            history.StopSequence();
        for (int i = 0; i < 200 && history.CanRedo(); ++i)
            redo();
        const auto now = cells;
        for (int i = 0; i < 200 && history.CanUndo(); ++i)
            undo();
        ASSERT_FALSE(history.CanUndo());
        for (int i = 0; i < 200 && history.CanRedo(); ++i)
            redo();
        ASSERT_FALSE(history.CanRedo());
        EXPECT_EQ(cells, now);
    }
}
