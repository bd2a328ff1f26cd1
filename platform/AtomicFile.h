#pragma once
// Replaces a file whole or not at all: the bytes go to a temporary file in
// the same folder, which is renamed over the target only when complete. A
// set of files that belong together is replaced as a set in the same way.
#include <QByteArray>
#include <QString>
#include <vector>

namespace platform {

// Returns true on success; on failure the old file is untouched and
// *error (when given) says why.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

struct FileToWrite {
    QString path;
    QByteArray bytes;
};

// Every file is written under a temporary name beside its target first; only
// when all of them are complete are they renamed into place, so a reader
// never meets some files of the new set beside others of an old one. On
// failure no target has changed, no temporary file is left, and *failedPath
// and *error (when given) say which file and why.
bool writeFilesAtomically(const std::vector<FileToWrite> &files, QString *failedPath = nullptr,
                          QString *error = nullptr);

} // namespace platform
