#include "controls/dropdown/ItemSelector.h"

#include "controls/dropdown/core/TypeAhead.h"
#include "controls/dropdown/paint/DrawHelpers.h"
#include "controls/dropdown/paint/SelectorPainting.h"
#include "controls/dropdown/paint/TextFitting.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/QtColor.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

TRect itemTRect(const QRect &r)
{
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

void useItemFont(TCanvas &canvas, const TItemAppearance &appearance, TColor color)
{
    assignFont(canvas.Font(), makeFont(appearance.FontName, appearance.FontSize), color);
}

} // namespace

// ---- the grid ----

TCustomItemSelector::TCustomItemSelector(TExCustomItemSelector &owner) : QWidget(owner.viewport()), m_owner(owner)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 50);
}

void TCustomItemSelector::setItemIndex(int index)
{
    const TSelectorItems &items = m_owner.Items();
    if (index >= items.Count())
        return;
    if (index >= 0 && !items.at(index).Enabled)
        return;
    if (m_itemIndex >= 0) {
        const int old = m_itemIndex;
        m_itemIndex = -1;
        InvalidateItem(old);
    }
    m_itemIndex = std::max(-1, index);
    if (m_itemIndex < 0)
        return;
    InvalidateItem(m_itemIndex);
    if (OnItemSelect)
        OnItemSelect(this);
}

void TCustomItemSelector::setItemHot(int index)
{
    const TSelectorItems &items = m_owner.Items();
    if (index == m_itemHot || index >= items.Count() || (index >= 0 && !items.at(index).Enabled))
        return;
    if (m_itemHot >= 0) {
        const int old = m_itemHot;
        m_itemHot = -1;
        InvalidateItem(old);
    }
    m_itemHot = std::max(-1, index);
    InvalidateItem(m_itemHot);
}

void TCustomItemSelector::SelectFirst()
{
    if (m_owner.Items().Count() > 0)
        setItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (m_owner.Items().Count() > 0)
        setItemIndex(m_owner.Items().Count() - 1);
}

void TCustomItemSelector::SelectNext()
{
    const int count = m_owner.Items().Count();
    const int next = nextIndex(m_itemIndex, count);
    if (count > 0 && next != m_itemIndex)
        setItemIndex(next);
}

void TCustomItemSelector::SelectPrevious()
{
    const int count = m_owner.Items().Count();
    const int previous = previousIndex(m_itemIndex, count);
    if (count > 0 && previous != m_itemIndex)
        setItemIndex(previous);
}

void TCustomItemSelector::HotNext()
{
    const int count = m_owner.Items().Count();
    if (count > 0)
        setItemHot(nextIndex(m_itemHot, count));
}

void TCustomItemSelector::HotPrevious()
{
    const int count = m_owner.Items().Count();
    if (count > 0)
        setItemHot(previousIndex(m_itemHot, count));
}

bool TCustomItemSelector::LookupItem(const QString &search)
{
    QStringList captions;
    captions.reserve(m_owner.Items().Count());
    for (const TSelectorItem &item : m_owner.Items().items())
        captions << item.Caption;
    const int found = lookupCaption(captions, search);
    if (found < 0)
        return false;
    setItemIndex(found);
    return true;
}

QRect TCustomItemSelector::ItemRect(int index) const
{
    if (index < 0 || index >= m_count)
        return QRect(QPoint(-1, -1), QPoint(-1, -1));
    return selectorItemRect(index, m_columns, m_itemSize, m_margins);
}

int TCustomItemSelector::ItemAtPos(QPoint at) const
{
    // The grid is uniform: the row and column give the item at once.
    if (m_count == 0 || m_itemSize.isEmpty())
        return -1;
    const QPoint origin(m_margins.OffsetX, m_margins.OffsetY);
    if (at.x() < origin.x() || at.y() < origin.y())
        return -1;
    const int column = (at.x() - origin.x()) / m_itemSize.width();
    const int row = (at.y() - origin.y()) / m_itemSize.height();
    if (column >= m_columns)
        return -1;
    const long long index = static_cast<long long>(row) * m_columns + column;
    return index < m_count ? int(index) : -1;
}

