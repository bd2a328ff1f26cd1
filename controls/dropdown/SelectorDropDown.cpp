#include "controls/dropdown/SelectorDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/paint/DrawHelpers.h"
#include "platform/ui/QtIntervalTimer.h"

#include <QKeyEvent>
#include <QStyle>

namespace controls {

using namespace platform;

TExSelectorDropDown::TExSelectorDropDown(TConstructKey key, QWidget *parent,
                                         std::unique_ptr<IntervalTimer> searchTimer)
    : TExCustomDropDown(key, parent),
      m_search(searchTimer ? std::move(searchTimer) : std::make_unique<QtIntervalTimer>())
{
}

TExSelectorDropDown::~TExSelectorDropDown()
{
    if (m_selector)
        m_selector->OnItemSelect = nullptr;
}

void TExSelectorDropDown::SetComponentStyle(TFenloStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    ApplyItemAppearanceStyle(&m_itemAppearance, style);
}

void TExSelectorDropDown::setSelectionColorStyle(TSelectionColorStyle style)
{
    TExCustomDropDown::setSelectionColorStyle(style);
    if (m_selector)
        m_selector->ItemAppearance().ApplyColorStyle(style);
}

TExCustomItemSelector *TExSelectorDropDown::createSelector()
{
    m_selector = new TExCustomItemSelector(DropDownForm());
    m_selector->setFocusPolicy(Qt::NoFocus);
    m_selector->viewport()->setFocusPolicy(Qt::NoFocus);
    m_selector->Panel()->setFocusPolicy(Qt::NoFocus);
    m_selector->OnWheel = [this](int step) { step < 0 ? WheelDown() : WheelUp(); };
    return m_selector;
}

void TExSelectorDropDown::fillSelector(int columns, TItemLayout layout, int itemIndex,
                                       const std::function<std::vector<TSelectorItem>()> &rows,
                                       const std::function<void(TExCustomItemSelector &)> &configure)
{
    if (!m_selector)
        return;
    m_selector->OnItemSelect = nullptr;
    m_selector->setColumns(columns);
    m_selector->setImages(Images());
    m_selector->setItemLayout(layout);
    m_selector->setColor(DropDownColor());
    if (configure)
        configure(*m_selector);
    m_selector->ItemAppearance().Assign(m_itemAppearance);
    if (m_stale)
        m_selector->Items().Assign(rows());
    else
        m_selector->UpdateSelectorPanel();
    m_selector->setItemIndex(itemIndex);
    m_selector->OnItemSelect = [this](QObject *) { SelectorItemSelected(); };
    m_stale = false;
}

void TExSelectorDropDown::ensureFilled()
{
    if (m_stale)
        FillSelector();
}

void TExSelectorDropDown::selectInList(int index)
{
    if (!m_selector || index < 0 || index >= m_selector->Items().Count())
        return;
    internalCall([&] { m_selector->setItemIndex(index); });
}

bool TExSelectorDropDown::moveInList(int key, bool open, int rowStep)
{
    const int current = m_selector->ItemIndex();
    const int count = m_selector->Items().Count();
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int n = m_selector->GetVisibleItemCount();
        if (n >= 1)
            selectInList(key == Qt::Key_PageUp ? std::max(0, current - n) : std::min(current + n, count - 1));
        return true;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!open)
            return false;
        internalCall([&] { key == Qt::Key_End ? m_selector->SelectLast() : m_selector->SelectFirst(); });
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!open)
            return false;
        if (!EditorEnabled())
            internalCall([&] { key == Qt::Key_Left ? m_selector->SelectPrevious() : m_selector->SelectNext(); });
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!open)
            return false;
        selectInList(current < 0 ? 0 : current + (key == Qt::Key_Up ? -rowStep : rowStep));
        return true;
    default:
        return false;
    }
}

bool TExSelectorDropDown::chooseHotItem()
{
    if (!m_selector || m_selector->ItemHot() < 0)
        return false;
    m_selector->setItemIndex(m_selector->ItemHot());
    return true;
}

void TExSelectorDropDown::searchList(Qt::KeyboardModifiers shift)
{
    if ((shift & Qt::ControlModifier) || searchKeyText(m_keyText).isEmpty())
        return;
    const QString search = m_search.add(m_keyText);
    internalCall([&] { m_selector->LookupItem(search); });
}

void TExSelectorDropDown::wheelInList(bool forward)
{
    if (DroppedDown()) {
        forward ? m_selector->HotNext() : m_selector->HotPrevious();
        return;
    }
    ensureFilled();
    internalCall([&] { forward ? m_selector->SelectNext() : m_selector->SelectPrevious(); });
}

void TExSelectorDropDown::sizeToSelectorPanel()
{
    TDropDownForm *form = DropDownForm();
    QSize size = m_selector->size();
    if (DropDownWidth() < 1)
        size.setWidth(m_selector->PanelSize().width());
    if (DropDownHeight() < 1)
        size.setHeight(m_selector->PanelSize().height());
    m_selector->resize(size);
    TExCustomDropDown::ComputeDropDownSize();
    if (m_selector->PanelSize().height() > form->height() - 2 * DropDownBorderWidth())
        form->resize(form->width() + m_selector->style()->pixelMetric(QStyle::PM_ScrollBarExtent), form->height());
}

void TExSelectorDropDown::SelectFirst()
{
    if (itemCount() > 0)
        setItemIndex(0);
}

void TExSelectorDropDown::SelectLast()
{
    if (itemCount() > 0)
        setItemIndex(itemCount() - 1);
}

void TExSelectorDropDown::SelectNext()
{
    if (itemCount() > 0)
        setItemIndex(nextIndex(ItemIndex(), itemCount()));
}

void TExSelectorDropDown::SelectPrevious()
{
    if (itemCount() > 0)
        setItemIndex(previousIndex(ItemIndex(), itemCount()));
}

void TExSelectorDropDown::keyPressEvent(QKeyEvent *event)
{
    m_keyText = event->text();
    TExCustomDropDown::keyPressEvent(event);
}

} // namespace controls
