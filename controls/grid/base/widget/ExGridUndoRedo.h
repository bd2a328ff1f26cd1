#pragma once
// The undo component of a base grid: records cell text changes (through the
// history of whole steps) and plays them back into the linked grid, through
// its merge-aware SetCellEx, making each changed cell current.
#include "controls/grid/base/UndoHistory.h"

#include <QPointer>
#include <QString>

#include <functional>

namespace controls {

class TBaseGrid;
class TExGridUndoRedo;

// OrigValue is the cell's text before the playback step, NewValue the text
// the step writes.
using TExGridUndoRedoEvent = std::function<void(TExGridUndoRedo *Sender, TBaseGrid *Grid, int Col, int Row,
                                                const QString &OrigValue, const QString &NewValue)>;

class TExGridUndoRedo : public TUndoHistory {
public:
    TExGridUndoRedo() = default;
    ~TExGridUndoRedo() override;
    TExGridUndoRedo(const TExGridUndoRedo &) = delete;
    TExGridUndoRedo &operator=(const TExGridUndoRedo &) = delete;

    // The grid played back into; a grid's UndoRedo property sets it. The
    // link clears itself when the grid goes.
    TBaseGrid *Grid() const { return m_grid; }
    void setGrid(TBaseGrid *grid);

    // Without a grid both do nothing. Changes of cells that no longer exist
    // are skipped.
    void Undo();
    void Redo();

    TExGridUndoRedoEvent OnUndo;
    TExGridUndoRedoEvent OnRedo;

private:
    void play(const TUndoRedoItem &item, const QString &text, const TExGridUndoRedoEvent &event);

    QPointer<TBaseGrid> m_grid;
};

} // namespace controls
