#pragma once
// The system's small (16 x 16) and large (32 x 32) icon lists that IMG
// SRC="SSYS:..." and SRC="LSYS:..." draw from, filled from Qt's file icon
// provider: the standard icons first (computer, desktop, trash, network,
// drive, folder, file), then the icon of each file type asked for. Where the
// desktop has no icon theme there are no icons, and such images take no room.
#include "platform/draw/ImageList.h"

#include <QString>

namespace controls {

const platform::TImageList &systemImageList(bool large);

// The index of the icon for a number (the index itself), an existing file or
// folder, or a file name or extension of some type; -1 when there is no icon.
int systemIconIndex(const QString &source, bool large);

} // namespace controls
