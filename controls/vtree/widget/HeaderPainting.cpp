#include "controls/vtree/widget/HeaderPainting.h"

#include "controls/vtree/widget/SharedImages.h"
#include "controls/vtree/widget/DrawingUtils.h"
#include "platform/draw/DrawFlags.h"
#include "platform/draw/Edges.h"

#include <algorithm>

namespace vtree {

using platform::TRect;

THeaderEdges HeaderEdgesOf(TLTHeaderStyle Style)
{
    using namespace platform;
    switch (Style) {
    case TLTHeaderStyle::hsThickButtons:
        return {{EDGE_RAISED, BF_LEFT | BF_TOP | BF_BOTTOM | BF_MIDDLE | BF_SOFT | BF_ADJUST},
                {EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST | BF_FLAT},
                {}};
    case TLTHeaderStyle::hsFlatButtons:
        return {{BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_BOTTOM | BF_MIDDLE | BF_ADJUST},
                {BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE | BF_ADJUST},
                {}};
    case TLTHeaderStyle::hsPlates:
        return {{BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST},
                {BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE | BF_ADJUST},
                {BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_BOTTOM | BF_MIDDLE | BF_ADJUST}};
    }
    return {};
}

THeaderContentPlace PlaceHeaderContent(platform::TCanvas &Canvas, const THeaderColumnLook &Column, const TRect &Client,
                                       bool UseGlyph, bool UseSortGlyph)
{
    THeaderContentPlace place;
    const int w = Client.Width();
    const int h = Client.Height();
    if (Column.Text.isEmpty() && !UseGlyph && !UseSortGlyph)
        return place;
    const platform::TSize glyph = UseGlyph && Column.Images ? platform::TSize{Column.Images->Width(), Column.Images->Height()}
                                                            : platform::TSize{0, 0};
    const platform::TImageList &utility = UtilityImages();
    const platform::TSize sort = UseSortGlyph ? platform::TSize{utility.Width(), utility.Height()} : platform::TSize{0, 0};
    place.SortGlyphSize = sort;
    place.SortGlyphPos.Y = (h - sort.cy) / 2;
    platform::TSize text{0, 0};
    int spacing = 0;
    if (!Column.Text.isEmpty()) {
        spacing = Column.Spacing;
        text = Canvas.TextExtent(Column.Text);
        text.cx += 2;
    }
    if (Column.Text.isEmpty() && !UseGlyph) {
        place.SortGlyphPos.X = (w - sort.cx) / 2;
    } else {
        place.GlyphPos.Y = (h - glyph.cy) / 2;
        place.TextBounds.Top = std::max((h - text.cy) / 2, -5);
        const bool glyphLeft = Column.Layout != TLTHeaderColumnLayout::blGlyphRight;
        int textLeft = 0;
        switch (Column.CaptionAlignment) {
        case TAlignment::taLeftJustify: {
            int run = Column.Margin;
            if (UseGlyph && glyphLeft) {
                place.GlyphPos.X = run;
                run += glyph.cx + Column.Spacing;
            }
            textLeft = run;
            run += text.cx + spacing;
            if (UseGlyph && !glyphLeft) {
                place.GlyphPos.X = run;
                run += glyph.cx + Column.Spacing;
            }
            place.SortGlyphPos.X = run;
            break;
        }
        case TAlignment::taRightJustify: {
            int run = w - Column.Margin;
            if (UseSortGlyph) {
                run -= sort.cx;
                place.SortGlyphPos.X = run;
                run -= Column.Spacing;
            }
            if (UseGlyph && !glyphLeft) {
                run -= glyph.cx;
                place.GlyphPos.X = run;
                run -= Column.Spacing;
            }
            run -= text.cx;
            textLeft = run;
            run -= spacing;
            if (UseGlyph && glyphLeft)
                place.GlyphPos.X = run - glyph.cx;
            break;
        }
        case TAlignment::taCenter: {
            const int block = glyph.cx + (UseGlyph ? spacing : 0) + text.cx;
            const int left = (w - block) / 2;
            if (UseGlyph && glyphLeft) {
                place.GlyphPos.X = left;
                textLeft = left + glyph.cx + spacing;
            } else {
                textLeft = left;
                place.GlyphPos.X = left + text.cx + spacing;
            }
            place.SortGlyphPos.X = left + block + Column.Spacing;
            break;
        }
        }
        // The limits: a sort glyph ends by the margin and the rest keeps
        // its distance from it.
        int rightLimit = w - Column.Margin;
        int leftLimit = Column.Margin;
        if (UseSortGlyph) {
            place.SortGlyphPos.X = std::max(std::min(place.SortGlyphPos.X, w - Column.Margin - sort.cx), Column.Margin);
            rightLimit = place.SortGlyphPos.X - Column.Spacing;
        }
        place.ShowGlyph = UseGlyph;
        if (UseGlyph) {
            place.GlyphPos.X = std::min(place.GlyphPos.X, rightLimit - glyph.cx);
            place.GlyphPos.X = std::max(place.GlyphPos.X, leftLimit);
            if (glyphLeft)
                leftLimit = place.GlyphPos.X + glyph.cx + Column.Spacing;
            else
                rightLimit = place.GlyphPos.X - Column.Spacing;
            if (!Column.IsMainColumn)
                place.GlyphPos.X -= 2;
            // Without room beside the sort glyph the image is left out.
            if (UseSortGlyph && place.SortGlyphPos.X < place.GlyphPos.X + glyph.cx)
                place.ShowGlyph = false;
        }
        textLeft = std::max(textLeft, leftLimit);
        place.TextBounds.Left = textLeft;
        place.TextBounds.Right = std::min(textLeft + text.cx, rightLimit);
        place.TextBounds.Bottom = place.TextBounds.Top + text.cy;
    }
    place.GlyphPos = {place.GlyphPos.X + Client.Left, place.GlyphPos.Y + Client.Top};
    place.SortGlyphPos = {place.SortGlyphPos.X + Client.Left, place.SortGlyphPos.Y + Client.Top};
    place.TextBounds = OffsetRect(place.TextBounds, Client.Left, Client.Top);
    return place;
}

void DrawHeaderCaption(platform::TCanvas &Canvas, const QString &Caption, unsigned DrawFormat, bool Hot, bool Enabled,
                       const TRect &Bounds, const THeaderColors &Colors)
{
    QString shown = Caption;
    if (Canvas.TextWidth(shown) > Bounds.Width())
        shown = EllipsizeText(canvasExtent(Canvas), shown, Bounds.Width(), 0);
    Canvas.SetBkMode(platform::TRANSPARENT);
    TRect r = Bounds;
    if (Enabled) {
        Canvas.Font().setColor(Hot ? Colors.HotFont : Colors.Font);
        Canvas.DrawText(shown, r, DrawFormat);
        return;
    }
    TRect engraved = OffsetRect(Bounds, 1, 1);
    Canvas.Font().setColor(platform::clBtnHighlight);
    Canvas.DrawText(shown, engraved, DrawFormat);
    Canvas.Font().setColor(platform::clBtnShadow);
    Canvas.DrawText(shown, r, DrawFormat);
}

void PaintHeaderColumn(platform::TCanvas &Canvas, const THeaderColumnLook &Column, const THeaderColors &Colors)
{
    const THeaderEdges edges = HeaderEdgesOf(Column.Style);
    TRect face = Column.Rect;
    THeaderEdge edge = edges.Raised;
    bool rightBorder = Column.ShowRightBorder;
    if (Column.Pressed) {
        edge = edges.Pressed;
        rightBorder = false; // the pressed flags hold all four sides
    } else if (Column.Style == TLTHeaderStyle::hsPlates && Column.Hot && Column.AllowClick && Column.Enabled)
        edge = edges.Plain;
    platform::DrawEdge(Canvas, face, edge.Edge, edge.Flags | (rightBorder ? platform::BF_RIGHT : 0u));

    const TRect client = platform::InflateRect(Column.Rect, -2, -2);
    unsigned format = platform::DT_NOPREFIX;
    if (Column.CaptionAlignment == TAlignment::taRightJustify)
        format |= platform::DT_RIGHT;
    else if (Column.CaptionAlignment == TAlignment::taCenter)
        format |= platform::DT_CENTER;
    const bool useGlyph = Column.Images && Column.ImageIndex >= 0;
    THeaderContentPlace place = PlaceHeaderContent(Canvas, Column, client, useGlyph, Column.ShowSortGlyph);
    if (Column.Pressed) {
        // A pressed button's content sinks by one pixel.
        place.GlyphPos = {place.GlyphPos.X + 1, place.GlyphPos.Y + 1};
        place.SortGlyphPos = {place.SortGlyphPos.X + 1, place.SortGlyphPos.Y + 1};
        place.TextBounds = OffsetRect(place.TextBounds, 1, 1);
    }
    if (place.ShowGlyph)
        Column.Images->Draw(Canvas, place.GlyphPos.X, place.GlyphPos.Y, Column.ImageIndex, Column.Enabled);
    if (!Column.Text.isEmpty())
        DrawHeaderCaption(Canvas, Column.Text, format, Column.Hot, Column.Enabled, place.TextBounds, Colors);
    if (Column.ShowSortGlyph)
        UtilityImages().Draw(Canvas, place.SortGlyphPos.X, place.SortGlyphPos.Y,
                             Column.SortDirection == TSortDirection::sdAscending ? 3 : 2);
    if (Column.DropMark != TLTDropMarkMode::dmmNone) {
        const platform::TImageList &utility = UtilityImages();
        const int y = Column.Rect.Top + (Column.Rect.Height() - utility.Height()) / 2;
        if (Column.DropMark == TLTDropMarkMode::dmmLeft)
            utility.Draw(Canvas, Column.Rect.Left, y, 0);
        else
            utility.Draw(Canvas, Column.Rect.Right - 16, y, 1);
    }
}

} // namespace vtree
