#pragma once
// File helpers shared by the test suites.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

// Folder of ../shared/data (set by the build).
QString sharedDataDir();

} // namespace testsupport
