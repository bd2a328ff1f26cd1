// The header's mouse: hot tracking, pressing and clicking columns, resizing
// a column on its splitter or the header on its lower edge, dragging a
// column to a new position, double-click fitting, the right-click menus and
// Escape cancelling whatever runs. Points named P are client points (the
// header spans y -Height .. 0); events get header-relative points.
#include "controls/vtree/widget/HeaderInteraction.h"
#include "controls/vtree/widget/HeaderPainting.h"
#include "controls/vtree/widget/HeaderPopupMenu.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/SharedImages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <cmath>
#include <cstdlib>

namespace vtree {

namespace {

constexpr THeaderStates trackingStates{THeaderState::hsColumnWidthTracking, THeaderState::hsColumnWidthTrackPending,
                                       THeaderState::hsHeightTracking, THeaderState::hsHeightTrackPending,
                                       THeaderState::hsDragging, THeaderState::hsDragPending};
// Screen cursors 62 and 63 of the header's splitters.
constexpr TCursor crHeaderHeightSplit = 62;
constexpr TCursor crHeaderColumnSplit = 63;

// A column's picture that follows the mouse, half see-through, during a drag.
class THeaderDragImage : public QLabel {
public:
    // A window of its own, owned by the strip so that it goes with the tree.
    THeaderDragImage(QWidget *Owner, const QImage &Picture)
        : QLabel(Owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setPixmap(QPixmap::fromImage(Picture));
        resize(Picture.size());
        setWindowOpacity(140 / 255.0);
    }
};

TMouseButton mouseButtonOf(Qt::MouseButton Button)
{
    switch (Button) {
    case Qt::RightButton:
        return TMouseButton::mbRight;
    case Qt::MiddleButton:
        return TMouseButton::mbMiddle;
    default:
        return TMouseButton::mbLeft;
    }
}

} // namespace

void TTreePartDeleter::operator()(THeaderInteraction *Part) const { delete Part; }

TTreePart<THeaderInteraction> TLazyStringTreeWidget::newHeaderInteraction()
{
    return TTreePart<THeaderInteraction>(new THeaderInteraction);
}

platform::TImageList *TLazyStringTreeWidget::HeaderImages() const { return FHeaderInteraction->Images; }
QMenu *TLazyStringTreeWidget::HeaderPopupMenu() const { return FHeaderInteraction->PopupMenu; }
void TLazyStringTreeWidget::SetHeaderPopupMenu(QMenu *Value) { FHeaderInteraction->PopupMenu = Value; }
QMenu *TLazyStringTreeWidget::AutoColumnPopupMenu() const { return FHeaderInteraction->AutoMenu; }
QWidget *TLazyStringTreeWidget::HeaderDragImage() const { return FHeaderInteraction->DragImage; }
TColumnIndex TLazyStringTreeWidget::HeaderDragIndex() const { return FHeaderInteraction->DragIndex; }
TColumnIndex TLazyStringTreeWidget::HeaderDropTarget() const { return FHeaderInteraction->DropTarget; }
bool TLazyStringTreeWidget::HeaderDropBefore() const { return FHeaderInteraction->DropBefore; }

TShiftState TLazyStringTreeWidget::headerShiftState(Qt::KeyboardModifiers Modifiers) const
{
    TShiftState shift;
    if (Modifiers & Qt::ShiftModifier)
        shift += TShiftStateItem::ssShift;
    if (Modifiers & Qt::ControlModifier)
        shift += TShiftStateItem::ssCtrl;
    if (Modifiers & Qt::AltModifier)
        shift += TShiftStateItem::ssAlt;
    return shift;
}

TColumnIndex TLazyStringTreeWidget::HeaderColumnAt(QPoint P) const
{
    if (P.x() < 0 || P.y() < 0 || P.y() > FHeader.Height() + ClientHeight())
        return InvalidColumn;
    // Left of the fixed width the fixed columns stand unscrolled.
    const int fixedWidth = FHeader.Columns().GetVisibleFixedWidth();
    const int x = P.x() < fixedWidth ? P.x() : P.x() + EffectiveOffsetX();
    int left = 0;
    int right = 0;
    return ColumnAndEdgesAt(x, left, right);
}

bool TLazyStringTreeWidget::FindSplitterColumn(QPoint P)
{
    TLazyTreeColumns &columns = FHeader.Columns();
    if (columns.Count() == 0)
        return false;
    columns.FTrackIndex = NoColumn;
    const int tolerance = FHeader.SplitterHitTolerance();
    const int beyond = int(std::lround(0.6 * tolerance));
    const int fixedWidth = columns.GetVisibleFixedWidth();
    int edge = RangeX() - EffectiveOffsetX();
    const std::vector<TColumnIndex> &order = columns.PositionToIndex();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const TLazyTreeColumn &column = columns[*it];
        if (!column.Options().contains(TLTColumnOption::coVisible))
            continue;
        const bool fixed = column.Options().contains(TLTColumnOption::coFixed);
        const int right = fixed ? column.Left() + column.Width() : edge;
        edge -= column.Width();
        if (!fixed && P.x() < fixedWidth)
            continue;
        if (!(right - (tolerance - beyond) < P.x() && P.x() < right + beyond))
            continue;
        bool allowed = column.Options().containsAll({TLTColumnOption::coResizable, TLTColumnOption::coVisible});
        if (OnCanSplitterResizeColumn)
            OnCanSplitterResizeColumn(&FHeader, P, *it, allowed);
        if (!allowed)
            continue;
        columns.FTrackIndex = *it;
        FHeaderInteraction->TrackPoint = QPoint(right - column.Width(), P.y());
        return true;
    }
    return false;
}

