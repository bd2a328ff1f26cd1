// The string grid's scroll bar settings: the bar look (the window's bars or
// the thin Metro bars), thumbs sized by pixels, and what the grid does
// with a bar's messages: scroll hints while a thumb is dragged and
// scrolling along with it.
//
// This platform has no flat scroll bars: ssFlat and ssEncarta keep the
// window's bars as ssNormal does, and ScrollColor and ScrollWidth, which
// only style flat bars, are kept for the settings that read them.
#include "controls/grid/view/GridScrollState.h"
#include "controls/grid/view/MetroScrollBars.h"

#include "platform/HandlerGuard.h"

#include <QScrollBar>

#include <algorithm>
#include <climits>
#include <cmath>

namespace controls {

TGridScrolling &TExStringGrid::scrolling() const
{
    if (!m_scrolling)
        m_scrolling = std::make_shared<TGridScrolling>();
    return *m_scrolling;
}

TScrollType TExStringGrid::ScrollType() const { return scrolling().ScrollType; }

void TExStringGrid::setScrollType(TScrollType value)
{
    TGridScrolling &s = scrolling();
    s.ScrollType = value;
    if (value == ssMetro) {
        CreateScrollControls();
        setScrollBars(ssNone);
    } else if (s.VertBar || s.HorzBar) {
        FreeScrollControls();
        setScrollBars(ssBoth);
    }
}

platform::TColor TExStringGrid::ScrollColor() const { return scrolling().ScrollColor; }

void TExStringGrid::setScrollColor(platform::TColor value) { scrolling().ScrollColor = value; }

int TExStringGrid::ScrollWidth() const { return scrolling().ScrollWidth; }

void TExStringGrid::setScrollWidth(int value) { scrolling().ScrollWidth = value; }

bool TExStringGrid::ScrollProportional() const { return scrolling().ScrollProportional; }

void TExStringGrid::setScrollProportional(bool value)
{
    scrolling().ScrollProportional = value;
    if (value) {
        UpdateVertScrollProportion();
        UpdateHorzScrollProportion();
        return;
    }
    // Back to a page of whole rows and columns, as the grid sets it.
    verticalBar()->setPageStep(std::max(1, VisibleRowCount()));
    horizontalBar()->setPageStep(std::max(1, VisibleColCount()));
}

// The bar keeps its range of rows (columns); the page grows or shrinks so
// that the thumb takes the share of the track that the view takes of the
// scrollable pixels.
void TExStringGrid::setBarPage(QScrollBar *bar, double share)
{
    const int range = bar->maximum() - bar->minimum();
    if (range <= 0)
        return;
    const double page = std::clamp(share * range / (1.0 - share), 1.0, double(INT_MAX / 4));
    bar->setPageStep(int(std::lround(page)));
}

void TExStringGrid::UpdateVertScrollProportion()
{
    const TGridScrolling &s = scrolling();
    if (Loading() || Designing() || !s.ScrollProportional || s.ScrollLock)
        return;
    if (VisibleRowCount() + FixedRows() >= RowCount())
        return;
    // Kept sums of the heights: no walk over the rows.
    const std::int64_t line = LineWidth();
    const std::int64_t fixed = line + rowSizes().offset(FixedRows()) + FixedRows() * line;
    const std::int64_t total =
        line + rowSizes().span(FixedRows(), RowCount()) + std::int64_t(RowCount() - FixedRows()) * line;
    if (total == 0)
        return;
    const float share = float(height() - fixed) / float(total);
    if (share < 0.9999f)
        setBarPage(verticalBar(), std::max(0.0f, share));
}

void TExStringGrid::UpdateHorzScrollProportion()
{
    const TGridScrolling &s = scrolling();
    if (Loading() || Designing() || !s.ScrollProportional || s.ScrollLock)
        return;
    if (VisibleColCount() + FixedCols() >= ColCount())
        return;
    const std::int64_t line = LineWidth();
    const std::int64_t fixed = line + colSizes().offset(FixedCols()) + FixedCols() * line;
    const std::int64_t total =
        line + colSizes().span(FixedCols(), ColCount()) + std::int64_t(ColCount() - FixedCols()) * line;
    if (total == 0 || fixed + total - width() < 5)
        return;
    const float share = float(width() - fixed) / float(total);
    if (share < 0.9999f)
        setBarPage(horizontalBar(), std::max(0.0f, share));
}

// The grid set its bars again (a scroll, a size, rows added): the thumbs
// take their pixel share again and the Metro bars follow.
void TExStringGrid::GridScrollBarsSynced()
{
    UpdateVertScrollProportion();
    UpdateHorzScrollProportion();
    const TGridScrolling &s = scrolling();
    if (s.VertBar)
        s.VertBar->update();
    if (s.HorzBar)
        s.HorzBar->update();
}

void TExStringGrid::GridVertScrollMessage(int Code, int Pos)
{
    const int row = FixedRows() + Pos;
    if (ScrollHints == shVertical || ScrollHints == shBoth) {
        if (Code == SB_ENDSCROLL)
            hideScrollHint();
        else if (Code == SB_THUMBTRACK) {
            QString text = QStringLiteral("Row : ") + QString::number(row);
            if (OnScrollHint)
                OnScrollHint(this, row, text);
            showScrollHint(text);
        }
    }
    if (Code == SB_THUMBTRACK && ScrollSynch)
        setTopRow(row);
    // A fixed background picture needs nothing here: while one is placed
    // a scroll paints the cells again instead of moving them.
}

void TExStringGrid::GridHorzScrollMessage(int Code, int Pos)
{
    const int col = FixedCols() + Pos;
    if (ScrollHints == shHorizontal || ScrollHints == shBoth) {
        if (Code == SB_ENDSCROLL)
            hideScrollHint();
        else if (Code == SB_THUMBTRACK) {
            QString text = QStringLiteral("Col : ") + QString::number(col);
            if (OnScrollHint)
                OnScrollHint(this, col, text);
            showScrollHint(text);
        }
    }
    if (Code == SB_THUMBTRACK && ScrollSynch)
        setLeftCol(col);
    // Without fixed columns the editor would be scrolled over the cells.
    if (FixedCols() == 0 && col >= Col() && EditorMode())
        HideEditor();
}

} // namespace controls
