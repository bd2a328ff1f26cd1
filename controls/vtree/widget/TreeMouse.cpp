// The mouse on the rows: buttons, double clicks, moves, the wheel, entering
// and leaving, check boxes pressed with the mouse, node splitters and the
// popup menu.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/TreeMouse.h"

#include "controls/vtree/widget/SharedImages.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace vtree {

TShiftState shiftOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons)
{
    TShiftState shift;
    if (Modifiers & Qt::ShiftModifier)
        shift.include(TShiftStateItem::ssShift);
    if (Modifiers & Qt::ControlModifier)
        shift.include(TShiftStateItem::ssCtrl);
    if (Modifiers & Qt::AltModifier)
        shift.include(TShiftStateItem::ssAlt);
    if (Buttons & Qt::LeftButton)
        shift.include(TShiftStateItem::ssLeft);
    if (Buttons & Qt::RightButton)
        shift.include(TShiftStateItem::ssRight);
    if (Buttons & Qt::MiddleButton)
        shift.include(TShiftStateItem::ssMiddle);
    return shift;
}

namespace {

TMouseButton buttonOf(Qt::MouseButton Button)
{
    if (Button == Qt::RightButton)
        return TMouseButton::mbRight;
    if (Button == Qt::MiddleButton)
        return TMouseButton::mbMiddle;
    return TMouseButton::mbLeft;
}

TTreeMouseMessage messageOf(const QMouseEvent &Event)
{
    return {buttonOf(Event.button()), shiftOf(Event.modifiers(), Event.buttons()), Event.position().toPoint()};
}

bool has(const THitInfo &HitInfo, THitPosition Position) { return HitInfo.HitPositions.contains(Position); }

} // namespace

TTreeMouseState::TTreeMouseState(QWidget *Viewport)
{
    Viewport->setAcceptDrops(true);
    // Hot tracking follows the mouse with no button down too.
    Viewport->setMouseTracking(true);
}

void TTreePartDeleter::operator()(TTreeMouseState *Part) const { delete Part; }

TTreePart<TTreeMouseState> TLazyStringTreeWidget::newMouseState(QWidget *Viewport)
{
    return TTreePart<TTreeMouseState>(new TTreeMouseState(Viewport));
}

TColumnIndex TLazyStringTreeWidget::HotColumn() const { return FMouse->CurrentHotColumn; }
TDragMode TLazyStringTreeWidget::DragMode() const { return FMouse->DragMode; }
void TLazyStringTreeWidget::SetDragMode(TDragMode value) { FMouse->DragMode = value; }
const QString &TLazyStringTreeWidget::PanningCursor() const { return FMouse->PanningCursor; }
QWidget *TLazyStringTreeWidget::PanningWindow() const { return FMouse->PanningWindow.get(); }
const QTimer *TLazyStringTreeWidget::AutoScrollTimer() const { return FMouse->ScrollTimer.get(); }
const QTimer *TLazyStringTreeWidget::AutoExpandTimer() const { return FMouse->ExpandTimer.get(); }
TScrollDirections TLazyStringTreeWidget::ScrollDirections() const { return FMouse->ScrollDirections; }
TLTDragImage &TLazyStringTreeWidget::DragImage() { return FMouse->DragImage; }
int TLazyStringTreeWidget::LastDragEffect() const { return FMouse->LastDragEffect; }
TDropMode TLazyStringTreeWidget::LastDropMode() const { return FMouse->LastDropMode; }
void TLazyStringTreeWidget::SetLastDropMode(TDropMode Mode) { FMouse->LastDropMode = Mode; }

THitInfo TLazyStringTreeWidget::HitInfoAt(QPoint P)
{
    THitInfo hit;
    GetHitTestInfoAt(P.x(), P.y(), true, hit);
    return hit;
}

