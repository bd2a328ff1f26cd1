#pragma once
// Replaces a file whole or not at all: the bytes go to a temporary file in
// the same folder, which is renamed over the target only when complete. A
// set of files that belong together is replaced as a set in the same way.
//
// A new file gets the mode the user's umask gives any new file; an existing
// one keeps its mode. The temporary file is named after its target
// ("M_Bus.xml.saving-XXXXXX"); one left behind by a save that was killed
// before its rename is removed by the next save of that target.
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

// Whether a file name is one of the temporary names a save of target uses.
bool isTemporaryNameOf(const QString &fileName, const QString &targetFileName);

} // namespace platform
