// The rubber band: a rectangle drawn from a click beside the labels that
// selects the nodes it touches, toggling them with Ctrl.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/DrawingUtils.h"
#include "controls/vtree/widget/TreeMouse.h"

#include <algorithm>

namespace vtree {

namespace {

bool has(const THitInfo &HitInfo, THitPosition Position) { return HitInfo.HitPositions.contains(Position); }

// Top and bottom of a rubber band whatever way it was drawn.
std::pair<int, int> verticalSpan(const QRect &R) { return std::minmax(R.top(), R.top() + R.height()); }
std::pair<int, int> horizontalSpan(const QRect &R) { return std::minmax(R.left(), R.left() + R.width()); }

bool overlaps(const QRect &Band, int Left, int Top, int Right, int Bottom)
{
    const auto [bandLeft, bandRight] = horizontalSpan(Band);
    const auto [bandTop, bandBottom] = verticalSpan(Band);
    return bandLeft < Right && Left < bandRight && bandTop < Bottom && Top < bandBottom;
}

} // namespace

platform::TRect TLazyStringTreeWidget::NewSelRect() const
{
    const QRect &band = FMouse->NewSelRect;
    return {band.left(), band.top(), band.left() + band.width(), band.top() + band.height()};
}

void TLazyStringTreeWidget::SetNewSelRect(const platform::TRect &R)
{
    if (R == NewSelRect())
        return;
    const bool hadBand = !platform::IsRectEmpty(vtree::NormalizeRect(NewSelRect()));
    FMouse->NewSelRect = QRect(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
    // The former band goes and the new one comes: the window paints again.
    if (hadBand || !platform::IsRectEmpty(vtree::NormalizeRect(R)))
        Invalidate();
}

// A click beside the labels may start a rubber band; it grows only once it
// is past the drag threshold.
void TLazyStringTreeWidget::StartDrawSelection(QPoint P, const THitInfo &HitInfo, TShiftState Shift)
{
    const bool alt = Shift.contains(TShiftStateItem::ssAlt);
    const bool onNode = HitInfo.HitNode && !has(HitInfo, THitPosition::hiNowhere);
    const bool labelHit = onNode && !alt && !toOption(TLTSelectionOption::toSimpleDrawSelection) &&
                          (has(HitInfo, THitPosition::hiOnItemLabel) || has(HitInfo, THitPosition::hiOnNormalIcon));
    const bool fullRowHit = onNode && !alt && !labelHit && !has(HitInfo, THitPosition::hiOnItemButton) &&
                            !has(HitInfo, THitPosition::hiOnItemCheckbox) &&
                            (toOption(TLTSelectionOption::toFullRowSelect) ||
                             (toOption(TLTMiscOption::toGridExtensions) && HitInfo.HitColumn > NoColumn));
    if (toOption(TLTSelectionOption::toDisableDrawSelection) || labelHit ||
        (fullRowHit && toOption(TLTMiscOption::toFullRowDrag)) || !toOption(TLTSelectionOption::toMultiSelect))
        return;
    ChangeTreeStates(TLazyTreeState::tsDrawSelPending, {});
    FMouse->DrawSelShiftState = Shift;
    FMouse->DrawSelShiftState.exclude(TShiftStateItem::ssAlt);
    FMouse->NewSelRect = QRect(P.x() + EffectiveOffsetX(), P.y() - OffsetY(), 0, 0);
    FMouse->LastSelRect = QRect(0, 0, 0, 0);
}

void TLazyStringTreeWidget::EndDrawSelection()
{
    if (!IsMouseSelecting())
        return;
    ChangeTreeStates({}, {TLazyTreeState::tsDrawSelPending, TLazyTreeState::tsDrawSelecting});
    Invalidate();
}

QRect TLazyStringTreeWidget::RubberBandRect() const
{
    if (!TreeStates().contains(TLazyTreeState::tsDrawSelecting))
        return {};
    const auto [left, right] = horizontalSpan(FMouse->NewSelRect);
    const auto [top, bottom] = verticalSpan(FMouse->NewSelRect);
    return QRect(QPoint(left - EffectiveOffsetX(), top + OffsetY()), QSize(right - left, bottom - top));
}

bool TLazyStringTreeWidget::UpdateSelectionRect(QPoint P)
{
    if (TreeStates().contains(TLazyTreeState::tsDrawSelecting))
        FMouse->LastSelRect = FMouse->NewSelRect;
    const int x = std::clamp(P.x() + EffectiveOffsetX(), 0, std::max(ClientWidth(), RangeX()));
    const int y = std::clamp(P.y() - OffsetY(), 0, std::max(ClientHeight(), RangeY()));
    QRect band = FMouse->NewSelRect;
    band.setWidth(x - band.left());
    band.setHeight(y - band.top());
    if (band == FMouse->NewSelRect)
        return false;
    SetNewSelRect({band.left(), band.top(), band.left() + band.width(), band.top() + band.height()});
    return true;
}

// Nodes whose selectable area lies in one rectangle and not in the other
// change: toggled with Ctrl, else taken into or out of the selection.
void TLazyStringTreeWidget::HandleDrawSelection(const QRect &OldRect, const QRect &NewRect)
{
    PLazyNode first = GetFirstNoInit();
    if (!first || !GetNextNoInit(first))
        return;
    const auto [oldTop, oldBottom] = verticalSpan(OldRect);
    const auto [newTop, newBottom] = verticalSpan(NewRect);
    const bool oldEmpty = OldRect.width() == 0 || OldRect.height() == 0;
    const int top = oldEmpty ? newTop : std::min(oldTop, newTop);
    const int bottom = oldEmpty ? newBottom : std::max(oldBottom, newBottom);
    const bool toggle = FMouse->DrawSelShiftState.contains(TShiftStateItem::ssCtrl);
    const bool wholeRow =
        toOption(TLTSelectionOption::toSimpleDrawSelection) || toOption(TLTSelectionOption::toFullRowSelect);

    int columnLeft = 0;
    int columnRight = std::max(ClientWidth(), RangeX());
    if (ColumnsUsed()) {
        GetColumnBounds(MainColumn(), columnLeft, columnRight);
        columnLeft += EffectiveOffsetX();
        columnRight += EffectiveOffsetX();
    }
    TNodeArray added;
    TNodeArray removed;
    int nodeTop = 0;
    PLazyNode node = GetNodeAt(0, top, false, nodeTop);
    for (; node && nodeTop < bottom; node = GetNextVisible(node)) {
        const int height = int(GetNodeHeight(node));
        int left = 0;
        int right = 0;
        if (wholeRow) {
            const int levels = int(GetNodeLevel(node)) + (toOption(TLTPaintOption::toShowRoot) ? 1 : 0);
            left = columnLeft + Margin() + levels * int(Indent());
            right = ColumnsUsed() ? FHeader.Columns().TotalWidth() : columnRight;
        } else {
            const platform::TRect text = GetDisplayRect(node, MainColumn(), true, true);
            left = text.Left + EffectiveOffsetX();
            right = text.Right + EffectiveOffsetX();
        }
        const bool inOld = !oldEmpty && overlaps(OldRect, left, nodeTop, right, nodeTop + height);
        const bool inNew = overlaps(NewRect, left, nodeTop, right, nodeTop + height);
        if (inOld != inNew) {
            if (toggle ? !Selected(node) : inNew)
                added.push_back(node);
            else if (Selected(node))
                removed.push_back(node);
        }
        nodeTop += height;
    }
    for (PLazyNode gone : removed)
        RemoveFromSelection(gone);
    if (!added.empty())
        AddNodesToSelection(added.data(), added.size());
    if (!added.empty() || !removed.empty())
        Invalidate();
}

} // namespace vtree