bool TLazyStringTreeWidget::InHeaderSplitterArea(QPoint P) const
{
    return FHeader.Options().contains(TLTHeaderOption::hoVisible) && P.y() >= -2 && P.y() <= 2 && P.x() >= 0 &&
           P.x() < viewport()->width();
}

bool TLazyStringTreeWidget::CanResizeHeaderHeight(QPoint P)
{
    bool allowed = FHeader.Options().contains(TLTHeaderOption::hoHeightResize);
    if (OnCanSplitterResizeHeader)
        OnCanSplitterResizeHeader(&FHeader, P, allowed);
    return allowed;
}

bool TLazyStringTreeWidget::trackHoverColumn(QPoint P)
{
    TLazyTreeColumns &columns = FHeader.Columns();
    TColumnIndex column = HeaderColumnAt(P);
    if (column < 0)
        column = NoColumn;
    if (column == columns.FHoverIndex)
        return false;
    columns.FHoverIndex = column;
    invalidateHeader();
    return true;
}

TColumnIndex TLazyStringTreeWidget::trackPressedColumn(QPoint Header)
{
    TLazyTreeColumns &columns = FHeader.Columns();
    const TColumnIndex column = HeaderColumnAt(Header);
    if (columns.IsValidColumn(column) && column != columns.FDownIndex &&
        columns[column].Options().containsAll({TLTColumnOption::coAllowClick, TLTColumnOption::coEnabled})) {
        columns.FDownIndex = column;
        const auto &glyphs = FHeaderInteraction->GlyphRects;
        const int fixedWidth = columns.GetVisibleFixedWidth();
        const QPoint absolute(Header.x() < fixedWidth ? Header.x() : Header.x() + EffectiveOffsetX(), Header.y());
        FHeaderInteraction->CheckBoxHit = columns[column].CheckBox() && std::size_t(column) < glyphs.size() &&
                                         glyphs[std::size_t(column)].contains(absolute);
        invalidateHeader();
    }
    return column;
}

