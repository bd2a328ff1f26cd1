// Coordinates, hit tests, offsets, ranges and scroll bars. Absolute tree
// coordinates have y = 0 at the top of the first visible row; a row's
// client y is its absolute y plus OffsetY().
#include "controls/vtree/widget/SharedImages.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreeScrollState.h"
#include "controls/vtree/TreeErrors.h"

#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace vtree {

using platform::TRect;

int TLazyStringTreeWidget::ClientWidth() const { return viewport()->width(); }
int TLazyStringTreeWidget::ClientHeight() const { return viewport()->height(); }

platform::TImageList *TLazyStringTreeWidget::CheckImages() const
{
    return CheckImageKind() == TCheckImageKind::ckCustom ? CustomCheckImages() : CheckImagesOfKind(CheckImageKind());
}

int TLazyStringTreeWidget::checkImageWidth() const
{
    const platform::TImageList *list = CheckImages();
    return toOption(TLTMiscOption::toCheckSupport) && list ? list->Width() : 0;
}

bool TLazyStringTreeWidget::hasCheckColumn(PLazyNode Node) const
{
    return checkImageWidth() > 0 && Node->CheckType != TCheckType::ctNone;
}

int TLazyStringTreeWidget::imageWidthIf(platform::TImageList *list, PLazyNode Node, TLTImageKind Kind,
                                        TColumnIndex Column)
{
    if (!list)
        return 0;
    bool ghosted = false;
    TImageIndex index = -1;
    platform::TImageList *custom = QueryImageIndex(Node, Kind, Column, ghosted, index);
    if (index < 0)
        return 0;
    return (custom ? custom : list)->Width() + 2;
}

int TLazyStringTreeWidget::indentOf(PLazyNode Node) const
{
    if (toOption(TLTPaintOption::toFixedIndent))
        return int(Indent());
    return int(GetNodeLevel(Node) * Indent());
}

void alignTextRect(TRect &R, int TextWidth, TAlignment Alignment, bool Unclipped)
{
    // Clipped, a text as wide as the rectangle or wider keeps it whole.
    if (!Unclipped && TextWidth >= R.Width())
        return;
    switch (Alignment) {
    case TAlignment::taRightJustify:
        R.Left = R.Right - TextWidth;
        break;
    case TAlignment::taCenter:
        R.Left = (R.Left + R.Right - TextWidth) / 2;
        R.Right = R.Left + TextWidth;
        break;
    case TAlignment::taLeftJustify:
        R.Right = R.Left + TextWidth - (Unclipped ? 1 : 0);
        break;
    }
}

TRect TLazyStringTreeWidget::GetDisplayRect(PLazyNode Node, TColumnIndex Column, bool TextOnly, bool Unclipped,
                                            bool /*ApplyCellContentMargin*/)
{
    LT_ASSERT(Node, assertions::nodeNil);
    LT_ASSERT_TEXT(Node != RootNode(), QStringLiteral("Node must not be the hidden root node."));
    TRect result;
    initNode(Node);
    if (!GetEffectivelyVisible(Node))
        return result;
    if (!toOption(TLTPaintOption::toFixedIndent)) {
        for (PLazyNode run = Node; run != RootNode(); run = run->Parent) {
            if (!run->States.contains(TLazyNodeState::vsVisible))
                return result;
            if (run->Parent != RootNode() && !run->Parent->States.contains(TLazyNodeState::vsExpanded))
                return result;
        }
    }
    const bool isMain = Column == NoColumn || Column == MainColumn();
    const int indent = toOption(TLTPaintOption::toFixedIndent) || !isMain ? 0 : indentOf(Node);
    const int top = int(GetNodeTop(Node));
    result = {-FScroll->EffectiveOffsetX, top + OffsetY(), std::max(ClientWidth(), FScroll->RangeX) - FScroll->EffectiveOffsetX,
              top + OffsetY() + int(GetNodeHeight(Node))};
    if (Column >= 0 && IsValidColumn(Column)) {
        GetColumnBounds(Column, result.Left, result.Right);
        --result.Right;
    }
    if (!TextOnly)
        return result;

    int offset = Margin() + indent;
    if (isMain && toOption(TLTPaintOption::toShowRoot))
        offset += int(Indent());
    if (isMain && hasCheckColumn(Node))
        offset += checkImageWidth() + 2;
    offset += imageWidthIf(StateImages(), Node, TLTImageKind::ikState, Column);
    offset += imageWidthIf(Images(), Node, TLTImageKind::ikNormal, Column);
    const bool rightToLeft = readsRightToLeft(Column);
    TAlignment alignment = cellAlignment(Column);
    if (rightToLeft) {
        result.Right -= offset;
        alignment = mirrored(alignment);
    } else
        result.Left += offset;
    const int textWidth = MeasureNodeWidth(FCanvas, Node, Column);
    if (Unclipped && result.Width() < textWidth - 1)
        alignment = rightToLeft ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
    alignTextRect(result, textWidth, alignment, Unclipped);
    return result;
}

