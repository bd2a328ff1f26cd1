// The page engine's layout: the page and the line heights, the measured
// column widths fitted to the page, strips of columns left to right and the
// rows of each strip over its pages. Every page takes at least one row and
// every strip at least one column, so that every job ends: a row taller
// than the page, or a column wider, gets a page or a strip of its own and is
// clipped there.
#include "controls/grid/base/CellText.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/PrintEngine.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace controls {

using namespace platform;

TGridPrintEngine::TGridPrintEngine(TExStringGrid &grid, TCanvas &canvas, TPrintMode mode, bool selectedOnly,
                                   int pageTotal)
    : grid(grid), st(grid.printState()), settings(grid.PrintSettings), canvas(canvas), mode(mode),
      selectedOnly(selectedOnly), pageTotal(pageTotal)
{
}

bool TGridPrintEngine::pageInRange() const { return P + 1 >= st.PageFrom && P + 1 <= st.PageTo; }

bool TGridPrintEngine::rowIncluded(int ARow) const
{
    if (!selectedOnly)
        return true;
    if (ARow < grid.FixedRows() && settings.FixedCellsAlways)
        return true;
    if (grid.m_mouseActions.DisjunctRowSelect())
        return grid.RowSelect(ARow);
    const TGridRect sel = grid.Selection();
    return ARow >= sel.Top && ARow <= sel.Bottom;
}

bool TGridPrintEngine::colIncluded(int ACol) const
{
    if (!selectedOnly || grid.m_mouseActions.DisjunctRowSelect())
        return true;
    if (ACol < grid.FixedCols() && settings.FixedCellsAlways)
        return true;
    if (grid.m_mouseActions.DisjunctColSelect())
        return grid.ColSelect(ACol);
    const TGridRect sel = grid.Selection();
    return ACol >= sel.Left && ACol <= sel.Right;
}

void TGridPrintEngine::setPrintFont(const TFont &font)
{
    TFont mapped;
    mapped.Assign(font);
    mapped.setOrientation(0);
    mapped.setHeight(grid.MapFontHeight(font.Size()));
    canvas.Font().Assign(mapped);
}

int TGridPrintEngine::run()
{
    st.FontScale = 1.0;
    const TGridRect range = st.PrintRect;
    canvas.SetMapMode(MM_LOMETRIC);
    canvas.Pen().setColor(clBlack);
    canvas.Pen().setStyle(TPenStyle(std::clamp(settings.BorderStyle, 0, 6)));
    canvas.Pen().setWidth(settings.Borders == pbDouble ? 10 : 2);

    setPrintFont(settings.HeaderFont);
    headerLineHeight = canvas.TextHeight(QStringLiteral("gh"));
    setPrintFont(settings.FooterFont);
    footerLineHeight = canvas.TextHeight(QStringLiteral("gh"));
    setPrintFont(grid.Font());
    S8 = canvas.TextHeight(QStringLiteral("gh")) / 8;
    textInset = canvas.TextWidth(QStringLiteral("g")) / 2;

    switch (mode) {
    case TPrintMode::Print: {
        const TRect clip = canvas.ClipRect();
        W = clip.Right - clip.Left;
        H = clip.Bottom;
        break;
    }
    case TPrintMode::CountPrint:
        W = st.PrevRect.Width();
        H = -st.PrevRect.Bottom - st.PrevRect.Top;
        break;
    default: {
        const TPoint a = canvas.DPtoLP(st.PrevRect.TopLeft());
        const TPoint b = canvas.DPtoLP(st.PrevRect.BottomRight());
        W = b.X - a.X;
        H = b.Y - a.Y;
        break;
    }
    }
    st.PageRect = {0, 0, W, H};
    Sp = settings.UseFixedWidth ? 0 : settings.ColumnSpacing + 20;

    const std::size_t columns = std::size_t(std::max(grid.ColCount(), 0)) + 1;
    st.MaxWidths.assign(columns, 0);
    st.Indents.assign(columns, 0);
    if (range.Left > range.Right || range.Top > range.Bottom || grid.ColCount() == 0 || grid.RowCount() == 0)
        return 0;

    if (measuredWidths.size() == columns) {
        st.MaxWidths = measuredWidths;
        st.FontScale = fitScale;
    } else {
        measureColumns();
        fitToPage();
        if (grid.OnPrintSetColumnWidth)
            for (int c = range.Left; c <= range.Right; ++c)
                grid.OnPrintSetColumnWidth(&grid, c, st.MaxWidths[std::size_t(c)]);
        measuredWidths = st.MaxWidths;
        fitScale = st.FontScale;
    }
    if (rowHeights.size() != std::size_t(grid.RowCount()))
        rowHeights.assign(std::size_t(grid.RowCount()), -1);

    P = 0;
    stripNumber = 0;
    for (int first = range.Left; first <= range.Right && !cancelled && !done; ++stripNumber) {
        layoutStrip(first);
        stripsSplit = stripsSplit || stripLast < range.Right;
        rowPages();
        first = stripLast + 1;
    }
    st.FontScale = 1.0;
    return P;
}