void TLazyStringTreeWidget::updateHeaderCursor(QPoint Client)
{
    if (!FHeaderStrip)
        return;
    if (FHeader.States().containsAny(trackingStates))
        return;
    TCursor cursor = 0;
    if (InHeaderSplitterArea(Client) && CanResizeHeaderHeight(Client))
        cursor = crHeaderHeightSplit;
    else if (FHeader.Options().contains(TLTHeaderOption::hoColumnResize) && FindSplitterColumn(Client))
        cursor = crHeaderColumnSplit;
    if (cursor != 0 && OnGetHeaderCursor)
        OnGetHeaderCursor(&FHeader, cursor);
    if (cursor == crHeaderHeightSplit)
        FHeaderStrip->setCursor(VertSplitCursor());
    else if (cursor == crHeaderColumnSplit)
        FHeaderStrip->setCursor(HeaderSplitCursor());
    else
        FHeaderStrip->unsetCursor();
}

bool TLazyStringTreeWidget::HandleHeaderEvent(QEvent *Event)
{
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
        headerPress(static_cast<const QMouseEvent &>(*Event));
        return true;
    case QEvent::MouseMove:
        headerMove(static_cast<const QMouseEvent &>(*Event));
        return true;
    case QEvent::MouseButtonRelease:
        headerRelease(static_cast<const QMouseEvent &>(*Event));
        return true;
    case QEvent::MouseButtonDblClick:
        headerDoubleClick(static_cast<const QMouseEvent &>(*Event));
        return true;
    case QEvent::Leave:
        if (!FHeader.States().containsAny(trackingStates) && FHeader.Columns().FHoverIndex != NoColumn) {
            FHeader.Columns().FHoverIndex = NoColumn;
            invalidateHeader();
        }
        return false;
    case QEvent::KeyPress:
        return static_cast<const QKeyEvent &>(*Event).key() == Qt::Key_Escape && cancelHeaderStates();
    case QEvent::FocusOut:
        cancelHeaderStates();
        return false;
    default:
        return false;
    }
}

bool TLazyStringTreeWidget::cancelHeaderStates()
{
    const THeaderStates states = FHeader.States();
    if (!states.containsAny(trackingStates))
        return false;
    TLazyTreeColumns &columns = FHeader.Columns();
    if (FHeaderStrip && FHeaderStrip->mouseGrabber() == FHeaderStrip)
        FHeaderStrip->releaseMouse();
    if (states.contains(THeaderState::hsDragging)) {
        if (FHeaderInteraction->DragImage)
            FHeaderInteraction->DragImage->close();
        FHeaderInteraction->DropTarget = NoColumn;
        FHeaderInteraction->DragIndex = NoColumn;
        setHeaderStates(states - trackingStates);
        invalidateHeader();
        return true;
    }
    bool handled = false;
    if (states.contains(THeaderState::hsColumnWidthTracking)) {
        if (OnAfterColumnWidthTracking)
            OnAfterColumnWidthTracking(&FHeader, columns.FTrackIndex);
        handled = true;
    } else if (states.contains(THeaderState::hsHeightTracking)) {
        if (OnAfterHeaderHeightTracking)
            OnAfterHeaderHeightTracking(&FHeader);
        handled = true;
    }
    columns.FTrackIndex = NoColumn;
    columns.FDownIndex = NoColumn;
    setHeaderStates(states - trackingStates);
    invalidateHeader();
    return handled;
}

