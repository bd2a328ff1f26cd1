#include "controls/dropdown/core/FolderImages.h"

#include <QDir>
#include <QFileInfo>

namespace controls {

QStringList folderImageFiles(const QString &pattern)
{
    const QFileInfo given(pattern);
    QString folder = given.path();
    QString wildcard = given.fileName();
    if (wildcard.isEmpty())
        wildcard = QStringLiteral("*");
    QDir dir(folder);
    dir.setNameFilters({wildcard});
    dir.setFilter(QDir::Files | QDir::Hidden);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    for (const QFileInfo &entry : dir.entryInfoList())
        paths << dir.filePath(entry.fileName());
    return paths;
}

} // namespace controls
