#pragma once
// An application's own drawing in a cell: the object put into a cell by
// AddInterfacedCell derives from TInterfacedPersistent, and the grid paints
// and measures the cell through IGridCellPainter when the object implements
// it; an object that does not is skipped.
#include "platform/draw/Canvas.h"

namespace controls {

class TExStringGrid;

// The base of the objects a cell may hold for the application; the grid
// never frees one.
class TInterfacedPersistent {
public:
    virtual ~TInterfacedPersistent() = default;
};

class IGridCellPainter {
public:
    virtual ~IGridCellPainter() = default;
    // ACol is the real column.
    virtual void Draw(platform::TCanvas &Canvas, const platform::TRect &R, int ACol, int ARow, bool Selected,
                      TExStringGrid *Grid) = 0;
    virtual int GetWidth() = 0;
    virtual int GetHeight() = 0;
    // True: drawn under the cell's text instead of over it.
    virtual bool IsBackground() = 0;
};

} // namespace controls
