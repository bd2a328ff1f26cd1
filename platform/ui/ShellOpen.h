#pragma once
// Opens a document or a web address with the desktop's default program, the
// way the shell verb "open" does. Tests replace it to record the address
// instead of starting a browser.
#include <QString>
#include <functional>

namespace platform {

using ShellOpenHook = std::function<void(const QString &address)>;

// Hands the address to the desktop; failures are not reported, as on Windows.
void shellOpen(const QString &address);

// Installs a hook in place of the desktop; returns the previous one.
ShellOpenHook setShellOpenHook(ShellOpenHook hook);

} // namespace platform