PLazyNode TLazyStringTreeWidget::GetNodeAt(int X, int Y, bool Relative, int &NodeTop)
{
    Q_UNUSED(X);
    if (Y < 0)
        Y = 0;
    if (Relative)
        Y -= OffsetY();
    if (Y < 0)
        return nullptr;
    std::uint32_t top = 0;
    PLazyNode node = GetNodeAtOffset(std::uint32_t(Y), top);
    if (!node)
        return nullptr;
    NodeTop = int(top) + (Relative ? OffsetY() : 0);
    return node;
}

PLazyNode TLazyStringTreeWidget::GetNodeAt(int X, int Y)
{
    int top = 0;
    return GetNodeAt(X, Y, true, top);
}

TRect TLazyStringTreeWidget::GetTreeRect() const
{
    return {0, 0, std::max(ClientWidth(), FScroll->RangeX), std::max(ClientHeight(), FScroll->RangeY)};
}

void TLazyStringTreeWidget::GetHitTestInfoAt(int X, int Y, bool Relative, THitInfo &HitInfo)
{
    HitInfo = THitInfo{};
    if (X < 0)
        HitInfo.HitPositions.include(THitPosition::hiToLeft);
    if (X > std::max(ClientWidth(), FScroll->RangeX))
        HitInfo.HitPositions.include(THitPosition::hiToRight);
    if (Y < 0)
        HitInfo.HitPositions.include(THitPosition::hiAbove);
    if (Y > std::max(ClientHeight(), FScroll->RangeY))
        HitInfo.HitPositions.include(THitPosition::hiBelow);
    if (Relative) {
        if (!ColumnsUsed() || X >= FHeader.Columns().GetVisibleFixedWidth())
            X += FScroll->EffectiveOffsetX;
        Y -= OffsetY();
    }
    HitInfo.HitPoint = {X, Y};
    if (!HitInfo.HitPositions.empty())
        return;

    int top = 0;
    HitInfo.HitNode = GetNodeAt(X, Y, false, top);
    if (!HitInfo.HitNode) {
        HitInfo.HitPositions.include(THitPosition::hiNowhere);
        return;
    }
    PLazyNode node = HitInfo.HitNode;
    initNode(node);
    int width = std::max(ClientWidth(), FScroll->RangeX);
    HitInfo.HitColumn = NoColumn;
    if (ColumnsUsed()) {
        int left = 0;
        int right = 0;
        HitInfo.HitColumn = ColumnAndEdgesAt(X, left, right);
        if (HitInfo.HitColumn == InvalidColumn) {
            HitInfo.HitPositions.include(THitPosition::hiNowhere);
            return;
        }
        if (toOption(TLTAutoOption::toAutoSpanColumns))
            spanEmptyCells(node, HitInfo.HitColumn, left, right);
        X -= left;
        width = right - left;
    }
    HitInfo.HitPositions = THitPosition::hiOnItem;
    if (toOption(TLTMiscOption::toNodeHeightResize)) {
        const TRect r = GetDisplayRect(node, HitInfo.HitColumn, false);
        if (Y <= r.Top - OffsetY() + 1)
            HitInfo.HitPositions.include(THitPosition::hiUpperSplitter);
        else if (Y >= r.Bottom - OffsetY() - 3)
            HitInfo.HitPositions.include(THitPosition::hiLowerSplitter);
    }
    const bool isMain = HitInfo.HitColumn == NoColumn || HitInfo.HitColumn == MainColumn();
    if (readsRightToLeft(HitInfo.HitColumn))
        classifyRightToLeft(node, X, width, isMain, mirrored(cellAlignment(HitInfo.HitColumn)), HitInfo);
    else
        classifyLeftToRight(node, X, width, isMain, cellAlignment(HitInfo.HitColumn), HitInfo);
}

