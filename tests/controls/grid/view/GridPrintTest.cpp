// Printing the string grid: units, layout, jobs on a recording printer and
// a PDF file, page numbers, the faults of long rows and wide columns, the
// print settings file and font scaling.
#include "controls/grid/model/ExCGrid.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/print/PagedDevicePrinter.h"
#include "platform/print/RecordingPrinter.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <QPdfWriter>
#include <QTemporaryDir>

using namespace controls;
using platform::TRecordingPrinter;

namespace {

// A5-sized pages at 96 dpi: 559 x 794 pixels, 1479 x 2101 in 0.1 mm.
QSize a5() { return {559, 794}; }

struct PrintTest : testing::Test {
    TExStringGrid grid;
    TRecordingPrinter printer{a5(), 96};
    void SetUp() override
    {
        grid.setColCount(3);
        grid.setRowCount(2);
        grid.Printer = &printer;
    }
    void fill(int cols, int rows)
    {
        grid.setColCount(cols);
        grid.setRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                grid.setCells(c, r, QStringLiteral("c%1 r%2").arg(c).arg(r));
    }
    // The page numbers drawn, as the page number hook gives them.
    QStringList pageNumbers()
    {
        QStringList numbers;
        grid.PrintSettings.PageNr = ppBottomRight;
        grid.OnPrintGetPageNum = [&](TExStringGrid *, int, int, QString &text) { numbers.append(text); };
        grid.Print();
        return numbers;
    }
};

int pdfPageCount(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = f.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page/")
               + bytes.count("/Type /Page>"));
}

} // namespace

TEST_F(PrintTest, FontHeightsAreTenthsOfMillimetres)
{
    EXPECT_EQ(grid.MapFontHeight(10), -35);
    EXPECT_EQ(grid.MapFontHeight(8), -28);
    EXPECT_EQ(grid.MapFontSize(-35), -9);
    EXPECT_EQ(grid.MapFontSize(254), 72);
}

TEST_F(PrintTest, APdfHoldsExactlyTheCountedPages)
{
    fill(3, 200);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("grid.pdf"));
    int total = 0;
    {
        QPdfWriter writer(file);
        writer.setResolution(300);
        platform::TPdfPrinter pdf(writer, file);
        grid.Printer = &pdf;
        grid.OnPrintStart = [&](TExStringGrid *, int pages, int &, int &) { total = pages; };
        grid.Print();
        grid.Printer = nullptr;
    }
    EXPECT_GT(total, 2);
    EXPECT_EQ(pdfPageCount(file), total);
}

TEST_F(PrintTest, TheRecordedPagesAreTheCountedOnes)
{
    fill(3, 200);
    int total = 0;
    QList<int> started;
    grid.OnPrintStart = [&](TExStringGrid *, int pages, int &, int &) { total = pages; };
    grid.OnPrintPage = [&](TExStringGrid *, platform::TCanvas &, int page, int, int) { started.append(page); };
    grid.Print();
    ASSERT_GT(total, 2);
    EXPECT_EQ(int(printer.Pages.size()), total);
    EXPECT_EQ(grid.PrintPageCount(), total);
    EXPECT_EQ(started.size(), total);
    EXPECT_EQ(started.first(), 1);
    EXPECT_EQ(started.last(), total);
}

TEST_F(PrintTest, AnEmptyOrReversedRangePrintsNothing)
{
    fill(3, 200);
    for (const auto &range : {std::pair{0, 0}, std::pair{3, 2}}) {
        printer.Calls.clear();
        grid.OnPrintStart = [&](TExStringGrid *, int, int &from, int &to) {
            from = range.first;
            to = range.second;
        };
        grid.Print();
        EXPECT_EQ(printer.Calls, (QStringList{"Orientation 0", "Title ", "BeginDoc", "Abort"}));
        EXPECT_FALSE(printer.Printing());
    }
}

TEST_F(PrintTest, ACancelStopsAfterItsPageAndTheDocumentStillEnds)
{
    fill(3, 200);
    grid.OnPrintCancel = [](TExStringGrid *, int page, bool &cancel) { cancel = page == 2; };
    grid.Print();
    EXPECT_EQ(printer.Pages.size(), 2u);
    EXPECT_EQ(printer.Calls.last(), QStringLiteral("EndDoc"));
}

