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

namespace {

bool isStacked(const THeaderColumnLook &Column, bool UseGlyph)
{
    return UseGlyph && (Column.Layout == TLTHeaderColumnLayout::blGlyphTop ||
                        Column.Layout == TLTHeaderColumnLayout::blGlyphBottom);
}

// The caption broken into lines of Width, and the height those lines take.
QString wrapCaption(platform::TCanvas &Canvas, const QString &Text, int Width, bool RightToLeft, unsigned Format,
                    int &Height)
{
    const QString lines = WrapTextLines(canvasExtent(Canvas), Text, std::max(Width, 1), RightToLeft);
    TRect measured{0, 0, std::max(Width, 1), 0};
    CalcTextRect(Canvas, lines, measured, Format);
    Height = measured.Height();
    return lines;
}

} // namespace

unsigned HeaderCaptionFormat(const THeaderColumnLook &Column)
{
    unsigned format = platform::DT_NOPREFIX;
    if (Column.CaptionAlignment == TAlignment::taRightJustify)
        format |= platform::DT_RIGHT;
    else if (Column.CaptionAlignment == TAlignment::taCenter)
        format |= platform::DT_CENTER;
    if (Column.RightToLeft)
        format |= platform::DT_RTLREADING;
    return format;
}

THeaderContentPlace PlaceHeaderContent(platform::TCanvas &Canvas, const THeaderColumnLook &Column, const TRect &Client,
                                       bool UseGlyph, bool UseSortGlyph)
{
    THeaderContentPlace place;
    const int w = Client.Width();
    const int h = Client.Height();
    if (Column.Text.isEmpty() && !UseGlyph && !UseSortGlyph)
        return place;
    const bool rtl = Column.RightToLeft;
    TAlignment alignment = Column.CaptionAlignment;
    if (rtl)
        alignment = alignment == TAlignment::taLeftJustify    ? TAlignment::taRightJustify
                    : alignment == TAlignment::taRightJustify ? TAlignment::taLeftJustify
                                                              : alignment;
    const platform::TImageList *glyphList = Column.CheckBox ? Column.CheckImages : Column.Images;
    const platform::TSize glyph =
        UseGlyph && glyphList ? platform::TSize{glyphList->Width(), glyphList->Height()} : platform::TSize{0, 0};
    place.GlyphSize = glyph;
    const platform::TImageList &utility = UtilityImages();
    const platform::TSize sort = UseSortGlyph ? platform::TSize{utility.Width(), utility.Height()} : platform::TSize{0, 0};
    place.SortGlyphSize = sort;
    place.SortGlyphPos.Y = (h - sort.cy) / 2;
    const unsigned format = HeaderCaptionFormat(Column);
    platform::TSize text{0, 0};
    int spacing = 0;
    if (!Column.Text.isEmpty()) {
        spacing = Column.Spacing;
        if (Column.WrapCaption) {
            int height = 0;
            place.Caption = wrapCaption(Canvas, Column.Text, w, rtl, format, height);
            text = {w, height};
        } else {
            place.Caption = Column.Text;
            text = Canvas.TextExtent(Column.Text);
            text.cx += 2;
        }
    }
    if (Column.Text.isEmpty() && !UseGlyph) {
        place.SortGlyphPos.X = (w - sort.cx) / 2;
    } else {
        const bool stacked = isStacked(Column, UseGlyph);
        const bool glyphLeft = UseGlyph && Column.Layout == TLTHeaderColumnLayout::blGlyphLeft;
        const bool glyphRight = UseGlyph && Column.Layout == TLTHeaderColumnLayout::blGlyphRight;
        // Vertical: side by side each centred, stacked as one block.
        place.GlyphPos.Y = (h - glyph.cy) / 2;
        place.TextBounds.Top = std::max((h - text.cy) / 2, -5);
        if (stacked) {
            const int top = (h - glyph.cy - text.cy - spacing) / 2;
            if (Column.Layout == TLTHeaderColumnLayout::blGlyphTop) {
                place.GlyphPos.Y = top;
                place.TextBounds.Top = top + glyph.cy + spacing;
            } else {
                place.TextBounds.Top = top;
                place.GlyphPos.Y = top + text.cy + spacing;
            }
        }
        int textLeft = 0;
        switch (alignment) {
        case TAlignment::taLeftJustify: {
            int run = Column.Margin;
            if (rtl && UseSortGlyph) {
                place.SortGlyphPos.X = run;
                run += sort.cx + Column.Spacing;
            }
            if (stacked) {
                textLeft = run;
                place.GlyphPos.X = std::max((w - glyph.cx) / 2, textLeft);
                run += std::max(glyph.cx + Column.Spacing, text.cx + spacing);
            } else {
                if (glyphLeft) {
                    place.GlyphPos.X = run;
                    run += glyph.cx + Column.Spacing;
                }
                textLeft = run;
                run += text.cx + spacing;
                if (glyphRight) {
                    place.GlyphPos.X = run;
                    run += glyph.cx + Column.Spacing;
                }
            }
            if (!rtl)
                place.SortGlyphPos.X = run;
            break;
        }
        case TAlignment::taRightJustify: {
            int run = w - Column.Margin;
            if (!rtl && UseSortGlyph) {
                run -= sort.cx;
                place.SortGlyphPos.X = run;
                run -= Column.Spacing;
            }
            if (stacked) {
                textLeft = run - text.cx;
                place.GlyphPos.X = std::min((w - glyph.cx) / 2, run - Column.Spacing - glyph.cx);
                run -= std::max(glyph.cx + Column.Spacing, text.cx + spacing);
            } else {
                if (glyphRight) {
                    run -= glyph.cx;
                    place.GlyphPos.X = run;
                    run -= Column.Spacing;
                }
                run -= text.cx;
                textLeft = run;
                run -= spacing;
                if (glyphLeft) {
                    run -= glyph.cx;
                    place.GlyphPos.X = run;
                    run -= Column.Spacing;
                }
            }
            if (rtl && UseSortGlyph)
                place.SortGlyphPos.X = run - sort.cx;
            break;
        }
        case TAlignment::taCenter: {
            int blockLeft = 0;
            int blockRight = 0;
            if (stacked) {
                place.GlyphPos.X = (w - glyph.cx) / 2;
                textLeft = (w - text.cx) / 2 - (UseSortGlyph ? sort.cx / 2 : 0);
                blockLeft = std::min(place.GlyphPos.X, textLeft);
                blockRight = std::max(place.GlyphPos.X + glyph.cx, textLeft + text.cx);
            } else {
                const int block = glyph.cx + (UseGlyph ? spacing : 0) + text.cx;
                blockLeft = (w - block) / 2;
                blockRight = blockLeft + block;
                if (glyphLeft) {
                    place.GlyphPos.X = blockLeft;
                    textLeft = blockLeft + glyph.cx + spacing;
                } else {
                    textLeft = blockLeft;
                    place.GlyphPos.X = blockLeft + text.cx + spacing;
                }
            }
            place.SortGlyphPos.X = rtl ? blockLeft - Column.Spacing - sort.cx : blockRight + Column.Spacing;
            break;
        }
        }
        // The limits: a sort glyph ends by the margin and the rest keeps
        // its distance from it.
        int rightLimit = w - Column.Margin;
        int leftLimit = Column.Margin;
        if (UseSortGlyph) {
            if (!rtl) {
                place.SortGlyphPos.X = std::min(place.SortGlyphPos.X, w - Column.Margin - sort.cx);
                rightLimit = std::max(place.SortGlyphPos.X, Column.Margin) - Column.Spacing;
            }
            place.SortGlyphPos.X = std::max(place.SortGlyphPos.X, Column.Margin);
            if (rtl)
                leftLimit = place.SortGlyphPos.X + sort.cx + Column.Spacing;
        }
        place.ShowGlyph = UseGlyph;
        if (UseGlyph) {
            place.GlyphPos.X = std::min(place.GlyphPos.X, rightLimit - glyph.cx);
            place.GlyphPos.X = std::max(place.GlyphPos.X, leftLimit);
            if (glyphLeft)
                leftLimit = place.GlyphPos.X + glyph.cx + Column.Spacing;
            else if (glyphRight)
                rightLimit = place.GlyphPos.X - Column.Spacing;
            if (Column.CheckBox || !Column.IsMainColumn)
                place.GlyphPos.X -= 2;
            // Without room beside the sort glyph the image is left out.
            if (!rtl && UseSortGlyph && place.SortGlyphPos.X < place.GlyphPos.X + glyph.cx)
                place.ShowGlyph = false;
        }
        textLeft = std::max(textLeft, leftLimit);
        place.TextBounds.Left = textLeft;
        place.TextBounds.Right = std::min(textLeft + text.cx, rightLimit);
        place.TextBounds.Bottom = place.TextBounds.Top + text.cy;
        if (Column.WrapCaption && !Column.Text.isEmpty()) {
            int height = 0;
            place.Caption = wrapCaption(Canvas, Column.Text, place.TextBounds.Width(), rtl, format, height);
            place.TextBounds.Bottom = place.TextBounds.Top + height;
        }
    }
    place.GlyphPos = {place.GlyphPos.X + Client.Left, place.GlyphPos.Y + Client.Top};
    place.SortGlyphPos = {place.SortGlyphPos.X + Client.Left, place.SortGlyphPos.Y + Client.Top};
    place.TextBounds = OffsetRect(place.TextBounds, Client.Left, Client.Top);
    return place;
}

