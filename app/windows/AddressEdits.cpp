#include "app/windows/AddressEdits.h"

#include "platform/HandlerGuard.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace app {

void addressEditKeyPress(const std::vector<QLineEdit *> &edits, QObject *Sender, QChar &Key)
{
    if (Key != u'.')
        return;
    Key = QChar();
    const auto at = std::find(edits.begin(), edits.end(), Sender);
    if (at == edits.end() || at + 1 == edits.end())
        return;
    QLineEdit *next = *(at + 1);
    if (next->isVisible() && next->isEnabled()) {
        next->setFocus(Qt::TabFocusReason);
        next->selectAll();
    }
}

AddressDotKeys::AddressDotKeys(std::vector<QLineEdit *> edits, QObject *parent)
    : QObject(parent), m_edits(std::move(edits))
{
    for (QLineEdit *edit : m_edits)
        edit->installEventFilter(this);
}

bool AddressDotKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    if (typed.size() != 1)
        return false;
    QChar key = typed[0];
    platform::guarded([&] { addressEditKeyPress(m_edits, watched, key); });
    return key.isNull();
}

} // namespace app