void TLazyStringTreeWidget::ClickColumn(const THitInfo &HitInfo, TColumnIndex &NewColumn, bool &ColumnChange) const
{
    NewColumn = FocusedColumn();
    ColumnChange = false;
    if (!HitInfo.HitPositions.contains(THitPosition::hiOnItemLabel) && !toOption(TLTSelectionOption::toFullRowSelect) &&
        !toOption(TLTMiscOption::toGridExtensions))
        return;
    NewColumn = toOption(TLTSelectionOption::toExtendedFocus) ? HitInfo.HitColumn : MainColumn();
    ColumnChange = NewColumn != FocusedColumn();
    if (ColumnsUsed() && !ColumnAllowsFocus(NewColumn)) {
        NewColumn = FocusedColumn();
        ColumnChange = false;
    }
}

bool TLazyStringTreeWidget::HeaderBusy() const { return !FHeader.States().empty(); }

// ---- Qt's events -------------------------------------------------------------

void TLazyStringTreeWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const TTreeMouseMessage message = messageOf(*event);
    THitInfo hit = HitInfoAt(message.Pos);
    switch (message.Button) {
    case TMouseButton::mbLeft:
        ChangeTreeStates(TLazyTreeState::tsLeftButtonDown, {});
        HandleMouseDown(message, hit);
        break;
    case TMouseButton::mbMiddle:
        ChangeTreeStates(TLazyTreeState::tsMiddleButtonDown, {});
        if (HeaderBusy())
            return;
        if (toOption(TLTMiscOption::toWheelPanning) && !IsWheelPanning() &&
            (CanScrollHorizontally() || CanScrollVertically())) {
            FMouse->LastClickPos = message.Pos;
            StartWheelPanning(message.Pos);
        } else {
            StopWheelPanning();
            if (toOption(TLTSelectionOption::toMiddleClickSelect))
                HandleMouseDown(message, hit);
        }
        break;
    case TMouseButton::mbRight:
        ChangeTreeStates(TLazyTreeState::tsRightButtonDown, {});
        if (HeaderBusy())
            return;
        if (toOption(TLTSelectionOption::toRightClickSelect))
            HandleMouseDown(message, hit);
        break;
    }
}

void TLazyStringTreeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const TTreeMouseMessage message = messageOf(*event);
    THitInfo hit = HitInfoAt(message.Pos);
    switch (message.Button) {
    case TMouseButton::mbLeft:
        ChangeTreeStates({}, {TLazyTreeState::tsNodeHeightTracking, TLazyTreeState::tsNodeHeightTrackPending,
                              TLazyTreeState::tsLeftButtonDown});
        HandleMouseUp(message, hit);
        break;
    case TMouseButton::mbMiddle:
        ChangeTreeStates({}, TLazyTreeState::tsMiddleButtonDown);
        if (IsWheelPanning()) {
            // Released where it was pressed, panning goes on until the next click.
            if (TreeStates().contains(TLazyTreeState::tsWheelScrolling))
                ChangeTreeStates({}, TLazyTreeState::tsWheelPanning);
            else
                StopWheelPanning();
        } else if (!HeaderBusy() && toOption(TLTSelectionOption::toMiddleClickSelect)) {
            HandleMouseUp(message, hit);
        }
        break;
    case TMouseButton::mbRight:
        ChangeTreeStates({}, {TLazyTreeState::tsRightButtonDown, TLazyTreeState::tsPopupMenuShown});
        if (HeaderBusy())
            return;
        CancelTreeHint();
        if (toOption(TLTSelectionOption::toRightClickSelect))
            HandleMouseUp(message, hit);
        ShowPopupMenu(hit.HitNode, hit.HitColumn, message.Pos);
        break;
    }
}

void TLazyStringTreeWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    const TTreeMouseMessage message = messageOf(*event);
    THitInfo hit = HitInfoAt(message.Pos);
    TLazyTreeState held = TLazyTreeState::tsLeftDblClick;
    bool handled = true;
    if (message.Button == TMouseButton::mbMiddle) {
        held = TLazyTreeState::tsMiddleDblClick;
        handled = toOption(TLTSelectionOption::toMiddleClickSelect);
    } else if (message.Button == TMouseButton::mbRight) {
        held = TLazyTreeState::tsRightDblClick;
        handled = toOption(TLTSelectionOption::toRightClickSelect);
    }
    StateScope scope(*this, held);
    if (handled)
        HandleMouseDblClick(message, hit);
}

void TLazyStringTreeWidget::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    HandleMouseMove(messageOf(*event));
}

void TLazyStringTreeWidget::wheelEvent(QWheelEvent *event)
{
    event->accept();
    const QPoint delta = event->angleDelta();
    // A sideways wheel scrolls sideways, as the vertical one does with Shift.
    if (delta.y() != 0)
        MouseWheel(delta.y(), false, event->modifiers());
    else if (delta.x() != 0)
        MouseWheel(delta.x(), true, event->modifiers());
}

// The tree shows its menu itself (right button up, the menu key): Qt's
// request is taken so that no parent shows one too.
void TLazyStringTreeWidget::contextMenuEvent(QContextMenuEvent *event) { event->accept(); }

void TLazyStringTreeWidget::enterEvent(QEnterEvent *event)
{
    QAbstractScrollArea::enterEvent(event);
    NotifyMouseEnter();
}

void TLazyStringTreeWidget::leaveEvent(QEvent *event)
{
    QAbstractScrollArea::leaveEvent(event);
    ChangeTreeStates({}, TLazyTreeState::tsHint);
    if (!IsWheelPanning())
        StopAutoScroll();
    if (PLazyNode old = HotNode()) {
        NotifyHotChange(old, nullptr);
        SetHotNode(nullptr, false);
        FMouse->CurrentHotColumn = NoColumn;
    }
    NotifyMouseLeave();
}

// ---- The handlers --------------------------------------------------------------

