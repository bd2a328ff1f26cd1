#pragma once
// A base grid that opens its descendant's fields and records what it hands
// to its hooks.
#include "GridPrinters.h"
#include "controls/grid/base/widget/BaseGrid.h"

#include <vector>

namespace gridtest {

struct Rendered {
    int col;
    int row;
    platform::TRect rect;
};

class ProbeBaseGrid : public controls::TBaseGrid {
public:
    using TBaseGrid::FHideLastRow;
    using TBaseGrid::FHoverRowIdx;
    using TBaseGrid::FNormalRowCount;
    using TBaseGrid::FShowSel;
    using TBaseGrid::PaintCellCore;

    std::vector<controls::TGridCoord> textChanges;
    int lastRowChanges = 0;
    int hiddenCols = 0;
    bool renderText = true;
    std::vector<Rendered> rendered;
    // Cells IsFixed answers true for: the whole of this column.
    int fixedLookCol = -1;

    int TotalColCount() const override { return ColCount() + hiddenCols; }
    bool IsFixed(int ACol, int) override { return ACol == fixedLookCol; }

protected:
    void CellTextChanged(int ACol, int ARow) override { textChanges.push_back({ACol, ARow}); }
    void AfterLastRowChange() override { ++lastRowChanges; }
    // A cell's own background colour, as the string grid gives it.
    void GetVisualProperties(int ACol, int ARow, controls::TGridDrawState &, bool, bool, bool, platform::TBrush &ABrush,
                             platform::TColor &, platform::TColor &, platform::TColor &, platform::TFont &,
                             controls::TAlignment &, controls::TVAlignment &, bool &,
                             controls::TCellGradientDirection &) override
    {
        if (CellHasProperties(ACol, ARow) && GetGridObject(ACol, ARow)->FBrushColor != Color())
            ABrush.setColor(GetGridObject(ACol, ARow)->FBrushColor);
    }
    void RenderCell(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect ARect,
                    controls::TGridDrawState AState) override
    {
        rendered.push_back({ACol, ARow, ARect});
        if (renderText)
            TBaseGrid::RenderCell(ACanvas, ACol, ARow, ARect, AState);
    }
};

} // namespace gridtest
