#include "project/DocumentFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileRead.h"

namespace project {

LoadedDocument parseDocument(const QByteArray &bytes, const QString &pathForMessages)
{
    LoadedDocument loaded;
    loaded.xml = platform::parseXml(bytes);
    if (!loaded.xml.ok())
        loaded.error = FileError::of(FileError::Kind::NotWellFormed, pathForMessages, loaded.xml.error);
    return loaded;
}

FileBytes readFileBytes(const QString &path)
{
    platform::FileRead file = platform::readWholeFile(path);
    FileBytes result;
    result.missing = file.missing;
    if (!file.error.isEmpty())
        result.error = FileError::of(FileError::Kind::Unreadable, path, file.error);
    result.bytes = std::move(file.bytes);
    return result;
}

LoadedDocument loadDocumentFile(const QString &path)
{
    FileBytes file = readFileBytes(path);
    if (file.missing || file.error) {
        LoadedDocument loaded;
        loaded.missing = file.missing;
        loaded.error = std::move(file.error);
        return loaded;
    }
    return parseDocument(file.bytes, path);
}

std::optional<FileError> saveBytesFile(const QByteArray &bytes, const QString &path)
{
    QString reason;
    if (platform::writeFileAtomically(path, bytes, &reason))
        return std::nullopt;
    return FileError::of(FileError::Kind::WriteFailed, path, reason);
}

std::optional<FileError> saveDocumentFile(const platform::XmlOutDocument &document, const QString &path)
{
    return saveBytesFile(platform::serializeXml(document), path);
}

} // namespace project