void TLazyStringTreeWidget::HandleMouseDown(const TTreeMouseMessage &Message, THitInfo &HitInfo)
{
    if (IsWheelPanning()) {
        StopWheelPanning();
        return;
    }
    if (TreeStates().contains(TLazyTreeState::tsEditPending)) {
        KillTreeTimer(EditTimer);
        ChangeTreeStates({}, TLazyTreeState::tsEditPending);
    }
    if (TreeStates().contains(TLazyTreeState::tsEditing) && !EndEditNode())
        return;
    if (!hasFocus() && focusPolicy() != Qt::NoFocus) {
        // Taking the focus may scroll (a node gets selected): only then has the hit moved.
        const QPoint offsets = OffsetXY();
        setFocus(Qt::MouseFocusReason);
        if (OffsetXY() != offsets)
            HitInfo = HitInfoAt(Message.Pos);
    }
    FMouse->ClickColumn = HitInfo.HitColumn;

    const bool labelHit = has(HitInfo, THitPosition::hiOnItemLabel);
    TColumnIndex newColumn = FocusedColumn();
    bool columnChange = false;
    ClickColumn(HitInfo, newColumn, columnChange);

    const bool altPressed = Message.Shift.contains(TShiftStateItem::ssAlt);
    TShiftState shiftState;
    for (auto key : {TShiftStateItem::ssShift, TShiftStateItem::ssCtrl})
        if (Message.Shift.contains(key))
            shiftState.include(key);

    PLazyNode node = HitInfo.HitNode;
    const bool onNode = node && !has(HitInfo, THitPosition::hiNowhere);
    const bool fullRowHit = onNode && !labelHit && !has(HitInfo, THitPosition::hiOnItemButton) &&
                            !has(HitInfo, THitPosition::hiOnItemCheckbox) &&
                            toOption(TLTSelectionOption::toFullRowSelect);
    bool dragPossible = (FMouse->DragMode == TDragMode::dmAutomatic || Dragging()) &&
                        (!fullRowHit || toOption(TLTMiscOption::toFullRowDrag));
    if (FMouse->DragMode == TDragMode::dmManual && onNode)
        dragPossible = (labelHit || (fullRowHit && toOption(TLTMiscOption::toFullRowDrag))) &&
                       QueryDragAllowed(node, HitInfo.HitColumn);

    // A node splitter pressed: the height follows the mouse from here.
    if (Message.Button == TMouseButton::mbLeft && has(HitInfo, THitPosition::hiOnItem) &&
        (has(HitInfo, THitPosition::hiUpperSplitter) || has(HitInfo, THitPosition::hiLowerSplitter))) {
        PLazyNode tracked = has(HitInfo, THitPosition::hiUpperSplitter) ? GetPreviousVisible(node) : node;
        const TColumnIndex column = HitInfo.HitColumn;
        bool allowed = toOption(TLTMiscOption::toNodeHeightResize) && tracked && tracked != RootNode() && column >= 0 &&
                       IsValidColumn(column) &&
                       FHeader.Columns()[column].Options().contains(TLTColumnOption::coFixed);
        if (allowed)
            QueryCanSplitterResizeNode(Message.Pos, tracked, column, allowed);
        if (allowed) {
            setHeightTrackNode(tracked);
            FMouse->HeightTrackColumn = column;
            const platform::TRect cell = GetDisplayRect(tracked, column, false);
            FMouse->HeightTrackPoint = {cell.Left, cell.Top};
            ChangeTreeStates(TLazyTreeState::tsNodeHeightTrackPending, {});
            return;
        }
    }

    if (has(HitInfo, THitPosition::hiOnItemButton) && node && node->States.contains(TLazyNodeState::vsHasChildren)) {
        ToggleNode(node);
        return;
    }

    if (has(HitInfo, THitPosition::hiOnItemCheckbox) && node) {
        if (Message.Button == TMouseButton::mbLeft)
            PressCheckBox(node);
        return;
    }

    const bool wasSelected = Selected(node);
    TShiftState keys = shiftState;
    if (altPressed)
        keys.include(TShiftStateItem::ssAlt);
    const bool popupAvailable = Message.Button == TMouseButton::mbRight && onNode &&
                                QueryPopupMenu(node, HitInfo.HitColumn, Message.Pos) != nullptr;
    HandleMouseSelection(HitInfo, keys, Message.Button, dragPossible, popupAvailable);
    StartDrawSelection(Message.Pos, HitInfo, keys);

    const bool gridHit = toOption(TLTMiscOption::toGridExtensions) && has(HitInfo, THitPosition::hiOnItem);
    if (hasFocus() && (labelHit || gridHit) && wasSelected && !columnChange && shiftState.empty() && !altPressed)
        ChangeTreeStates(TLazyTreeState::tsEditPending, {});

    const bool buttonDown = TreeStates().contains(TLazyTreeState::tsLeftButtonDown) ||
                            TreeStates().contains(TLazyTreeState::tsMiddleButtonDown) ||
                            TreeStates().contains(TLazyTreeState::tsRightButtonDown);
    if (dragPossible && (labelHit || fullRowHit) && buttonDown) {
        FMouse->LastClickPos = Message.Pos;
        BeginDrag(false);
    }
}

// A check box pressed: the checking query now, the change at release.
void TLazyStringTreeWidget::PressCheckBox(PLazyNode Node)
{
    if (TreeStates().contains(TLazyTreeState::tsKeyCheckPending) || TreeStates().contains(TLazyTreeState::tsMouseCheckPending) ||
        GetDisabled(Node))
        return;
    TCheckState next = NextCheckState(Node->CheckType, Node->CheckState);
    if (!QueryChecking(Node, next))
        return;
    ChangeTreeStates(TLazyTreeState::tsMouseCheckPending, {});
    setPendingCheck(Node, next);
    Node->CheckState = PressedState(Node->CheckState);
    InvalidateNode(Node);
}

