// Selection by the mouse: what a click selects and focuses, the changes a
// click leaves for the release (so that dragging a multi-selection keeps
// it), and the rubber band.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

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

void TLazyStringTreeWidget::HandleMouseSelection(const TTreeMouseMessage &Message, const THitInfo &HitInfo,
                                                 TShiftState ShiftState, bool AltPressed, bool DragPossible,
                                                 bool ColumnChange, TColumnIndex NewColumn)
{
    PLazyNode node = HitInfo.HitNode;
    const bool onNowhere = has(HitInfo, THitPosition::hiNowhere) || !node;
    const bool multi = toOption(TLTSelectionOption::toMultiSelect);
    const bool modifier = !ShiftState.empty();
    const bool labelHit = !onNowhere &&
                          (has(HitInfo, THitPosition::hiOnItemLabel) || has(HitInfo, THitPosition::hiOnNormalIcon)) &&
                          !AltPressed && !toOption(TLTSelectionOption::toSimpleDrawSelection);
    const bool fullRowHit = !onNowhere && !AltPressed && !labelHit && !has(HitInfo, THitPosition::hiOnItemButton) &&
                            !has(HitInfo, THitPosition::hiOnItemCheckbox) &&
                            (toOption(TLTSelectionOption::toFullRowSelect) ||
                             (toOption(TLTMiscOption::toGridExtensions) && HitInfo.HitColumn > NoColumn));
    const bool itemHit = labelHit || fullRowHit;
    const bool fullRowDrag = toOption(TLTMiscOption::toFullRowDrag);
    const bool selectedHit = itemHit && Selected(node);

    if ((!modifier && GetFirstNoInit()) || FSelectionCount == 0) {
        PLazyNode levelNode = onNowhere ? GetLastVisible() : node;
        FLastSelectionLevel = levelNode ? int(GetNodeLevel(levelNode)) : -1;
    }

    if (multi && !modifier && !has(HitInfo, THitPosition::hiOnItemCheckbox) && selectedHit && DragPossible) {
        ChangeTreeStates(TLazyTreeState::tsClearPending, {});
    } else {
        bool popupAvailable = false;
        if (Message.Button == TMouseButton::mbRight && itemHit && Selected(node) && !DragPossible)
            popupAvailable = QueryPopupMenu(node, HitInfo.HitColumn, Message.Pos) != nullptr;
        const bool clear =
            (!itemHit && !fullRowDrag && multi && !modifier) ||
            (itemHit && (!Selected(node) || (!DragPossible && !popupAvailable)) && (!modifier || !multi));
        if (clear) {
            const bool alone = (!onNowhere && Selected(node)) ||
                               (AltPressed && !onNowhere && (HitInfo.HitColumn == MainColumn() || !ColumnsUsed()));
            if (alone) {
                const unsigned before = FSelectionCount;
                ClearSelection();
                AddToSelection(node);
                if (before > 1)
                    Invalidate();
            } else if (!(onNowhere && toOption(TLTSelectionOption::toAlwaysSelectNode))) {
                ClearSelection();
            }
        }
    }

    if (itemHit && QueryFocusChanging(FFocusedNode, node, FFocusedColumn, NewColumn)) {
        if (ColumnChange) {
            InvalidateColumn(FFocusedColumn);
            InvalidateColumn(NewColumn);
            FFocusedColumn = NewColumn;
        }
        PLazyNode lastFocused = FFocusedNode;
        FocusNode(node, false);
        if (multi && modifier) {
            HandleClickSelection(lastFocused, node, ShiftState, DragPossible);
        } else {
            if (ShiftState.empty())
                FRangeAnchor = node;
            if (!Selected(node))
                AddToSelection(node);
        }
        if (lastFocused != FFocusedNode || ColumnChange) {
            ScrollIntoView(FFocusedNode, false,
                           !toOption(TLTAutoOption::toDisableAutoscrollOnFocus) &&
                               !toOption(TLTSelectionOption::toFullRowSelect));
            NotifyFocusChanged(FFocusedNode, FFocusedColumn);
        }
    }

    // A click beside the labels may start a rubber band.
    if (!toOption(TLTSelectionOption::toDisableDrawSelection) && !labelHit && !(fullRowHit && fullRowDrag) && multi) {
        ChangeTreeStates(TLazyTreeState::tsDrawSelPending, {});
        FMouse.DrawSelShiftState = ShiftState;
        FMouse.NewSelRect = QRect(Message.Pos.x() + FEffectiveOffsetX, Message.Pos.y() - FOffsetY, 0, 0);
        FMouse.LastSelRect = QRect(0, 0, 0, 0);
    }

    if (FSelectionCount == 0)
        AnnounceChange(nullptr);
}

