#pragma once
// The record of cell text changes behind a grid's undo and redo. A step is
// one change, or a sequence of changes bracketed by a start and a stop
// marker (a pasted or cleared block), undone and redone whole. The history
// only keeps the record and says which changes a step plays back; writing
// them into a grid is its owner's business.
#include <QString>

#include <deque>
#include <vector>

namespace controls {

// One change of a cell's text, named field by field so that no caller can
// swap the old and the new text.
struct TCellChange {
    int Col = -1;
    int Row = -1;
    QString OldValue;
    QString NewValue;
};

struct TUndoRedoItem {
    int Row = -1; // -1 in a marker
    int Col = -1;
    QString Value; // the new text
    QString OrigValue; // the text before the change
    bool SequenceStart = false;
    bool SequenceStop = false;

    bool isMarker() const { return SequenceStart || SequenceStop; }
};

// What one undo or redo plays back, in playing order.
struct TPlayback {
    std::vector<TUndoRedoItem> items;
    bool sequence = false; // a whole sequence: the owner repaints everything
};

class TUndoHistory {
public:
    virtual ~TUndoHistory() = default;

    const std::deque<TUndoRedoItem> &Items() const { return m_items; }
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    // Items 0..Level - 1 are done (can be undone), the rest can be redone.
    int Level() const { return m_level; }
    // Steps kept at most; 0 or less keeps every step. The oldest whole
    // steps are dropped, so a sequence is never cut.
    int MaxLevel() const { return m_maxLevel; }
    void setMaxLevel(int steps);
    int StepCount() const { return m_steps; }

    // Each recording drops what was undone before it: undone changes are
    // never replayed after a new one.
    virtual void RegisterChange(const TCellChange &change);
    // Sequences nest: only the outermost pair is recorded. A stop without a
    // start is ignored, and a sequence without changes leaves no step.
    virtual void StartSequence();
    virtual void StopSequence();
    bool InSequence() const { return m_depth > 0; }

    // Forgets every step.
    void Reset();
    bool CanUndo() const { return m_level > 0; }
    bool CanRedo() const { return m_level < ItemCount(); }

    // The changes of the step before Level, newest first, with Level moved
    // back over the step; nothing when there is none.
    TPlayback takeUndoStep();
    // The changes of the step at Level, oldest first, with Level moved past
    // the step.
    TPlayback takeRedoStep();

private:
    void append(TUndoRedoItem item);
    void dropRedoTail();
    void trimToMaxLevel();
    void dropOldestStep();

    std::deque<TUndoRedoItem> m_items;
    int m_level = 0;
    int m_maxLevel = 0;
    int m_steps = 0;
    int m_depth = 0;
    int m_openStart = -1; // index of the open sequence's start marker
};

} // namespace controls
