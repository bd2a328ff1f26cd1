// The coloured border of the soft and gradient looks. A Windows grid draws
// it in its frame; a Qt widget has none, so the border goes on the
// widget's outermost pixels after the cells, as the frame would lie
// around them.
#include "controls/grid/view/CellPaint.h"
#include "platform/ui/QtColor.h"

#include <QPalette>

namespace controls {

using namespace platform;

namespace {

bool paintsBorderRing(const TGridAppearance &look, bool borderSingle)
{
    const bool bordered = look.Look == glSoft || (look.Look >= glFenlo && look.Look <= glOffice2007);
    return bordered && borderSingle && isColorSet(look.BorderColor) && !look.Flat;
}

} // namespace

int TExStringGrid::GridBlitInset() const
{
    return paintsBorderRing(Appearance(), BorderSingle()) ? 2 : 0;
}

void TExStringGrid::PaintNonClientBorder(TCanvas &ACanvas)
{
    const TGridAppearance &look = Appearance();
    if (!paintsBorderRing(look, BorderSingle()))
        return;
    const int w = width();
    const int h = height();
    if (w < 2 || h < 2)
        return;
    TPen &pen = ACanvas.Pen();
    TPen saved;
    saved.Assign(pen);
    pen.setWidth(1);
    pen.setStyle(TPenStyle::psSolid);
    pen.setMode(TPenMode::pmCopy);
    const auto ring = [&](TColor color, int left, int top, int right, int bottom) {
        pen.setColor(color);
        ACanvas.MoveTo(left, bottom);
        ACanvas.LineTo(left, top);
        ACanvas.LineTo(right, top);
        ACanvas.LineTo(right, bottom);
        ACanvas.LineTo(left, bottom);
    };
    if (look.FitCellsInGrid) {
        ring(look.BorderColor, 1, 1, w - 2, h - 2);
        if (const QWidget *parent = parentWidget())
            ring(fromQColor(parent->palette().color(parent->backgroundRole())), 0, 0, w - 1, h - 1);
    } else if (IsComCtl6()) {
        ring(look.BorderColor, 0, 0, w - 1, h - 1);
    }
    pen.Assign(saved);
}

void TExStringGrid::GridNCPaintMessage(TCanvas &ACanvas)
{
    if (UpdateCount() == 0)
        PaintNonClientBorder(ACanvas);
}

} // namespace controls
