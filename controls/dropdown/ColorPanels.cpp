#include "controls/dropdown/ColorPanels.h"

#include "controls/dropdown/paint/DrawHelpers.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Resources.h"
#include "platform/ui/QtColor.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPixmap>
#include <QToolTip>

namespace controls {

using namespace platform;

namespace {

TRect boxTRect(const QRect &r)
{
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

} // namespace

TExCustomColorSelectorPanel::TExCustomColorSelectorPanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TExCustomColorSelectorPanel::setColor(TColor color)
{
    m_color = color;
    update();
}

void TExCustomColorSelectorPanel::fillBackground(TCanvas &canvas, const QRect &r) const
{
    canvas.FillColor(fromQRect(r), m_color);
}

// ---- the palette ----

TCustomColorSelector::TCustomColorSelector(QWidget *parent) : TExCustomColorSelectorPanel(parent)
{
    setMouseTracking(true);
    ArrangeItems();
}

void TCustomColorSelector::setItems(std::vector<TColorBoxItem> items)
{
    m_items = std::move(items);
    m_itemIndex = -1;
    ArrangeItems();
}

void TCustomColorSelector::AddDefaultColorBoxes()
{
    std::vector<TColorBoxItem> items;
    for (const TColorBoxSpec &spec : defaultColorBoxes())
        items.push_back({spec.Color, true, spec.Pos});
    setItems(std::move(items));
}

void TCustomColorSelector::setItemIndex(int index)
{
    if (index >= int(m_items.size()) || (index >= 0 && !m_items[std::size_t(index)].Enabled))
        return;
    if (m_itemIndex >= 0) {
        const int old = m_itemIndex;
        m_itemIndex = -1;
        invalidateItem(old);
    }
    m_itemIndex = std::max(-1, index);
    if (m_itemIndex < 0)
        return;
    m_selectedColor = m_items[std::size_t(m_itemIndex)].Color;
    invalidateItem(m_itemIndex);
    if (OnItemSelect)
        OnItemSelect(this);
}

void TCustomColorSelector::setItemHot(int index)
{
    if (index == m_itemHot || index >= int(m_items.size()) || (index >= 0 && !m_items[std::size_t(index)].Enabled))
        return;
    const int old = m_itemHot;
    m_itemHot = std::max(-1, index);
    invalidateItem(old);
    invalidateItem(m_itemHot);
}

void TCustomColorSelector::setSelectedColor(TColor color)
{
    if (color == m_selectedColor)
        return;
    m_selectedColor = color;
    if (color == clNone)
        setItemIndex(-1);
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].Color == color) {
            setItemIndex(int(i));
            return;
        }
    }
    setItemIndex(-1);
}

void TCustomColorSelector::setColumns(int columns)
{
    if (columns == m_columns || columns < 1)
        return;
    m_columns = columns;
    ArrangeItems();
}

void TCustomColorSelector::setColumnGap(int gap)
{
    if (gap == m_columnGap)
        return;
    m_columnGap = gap;
    ArrangeItems();
}

void TCustomColorSelector::setColorBoxSize(QSize size)
{
    if (size == m_boxSize)
        return;
    m_boxSize = size;
    ArrangeItems();
}

void TCustomColorSelector::setItemColorStyle(TSelectionColorStyle style)
{
    if (style == m_itemColorStyle)
        return;
    m_itemColorStyle = style;
    if (style != scCustom)
        m_look = TColorBoxLook();
    update();
}

QRect TCustomColorSelector::ItemRect(int index) const
{
    if (index < 0 || index >= int(m_rects.size()))
        return {};
    return m_rects[std::size_t(index)];
}

int TCustomColorSelector::ItemAtPos(QPoint at) const
{
    for (std::size_t i = 0; i < m_rects.size(); ++i)
        if (m_rects[i].contains(at))
            return int(i);
    return -1;
}

void TCustomColorSelector::ArrangeItems()
{
    std::vector<TItemPos> positions;
    positions.reserve(m_items.size());
    for (const TColorBoxItem &item : m_items)
        positions.push_back(item.ColorBoxPos);
    if (!m_items.empty())
        m_itemHot = -1;
    TColorBoxArrangement arranged = arrangeColorBoxes(positions, m_columns, m_columnGap, m_boxSize);
    m_rects = std::move(arranged.boxes);
    resize(arranged.panel);
    update();
}