QSize TCustomItemSelector::MeasureItem()
{
    if (m_owner.OnItemSize) {
        QSize size;
        m_owner.OnItemSize(this, size);
        return size;
    }
    QSize content;
    if (m_owner.SelectorType() == stColor)
        content = {m_owner.ColorBoxWidth(), m_owner.ColorBoxHeight()};
    QSize caption(0, 0);
    QImage scratch(1, 1, QImage::Format_ARGB32);
    TCanvas canvas(&scratch);
    useItemFont(canvas, m_owner.ItemAppearance(), clBlack);
    const TImageList *images = m_owner.Images();
    for (const TSelectorItem &item : m_owner.Items().items()) {
        if (m_owner.SelectorType() == stImage && !item.Image.isNull())
            content = content.expandedTo(item.Image.size());
        else if (images && item.ImageIndex >= 0)
            content = content.expandedTo(QSize(images->Width(), images->Height()));
        caption = caption.expandedTo(DrawHtmlCaption(canvas, item.Caption, Rect(0, 0, 1000, 500), this, false, images));
    }
    return measureSelectorItem(content, caption, m_owner.ItemLayout(), m_margins);
}

void TCustomItemSelector::ArrangeItems()
{
    const int count = m_owner.Items().Count();
    if (count == 0) {
        m_count = 0;
        m_itemSize = {};
        resize(100, 50);
        update();
        return;
    }
    m_itemHot = -1;
    m_itemSize = MeasureItem();
    m_count = count;
    m_columns = m_owner.Columns();
    resize(selectorPanelSize(count, m_columns, m_itemSize, m_margins));
    update();
}

void TCustomItemSelector::InvalidateItem(int index)
{
    if (index >= 0 && index < m_count)
        update(ItemRect(index));
}

void TCustomItemSelector::PaintItem(TCanvas &canvas, int index)
{
    if (index < 0 || index >= m_count || index >= m_owner.Items().Count())
        return;
    const QRect r = ItemRect(index);
    if (r.left() < 0 && r.right() < 0)
        return;
    const bool selected = index == m_itemIndex;
    const bool hot = index == m_itemHot;
    PaintSelectorItemFace(canvas, itemTRect(r), m_owner.ItemAppearance(), hot, selected, m_owner.Color());
    if (m_owner.OnDrawItem) {
        m_owner.OnDrawItem(this, canvas, itemTRect(r), index);
        return;
    }
    paintContent(canvas, index, hot, selected);
}

