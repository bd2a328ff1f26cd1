#include "controls/dropdown/PageControl.h"

#include "controls/dropdown/TabPainting.h"
#include "platform/Error.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/ImageList.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace controls {
namespace {

QFont tahoma() { return platform::makeFont(QStringLiteral("Tahoma"), 8); }

QWidget *firstFocusable(QWidget *page)
{
    for (QWidget *child : page->findChildren<QWidget *>()) {
        if (child->isVisibleTo(page) && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus))
            return child;
    }
    return nullptr;
}

} // namespace

// --- TTabMargin -------------------------------------------------------------

void TTabMargin::set(int &field, int value, int index)
{
    if (field == value)
        return;
    if (OnMarginChange)
        OnMarginChange(value, field, index);
    field = value;
}

void TTabMargin::Assign(const TTabMargin &other)
{
    m_left = other.m_left;
    m_top = other.m_top;
    m_right = other.m_right;
}

// --- TExPageControl ---------------------------------------------------------

TExPageControl::TExPageControl(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QWidget::setFont(tahoma());
    m_activeFont.font = tahoma();
    m_activeFont.color = platform::clWindowText;
    m_tabMargin.OnMarginChange = [this](int, int, int) {
        m_layoutValid = false;
        update();
    };
}

TExPageControl::~TExPageControl()
{
    // The sheets are children and die after this body: none may call back.
    for (TExTabSheet *page : m_pages)
        page->m_pageControl = nullptr;
    for (auto &closed : m_closedTabs)
        closed.second->m_closedIn = nullptr;
    m_pages.clear();
    m_closedTabs.clear();
}

TExTabSheet *TExPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount())
        return nullptr;
    return m_pages[static_cast<std::size_t>(index)];
}

int TExPageControl::ActivePageIndex() const { return m_activePage ? m_activePage->PageIndex() : -1; }

void TExPageControl::setActivePageIndex(int index) { setActivePage(Pages(index)); }

void TExPageControl::setActivePage(TExTabSheet *page)
{
    if (page && page->m_pageControl != this)
        return;
    ChangeActivePage(page);
    if (!page) {
        m_tabIndex = -1;
        m_activePage = nullptr;
    } else if (page == m_activePage) {
        m_tabIndex = page->TabIndex();
    }
    update();
}

void TExPageControl::ChangeActivePage(TExTabSheet *page)
{
    if (page == m_activePage || !page || !page->m_tabEnable)
        return;
    TExTabSheet *old = m_activePage;
    const QWidget *focused = QApplication::focusWidget();
    const bool focusWasInside = old && focused && old->isAncestorOf(focused);
    page->raise();
    page->show();
    m_activePage = page;
    if (focusWasInside) {
        QWidget *target = firstFocusable(page);
        (target ? target : static_cast<QWidget *>(this))->setFocus(Qt::OtherFocusReason);
    }
    if (old)
        old->hide();
    if (old)
        UpdateTabWidth(old);
    UpdateTabWidth(page);
    update();
}

void TExPageControl::ActivateTabPage()
{
    if (m_tabIndex < 0 || m_tabIndex >= tabCount())
        setActivePage(nullptr);
    else
        setActivePage(m_tabs[static_cast<std::size_t>(m_tabIndex)].sheet);
}

void TExPageControl::Change()
{
    ActivateTabPage();
    // A page that refused to become active keeps the selection where it was.
    if (m_activePage)
        m_tabIndex = m_activePage->TabIndex();
    if (OnChange)
        platform::guarded([this] { OnChange(this); });
    update();
}

bool TExPageControl::CanChange(int targetPage)
{
    bool allow = true;
    if (OnCanChange)
        platform::guarded([&] { OnCanChange(this, ActivePageIndex(), targetPage, allow); });
    return allow;
}

