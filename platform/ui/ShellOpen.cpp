#include "platform/ui/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
namespace {
ShellOpenHook &hookSlot()
{
    static ShellOpenHook hook;
    return hook;
}
} // namespace

void shellOpen(const QString &address)
{
    if (const auto &hook = hookSlot()) {
        hook(address);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

ShellOpenHook setShellOpenHook(ShellOpenHook hook)
{
    ShellOpenHook previous = std::move(hookSlot());
    hookSlot() = std::move(hook);
    return previous;
}

} // namespace platform
