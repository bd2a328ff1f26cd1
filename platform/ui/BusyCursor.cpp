#include "platform/ui/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

BusyCursor::BusyCursor()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    m_shown = true;
}

BusyCursor::~BusyCursor()
{
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace platform
