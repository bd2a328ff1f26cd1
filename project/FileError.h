#pragma once
// Why a configuration document could not be read or written. Readers and
// writers return it instead of showing anything, so that the window that
// called them decides how to tell the user and what to refuse; message()
// gives the text for the error box.
#include <QString>

namespace project {

struct FileError {
    enum class Kind {
        Unreadable,    // the file exists but cannot be opened
        NotWellFormed, // the file is not an XML document
        NotAnInteger,  // a value that must be an integer is missing or is not one
        WriteFailed,   // the file could not be replaced; the old one is untouched
    };

    Kind kind = Kind::Unreadable;
    QString path;
    // The system's or the XML parser's message; for NotAnInteger the text
    // found (empty when the attribute is missing).
    QString detail;
    // NotAnInteger in a network file: where the reading stopped; message()
    // names it, so that the user can find the value.
    QString attribute;
    int nodeIndex = -1;
    int variableIndex = -1;

    static FileError of(Kind kind, const QString &path, const QString &detail)
    {
        FileError error;
        error.kind = kind;
        error.path = path;
        error.detail = detail;
        return error;
    }

    QString message() const;
};

} // namespace project
