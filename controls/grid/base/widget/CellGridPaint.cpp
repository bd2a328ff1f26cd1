// How the cell grid paints: every visible cell that meets the clip through
// DrawGridCell, then the lines and the empty area; the default drawing of
// one cell.
#include "controls/grid/base/widget/CellGrid.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <vector>

namespace controls {

using platform::TRect;

void TCellGrid::paintEvent(QPaintEvent *event)
{
    // Pixels a scroll only moved are shown, not drawn again, unless someone
    // else asked for a paint the grid does not know of.
    QRegion redraw = event->region();
    if (!m_scrolledValid.isEmpty() && redraw.subtracted(m_requested).isEmpty())
        redraw -= m_scrolledValid;
    m_scrolledValid = QRegion();
    m_requested = QRegion();
    m_retained.repaint(size(), redraw, [this](platform::TCanvas &canvas) {
        m_canvas = &canvas;
        canvas.Font().Assign(m_font);
        PaintGrid();
        m_canvas = &m_idleCanvas;
    });
    QPainter painter(this);
    m_retained.present(painter, event->region());
}

QImage TCellGrid::paintToImage()
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        platform::TCanvas canvas(&image);
        m_canvas = &canvas;
        canvas.Font().Assign(m_font);
        PaintGrid();
        m_canvas = &m_idleCanvas;
    }
    return image;
}

void TCellGrid::PaintGrid()
{
    platform::TCanvas &canvas = Canvas();
    const TRect clip = canvas.ClipRect();
    const int clientW = ClientWidth();
    const int clientH = ClientHeight();
    const TGridRect selection = Selection();
    const bool focused = Focused();
    const bool drawFocusSelected = m_options.testFlag(goDrawFocusSelected);
    const auto visibleIndexes = [](int fixedCount, int first, int count, auto startOf, int limit) {
        std::vector<int> out;
        for (int i = 0; i < std::min(fixedCount, count); ++i)
            out.push_back(i);
        for (int i = first; i < count && startOf(i) < limit; ++i)
            out.push_back(i);
        return out;
    };
    const std::vector<int> cols =
        visibleIndexes(m_fixedCols, LeftCol(), ColCount(), [this](int c) { return colLeft(c); }, clientW);
    const std::vector<int> rows =
        visibleIndexes(m_fixedRows, TopRow(), RowCount(), [this](int r) { return rowTop(r); }, clientH);

    for (const int row : rows) {
        const int y = rowTop(row);
        const int h = m_rows.size(row);
        if (y >= clip.Bottom || y + h + m_lineWidth <= clip.Top)
            continue;
        for (const int col : cols) {
            const int x = colLeft(col);
            const int w = m_cols.size(col);
            if (x >= clip.Right || x + w + m_lineWidth <= clip.Left)
                continue;
            const bool fixed = col < m_fixedCols || row < m_fixedRows;
            const bool current = col == Col() && row == Row();
            TGridDrawState state;
            if (fixed)
                state |= gdFixed;
            else if (PointInGridRect(selection, col, row) && !(current && focused && !drawFocusSelected))
                state |= gdSelected;
            if (current && focused)
                state |= gdFocused;
            const TRect rect = platform::Bounds(x, y, w, h);
            DrawGridCell(col, row, rect, state);
            if (m_lineWidth > 0) {
                const bool vertical = m_options.testFlag(fixed ? goFixedVertLine : goVertLine);
                const bool horizontal = m_options.testFlag(fixed ? goFixedHorzLine : goHorzLine);
                const platform::TColor lineColor = fixed ? platform::clBlack : platform::clSilver;
                const platform::TColor plain = fixed ? m_fixedColor : m_color;
                canvas.FillColor(platform::Bounds(x + w, y, m_lineWidth, h + m_lineWidth),
                                 vertical ? lineColor : plain);
                canvas.FillColor(platform::Bounds(x, y + h, w, m_lineWidth), horizontal ? lineColor : plain);
            }
        }
    }
    // What lies beyond the last column and row shows the grid's colour.
    const int right = cols.empty() ? 0 : colLeft(cols.back()) + m_cols.size(cols.back()) + m_lineWidth;
    const int bottom = rows.empty() ? 0 : rowTop(rows.back()) + m_rows.size(rows.back()) + m_lineWidth;
    canvas.FillColor(platform::Rect(right, 0, clientW, clientH), m_color);
    canvas.FillColor(platform::Rect(0, bottom, std::min(right, clientW), clientH), m_color);
    // The corner between the two scroll bars.
    canvas.FillColor(platform::Rect(clientW, clientH, width(), height()), platform::clBtnFace);
}

void TCellGrid::DrawGridCell(int col, int row, const TRect &rect, TGridDrawState state)
{
    platform::TCanvas &canvas = Canvas();
    if (m_defaultDrawing) {
        const bool selected = state.testFlag(gdSelected);
        canvas.Brush().setColor(state.testFlag(gdFixed) ? m_fixedColor
                                : selected                ? platform::clHighlight
                                                          : m_color);
        canvas.Brush().setStyle(platform::TBrushStyle::bsSolid);
        canvas.Font().Assign(m_font);
        if (selected)
            canvas.Font().setColor(platform::clHighlightText);
        canvas.TextRect(rect, rect.Left + 2, rect.Top + 2, DefaultDrawText(col, row));
        if (state.testFlag(gdFocused) && !m_options.testFlag(goRowSelect))
            canvas.DrawFocusRect(rect);
    }
    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state);
}

} // namespace controls
