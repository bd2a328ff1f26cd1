#include "project/FileError.h"

#include "platform/ConversionError.h"

#include <QDir>

namespace project {

QString FileError::message() const
{
    const QString file = QDir::toNativeSeparators(path);
    switch (kind) {
    case Kind::Unreadable:
        return QStringLiteral("Cannot open file \"%1\". %2").arg(file, detail);
    case Kind::NotWellFormed:
        return QStringLiteral("The file \"%1\" is not a valid XML document: %2").arg(file, detail);
    case Kind::NotAnInteger:
        return platform::notAnIntegerMessage(detail);
    case Kind::WriteFailed:
        return QStringLiteral("Cannot create file \"%1\". %2").arg(file, detail);
    }
    return detail;
}

} // namespace project
