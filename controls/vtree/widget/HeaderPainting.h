#pragma once
// One header column drawn as a button: its face in the header's style, the
// image or check box, the caption placed by alignment and layout, the sort
// glyph and the drop mark of a column drag. The header strip paints its
// columns through this, each clipped to its own rectangle.
#include "controls/vtree/TreeEvents.h"
#include "controls/vtree/TreeHeader.h"
#include "controls/vtree/TreeTypes.h"
#include "controls/vtree/widget/TreeLooks.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <QString>

namespace vtree {

// DrawEdge's edge and border flags of a face.
struct THeaderEdge {
    unsigned Edge = 0;
    unsigned Flags = 0;
};

struct THeaderEdges {
    THeaderEdge Raised;
    THeaderEdge Pressed;
    THeaderEdge Plain; // the hot plate; Edge 0 where the style has none
};

THeaderEdges HeaderEdgesOf(TLTHeaderStyle Style);

// What painting needs of one column and its state.
struct THeaderColumnLook {
    platform::TRect Rect;
    QString Text;
    TAlignment CaptionAlignment = TAlignment::taLeftJustify;
    TLTHeaderColumnLayout Layout = TLTHeaderColumnLayout::blGlyphLeft;
    int Margin = 4;
    int Spacing = 3;
    TLTHeaderStyle Style = TLTHeaderStyle::hsThickButtons;
    bool Hot = false;
    bool Pressed = false;
    bool Enabled = true;
    bool AllowClick = true;
    // The right border shows unless this is the last column and the
    // header does not ask for it.
    bool ShowRightBorder = true;
    bool IsMainColumn = true;
    platform::TImageList *Images = nullptr;
    int ImageIndex = -1;
    // A check box in place of the image: CheckIndex of CheckImages.
    bool CheckBox = false;
    platform::TImageList *CheckImages = nullptr;
    int CheckIndex = -1;
    // The caption reads right to left: alignment mirrored, sort glyph first.
    bool RightToLeft = false;
    bool WrapCaption = false;
    // What the application paints itself; the column leaves these out.
    THeaderPaintElements OwnerElements;
    bool ShowSortGlyph = false;
    TSortDirection SortDirection = TSortDirection::sdAscending;
    TLTDropMarkMode DropMark = TLTDropMarkMode::dmmNone;
};

struct THeaderColors {
    TColor Font = 0;       // the header font's colour (RGB or system)
    TColor HotFont = 0;    // HeaderHotColor
};

// Where image, sort glyph and caption go inside the content rectangle.
struct THeaderContentPlace {
    bool ShowGlyph = false;
    platform::TSize GlyphSize;
    // The caption as drawn: the text, or with coWrapCaption its lines.
    QString Caption;
    platform::TPoint GlyphPos;
    platform::TPoint SortGlyphPos;
    platform::TSize SortGlyphSize;
    platform::TRect TextBounds;
};

// Places image (when UseGlyph), sort glyph (UseSortGlyph) and the caption
// in Client; the caption is measured on the canvas in its font.
THeaderContentPlace PlaceHeaderContent(platform::TCanvas &Canvas, const THeaderColumnLook &Column,
                                       const platform::TRect &Client, bool UseGlyph, bool UseSortGlyph);

// The caption shortened to Bounds (a wrapped one is not), hot or normal; a
// disabled caption is engraved (highlight one pixel right and down under the
// shadow).
void DrawHeaderCaption(platform::TCanvas &Canvas, const QString &Caption, unsigned DrawFormat, bool Hot, bool Enabled,
                       const platform::TRect &Bounds, const THeaderColors &Colors, bool Wrapped = false);

// The caption's DrawText format: alignment and reading direction.
unsigned HeaderCaptionFormat(const THeaderColumnLook &Column);

// Paints the column and gives where its content went (the pressed offset
// included), for hit tests and the application's own drawing.
THeaderContentPlace PaintHeaderColumn(platform::TCanvas &Canvas, const THeaderColumnLook &Column,
                                      const THeaderColors &Colors);

} // namespace vtree