void TLazyStringTreeWidget::classifyRightToLeft(PLazyNode Node, int X, int Width, bool IsMain, TAlignment Alignment,
                                                THitInfo &HitInfo)
{
    // The indentation lies on the right.
    const int indentWidth = hitIndentWidth(Node, IsMain);
    const int edge = Width - indentWidth;
    if (X >= edge) {
        if (toOption(TLTPaintOption::toShowButtons) && Node->States.contains(TLazyNodeState::vsHasChildren)) {
            if (X <= edge + int(Indent()))
                HitInfo.HitPositions.include(THitPosition::hiOnItemButton);
            if (X <= edge + ButtonBitmaps().Plus.width())
                HitInfo.HitPositions.include(THitPosition::hiOnItemButtonExact);
        }
        return;
    }
    if (!IsMain && toOption(TLTMiscOption::toReportMode))
        return;
    int right = edge - Margin();
    if (IsMain && hasCheckColumn(Node))
        right -= checkImageWidth() + 2;
    if (IsMain && X > right) {
        HitInfo.HitPositions = THitPosition::hiOnItem;
        if (Node->CheckType != TCheckType::ctNone)
            HitInfo.HitPositions.include(THitPosition::hiOnItemCheckbox);
        return;
    }
    const TColumnIndex column = HitInfo.HitColumn;
    right -= imageWidthIf(StateImages(), Node, TLTImageKind::ikState, column);
    if (X > right) {
        HitInfo.HitPositions.include(THitPosition::hiOnStateIcon);
        return;
    }
    right -= imageWidthIf(Images(), Node, TLTImageKind::ikNormal, column);
    if (X > right) {
        HitInfo.HitPositions.include(THitPosition::hiOnNormalIcon);
        return;
    }
    const int nodeWidth = MeasureNodeWidth(FCanvas, Node, column);
    if (right < nodeWidth) {
        HitInfo.HitPositions.include(THitPosition::hiOnItemLabel);
        return;
    }
    switch (Alignment) {
    case TAlignment::taRightJustify:
        HitInfo.HitPositions.include(X < right - nodeWidth ? THitPosition::hiOnItemLeft : THitPosition::hiOnItemLabel);
        break;
    case TAlignment::taCenter: {
        const int half = (right - nodeWidth) / 2;
        if (X < half)
            HitInfo.HitPositions.include(THitPosition::hiOnItemLeft);
        else if (X < half + nodeWidth)
            HitInfo.HitPositions.include(THitPosition::hiOnItemLabel);
        else
            HitInfo.HitPositions.include(THitPosition::hiOnItemRight);
        break;
    }
    case TAlignment::taLeftJustify:
        HitInfo.HitPositions.include(X > nodeWidth ? THitPosition::hiOnItemRight : THitPosition::hiOnItemLabel);
        break;
    }
}

int TLazyStringTreeWidget::hitIndentWidth(PLazyNode Node, bool IsMain) const
{
    if (!IsMain)
        return 0;
    int width = indentOf(Node);
    if (!toOption(TLTPaintOption::toFixedIndent) && toOption(TLTPaintOption::toShowRoot))
        width += int(Indent());
    return width;
}