void TCustomColorSelector::SelectFirst()
{
    if (!m_items.empty())
        setItemIndex(0);
}

void TCustomColorSelector::SelectLast()
{
    if (!m_items.empty())
        setItemIndex(int(m_items.size()) - 1);
}

void TCustomColorSelector::SelectNext()
{
    const int next = m_itemIndex < 0 ? 0 : m_itemIndex + 1;
    if (next < int(m_items.size()))
        setItemIndex(next);
}

void TCustomColorSelector::SelectPrevious()
{
    if (m_itemIndex - 1 >= 0)
        setItemIndex(m_itemIndex - 1);
}

void TCustomColorSelector::HotNext()
{
    const int next = m_itemHot < 0 ? 0 : m_itemHot + 1;
    if (next < int(m_items.size()))
        setItemHot(next);
}

void TCustomColorSelector::HotPrevious()
{
    if (m_itemHot - 1 >= 0)
        setItemHot(m_itemHot - 1);
}

void TCustomColorSelector::HandleSelectorKey(int key, bool editorEnabled, bool droppedDown)
{
    if (!isEnabled())
        return;
    const int target = colorBoxKeyTarget(key, m_itemIndex, int(m_items.size()), m_columns, editorEnabled, droppedDown);
    if (target >= 0)
        setItemIndex(target);
}

void TCustomColorSelector::invalidateItem(int index)
{
    if (index >= 0 && index < int(m_rects.size()))
        update(m_rects[std::size_t(index)].adjusted(-1, -1, 2, 2));
}

void TCustomColorSelector::paintEvent(QPaintEvent *event)
{
    guarded([&] {
        TCanvas canvas(this);
        fillBackground(canvas, event->rect());
        for (std::size_t i = 0; i < m_rects.size() && i < m_items.size(); ++i)
            PaintColorBox(canvas, boxTRect(m_rects[i]), m_items[i].Color, m_items[i].ColorBoxPos,
                          int(i) == m_itemHot, int(i) == m_itemIndex, m_look);
    });
}

void TCustomColorSelector::mousePressEvent(QMouseEvent *event)
{
    guarded([&] {
        const int index = ItemAtPos(event->position().toPoint());
        if (index >= 0 && m_items[std::size_t(index)].Enabled)
            setItemIndex(index);
    });
}

void TCustomColorSelector::mouseMoveEvent(QMouseEvent *event)
{
    guarded([&] {
        const int index = ItemAtPos(event->position().toPoint());
        setItemHot(index >= 0 && m_items[std::size_t(index)].Enabled ? index : -1);
    });
}

void TCustomColorSelector::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    guarded([&] { setItemHot(-1); });
}

// ---- the cube ----

TExColorCubePanel::TExColorCubePanel(QWidget *parent) : TExCustomColorSelectorPanel(parent)
{
    setMouseTracking(true);
    ResetHot();
}

void TExColorCubePanel::setSelectedColor(TColor color)
{
    m_selectedColor = color;
    m_selectedIndex = cubeCellOfColor(color);
}

void TExColorCubePanel::setShowRGBHint(bool show)
{
    m_showRGBHint = show;
    if (!show)
        setToolTip(QString());
}

void TExColorCubePanel::ResetHot()
{
    m_hotIndex = -1;
    resize(CubePanelSize);
}

void TExColorCubePanel::invalidateCell(int index)
{
    if (index < 1 || index > CubeCellCount)
        return;
    const TCubeCell &cell = cubeCells()[std::size_t(index)];
    update(QRect(cell.X - 7, cell.Y - 7, 15, 15));
}

void TExColorCubePanel::paintEvent(QPaintEvent *event)
{
    guarded([&] {
        TCanvas canvas(this);
        fillBackground(canvas, event->rect());
        for (int i = 1; i <= CubeCellCount; ++i)
            PaintCubeCell(canvas, cubeCells()[std::size_t(i)], i == m_hotIndex, i == m_selectedIndex);
    });
}

