#pragma once
// The string grid's page engine: one run lays the cells of a range out on
// pages in 0.1 mm (y upwards), counting them or drawing them on a canvas.
// Columns are measured and fitted to the page width, spread over strips of
// pages left to right; rows over the pages of each strip.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridPrintState.h"

namespace controls {

// Screen pixels to 0.1 mm: the layer lays windows out at 96 pixels per inch.
constexpr double kPrintUnitsPerPixel = 254.0 / 96.0;

enum class TPrintMode { Preview = 0, Print = 1, CountPrint = 2, CountPreview = 3 };

// A + " " + B; one of them alone when the other is empty.
QString JoinWithSpace(const QString &A, const QString &B);

struct TGridPrintEngine {
    TGridPrintEngine(TExStringGrid &grid, platform::TCanvas &canvas, TPrintMode mode, bool selectedOnly,
                     int pageTotal);
    // Lays out (and draws) every page; gives the number of pages.
    int run();

    // --- layout (PrintLayout.cpp) ---
    bool drawing() const { return mode == TPrintMode::Preview || mode == TPrintMode::Print; }
    bool pageInRange() const;
    bool rowIncluded(int ARow) const;
    bool colIncluded(int ACol) const;
    void measureColumns();
    void fitToPage();
    int printRowHeight(int ARow);
    // A row's height on the page: its measured height and the gaps.
    int rowHeightOnPage(int ARow) { return printRowHeight(ARow) + 2 * S8 + settings.RowSpacing; }
    void layoutStrip(int first);
    void computeHeaderFooterHeights(bool withHtmlTitle);
    void rowPages();
    // Draws the fixed columns (when the strip repeats them) and the strip's.
    int printWholeRow(int ARow, int Y);
    void endPage(int lastRow, int Y, bool morePages);

    // --- cells (PrintedCells.cpp) ---
    QString cellText(int ACol, int ARow);
    void cellFont(int ACol, int ARow, platform::TFont &font, platform::TBrush &brush, platform::TColor &colorTo,
                  TAlignment &ha, TVAlignment &va, bool &ww);
    platform::TSize MeasurePrintCell(int ACol, int ARow);
    int RenderPrintRow(int Y, int C1, int C2, int ARow);
    void renderCell(int ACol, int ARow, const platform::TRect &area, int rowHeight);
    void renderCellGraphic(int ACol, int ARow, TCellGraphic &g, platform::TRect &area, platform::TRect &textArea,
                           const platform::TBrush &brush);
    void renderCellBorders(int ACol, int ARow, platform::TRect area, int stripLastCol);
    void renderHtml(const QString &text, const platform::TRect &area, const platform::TFont &font);
    platform::TSize measureHtml(const QString &text, int ACol, const platform::TFont &font);

    // --- headers and footers (PrintHeaders.cpp) ---
    int RenderPrintHeaderFooter();
    QString PrintPageNumberText();
    void DrawPrintBlockBorders(int C1, int C2, int Yb);
    void StartNextPrintPage();
    void setPrintFont(const platform::TFont &font);

    TExStringGrid &grid;
    TGridPrintState &st;
    const TPrintSettings &settings;
    platform::TCanvas &canvas;
    TPrintMode mode;
    bool selectedOnly;
    int pageTotal;
    double L = kPrintUnitsPerPixel;

    int W = 0; // page width
    int H = 0; // page height, negative
    int S8 = 0;
    int headerLineHeight = 0;
    int footerLineHeight = 0;
    int textInset = 0;
    int Sp = 0;
    int P = 0; // the current page, from 0
    int E = 0; // header height
    int G = 0; // footer height
    bool cancelled = false;
    bool done = false; // the last page asked for is out

    // The current strip.
    int stripFirst = 0;
    int stripLast = 0;
    int stripNumber = 0; // from 0
    int stripWidth = 0;
    bool repeatFixedCols = false;
    bool stripsSplit = false;
    int rowPageInStrip = 0; // from 0

    // What a count of the same job measured, handed to the job's printing
    // pass so that no cell is measured twice: every row's height (-1 where
    // unknown), and the fitted column widths with their font scale.
    std::vector<int> rowHeights;
    std::vector<int> measuredWidths;
    double fitScale = 1.0;
    int cachedRow = -1;
    int cachedHeight = 0;
    int lastMeasuredHeight = 0;
};

} // namespace controls
