#include "platform/AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace platform {

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

namespace {

void tell(QString *slot, const QString &text)
{
    if (slot)
        *slot = text;
}

// Writes the bytes to a new temporary file beside path and makes them
// durable; the file is removed again when the object goes, unless renamed.
std::unique_ptr<QTemporaryFile> writeBeside(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo target(path);
    auto file = std::make_unique<QTemporaryFile>(target.absolutePath() + u'/' + target.fileName()
                                                 + QStringLiteral(".XXXXXX.new"));
    if (!file->open() || file->write(bytes) != bytes.size() || !file->flush() || ::fsync(file->handle()) != 0) {
        *error = file->errorString();
        return nullptr;
    }
    file->close();
    return file;
}

} // namespace

bool writeFilesAtomically(const std::vector<FileToWrite> &files, QString *failedPath, QString *error)
{
    if (files.empty()) {
        tell(error, QStringLiteral("nothing to write"));
        return false;
    }
    std::vector<std::unique_ptr<QTemporaryFile>> written;
    for (const FileToWrite &file : files) {
        QString why;
        // A folder in a file's place would stop the renames halfway: refused first.
        if (QFileInfo(file.path).isDir())
            why = QStringLiteral("a folder has that name");
        else if (auto temporary = writeBeside(file.path, file.bytes, &why))
            written.push_back(std::move(temporary));
        if (!why.isEmpty()) {
            tell(failedPath, file.path);
            tell(error, why);
            return false; // the temporary files written so far go with `written`
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QByteArray from = written[i]->fileName().toLocal8Bit();
        const QByteArray to = files[i].path.toLocal8Bit();
        if (std::rename(from.constData(), to.constData()) != 0) {
            // Only a failing disk gets here, after the checks above.
            tell(failedPath, files[i].path);
            tell(error, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        written[i]->setAutoRemove(false);
    }
    return true;
}

} // namespace platform
