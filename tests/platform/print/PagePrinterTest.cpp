// The page printers: the recording one the tests print on, and PDF files.
#include "platform/print/PagedDevicePrinter.h"
#include "platform/print/RecordingPrinter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

using namespace platform;

namespace {

// Pages of a PDF file: its page objects.
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

TEST(RecordingPrinter, KeepsTheEndedDocumentsPagesAndTheCalls)
{
    TRecordingPrinter printer({100, 140}, 300);
    printer.SetTitle(QStringLiteral("Job"));
    printer.SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_EQ(printer.PageSize(), QSize(140, 100));
    EXPECT_EQ(printer.LogPixelsY(), 300);
    printer.BeginDoc();
    EXPECT_EQ(printer.Canvas().LogPixelsX(), 300) << "the canvas sees the page's resolution";
    printer.Canvas().SetMapMode(MM_LOMETRIC);
    printer.Canvas().FillColor({0, 0, 10, -10}, clBlack);
    printer.NewPage();
    EXPECT_EQ(printer.Canvas().GetMapMode(), MM_TEXT) << "a new page resets the mapping";
    printer.EndDoc();
    ASSERT_EQ(printer.Pages.size(), 2u);
    EXPECT_EQ(printer.Pages[0].pixel(5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(printer.Pages[1].pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(printer.Calls, (QStringList{"Title Job", "Orientation 1", "BeginDoc", "NewPage", "EndDoc"}));
}

TEST(RecordingPrinter, AnAbortedDocumentLeavesNoPages)
{
    TRecordingPrinter printer({50, 50}, 96);
    printer.BeginDoc();
    printer.NewPage();
    printer.Abort();
    EXPECT_FALSE(printer.Printing());
    EXPECT_TRUE(printer.Pages.empty());
}

TEST(PdfPrinter, WritesOnePagePerPageBreakPlusOne)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.pdf"));
    {
        QPdfWriter writer(file);
        writer.setResolution(300);
        TPdfPrinter printer(writer, file);
        printer.SetTitle(QStringLiteral("Three"));
        printer.BeginDoc();
        EXPECT_EQ(printer.LogPixelsX(), 300);
        const QSize portrait = printer.PageSize();
        EXPECT_GT(portrait.height(), portrait.width());
        printer.Canvas().TextOut(10, 10, QStringLiteral("one"));
        printer.NewPage();
        printer.NewPage();
        printer.EndDoc();
    }
    EXPECT_EQ(pdfPageCount(file), 3);
}

TEST(PdfPrinter, AnEmptyDocumentHasItsPageAndAnAbortedOneNoFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("empty.pdf"));
    {
        QPdfWriter writer(file);
        TPdfPrinter printer(writer, file);
        printer.SetOrientation(TPrinterOrientation::poLandscape);
        EXPECT_GT(printer.PageSize().width(), printer.PageSize().height());
        printer.BeginDoc();
        printer.EndDoc();
    }
    EXPECT_EQ(pdfPageCount(file), 1);
    {
        QPdfWriter writer(file);
        TPdfPrinter printer(writer, file);
        printer.BeginDoc();
        printer.Abort();
    }
    EXPECT_FALSE(QFile::exists(file));
}

TEST(PdfPrinter, ABegunAgainDocumentReplacesTheAbortedOne)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("again.pdf"));
    {
        QPdfWriter writer(file);
        TPdfPrinter printer(writer, file);
        printer.BeginDoc();
        printer.NewPage();
        printer.Abort();
        printer.BeginDoc();
        printer.NewPage();
        printer.NewPage();
        printer.EndDoc();
    }
    EXPECT_EQ(pdfPageCount(file), 3);
}

TEST(PrinterLandscapeAngle, IsNinety) { EXPECT_EQ(PrinterLandscapeAngle(), 90); }
