#include "project/dialogs/NetworkDialogComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyle>

namespace project {

WideListComboBox::WideListComboBox(QWidget *parent) : QComboBox(parent) {}

void WideListComboBox::fitListWidth(int extra)
{
    int widest = 0;
    const QFontMetrics metrics(font());
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int needed = widest + 12 + extra;
    if (width() - scrollBar >= needed) {
        m_listWidth = 0;
        view()->setMinimumWidth(0);
        return;
    }
    if (count() > maxVisibleItems())
        needed += scrollBar;
    m_listWidth = needed;
    view()->setMinimumWidth(needed);
}

void WideListComboBox::showPopup()
{
    QComboBox::showPopup();
    if (m_listWidth <= 0)
        return;
    // Line the list's right edge up with the combo's.
    QWidget *popup = view()->window();
    const int comboRight = mapToGlobal(QPoint(width(), 0)).x();
    const QRect frame = popup->geometry();
    if (frame.right() + 1 != comboRight)
        popup->move(comboRight - frame.width(), frame.top());
}

} // namespace project
