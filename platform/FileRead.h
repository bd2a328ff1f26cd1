#pragma once
// Reading a whole file the way every loader of the program tells its cases
// apart: a file that is not there is missing, which readers answer with their
// defaults; a file that is there but cannot be read (a folder, no permission)
// is an error, so that nobody saves defaults over it.
#include <QByteArray>
#include <QString>

namespace platform {

struct FileRead {
    QByteArray bytes;
    bool missing = false;
    QString error; // why a file that is there could not be read

    bool ok() const { return !missing && error.isEmpty(); }
};

FileRead readWholeFile(const QString &path);

} // namespace platform