void TLazyStringTreeWidget::HandleMouseUp(const TTreeMouseMessage &Message, const THitInfo &HitInfo)
{
    if (TreeStates().contains(TLazyTreeState::tsVCLDragPending))
        return;
    EndDrawSelection();
    CompleteMouseSelection(HitInfo.HitNode);
    ChangeTreeStates({}, {TLazyTreeState::tsOLEDragging, TLazyTreeState::tsOLEDragPending});
    StopAutoScroll();

    if (TreeStates().contains(TLazyTreeState::tsMouseCheckPending)) {
        ChangeTreeStates({}, TLazyTreeState::tsMouseCheckPending);
        if (PLazyNode node = CheckNode()) {
            if (HitInfo.HitNode == node && has(HitInfo, THitPosition::hiOnItem))
                ApplyCheckState(node, PendingCheckState());
            else
                node->CheckState = ReleasedState(node->CheckState);
            InvalidateNode(node);
        }
        forgetPendingCheck();
    }

    if (FMouse->ClickColumn > NoColumn && FMouse->ClickColumn == HitInfo.HitColumn)
        NotifyColumnClick(HitInfo.HitColumn, Message.Shift);
    if (HitInfo.HitNode)
        NotifyNodeClick(HitInfo);

    if (TreeStates().contains(TLazyTreeState::tsEditPending)) {
        bool allowed = HitInfo.HitNode == FocusedNode() && FocusedNode() && has(HitInfo, THitPosition::hiOnItem) &&
                       HitInfo.HitColumn == FocusedColumn() && toOption(TLTMiscOption::toEditOnClick);
        if (allowed)
            QueryCanEdit(FocusedNode(), FocusedColumn(), allowed);
        if (allowed) {
            FMouse->EditColumn = FocusedColumn();
            SetTreeTimer(EditTimer, EditDelay());
        } else {
            ChangeTreeStates({}, TLazyTreeState::tsEditPending);
        }
    }
}

void TLazyStringTreeWidget::HandleMouseDblClick(const TTreeMouseMessage &Message, const THitInfo &HitInfo)
{
    const bool canEditByDblClick =
        !TreeStates().contains(TLazyTreeState::tsEditing) && toOption(TLTMiscOption::toEditOnDblClick);
    if (TreeStates().contains(TLazyTreeState::tsEditPending)) {
        KillTreeTimer(EditTimer);
        ChangeTreeStates({}, TLazyTreeState::tsEditPending);
    }
    if (TreeStates().contains(TLazyTreeState::tsEditing) && !EndEditNode())
        return;
    if (FMouse->ClickColumn > NoColumn && FMouse->ClickColumn == HitInfo.HitColumn)
        NotifyColumnDblClick(HitInfo.HitColumn, Message.Shift);
    PLazyNode node = HitInfo.HitNode;
    if (node)
        NotifyNodeDblClick(HitInfo);

    bool consumed = false;
    const bool onSplitter =
        has(HitInfo, THitPosition::hiOnItem) &&
        (has(HitInfo, THitPosition::hiUpperSplitter) || has(HitInfo, THitPosition::hiLowerSplitter));
    if (onSplitter && node && IsValidColumn(HitInfo.HitColumn) &&
        FHeader.Columns()[HitInfo.HitColumn].Options().contains(TLTColumnOption::coFixed) &&
        toOption(TLTMiscOption::toNodeHeightDblClickResize)) {
        PLazyNode sized = has(HitInfo, THitPosition::hiUpperSplitter) ? GetPreviousVisible(node) : node;
        if (sized && QueryNodeHeightDblClickResize(sized, HitInfo.HitColumn, Message.Shift, Message.Pos)) {
            SetNodeHeight(sized, DefaultNodeHeight());
            viewport()->update();
            consumed = true;
        }
    }
    if (!consumed && node && has(HitInfo, THitPosition::hiOnItemCheckbox)) {
        if (Message.Button == TMouseButton::mbLeft)
            PressCheckBox(node);
        consumed = true;
    }
    if (!consumed && node && node->States.contains(TLazyNodeState::vsHasChildren)) {
        const bool onContent = has(HitInfo, THitPosition::hiOnItemLabel) ||
                               has(HitInfo, THitPosition::hiOnNormalIcon) ||
                               has(HitInfo, THitPosition::hiOnStateIcon) ||
                               (toOption(TLTSelectionOption::toFullRowSelect) && has(HitInfo, THitPosition::hiOnItem));
        const bool onToggle = has(HitInfo, THitPosition::hiOnItemButton) ||
                              (toOption(TLTMiscOption::toToggleOnDblClick) && onContent);
        if (onToggle) {
            ToggleNode(node);
            consumed = true;
        }
    }
    if (!consumed && canEditByDblClick && node && node == FocusedNode() && HitInfo.HitColumn == FocusedColumn()) {
        bool allowed = true;
        QueryCanEdit(node, FocusedColumn(), allowed);
        if (allowed) {
            ChangeTreeStates(TLazyTreeState::tsEditPending, {});
            FMouse->EditColumn = FocusedColumn();
            SetTreeTimer(EditTimer, 0);
        }
    }
}

