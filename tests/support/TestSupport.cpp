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

QByteArray nestedXml(const QByteArray &name, int levels)
{
    QByteArray xml = "<" + name + ">";
    xml.reserve(xml.size() * 2 + 7 * qsizetype(levels));
    for (int i = 0; i < levels; ++i)
        xml += "<a>";
    for (int i = 0; i < levels; ++i)
        xml += "</a>";
    return xml + "</" + name + ">";
}

QString longValue(qsizetype size)
{
    return QString(size, u'x');
}

QString sharedDataDir()
{
    return qEnvironmentVariable("SHARED_DATA_DIR");
}

} // namespace testsupport
