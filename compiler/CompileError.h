#pragma once
// Why a compile stopped. The message is complete English text, ready for the
// error box; nothing has been written to the bin folder when it is reported.
#include "platform/Error.h"

#include <QLocale>
#include <QString>

namespace compiler {

enum class CompileErrorKind {
    UnreadableDocument, // ParGen.xml or M_Bus.xml exists but cannot be read as XML
    MissingElement,     // a ParGen.xml element the bank needs is absent
    MalformedElement,   // ... or its text is not an integer
    MissingAttribute,   // an enabled variable lacks one of its required attributes
    MalformedAttribute, // ... or the attribute is not an integer
    TooLarge,           // the network does not fit a bank, a table or a field
    FieldOutsideBlock,  // a bank layout that points outside its block: a fault of the compiler itself
};

struct CompileError {
    CompileErrorKind kind;
    QString message;
};

// Thrown from deep inside a compile; the compile entry turns it into a CompileError.
class CompileFailure : public platform::Error {
public:
    CompileFailure(CompileErrorKind kind, const QString &message) : platform::Error(message), m_kind(kind) {}
    CompileErrorKind kind() const { return m_kind; }
    CompileError error() const { return {m_kind, message()}; }

private:
    CompileErrorKind m_kind;
};

// Large numbers in messages, grouped the English way: 200,000.
inline QString groupedNumber(qint64 value)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(value);
}

} // namespace compiler
