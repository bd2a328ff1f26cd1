// Drag and drop on Qt's: the tree starts drags of its selected nodes and
// takes drops of any data on, above or below a node. Qt's drag loop is
// modal, so at most one tree drags at a time; a drop names its source tree
// by a reference that is compared with that tree, never followed.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/TreeMouse.h"

#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/TreeDataTransfer.h"
#include "platform/ScopeGuard.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

namespace vtree {

namespace {

TLazyStringTreeWidget *draggingTree = nullptr;

int effectsOf(Qt::DropActions Actions)
{
    int effects = DROPEFFECT_NONE;
    if (Actions & Qt::CopyAction)
        effects |= DROPEFFECT_COPY;
    if (Actions & Qt::MoveAction)
        effects |= DROPEFFECT_MOVE;
    if (Actions & Qt::LinkAction)
        effects |= DROPEFFECT_LINK;
    return effects;
}

Qt::DropActions actionsOf(int Effects)
{
    Qt::DropActions actions;
    if (Effects & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (Effects & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    if (Effects & DROPEFFECT_LINK)
        actions |= Qt::LinkAction;
    return actions;
}

Qt::DropAction actionOf(int Effect)
{
    if (Effect & DROPEFFECT_MOVE)
        return Qt::MoveAction;
    if (Effect & DROPEFFECT_COPY)
        return Qt::CopyAction;
    if (Effect & DROPEFFECT_LINK)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

bool has(const THitInfo &HitInfo, THitPosition Position) { return HitInfo.HitPositions.contains(Position); }

} // namespace

QTimer &TLazyStringTreeWidget::expandTimer()
{
    if (!FMouse->ExpandTimer) {
        FMouse->ExpandTimer = std::make_unique<QTimer>();
        FMouse->ExpandTimer->setSingleShot(true);
        QObject::connect(FMouse->ExpandTimer.get(), &QTimer::timeout, viewport(), [this] { AutoExpandTimerFired(); });
    }
    return *FMouse->ExpandTimer;
}

bool TLazyStringTreeWidget::Dragging() const
{
    return TreeStates().contains(TLazyTreeState::tsOLEDragPending) || TreeStates().contains(TLazyTreeState::tsOLEDragging) ||
           TreeStates().contains(TLazyTreeState::tsVCLDragging);
}

// Qt has one kind of drag: both drag types run it.
void TLazyStringTreeWidget::BeginDrag(bool Immediate, int Threshold)
{
    if (TreeStates().contains(TLazyTreeState::tsOLEDragPending) || TreeStates().contains(TLazyTreeState::tsOLEDragging))
        return;
    FMouse->DragThreshold = Threshold < 0 ? QApplication::startDragDistance() : Threshold;
    if (Immediate)
        DoDragging(FMouse->LastClickPos);
    else
        ChangeTreeStates(TLazyTreeState::tsOLEDragPending, {});
}

Qt::DropAction TLazyStringTreeWidget::ExecDrag(QDrag &Drag, Qt::DropActions Allowed, Qt::DropAction Default)
{
    return Drag.exec(Allowed, Default);
}

void TLazyStringTreeWidget::DoDragging(QPoint P)
{
    if (TreeStates().contains(TLazyTreeState::tsEditing))
        CancelEditNode();
    if (HotNode()) {
        InvalidateNode(HotNode());
        storeHotNode(nullptr);
    }
    if (FocusedNode() && !Selected(FocusedNode())) {
        AddToSelection(FocusedNode());
        InvalidateNode(FocusedNode());
    }
    FMouse->DragSelection = GetSortedSelection(true);
    ChangeTreeStates(TLazyTreeState::tsOLEDragging, {TLazyTreeState::tsClearPending, TLazyTreeState::tsOLEDragPending});
    TLazyStringTreeWidget *previous = draggingTree;
    platform::Finally end([this, previous] {
        draggingTree = previous;
        FMouse->DragImage.EndDrag();
        if (FMouse->LastDragEffect == DROPEFFECT_MOVE && toOption(TLTAutoOption::toAutoDeleteMovedNodes))
            DeleteSelectedNodes();
        FMouse->DragSelection.clear();
        // Qt's loop took the release: the buttons are up now.
        ChangeTreeStates({}, {TLazyTreeState::tsOLEDragging, TLazyTreeState::tsLeftButtonDown,
                              TLazyTreeState::tsMiddleButtonDown, TLazyTreeState::tsRightButtonDown});
    });

    auto *drag = new QDrag(this);
    drag->setMimeData(DragDataObject());
    PrepareDragImage(P);
    if (!FMouse->DragImage.DragPixmapImage().isNull()) {
        drag->setPixmap(FMouse->DragImage.DragPixmap());
        drag->setHotSpot(FMouse->DragImage.HotSpot());
    }
    FMouse->LastDropMode = TDropMode::dmOnNode;
    FMouse->LastDragEffect = DROPEFFECT_NONE;
    int allowed = 0;
    if (DragOperations().contains(TDragOperation::doCopy))
        allowed |= DROPEFFECT_COPY;
    if (DragOperations().contains(TDragOperation::doMove))
        allowed |= DROPEFFECT_MOVE;
    if (DragOperations().contains(TDragOperation::doLink))
        allowed |= DROPEFFECT_LINK;
    if (allowed == 0)
        allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    draggingTree = this;
    const Qt::DropAction result = ExecDrag(*drag, actionsOf(allowed), actionOf(allowed));
    drag->deleteLater();
    FMouse->LastDragEffect = effectsOf(result);
}

QMimeData *TLazyStringTreeWidget::DragDataObject()
{
    const TNodeArray nodes = FMouse->DragSelection.empty() ? GetSortedSelection(true) : FMouse->DragSelection;
    auto *data = new QMimeData;
    data->setData(treeDataMimeType(), treeDataBlock(RenderTreeRecords(nodes)));
    data->setData(treeReferenceMimeType(), treeReferenceOf(*this));
    return data;
}

void TLazyStringTreeWidget::PrepareDragImage(QPoint HotSpot)
{
    if (DragImageKind() == TLTDragImageKind::diNoImage || DragWidth() <= 0 || DragHeight() <= 0)
        return;
    const QPoint hot(HotSpot.x() + EffectiveOffsetX(), HotSpot.y() - OffsetY());
    QRect r(hot.x() - DragWidth() / 2, hot.y() - DragHeight() / 2, DragWidth(), DragHeight());
    QRect window = r;
    QPoint target(0, 0);
    if (window.left() < 0) {
        target.rx() = -window.left();
        window.setLeft(0);
    }
    if (window.top() < 0) {
        target.ry() = -window.top();
        window.setTop(0);
    }
    QImage bitmap(r.size(), QImage::Format_ARGB32_Premultiplied);
    {
        platform::TCanvas canvas(&bitmap);
        canvas.FillColor({0, 0, r.width(), r.height()}, BackGroundColor());
        TLTInternalPaintOptions options{TLTInternalPaintOption::poDrawSelection,
                                        TLTInternalPaintOption::poSelectedOnly};
        if (DragImageKind() == TLTDragImageKind::diMainColumnOnly)
            options.include(TLTInternalPaintOption::poMainOnly);
        PaintTree(canvas, window, target, options);
    }
    r.translate(-EffectiveOffsetX(), OffsetY());
    FMouse->DragImage.SetColorKey(BackGroundColor());
    FMouse->DragImage.PrepareDrag(bitmap, viewport()->mapToGlobal(r.topLeft()), viewport()->mapToGlobal(HotSpot));
}

// ---- The tree as drop target ---------------------------------------------------

void TLazyStringTreeWidget::ReadDropSource(const QMimeData *Data, QObject *EventSource)
{
    FMouse->DropData = Data;
    FMouse->DropSourceTree = Data ? referencedTree(Data->data(treeReferenceMimeType()), draggingTree) : nullptr;
    FMouse->DropSource = FMouse->DropSourceTree ? static_cast<QObject *>(draggingTree) : EventSource;
}

TShiftState TLazyStringTreeWidget::DragShiftState(Qt::KeyboardModifiers Modifiers) const
{
    TShiftState shift = shiftOf(Modifiers, Qt::NoButton);
    if (TreeStates().contains(TLazyTreeState::tsLeftButtonDown))
        shift.include(TShiftStateItem::ssLeft);
    if (TreeStates().contains(TLazyTreeState::tsMiddleButtonDown))
        shift.include(TShiftStateItem::ssMiddle);
    if (TreeStates().contains(TLazyTreeState::tsRightButtonDown))
        shift.include(TShiftStateItem::ssRight);
    return shift;
}

int TLazyStringTreeWidget::SuggestDropEffect(QObject *Source, TShiftState Shift, int AllowedEffects) const
{
    int result = AllowedEffects;
    if (Source == this && (AllowedEffects & DROPEFFECT_MOVE))
        result = DROPEFFECT_MOVE;
    else if (AllowedEffects & DROPEFFECT_COPY)
        result = DROPEFFECT_COPY;
    const bool ctrl = Shift.contains(TShiftStateItem::ssCtrl);
    const bool shift = Shift.contains(TShiftStateItem::ssShift);
    const bool alt = Shift.contains(TShiftStateItem::ssAlt);
    int wanted = DROPEFFECT_NONE;
    if (ctrl && shift)
        wanted = DROPEFFECT_LINK;
    else if (ctrl && !alt)
        wanted = DROPEFFECT_COPY;
    else if (shift && !alt)
        wanted = DROPEFFECT_MOVE;
    else if (alt && !ctrl && !shift)
        wanted = DROPEFFECT_LINK;
    return wanted != DROPEFFECT_NONE && (AllowedEffects & wanted) ? wanted : result;
}

TDropMode TLazyStringTreeWidget::ComputeDropMode(QPoint P, const THitInfo &HitInfo, const QRect &NodeRect) const
{
    PLazyNode node = HitInfo.HitNode;
    const bool onImage = has(HitInfo, THitPosition::hiOnItemLabel) || has(HitInfo, THitPosition::hiOnNormalIcon) ||
                         has(HitInfo, THitPosition::hiOnStateIcon);
    if (node && toOption(TLTMiscOption::toReportMode)) {
        const bool fullRow = has(HitInfo, THitPosition::hiOnItem) &&
                             (toOption(TLTMiscOption::toFullRowDrag) || toOption(TLTSelectionOption::toFullRowSelect));
        if (!fullRow && (!onImage || HitInfo.HitColumn != MainColumn()))
            node = nullptr;
    }
    if (!node || has(HitInfo, THitPosition::hiNowhere))
        return TDropMode::dmNowhere;
    if (onImage || !toOption(TLTPaintOption::toShowDropmark))
        return TDropMode::dmOnNode;
    return (NodeRect.top() + NodeRect.top() + NodeRect.height()) / 2 > P.y() ? TDropMode::dmAbove : TDropMode::dmBelow;
}

int TLazyStringTreeWidget::DragOverStep(QObject *Source, Qt::KeyboardModifiers Modifiers, QPoint P, TDragState State,
                                        int Allowed)
{
    bool scrolled = false;
    if (State == TDragState::dsDragMove) {
        // Near an edge the view moves one step per drag-over.
        FMouse->ScrollDirections = DetermineScrollDirections(P, true);
        int dx = 0;
        int dy = 0;
        const int incY = std::min(int(ScrollBarOptions().VerticalIncrement()), ClientHeight());
        const int incX = int(ScrollBarOptions().HorizontalIncrement());
        if (FMouse->ScrollDirections.contains(TScrollDirection::sdUp))
            dy = incY;
        else if (FMouse->ScrollDirections.contains(TScrollDirection::sdDown))
            dy = -incY;
        if (FMouse->ScrollDirections.contains(TScrollDirection::sdLeft))
            dx = incX;
        else if (FMouse->ScrollDirections.contains(TScrollDirection::sdRight))
            dx = -incX;
        if (dx != 0 || dy != 0)
            scrolled = ApplyOffsetXY({OffsetX() + dx, OffsetY() + dy}, DefaultScrollUpdateFlags);
    }

    const THitInfo hit = HitInfoAt(P);
    PLazyNode node = has(hit, THitPosition::hiNowhere) ? nullptr : hit.HitNode;
    QRect nodeRect;
    if (node) {
        const platform::TRect r = GetDisplayRect(node, NoColumn, false);
        nodeRect = QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
    }
    const TDropMode mode = ComputeDropMode(P, hit, nodeRect);
    if (mode == TDropMode::dmNowhere)
        node = nullptr;
    if (node != DropTargetNode() || mode != FMouse->LastDropMode) {
        FMouse->LastDropMode = mode;
        if (node == DropTargetNode()) {
            InvalidateNode(node);
        } else {
            if (FMouse->ExpandTimer)
                FMouse->ExpandTimer->stop();
            PLazyNode old = DropTargetNode();
            SetDropTargetNode(node);
            if (FocusedColumn() < 0 && ColumnsUsed())
                storeFocusedColumn(MainColumn());
            if (old)
                InvalidateNode(old);
            if (node)
                InvalidateNode(node);
            if (node && toOption(TLTAutoOption::toAutoDropExpand) &&
                node->States.contains(TLazyNodeState::vsHasChildren))
                expandTimer().start(int(AutoExpandDelay()));
        }
    }

    const TShiftState shift = DragShiftState(Modifiers);
    int effect = SuggestDropEffect(Source, shift, Allowed);
    if (!QueryDragOver(Source, shift, State, P, mode, effect))
        effect = DROPEFFECT_NONE;
    if (scrolled)
        effect |= DROPEFFECT_SCROLL;
    return effect;
}

void TLazyStringTreeWidget::AutoExpandTimerFired()
{
    if (FMouse->ExpandTimer)
        FMouse->ExpandTimer->stop();
    PLazyNode node = DropTargetNode();
    if (node && node->States.contains(TLazyNodeState::vsHasChildren) &&
        !node->States.contains(TLazyNodeState::vsExpanded))
        ToggleNode(node);
    viewport()->update();
}

void TLazyStringTreeWidget::DragLeaveStep()
{
    if (FMouse->ExpandTimer)
        FMouse->ExpandTimer->stop();
    StopAutoScroll();
    if (DropTargetNode())
        InvalidateNode(DropTargetNode());
    SetDropTargetNode(nullptr);
    int effect = DROPEFFECT_NONE;
    QueryDragOver(nullptr, {}, TDragState::dsDragLeave, {0, 0}, FMouse->LastDropMode, effect);
    FMouse->IsDropTarget = false;
    FMouse->DropData = nullptr;
    FMouse->DropSource = nullptr;
    FMouse->DropSourceTree = nullptr;
}

void TLazyStringTreeWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (!toOption(TLTMiscOption::toAcceptOLEDrop)) {
        event->ignore();
        return;
    }
    FMouse->IsDropTarget = true;
    FMouse->DragScrollStart.invalidate();
    ReadDropSource(event->mimeData(), event->source());
    const int effect = DragOverStep(FMouse->DropSource, event->modifiers(), event->position().toPoint(),
                                    TDragState::dsDragEnter, effectsOf(event->possibleActions()));
    // Taken even when refused here: the drag may become welcome further on.
    event->setDropAction(actionOf(effect));
    event->accept();
}

void TLazyStringTreeWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (!FMouse->IsDropTarget) {
        event->ignore();
        return;
    }
    const int effect = DragOverStep(FMouse->DropSource, event->modifiers(), event->position().toPoint(),
                                    TDragState::dsDragMove, effectsOf(event->possibleActions()));
    event->setDropAction(actionOf(effect));
    if (effect & ~DROPEFFECT_SCROLL)
        event->accept();
    else
        event->ignore();
}

void TLazyStringTreeWidget::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
    if (FMouse->IsDropTarget)
        DragLeaveStep();
}

void TLazyStringTreeWidget::dropEvent(QDropEvent *event)
{
    if (!FMouse->IsDropTarget) {
        event->ignore();
        return;
    }
    platform::Finally leave([this] {
        if (DropTargetNode())
            InvalidateNode(DropTargetNode());
        SetDropTargetNode(nullptr);
        FMouse->IsDropTarget = false;
        FMouse->DropData = nullptr;
        FMouse->DropSource = nullptr;
        FMouse->DropSourceTree = nullptr;
    });
    if (FMouse->ExpandTimer)
        FMouse->ExpandTimer->stop();
    StopAutoScroll();
    const QPoint p = event->position().toPoint();
    int effect = DragOverStep(FMouse->DropSource, event->modifiers(), p, TDragState::dsDragMove,
                              effectsOf(event->possibleActions())) & ~DROPEFFECT_SCROLL;
    if (effect != DROPEFFECT_NONE) {
        TShiftState shift = DragShiftState(event->modifiers());
        for (auto button : {TShiftStateItem::ssLeft, TShiftStateItem::ssMiddle, TShiftStateItem::ssRight})
            shift.exclude(button);
        if (TreeStates().contains(TLazyTreeState::tsRightButtonDown))
            shift.include(TShiftStateItem::ssRight);
        else if (TreeStates().contains(TLazyTreeState::tsMiddleButtonDown))
            shift.include(TShiftStateItem::ssMiddle);
        else
            shift.include(TShiftStateItem::ssLeft);
        TMimeDataObject data(event->mimeData());
        NotifyDragDrop(FMouse->DropSource, &data, event->mimeData()->formats(), shift, p, effect, FMouse->LastDropMode);
    }
    event->setDropAction(actionOf(effect));
    if (effect == DROPEFFECT_NONE)
        event->ignore();
    else
        event->accept();
}

// ---- Inserting dropped nodes -----------------------------------------------------

bool TLazyStringTreeWidget::ProcessDrop(IDataObject *DataObject, PLazyNode TargetNode, int &Effect,
                                        TLTNodeAttachMode Mode)
{
    auto *data = dynamic_cast<TMimeDataObject *>(DataObject);
    if (!data) {
        Effect = DROPEFFECT_NONE;
        return false;
    }
    return ProcessDrop(data->Data, TargetNode, Effect, Mode);
}

bool TLazyStringTreeWidget::ProcessDrop(const QMimeData *DataObject, PLazyNode TargetNode, int &Effect,
                                        TLTNodeAttachMode Mode)
{
    if (Mode == TLTNodeAttachMode::amNoWhere || !DataObject) {
        Effect = DROPEFFECT_NONE;
        return false;
    }
    TBaseLazyTree *source = referencedTree(DataObject->data(treeReferenceMimeType()), draggingTree);
    BeginUpdate();
    if (source && source != this)
        source->BeginUpdate();
    platform::Finally end([this, source] {
        if (source && source != this)
            source->EndUpdate();
        EndUpdate();
    });
    try {
        if ((Effect & DROPEFFECT_MOVE) && source) {
            const bool result = ProcessOLEData(source, DataObject, TargetNode, Mode, !(Effect & DROPEFFECT_COPY));
            // Moved here already: nothing is left for the source to delete.
            Effect = DROPEFFECT_NONE;
            return result;
        }
        if (Effect & (DROPEFFECT_COPY | DROPEFFECT_MOVE))
            return ProcessOLEData(source, DataObject, TargetNode, Mode, false);
        return false;
    } catch (const std::exception &) {
        Effect = DROPEFFECT_NONE;
        return false;
    }
}

} // namespace vtree