void TExColorCubePanel::mousePressEvent(QMouseEvent *event)
{
    guarded([&] {
        const int index = CellAtPos(event->position().toPoint());
        if (index < 0)
            return;
        if (m_selectedIndex >= 0 && m_selectedIndex != index) {
            const int old = m_selectedIndex;
            m_selectedIndex = -1;
            invalidateCell(old);
        }
        m_selectedColor = cubeCells()[std::size_t(index)].Color;
        m_selectedIndex = index;
        invalidateCell(index);
        if (OnSelect)
            OnSelect(this);
    });
}

void TExColorCubePanel::mouseMoveEvent(QMouseEvent *event)
{
    guarded([&] {
        const int index = CellAtPos(event->position().toPoint());
        if (index < 0) {
            if (m_showRGBHint)
                setToolTip(QString());
            return;
        }
        if (index == m_hotIndex)
            return;
        const int old = m_hotIndex;
        m_hotIndex = index;
        invalidateCell(old);
        invalidateCell(index);
        if (m_showRGBHint) {
            setToolTip(rgbHint(cubeCells()[std::size_t(index)].Color));
            QToolTip::hideText();
        }
    });
}

void TExColorCubePanel::mouseReleaseEvent(QMouseEvent *)
{
    guarded([&] {
        if (OnShouldHide)
            OnShouldHide(this);
    });
}

// ---- the spectrum ----

TExColorSpectrumPanel::TExColorSpectrumPanel(QWidget *parent) : TExCustomColorSelectorPanel(parent)
{
    m_spectrum = loadResourceImage(QStringLiteral("FENLO_SPECTRUM")).convertToFormat(QImage::Format_RGB32);
    m_picture = new QLabel(this);
    m_picture->setPixmap(QPixmap::fromImage(m_spectrum));
    m_picture->resize(128, 128);
    m_picture->setMouseTracking(true);
    m_picture->installEventFilter(this);
    // The pointer shows over the picture only.
    m_picture->setCursor(loadResourceCursor(QStringLiteral("FENLO_POINTER")));
    ArrangeSpectrum();
}

void TExColorSpectrumPanel::setSelectedColor(TColor color)
{
    m_selectedColor = color;
}

void TExColorSpectrumPanel::ArrangeSpectrum()
{
    resize(150, 174);
    m_picture->move((150 - 128) / 2, 10);
    const int left = m_picture->x();
    const int bottom = m_picture->y() + m_picture->height();
    m_selectedRect = QRect(QPoint(left - 1, bottom + 8), QPoint(left + 64 - 2 - 1, bottom + 28 - 1));
    const int selectedRight = m_selectedRect.left() + m_selectedRect.width();
    m_hotRect = QRect(QPoint(selectedRight + 4, bottom + 8), QPoint(left + 128 + 1 - 1, bottom + 28 - 1));
    m_hotColor = clNone;
    update();
}

TColor TExColorSpectrumPanel::colorAt(QPoint at) const
{
    if (!m_spectrum.valid(at))
        return clNone;
    return fromQColor(m_spectrum.pixelColor(at));
}

void TExColorSpectrumPanel::paintEvent(QPaintEvent *event)
{
    guarded([&] {
        TCanvas canvas(this);
        fillBackground(canvas, event->rect());
        const QRect picture = m_picture->geometry();
        setBrushClear(canvas);
        setPen(canvas, clWhite);
        canvas.Rectangle(boxTRect(picture.adjusted(-1, -1, 1, 1)));
        setPen(canvas, 0x808080);
        canvas.Rectangle(boxTRect(picture.adjusted(-2, -2, 2, 2)));
        PaintSwatch(canvas, boxTRect(m_selectedRect), m_selectedColor);
        PaintSwatch(canvas, boxTRect(m_hotRect), m_hotColor);
    });
}

bool TExColorSpectrumPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_picture)
        return TExCustomColorSelectorPanel::eventFilter(watched, event);
    guarded([&] {
        switch (event->type()) {
        case QEvent::MouseMove:
            m_hotColor = colorAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            update(m_hotRect.adjusted(-1, -1, 1, 1));
            break;
        case QEvent::MouseButtonPress:
            m_hotColor = colorAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            m_selectedColor = m_hotColor;
            update(m_selectedRect.adjusted(-1, -1, 1, 1));
            if (OnSelect)
                OnSelect(this);
            break;
        case QEvent::MouseButtonRelease:
            if (OnShouldHide)
                OnShouldHide(this);
            break;
        default:
            break;
        }
    });
    return false;
}

} // namespace controls
