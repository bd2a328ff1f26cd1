#include "platform/print/PagedDevicePrinter.h"

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>

namespace platform {

void TPagedDevicePrinter::SetOrientation(TPrinterOrientation orientation)
{
    TPagePrinter::SetOrientation(orientation);
    FDevice.setPageOrientation(orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape
                                                                                : QPageLayout::Portrait);
}

TCanvas &TPagedDevicePrinter::Canvas()
{
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(&FDevice);
    return *FCanvas;
}

void TPagedDevicePrinter::BeginDoc() { Canvas().painter(); }

void TPagedDevicePrinter::NewPage()
{
    TCanvas &canvas = Canvas();
    canvas.painter();
    FDevice.newPage();
    canvas.SetMapMode(MM_TEXT);
}

TPdfPrinter::TPdfPrinter(QPdfWriter &Writer, QString FileName)
    : TPagedDevicePrinter(Writer), FWriter(Writer), FFileName(std::move(FileName))
{
}

void TPdfPrinter::SetTitle(const QString &title)
{
    TPagePrinter::SetTitle(title);
    FWriter.setTitle(title);
}

void TPdfPrinter::Abort()
{
    EndDoc();
    // What was written so far is no document the user asked for.
    QFile::remove(FFileName);
}

TSystemPrinter::TSystemPrinter(QPrinter &Printer) : TPagedDevicePrinter(Printer), FPrinter(Printer) {}

void TSystemPrinter::SetTitle(const QString &title)
{
    TPagePrinter::SetTitle(title);
    FPrinter.setDocName(title);
}

void TSystemPrinter::Abort()
{
    FPrinter.abort();
    EndDoc();
}

} // namespace platform
