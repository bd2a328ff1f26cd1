// Cells the application draws itself through its painter object. An
// object that is no IGridCellPainter draws nothing and measures nothing.
#include "controls/grid/model/GridCellPainter.h"
#include "controls/grid/view/CellPaint.h"

namespace controls {

using namespace platform;

namespace {

IGridCellPainter *painterOf(const TCellGraphic &g)
{
    if (g.FCellType != ctInterface)
        return nullptr;
    return dynamic_cast<IGridCellPainter *>(static_cast<TInterfacedPersistent *>(g.CellBitmap()));
}

} // namespace

TSize TExStringGrid::interfaceGraphicSize(const TCellGraphic &g)
{
    IGridCellPainter *painter = painterOf(g);
    return painter ? TSize{painter->GetWidth(), painter->GetHeight()} : TSize{0, 0};
}

void TExStringGrid::renderInterface(TCellPaint &cell, TRect r, bool beforeText)
{
    if (cell.graphic == nullptr)
        return;
    IGridCellPainter *painter = painterOf(*cell.graphic);
    if (painter == nullptr || painter->IsBackground() != beforeText)
        return;
    const bool selected = cell.state.testFlag(gdSelected);
    const int saved = cell.canvas.SaveDC();
    painter->Draw(cell.canvas, r, cell.realCol, cell.row, selected, this);
    cell.canvas.RestoreDC(saved);
}

} // namespace controls
