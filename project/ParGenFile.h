#pragma once
// Reading and writing ParGen.xml: the general parameters dialog reads every
// element of the converter type with its default and writes them all back in
// order; other readers (the network dialog, the update step, the compiler)
// look single elements up by name. Every reader goes through one pass over
// the file, in time linear in its size.
#include "platform/Xml.h"
#include "project/DocumentFile.h"
#include "project/FileError.h"
#include "project/ParGenValues.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>

namespace project {

// The texts of ParGen.xml as its readers look them up: for each child
// element of the root (whatever the root's name), the text of the first one
// with that name, all of its text as a document tree gives it.
class ParGenTexts {
public:
    std::optional<QString> text(const QString &name) const;
    // The text read as integer text; nullopt when missing or not an integer.
    std::optional<std::int32_t> integer(const QString &name) const;
    bool has(const QString &name) const { return m_texts.contains(name); }

private:
    friend struct ParGenTextsReader;
    QHash<QString, QString> m_texts;
};

struct ParGenDocument {
    ParGenTexts texts;
    bool missing = false;
    // The file is there but could not be read, or is not well-formed.
    std::optional<FileError> error;

    bool ok() const { return !missing && !error; }
};

ParGenDocument readParGenDocument(const QString &path);
ParGenDocument parseParGenDocument(const QByteArray &bytes, const QString &pathForMessages);

struct ParGenReadResult {
    ParGenValues values;
    bool fileMissing = false; // not an error: the values are the defaults
    // The file is there but could not be read: the values are the defaults,
    // and saving them would replace what the user had.
    std::optional<FileError> error;

    bool ok() const { return !error; }
};

ParGenReadResult readParGenFile(const QString &path, int type);
// The values of the type from the file's texts.
ParGenValues parGenValuesFrom(const ParGenTexts &texts, int type);

// Root "GeneralParameter", the type's elements in order, the version comment after the root.
platform::XmlOutDocument parGenDocument(const ParGenValues &values);
std::optional<FileError> writeParGenFile(const QString &path, const ParGenValues &values);

// The board variant of types 1, 1001, 2 and 3: "Sel_Dev", a child of the
// root, as integer text; 0 when it is missing or not an integer (see
// isEthernetBoard).
int boardVariant(const ParGenTexts &texts);

// The same from the file: 0 also when the file is missing; when it is there
// but cannot be read, 0 and the error (callers decide whether it matters).
struct BoardVariantRead {
    int variant = 0;
    std::optional<FileError> error;
};
BoardVariantRead readBoardVariant(const QString &path);

// One element as the compiler, the main window and the other dialogs read it.
class ParGenLookup {
public:
    explicit ParGenLookup(const QString &path);

    bool fileMissing() const { return m_document.missing; }
    const std::optional<FileError> &error() const { return m_document.error; }
    // Text of the root's first child element with that name; nullopt when the
    // file or the element is missing or the file cannot be read.
    std::optional<QString> text(const QString &name) const;
    // The same, read as integer text; nullopt also when it is not an integer.
    std::optional<std::int32_t> integer(const QString &name) const;

private:
    ParGenDocument m_document;
};

} // namespace project
