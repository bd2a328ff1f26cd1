// Wheel-button panning: a press of the wheel button marks an anchor and
// captures the mouse; every 10 ms the grid scrolls (or moves its current
// cell) one step towards the pointer while it is more than 5 pixels from
// the anchor. The next press of any button, or any key, ends it.
#include "controls/grid/view/GridScrollState.h"

#include "platform/HandlerGuard.h"
#include "platform/draw/Resources.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace controls {

namespace {

constexpr int kDeadZone = 5;
constexpr int kGlyphSize = 32;

// Cursor 8000: the anchor without a direction, a ring with a dot.
QCursor anchorCursor()
{
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 9, 9);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(16, 16), 2, 2);
    p.end();
    return QCursor(pixmap, 16, 16);
}

// The directional cursors come from the grid's cursor resources; until
// one is there the anchor stands in for it.
QCursor panCursor(int id)
{
    if (id != 8000) {
        bool found = false;
        QCursor cursor = platform::loadResourceCursor(QString::number(id), &found);
        if (found)
            return cursor;
    }
    static const QCursor anchor = anchorCursor();
    return anchor;
}

// The cursor of a direction: V down +1, up -1; H right +1, left -1.
int panCursorId(int V, int H)
{
    static constexpr std::array<std::array<int, 3>, 3> ids{{
        {8006, 8004, 8005}, // up: left, none, right
        {8002, 8000, 8003},
        {8008, 8001, 8007}, // down
    }};
    return ids[std::size_t(V + 1)][std::size_t(H + 1)];
}

} // namespace

// The anchor glyph: arrows for the directions the panning takes, on white,
// over the cells at the anchor.
class TPanGlyph : public QWidget {
public:
    TPanGlyph(QWidget *grid, TIntelliPan pan) : QWidget(grid), m_pan(pan)
    {
        setObjectName(QStringLiteral("panGlyph"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(kGlyphSize, kGlyphSize);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16), 14, 14);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(16, 16), 2, 2);
        const auto arrow = [&](QPointF tip, QPointF a, QPointF b) {
            QPainterPath path(tip);
            path.lineTo(a);
            path.lineTo(b);
            path.closeSubpath();
            p.drawPath(path);
        };
        if (m_pan != ipHorizontal) {
            arrow({16, 4}, {12, 9}, {20, 9});
            arrow({16, 28}, {12, 23}, {20, 23});
        }
        if (m_pan != ipVertical) {
            arrow({4, 16}, {9, 12}, {9, 20});
            arrow({28, 16}, {23, 12}, {23, 20});
        }
    }

private:
    TIntelliPan m_pan;
};

bool TExStringGrid::Panning() const { return scrolling().Panning; }

QPoint TExStringGrid::PanAnchor() const { return scrolling().PanAnchor; }

int TExStringGrid::PanCursorId() const { return scrolling().PanCursorId; }

// A press while panning ends it and then goes on as a press; a wheel-button
// press starts it and goes no further.
bool TExStringGrid::panMousePress(Qt::MouseButton Button, QPoint P)
{
    if (Panning()) {
        StopPanning();
        return false;
    }
    if (Button != Qt::MiddleButton || IntelliPan == ipNone || RowCount() <= FixedRows())
        return false;
    startPanning(P);
    return true;
}

void TExStringGrid::startPanning(QPoint P)
{
    TGridScrolling &s = scrolling();
    s.PrevCursorSet = testAttribute(Qt::WA_SetCursor);
    s.PrevCursor = cursor();
    s.Panning = true;
    s.PanAnchor = P;
    s.PanCursorId = 8000;
    setCursor(panCursor(8000));
    if (!s.PanTimer) {
        s.PanTimer = new QTimer(this);
        s.PanTimer->setObjectName(QStringLiteral("panTimer"));
        s.PanTimer->setInterval(10);
        connect(s.PanTimer, &QTimer::timeout, this, [this] { platform::guarded([this] { PanStep(); }); });
    }
    s.PanTimer->start();
    grabMouse();
    setShowHint(false);
    // A key must reach the grid to end the panning.
    if (!EditorMode())
        setFocus(Qt::MouseFocusReason);
    delete s.PanGlyph.data();
    s.PanGlyph = new TPanGlyph(this, IntelliPan);
    s.PanGlyph->move(P);
    s.PanGlyph->show();
}

void TExStringGrid::StopPanning()
{
    TGridScrolling &s = scrolling();
    if (!s.Panning)
        return;
    s.Panning = false;
    releaseMouse();
    if (s.PanTimer)
        s.PanTimer->stop();
    if (s.PrevCursorSet)
        setCursor(s.PrevCursor);
    else
        unsetCursor();
    s.PanCursorId = 8000;
    setShowHint(true);
    // The cells beneath are painted again.
    delete s.PanGlyph.data();
}

void TExStringGrid::setPanCursor(int id)
{
    TGridScrolling &s = scrolling();
    if (id == s.PanCursorId)
        return;
    s.PanCursorId = id;
    setCursor(panCursor(id));
}

void TExStringGrid::PanStep()
{
    TGridScrolling &s = scrolling();
    if (!s.Panning || IntelliPan == ipNone)
        return;
    const TGridRect entry = Selection();
    const QPoint P = mapFromGlobal(QCursor::pos());
    const QPoint A = s.PanAnchor;
    int V = P.y() < A.y() - kDeadZone ? -1 : P.y() > A.y() + kDeadZone ? 1 : 0;
    if (IntelliPan == ipHorizontal)
        V = 0;
    const int H = IntelliPan == ipVertical ? 0 : P.x() > A.x() + kDeadZone ? 1 : P.x() < A.x() - kDeadZone ? -1 : 0;

    const int lastRow = RowCount() - FFixedFooters - 1;
    const int lastCol = ColCount() - FFixedRightCols - 1;
    if (lastRow >= FixedRows() && (Row() < FixedRows() || Row() > lastRow))
        setRow(std::clamp(Row(), FixedRows(), lastRow));
    if (lastCol >= FixedCols() && (Col() < FixedCols() || Col() > lastCol))
        setCol(std::clamp(Col(), FixedCols(), lastCol));

    if (m_mouseActions.WheelAction() == TWheelAction::waScroll) {
        if (H == -1 && LeftCol() > FixedCols())
            setLeftCol(LeftCol() - 1);
        if (H == 1 && LeftCol() < ColCount() - VisibleColCount())
            setLeftCol(LeftCol() + 1);
        if (V == -1 && TopRow() > FixedRows())
            setTopRow(TopRow() - 1);
        if (V == 1 && TopRow() < RowCount() - VisibleRowCount())
            setTopRow(TopRow() + 1);
    } else {
        if (H == -1 && Col() > FixedCols())
            setCol(Col() - 1);
        if (H == 1 && Col() < lastCol)
            setCol(Col() + 1);
        if (V == -1 && Row() > FixedRows())
            setRow(Row() - 1);
        if (V == 1 && Row() < lastRow)
            setRow(Row() + 1);
    }
    setPanCursor(panCursorId(V, H));
    const TGridRect now = Selection();
    if (now.Left != entry.Left || now.Top != entry.Top || now.Right != entry.Right || now.Bottom != entry.Bottom)
        DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

} // namespace controls
