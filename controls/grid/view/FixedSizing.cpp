// Fixed columns and rows sized by mouse: the pointer on a fixed column's
// right edge (a fixed row's bottom edge) anywhere along it, a press that
// starts the sizing with a dotted guide line, the line following the
// mouse, the release that sets the size; and while any column or row is
// sized, the sizing events and the "cw=" / "rh=" hint.
#include "controls/grid/view/GridHoverState.h"
#include "controls/grid/view/GridMouseState.h"
#include "controls/grid/view/HintWindow.h"

#include <algorithm>
#include <cstdlib>

namespace controls {

namespace {

// The fixed column (row) whose far edge lies within 3 pixels of pos; the
// last such wins; -1 none.
template <class EdgeOf>
int fixedAtEdge(int count, int pos, EdgeOf edgeOf)
{
    int found = -1;
    for (int i = 0; i < count; ++i)
        if (std::abs(edgeOf(i) - pos) < 3)
            found = i;
    return found;
}

} // namespace

bool TExStringGrid::FixedSizingActive() const { return hover().SizingFixed || hover().SizingFixedR; }

void TExStringGrid::fixedSizingDetect(int X, int Y, int ACol, int ARow)
{
    TGridHover &h = hover();
    const bool onCell = ACol >= 0 && ARow >= 0;
    const auto colEdge = [this](int i) { return colLeft(i) + ColWidths(i); };
    const auto rowEdge = [this](int i) { return rowTop(i) + RowHeights(i); };
    h.SizeFixed = onCell && FixedCols() > 0 && m_mouseActions.SizeFixedCol && fixedAtEdge(FixedCols(), X, colEdge) >= 0;
    h.SizeFixedR = onCell && FixedRows() > 0 && m_mouseActions.SizeFixedRow && fixedAtEdge(FixedRows(), Y, rowEdge) >= 0;
    if (h.SizingFixed) {
        DrawColSizingLine(h.SizeFixedX);
        h.SizeFixedX = X;
        DrawColSizingLine(X);
    }
    if (h.SizingFixedR) {
        DrawRowSizingLine(h.SizeFixedY);
        h.SizeFixedY = Y;
        DrawRowSizingLine(Y);
    }
}

bool TExStringGrid::fixedSizingMouseDown(int X, int Y)
{
    TGridHover &h = hover();
    if (h.SizeFixed) {
        h.SizingFixed = true;
        h.SizeFixedX = X;
        DrawColSizingLine(X);
        h.SizingFixedCol = fixedAtEdge(FixedCols(), X, [this](int i) { return colLeft(i) + ColWidths(i); });
        return true;
    }
    if (h.SizeFixedR) {
        h.SizingFixedR = true;
        h.SizeFixedY = Y;
        DrawRowSizingLine(Y);
        h.SizingFixedRow = fixedAtEdge(FixedRows(), Y, [this](int i) { return rowTop(i) + RowHeights(i); });
        return true;
    }
    return false;
}

bool TExStringGrid::fixedSizingMouseUp(int X, int Y)
{
    TGridHover &h = hover();
    bool ended = false;
    if (h.SizingFixed) {
        h.SizeFixed = h.SizingFixed = false;
        DrawColSizingLine(h.SizeFixedX);
        const int col = h.SizingFixedCol;
        if (col >= 0 && col < ColCount()) {
            const int width = std::max(X - colLeft(col), 0);
            setColWidths(col, width);
            if (OnEndColumnSize)
                OnEndColumnSize(this, col);
            int updated = width;
            if (OnUpdateColumnSize) {
                OnUpdateColumnSize(this, col, updated);
                if (updated != width)
                    setColWidths(col, updated);
            }
        }
        ended = true;
    }
    if (h.SizingFixedR) {
        h.SizeFixedR = h.SizingFixedR = false;
        DrawRowSizingLine(h.SizeFixedY);
        const int row = h.SizingFixedRow;
        if (row >= 0 && row < RowCount()) {
            setRowHeights(row, std::max(Y - rowTop(row), 0));
            if (OnEndRowSize)
                OnEndRowSize(this, row);
        }
        ended = true;
    }
    if (h.SizingHintShow) {
        if (h.SizingHintWnd)
            h.SizingHintWnd->ReleaseHandle();
        h.SizingHintShow = false;
    }
    return ended;
}

void TExStringGrid::sizingMouseMove(int X, int Y)
{
    TGridHover &h = hover();
    const TGridMouse &m = mouse();
    const bool colSizing = GridState() == gsColSizing;
    const bool rowSizing = GridState() == gsRowSizing;
    // The width (height) the column (row) gets at a release here.
    int col = -1;
    int colWidth = 0;
    if (h.SizingFixed && h.SizingFixedCol >= 0) {
        col = h.SizingFixedCol;
        colWidth = std::max(X - colLeft(col), 0);
    } else if (colSizing && m.ColClicked >= 0 && m.RowClicked >= 0) {
        col = m.ColClicked;
        colWidth = X - CellRect(m.ColClicked, m.RowClicked).Left - m.ClickPosDX;
    }
    int row = -1;
    int rowHeight = 0;
    if (h.SizingFixedR && h.SizingFixedRow >= 0) {
        row = h.SizingFixedRow;
        rowHeight = std::max(Y - rowTop(row), 0);
    } else if (rowSizing && m.ColClicked >= 0 && m.RowClicked >= 0) {
        row = m.RowClicked;
        rowHeight = Y - CellRect(m.ColClicked, m.RowClicked).Top - m.ClickPosDY;
    }
    // The pointer on a fixed column's (row's) edge shows that a press sizes it.
    if (h.SizeFixed || h.SizingFixed)
        setCursor(Qt::SplitHCursor);
    else if (h.SizeFixedR || h.SizingFixedR)
        setCursor(Qt::SplitVCursor);
    if (col >= 0 && OnColumnSizing)
        OnColumnSizing(this, col, colWidth);
    if (row >= 0 && OnRowSizing)
        OnRowSizing(this, row, rowHeight);

    if (!HintShowSizing || (col < 0 && row < 0))
        return;
    QString text;
    QPoint place;
    if (col >= 0) {
        text = QStringLiteral("cw=<b>%1</b>").arg(colWidth);
        const platform::TRect r = h.SizingFixed ? CellRect(0, 0) : CellRect(col, m.RowClicked);
        place = QPoint(r.Left, r.Top);
    } else {
        text = QStringLiteral("rh=<b>%1</b>").arg(rowHeight);
        const platform::TRect r = h.SizingFixedR ? CellRect(0, 0) : CellRect(m.ColClicked, row);
        place = QPoint(r.Left, r.Top);
    }
    if (!h.SizingHintWnd)
        h.SizingHintWnd = new THTMLHintWindow(this); // the grid's child window, owned by it
    THTMLHintWindow &window = *h.SizingHintWnd;
    const QPoint screen = mapToGlobal(place);
    const platform::TRect r = platform::OffsetRect(window.CalcHintRect(200, text), screen.x(), screen.y());
    window.setColor(HintColor);
    window.ActivateHint(r, text);
    h.SizingHintShow = true;
}

} // namespace controls
