// The print and preview operations: the ranges they print, the job around
// the printer (count, OnPrintStart, print, end), previews of one page on
// any canvas, and the column widths and font sizes of the last layout.
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/view/PrintEngine.h"
#include "platform/ScopeGuard.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace controls {

using namespace platform;

namespace {

// The part of a range that lies in the grid.
TGridRect clampedRange(const TExStringGrid &grid, const TGridRect &range)
{
    TGridRect r = range;
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, grid.ColCount() - 1);
    r.Bottom = std::min(r.Bottom, grid.RowCount() - 1);
    return r;
}

TGridRect wholeGrid(const TExStringGrid &grid) { return {0, 0, grid.ColCount() - 1, grid.RowCount() - 1}; }

} // namespace

TGridPrintState &TExStringGrid::printState() const
{
    if (!m_print)
        m_print = std::make_shared<TGridPrintState>();
    return *m_print;
}

void TExStringGrid::Print() { printJob(wholeGrid(*this), false); }
void TExStringGrid::PrintSelection() { printJob(Selection(), false); }
void TExStringGrid::PrintRect(const TGridRect &Gridrect) { printJob(Gridrect, false); }
void TExStringGrid::PrintSelectedRows() { printJob(wholeGrid(*this), true); }
void TExStringGrid::PrintSelectedCols() { printJob(wholeGrid(*this), true); }

void TExStringGrid::PrintPreview(TCanvas &Canvas, TRect Displayrect)
{
    previewJob(Canvas, Displayrect, false, wholeGrid(*this));
}

void TExStringGrid::PrintPreviewRect(TCanvas &Canvas, TRect Displayrect, const TGridRect &Gridrect)
{
    previewJob(Canvas, Displayrect, false, Gridrect);
}

void TExStringGrid::PrintPreviewSelection(TCanvas &Canvas, TRect Displayrect)
{
    previewJob(Canvas, Displayrect, false, Selection());
}

void TExStringGrid::PrintPreviewSelectedRows(TCanvas &Canvas, TRect Displayrect)
{
    previewJob(Canvas, Displayrect, true, wholeGrid(*this));
}

void TExStringGrid::PrintPreviewSelectedCols(TCanvas &Canvas, TRect Displayrect)
{
    previewJob(Canvas, Displayrect, true, wholeGrid(*this));
}

void TExStringGrid::PrintDraw(TCanvas &Canvas, TRect DrawRect) { PrintDrawRect(Canvas, DrawRect, wholeGrid(*this)); }

void TExStringGrid::setPreviewPage(int Page) { printState().PreviewPage = Page; }

int TExStringGrid::PrintPageCount() const { return printState().PageNum; }

int TExStringGrid::GetPrintColWidth(int ACol) const
{
    if (ACol < 0 || ACol >= ColCount())
        throw ZOraZaziRarar(QStringLiteral("Columns is not in valid range"));
    const std::vector<int> &widths = printState().MaxWidths;
    return std::size_t(ACol) < widths.size() ? widths[std::size_t(ACol)] : 0;
}

int TExStringGrid::GetPrintColOffset(int ACol) const
{
    if (ACol < 0 || ACol >= ColCount())
        throw ZOraZaziRarar(QStringLiteral("Columns is not in valid range"));
    const std::vector<int> &indents = printState().Indents;
    return std::size_t(ACol) < indents.size() ? indents[std::size_t(ACol)] : 0;
}

int TExStringGrid::MapFontHeight(int PointSize) const
{
    return -int(std::trunc(PointSize * 254.0 / 72.0 * printState().FontScale));
}

int TExStringGrid::MapFontSize(int Height) const { return int(std::trunc(Height * 72.0 / 254.0)); }

void TExStringGrid::DoGetCellPrintBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, ACol, ARow, APen, Borders);
}

