// The tab sheet: joining and leaving its page control, the caption its tab
// is sized by, its position among the pages, and the colours it paints its
// background in.
#include "controls/dropdown/TabSheet.h"

#include "controls/dropdown/PageControl.h"
#include "controls/dropdown/TabPainting.h"
#include "platform/Error.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/QtColor.h"

#include <QPainter>
#include <QShowEvent>
#include <algorithm>

namespace controls {

TExTabSheet::TExTabSheet(TExPageControl *pageControl) : QWidget(pageControl)
{
    setAutoFillBackground(false);
    hide();
    setPageControl(pageControl);
}

TExTabSheet::~TExTabSheet()
{
    if (m_closedIn)
        m_closedIn->forgetClosed(this);
    if (m_pageControl)
        m_pageControl->RemovePage(this);
}

void TExTabSheet::setPageControl(TExPageControl *pageControl)
{
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->RemovePage(this);
    if (!pageControl) {
        hide();
        return;
    }
    pageControl->InsertPage(this);
    if (m_textColor == platform::clBlack)
        m_textColor = pageControl->m_defaultTextColor;
    if (m_tabColor == platform::clNone)
        m_tabColor = pageControl->m_defaultTabColor;
    if (m_tabColorTo == platform::clNone)
        m_tabColorTo = pageControl->m_defaultTabColorTo;
}

void TExTabSheet::setCaption(const QString &caption)
{
    if (m_showClose)
        m_tabCaption = caption + u' ';
    else
        m_tabCaption = caption.size() < 3 ? QString() : caption.left(caption.size() - 2);
    m_caption = caption;
    if (m_pageControl)
        m_pageControl->UpdateTab(this);
}

void TExTabSheet::setTabVisible(bool visible)
{
    if (visible == m_tabVisible)
        return;
    m_tabVisible = visible;
    const bool showing = m_pageControl && m_tabVisible;
    if (showing == m_tabShowing)
        return;
    if (showing) {
        m_tabShowing = true;
        m_pageControl->InsertTab(this);
    } else {
        const int tab = TabIndex();
        m_tabShowing = false;
        m_pageControl->DeleteTab(this, tab);
    }
}

void TExTabSheet::setTabEnable(bool enable)
{
    if (enable == m_tabEnable)
        return;
    if (m_pageControl && m_pageControl->m_activePage == this)
        throw platform::Error(QStringLiteral("Can not disable active tab."));
    m_tabEnable = enable;
    invalidateControl();
}

void TExTabSheet::setShowClose(bool show)
{
    m_showClose = show;
    setCaption(m_caption);
    invalidateControl();
}

int TExTabSheet::PageIndex() const
{
    if (!m_pageControl)
        return -1;
    const auto &pages = m_pageControl->m_pages;
    const auto found = std::find(pages.begin(), pages.end(), this);
    return found == pages.end() ? -1 : static_cast<int>(found - pages.begin());
}

void TExTabSheet::setPageIndex(int index)
{
    if (!m_pageControl)
        return;
    auto &pages = m_pageControl->m_pages;
    const int last = m_pageControl->PageCount() - 1;
    if (index > last)
        throw platform::Error(
            QStringLiteral("%1 is an invalid PageIndex value.  PageIndex must be between 0 and %2").arg(index).arg(last));
    if (index < 0)
        throw platform::Error(QStringLiteral("List index out of bounds (%1)").arg(index));
    const int from = PageIndex();
    if (from == index)
        return;
    const int oldTab = TabIndex();
    pages.erase(pages.begin() + from);
    pages.insert(pages.begin() + index, this);
    if (m_tabShowing)
        m_pageControl->MoveTab(oldTab, TabIndex());
}

int TExTabSheet::TabIndex() const
{
    if (!m_tabShowing || !m_pageControl)
        return -1;
    int index = 0;
    for (const TExTabSheet *page : m_pageControl->m_pages) {
        if (page == this)
            return index;
        if (page->m_tabShowing)
            ++index;
    }
    return -1;
}

platform::TColor TExTabSheet::Color() const
{
    if (m_ownColor || !m_pageControl)
        return m_color;
    return m_pageControl->Color();
}

void TExTabSheet::setColor(platform::TColor color)
{
    m_color = color;
    m_ownColor = true;
    update();
    invalidateControl();
}

void TExTabSheet::setColorTo(platform::TColor color)
{
    m_colorTo = color;
    update();
    invalidateControl();
}

void TExTabSheet::setTextColor(platform::TColor color)
{
    m_textColor = color;
    invalidateControl();
}

void TExTabSheet::setTabColor(platform::TColor color)
{
    m_tabColor = color;
    invalidateControl();
}

void TExTabSheet::setTabColorTo(platform::TColor color)
{
    m_tabColorTo = color;
    invalidateControl();
}

void TExTabSheet::setTabGradientDirection(TTabGradientDirection direction)
{
    if (direction == m_tabGradientDirection)
        return;
    m_tabGradientDirection = direction;
    invalidateControl();
}

void TExTabSheet::setImageIndex(int index)
{
    m_imageIndex = index < 0 ? -1 : index;
    setCaption(m_caption);
}

void TExTabSheet::invalidateControl()
{
    if (m_pageControl)
        m_pageControl->update();
}

bool TExTabSheet::CanClose()
{
    bool canClose = true;
    if (OnCanClose)
        platform::guarded([&] { OnCanClose(this, canClose); });
    return canClose;
}

void TExTabSheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_colorTo == platform::clNone) {
        painter.fillRect(rect(), platform::toQColor(platform::ColorToRGB(Color())));
        return;
    }
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    {
        platform::TCanvas canvas(&image);
        DrawTabGradient(canvas, Color(), m_colorTo, false, QRect(QPoint(0, 0), size()), 64);
    }
    painter.drawImage(QPoint(0, 0), image);
}

void TExTabSheet::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (OnShow && !event->spontaneous())
        platform::guarded([this] { OnShow(this); });
}

void TExTabSheet::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (OnHide && !event->spontaneous())
        platform::guarded([this] { OnHide(this); });
}

} // namespace controls
