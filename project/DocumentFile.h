#pragma once
// Loading and saving one configuration document. A missing file is not an
// error (the reader then uses its defaults); a file that is there but cannot
// be opened or parsed is, so that nobody saves defaults over it.
#include "platform/Xml.h"
#include "project/FileError.h"

#include <QDomElement>
#include <optional>

namespace project {

struct LoadedDocument {
    platform::XmlLoadResult xml;
    bool missing = false;
    std::optional<FileError> error;

    bool ok() const { return !missing && !error; }
    // The document's first element, whatever its name; null unless ok().
    QDomElement root() const { return ok() ? xml.root() : QDomElement(); }
};

// The whole file; missing when it does not exist.
struct FileBytes {
    QByteArray bytes;
    bool missing = false;
    std::optional<FileError> error;
};
FileBytes readFileBytes(const QString &path);

LoadedDocument loadDocumentFile(const QString &path);
LoadedDocument parseDocument(const QByteArray &bytes, const QString &pathForMessages);

// Replaces the file whole or leaves it as it was.
std::optional<FileError> saveDocumentFile(const platform::XmlOutDocument &document, const QString &path);
std::optional<FileError> saveBytesFile(const QByteArray &bytes, const QString &path);

} // namespace project