void TLazyStringTreeWidget::HandleMouseMove(const TTreeMouseMessage &Message)
{
    const QPoint p = Message.Pos;
    FMouse->LastMousePos = p;
    if (TreeStates().contains(TLazyTreeState::tsNodeHeightTrackPending)) {
        CancelTreeHint();
        StopWheelPanning();
        StopAutoScroll();
        if (FMouse->ExpandTimer)
            FMouse->ExpandTimer->stop();
        KillTreeTimer(EditTimer);
        KillTreeTimer(HeaderTimer);
        KillTreeTimer(SearchTimer);
        setSearchBuffer({});
        ChangeTreeStates(TLazyTreeState::tsNodeHeightTracking,
                         {TLazyTreeState::tsEditPending, TLazyTreeState::tsNodeHeightTrackPending,
                          TLazyTreeState::tsIncrementalSearching, TLazyTreeState::tsOLEDragPending,
                          TLazyTreeState::tsScrolling, TLazyTreeState::tsScrollPending,
                          TLazyTreeState::tsVCLDragPending});
    }
    if (TreeStates().contains(TLazyTreeState::tsDrawSelPending)) {
        if (UpdateSelectionRect(p)) {
            viewport()->update();
            const QRect r = FMouse->NewSelRect.normalized();
            const int threshold = QApplication::startDragDistance();
            if (std::abs(r.width()) > threshold || std::abs(r.height()) > threshold) {
                if (TreeStates().contains(TLazyTreeState::tsClearPending)) {
                    ChangeTreeStates({}, TLazyTreeState::tsClearPending);
                    ClearSelection();
                }
                ChangeTreeStates(TLazyTreeState::tsDrawSelecting, TLazyTreeState::tsDrawSelPending);
                if (ColumnsUsed())
                    storeFocusedColumn(MainColumn());
                HandleDrawSelection(FMouse->LastSelRect, FMouse->NewSelRect);
            }
        }
    } else if (TreeStates().contains(TLazyTreeState::tsNodeHeightTracking)) {
        QPoint trackPoint = FMouse->HeightTrackPoint;
        if (HeightTrackNode() &&
            QueryNodeHeightTracking(HeightTrackNode(), FMouse->HeightTrackColumn, Message.Shift, trackPoint, p)) {
            FMouse->HeightTrackPoint = trackPoint;
            SetNodeHeight(HeightTrackNode(), unsigned(std::max(1, p.y() - trackPoint.y())));
            UpdateScrollBars(true);
        }
    } else {
        if (IsWheelPanning()) {
            const int threshold = QApplication::startDragDistance();
            if (std::abs(FMouse->LastClickPos.x() - p.x()) >= threshold ||
                std::abs(FMouse->LastClickPos.y() - p.y()) >= threshold)
                ChangeTreeStates({}, TLazyTreeState::tsWheelScrolling);
        }
        if (TreeStates().contains(TLazyTreeState::tsOLEDragPending)) {
            if (std::abs(FMouse->LastClickPos.x() - p.x()) >= FMouse->DragThreshold ||
                std::abs(FMouse->LastClickPos.y() - p.y()) >= FMouse->DragThreshold) {
                DoDragging(FMouse->LastClickPos);
                return;
            }
        }
        if (CanAutoScroll())
            UpdateAutoScroll(p);
        if (IsWheelPanning())
            UpdatePanningCursor(p);
        if (!TreeStates().contains(TLazyTreeState::tsDrawSelecting)) {
            HandleHotTrack(p.x(), p.y());
            if (!IsWheelPanning())
                UpdateMouseCursor(p);
        } else if (!TreeStates().contains(TLazyTreeState::tsScrolling)) {
            const QRect old = FMouse->NewSelRect;
            if (UpdateSelectionRect(p)) {
                HandleDrawSelection(old, FMouse->NewSelRect);
                viewport()->update();
            }
        }
    }
}

