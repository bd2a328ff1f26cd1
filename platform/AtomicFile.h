#pragma once
// Replaces a file whole or not at all: the bytes go to a temporary file in
// the same folder, which is renamed over the target only when complete.
#include <QByteArray>
#include <QString>

namespace platform {

// Returns true on success; on failure the old file is untouched and
// *error (when given) says why.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace platform