void TCustomItemSelector::paintContent(TCanvas &canvas, int index, bool hot, bool selected)
{
    const TSelectorItem &item = m_owner.Items().at(index);
    const TItemAppearance &appearance = m_owner.ItemAppearance();
    const TImageList *images = m_owner.Images();
    const bool colorBox = m_owner.SelectorType() == stColor;
    const bool picture = !colorBox && !item.Image.isNull();
    const bool listImage = !colorBox && !picture && images && item.ImageIndex >= 0;
    QSize content(0, 0);
    if (colorBox)
        content = {m_owner.ColorBoxWidth(), m_owner.ColorBoxHeight()};
    else if (picture)
        content = item.Image.size();
    else if (listImage)
        content = {images->Width(), images->Height()};
    const int w = content.width(), h = content.height();

    const QRect r = ItemRect(index);
    TRect tr = Rect(r.left() + m_margins.ItemOffsetX, r.top() + m_margins.ItemOffsetY,
                    r.left() + r.width() - m_margins.ItemOffsetX, r.top() + r.height() - m_margins.ItemOffsetY);
    TRect cr = tr;
    useItemFont(canvas, appearance, selectorItemTextColor(appearance, hot, selected, clBlack));
    const bool hasCaption = !item.Caption.isEmpty();

    const auto drawContent = [&](int x, int y, bool centreVertically) {
        if (colorBox) {
            setPen(canvas, clBlack);
            setBrush(canvas, item.Color);
            canvas.Rectangle(x, y, x + w, y + h);
            return;
        }
        if (centreVertically)
            y = cr.Top + (cr.Height() - h) / 2;
        if (picture)
            canvas.DrawImage(x, y, item.Image);
        else if (listImage)
            images->Draw(canvas, x, y, item.ImageIndex, item.Enabled);
    };
    const auto drawCentredCaption = [&](TRect box) -> int {
        const QSize text = DrawHtmlCaption(canvas, item.Caption, box, this, false, images);
        if (text.height() < box.Height())
            box.Top += (box.Height() - text.height()) / 2;
        DrawHtmlCaption(canvas, item.Caption, box, this, true, images);
        return text.width();
    };

    switch (m_owner.ItemLayout()) {
    case ilCaptionLeft:
        if (hasCaption) {
            tr.Right -= w;
            const int textWidth = drawCentredCaption(tr);
            cr.Left = tr.Left + textWidth + m_margins.CaptionGap;
        }
        drawContent(cr.Left, cr.Top, true);
        break;
    case ilCaptionRight:
        drawContent(cr.Left, cr.Top, true);
        if (w > 0)
            tr.Left = cr.Left + w + m_margins.CaptionGap;
        if (hasCaption)
            drawCentredCaption(tr);
        break;
    case ilCaptionTop:
        if (hasCaption) {
            tr.Bottom -= h;
            const QSize text = DrawHtmlCaption(canvas, item.Caption, tr, this, true, images);
            cr.Top = tr.Top + text.height() + m_margins.CaptionGap;
        } else {
            cr.Top += (cr.Height() - h) / 2;
        }
        cr.Left += (cr.Width() - w) / 2;
        drawContent(cr.Left, cr.Top, false);
        break;
    case ilCaptionBottom:
        if (!hasCaption)
            cr.Top += (cr.Height() - h) / 2;
        cr.Left += (cr.Width() - w) / 2;
        drawContent(cr.Left, cr.Top, false);
        tr.Top = cr.Top + h + m_margins.CaptionGap;
        if (hasCaption)
            DrawHtmlCaption(canvas, item.Caption, tr, this, true, images);
        break;
    }
}

void TCustomItemSelector::paintEvent(QPaintEvent *event)
{
    guarded([&] {
        TCanvas canvas(this);
        const QRect dirty = event->rect();
        canvas.FillColor(fromQRect(dirty), m_owner.Color());
        if (m_count == 0 || m_itemSize.isEmpty())
            return;
        // Only the rows that show.
        const int top = m_margins.OffsetY;
        const int firstRow = std::max(0, (dirty.top() - top) / m_itemSize.height());
        const int lastRow = std::max(0, (dirty.bottom() - top) / m_itemSize.height());
        const long long first = static_cast<long long>(firstRow) * m_columns;
        const long long last = std::min<long long>(static_cast<long long>(lastRow + 1) * m_columns, m_count);
        for (long long i = first; i < last; ++i)
            if (ItemRect(int(i)).intersects(dirty))
                PaintItem(canvas, int(i));
    });
}

void TCustomItemSelector::mousePressEvent(QMouseEvent *event)
{
    guarded([&] {
        const int index = ItemAtPos(event->position().toPoint());
        if (index >= 0 && m_owner.Items().at(index).Enabled)
            setItemIndex(index);
    });
}

void TCustomItemSelector::mouseMoveEvent(QMouseEvent *event)
{
    guarded([&] {
        const int index = ItemAtPos(event->position().toPoint());
        if (index < 0) {
            setItemHot(-1);
            return;
        }
        if (index == m_itemHot)
            return;
        const TSelectorItem &item = m_owner.Items().at(index);
        setItemHot(item.Enabled ? index : -1);
        setToolTip(item.Hint);
        QToolTip::hideText();
    });
}

void TCustomItemSelector::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    guarded([&] { setItemHot(-1); });
}

// ---- the scrolling control ----

