#include "platform/FileRead.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

FileRead readWholeFile(const QString &path)
{
    FileRead result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.missing = true;
        return result;
    }
    if (info.isDir()) {
        result.error = QStringLiteral("It is a folder.");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.error = file.errorString();
    }
    return result;
}

} // namespace platform