void TGridPrintEngine::measureColumns()
{
    const TGridRect range = st.PrintRect;
    if (settings.NoAutoSize) {
        for (int c = range.Left; c <= range.Right; ++c)
            if (colIncluded(c))
                st.MaxWidths[std::size_t(c)] = int(std::lround(grid.ColWidths(c) * L));
        return;
    }
    const int firstRow = settings.RepeatFixedRows ? std::min(0, range.Top) : range.Top;
    const int fixedRows = settings.RepeatFixedRows ? grid.FixedRows() : 0;
    for (int c = range.Left; c <= range.Right; ++c) {
        if (!colIncluded(c))
            continue;
        int &widest = st.MaxWidths[std::size_t(c)];
        const auto measure = [&](int r) {
            const TGridCoord base = grid.BaseCell(c, r);
            if (grid.CellSpan(base.X, base.Y).X > 0)
                return; // merged across columns: its width is theirs
            const int w = settings.UseFixedWidth ? settings.FixedWidth : MeasurePrintCell(c, r).cx;
            widest = std::max(widest, w);
        };
        for (int r = firstRow; r < std::min(fixedRows, range.Top); ++r)
            measure(r);
        for (int r = range.Top; r <= range.Bottom; ++r)
            measure(r);
    }
}

void TGridPrintEngine::fitToPage()
{
    if (settings.FitToPage == fpNever)
        return;
    const TGridRect range = st.PrintRect;
    double total = 0;
    for (int c = range.Left; c <= range.Right; ++c)
        if (colIncluded(c))
            total += st.MaxWidths[std::size_t(c)] + Sp;
    const double spacings = double(range.Right - range.Left + 1) * Sp;
    if (total == spacings)
        return;
    double F = (W - settings.RightSize - settings.LeftSize - spacings) / (total - spacings);
    if ((settings.FitToPage == fpShrink && F > 1) || (settings.FitToPage == fpGrow && F < 1))
        F = 1;
    if (settings.FitToPage == fpCustom && F != 1) {
        bool allow = true;
        if (grid.OnFitToPage)
            grid.OnFitToPage(&grid, F, allow);
        if (!allow)
            F = 1;
    }
    // A fit that leaves no width at all would print nothing readable.
    if (F == 1 || !(F > 0) || !std::isfinite(F))
        return;
    for (int c = range.Left; c <= range.Right; ++c)
        st.MaxWidths[std::size_t(c)] = int(st.MaxWidths[std::size_t(c)] * F);
    st.FontScale = F;
}