TExCustomItemSelector::TExCustomItemSelector(QWidget *parent) : QScrollArea(parent)
{
    m_items.OnChange = [this] { UpdateSelectorPanel(); };
    m_appearance.ApplyColorStyle(scOffice2007);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_imagesLink.OnFree = [this] {
        m_images = nullptr;
        UpdateSelectorPanel();
    };
    m_panel = new TCustomItemSelector(*this);
    setWidget(m_panel);
    m_panel->OnItemSelect = [this](QObject *) {
        if (OnItemSelect)
            OnItemSelect(this);
    };
    setColor(clWhite);
    UpdateSelectorPanel();
}

TExCustomItemSelector::~TExCustomItemSelector()
{
    m_items.OnChange = nullptr;
    m_panel->OnItemSelect = nullptr;
}

void TExCustomItemSelector::setSelectorType(TSelectorType type)
{
    if (type == m_selectorType)
        return;
    m_selectorType = type;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::setColumns(int columns)
{
    if (columns < 1 || columns == m_columns)
        return;
    m_columns = columns;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::setColorBoxWidth(int width)
{
    if (width == m_colorBoxWidth)
        return;
    m_colorBoxWidth = width;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::setColorBoxHeight(int height)
{
    if (height == m_colorBoxHeight)
        return;
    m_colorBoxHeight = height;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::setImages(TImageList *images)
{
    if (images == m_images)
        return;
    if (m_images)
        m_images->UnRegisterChanges(m_imagesLink);
    m_images = images;
    if (m_images)
        m_images->RegisterChanges(m_imagesLink);
    UpdateSelectorPanel();
}

void TExCustomItemSelector::setColor(TColor color)
{
    m_color = color;
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, toQColor(color));
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);
    m_panel->update();
}

void TExCustomItemSelector::setItemIndex(int index)
{
    m_panel->setItemIndex(index);
    ScrollItemInView(m_panel->ItemIndex());
}

void TExCustomItemSelector::UpdateSelectorPanel()
{
    if (m_panel)
        m_panel->ArrangeItems();
}

void TExCustomItemSelector::SelectFirst()
{
    m_panel->SelectFirst();
    ScrollItemInView(m_panel->ItemIndex());
}

void TExCustomItemSelector::SelectLast()
{
    m_panel->SelectLast();
    ScrollItemInView(m_panel->ItemIndex());
}

void TExCustomItemSelector::SelectNext()
{
    m_panel->SelectNext();
    ScrollItemInView(m_panel->ItemIndex());
}

void TExCustomItemSelector::SelectPrevious()
{
    m_panel->SelectPrevious();
    ScrollItemInView(m_panel->ItemIndex());
}

void TExCustomItemSelector::HotNext()
{
    m_panel->HotNext();
    ScrollItemInView(m_panel->ItemHot());
}

void TExCustomItemSelector::HotPrevious()
{
    m_panel->HotPrevious();
    ScrollItemInView(m_panel->ItemHot());
}

void TExCustomItemSelector::ScrollItemInView(int index)
{
    if (index < 0 || index >= m_items.Count() || !verticalScrollBar()->isVisible())
        return;
    const QRect r = m_panel->ItemRect(index);
    QScrollBar *bar = verticalScrollBar();
    const int delta = scrollDeltaForItem(r.top(), r.top() + r.height(), bar->value(), viewport()->height());
    if (delta != 0)
        bar->setValue(bar->value() + delta);
}

int TExCustomItemSelector::GetVisibleItemCount() const
{
    if (m_items.Count() == 0)
        return 0;
    return visibleItemCount(viewport()->height(), m_panel->ItemRect(0).height(), m_columns, m_items.Count());
}

void TExCustomItemSelector::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    guarded([&] {
        if (OnResize)
            OnResize(this);
    });
}

void TExCustomItemSelector::wheelEvent(QWheelEvent *event)
{
    if (!OnWheel) {
        QScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    const int step = event->angleDelta().y();
    if (step != 0)
        guarded([&] { OnWheel(step); });
}

} // namespace controls
