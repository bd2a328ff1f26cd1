#pragma once
// Where a printed tree goes: a page size in device pixels, the canvas of the
// current page and the document's begin, page break and end. Printers and PDF writers
// stand behind it; tests record the pages.
#include "platform/draw/Canvas.h"

#include <QPagedPaintDevice>
#include <QSize>

#include <memory>

namespace vtree {

class TTreePrinter {
public:
    virtual ~TTreePrinter() = default;
    virtual QSize PageSize() const = 0;
    virtual platform::TCanvas &Canvas() = 0;
    virtual void BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
};

// A printer or PDF writer as the tree's printer: its page in device pixels,
// a canvas on it for the whole document, its page break.
class TPagedDevicePrinter : public TTreePrinter {
public:
    explicit TPagedDevicePrinter(QPagedPaintDevice &Device) : FDevice(Device) {}
    QSize PageSize() const override { return {FDevice.width(), FDevice.height()}; }
    platform::TCanvas &Canvas() override;
    void BeginDoc() override {}
    void NewPage() override { FDevice.newPage(); }
    // Ends the painting, which finishes the document.
    void EndDoc() override { FCanvas.reset(); }

private:
    QPagedPaintDevice &FDevice;
    std::unique_ptr<platform::TCanvas> FCanvas;
};

// Pages needed to cover Extent pixels with pages of Page pixels: a picture
// exactly two pages wide takes two pages, not a third blank one.
constexpr int PagesToCover(int Extent, int Page) { return Page <= 0 ? 0 : (Extent + Page - 1) / Page; }

} // namespace vtree