TEST_F(PrintTest, APreviewOfPageTwoDrawsOnlyPageTwo)
{
    fill(3, 200);
    QImage image(a5(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    platform::TCanvas canvas(&image);
    int total = 0;
    QList<int> drawn;
    grid.OnPrintStart = [&](TExStringGrid *, int pages, int &, int &) { total = pages; };
    grid.OnPrintPage = [&](TExStringGrid *, platform::TCanvas &, int page, int, int) { drawn.append(page); };
    grid.setPreviewPage(2);
    grid.PrintPreview(canvas, {0, 0, a5().width(), a5().height()});
    EXPECT_GT(total, 2);
    EXPECT_EQ(drawn, QList<int>{2});
    EXPECT_EQ(canvas.GetMapMode(), platform::MM_TEXT) << "the canvas's mapping comes back";
    canvas.endPainting();
    int inked = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            inked += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(inked, 100);
}

TEST_F(PrintTest, PrintDrawMakesOnePage)
{
    fill(3, 200);
    QImage image(a5(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    platform::TCanvas canvas(&image);
    int pages = 0;
    grid.OnPrintPage = [&](TExStringGrid *, platform::TCanvas &, int, int, int) { ++pages; };
    grid.PrintDraw(canvas, {0, 0, a5().width(), a5().height()});
    EXPECT_EQ(pages, 1);
}

TEST_F(PrintTest, SelectedRowsPrintOverTheSelectionsColumns)
{
    fill(5, 10);
    grid.setSelection({1, 3, 2, 5});
    QList<int> rows;
    grid.OnPrintSetRowHeight = [&](TExStringGrid *, int row, int &) { rows.append(row); };
    grid.PrintSelectedRows();
    EXPECT_EQ(printer.Pages.size(), 1u);
    EXPECT_GT(grid.GetPrintColWidth(1), 0);
    EXPECT_GT(grid.GetPrintColWidth(2), 0);
    EXPECT_EQ(grid.GetPrintColWidth(0), 0);
    EXPECT_EQ(grid.GetPrintColWidth(3), 0);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    EXPECT_EQ(rows, (QList<int>{3, 4, 5}));
}

TEST_F(PrintTest, ARowTallerThanThePageGetsItsOwnPageAndTheJobEnds)
{
    fill(2, 6);
    grid.Appearance().Multilinecells = true;
    QString tall;
    for (int i = 0; i < 300; ++i)
        tall += QStringLiteral("line\r\n");
    grid.setCells(1, 2, tall);
    int total = 0;
    grid.OnPrintStart = [&](TExStringGrid *, int pages, int &, int &) { total = pages; };
    grid.Print();
    EXPECT_EQ(total, 3) << "rows 0-1, the tall row, rows 3-5";
    EXPECT_EQ(int(printer.Pages.size()), total);
}

TEST_F(PrintTest, AColumnWiderThanThePageGetsItsOwnStrip)
{
    fill(3, 4);
    grid.setCells(1, 1, QString(400, u'W'));
    int total = 0;
    grid.OnPrintStart = [&](TExStringGrid *, int pages, int &, int &) { total = pages; };
    grid.Print();
    EXPECT_EQ(total, 3) << "column 0, the wide column, column 2";
    EXPECT_EQ(int(printer.Pages.size()), total);
}

TEST_F(PrintTest, FastPrintPrintsUpToTheLastPageAskedFor)
{
    fill(3, 400);
    grid.FastPrint = true;
    grid.OnPrintStart = [&](TExStringGrid *, int pages, int &from, int &to) {
        EXPECT_EQ(pages, 2147483647);
        from = 1;
        to = 5;
    };
    grid.Print();
    EXPECT_EQ(printer.Pages.size(), 5u);
}

TEST_F(PrintTest, ColumnsBeyond512PrintAndOnlyMissingColumnsRaise)
{
    fill(600, 2);
    grid.Print();
    EXPECT_GT(grid.GetPrintColWidth(550), 0);
    EXPECT_GT(grid.GetPrintColOffset(599), 0);
    EXPECT_THROW(grid.GetPrintColWidth(600), ZOraZaziRarar);
    fill(5, 2);
    try {
        grid.GetPrintColWidth(512);
        FAIL();
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Columns is not in valid range"));
    }
    EXPECT_THROW(grid.GetPrintColOffset(-1), ZOraZaziRarar);
}

TEST_F(PrintTest, PageNumbersCarryTheTotalAndTheOffsets)
{
    fill(2, 200);
    grid.PrintSettings.PageNumSep = QStringLiteral("/");
    const QStringList plain = pageNumbers();
    ASSERT_GT(plain.size(), 2);
    const QString total = QString::number(plain.size());
    EXPECT_EQ(plain[1], QStringLiteral("2/") + total);
    grid.PrintSettings.PageNumberOffset = 10;
    grid.PrintSettings.MaxPagesOffset = 10;
    EXPECT_EQ(pageNumbers().first(), QStringLiteral("11/%1").arg(plain.size() + 10));
    grid.PrintSettings.PageNumSep.clear();
    grid.PrintSettings.PageNumberOffset = 0;
    EXPECT_EQ(pageNumbers().first(), QStringLiteral("1"));
}

TEST_F(PrintTest, TwoStripsNumberTheirPagesRowPageDashStrip)
{
    fill(2, 120);
    for (int r = 0; r < 120; ++r)
        grid.setCells(1, r, QString(150, u'W'));
    const QStringList numbers = pageNumbers();
    ASSERT_GE(numbers.size(), 4);
    EXPECT_EQ(numbers[0], QStringLiteral("1-1"));
    EXPECT_EQ(numbers[1], QStringLiteral("2-1"));
    EXPECT_TRUE(numbers.contains(QStringLiteral("1-2")));
}

TEST_F(PrintTest, FittingScalesOnlyTheWayItIsAsked)
{
    fill(3, 3);
    grid.Print();
    const int natural = grid.GetPrintColWidth(1);
    grid.PrintSettings.FitToPage = fpShrink;
    grid.Print();
    EXPECT_EQ(grid.GetPrintColWidth(1), natural) << "a narrow grid is not grown";
    grid.PrintSettings.FitToPage = fpAlways;
    grid.Print();
    EXPECT_GT(grid.GetPrintColWidth(1), natural);
    grid.PrintSettings.FitToPage = fpCustom;
    grid.OnFitToPage = [](TExStringGrid *, double &, bool &allow) { allow = false; };
    grid.Print();
    EXPECT_EQ(grid.GetPrintColWidth(1), natural);
    EXPECT_EQ(grid.MapFontHeight(10), -35) << "the fit's font scale ends with the job";
}

TEST_F(PrintTest, PrintSettingsSaveAndLoadThroughTheirFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("print.ini"));
    grid.PrintSettings.Borders = pbAround;
    grid.PrintSettings.TitleLines = {QStringLiteral("one"), QStringLiteral("two")};
    grid.PrintSettings.HeaderFont.setName(QStringLiteral("Courier New"));
    grid.PrintSettings.HeaderFont.setSize(14);
    grid.PrintSettings.HeaderFont.setStyle({true, false, false, false});
    grid.SavePrintSettings(file, QStringLiteral("Print"));
    TExStringGrid other;
    other.LoadPrintSettings(file, QStringLiteral("Print"));
    EXPECT_EQ(other.PrintSettings.Borders, pbAround);
    EXPECT_EQ(other.PrintSettings.TitleLines, grid.PrintSettings.TitleLines);
    EXPECT_EQ(other.PrintSettings.HeaderFont.Name(), QStringLiteral("Courier New"));
    EXPECT_EQ(other.PrintSettings.HeaderFont.Size(), 14);
    EXPECT_TRUE(other.PrintSettings.HeaderFont.Style().bold);
    TExStringGrid empty;
    empty.LoadPrintSettings(dir.filePath(QStringLiteral("missing.ini")), QStringLiteral("Print"));
    EXPECT_EQ(empty.PrintSettings.ColumnSpacing, 20);
    EXPECT_EQ(empty.PrintSettings.Font.Name(), QStringLiteral("Arial"));
    EXPECT_EQ(empty.PrintSettings.Font.Size(), 10);
}

TEST(GridScaleTest, ScalingReachesTheColumnFontsButNotThePrintFont)
{
    TExColumnGrid grid;
    grid.setColCount(2);
    TGridColumnItem *item = grid.Columns().Items(1);
    item->Font.setSize(10);
    item->HeaderFont.setSize(8);
    item->PrintFont.setSize(10);
    grid.ActiveCellFont().setSize(10);
    grid.GridChangeScale(3, 2);
    EXPECT_EQ(item->Font.Size(), 15);
    EXPECT_EQ(item->HeaderFont.Size(), 12);
    EXPECT_EQ(item->PrintFont.Size(), 10);
    EXPECT_EQ(grid.ActiveCellFont().Size(), 15);
    grid.GridChangeScale(2, 2);
    EXPECT_EQ(item->Font.Size(), 15);
}

TEST_F(PrintTest, HorizontalBordersGiveTopAndBottomAndTheHookAddsSides)
{
    fill(3, 3);
    grid.PrintSettings.Borders = pbHorizontal;
    int asked = 0;
    grid.OnGetCellPrintBorder = [&](TExStringGrid *, int, int, platform::TPen &, TCellBorders &borders) {
        ++asked;
        EXPECT_TRUE(borders.test(cbTop) && borders.test(cbBottom));
        EXPECT_FALSE(borders.test(cbLeft) || borders.test(cbRight));
        borders.set(cbLeft);
    };
    grid.Print();
    EXPECT_EQ(asked, 9);
}

TEST_F(PrintTest, AMergedCellPrintsOnceOverBothColumns)
{
    fill(3, 3);
    grid.MergeCells(0, 1, 2, 1);
    QList<std::pair<int, int>> printed;
    grid.OnGetCellPrintBorder = [&](TExStringGrid *, int col, int row, platform::TPen &, TCellBorders &) {
        printed.append({col, row});
    };
    grid.Print();
    EXPECT_TRUE(printed.contains(std::pair{0, 1}));
    EXPECT_FALSE(printed.contains(std::pair{1, 1}));
    EXPECT_TRUE(printed.contains(std::pair{2, 1}));
    EXPECT_EQ(printed.size(), 8) << "nine cells less the one the merge covers";
}
