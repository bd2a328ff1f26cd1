#include "controls/dropdown/PageControl.h"

#include "platform/ui/HandlerGuard.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace controls {

TExPageControl::TExPageControl(QWidget *parent) : QWidget(parent), m_tabs(new QTabWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    m_tabs->setTabPosition(QTabWidget::West);
    m_tabs->setDocumentMode(false);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int) {
        if (m_settingByCode || !OnChange)
            return;
        platform::guarded([this] { OnChange(this); });
    });
}

TExPageControl::~TExPageControl()
{
    // The sheets are children of the tab widget and die with it; they must
    // not call back into a page control that is going away.
    for (TExTabSheet *sheet : m_sheets)
        sheet->m_pageControl = nullptr;
    m_sheets.clear();
}

TExTabSheet *TExPageControl::ActivePage() const
{
    return qobject_cast<TExTabSheet *>(m_tabs->currentWidget());
}

int TExPageControl::tabIndexOf(const TExTabSheet *sheet) const
{
    return m_tabs->indexOf(const_cast<TExTabSheet *>(sheet));
}

void TExPageControl::setActivePage(TExTabSheet *sheet)
{
    if (sheet == nullptr) {
        m_settingByCode = true;
        if (auto *current = ActivePage())
            current->hide();
        m_tabs->setCurrentIndex(-1);
        m_settingByCode = false;
        return;
    }
    if (sheet->m_pageControl != this || !sheet->m_tabEnabled)
        return;
    TExTabSheet *previous = ActivePage();
    if (previous == sheet) {
        m_tabs->tabBar()->setCurrentIndex(tabIndexOf(sheet));
        return;
    }
    const QWidget *focused = QApplication::focusWidget();
    const bool focusWasInside = previous != nullptr && focused != nullptr && previous->isAncestorOf(focused);

    m_settingByCode = true;
    m_tabs->setCurrentWidget(sheet);
    m_settingByCode = false;

    if (focusWasInside) {
        // The first child that takes the focus by tab, else the sheet itself.
        QWidget *target = sheet;
        for (QWidget *child : sheet->findChildren<QWidget *>()) {
            if (child->isVisibleTo(sheet) && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus)) {
                target = child;
                break;
            }
        }
        target->setFocus(Qt::OtherFocusReason);
    }
}

TExTabSheet *TExPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount())
        return nullptr;
    return m_sheets[static_cast<std::size_t>(index)];
}

int TExPageControl::ActivePageIndex() const
{
    const auto found = std::find(m_sheets.begin(), m_sheets.end(), ActivePage());
    return found == m_sheets.end() ? -1 : static_cast<int>(found - m_sheets.begin());
}

void TExPageControl::setActivePageIndex(int index) { setActivePage(Pages(index)); }

void TExPageControl::insertSheet(TExTabSheet *sheet)
{
    m_sheets.push_back(sheet);
    m_settingByCode = true;
    const int tab = m_tabs->addTab(sheet, sheet->m_caption);
    m_tabs->setTabVisible(tab, sheet->m_tabVisible);
    m_tabs->setTabEnabled(tab, sheet->m_tabEnabled);
    m_settingByCode = false;
}

void TExPageControl::removeSheet(TExTabSheet *sheet)
{
    m_sheets.erase(std::remove(m_sheets.begin(), m_sheets.end(), sheet), m_sheets.end());
    const int tab = tabIndexOf(sheet);
    if (tab >= 0) {
        m_settingByCode = true;
        m_tabs->removeTab(tab);
        m_settingByCode = false;
    }
}

void TExPageControl::updateTab(TExTabSheet *sheet)
{
    const int tab = tabIndexOf(sheet);
    if (tab < 0)
        return;
    m_settingByCode = true;
    m_tabs->setTabText(tab, sheet->m_caption);
    m_tabs->setTabVisible(tab, sheet->m_tabVisible);
    m_tabs->setTabEnabled(tab, sheet->m_tabEnabled);
    m_settingByCode = false;
}

TExTabSheet::TExTabSheet(TExPageControl *pageControl) : QWidget(nullptr)
{
    setPageControl(pageControl);
}

TExTabSheet::~TExTabSheet()
{
    if (m_pageControl)
        m_pageControl->removeSheet(this);
}

void TExTabSheet::setPageControl(TExPageControl *pageControl)
{
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->removeSheet(this);
    m_pageControl = pageControl;
    if (m_pageControl)
        m_pageControl->insertSheet(this);
    else
        setParent(nullptr);
}

void TExTabSheet::setCaption(const QString &caption)
{
    m_caption = caption;
    if (m_pageControl)
        m_pageControl->updateTab(this);
}

void TExTabSheet::setTabVisible(bool visible)
{
    m_tabVisible = visible;
    if (m_pageControl)
        m_pageControl->updateTab(this);
}

void TExTabSheet::setTabEnabled(bool enabled)
{
    m_tabEnabled = enabled;
    if (m_pageControl)
        m_pageControl->updateTab(this);
}

int TExTabSheet::PageIndex() const
{
    if (!m_pageControl)
        return -1;
    for (int i = 0; i < m_pageControl->PageCount(); ++i)
        if (m_pageControl->Pages(i) == this)
            return i;
    return -1;
}

} // namespace controls