void TLazyStringTreeWidget::classifyLeftToRight(PLazyNode Node, int X, int Width, bool IsMain, TAlignment Alignment,
                                                THitInfo &HitInfo)
{
    const int indentWidth = hitIndentWidth(Node, IsMain);
    if (IsMain && X < indentWidth + Margin()) {
        if (toOption(TLTPaintOption::toShowButtons) && Node->States.contains(TLazyNodeState::vsHasChildren)) {
            if (X >= indentWidth - int(Indent()))
                HitInfo.HitPositions.include(THitPosition::hiOnItemButton);
            if (X >= indentWidth - ButtonBitmaps().Plus.width())
                HitInfo.HitPositions.include(THitPosition::hiOnItemButtonExact);
        }
        return;
    }
    // A report shows only the main column's cells as items.
    if (!IsMain && toOption(TLTMiscOption::toReportMode))
        return;
    int offset = indentWidth + Margin();
    if (IsMain && hasCheckColumn(Node))
        offset += checkImageWidth() + 2;
    if (IsMain && X < offset) {
        HitInfo.HitPositions = THitPosition::hiOnItem;
        if (Node->CheckType != TCheckType::ctNone)
            HitInfo.HitPositions.include(THitPosition::hiOnItemCheckbox);
        return;
    }
    const TColumnIndex column = HitInfo.HitColumn;
    offset += imageWidthIf(StateImages(), Node, TLTImageKind::ikState, column);
    if (X < offset) {
        HitInfo.HitPositions.include(THitPosition::hiOnStateIcon);
        return;
    }
    offset += imageWidthIf(Images(), Node, TLTImageKind::ikNormal, column);
    if (X < offset) {
        HitInfo.HitPositions.include(THitPosition::hiOnNormalIcon);
        return;
    }
    const int nodeWidth = MeasureNodeWidth(FCanvas, Node, column);
    if (Width - offset < nodeWidth) {
        HitInfo.HitPositions.include(THitPosition::hiOnItemLabel);
        return;
    }
    switch (Alignment) {
    case TAlignment::taRightJustify:
        HitInfo.HitPositions.include(X >= Width - nodeWidth ? THitPosition::hiOnItemLabel : THitPosition::hiOnItemLeft);
        break;
    case TAlignment::taCenter: {
        const int mid = (offset + Width - nodeWidth) / 2;
        if (X < mid)
            HitInfo.HitPositions.include(THitPosition::hiOnItemLeft);
        else if (X >= mid + nodeWidth)
            HitInfo.HitPositions.include(THitPosition::hiOnItemRight);
        else
            HitInfo.HitPositions.include(THitPosition::hiOnItemLabel);
        break;
    }
    case TAlignment::taLeftJustify:
        HitInfo.HitPositions.include(X >= offset + nodeWidth ? THitPosition::hiOnItemRight : THitPosition::hiOnItemLabel);
        break;
    }
}

PLazyNode TLazyStringTreeWidget::TopNode() { return GetNodeAt(0, 0); }

PLazyNode TLazyStringTreeWidget::BottomNode() { return GetNodeAt(0, ClientHeight() - 1); }

void TLazyStringTreeWidget::expandParents(PLazyNode Node)
{
    for (PLazyNode run = Node->Parent; run && run != RootNode(); run = run->Parent)
        if (!run->States.contains(TLazyNodeState::vsExpanded))
            ToggleNode(run);
}

void TLazyStringTreeWidget::SetTopNode(PLazyNode Node)
{
    if (!Node)
        return;
    expandParents(Node);
    const TRect r = GetDisplayRect(Node, NoColumn, true);
    SetOffsetY(OffsetY() - r.Top);
}

void TLazyStringTreeWidget::SetBottomNode(PLazyNode Node)
{
    if (!Node)
        return;
    expandParents(Node);
    const TRect r = GetDisplayRect(Node, NoColumn, true);
    ApplyOffsetXY({OffsetX(), ClientHeight() + OffsetY() - r.Top - int(GetNodeHeight(Node))},
                  {TScrollUpdateOption::suoRepaintScrollBars, TScrollUpdateOption::suoUpdateNCArea});
}

