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
        // The conversion error alone names neither the file nor the place.
        if (nodeIndex < 0)
            return platform::notAnIntegerMessage(detail);
        return platform::notAnIntegerMessage(detail)
               + QStringLiteral("\n\nFile \"%1\", node %2, variable %3, attribute \"%4\".")
                     .arg(file)
                     .arg(nodeIndex + 1)
                     .arg(variableIndex + 1)
                     .arg(attribute);
    case Kind::WriteFailed:
        return QStringLiteral("Cannot create file \"%1\". %2").arg(file, detail);
    }
    return detail;
}

} // namespace project
