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
    keepInCellScrollBarInPlace();
    platform::TCanvas &canvas = Canvas();
    canvas.Pen().setStyle(platform::TPenStyle::psSolid);
    canvas.Brush().setStyle(platform::TBrushStyle::bsSolid);
    TBaseGrid::PaintGrid();
    paintPushedFixedCell(canvas);
    if (EditorMode()) {
        // The cell being edited keeps a frame in the line colour.
        const bool lines = GridLineWidth() >= 1 && (Options().testFlag(goHorzLine) || Options().testFlag(goVertLine));
        canvas.Pen().setColor(lines ? GridLineColor() : Color());
        canvas.Pen().setWidth(1);
        canvas.Brush().setStyle(platform::TBrushStyle::bsClear);
        canvas.Rectangle(CellRect(Col(), Row()));
        canvas.Brush().setStyle(platform::TBrushStyle::bsSolid);
    }
    canvas.Pen().setColor(platform::clBlack);
    if (const TBackGround &back = Appearance().BackGround; !back.Bitmap.isNull() || back.ColorTo != platform::clNone)
        PaintEmptyArea(canvas);
    GridNCPaintMessage(canvas);
    paintSizingGuides(canvas);
    PaintDesignHelper(canvas);
    if (OnPainted)
        OnPainted(this);
}

} // namespace controls