bool TLazyStringTreeWidget::ApplyOffsetXY(QPoint Value, TScrollUpdateOptions Options, const QRect &ClipRect)
{
    Q_UNUSED(ClipRect);
    // The lower bound first: a range smaller than the window pins to 0.
    const int x = std::min(std::max(Value.x(), ClientWidth() - FScroll->RangeX), 0);
    const int y = std::min(std::max(Value.y(), ClientHeight() - FScroll->RangeY), 0);
    const int deltaX = x - OffsetX();
    const int deltaY = y - OffsetY();
    if (deltaX == 0 && deltaY == 0)
        return false;
    storeOffsets(x, y);
    FScroll->EffectiveOffsetX = effectiveOffsetX();
    CancelTreeHint();
    // An open editor stays over its cell.
    UpdateEditBounds();
    if (!IsUpdating()) {
        // The whole retained picture is painted again at the new offsets.
        if (Options.contains(TScrollUpdateOption::suoScrollClientArea))
            Invalidate();
        if (deltaX != 0 && Options.contains(TScrollUpdateOption::suoRepaintHeader) && FHeaderStrip)
            FHeaderStrip->update();
        if (Options.contains(TScrollUpdateOption::suoUpdateNCArea)) {
            if (deltaX != 0 && !TreeStates().contains(TLazyTreeState::tsSizing))
                UpdateHorizontalScrollBar(Options.contains(TScrollUpdateOption::suoRepaintScrollBars));
            if (deltaY != 0 && !TreeStates().contains(TLazyTreeState::tsSizing) &&
                !TreeStates().contains(TLazyTreeState::tsThumbTracking))
                UpdateVerticalScrollBar(Options.contains(TScrollUpdateOption::suoRepaintScrollBars));
        }
    }
    NotifyScroll(deltaX, deltaY);
    return true;
}

void TLazyStringTreeWidget::UpdateVerticalRange()
{
    FScroll->RangeY = int(RootNode()->TotalHeight) + int(BottomSpace()) - int(RootNode()->NodeHeight);
}

void TLazyStringTreeWidget::UpdateHorizontalRange()
{
    FHeader.SetClientWidth(ClientWidth());
    FScroll->RangeX = ColumnsUsed() ? FHeader.Columns().TotalWidth() : MeasureVisibleExtent();
}

void TLazyStringTreeWidget::UpdateRanges()
{
    UpdateVerticalRange();
    UpdateHorizontalRange();
}

int TLazyStringTreeWidget::MeasureVisibleExtent()
{
    PLazyNode node = TopNode();
    if (!node)
        return Margin();
    const int levelIndent = toOption(TLTPaintOption::toShowRoot) ? 1 : 0;
    int start = int((GetNodeLevel(node) + levelIndent) * Indent());
    if (StateImages())
        start += StateImages()->Width() + 2;
    if (Images())
        start += Images()->Width() + 2;
    const int checkWidth = checkImageWidth() > 0 ? checkImageWidth() + 2 : 0;
    int extent = 0;
    int tops = 0;
    while (node) {
        initNode(node);
        const int own = start + (node->CheckType != TCheckType::ctNone ? checkWidth : 0) +
                        MeasureNodeWidth(FCanvas, node, NoColumn) + MeasureStaticTextWidth(FCanvas, node, NoColumn);
        extent = std::max(extent, own);
        tops += int(GetNodeHeight(node));
        if (tops > height())
            break;
        PLazyNode next = GetNextVisible(node, true);
        if (next)
            start += (int(GetNodeLevel(next)) - int(GetNodeLevel(node))) * int(Indent());
        node = next;
    }
    return extent + Margin();
}

namespace {

// A platform scroll bar's figures on a Qt bar: Qt's maximum is the last
// position, the platform's the last pixel of the range.
void applyToBar(QScrollBar &bar, const TTreeScrollInfo &info)
{
    bar.setRange(info.Min, std::max(info.Min, info.Max - std::max(info.Page - 1, 0)));
    bar.setPageStep(info.Page);
    bar.setValue(info.Pos);
}

} // namespace

void TTreePartDeleter::operator()(TTreeScrollState *Part) const { delete Part; }

TTreePart<TTreeScrollState> TLazyStringTreeWidget::newScrollState() { return TTreePart<TTreeScrollState>(new TTreeScrollState); }

