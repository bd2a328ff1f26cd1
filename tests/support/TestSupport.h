#pragma once
// File helpers shared by the test suites.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

// An element named `name` holding `levels` levels of <a> elements, each
// inside the one before: the damaged files that nest without end.
QByteArray nestedXml(const QByteArray &name, int levels);

// A text of `size` characters, as the damaged files quote it.
QString longValue(qsizetype size = 10 * 1024 * 1024);

// Folder of ../shared/data (set by the build).
QString sharedDataDir();

} // namespace testsupport