void TLazyStringTreeWidget::HandleClickSelection(PLazyNode LastFocused, PLazyNode NewNode, TShiftState Shift,
                                                 bool DragPending)
{
    Q_UNUSED(LastFocused);
    const bool ctrl = Shift.contains(TShiftStateItem::ssCtrl);
    const bool shift = Shift.contains(TShiftStateItem::ssShift);
    if (ctrl && shift) {
        SelectRange(FRangeAnchor, NewNode, true);
    } else if (ctrl) {
        if (!toOption(TLTSelectionOption::toSiblingSelectConstraint))
            FRangeAnchor = NewNode;
        if (DragPending)
            ChangeTreeStates(TLazyTreeState::tsToggleFocusedSelection, {});
        else if (Selected(NewNode))
            RemoveFromSelection(NewNode);
        else
            AddToSelection(NewNode);
    } else if (shift) {
        PLazyNode anchor = FRangeAnchor ? FRangeAnchor : GetFirstNoInit();
        SelectRange(anchor, NewNode, false);
        if (!FRangeAnchor)
            FRangeAnchor = anchor;
    }
    Invalidate();
}

void TLazyStringTreeWidget::CompleteMouseSelection(const THitInfo &HitInfo)
{
    if (IsMouseSelecting()) {
        ChangeTreeStates({}, {TLazyTreeState::tsDrawSelPending, TLazyTreeState::tsDrawSelecting});
        Invalidate();
    }
    if (FStates.contains(TLazyTreeState::tsClearPending)) {
        ChangeTreeStates({}, TLazyTreeState::tsClearPending);
        PLazyNode focused = FFocusedNode;
        const bool reselect = Selected(focused);
        ClearSelection();
        if (reselect)
            AddToSelection(focused);
    }
    if (FStates.contains(TLazyTreeState::tsToggleFocusedSelection)) {
        ChangeTreeStates({}, TLazyTreeState::tsToggleFocusedSelection);
        if (PLazyNode node = FFocusedNode; node && HitInfo.HitNode == node) {
            if (!Selected(node))
                AddToSelection(node);
            else if (!(toOption(TLTSelectionOption::toAlwaysSelectNode) && FSelectionCount == 1))
                RemoveFromSelection(node);
            Invalidate();
        }
    }
}

QRect TLazyStringTreeWidget::RubberBandRect() const
{
    if (!FStates.contains(TLazyTreeState::tsDrawSelecting))
        return {};
    const auto [left, right] = horizontalSpan(FMouse.NewSelRect);
    const auto [top, bottom] = verticalSpan(FMouse.NewSelRect);
    return QRect(QPoint(left - FEffectiveOffsetX, top + FOffsetY), QSize(right - left, bottom - top));
}

bool TLazyStringTreeWidget::UpdateSelectionRect(QPoint P)
{
    if (FStates.contains(TLazyTreeState::tsDrawSelecting))
        FMouse.LastSelRect = FMouse.NewSelRect;
    const int x = std::clamp(P.x() + FEffectiveOffsetX, 0, std::max(ClientWidth(), FRangeX));
    const int y = std::clamp(P.y() - FOffsetY, 0, std::max(ClientHeight(), FRangeY));
    QRect band = FMouse.NewSelRect;
    band.setWidth(x - band.left());
    band.setHeight(y - band.top());
    if (band == FMouse.NewSelRect)
        return false;
    FMouse.NewSelRect = band;
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
    const bool toggle = FMouse.DrawSelShiftState.contains(TShiftStateItem::ssCtrl);
    const bool wholeRow =
        toOption(TLTSelectionOption::toSimpleDrawSelection) || toOption(TLTSelectionOption::toFullRowSelect);

    int columnLeft = 0;
    int columnRight = std::max(ClientWidth(), FRangeX);
    if (ColumnsUsed()) {
        GetColumnBounds(MainColumn(), columnLeft, columnRight);
        columnLeft += FEffectiveOffsetX;
        columnRight += FEffectiveOffsetX;
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
            left = columnLeft + FMargin + levels * int(FIndent);
            right = ColumnsUsed() ? FHeader.Columns().TotalWidth() : columnRight;
        } else {
            const platform::TRect text = GetDisplayRect(node, MainColumn(), true, true);
            left = text.Left + FEffectiveOffsetX;
            right = text.Right + FEffectiveOffsetX;
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