int TGridPrintEngine::printRowHeight(int ARow)
{
    if (ARow == cachedRow)
        return cachedHeight;
    if (ARow >= 0 && std::size_t(ARow) < rowHeights.size() && rowHeights[std::size_t(ARow)] >= 0)
        return rowHeights[std::size_t(ARow)];
    int height = 0;
    if (settings.NoAutoSizeRow) {
        height = int(std::lround(grid.RowHeights(ARow) * L)) - 4;
    } else if (settings.UseFixedHeight) {
        height = settings.FixedHeight;
    } else {
        int tallest = 0;
        for (int c = st.PrintRect.Left; c <= st.PrintRect.Right; ++c) {
            const TGridCoord base = grid.BaseCell(c, ARow);
            if (grid.CellSpan(base.X, base.Y).Y > 0)
                continue; // merged across rows: its height is theirs
            tallest = std::max(tallest, MeasurePrintCell(c, ARow).cy);
        }
        if (tallest == 0)
            tallest = lastMeasuredHeight;
        lastMeasuredHeight = tallest;
        height = tallest + tallest / 8;
    }
    if (grid.OnPrintSetRowHeight)
        grid.OnPrintSetRowHeight(&grid, ARow, height);
    cachedRow = ARow;
    cachedHeight = height;
    if (ARow >= 0 && std::size_t(ARow) < rowHeights.size())
        rowHeights[std::size_t(ARow)] = height;
    return height;
}

void TGridPrintEngine::layoutStrip(int first)
{
    const TGridRect range = st.PrintRect;
    const int fixedCols = grid.FixedCols();
    std::vector<int> &widths = st.MaxWidths;
    std::vector<int> &indents = st.Indents;
    // The fixed columns repeat on a strip that does not hold them already.
    repeatFixedCols = fixedCols >= 1 && settings.RepeatFixedCols && first >= fixedCols
                      && !(stripNumber == 0 && range.Left < fixedCols);
    int fixedWidth = 0;
    if (repeatFixedCols)
        for (int c = 0; c < fixedCols; ++c)
            fixedWidth += widths[std::size_t(c)] + Sp;

    int D = fixedWidth;
    int last = first - 1;
    for (int c = first; c <= range.Right; ++c) {
        if (!colIncluded(c)) {
            last = c;
            continue;
        }
        if (D + widths[std::size_t(c)] + Sp > W - settings.RightSize && last >= first)
            break;
        D += widths[std::size_t(c)] + Sp;
        last = c;
        if (D > W - settings.RightSize)
            break; // a column wider than the page: a strip of its own
    }
    stripFirst = first;
    stripLast = std::max(last, first);
    stripWidth = D;

    int x0 = settings.Centered ? 0 : settings.LeftSize;
    if (settings.Centered && D < W)
        x0 += (W - D) / 2;
    if (repeatFixedCols) {
        indents[0] = x0;
        for (int k = 1; k <= fixedCols; ++k)
            indents[std::size_t(k)] = indents[std::size_t(k - 1)] + widths[std::size_t(k - 1)] + Sp;
    }
    indents[std::size_t(first)] = x0 + fixedWidth;
    for (int c = first; c <= stripLast; ++c)
        indents[std::size_t(c + 1)] =
            indents[std::size_t(c)] + (colIncluded(c) ? widths[std::size_t(c)] + Sp : 0);
}

void TGridPrintEngine::computeHeaderFooterHeights(bool withHtmlTitle)
{
    const bool titleTop = isTopPosition(settings.Title);
    const bool titleBottom = isBottomPosition(settings.Title);
    const bool anyTop = isTopPosition(settings.Time) || isTopPosition(settings.Date) || isTopPosition(settings.PageNr)
                        || titleTop;
    const bool anyBottom = isBottomPosition(settings.Time) || isBottomPosition(settings.Date)
                           || isBottomPosition(settings.PageNr) || titleBottom;
    const int titleLines = settings.TitleText.isEmpty() ? int(settings.TitleLines.size()) : 1;
    const bool htmlTitle = settings.TitleText.isEmpty() && !settings.TitleLines.isEmpty()
                           && GetCellTextKind(settings.TitleLines.join(QString()), grid.Appearance().EnableHTML)
                                  == ckHtml;
    if (anyTop) {
        E = S8 + headerLineHeight + settings.HeaderSize;
        if (titleTop && titleLines > 1) {
            if (htmlTitle) {
                if (withHtmlTitle)
                    E += settings.HeaderSize;
            } else {
                E += (titleLines - 1) * headerLineHeight;
            }
        }
    } else {
        E = settings.HeaderSize;
    }
    if (anyBottom) {
        G = 2 * S8 + 2 * footerLineHeight + settings.FooterSize;
        if (titleBottom && titleLines > 1 && !htmlTitle)
            G += (titleLines - 1) * footerLineHeight;
    } else {
        G = S8 + footerLineHeight + settings.FooterSize;
    }
}

