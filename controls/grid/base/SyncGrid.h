#pragma once
// Another grid kept in step with this one (scrolling, selection, moved rows
// and columns), and the focus helper's switch. The synchronised grid is not
// owned: the grid clears it when that grid goes away.
namespace controls {

class TBaseGrid;

class TSyncGrid {
public:
    explicit TSyncGrid(const TBaseGrid *owner) : m_owner(owner) {}

    TBaseGrid *Grid() const { return m_grid; }
    // The owning grid itself is ignored.
    void setGrid(TBaseGrid *grid)
    {
        if (grid != m_owner)
            m_grid = grid;
    }

    bool ScrollVertical = false;
    bool ScrollHorizontal = false;
    bool SelectionColumn = false;
    bool SelectionRow = false;
    bool MoveColumn = false;
    bool MoveRow = false;

    void Assign(const TSyncGrid &source)
    {
        setGrid(source.m_grid);
        ScrollVertical = source.ScrollVertical;
        ScrollHorizontal = source.ScrollHorizontal;
        SelectionColumn = source.SelectionColumn;
        SelectionRow = source.SelectionRow;
        MoveColumn = source.MoveColumn;
        MoveRow = source.MoveRow;
    }

private:
    const TBaseGrid *m_owner;
    TBaseGrid *m_grid = nullptr;
};

// The grid shows its focus glow over the cell being edited.
struct TFocusHelper {
    bool Enabled = false;
    void Assign(const TFocusHelper &source) { Enabled = source.Enabled; }
};

} // namespace controls
