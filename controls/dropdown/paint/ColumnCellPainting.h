#pragma once
// One cell of the multi-column popup list: its background (the column's
// colour, the selection face, or the header's gradient), its grid lines,
// its image and its text.
#include "controls/dropdown/core/MultiColumnTypes.h"
#include "platform/Color.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <QString>

#include <functional>

namespace controls::multicol {

// How a cell looks; the list fills it in for the cell it paints.
struct TColumnCellLook {
    bool header = false;
    bool selected = false;
    // The cell's part of the row's selection face (1 first, 2 last,
    // 3 between, 0 alone).
    int partKind = 0;

    platform::TColor background = platform::clWhite;
    TAlignment alignment = taLeftJustify;
    bool wordwrap = false;
    bool ellipsis = false;
    const platform::TFont *font = nullptr;
    QString text;
    int imageIndex = -1;
    const platform::TImageList *images = nullptr;
    platform::TColor selectionTextColor = 0;

    platform::TColor headerColor = platform::clWhite;
    platform::TColor headerColorTo = platform::clGray;

    // Data rows: lines of gridLineWidth in lineColor (none for 0); header
    // cells: one-pixel lines in fixedLineColor.
    platform::TColor lineColor = platform::clGray;
    int gridLineWidth = 1;
    platform::TColor fixedLineColor = platform::clBlack;
    bool horzLine = true;
    bool vertLine = true;
    bool rightToLeft = false;
};

// The drop-down paints a selected row and the header's gradient with its
// own style; without them the system's caption colour fills the selection
// and the stepped gradient the header.
struct TColumnCellPainters {
    std::function<void(platform::TCanvas &, const platform::TRect &, int partKind, platform::TColor corner)>
        selection;
    std::function<void(platform::TCanvas &, platform::TColor from, platform::TColor to, int steps,
                       const platform::TRect &)>
        headerGradient;
};

constexpr int HeaderGradientSteps = 80;

void paintColumnCell(platform::TCanvas &canvas, const platform::TRect &rect, const TColumnCellLook &look,
                     const TColumnCellPainters &painters);

// The DrawText flags of a cell's text.
unsigned cellTextFlags(const TColumnCellLook &look);

} // namespace controls::multicol
