#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

const QString TemporaryMark = QStringLiteral(".saving-");
constexpr int RandomLength = 6;
constexpr char RandomChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

void tell(QString *slot, const QString &text)
{
    if (slot)
        *slot = text;
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

bool isRandomChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

QString randomSuffix()
{
    QString suffix;
    for (int i = 0; i < RandomLength; ++i)
        suffix += QLatin1Char(RandomChars[QRandomGenerator::global()->bounded(int(sizeof RandomChars) - 1)]);
    return suffix;
}

// A link is kept and the file it points to replaced, as editors do.
QString resolvedTarget(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

bool sameFile(int fd, const QByteArray &path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev
           && opened.st_ino == named.st_ino;
}

// Temporary files of earlier saves of the target that were killed before
// their rename. A save still running holds a lock on its file, so only
// files nobody holds are taken.
void removeLeftovers(const QFileInfo &target)
{
    const QDir folder = target.absoluteDir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (!isTemporaryNameOf(name, target.fileName()))
            continue;
        const QByteArray path = native(folder.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}

// The bytes of one target under a temporary name beside it, held open and
// locked until renamed or removed.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    ~TemporaryFile()
    {
        if (m_fd < 0)
            return;
        if (!m_renamed)
            ::unlink(m_path.constData()); // while still locked: no clean-up races for it
        ::close(m_fd);
    }

    bool write(const QString &target, const QByteArray &bytes, QString *error)
    {
        const QFileInfo info(target);
        struct stat existing {};
        const bool exists = ::stat(native(target).constData(), &existing) == 0;
        if (exists && ::access(native(target).constData(), W_OK) != 0) {
            tell(error, systemError(errno));
            return false;
        }
        removeLeftovers(info);
        if (!create(info, error))
            return false;
        // A new file has the mode open() gave it under the umask; a replaced one keeps its own.
        if ((exists && ::fchmod(m_fd, existing.st_mode & 07777) != 0) || !writeAll(m_fd, bytes)
            || ::fsync(m_fd) != 0) {
            tell(error, systemError(errno));
            return false;
        }
        return true;
    }

    bool renameOver(const QString &target, QString *error)
    {
        if (::rename(m_path.constData(), native(target).constData()) != 0) {
            tell(error, systemError(errno));
            return false;
        }
        m_renamed = true;
        return true;
    }

private:
    bool create(const QFileInfo &target, QString *error)
    {
        const QString stem = target.absoluteFilePath() + TemporaryMark;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray path = native(stem + randomSuffix());
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0) {
                if (errno == EEXIST)
                    continue;
                tell(error, systemError(errno));
                return false;
            }
            // Another save's clean-up may have taken the name before the
            // lock was held: then another name.
            if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !sameFile(fd, path)) {
                ::close(fd);
                continue;
            }
            m_fd = fd;
            m_path = path;
            return true;
        }
        tell(error, QStringLiteral("no free temporary name"));
        return false;
    }

    int m_fd = -1;
    QByteArray m_path;
    bool m_renamed = false;
};

} // namespace

bool isTemporaryNameOf(const QString &fileName, const QString &targetFileName)
{
    const QString stem = targetFileName + TemporaryMark;
    if (fileName.size() != stem.size() + RandomLength || !fileName.startsWith(stem))
        return false;
    for (qsizetype i = stem.size(); i < fileName.size(); ++i)
        if (!isRandomChar(fileName[i]))
            return false;
    return true;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    return writeFilesAtomically({{path, bytes}}, nullptr, error);
}

bool writeFilesAtomically(const std::vector<FileToWrite> &files, QString *failedPath, QString *error)
{
    if (files.empty()) {
        tell(error, QStringLiteral("nothing to write"));
        return false;
    }
    std::vector<QString> targets;
    std::vector<std::unique_ptr<TemporaryFile>> written;
    for (const FileToWrite &file : files) {
        const QString target = resolvedTarget(file.path);
        QString why;
        // A folder in a file's place would stop the renames halfway: refused first.
        if (QFileInfo(target).isDir())
            why = QStringLiteral("a folder has that name");
        else if (auto temporary = std::make_unique<TemporaryFile>(); temporary->write(target, file.bytes, &why))
            written.push_back(std::move(temporary));
        if (!why.isEmpty()) {
            tell(failedPath, file.path);
            tell(error, why);
            return false; // the temporary files written so far go with `written`
        }
        targets.push_back(target);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        QString why;
        if (!written[i]->renameOver(targets[i], &why)) {
            // Only a failing disk gets here, after the checks above.
            tell(failedPath, files[i].path);
            tell(error, why);
            return false;
        }
    }
    return true;
}

} // namespace platform
