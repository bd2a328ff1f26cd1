#include "platform/print/RecordingPrinter.h"

#include <cmath>

namespace platform {

TRecordingPrinter::TRecordingPrinter(QSize Size, int Dpi) : FSize(Size), FDpi(Dpi), FCanvas(&FPage) {}

QSize TRecordingPrinter::PageSize() const
{
    return Orientation() == TPrinterOrientation::poLandscape ? FSize.transposed() : FSize;
}

void TRecordingPrinter::openPage()
{
    FCanvas.endPainting();
    FPage = QImage(PageSize(), QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = int(std::lround(FDpi / 0.0254));
    FPage.setDotsPerMeterX(dotsPerMeter);
    FPage.setDotsPerMeterY(dotsPerMeter);
    FPage.fill(Qt::white);
    // A new page resets the device's mapping.
    FCanvas.SetMapMode(MM_TEXT);
}

void TRecordingPrinter::closePage()
{
    FCanvas.endPainting();
    FDocument.push_back(FPage.copy());
}

void TRecordingPrinter::BeginDoc()
{
    Calls.append(QStringLiteral("BeginDoc"));
    FDocument.clear();
    FPrinting = true;
    openPage();
}

void TRecordingPrinter::NewPage()
{
    Calls.append(QStringLiteral("NewPage"));
    if (!FPrinting)
        return;
    closePage();
    openPage();
}

void TRecordingPrinter::EndDoc()
{
    Calls.append(QStringLiteral("EndDoc"));
    if (!FPrinting)
        return;
    closePage();
    FPrinting = false;
    Pages = std::move(FDocument);
    FDocument.clear();
}

void TRecordingPrinter::Abort()
{
    Calls.append(QStringLiteral("Abort"));
    FCanvas.endPainting();
    FDocument.clear();
    FPrinting = false;
}

void TRecordingPrinter::SetTitle(const QString &title)
{
    TPagePrinter::SetTitle(title);
    Calls.append(QStringLiteral("Title ") + title);
}

void TRecordingPrinter::SetOrientation(TPrinterOrientation orientation)
{
    TPagePrinter::SetOrientation(orientation);
    Calls.append(QStringLiteral("Orientation %1").arg(orientation == TPrinterOrientation::poLandscape ? 1 : 0));
}

} // namespace platform