bool TExPageControl::selectTab(int tabIndex)
{
    if (tabIndex < 0 || tabIndex >= tabCount() || tabIndex == m_tabIndex)
        return false;
    TExTabSheet *page = m_tabs[static_cast<std::size_t>(tabIndex)].sheet;
    if (!page->isEnabled() || !CanChange(page->PageIndex()))
        return false;
    m_tabIndex = tabIndex;
    m_layoutValid = false;
    Change();
    return true;
}

TExTabSheet *TExPageControl::FindNextPage(TExTabSheet *current, bool goForward, bool checkTabVisible) const
{
    if (m_pages.empty())
        return nullptr;
    const int count = PageCount();
    int start = current ? current->PageIndex() : -1;
    if (start < 0 || current->m_pageControl != this)
        start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TExTabSheet *page = m_pages[static_cast<std::size_t>(i)];
        if (!checkTabVisible || page->m_tabVisible)
            return page;
    } while (i != start);
    return nullptr;
}

void TExPageControl::SelectNextPage(bool goForward)
{
    TExTabSheet *page = FindNextPage(m_activePage, goForward, true);
    if (!page || page == m_activePage || !CanChange(PageIndexAt(mapFromGlobal(QCursor::pos()))))
        return;
    m_tabIndex = page->TabIndex();
    m_layoutValid = false;
    Change();
}

void TExPageControl::InsertPage(TExTabSheet *page)
{
    m_pages.push_back(page);
    page->m_pageControl = this;
    page->setParent(this);
    page->setGeometry(sheetRect());
    page->hide();
    if (page->m_tabVisible) {
        page->m_tabShowing = true;
        InsertTab(page);
    }
}

void TExPageControl::RemovePage(TExTabSheet *page)
{
    TExTabSheet *next = FindNextPage(page, true, true);
    if (next == page)
        next = nullptr;
    if (page->m_tabShowing) {
        const int tab = page->TabIndex();
        page->m_tabShowing = false;
        DeleteTab(page, tab);
    }
    page->m_pageControl = nullptr;
    m_pages.erase(std::remove(m_pages.begin(), m_pages.end(), page), m_pages.end());
    if (m_activePage == page) {
        // It leaves the control: it is no longer the page shown.
        m_activePage = nullptr;
        page->hide();
    }
    if (m_hoverTab >= PageCount())
        m_hoverTab = -1;
    setActivePage(next);
    placeSheets();
}

void TExPageControl::InsertTab(TExTabSheet *page)
{
    const int at = page->TabIndex();
    m_tabs.insert(m_tabs.begin() + at, Tab{page->m_tabCaption, page});
    // As a tab control does: the first tab is selected, and the selection
    // stays on its tab when one is inserted before it.
    if (m_tabIndex < 0 && tabCount() == 1)
        m_tabIndex = 0;
    else if (m_tabIndex >= at)
        ++m_tabIndex;
    relayout();
    ActivateTabPage();
}

void TExPageControl::DeleteTab(TExTabSheet *page, int tabIndex)
{
    if (tabIndex < 0 || tabIndex >= tabCount())
        return;
    m_tabs.erase(m_tabs.begin() + tabIndex);
    if (page == m_activePage)
        m_tabIndex = std::min(tabIndex, tabCount() - 1);
    else if (m_tabIndex > tabIndex)
        --m_tabIndex;
    relayout();
    ActivateTabPage();
}

void TExPageControl::MoveTab(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= tabCount() || to >= tabCount())
        return;
    const Tab tab = m_tabs[static_cast<std::size_t>(from)];
    m_tabs.erase(m_tabs.begin() + from);
    m_tabs.insert(m_tabs.begin() + to, tab);
    if (m_tabIndex == from)
        m_tabIndex = to;
    else if (from < m_tabIndex && m_tabIndex <= to)
        --m_tabIndex;
    else if (to <= m_tabIndex && m_tabIndex < from)
        ++m_tabIndex;
    relayout();
}

void TExPageControl::UpdateTab(TExTabSheet *page)
{
    const int tab = page->TabIndex();
    if (tab < 0 || tab >= tabCount())
        return;
    m_tabs[static_cast<std::size_t>(tab)].text = page->m_tabCaption;
    // The active tab keeps the room its bold or italic caption needs.
    if (page == m_activePage)
        UpdateTabWidth(page);
    relayout();
}

