// Automatic scrolling near the edges (rubber band, drags) and wheel panning
// with the middle button. Both step on one timer; nothing waits in a loop.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/TreeMouse.h"

#include "controls/vtree/TreeErrors.h"
#include "platform/draw/Resources.h"

#include <QBitmap>
#include <QPainter>

namespace vtree {

namespace {

// Further than this from the panning start, the view moves.
constexpr int panningDeadZone = 8;
constexpr int panningInterval = 20;

// The panning picture on its own little window, its magenta background cut away.
class TPanningWindow : public QWidget {
public:
    TPanningWindow(QWidget *Owner, const QImage &Picture)
        : QWidget(Owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), m_picture(Picture)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFixedSize(32, 32);
        if (!m_picture.isNull())
            setMask(QBitmap::fromImage(m_picture.createMaskFromColor(qRgb(255, 0, 255), Qt::MaskOutColor)));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_picture);
    }

private:
    QImage m_picture;
};

} // namespace

QTimer &TLazyStringTreeWidget::scrollTimer()
{
    if (!FMouse->ScrollTimer) {
        FMouse->ScrollTimer = std::make_unique<QTimer>();
        QObject::connect(FMouse->ScrollTimer.get(), &QTimer::timeout, viewport(), [this] { AutoScrollTimerFired(); });
    }
    return *FMouse->ScrollTimer;
}

void TLazyStringTreeWidget::StartWheelPanning(QPoint Position)
{
    StopAutoScroll();
    ChangeTreeStates({TLazyTreeState::tsWheelPanning, TLazyTreeState::tsWheelScrolling}, {});
    const bool both = CanScrollHorizontally() && CanScrollVertically();
    const QString picture = both ? QStringLiteral("LT_MOVEALL")
                                 : CanScrollHorizontally() ? QStringLiteral("LT_MOVEEW") : QStringLiteral("LT_MOVENS");
    const QImage image = platform::loadResourceImage(picture);
    LT_ASSERT(!image.isNull(), assertions::invalidPanningImage);
    FMouse->PanningWindow = std::make_unique<TPanningWindow>(this, image);
    FMouse->PanningWindow->move(viewport()->mapToGlobal(Position) - QPoint(16, 16));
    FMouse->PanningWindow->show();
    FMouse->LastMousePos = Position;
    setFocus(Qt::MouseFocusReason);
    viewport()->grabMouse();
    UpdatePanningCursor(Position);
    scrollTimer().start(panningInterval);
}

void TLazyStringTreeWidget::StopWheelPanning()
{
    if (!IsWheelPanning())
        return;
    if (FMouse->ScrollTimer)
        FMouse->ScrollTimer->stop();
    viewport()->releaseMouse();
    ChangeTreeStates({}, {TLazyTreeState::tsWheelPanning, TLazyTreeState::tsWheelScrolling});
    FMouse->PanningWindow.reset();
    FMouse->PanningCursor.clear();
    viewport()->unsetCursor();
}

void TLazyStringTreeWidget::UpdatePanningCursor(QPoint P)
{
    const int dx = P.x() - FMouse->LastClickPos.x();
    const int dy = P.y() - FMouse->LastClickPos.y();
    const bool horizontal = CanScrollHorizontally();
    const bool vertical = CanScrollVertically();
    QString name;
    if (std::abs(dx) <= panningDeadZone && std::abs(dy) <= panningDeadZone) {
        name = horizontal && vertical ? QStringLiteral("LT_MOVEALL")
               : horizontal           ? QStringLiteral("LT_MOVEEW")
                                      : QStringLiteral("LT_MOVENS");
    } else {
        QString direction;
        if (vertical && dy < -panningDeadZone)
            direction += QLatin1Char('N');
        else if (vertical && dy > panningDeadZone)
            direction += QLatin1Char('S');
        if (horizontal && dx < -panningDeadZone)
            direction += QLatin1Char('W');
        else if (horizontal && dx > panningDeadZone)
            direction += QLatin1Char('E');
        name = QStringLiteral("LT_MOVE") + direction;
        if (direction.isEmpty())
            name = horizontal ? QStringLiteral("LT_MOVEEW") : QStringLiteral("LT_MOVENS");
    }
    if (name == FMouse->PanningCursor)
        return;
    FMouse->PanningCursor = name;
    viewport()->setCursor(platform::loadResourceCursor(name));
}

bool TLazyStringTreeWidget::CanAutoScroll() const
{
    const bool panning = IsWheelPanning();
    if (!(panning || toOption(TLTAutoOption::toAutoScroll)) || HeaderBusy())
        return false;
    return IsMouseSelecting() || FMouse->IsDropTarget || TreeStates().contains(TLazyTreeState::tsVCLDragging) || panning;
}

