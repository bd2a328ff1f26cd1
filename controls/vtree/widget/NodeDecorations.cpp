// What stands in a row's indentation and before its text: tree lines, the
// expand button, the check box, the state and the normal image.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "platform/draw/DrawFlags.h"

#include <cmath>

namespace vtree {

using platform::TRect;
using enum TLTLineType;

namespace {

// Windows' MulDiv: the product divided, rounded half away from zero.
int mulDiv(int a, int b, int c)
{
    return c == 0 ? -1 : int(std::lround(double(a) * b / c));
}

bool laterSiblingShows(TBaseLazyTree &tree, PLazyNode Node) { return tree.AnyLaterSiblingShown(Node); }
bool earlierSiblingShows(TBaseLazyTree &tree, PLazyNode Node) { return tree.AnyEarlierSiblingShown(Node); }

} // namespace

int TLazyStringTreeWidget::ComputeLineImage(PLazyNode Node, TLineImage &LineImage)
{
    int levels = 0;
    int selectLevel = 0;
    for (PLazyNode run = Node->Parent; run && run != RootNode(); run = run->Parent) {
        ++levels;
        if (Selected(run))
            ++selectLevel;
    }
    if (toOption(TLTPaintOption::toShowRoot))
        ++levels;
    if (Selected(Node) && !toOption(TLTPaintOption::toChildrenAbove))
        ++selectLevel;
    LineImage.assign(std::size_t(levels), ltNone);
    if (!toOption(TLTPaintOption::toShowTreeLines) || levels == 0)
        return selectLevel;

    const bool topLevel = Node->Parent == RootNode();
    if (toOption(TLTPaintOption::toChildrenAbove)) {
        TLTLineType &last = LineImage.back();
        if (!earlierSiblingShows(*this, Node))
            last = !topLevel || laterSiblingShows(*this, Node) ? ltBottomRight : ltRight;
        else
            last = topLevel && !laterSiblingShows(*this, Node) ? ltTopRight : ltTopDownRight;
        int index = levels - 2;
        for (PLazyNode run = Node->Parent; run != RootNode() && index >= 0; run = run->Parent, --index)
            LineImage[std::size_t(index)] = earlierSiblingShows(*this, run) ? ltTopDown : ltNone;
        return selectLevel;
    }
    if (!topLevel) {
        LineImage.back() = laterSiblingShows(*this, Node) ? ltTopDownRight : ltTopRight;
        int index = levels - 2;
        for (PLazyNode run = Node->Parent; run->Parent != RootNode() && index >= 0; run = run->Parent, --index)
            LineImage[std::size_t(index)] = laterSiblingShows(*this, run) ? ltTopDown : ltNone;
    }
    if (toOption(TLTPaintOption::toShowRoot)) {
        if (topLevel) {
            const bool first = !earlierSiblingShows(*this, Node);
            const bool last = !laterSiblingShows(*this, Node);
            LineImage[0] = first && last ? ltRight : last ? ltTopRight : first ? ltBottomRight : ltTopDownRight;
        } else {
            PLazyNode top = Node;
            while (top->Parent != RootNode())
                top = top->Parent;
            LineImage[0] = laterSiblingShows(*this, top) ? ltTopDown : ltNone;
        }
    }
    return selectLevel;
}

int TLazyStringTreeWidget::ButtonXOf(int Levels) const
{
    // Halves round to the even neighbour.
    int x = int(std::nearbyint((int(Indent()) - ButtonBitmaps().Plus.width()) / 2.0)) + 1;
    if (!toOption(TLTPaintOption::toFixedIndent) && Levels > 1)
        x += (Levels - 1) * int(Indent());
    return x;
}

void TLazyStringTreeWidget::ComputeVerticalAlignment(TLTPaintInfo &PaintInfo, bool ShowImages, bool ShowStateImages)
{
    PLazyNode node = PaintInfo.Node;
    const int height = int(GetNodeHeight(node));
    const int buttonHeight = ButtonBitmaps().Plus.height();
    switch (NodeAlignment()) {
    case TLTNodeAlignment::naFromBottom:
        PaintInfo.VAlign = height - node->Align;
        break;
    case TLTNodeAlignment::naFromTop:
        PaintInfo.VAlign = node->Align;
        break;
    case TLTNodeAlignment::naProportional:
        if (ShowImages || ShowStateImages) {
            const int imageHeight = ShowImages ? Images()->Height() : StateImages()->Height();
            PaintInfo.VAlign = mulDiv(height - imageHeight, node->Align, 100) + imageHeight / 2;
        } else if (toOption(TLTPaintOption::toShowButtons))
            PaintInfo.VAlign = mulDiv(height - buttonHeight, node->Align, 100) + buttonHeight / 2;
        else
            PaintInfo.VAlign = mulDiv(height, node->Align, 100);
        break;
    }
    PaintInfo.ButtonY = PaintInfo.VAlign - buttonHeight / 2 - (buttonHeight & 1);
}

void TLazyStringTreeWidget::FetchImageInfo(TLTPaintInfo &PaintInfo, TLTImageKind Kind, int InfoIndex,
                                           platform::TImageList *DefaultImages)
{
    TLTImageInfo &entry = PaintInfo.ImageInfo[std::size_t(InfoIndex)];
    entry.Index = -1;
    entry.Ghosted = false;
    platform::TImageList *list = QueryImageIndex(PaintInfo.Node, Kind, PaintInfo.Column, entry.Ghosted, entry.Index);
    entry.Images = list ? list : DefaultImages;
}

void TLazyStringTreeWidget::PlaceImage(TLTPaintInfo &PaintInfo, int InfoIndex)
{
    TLTImageInfo &entry = PaintInfo.ImageInfo[std::size_t(InfoIndex)];
    const int width = entry.Images ? entry.Images->Width() : 0;
    const int height = entry.Images ? entry.Images->Height() : 0;
    if (readsRightToLeft(PaintInfo.Column)) {
        entry.XPos = PaintInfo.ContentRect.Right - width;
        PaintInfo.ContentRect.Right -= width + 2;
    } else {
        entry.XPos = PaintInfo.ContentRect.Left - 1;
        PaintInfo.ContentRect.Left += width + 2;
    }
    entry.YPos = PaintInfo.ContentRect.Top + PaintInfo.VAlign - height / 2;
}

void TLazyStringTreeWidget::ShiftByIndent(TLTPaintInfo &PaintInfo, int Levels)
{
    int shift = Levels * int(Indent());
    if (readsRightToLeft(PaintInfo.Column)) {
        PaintInfo.ContentRect.Right -= shift;
        shift = -shift;
    } else
        PaintInfo.ContentRect.Left += shift;
    for (int index : {iiNormal, iiState, iiCheck})
        PaintInfo.ImageInfo[std::size_t(index)].XPos += shift;
}

void TLazyStringTreeWidget::DrawTreeLines(TLTPaintInfo &PaintInfo)
{
    const int levels = toOption(TLTPaintOption::toFixedIndent) ? 1 : int(PaintInfo.LineImage.size());
    const int height = int(GetNodeHeight(PaintInfo.Node));
    // Right to left the levels count from the cell's right edge.
    const bool reverse = readsRightToLeft(PaintInfo.Column);
    const int step = reverse ? -int(Indent()) : int(Indent());
    int x = reverse ? PaintInfo.CellRect.Right - int(Indent()) : PaintInfo.CellRect.Left;
    if (LineMode() == TLTLineMode::lmBands) {
        if (!PaintInfo.PaintOptions.contains(TLTInternalPaintOption::poGridLines))
            return;
        // Bands: every level of an open parent marks its left edge.
        PaintInfo.Canvas->Font().setColor(Colors().GetColor(TLTColors::GridLineColor));
        const bool open = GetExpanded(PaintInfo.Node) &&
                          !PaintInfo.Node->States.contains(TLazyNodeState::vsAllChildrenHidden);
        TLineImage bands(PaintInfo.LineImage.size(), ltNone);
        for (int i = int(bands.size()) - 1; i >= 0; --i) {
            const TLTLineType line = PaintInfo.LineImage[std::size_t(i)];
            TLTLineType &band = bands[std::size_t(i)];
            if (open)
                band = ltLeft;
            else if (line == ltBottomRight || line == ltTopDownRight || line == ltRight || line == ltTopRight)
                band = ltLeftBottom;
            else if (line == ltLeft || line == ltLeftBottom)
                band = ltNone;
            else if (std::size_t(i + 1) < bands.size()) {
                const TLTLineType nextLine = PaintInfo.LineImage[std::size_t(i + 1)];
                band = nextLine == ltNone || nextLine == ltTopRight ? bands[std::size_t(i + 1)] : ltLeft;
            } else
                band = ltLeftBottom;
        }
        for (int i = 0; i < levels && i < int(bands.size()); ++i, x += step)
            DrawLineSegment(PaintInfo, x, reverse, bands[std::size_t(i)], PaintInfo.VAlign - 1, height - 1);
        return;
    }
    PaintInfo.Canvas->Font().setColor(Colors().GetColor(TLTColors::TreeLineColor));
    for (int i = 0; i < levels && i < int(PaintInfo.LineImage.size()); ++i) {
        int lineX = x;
        if (OnBeforeDrawTreeLine)
            QueryLineImagePosition(PaintInfo.Node, i + (toOption(TLTPaintOption::toShowRoot) ? 0 : 1), lineX);
        DrawLineSegment(PaintInfo, lineX, reverse, PaintInfo.LineImage[std::size_t(i)], PaintInfo.VAlign - 1, height);
        x += step;
    }
}

void TLazyStringTreeWidget::DrawLineSegment(TLTPaintInfo &PaintInfo, int X, bool Reverse, TLTLineType LineType,
                                            int VAlignMinus1, int Height)
{
    const int top = PaintInfo.CellRect.Top;
    const int mid = X + int(std::nearbyint(int(Indent()) / 2.0));
    const int v = top + VAlignMinus1;
    const int bottom = top + Height;
    const int end = Reverse ? X : X + int(Indent());
    // The band's edge: the level's left edge, its right edge when reversed.
    const int edge = Reverse ? X + int(Indent()) : X;
    switch (LineType) {
    case ltBottomRight:
        DottedVertLine(PaintInfo, v, false, mid, bottom);
        DottedHorzLine(PaintInfo, mid, v, end);
        break;
    case ltTopDown:
        DottedVertLine(PaintInfo, top, false, mid, bottom);
        break;
    case ltTopDownRight:
        DottedVertLine(PaintInfo, top, false, mid, bottom);
        DottedHorzLine(PaintInfo, mid, v, end);
        break;
    case ltRight:
        DottedHorzLine(PaintInfo, mid, v, end);
        break;
    case ltTopRight:
        DottedVertLine(PaintInfo, top, false, mid, v);
        DottedHorzLine(PaintInfo, mid, v, end);
        break;
    case ltLeft:
        DottedVertLine(PaintInfo, top, false, edge, bottom);
        break;
    case ltLeftBottom:
        DottedVertLine(PaintInfo, top, false, edge, bottom);
        DottedHorzLine(PaintInfo, X, bottom, X + int(Indent()));
        break;
    case ltNone:
        break;
    }
}

void TLazyStringTreeWidget::DrawCheckBox(TLTPaintInfo &PaintInfo)
{
    const TLTImageInfo &entry = PaintInfo.ImageInfo[iiCheck];
    if (entry.Images)
        entry.Images->DrawEx(*PaintInfo.Canvas, entry.XPos, entry.YPos, entry.Index, platform::ILD_TRANSPARENT);
}

void TLazyStringTreeWidget::DrawNodeImage(TLTPaintInfo &PaintInfo, int InfoIndex, bool DoOverlay)
{
    TLTImageInfo &entry = PaintInfo.ImageInfo[std::size_t(InfoIndex)];
    if (!entry.Images)
        return;
    PLazyNode node = PaintInfo.Node;
    TLTImageInfo overlay;
    if (DoOverlay) {
        TLTPaintInfo probe = PaintInfo;
        FetchImageInfo(probe, TLTImageKind::ikOverlay, iiOverlay, Images());
        overlay = probe.ImageInfo[iiOverlay];
        if (overlay.Index == entry.Index && overlay.Images == entry.Images)
            overlay.Index = -1;
    }
    const bool enabled = !node->States.contains(TLazyNodeState::vsDisabled) && IsTreeEnabled();
    const bool paintFocused = Focused() || toOption(TLTPaintOption::toGhostedIfUnfocused);
    const bool cut = node->States.contains(TLazyNodeState::vsCutOrCopy) && TreeStates().contains(TLazyTreeState::tsCutPending);
    entry.Images->setBlendColor(Selected(node) && !entry.Ghosted ? platform::clDefault : Color());
    unsigned style = platform::ILD_TRANSPARENT;
    if (overlay.Index >= 0 && overlay.Index <= 14)
        style |= unsigned((overlay.Index + 1) << 8);
    if (toOption(TLTPaintOption::toUseBlendedImages) && paintFocused &&
        (entry.Ghosted || cut ||
         (Selected(node) && !toOption(TLTSelectionOption::toFullRowSelect) && !toOption(TLTMiscOption::toGridExtensions))))
        style |= platform::ILD_BLEND50;
    entry.Images->DrawEx(*PaintInfo.Canvas, entry.XPos, entry.YPos, entry.Index, style, enabled);
    if (overlay.Index >= 15 && overlay.Images)
        overlay.Images->DrawEx(*PaintInfo.Canvas, entry.XPos, entry.YPos, overlay.Index,
                               style & ~unsigned(platform::ILD_BLEND50), enabled);
}

} // namespace vtree