void TExPageControl::UpdateTabWidth(TExTabSheet *page)
{
    const int tab = page->TabIndex();
    if (tab < 0 || tab >= tabCount())
        return;
    QString text = page->m_tabCaption;
    const QFont &active = m_activeFont.font;
    if (page == m_activePage && (active.bold() || active.italic())) {
        const QFontMetrics normal(font());
        const int missing = QFontMetrics(active).horizontalAdvance(text) - normal.horizontalAdvance(text);
        QString padding;
        while (normal.horizontalAdvance(padding) < missing)
            padding += u' ';
        text += padding;
    }
    m_tabs[static_cast<std::size_t>(tab)].text = text;
    relayout();
}

QString TExPageControl::tabText(int tabIndex) const
{
    if (tabIndex < 0 || tabIndex >= tabCount())
        return {};
    return m_tabs[static_cast<std::size_t>(tabIndex)].text;
}

bool TExPageControl::OpenClosedTab(const QString &tabName)
{
    const auto found = std::find_if(m_closedTabs.begin(), m_closedTabs.end(),
                                    [&](const auto &entry) { return entry.first == tabName; });
    if (found == m_closedTabs.end())
        return false;
    found->second->setPageControl(this);
    return true;
}

void TExPageControl::OpenAllClosedTabs()
{
    const auto closed = m_closedTabs;
    for (const auto &entry : closed)
        entry.second->setPageControl(this);
}

QStringList TExPageControl::closedTabNames() const
{
    QStringList names;
    for (const auto &entry : m_closedTabs)
        names << entry.first;
    return names;
}

void TExPageControl::forgetClosed(TExTabSheet *page)
{
    m_closedTabs.erase(std::remove_if(m_closedTabs.begin(), m_closedTabs.end(),
                                      [page](const auto &entry) { return entry.second == page; }),
                       m_closedTabs.end());
}

void TExPageControl::closeActiveTab()
{
    TExTabSheet *page = m_activePage;
    TExTabSheet *next = FindNextPage(page, true, true);
    if (!page->CanClose())
        return;
    if (page->OnClose)
        platform::guarded([page] { page->OnClose(page); });
    setActivePage(next);
    if (m_freeOnClose) {
        delete page;
    } else {
        // Kept, hidden, as a child of this control until reopened or until
        // the control goes: never a window of its own.
        if (page->m_closedIn != this) {
            if (page->m_closedIn)
                page->m_closedIn->forgetClosed(page);
            m_closedTabs.emplace_back(page->objectName(), page);
            page->m_closedIn = this;
        }
        page->setPageControl(nullptr);
    }
    update();
}

// --- properties -------------------------------------------------------------

void TExPageControl::setTabPosition(TTabPosition position)
{
    m_tabPosition = position;
    relayout();
}

void TExPageControl::setTabStyle(TTabStyle style)
{
    if (style == m_tabStyle)
        return;
    m_tabStyle = style;
    update();
}

void TExPageControl::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    relayout();
}

void TExPageControl::setRaggedRight(bool ragged)
{
    m_raggedRight = ragged;
    relayout();
}

void TExPageControl::setTabHeight(int height)
{
    m_tabHeight = std::max(height, 0);
    relayout();
}

void TExPageControl::setTabWidth(int width)
{
    m_tabWidth = std::max(width, 0);
    relayout();
}

void TExPageControl::setTabOverlap(int overlap)
{
    m_tabOverlap = std::clamp(overlap, 0, 15);
    update();
}

void TExPageControl::setLowerActive(int pixels)
{
    if (pixels == m_lowerActive)
        return;
    m_lowerActive = pixels;
    update();
}

void TExPageControl::setColor(platform::TColor color)
{
    m_color = color;
    for (TExTabSheet *page : m_pages)
        page->update();
    update();
}

