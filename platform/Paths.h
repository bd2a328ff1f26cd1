#pragma once
// Folder and file names. Windows joined them with a backslash; we join with
// "/". Names keep their exact case.
#include <QString>

namespace platform {

// Joins folder and name with exactly one "/" between them.
QString joinPath(const QString &folder, const QString &name);

// The folder of the running executable, without a trailing separator.
QString executableDir();

} // namespace platform
