#pragma once
// A printer or PDF writer as a page printer: its page in device pixels, one
// canvas on it for the whole document, its page break.
#include "platform/print/PagePrinter.h"

#include <QPagedPaintDevice>

#include <memory>

class QPdfWriter;
class QPrinter;

namespace platform {

class TPagedDevicePrinter : public TPagePrinter {
public:
    explicit TPagedDevicePrinter(QPagedPaintDevice &Device) : FDevice(Device) {}
    QSize PageSize() const override { return {FDevice.width(), FDevice.height()}; }
    int LogPixelsX() const override { return FDevice.logicalDpiX(); }
    int LogPixelsY() const override { return FDevice.logicalDpiY(); }
    void SetOrientation(TPrinterOrientation orientation) override;
    TCanvas &Canvas() override;
    // Begins painting, so that a document without drawing still has its page.
    void BeginDoc() override;
    // A new page starts in MM_TEXT, as a new page resets a device's mapping.
    void NewPage() override;
    // Ends the painting, which finishes the document.
    void EndDoc() override { FCanvas.reset(); }

private:
    QPagedPaintDevice &FDevice;
    std::unique_ptr<TCanvas> FCanvas;
};

// A PDF file written by the given writer to FileName: the title goes into
// the document; an aborted document is removed.
class TPdfPrinter : public TPagedDevicePrinter {
public:
    TPdfPrinter(QPdfWriter &Writer, QString FileName);
    void SetTitle(const QString &title) override;
    void Abort() override;

private:
    QPdfWriter &FWriter;
    QString FFileName;
};

// One of the system's printers (through its print service): the title
// names the job; an aborted job is taken back from the spooler.
class TSystemPrinter : public TPagedDevicePrinter {
public:
    explicit TSystemPrinter(QPrinter &Printer);
    void SetTitle(const QString &title) override;
    void Abort() override;

private:
    QPrinter &FPrinter;
};

} // namespace platform