int TLazyStringTreeWidget::RangeX() const { return FScroll->RangeX; }
int TLazyStringTreeWidget::RangeY() const { return FScroll->RangeY; }
int TLazyStringTreeWidget::EffectiveOffsetX() const { return FScroll->EffectiveOffsetX; }
const TTreeScrollInfo &TLazyStringTreeWidget::HorizontalScrollInfo() const { return FScroll->Horizontal; }
const TTreeScrollInfo &TLazyStringTreeWidget::VerticalScrollInfo() const { return FScroll->Vertical; }
void TLazyStringTreeWidget::updateEffectiveOffsetX() { FScroll->EffectiveOffsetX = effectiveOffsetX(); }

void TLazyStringTreeWidget::setUpScrollBar(Qt::Orientation Bar, bool Wanted, int Client, int Range, int Position)
{
    TTreeScrollInfo &info = Bar == Qt::Vertical ? FScroll->Vertical : FScroll->Horizontal;
    QScrollBar &bar = Bar == Qt::Vertical ? *verticalScrollBar() : *horizontalScrollBar();
    FScroll->SettingScrollBars = true;
    const bool shown = Wanted && (Client < Range || ScrollBarOptions().AlwaysVisible());
    info = shown ? TTreeScrollInfo{true, 0, Range, std::max(Client + 1, 0), Position} : TTreeScrollInfo{};
    const Qt::ScrollBarPolicy policy = shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (Bar == Qt::Vertical)
        setVerticalScrollBarPolicy(policy);
    else
        setHorizontalScrollBarPolicy(policy);
    bar.setEnabled(Client < Range);
    applyToBar(bar, info);
    FScroll->SettingScrollBars = false;
    // Clamps the offsets to the new range.
    ApplyOffsetXY({OffsetX(), OffsetY()}, DefaultScrollUpdateFlags - TScrollUpdateOption::suoUpdateNCArea);
}

void TLazyStringTreeWidget::UpdateVerticalScrollBar(bool DoRepaint)
{
    Q_UNUSED(DoRepaint); // Qt repaints its bars itself
    UpdateVerticalRange();
    if (TreeStates().contains(TLazyTreeState::tsUpdating))
        return;
    setUpScrollBar(Qt::Vertical, ScrollBarOptions().verticalShown(), ClientHeight(), FScroll->RangeY, -OffsetY());
}

void TLazyStringTreeWidget::UpdateHorizontalScrollBar(bool DoRepaint)
{
    Q_UNUSED(DoRepaint);
    UpdateHorizontalRange();
    if (TreeStates().contains(TLazyTreeState::tsUpdating))
        return;
    FScroll->EffectiveOffsetX = effectiveOffsetX();
    // Qt mirrors a right-to-left bar itself: its value stays the distance from the start.
    setUpScrollBar(Qt::Horizontal, ScrollBarOptions().horizontalShown(), ClientWidth(), FScroll->RangeX, -OffsetX());
}

void TLazyStringTreeWidget::UpdateScrollBars(bool DoRepaint)
{
    // The header's height or visibility may have changed with its columns.
    RecalcHeaderRect();
    UpdateVerticalScrollBar(DoRepaint);
    UpdateHorizontalScrollBar(DoRepaint);
}

void TLazyStringTreeWidget::scrollContentsBy(int, int)
{
    if (FScroll->SettingScrollBars)
        return;
    ApplyOffsetXY({-horizontalScrollBar()->value(), -verticalScrollBar()->value()},
                  DefaultScrollUpdateFlags - TScrollUpdateOption::suoUpdateNCArea);
}

bool TLazyStringTreeWidget::ScrollIntoView(PLazyNode Node, bool Center, bool Horizontally)
{
    if (!Node || Node == RootNode())
        return false;
    const bool scrolled = scrollNodeIntoView(Node, Center);
    return Horizontally ? ScrollIntoView(FocusedColumn(), Center) || scrolled : scrolled;
}