void TExStringGrid::DoPrintGetPageNum(int PageNum, int PageColNum, QString &PageNumString)
{
    if (OnPrintGetPageNum)
        OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void TExStringGrid::printJob(const TGridRect &Range, bool SelectedOnly)
{
    if (Printer == nullptr)
        return;
    TGridPrintState &st = printState();
    ExportNotification(esExportStart, -1);
    st.PrintRect = clampedRange(*this, Range);
    if (!PrintSettings.UseDefaultOrientation)
        Printer->SetOrientation(PrintSettings.Orientation == poLandscape ? TPrinterOrientation::poLandscape
                                                                         : TPrinterOrientation::poPortrait);
    const QSize page = Printer->PageSize();
    st.PrevRect = {0, 0, int(std::lround(254.0 / std::max(1, Printer->LogPixelsX()) * page.width())),
                   int(std::lround(254.0 / std::max(1, Printer->LogPixelsY()) * page.height()))};
    Printer->SetTitle(PrintSettings.JobName);
    Printer->BeginDoc();
    bool open = true;
    const Finally end([&] {
        if (open)
            Printer->EndDoc();
    });
    int total = INT_MAX;
    std::unique_ptr<TGridPrintEngine> count;
    if (!FastPrint) {
        TCanvas &canvas = Printer->Canvas();
        const int mode = canvas.GetMapMode();
        canvas.SetMapMode(MM_LOMETRIC);
        const Finally restore([&] { canvas.SetMapMode(mode); });
        count = std::make_unique<TGridPrintEngine>(*this, canvas, TPrintMode::CountPrint, SelectedOnly, -1);
        total = count->run();
    }
    st.PageFrom = 1;
    st.PageTo = total;
    st.PageNum = total;
    if (OnPrintStart) {
        Printer->Abort();
        open = false;
        int from = 1, to = total;
        OnPrintStart(this, total, from, to);
        if (from <= 0 || to <= 0 || to < from)
            return;
        st.PageFrom = from;
        st.PageTo = to;
        Printer->BeginDoc();
        open = true;
    }
    {
        TCanvas &canvas = Printer->Canvas();
        const int mode = canvas.GetMapMode();
        const Finally restore([&] { canvas.SetMapMode(mode); });
        TGridPrintEngine print(*this, canvas, TPrintMode::Print, SelectedOnly, total);
        if (count) {
            // The same canvas and page: what the count measured holds.
            print.rowHeights = std::move(count->rowHeights);
            print.measuredWidths = std::move(count->measuredWidths);
            print.fitScale = count->fitScale;
        }
        print.run();
    }
    open = false;
    Printer->EndDoc();
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::previewJob(TCanvas &Canvas, TRect Displayrect, bool SelectedOnly, const TGridRect &Range)
{
    TGridPrintState &st = printState();
    ExportNotification(esExportStart, -1);
    const Finally done([&] {
        st.IsPreview = false;
        ExportNotification(esExportDone, -1);
    });
    st.PrintRect = clampedRange(*this, Range);
    // The page's top left at the display rectangle's, nothing drawn beyond it.
    Canvas.SaveDC();
    const Finally restore([&] { Canvas.RestoreDC(-1); });
    Canvas.IntersectClipRect(Displayrect);
    Canvas.SetWindowOrg({});
    Canvas.SetMapMode(MM_LOMETRIC);
    const TPoint corner = Canvas.DPtoLP(Displayrect.TopLeft());
    Canvas.SetWindowOrg({-corner.X, -corner.Y});
    st.PrevRect = Displayrect;
    int total = 1;
    if (!FastPrint) {
        total = TGridPrintEngine(*this, Canvas, TPrintMode::CountPreview, SelectedOnly, -1).run();
        st.PageNum = total;
    }
    st.IsPreview = true;
    int from = 1, to = total;
    if (OnPrintStart)
        OnPrintStart(this, total, from, to);
    if (from <= 0 || to <= 0 || to < from)
        return;
    st.PageFrom = st.PreviewPage;
    st.PageTo = st.PreviewPage;
    st.PrevRect = Displayrect;
    TGridPrintEngine(*this, Canvas, TPrintMode::Preview, SelectedOnly, total).run();
}

void TExStringGrid::PrintDrawRect(TCanvas &Canvas, TRect DrawRect, const TGridRect &Gridrect)
{
    TGridPrintState &st = printState();
    st.PrintRect = clampedRange(*this, Gridrect);
    st.PrevRect = DrawRect;
    st.PageFrom = st.PageTo = st.PageNum = 1;
    // One page within DrawRect (device pixels), its top left at DrawRect's.
    Canvas.SaveDC();
    const Finally restore([&] { Canvas.RestoreDC(-1); });
    Canvas.IntersectClipRect(DrawRect);
    Canvas.SetWindowOrg({});
    Canvas.SetMapMode(MM_LOMETRIC);
    const TPoint corner = Canvas.DPtoLP(DrawRect.TopLeft());
    Canvas.SetWindowOrg({-corner.X, -corner.Y});
    TGridPrintEngine(*this, Canvas, TPrintMode::Print, false, 1).run();
}

} // namespace controls