void DrawHeaderCaption(platform::TCanvas &Canvas, const QString &Caption, unsigned DrawFormat, bool Hot, bool Enabled,
                       const TRect &Bounds, const THeaderColors &Colors, bool Wrapped)
{
    QString shown = Caption;
    if (!Wrapped && Canvas.TextWidth(shown) > Bounds.Width())
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

THeaderContentPlace PaintHeaderColumn(platform::TCanvas &Canvas, const THeaderColumnLook &Column,
                                      const THeaderColors &Colors)
{
    const THeaderPaintElements own = Column.OwnerElements;
    if (!own.contains(THeaderPaintElement::hpeBackground)) {
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
    }

    const TRect client = platform::InflateRect(Column.Rect, -2, -2);
    const unsigned format = HeaderCaptionFormat(Column);
    const bool useGlyph = Column.CheckBox ? Column.CheckImages && Column.CheckIndex >= 0
                                          : Column.Images && Column.ImageIndex >= 0;
    THeaderContentPlace place = PlaceHeaderContent(Canvas, Column, client, useGlyph, Column.ShowSortGlyph);
    if (Column.Pressed) {
        // A pressed button's content sinks by one pixel.
        place.GlyphPos = {place.GlyphPos.X + 1, place.GlyphPos.Y + 1};
        place.SortGlyphPos = {place.SortGlyphPos.X + 1, place.SortGlyphPos.Y + 1};
        place.TextBounds = OffsetRect(place.TextBounds, 1, 1);
    }
    if (place.ShowGlyph && !own.contains(THeaderPaintElement::hpeHeaderGlyph)) {
        if (Column.CheckBox)
            Column.CheckImages->Draw(Canvas, place.GlyphPos.X, place.GlyphPos.Y, Column.CheckIndex);
        else
            Column.Images->Draw(Canvas, place.GlyphPos.X, place.GlyphPos.Y, Column.ImageIndex, Column.Enabled);
    }
    if (!Column.Text.isEmpty() && !own.contains(THeaderPaintElement::hpeText))
        DrawHeaderCaption(Canvas, place.Caption, format, Column.Hot, Column.Enabled, place.TextBounds, Colors,
                          Column.WrapCaption);
    if (Column.ShowSortGlyph && !own.contains(THeaderPaintElement::hpeSortGlyph))
        UtilityImages().Draw(Canvas, place.SortGlyphPos.X, place.SortGlyphPos.Y,
                             Column.SortDirection == TSortDirection::sdAscending ? 3 : 2);
    if (Column.DropMark != TLTDropMarkMode::dmmNone && !own.contains(THeaderPaintElement::hpeDropMark)) {
        const platform::TImageList &utility = UtilityImages();
        const int y = Column.Rect.Top + (Column.Rect.Height() - utility.Height()) / 2;
        if (Column.DropMark == TLTDropMarkMode::dmmLeft)
            utility.Draw(Canvas, Column.Rect.Left, y, 0);
        else
            utility.Draw(Canvas, Column.Rect.Right - 16, y, 1);
    }
    return place;
}

} // namespace vtree
