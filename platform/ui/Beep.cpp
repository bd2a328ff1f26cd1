#include "platform/ui/Beep.h"

#include <QApplication>

namespace platform {

namespace {
std::function<void()> &beepHook()
{
    static std::function<void()> hook;
    return hook;
}
} // namespace

void messageBeep()
{
    if (beepHook())
        beepHook()();
    else
        QApplication::beep();
}

void setMessageBeepHook(std::function<void()> hook)
{
    beepHook() = std::move(hook);
}

} // namespace platform
