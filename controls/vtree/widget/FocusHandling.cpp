// The window's keyboard focus: what the tree gives up when it loses it (the
// search, the pending mouse and edit work) and what it ensures when it gets
// it back, and the focus of a node and a column together.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QFocusEvent>

namespace vtree {

using enum TLazyTreeState;

namespace {
bool ghostedAndEmpty(const TLazyStringTreeWidget &tree)
{
    return tree.TreeOptions().PaintOptions().contains(TLTPaintOption::toGhostedIfUnfocused) && tree.SelectedCount() == 0;
}
} // namespace

void TLazyStringTreeWidget::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    EnsureNodeSelected();
    if (!ghostedAndEmpty(*this))
        Invalidate();
}

void TLazyStringTreeWidget::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    CancelTreeHint();
    for (int timer : {ExpandTimer, EditTimer, HeaderTimer, ScrollTimer})
        KillTreeTimer(timer);
    StopAutoScroll();
    StopWheelPanning();
    StopIncrementalSearch();
    ChangeTreeStates({}, {tsEditPending, tsNodeHeightTracking, tsNodeHeightTrackPending, tsLeftButtonDown,
                          tsMiddleButtonDown, tsOLEDragPending, tsRightButtonDown, tsScrolling, tsScrollPending,
                          tsVCLDragPending});
    if (ghostedAndEmpty(*this))
        InvalidateNode(FocusedNode());
    else
        Invalidate();
}

bool TLazyStringTreeWidget::focusNextPrevChild(bool next)
{
    // With WantTabs the tree keeps Tab for moving between its cells.
    return !WantTabs() && QAbstractScrollArea::focusNextPrevChild(next);
}

void TLazyStringTreeWidget::CancelMode()
{
    for (int timer : {ExpandTimer, EditTimer, HeaderTimer, ScrollTimer, ThemeChangeTimer})
        KillTreeTimer(timer);
    StopIncrementalSearch();
    ChangeTreeStates({}, {tsClearPending, tsDrawSelPending, tsDrawSelecting, tsEditPending, tsOLEDragPending,
                          tsVCLDragPending});
}

bool TLazyStringTreeWidget::SetFocusedNodeAndColumn(PLazyNode Node, TColumnIndex Column)
{
    if (!ColumnAllowsFocus(Column))
        Column = FocusedColumn();
    PLazyNode oldNode = FocusedNode();
    const TColumnIndex oldColumn = FocusedColumn();
    storeFocusedColumn(Column);
    FocusNode(Node, true);
    if (FocusedNode() != nodeOrNil(Node)) {
        storeFocusedColumn(oldColumn);
        return false;
    }
    CancelEditNode();
    if (oldColumn != Column) {
        InvalidateColumn(oldColumn);
        InvalidateColumn(Column);
    }
    if (oldNode != FocusedNode() || oldColumn != Column)
        NotifyFocusChanged(FocusedNode(), FocusedColumn());
    return true;
}

} // namespace vtree