void TLazyStringTreeWidget::UpdateMouseCursor(QPoint P)
{
    QCursor cursor = QCursor(Qt::ArrowCursor);
    bool custom = false;
    if (toOption(TLTMiscOption::toNodeHeightResize)) {
        const THitInfo hit = HitInfoAt(P);
        if (hit.HitNode && has(hit, THitPosition::hiOnItem) &&
            (has(hit, THitPosition::hiUpperSplitter) || has(hit, THitPosition::hiLowerSplitter)) &&
            IsValidColumn(hit.HitColumn) &&
            FHeader.Columns()[hit.HitColumn].Options().contains(TLTColumnOption::coFixed)) {
            cursor = VertSplitCursor();
            custom = true;
        }
    }
    // The tree's cursor numbers are Qt's cursor shapes; 0, the arrow, is the default.
    TCursor shape = 0;
    if (!custom && toOption(TLTPaintOption::toHotTrack) && HotNode() && HotCursor() != 0) {
        shape = HotCursor();
        cursor = QCursor(Qt::CursorShape(shape));
    }
    const TCursor asked = shape;
    QueryCursor(shape);
    if (shape != asked && shape >= 0 && shape <= Qt::LastCursor)
        cursor = QCursor(Qt::CursorShape(shape));
    if (viewport()->cursor().shape() != cursor.shape() || cursor.shape() == Qt::BitmapCursor)
        viewport()->setCursor(cursor);
}

// Steps are the delta in notches, halves included; each offset change is
// truncated toward zero.
void TLazyStringTreeWidget::MouseWheel(int Delta, bool Horizontal, Qt::KeyboardModifiers Modifiers)
{
    StopWheelPanning();
    const double steps = Delta / 120.0;
    const int lines = QApplication::wheelScrollLines();
    const bool ctrl = Modifiers & Qt::ControlModifier;
    const bool shift = (Modifiers & Qt::ShiftModifier) || Horizontal;
    if (CanScrollVertically() && !shift) {
        const double perStep = ctrl ? ClientHeight() : double(lines) * DefaultNodeHeight();
        SetOffsetY(OffsetY() + int(std::trunc(perStep * steps)));
        return;
    }
    double perStep = 0;
    if (ctrl) {
        perStep = ClientWidth() - (ColumnsUsed() ? FHeader.Columns().GetVisibleFixedWidth() : 0);
    } else {
        // A scroll line sideways: the scrolling columns' average width.
        perStep = double(FHeader.Columns().GetScrollWidth(int(Indent()))) * lines;
    }
    const int amount = int(std::trunc(perStep * steps));
    SetOffsetX(OffsetX() + (readsRightToLeft(MainColumn()) ? -amount : amount));
}

} // namespace vtree
