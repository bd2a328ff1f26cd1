#pragma once
// The files an image picker takes from a folder: a path with a wildcard
// ("pictures/*.png"), matched without regard to case, files only, in name
// order.
#include <QString>
#include <QStringList>

namespace controls {

// The paths of the regular files the pattern names; directories (".",
// ".." and the rest) are skipped. An empty or unreadable folder gives none.
QStringList folderImageFiles(const QString &pattern);

} // namespace controls