bool TLazyStringTreeWidget::ScrollIntoView(TColumnIndex Column, bool Center)
{
    if (!ColumnsUsed() || !IsValidColumn(Column))
        return false;
    const TLazyTreeColumn &column = FHeader.Columns()[Column];
    const int columnLeft = column.Left() - FScroll->EffectiveOffsetX;
    const int width = column.Width();
    const int fixed = FHeader.Columns().GetVisibleFixedWidth();
    if (Center) {
        const int target = columnLeft + FScroll->EffectiveOffsetX + width / 2 - fixed / 2 - ClientWidth() / 2;
        if (target != FScroll->EffectiveOffsetX)
            SetOffsetX(-target);
        return true;
    }
    if (column.Options().contains(TLTColumnOption::coFixed))
        return true;
    int newPos = FScroll->EffectiveOffsetX;
    if (columnLeft + width > ClientWidth())
        newPos = columnLeft + width + FScroll->EffectiveOffsetX - ClientWidth();
    else if (columnLeft < fixed)
        newPos = FScroll->EffectiveOffsetX + columnLeft - fixed;
    if (newPos != FScroll->EffectiveOffsetX)
        SetOffsetX(-newPos);
    return true;
}

bool TLazyStringTreeWidget::scrollNodeIntoView(PLazyNode Node, bool Center)
{
    expandParents(Node);
    const TColumnIndex column = ColumnsUsed() && IsValidColumn(FocusedColumn()) ? FocusedColumn() : NoColumn;
    const TRect r = GetDisplayRect(Node, column, !toOption(TLTMiscOption::toGridExtensions));
    if (r.Top < 0) {
        SetOffsetY(OffsetY() - r.Top + (Center ? ClientHeight() / 2 : 0));
        return true;
    }
    if (r.Bottom > ClientHeight() || Center) {
        SetOffsetY(OffsetY() + (Center ? ClientHeight() / 2 : ClientHeight()) - r.Bottom);
        const bool horzBarShown = ScrollBarOptions().horizontalShown() &&
                                  (ScrollBarOptions().AlwaysVisible() || ClientWidth() < FScroll->RangeX);
        if (!ColumnsUsed() && !horzBarShown && ClientWidth() < FScroll->RangeX)
            SetOffsetY(OffsetY() - style()->pixelMetric(QStyle::PM_ScrollBarExtent));
        return true;
    }
    return false;
}

TRect TLazyStringTreeWidget::InvalidateNodeRect(PLazyNode Node)
{
    if (IsUpdating() || !Node || Node == RootNode())
        return {-1, -1, -1, -1};
    const TRect r = GetDisplayRect(Node, NoColumn, false);
    viewport()->update(platform::toQRect(r));
    return r;
}

void TLazyStringTreeWidget::InvalidateNode(PLazyNode Node)
{
    TCustomLazyStringTree::InvalidateNode(Node);
    if (!IsDestroying())
        InvalidateNodeRect(Node);
}

void TLazyStringTreeWidget::InvalidateChildren(PLazyNode Node, bool Recursive)
{
    PLazyNode parent = Node ? Node : RootNode();
    if (Node) {
        initNode(Node);
        InvalidateNode(Node);
    }
    for (PLazyNode child = GetFirstChild(parent); child; child = GetNextSibling(child)) {
        InvalidateNode(child);
        if (Recursive)
            InvalidateChildren(child, true);
    }
}

void TLazyStringTreeWidget::InvalidateToBottom(PLazyNode Node)
{
    if (IsUpdating() || IsDestroying())
        return;
    if (!Node || Node == RootNode()) {
        Invalidate();
        return;
    }
    if (!Node->States.contains(TLazyNodeState::vsInitialized) || !GetEffectivelyVisible(Node))
        return;
    TRect r = GetDisplayRect(Node, NoColumn, false);
    if (r.Top >= ClientHeight())
        return;
    if (toOption(TLTPaintOption::toChildrenAbove) && GetExpanded(Node))
        r.Top -= int(Node->NodeHeight + Node->TotalHeight);
    r.Bottom = ClientHeight();
    viewport()->update(platform::toQRect(r));
}

} // namespace vtree
