// Scroll bars inside cells, for texts taller than their cell: painted at
// the cell's right edge with the text moved up by the position, and a live
// bar laid over the cell the mouse is on. Lines step by 10 pixels, pages by
// 100, and every step stays between 0 and the range less the page, where
// the text's last line meets the cell's bottom.
#include "controls/grid/view/CellObjectState.h"
#include "controls/grid/view/CellPaint.h"
#include "platform/HandlerGuard.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

constexpr int SB_LINEUP = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_THUMBTRACK = 5;

// The bar's last position: the text's end at the cell's bottom.
int lastPosition(const TScrollProp &prop) { return std::max(0, prop.Range - prop.PageSize); }

void setUpBar(QScrollBar &bar, const TScrollProp &prop, int position)
{
    bar.setRange(0, lastPosition(prop));
    bar.setPageStep(std::max(1, prop.PageSize));
    bar.setSingleStep(10);
    bar.setValue(position);
}

} // namespace

TCellObjectState &TExStringGrid::cellObjects() const
{
    if (!m_cellObjects)
        m_cellObjects = std::make_shared<TCellObjectState>();
    return *m_cellObjects;
}

QScrollBar *TExStringGrid::InCellScrollBar() const { return cellObjects().Bar.data(); }

void TExStringGrid::renderInCellScrollBar(TCellPaint &cell)
{
    cell.scrollBarWidth = 0;
    if (!cell.graphic || cell.graphic->FCellType != ctScrollbar)
        return;
    const TScrollProp prop = GetScrollProp(cell.realCol, cell.row);
    if (prop.PageSize >= prop.Range)
        return;
    QPainter *painter = cell.canvas.painter();
    if (!painter)
        return;
    TCellObjectState &st = cellObjects();
    if (!st.PaintBar)
        st.PaintBar = std::make_unique<QScrollBar>(Qt::Vertical);
    QScrollBar &bar = *st.PaintBar;
    setUpBar(bar, prop, GetScrollPosition(cell.realCol, cell.row));
    const TRect r = cell.rect;
    bar.resize(kInCellBarWidth, std::max(1, r.Bottom - r.Top));
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.pageStep = bar.pageStep();
    option.singleStep = bar.singleStep();
    option.sliderPosition = option.sliderValue = bar.value();
    option.subControls = QStyle::SC_All;
    option.state |= QStyle::State_Enabled;
    option.rect = QRect(0, 0, kInCellBarWidth, r.Bottom - r.Top);
    const QPoint at = cell.canvas.toDevice(r.Right - kInCellBarWidth, r.Top);
    painter->save();
    painter->translate(at);
    bar.style()->drawComplexControl(QStyle::CC_ScrollBar, &option, painter, &bar);
    painter->restore();
    cell.scrollBarWidth = kInCellBarWidth;
    cell.rect.Right -= kInCellBarWidth;
}

TCellScrollClip::TCellScrollClip(TExStringGrid &grid, TExStringGrid::TCellPaint &cell, TRect &textRect)
    : m_canvas(cell.canvas)
{
    const int position = grid.GetScrollPosition(cell.realCol, cell.row);
    if (position <= 0)
        return;
    m_saved = m_canvas.SaveDC();
    m_canvas.IntersectClipRect(cell.rect);
    textRect.Top -= position;
}

TCellScrollClip::~TCellScrollClip()
{
    if (m_saved > 0)
        m_canvas.RestoreDC(m_saved);
}

bool TExStringGrid::InCellScroll(int Code, int Pos)
{
    TCellObjectState &st = cellObjects();
    const int col = st.ScrollCol;
    const int row = st.ScrollRow;
    if (!HasScrollBar(col, row))
        return false;
    const TScrollProp prop = GetScrollProp(col, row);
    const int old = GetScrollPosition(col, row);
    int position = old;
    switch (Code) {
    case SB_LINEUP:
        position = old - 10;
        break;
    case SB_LINEDOWN:
        position = old + 10;
        break;
    case SB_PAGEUP:
        position = old - 100;
        break;
    case SB_PAGEDOWN:
        position = old + 100;
        break;
    case SB_THUMBTRACK:
        position = Pos;
        break;
    default:
        return false;
    }
    position = std::clamp(position, 0, lastPosition(prop));
    if (position == old)
        return false;
    SetScrollPosition(col, row, position);
    DoScrollCell(col, row, position, 0, prop.Range);
    return true;
}

void TExStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)
{
    if (OnScrollCell)
        OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

// Over the cell's right edge, inside its lines.
QRect TExStringGrid::inCellBarPlace(int ACol, int ARow) const
{
    const TRect cell = CellRect(ACol, ARow);
    const int line = GridLineWidth();
    return QRect(cell.Right - kInCellBarWidth - line, cell.Top + line, kInCellBarWidth,
                 std::max(1, cell.Bottom - cell.Top - 2 * line));
}

// The grid scrolled or changed under a live bar that the mouse has not
// left: it moves with its cell, or goes when the cell is out of view or
// has nothing left to scroll.
void TExStringGrid::keepInCellScrollBarInPlace()
{
    TCellObjectState &st = cellObjects();
    if (!st.BarHolder || st.BarHolder->isHidden())
        return;
    const int col = st.ScrollCol >= 0 ? DisplColIndex(st.ScrollCol) : -1;
    const TScrollProp prop = GetScrollProp(st.ScrollCol, st.ScrollRow);
    const int row = st.ScrollRow;
    const bool rowShown = row >= 0 && (row < FixedRows() || (row >= TopRow() && row <= TopRow() + VisibleRowCount()));
    const bool colShown = col >= 0 && (col < FixedCols() || (col >= LeftCol() && col <= LeftCol() + VisibleColCount()));
    if (prop.PageSize < 0 || prop.PageSize >= prop.Range || !rowShown || !colShown) {
        st.BarHolder->hide();
        st.ScrollCol = st.ScrollRow = -1;
        return;
    }
    const QRect place = inCellBarPlace(col, st.ScrollRow);
    if (st.BarHolder->geometry() != place) {
        st.BarHolder->setGeometry(place);
        st.Bar->setGeometry(0, 0, place.width(), place.height());
    }
}

// The live bar follows the mouse onto a scroll-bar cell and leaves any other.
void TExStringGrid::hoverInCellScrollBar(int ACol, int ARow)
{
    TCellObjectState &st = cellObjects();
    const int realCol = ACol >= 0 ? RealColIndex(ACol) : -1;
    const bool onBar = ACol >= 0 && ARow >= 0 && HasScrollBar(realCol, ARow);
    const TScrollProp prop = onBar ? GetScrollProp(realCol, ARow) : TScrollProp{};
    if (!onBar || prop.PageSize >= prop.Range) {
        if (st.BarHolder)
            st.BarHolder->hide();
        st.ScrollCol = st.ScrollRow = -1;
        return;
    }
    st.ScrollCol = realCol;
    st.ScrollRow = ARow;
    if (!st.BarHolder) {
        auto *holder = new QWidget(this);
        auto *bar = new QScrollBar(Qt::Vertical, holder);
        st.BarHolder = holder;
        st.Bar = bar;
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar](int action) {
            platform::guarded([&] {
                int code = -1;
                switch (action) {
                case QAbstractSlider::SliderSingleStepSub:
                    code = SB_LINEUP;
                    break;
                case QAbstractSlider::SliderSingleStepAdd:
                    code = SB_LINEDOWN;
                    break;
                case QAbstractSlider::SliderPageStepSub:
                    code = SB_PAGEUP;
                    break;
                case QAbstractSlider::SliderPageStepAdd:
                    code = SB_PAGEDOWN;
                    break;
                case QAbstractSlider::SliderMove:
                    code = SB_THUMBTRACK;
                    break;
                default:
                    return;
                }
                InCellScroll(code, bar->sliderPosition());
                const TCellObjectState &now = cellObjects();
                bar->setSliderPosition(std::max(0, GetScrollPosition(now.ScrollCol, now.ScrollRow)));
            });
        });
    }
    const QRect place = inCellBarPlace(ACol, ARow);
    const QSignalBlocker quiet(st.Bar.data());
    setUpBar(*st.Bar, prop, GetScrollPosition(realCol, ARow));
    if (st.BarHolder->geometry() != place || st.BarHolder->isHidden()) {
        st.BarHolder->setGeometry(place);
        st.Bar->setGeometry(0, 0, place.width(), place.height());
        st.BarHolder->show();
    }
}

} // namespace controls
