#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace testsupport {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QString sharedDataDir()
{
    return qEnvironmentVariable("SHARED_DATA_DIR");
}

} // namespace testsupport
