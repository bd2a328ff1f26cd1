// Scroll bars the grid keeps shown: the cell grid shows a bar only while
// there is something to scroll; ScrollBarAlways keeps the bars it names,
// disabled while everything is in view. The cell grid lays its bars out
// on every resize, so the grid applies this again before it paints; the
// window's border goes on after the cells.
#include "controls/grid/view/CellPaint.h"

#include <QScrollBar>

namespace controls {

void TExStringGrid::setScrollBarAlways(TScrollBarAlways value)
{
    Appearance().ScrollBarAlways = value;
    ApplyScrollBarAlways();
    update();
}

void TExStringGrid::ApplyScrollBarAlways()
{
    const TScrollBarAlways always = Appearance().ScrollBarAlways;
    const TScrollStyle allowed = ScrollBars();
    for (QScrollBar *bar : findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool vertical = bar->orientation() == Qt::Vertical;
        const bool kept = vertical ? (always == saVert || always == saBoth)
                                   && (allowed == ssVertical || allowed == ssBoth)
                                   : (always == saHorz || always == saBoth)
                                         && (allowed == ssHorizontal || allowed == ssBoth);
        const bool needed = bar->maximum() > bar->minimum();
        if (kept && bar->isHidden())
            bar->setVisible(true);
        bar->setEnabled(needed || !kept);
    }
}

void TExStringGrid::PaintGrid()
{
    if (Appearance().ScrollBarAlways != saNone)
        ApplyScrollBarAlways();
    TBaseGrid::PaintGrid();
    GridNCPaintMessage(Canvas());
}

} // namespace controls
