#pragma once
// Where a printed tree goes: a page size in device pixels, the canvas of the
// current page and the document's begin, page break and end. Printers and PDF writers
// stand behind it; tests record the pages.
#include "platform/draw/Canvas.h"

#include <QSize>

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

// Pages needed to cover Extent pixels with pages of Page pixels: a picture
// exactly two pages wide takes two pages, not a third blank one.
constexpr int PagesToCover(int Extent, int Page) { return Page <= 0 ? 0 : (Extent + Page - 1) / Page; }

} // namespace vtree
