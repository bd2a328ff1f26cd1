#include "controls/grid/base/widget/ExGridUndoRedo.h"

#include "controls/grid/base/widget/BaseGrid.h"

namespace controls {

TExGridUndoRedo::~TExGridUndoRedo()
{
    if (m_grid != nullptr && m_grid->UndoRedo() == this)
        m_grid->setUndoRedo(nullptr);
}

void TExGridUndoRedo::setGrid(TBaseGrid *grid)
{
    TBaseGrid *previous = m_grid;
    if (previous == grid)
        return;
    m_grid = grid;
    if (previous != nullptr && previous->UndoRedo() == this)
        previous->setUndoRedo(nullptr);
}

void TExGridUndoRedo::play(const TUndoRedoItem &item, const QString &text, const TExGridUndoRedoEvent &event)
{
    TBaseGrid *grid = m_grid;
    if (grid == nullptr || item.Col < 0 || item.Col >= grid->TotalColCount() || item.Row < 0
        || item.Row >= grid->RowCount())
        return;
    if (event)
        event(this, grid, item.Col, item.Row, grid->GetCellEx(item.Col, item.Row), text);
    if (m_grid == nullptr)
        return; // the handler let the grid go
    grid->SetCellEx(item.Col, item.Row, text);
    grid->setCol(grid->DisplColIndex(item.Col));
    grid->setRow(item.Row);
}

void TExGridUndoRedo::Undo()
{
    if (m_grid == nullptr)
        return;
    const TPlayback playback = takeUndoStep();
    for (const TUndoRedoItem &item : playback.items)
        play(item, item.OrigValue, OnUndo);
    if (m_grid == nullptr)
        return;
    if (playback.sequence)
        m_grid->InvalidateGrid();
    else if (!playback.items.empty())
        m_grid->RepaintCell(m_grid->Col(), playback.items.front().Row);
}

void TExGridUndoRedo::Redo()
{
    if (m_grid == nullptr)
        return;
    const TPlayback playback = takeRedoStep();
    for (const TUndoRedoItem &item : playback.items)
        play(item, item.Value, OnRedo);
    if (m_grid != nullptr && playback.sequence)
        m_grid->InvalidateGrid();
}

} // namespace controls