void TExPageControl::setDefaultTextColor(platform::TColor color)
{
    for (TExTabSheet *page : m_pages)
        if (page->m_textColor == m_defaultTextColor)
            page->setTextColor(color);
    m_defaultTextColor = color;
    update();
}

void TExPageControl::setDefaultTabColor(platform::TColor color)
{
    for (TExTabSheet *page : m_pages)
        if (page->m_tabColor == m_defaultTabColor)
            page->setTabColor(color);
    m_defaultTabColor = color;
    update();
}

void TExPageControl::setDefaultTabColorTo(platform::TColor color)
{
    for (TExTabSheet *page : m_pages)
        if (page->m_tabColorTo == m_defaultTabColorTo)
            page->setTabColorTo(color);
    m_defaultTabColorTo = color;
    update();
}

void TExPageControl::setActiveColor(platform::TColor color)
{
    m_activeColor = color;
    update();
}

void TExPageControl::setActiveColorTo(platform::TColor color)
{
    m_activeColorTo = color;
    update();
}

void TExPageControl::setTabBorderColor(platform::TColor color)
{
    m_tabBorderColor = color;
    update();
}

void TExPageControl::setTabSheetBorderColor(platform::TColor color)
{
    if (color == m_tabSheetBorderColor)
        return;
    m_tabSheetBorderColor = color;
    update();
}

void TExPageControl::setTabBackGroundColor(platform::TColor color)
{
    if (color == m_tabBackGroundColor)
        return;
    m_tabBackGroundColor = color;
    update();
}

void TExPageControl::setTabSheet3D(bool value)
{
    if (value == m_tabSheet3D)
        return;
    m_tabSheet3D = value;
    update();
}

void TExPageControl::setTabSplitLine(bool value)
{
    if (value == m_tabSplitLine)
        return;
    if (value && m_tabStyle == TTabStyle::tsDotNet)
        throw platform::Error(QStringLiteral("TabSplitLine must be false when TabStyle is tsDotNet"));
    m_tabSplitLine = value;
    update();
}

void TExPageControl::setRoundEdges(bool value)
{
    if (value == m_roundEdges)
        return;
    m_roundEdges = value;
    update();
}

void TExPageControl::setActiveFont(const TLbFont &font)
{
    m_activeFont = font;
    if (m_activePage)
        UpdateTabWidth(m_activePage);
    update();
}

void TExPageControl::setFont(const QFont &font)
{
    QWidget::setFont(font);
    for (TExTabSheet *page : m_pages)
        UpdateTabWidth(page);
    relayout();
}

void TExPageControl::setImages(platform::TImageList *images)
{
    m_images = images;
    update();
}

// --- geometry ---------------------------------------------------------------

int TExPageControl::tabThickness() const
{
    return m_tabHeight > 0 ? m_tabHeight : QFontMetrics(font()).height() + 7;
}

const std::vector<QRect> &TExPageControl::tabRects() const
{
    if (!m_layoutValid) {
        TabLayoutInput in;
        in.position = m_tabPosition;
        in.control = size();
        in.thickness = tabThickness();
        in.multiLine = m_multiLine;
        in.raggedRight = m_raggedRight;
        in.fixedLength = m_tabWidth;
        in.selected = m_tabIndex;
        const QFontMetrics metrics(font());
        for (const Tab &tab : m_tabs)
            in.lengths.push_back(metrics.horizontalAdvance(tab.text) + 2 * TabTextPadding);
        m_tabRects = layoutTabs(in);
        m_layoutValid = true;
    }
    return m_tabRects;
}

void TExPageControl::relayout()
{
    m_layoutValid = false;
    placeSheets();
    update();
}

void TExPageControl::placeSheets()
{
    const QRect area = sheetRect();
    for (TExTabSheet *page : m_pages)
        page->setGeometry(area);
}

