#pragma once
// What the string grid keeps of its last print or preview: the range, the
// page, the pages asked for and counted, and each column's print width and
// left edge (one entry per column of the grid, and one past the last).
#include "controls/grid/base/TextSearch.h"
#include "platform/draw/Geometry.h"

#include <vector>

namespace controls {

struct TGridPrintState {
    std::vector<int> MaxWidths;
    std::vector<int> Indents;
    TGridRect PrintRect;
    platform::TRect PrevRect;
    platform::TRect PageRect;
    int PageFrom = 0;
    int PageTo = 0;
    int PageNum = 0;
    bool IsPreview = false;
    // The page a preview draws.
    int PreviewPage = 1;
    // Applied by MapFontHeight: the fit to the page while a job lays out.
    double FontScale = 1.0;
};

} // namespace controls
