#pragma once
// A fake update tool: a small shell script that writes each argument it got
// on a line of its own, in brackets, and ends with a chosen code.
#include "support/TestSupport.h"

#include <QFile>
#include <QString>
#include <QStringList>

namespace testsupport {

// Writes the tool at toolPath; it appends its arguments to argumentsPath.
inline void writeRecordingTool(const QString &toolPath, const QString &argumentsPath, int exitCode = 0)
{
    writeFile(toolPath, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\" >> '" + argumentsPath.toUtf8()
                            + "'; done\nexit " + QByteArray::number(exitCode) + "\n");
    QFile::setPermissions(toolPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The arguments the tool recorded, in order.
inline QStringList recordedArguments(const QString &argumentsPath)
{
    const QString text = QString::fromUtf8(readFile(argumentsPath));
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.mid(1, line.size() - 2);
    return lines;
}

} // namespace testsupport
