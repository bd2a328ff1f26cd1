// Fixed cells as buttons: a press draws the header cell sunken, the release
// raises it again. Only a grid with both fixed lines and a 3D look has
// edges to press in.
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridMouseState.h"

#include "platform/draw/Edges.h"

namespace controls {

void TExStringGrid::pushFixedCell(int ACol, int ARow)
{
    if (!FixedAsButtons || !Options().testFlag(goFixedVertLine) || !Options().testFlag(goFixedHorzLine)
        || Appearance().Flat)
        return;
    TGridMouse &m = mouse();
    m.PushedFixedCell = CellRect(ACol, ARow);
    m.PushedCellButton = {ACol, ARow};
    m.FixedCellPushed = true;
    RepaintCell(ACol, ARow);
}

void TExStringGrid::releaseFixedCell()
{
    TGridMouse &m = mouse();
    if (!m.FixedCellPushed)
        return;
    m.FixedCellPushed = false;
    const platform::TRect r = m.PushedFixedCell;
    update(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void TExStringGrid::paintPushedFixedCell(platform::TCanvas &ACanvas)
{
    if (!m_mouse || !m_mouse->FixedCellPushed)
        return;
    platform::TRect r = m_mouse->PushedFixedCell;
    platform::DrawEdge(ACanvas, r, platform::BDR_SUNKENINNER, platform::BF_RIGHT | platform::BF_BOTTOM);
    platform::DrawEdge(ACanvas, r, platform::BDR_SUNKENINNER, platform::BF_LEFT | platform::BF_TOP);
}

} // namespace controls