void TLazyStringTreeWidget::headerPress(const QMouseEvent &Event)
{
    const QPoint local = Event.position().toPoint();
    const QPoint P(local.x(), local.y() - FHeader.Height());
    const TShiftState shift = headerShiftState(Event.modifiers());
    const TMouseButton button = mouseButtonOf(Event.button());
    if (focusPolicy() != Qt::NoFocus && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (button != TMouseButton::mbLeft) {
        if (OnHeaderMouseDown)
            OnHeaderMouseDown(&FHeader, button, shift, local.x(), local.y());
        return;
    }
    TLazyTreeColumns &columns = FHeader.Columns();
    FHeaderInteraction->DragStart = Event.globalPosition().toPoint();
    const bool onHeightSplitter = InHeaderSplitterArea(P) && CanResizeHeaderHeight(P);
    const bool onColumnSplitter =
        !onHeightSplitter && FHeader.Options().contains(TLTHeaderOption::hoColumnResize) && FindSplitterColumn(P);
    if (onHeightSplitter || onColumnSplitter) {
        FHeaderInteraction->TrackStart = P;
        FHeaderInteraction->WidthTracked = false;
        columns.FHoverIndex = NoColumn;
        if (onHeightSplitter) {
            if (OnBeforeHeaderHeightTracking)
                OnBeforeHeaderHeightTracking(&FHeader, shift);
            setHeaderStates(FHeader.States() + THeaderState::hsHeightTrackPending);
        } else {
            if (OnBeforeColumnWidthTracking)
                OnBeforeColumnWidthTracking(&FHeader, columns.FTrackIndex, shift);
            setHeaderStates(FHeader.States() + THeaderState::hsColumnWidthTrackPending);
        }
        return;
    }
    const TColumnIndex column = trackPressedColumn(local);
    if (columns.IsValidColumn(column) && FHeader.Options().contains(TLTHeaderOption::hoDrag) &&
        columns[column].Options().contains(TLTColumnOption::coDraggable))
        setHeaderStates(FHeader.States() + THeaderState::hsDragPending);
    if (OnHeaderMouseDown)
        OnHeaderMouseDown(&FHeader, TMouseButton::mbLeft, shift, local.x(), local.y());
}

void TLazyStringTreeWidget::headerMove(const QMouseEvent &Event)
{
    if (trackHeaderMouseMove(Event))
        return;
    const QPoint local = Event.position().toPoint();
    if (OnHeaderMouseMove)
        OnHeaderMouseMove(&FHeader, headerShiftState(Event.modifiers()), local.x(), local.y());
    trackHoverColumn(local);
    // Moved off the pressed column: it is no longer pressed.
    TLazyTreeColumns &columns = FHeader.Columns();
    if (columns.FDownIndex != NoColumn && columns.FDownIndex != columns.FHoverIndex) {
        columns.FDownIndex = NoColumn;
        columns.FClickIndex = NoColumn;
        FHeaderInteraction->CheckBoxHit = false;
        invalidateHeader();
    }
    updateHeaderCursor(QPoint(local.x(), local.y() - FHeader.Height()));
}

bool TLazyStringTreeWidget::trackHeaderMouseMove(const QMouseEvent &Event)
{
    THeaderStates states = FHeader.States();
    if (!states.containsAny(trackingStates))
        return false;
    TLazyTreeColumns &columns = FHeader.Columns();
    const QPoint local = Event.position().toPoint();
    QPoint P(local.x(), local.y() - FHeader.Height());
    const TShiftState shift = headerShiftState(Event.modifiers());
    if (states.contains(THeaderState::hsColumnWidthTrackPending))
        states = states - THeaderState::hsColumnWidthTrackPending + THeaderState::hsColumnWidthTracking;
    if (states.contains(THeaderState::hsHeightTrackPending))
        states = states - THeaderState::hsHeightTrackPending + THeaderState::hsHeightTracking;
    setHeaderStates(states);
    if (states.contains(THeaderState::hsColumnWidthTracking) && columns.IsValidColumn(columns.FTrackIndex)) {
        bool allowed = true;
        if (OnColumnWidthTracking)
            OnColumnWidthTracking(&FHeader, columns.FTrackIndex, shift, FHeaderInteraction->TrackPoint, P, allowed);
        if (allowed) {
            TLazyTreeColumn &tracked = columns[columns.FTrackIndex];
            const int width = P.x() - FHeaderInteraction->TrackPoint.x();
            const TColumnIndex next = columns.GetNextVisibleColumn(tracked.Index());
            // The auto-size column keeps filling the client: its neighbour gives or takes.
            if (FHeader.Options().contains(TLTHeaderOption::hoAutoResize) && tracked.Index() == FHeader.AutoSizeIndex() &&
                columns.IsValidColumn(next) && columns[next].Options().contains(TLTColumnOption::coResizable) &&
                width > tracked.MinWidth() && width < tracked.MaxWidth())
                columns[next].SetWidth(columns[next].Width() + tracked.Width() - width);
            else
                tracked.SetWidth(width);
            FHeaderInteraction->WidthTracked = true;
        }
        return true;
    }
    if (states.contains(THeaderState::hsHeightTracking)) {
        bool allowed = true;
        if (OnHeaderHeightTracking)
            OnHeaderHeightTracking(&FHeader, P, shift, allowed);
        if (allowed) {
            FHeader.SetHeight(std::min(std::max(FHeader.Height() + P.y(), FHeader.MinHeight()), FHeader.MaxHeight()));
            RecalcHeaderRect();
        }
        return true;
    }
    if (states.contains(THeaderState::hsDragPending)) {
        const QPoint global = Event.globalPosition().toPoint();
        const QPoint moved = global - FHeaderInteraction->DragStart;
        const int threshold = QApplication::startDragDistance();
        if (!FHeader.Options().contains(TLTHeaderOption::hoDrag) ||
            (std::abs(moved.x()) <= threshold && std::abs(moved.y()) <= threshold))
            return true;
        bool allowed = true;
        if (OnHeaderDragging)
            OnHeaderDragging(&FHeader, columns.FDownIndex, allowed);
        if (!allowed)
            return true;
        columns.FDownIndex = NoColumn;
        columns.FHoverIndex = NoColumn;
        invalidateHeader();
        beginColumnDrag(FHeaderInteraction->DragStart);
        setHeaderStates(FHeader.States() - THeaderState::hsDragPending + THeaderState::hsDragging);
        states = FHeader.States();
    }
    if (states.contains(THeaderState::hsDragging))
        moveColumnDrag(Event.globalPosition().toPoint());
    return true;
}

void TLazyStringTreeWidget::beginColumnDrag(QPoint DragStart)
{
    FHeaderInteraction->DropTarget = NoColumn;
    const QPoint start = FHeaderStrip->mapFromGlobal(DragStart);
    const TColumnIndex index = HeaderColumnAt(start);
    FHeaderInteraction->DragIndex = FHeader.Columns().IsValidColumn(index) ? index : NoColumn;
    if (FHeaderInteraction->DragIndex == NoColumn)
        return;
    TLazyTreeColumn &column = FHeader.Columns()[index];
    QImage picture(std::max(column.Width(), 1), std::max(FHeader.Height(), 1), QImage::Format_ARGB32_Premultiplied);
    {
        platform::TCanvas canvas(&picture);
        canvas.FillColor({0, 0, picture.width(), picture.height()}, platform::clBtnFace);
        canvas.Font().setName(FHeader.Font().Name);
        canvas.Font().setHeight(FHeader.Font().Height);
        canvas.Font().setColor(FHeader.Font().Color);
        paintHeaderCell(canvas, column, {0, 0, picture.width(), picture.height()}, false, false);
    }
    const bool fixed = column.Options().contains(TLTColumnOption::coFixed);
    const QPoint origin = FHeaderStrip->mapToGlobal(QPoint(column.Left() - (fixed ? 0 : EffectiveOffsetX()), 0));
    FHeaderInteraction->DragHotSpot = DragStart - origin;
    if (FHeaderInteraction->DragImage)
        FHeaderInteraction->DragImage->close();
    auto *image = new THeaderDragImage(FHeaderStrip, picture);
    image->move(origin);
    image->show();
    FHeaderInteraction->DragImage = image;
}

void TLazyStringTreeWidget::moveColumnDrag(QPoint Global)
{
    TLazyTreeColumns &columns = FHeader.Columns();
    const QPoint local = FHeaderStrip->mapFromGlobal(Global);
    const TColumnIndex candidate = HeaderColumnAt(local);
    bool repaint = candidate != FHeaderInteraction->DropTarget && columns.IsValidColumn(candidate);
    if (columns.IsValidColumn(candidate)) {
        int left = 0;
        int right = 0;
        GetColumnBounds(candidate, left, right);
        const bool before = local.x() < (left + right) / 2;
        if (before != FHeaderInteraction->DropBefore) {
            FHeaderInteraction->DropBefore = before;
            repaint = true;
        }
    }
    if (repaint) {
        FHeaderInteraction->DropTarget = columns.IsValidColumn(candidate) ? candidate : NoColumn;
        invalidateHeader();
    }
    if (QWidget *image = FHeaderInteraction->DragImage) {
        QPoint at = Global - FHeaderInteraction->DragHotSpot;
        if (FHeader.Options().contains(TLTHeaderOption::hoRestrictDrag))
            at.setY(FHeaderStrip->mapToGlobal(QPoint(0, 0)).y());
        image->move(at);
    }
}

void TLazyStringTreeWidget::headerRelease(const QMouseEvent &Event)
{
    const QPoint local = Event.position().toPoint();
    const QPoint P(local.x(), local.y() - FHeader.Height());
    const QPoint global = Event.globalPosition().toPoint();
    const TShiftState shift = headerShiftState(Event.modifiers());
    const TMouseButton button = mouseButtonOf(Event.button());
    TLazyTreeColumns &columns = FHeader.Columns();
    const bool inHeader = FHeaderStrip && FHeaderStrip->rect().contains(local);
    if (button == TMouseButton::mbRight || button == TMouseButton::mbMiddle) {
        if (!inHeader)
            return;
        ProcessHeaderClick(P, button, false, true);
        if (OnHeaderMouseUp)
            OnHeaderMouseUp(&FHeader, button, shift, local.x(), local.y());
        columns.FDownIndex = NoColumn;
        columns.FTrackIndex = NoColumn;
        FHeaderInteraction->CheckBoxHit = false;
        invalidateHeader();
        if (button == TMouseButton::mbMiddle)
            return;
        QMenu *menu = HeaderPopupMenu();
        if (!menu && OnGetPopupMenu) {
            bool askParent = true;
            const TColumnIndex column = HeaderColumnAt(local);
            OnGetPopupMenu(this, nullptr, column < 0 ? NoColumn : column, P, askParent, menu);
        }
        if (!menu)
            return;
        columns.FHoverIndex = NoColumn;
        QPointer<QMenu> shown = menu;
        auto popUp = [this, shown, global] {
            if (!shown)
                return;
            if (auto *columnMenu = dynamic_cast<TLTHeaderPopupMenu *>(shown.data())) {
                columnMenu->SetPopupComponent(this);
                columnMenu->Popup(global.x(), global.y());
            } else
                shown->popup(global);
        };
        // One menu after the other: the header's own waits for the column menu to close.
        QMenu *columnMenu = FHeaderInteraction->AutoMenu;
        if (columnMenu && columnMenu->isVisible())
            connect(columnMenu, &QMenu::aboutToHide, this, [this, popUp] { QTimer::singleShot(0, this, popUp); },
                    Qt::SingleShotConnection);
        else
            popUp();
        return;
    }
    const THeaderStates states = FHeader.States();
    const bool hadState = states.containsAny(trackingStates);
    if (states.contains(THeaderState::hsDragging)) {
        if (FHeaderInteraction->DragImage)
            FHeaderInteraction->DragImage->close();
        const TColumnIndex dragged = FHeaderInteraction->DragIndex;
        const TColumnIndex target = FHeaderInteraction->DropTarget;
        const bool insideWindow = QRect(mapToGlobal(QPoint(0, 0)), size()).contains(global);
        if (columns.IsValidColumn(dragged) && columns.IsValidColumn(target) && target != dragged && insideWindow) {
            TLazyTreeColumn &column = columns[dragged];
            const int oldPosition = int(column.Position());
            const TColumnPosition targetPosition = columns[target].Position();
            const bool fromLeft = column.Position() < targetPosition;
            TColumnPosition position = targetPosition;
            if (FHeaderInteraction->DropBefore)
                position = fromLeft ? targetPosition - 1 : targetPosition;
            else
                position = fromLeft ? targetPosition : targetPosition + 1;
            column.SetPosition(position);
            if (OnHeaderDragged)
                OnHeaderDragged(&FHeader, dragged, oldPosition);
        } else if (columns.IsValidColumn(dragged) && OnHeaderDraggedOut)
            OnHeaderDraggedOut(&FHeader, dragged, global);
        FHeaderInteraction->DropTarget = NoColumn;
        FHeaderInteraction->DragIndex = NoColumn;
        invalidateHeader();
    }
    if (inHeader || columns.FDownIndex != NoColumn)
        ProcessHeaderClick(P, TMouseButton::mbLeft, false, false);
    if ((inHeader || hadState) && OnHeaderMouseUp)
        OnHeaderMouseUp(&FHeader, TMouseButton::mbLeft, shift, local.x(), local.y());
    if (columns.FTrackIndex != NoColumn) {
        if (states.contains(THeaderState::hsColumnWidthTracking) && OnAfterColumnWidthTracking)
            OnAfterColumnWidthTracking(&FHeader, columns.FTrackIndex);
        columns.FTrackIndex = NoColumn;
    }
    if (columns.FDownIndex != NoColumn)
        columns.FDownIndex = NoColumn;
    FHeaderInteraction->CheckBoxHit = false;
    if (states.contains(THeaderState::hsHeightTracking) && OnAfterHeaderHeightTracking)
        OnAfterHeaderHeightTracking(&FHeader);
    setHeaderStates(FHeader.States() - trackingStates);
    invalidateHeader();
}

void TLazyStringTreeWidget::headerDoubleClick(const QMouseEvent &Event)
{
    const QPoint local = Event.position().toPoint();
    QPoint P(local.x(), local.y() - FHeader.Height());
    TShiftState shift = headerShiftState(Event.modifiers());
    const TMouseButton button = mouseButtonOf(Event.button());
    const TLTHeaderOptions options = FHeader.Options();
    TLazyTreeColumns &columns = FHeader.Columns();
    if (InHeaderSplitterArea(P) && CanResizeHeaderHeight(P) && options.contains(TLTHeaderOption::hoHeightDblClickResize) &&
        FHeader.DefaultHeight() > 0) {
        bool allowed = true;
        if (OnHeaderHeightDblClickResize)
            OnHeaderHeightDblClickResize(&FHeader, P, shift, allowed);
        if (allowed) {
            FHeader.SetHeight(FHeader.DefaultHeight());
            RecalcHeaderRect();
        }
        return;
    }
    if (options.contains(TLTHeaderOption::hoDblClickResize) && button == TMouseButton::mbLeft &&
        options.contains(TLTHeaderOption::hoColumnResize) && FindSplitterColumn(P)) {
        const TColumnIndex tracked = columns.FTrackIndex;
        bool allowed = true;
        if (OnColumnWidthDblClickResize)
            OnColumnWidthDblClickResize(&FHeader, tracked, shift, P, allowed);
        if (allowed) {
            const TColumnIndex position = TColumnIndex(columns[tracked].Position());
            AutoFitColumns(true, TSmartAutoFitType::smaUseColumnOption, position, position);
        }
        return;
    }
    if (button == TMouseButton::mbLeft)
        trackPressedColumn(local);
    ProcessHeaderClick(P, button, true, true);
}

void TLazyStringTreeWidget::ProcessHeaderClick(QPoint P, TMouseButton Button, bool DblClick, bool Force)
{
    TLazyTreeColumns &columns = FHeader.Columns();
    const QPoint header(P.x(), P.y() + FHeader.Height());
    TLTHeaderHitInfo hit;
    hit.X = header.x();
    hit.Y = header.y();
    hit.Button = Button;
    hit.Shift = headerShiftState(QApplication::keyboardModifiers());
    if (DblClick)
        hit.Shift += TShiftStateItem::ssDouble;
    const TColumnIndex column = HeaderColumnAt(header);
    hit.Column = columns.IsValidColumn(column) ? column : NoColumn;
    const TColumnIndex previousClick = columns.FClickIndex;
    if (columns.IsValidColumn(column) && columns[column].Options().contains(TLTColumnOption::coAllowClick) &&
        (Force || column == columns.FDownIndex)) {
        columns.FClickIndex = column;
        hit.HitPosition += TLTHeaderHitPosition::hhiOnColumn;
        TLazyTreeColumn &clicked = columns[column];
        const auto &glyphs = FHeaderInteraction->GlyphRects;
        const QPoint absolute(header.x() < columns.GetVisibleFixedWidth() ? header.x() : header.x() + EffectiveOffsetX(),
                              header.y());
        if (std::size_t(column) < glyphs.size() && glyphs[std::size_t(column)].contains(absolute)) {
            hit.HitPosition += TLTHeaderHitPosition::hhiOnIcon;
            if (clicked.CheckBox()) {
                hit.HitPosition += TLTHeaderHitPosition::hhiOnCheckbox;
                if (Button == TMouseButton::mbLeft)
                    clicked.SetCheckState(NextCheckState(clicked.CheckType(), clicked.CheckState()));
            }
        }
    } else {
        columns.FClickIndex = NoColumn;
        hit.HitPosition = {TLTHeaderHitPosition::hhiNoWhere};
    }
    if (DblClick) {
        if (OnHeaderDblClick)
            OnHeaderDblClick(&FHeader, hit);
    } else {
        const bool onColumn = columns.IsValidColumn(columns.FClickIndex);
        if (FHeader.Options().contains(TLTHeaderOption::hoHeaderClickAutoSort) && Button == TMouseButton::mbLeft &&
            onColumn && !hit.HitPosition.contains(TLTHeaderHitPosition::hhiOnCheckbox)) {
            if (columns.FClickIndex == FHeader.SortColumn())
                FHeader.SetSortDirection(FHeader.SortDirection() == TSortDirection::sdAscending
                                             ? TSortDirection::sdDescending
                                             : TSortDirection::sdAscending);
            else {
                FHeader.SetSortColumn(columns.FClickIndex);
                FHeader.SetSortDirection(columns[columns.FClickIndex].DefaultSortDirection());
            }
        }
        if (Button == TMouseButton::mbRight && FHeader.Options().contains(TLTHeaderOption::hoAutoColumnPopupMenu)) {
            delete FHeaderInteraction->AutoMenu.data();
            auto *menu = new TLTHeaderPopupMenu(this);
            menu->SetPopupComponent(this);
            menu->OnColumnChange = [this](TLazyStringTreeWidget *, TColumnIndex Changed, bool Visible) {
                if (OnColumnVisibilityChanged)
                    OnColumnVisibilityChanged(this, Changed, Visible);
            };
            if (FHeader.Options().contains(TLTHeaderOption::hoDblClickResize) && RootNodeCount() > 0)
                menu->SetOptions(menu->Options() + TLTHeaderPopupOption::poResizeToFitItem);
            FHeaderInteraction->AutoMenu = menu;
            const QPoint global = FHeaderStrip ? FHeaderStrip->mapToGlobal(header) : mapToGlobal(header);
            menu->Popup(global.x(), global.y());
        }
        if (OnHeaderClick)
            OnHeaderClick(&FHeader, hit);
    }
    if (columns.FClickIndex != previousClick || columns.IsValidColumn(columns.FClickIndex))
        invalidateHeader();
}

} // namespace vtree
