// The undo component played back into a base grid: single changes and
// sequences, the current cell, the events, and changes whose cell is gone.
#include "BaseGridProbe.h"
#include "controls/grid/base/widget/ExGridUndoRedo.h"

#include <gtest/gtest.h>

using namespace controls;
using gridtest::ProbeBaseGrid;

namespace {

struct Played {
    int col;
    int row;
    QString before;
    QString written;
    friend bool operator==(const Played &, const Played &) = default;
};

std::ostream &operator<<(std::ostream &out, const Played &p)
{
    return out << "(" << p.col << ", " << p.row << ", " << p.before.toStdString() << " -> " << p.written.toStdString()
               << ")";
}

struct ExGridUndoRedoTest : testing::Test {
    ProbeBaseGrid grid;
    TExGridUndoRedo undo;
    std::vector<Played> undone;
    std::vector<Played> redone;

    void SetUp() override
    {
        grid.setUndoRedo(&undo);
        undo.OnUndo = [this](TExGridUndoRedo *sender, TBaseGrid *g, int col, int row, const QString &orig,
                             const QString &value) {
            EXPECT_EQ(sender, &undo);
            EXPECT_EQ(g, &grid);
            undone.push_back({col, row, orig, value});
        };
        undo.OnRedo = [this](TExGridUndoRedo *, TBaseGrid *, int col, int row, const QString &orig,
                             const QString &value) { redone.push_back({col, row, orig, value}); };
    }
    // What an editor does: writes the cell and records the change.
    void edit(int col, int row, const QString &value)
    {
        const QString old = grid.Cells(col, row);
        grid.setCells(col, row, value);
        undo.RegisterChange({col, row, old, value});
    }
    TGridCoord current() const { return {grid.Col(), grid.Row()}; }
};

TEST_F(ExGridUndoRedoTest, UndoAndRedoPlayChangesBackAndMakeTheCellCurrent)
{
    edit(1, 1, QStringLiteral("A"));
    edit(1, 1, QStringLiteral("B"));
    edit(1, 1, QStringLiteral("C"));
    grid.FocusCell(3, 3);
    undo.Undo();
    undo.Undo();
    EXPECT_EQ(grid.Cells(1, 1), "A");
    EXPECT_EQ(undo.Level(), 1);
    EXPECT_TRUE(undo.CanRedo());
    EXPECT_EQ(current(), TGridCoord(1, 1));
    EXPECT_EQ(undone, (std::vector<Played>{{1, 1, "C", "B"}, {1, 1, "B", "A"}}))
        << "the text before the step and the text it writes";
    grid.FocusCell(3, 3);
    undo.Redo();
    EXPECT_EQ(grid.Cells(1, 1), "B");
    EXPECT_EQ(current(), TGridCoord(1, 1));
    EXPECT_EQ(redone, (std::vector<Played>{{1, 1, "A", "B"}}));

    undo.Undo();
    undo.Undo();
    EXPECT_FALSE(undo.CanUndo());
    undo.Undo();
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(undo.Level(), 0);
}

TEST_F(ExGridUndoRedoTest, SequencesPlayBackWhole)
{
    undo.StartSequence();
    edit(1, 1, QStringLiteral("x"));
    edit(2, 1, QStringLiteral("y"));
    undo.StopSequence();
    ASSERT_EQ(undo.ItemCount(), 4);
    undo.Undo();
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Cells(2, 1), "");
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(undone, (std::vector<Played>{{2, 1, "y", ""}, {1, 1, "x", ""}})) << "the newer first";
    undo.Redo();
    EXPECT_EQ(grid.Cells(1, 1), "x");
    EXPECT_EQ(grid.Cells(2, 1), "y");
    EXPECT_EQ(undo.Level(), 4);
    EXPECT_EQ(redone, (std::vector<Played>{{1, 1, "", "x"}, {2, 1, "", "y"}})) << "the older first";
    EXPECT_FALSE(undo.CanRedo());
}

TEST_F(ExGridUndoRedoTest, AnOpenSequenceUndoesChangeByChangeAndRedoesWhole)
{
    undo.StartSequence();
    edit(1, 1, QStringLiteral("x"));
    edit(2, 1, QStringLiteral("y"));
    undo.Undo();
    EXPECT_EQ(grid.Cells(2, 1), "");
    EXPECT_EQ(grid.Cells(1, 1), "x");
    undo.Undo();
    undo.Undo(); // over the start marker
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(undone.size(), 2u) << "a marker is never written";
    undo.Redo();
    EXPECT_EQ(grid.Cells(1, 1), "x");
    EXPECT_EQ(grid.Cells(2, 1), "y");
    EXPECT_EQ(undo.Level(), undo.ItemCount());
}

