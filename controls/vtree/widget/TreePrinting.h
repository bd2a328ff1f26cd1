#pragma once
// Where a printed tree goes: the platform's page printer (printers, PDF
// writers, and the tests' recording pages).
#include "platform/print/PagedDevicePrinter.h"

namespace vtree {

using TTreePrinter = platform::TPagePrinter;
using TPagedDevicePrinter = platform::TPagedDevicePrinter;

// Pages needed to cover Extent pixels with pages of Page pixels: a picture
// exactly two pages wide takes two pages, not a third blank one.
constexpr int PagesToCover(int Extent, int Page) { return Page <= 0 ? 0 : (Extent + Page - 1) / Page; }

} // namespace vtree
