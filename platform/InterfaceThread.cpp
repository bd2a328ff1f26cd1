#include "platform/InterfaceThread.h"

#include <QCoreApplication>
#include <QThread>
#include <unistd.h>

namespace platform {

bool isInterfaceThread()
{
    if (const QCoreApplication *app = QCoreApplication::instance())
        return QThread::currentThread() == app->thread();
    return gettid() == getpid();
}

} // namespace platform