QRect TExPageControl::GetPageTabRect(int pageIndex) const
{
    const TExTabSheet *page = Pages(pageIndex);
    if (!page || !page->m_tabShowing)
        return {};
    const int tab = page->TabIndex();
    const auto &rects = tabRects();
    return tab >= 0 && tab < static_cast<int>(rects.size()) ? rects[static_cast<std::size_t>(tab)] : QRect();
}

int TExPageControl::PageIndexAt(QPoint point) const
{
    const int tab = tabAt(tabRects(), point);
    if (tab < 0)
        return -1;
    return m_tabs[static_cast<std::size_t>(tab)].sheet->PageIndex();
}

QRect TExPageControl::sheetRect() const
{
    const TabStrip strip = tabStrip(tabRects(), m_tabPosition, size());
    const int w = width();
    const int h = height();
    switch (m_tabPosition) {
    case TTabPosition::tpTop:
        return QRect(QPoint(4, strip.maxBottom + 4), QPoint(w - 5, h - 5));
    case TTabPosition::tpBottom:
        return QRect(QPoint(4, 4), QPoint(w - 5, strip.minTop - 5));
    case TTabPosition::tpLeft:
        return QRect(QPoint(strip.maxRight + 4, 4), QPoint(w - 5, h - 5));
    case TTabPosition::tpRight:
        return QRect(QPoint(4, 4), QPoint(strip.minLeft - 5, h - 5));
    }
    return rect();
}

bool TExPageControl::IsOnCloseButton(int pageIndex, QPoint point) const
{
    const QRect tab = GetPageTabRect(pageIndex);
    if (tab.isNull())
        return false;
    QRect hot;
    if (m_tabPosition == TTabPosition::tpLeft) {
        const int left = tab.left() + m_tabMargin.LeftMargin();
        const int bottom = tab.top() + tab.height() - m_tabMargin.TopMargin();
        hot = QRect(QPoint(left + 2, bottom - 13), QPoint(left + 13, bottom - 3));
    } else {
        const int left = tab.left() + m_tabMargin.LeftMargin();
        const int top = tab.top() + m_tabMargin.TopMargin();
        hot = QRect(QPoint(left + 2, top + 2), QPoint(left + 13, top + 12));
    }
    return hot.contains(point);
}

// --- events -----------------------------------------------------------------

QImage TExPageControl::paintTabs() const { return TabPainter(*this).paint(); }

void TExPageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), paintTabs());
}

void TExPageControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void TExPageControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (m_activePage && m_activePage->m_showClose && IsOnCloseButton(ActivePageIndex(), at)) {
        m_closePressed = true;
        update();
        return;
    }
    selectTab(tabAt(tabRects(), at));
}

void TExPageControl::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_closePressed;
    m_closePressed = false;
    if (event->button() != Qt::LeftButton || !m_activePage)
        return;
    // Only a press on the close button closes: a press that selected the tab
    // may leave the pointer over the close button it now shows.
    if (wasPressed && m_activePage->m_showClose && IsOnCloseButton(ActivePageIndex(), event->position().toPoint()))
        closeActiveTab();
    else if (wasPressed)
        update();
}

void TExPageControl::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tabHoverColor == platform::clNone)
        return;
    const QPoint at = event->position().toPoint();
    const int page = PageIndexAt(at);
    if (page != m_hoverTab) {
        m_hoverTab = page;
        update();
    }
    if (m_activePage && m_activePage->m_showClose) {
        const bool over = IsOnCloseButton(ActivePageIndex(), at);
        if (over != m_hoverCloseButton) {
            m_hoverCloseButton = over;
            update();
        }
    }
}

void TExPageControl::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hoverTab = -1;
    m_hoverCloseButton = false;
    update();
}

void TExPageControl::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        SelectNextPage(!(event->modifiers() & Qt::ShiftModifier) && event->key() == Qt::Key_Tab);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TExPageControl::event(QEvent *event)
{
    // Ctrl+Tab from a control inside a sheet reaches here as a shortcut
    // override first; claim it so that it arrives as a key press.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & Qt::ControlModifier)
            && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

} // namespace controls