int TGridPrintEngine::printWholeRow(int ARow, int Y)
{
    int height = 0;
    if (repeatFixedCols)
        height = RenderPrintRow(Y, 0, grid.FixedCols() - 1, ARow);
    return std::max(height, RenderPrintRow(Y, stripFirst, stripLast, ARow));
}

void TGridPrintEngine::endPage(int lastRow, int Y, bool morePages)
{
    if (drawing() && pageInRange()) {
        if (grid.OnPrintPageDone)
            grid.OnPrintPageDone(&grid, canvas, lastRow, Y, P + 1, W, H);
        if (grid.OnPrintCancel) {
            bool cancel = false;
            grid.OnPrintCancel(&grid, P + 1, cancel);
            cancelled = cancel;
        }
    }
    DrawPrintBlockBorders(stripFirst, stripLast, Y);
    // Drawing stops after the last page asked for; counting goes on.
    if (drawing() && P + 1 >= st.PageTo)
        done = true;
    if (morePages && !cancelled && !done)
        StartNextPrintPage();
    ++P;
}

void TGridPrintEngine::rowPages()
{
    const TGridRect range = st.PrintRect;
    const int fixedRows = grid.FixedRows();
    rowPageInStrip = 0;
    computeHeaderFooterHeights(true);
    if (drawing() && pageInRange() && P == 0 && grid.OnPrintPage)
        grid.OnPrintPage(&grid, canvas, P + 1, W, H);
    const bool leavesRowsOut = range.Top > fixedRows || range.Bottom < grid.RowCount() - 1 - grid.FixedFooters();
    const auto exportKind = leavesRowsOut ? TExStringGrid::esExportSelRow : TExStringGrid::esExportNewRow;
    const int bottom = H + G; // the lowest a row may reach
    int R = range.Top;
    const bool lastStrip = stripLast >= range.Right;
    while (!cancelled && !done) {
        int Y = -E;
        Y -= settings.TitleSpacing + RenderPrintHeaderFooter();
        if (R > 0 && settings.RepeatFixedRows && fixedRows > 0 && (rowPageInStrip > 0 || range.Top >= fixedRows))
            for (int fr = 0; fr < fixedRows; ++fr)
                Y -= printWholeRow(fr, Y);
        int rowsOnPage = 0;
        bool newPage = false;
        while (R <= range.Bottom && !newPage) {
            if (drawing())
                grid.ExportNotification(exportKind, R);
            if (!rowIncluded(R)) {
                ++R;
                continue;
            }
            // A row that does not fit waits for the next page, unless the
            // page is empty: then it is printed here, clipped.
            if (Y - rowHeightOnPage(R) < bottom && rowsOnPage > 0)
                break;
            Y -= printWholeRow(R, Y);
            ++rowsOnPage;
            if (grid.OnPrintNewPage)
                grid.OnPrintNewPage(&grid, R, newPage);
            ++R;
        }
        const bool morePages = R <= range.Bottom || !lastStrip;
        endPage(R, Y, morePages);
        if (R > range.Bottom)
            break;
        ++rowPageInStrip;
        computeHeaderFooterHeights(false);
    }
}

} // namespace controls