TScrollDirections TLazyStringTreeWidget::DetermineScrollDirections(QPoint P, bool DuringDragOver)
{
    TScrollDirections directions;
    if (!CanAutoScroll())
        return directions;
    if (IsWheelPanning()) {
        const QPoint delta = P - FMouse->LastClickPos;
        if (delta.x() < -panningDeadZone)
            directions.include(TScrollDirection::sdLeft);
        if (delta.x() > panningDeadZone)
            directions.include(TScrollDirection::sdRight);
        if (delta.y() < -panningDeadZone)
            directions.include(TScrollDirection::sdUp);
        if (delta.y() > panningDeadZone)
            directions.include(TScrollDirection::sdDown);
        return directions;
    }
    const int zone = int(DefaultNodeHeight());
    if (P.x() < zone && OffsetX() < 0)
        directions.include(TScrollDirection::sdLeft);
    if (P.x() >= ClientWidth() - zone && ClientWidth() - OffsetX() < RangeX())
        directions.include(TScrollDirection::sdRight);
    if (P.y() < zone && OffsetY() < 0)
        directions.include(TScrollDirection::sdUp);
    if (P.y() >= ClientHeight() - zone && ClientHeight() - OffsetY() < RangeY())
        directions.include(TScrollDirection::sdDown);
    // Over the tree, edge scrolling waits a while before it begins.
    if (!directions.empty() && (DuringDragOver || viewport()->rect().contains(P))) {
        if (!FMouse->DragScrollStart.isValid())
            FMouse->DragScrollStart.start();
        if (FMouse->DragScrollStart.elapsed() < qint64(AutoScrollDelay()))
            directions = {};
    }
    return directions;
}

void TLazyStringTreeWidget::UpdateAutoScroll(QPoint P)
{
    if (IsWheelPanning())
        return;
    FMouse->ScrollDirections = DetermineScrollDirections(P, false);
    if (FMouse->ScrollDirections.empty()) {
        StopAutoScroll();
    } else if (!TreeStates().contains(TLazyTreeState::tsScrollPending) && !TreeStates().contains(TLazyTreeState::tsScrolling)) {
        ChangeTreeStates(TLazyTreeState::tsScrollPending, {});
        scrollTimer().start(int(AutoScrollDelay()));
    }
}

void TLazyStringTreeWidget::StopAutoScroll()
{
    if (FMouse->ScrollTimer && !IsWheelPanning())
        FMouse->ScrollTimer->stop();
    ChangeTreeStates({}, {TLazyTreeState::tsScrolling, TLazyTreeState::tsScrollPending});
}

void TLazyStringTreeWidget::AutoScrollTimerFired()
{
    if (TreeStates().contains(TLazyTreeState::tsScrollPending)) {
        CancelTreeHint();
        scrollTimer().start(int(AutoScrollInterval()));
        ChangeTreeStates(TLazyTreeState::tsScrolling, TLazyTreeState::tsScrollPending);
    }
    DoAutoScroll(FMouse->LastMousePos);
}

bool TLazyStringTreeWidget::DoAutoScroll(QPoint P)
{
    const bool panning = IsWheelPanning();
    if (panning)
        FMouse->ScrollDirections = DetermineScrollDirections(P, false);
    const bool inside = viewport()->rect().contains(P);
    bool scrolled = false;
    if (TreeStates().contains(TLazyTreeState::tsDrawSelecting) || inside || panning) {
        auto amount = [&](int increment, int distance, int extent) {
            if (panning)
                return std::max(0, std::abs(distance) - panningDeadZone);
            const int step = std::min(increment, extent);
            return inside ? step : step * std::max(1, std::abs(distance));
        };
        const int incY = int(ScrollBarOptions().VerticalIncrement());
        const int incX = int(ScrollBarOptions().HorizontalIncrement());
        const QPoint fromStart = P - FMouse->LastClickPos;
        int dx = 0;
        int dy = 0;
        TScrollDirections &dirs = FMouse->ScrollDirections;
        if (dirs.contains(TScrollDirection::sdUp))
            dy = amount(incY, panning ? fromStart.y() : P.y(), ClientHeight());
        else if (dirs.contains(TScrollDirection::sdDown))
            dy = -amount(incY, panning ? fromStart.y() : P.y() - ClientHeight(), ClientHeight());
        if (dirs.contains(TScrollDirection::sdLeft))
            dx = amount(incX, panning ? fromStart.x() : P.x(), ClientWidth());
        else if (dirs.contains(TScrollDirection::sdRight))
            dx = -amount(incX, panning ? fromStart.x() : P.x() - ClientWidth(), ClientWidth());
        // A direction at its end is dropped.
        if (dy > 0 && OffsetY() == 0)
            dirs.exclude(TScrollDirection::sdUp), dy = 0;
        if (dy < 0 && ClientHeight() - OffsetY() >= RangeY())
            dirs.exclude(TScrollDirection::sdDown), dy = 0;
        if (dx > 0 && OffsetX() == 0)
            dirs.exclude(TScrollDirection::sdLeft), dx = 0;
        if (dx < 0 && ClientWidth() - OffsetX() >= RangeX())
            dirs.exclude(TScrollDirection::sdRight), dx = 0;
        if (dx != 0 || dy != 0) {
            if (TreeStates().contains(TLazyTreeState::tsDrawSelecting)) {
                const QRect old = FMouse->NewSelRect;
                scrolled = ApplyOffsetXY({OffsetX() + dx, OffsetY() + dy}, DefaultScrollUpdateFlags);
                if (UpdateSelectionRect(P))
                    HandleDrawSelection(old, FMouse->NewSelRect);
            } else if (!FMouse->IsDropTarget) {
                scrolled = ApplyOffsetXY({OffsetX() + dx, OffsetY() + dy}, DefaultScrollUpdateFlags);
            }
        }
    }
    if (FMouse->ScrollDirections.empty() && !panning) {
        if (FMouse->ScrollTimer)
            FMouse->ScrollTimer->stop();
        ChangeTreeStates({}, {TLazyTreeState::tsScrolling, TLazyTreeState::tsScrollPending});
    }
    return scrolled;
}

} // namespace vtree
