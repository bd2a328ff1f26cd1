// The looks' drawing of fixed cells beyond their plain gradient: the
// hovered, moved or pressed header with its drop-down button, the
// list-view header (through the style, as the platform's theme draws it),
// the edges of the classic and soft looks and the box of a flat grid's
// right fixed columns; and the sizing guide lines over the cells.
#include "controls/grid/base/paint/CellShapes.h"
#include "controls/grid/base/paint/ColorSteps.h"
#include "controls/grid/base/paint/Fills.h"
#include "controls/grid/view/GridHoverState.h"
#include "controls/grid/view/GridMouseState.h"
#include "platform/draw/Edges.h"

#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>

namespace controls {

using platform::TCanvas;
using platform::TColor;
using platform::TRect;

namespace {

constexpr int kDropDownWidth = 16;

TGradientCellLook hoverGradient(const TGridAppearance &look)
{
    TGradientCellLook g;
    g.Vertical = true;
    g.Color = look.FenloGradientHoverFrom;
    g.ColorTo = look.FenloGradientHoverTo;
    g.MirrorColor = look.FenloGradientHoverMirrorFrom;
    g.MirrorColorTo = look.FenloGradientHoverMirrorTo;
    g.BorderColor = look.FenloGradientHoverBorder;
    return g;
}

TGradientCellLook downGradient(const TGridAppearance &look)
{
    TGradientCellLook g;
    g.Vertical = true;
    g.Color = look.FenloGradientDownFrom;
    g.ColorTo = look.FenloGradientDownTo;
    g.MirrorColor = look.FenloGradientDownMirrorFrom;
    g.MirrorColorTo = look.FenloGradientDownMirrorTo;
    g.BorderColor = look.FenloGradientDownBorder;
    return g;
}

void line(TCanvas &canvas, TColor color, int x1, int y1, int x2, int y2)
{
    canvas.Pen().setColor(color);
    canvas.Pen().setWidth(1);
    canvas.Pen().setStyle(platform::TPenStyle::psSolid);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

} // namespace

bool TExStringGrid::renderHoverHeader(TCanvas &ACanvas, int ACol, int ARow, TRect &ARect)
{
    const TGridHover &h = hover();
    const TGridAppearance &look = Appearance();
    const bool moving = GridState() == gsColMoving;
    const bool moved = moving && ARow < FixedRows() && ACol == mouse().MoveCell;
    const bool hovered = !moving && IsHoverFixedCell(ACol, ARow) && h.HoverFixed == TGridCoord{ACol, ARow};
    if (!hovered && !moved)
        return false;
    ARect.Bottom += 1;
    const bool held = mouse().MouseDownMove;
    const bool pressed = held || moved;
    const bool dropDown = m_controlLook.FixedDropDownButton && DoCanShowFixedDropDown(RealColIndex(ACol));
    if (dropDown && held) {
        const TRect rest = platform::Rect(ARect.Left, ARect.Top, ARect.Right - kDropDownWidth, ARect.Bottom);
        const TRect button = platform::Rect(ARect.Right - kDropDownWidth, ARect.Top, ARect.Right, ARect.Bottom);
        DrawGradientCell(ACanvas, rest, h.DropDownDown ? hoverGradient(look) : downGradient(look));
        DrawGradientCell(ACanvas, button, h.DropDownDown ? downGradient(look) : hoverGradient(look));
    } else {
        DrawGradientCell(ACanvas, ARect, pressed ? downGradient(look) : hoverGradient(look));
    }
    if (dropDown) {
        const int x = ARect.Right - kDropDownWidth;
        line(ACanvas, held ? look.FenloGradientDownBorder : look.FenloGradientHoverBorder, x, ARect.Top, x,
             ARect.Bottom);
        DrawDownMarker(ACanvas, ARect.Right - 8, ARect.Top + 8, platform::clBlack);
        ARect.Right -= kDropDownWidth;
    }
    return true;
}

bool TExStringGrid::renderListViewHeader(TCanvas &ACanvas, int ACol, int ARow, const TRect &ARect)
{
    const TGridHover &h = hover();
    const TRect r = platform::Rect(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom + 1);
    QPainter *painter = ACanvas.painter();
    if (painter == nullptr)
        return false;
    // The theme's header item, hot under the mouse and pressed while held.
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    const bool inside = h.HotFixedCell == TGridCoord{ACol, ARow};
    if (inside)
        option.state |= QStyle::State_MouseOver;
    if (inside && mouse().MouseDownMove)
        option.state |= QStyle::State_Sunken;
    option.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    line(ACanvas, platform::clWhite, r.Left, r.Top, r.Right, r.Top);
    return true;
}

void TExStringGrid::renderClassicEdges(TCanvas &ACanvas, TRect ARect)
{
    TRect r = ARect;
    r.Left += 1;
    r.Top += 1;
    r.Bottom += 1;
    platform::DrawEdge(ACanvas, r, platform::BDR_RAISEDINNER, platform::BF_LEFT | platform::BF_TOP);
    platform::DrawEdge(ACanvas, r, platform::EDGE_RAISED, platform::BF_RIGHT | platform::BF_BOTTOM);
    line(ACanvas, platform::clBlack, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
    ACanvas.LineTo(r.Left - 2, r.Bottom - 1);
}

void TExStringGrid::renderSoftEdges(TCanvas &ACanvas, TRect ARect)
{
    TRect r = ARect;
    r.Right += 1;
    r.Bottom += 1;
    const TColor half = HalveColor(FixedColor());
    if (Options().testFlag(goFixedHorzLine)) {
        line(ACanvas, half, r.Left, r.Bottom - 2, r.Right, r.Bottom - 2);
        line(ACanvas, platform::clWhite, r.Left + 1, r.Bottom - 2, r.Left + 1, r.Top + 1);
        ACanvas.LineTo(r.Right - 1, r.Top + 1);
    }
    if (Options().testFlag(goFixedVertLine)) {
        line(ACanvas, half, r.Right - 3, r.Top, r.Right - 3, r.Bottom - 1);
        line(ACanvas, platform::clWhite, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
    }
}

void TExStringGrid::renderFixedRightBox(TCanvas &ACanvas, int ACol, const TRect &ARect)
{
    const TRect r = platform::InflateRect(ARect, 1, 1);
    constexpr TColor gray = 0x808080;
    if (Options().testFlag(goFixedHorzLine)) {
        line(ACanvas, gray, r.Left, r.Top, r.Right, r.Top);
        line(ACanvas, gray, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
    if (Options().testFlag(goFixedVertLine)) {
        line(ACanvas, gray, r.Left, r.Top, r.Left, r.Bottom);
        line(ACanvas, gray, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    }
}

// --- sizing guide lines --------------------------------------------------------------------
// A widget paints only inside its paint pass: the guide lines are kept and
// drawn over the cells at the end of each pass, inverting what is below.

namespace {

void toggle(std::vector<int> &lines, int pos)
{
    const auto it = std::find(lines.begin(), lines.end(), pos);
    if (it != lines.end())
        lines.erase(it);
    else
        lines.push_back(pos);
}

} // namespace

void TExStringGrid::DrawColSizingLine(int X)
{
    toggle(hover().GuideCols, X);
    update(X - 1, 0, 3, height());
}

void TExStringGrid::DrawRowSizingLine(int Y)
{
    toggle(hover().GuideRows, Y);
    update(0, Y - 1, width(), 3);
}

void TExStringGrid::paintSizingGuides(TCanvas &ACanvas)
{
    const TGridHover &h = hover();
    QPainter *painter = ACanvas.painter();
    if (painter == nullptr || (h.GuideCols.empty() && h.GuideRows.empty()))
        return;
    int bottom = 0;
    for (int r = 0; r < RowCount(); ++r)
        bottom = std::max(bottom, CellRect(0, r).Bottom);
    int right = 0;
    for (int c = 0; c < ColCount(); ++c)
        right = std::max(right, CellRect(c, 0).Right);
    painter->save();
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1, Qt::DotLine);
    painter->setPen(pen);
    for (const int x : h.GuideCols)
        painter->drawLine(x, 0, x, std::max(height(), bottom));
    for (const int y : h.GuideRows)
        painter->drawLine(0, y, std::max(width(), right), y);
    painter->restore();
}

} // namespace controls