TEST_F(ExGridUndoRedoTest, ANewChangeAfterUndoingDropsWhatWasUndone)
{
    edit(1, 1, QStringLiteral("A"));
    edit(1, 1, QStringLiteral("B"));
    undo.Undo();
    edit(2, 2, QStringLiteral("C"));
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ(undo.ItemCount(), 2);
    undo.Undo();
    undo.Undo();
    undo.Redo();
    undo.Redo();
    EXPECT_EQ(grid.Cells(1, 1), "A") << "B is never replayed";
    EXPECT_EQ(grid.Cells(2, 2), "C");
}

TEST_F(ExGridUndoRedoTest, MaxLevelDropsWholeOldestSteps)
{
    undo.setMaxLevel(2);
    edit(1, 1, QStringLiteral("first"));
    edit(1, 2, QStringLiteral("second"));
    edit(1, 3, QStringLiteral("third"));
    ASSERT_EQ(undo.ItemCount(), 2);
    EXPECT_EQ(undo.Items()[0].Value, "second");
    EXPECT_EQ(undo.Items()[1].Value, "third");

    // A pasted block is one step: kept whole or dropped whole.
    undo.StartSequence();
    edit(2, 1, QStringLiteral("p"));
    edit(2, 2, QStringLiteral("q"));
    edit(2, 3, QStringLiteral("r"));
    undo.StopSequence();
    edit(3, 1, QStringLiteral("after"));
    EXPECT_EQ(undo.ItemCount(), 6) << "the block and the change after it";
    undo.Undo();
    undo.Undo();
    EXPECT_EQ(grid.Cells(2, 1), "");
    EXPECT_EQ(grid.Cells(2, 3), "");
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_EQ(grid.Cells(1, 3), "third");
}

TEST_F(ExGridUndoRedoTest, ResetForgetsEverything)
{
    edit(1, 1, QStringLiteral("A"));
    edit(1, 1, QStringLiteral("B"));
    undo.Reset();
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(undo.ItemCount(), 0);
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.CanRedo());
    undo.Undo();
    undo.Redo();
    EXPECT_EQ(grid.Cells(1, 1), "B");
}

TEST_F(ExGridUndoRedoTest, ChangesOfCellsThatAreGoneAreSkipped)
{
    edit(1, 1, QStringLiteral("kept"));
    edit(3, 4, QStringLiteral("gone"));
    grid.setRowCount(3);
    grid.FocusCell(2, 2);
    undo.Undo();
    EXPECT_EQ(undo.Level(), 1);
    EXPECT_TRUE(undone.empty());
    EXPECT_EQ(current(), TGridCoord(2, 2));
    undo.Undo();
    EXPECT_EQ(grid.Cells(1, 1), "");
    undo.Redo();
    undo.Redo();
    EXPECT_EQ(grid.Cells(1, 1), "kept");
    EXPECT_EQ(undo.Level(), 2);
    EXPECT_EQ(redone.size(), 1u);
}

TEST_F(ExGridUndoRedoTest, PlaybackWritesThroughMergedAreas)
{
    grid.MergeCells(1, 1, 2, 2);
    edit(2, 2, QStringLiteral("area"));
    EXPECT_EQ(grid.GetGridCell(1, 1), "area");
    undo.Undo();
    EXPECT_EQ(grid.GetGridCell(1, 1), "");
    undo.Redo();
    EXPECT_EQ(grid.Cells(1, 2), "area");
}

TEST_F(ExGridUndoRedoTest, WithoutAGridNothingPlays)
{
    edit(1, 1, QStringLiteral("A"));
    grid.setUndoRedo(nullptr);
    EXPECT_EQ(undo.Grid(), nullptr);
    undo.Undo();
    EXPECT_EQ(undo.Level(), 1);
    EXPECT_EQ(grid.Cells(1, 1), "A");
    undo.RegisterChange({1, 1, QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(undo.Level(), 2) << "recording works without a grid";
}

} // namespace
