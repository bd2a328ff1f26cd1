#pragma once
// What the Scan & Decode window says when the engine refuses a start: the
// cause in words the user can act on.
#include "scan/ScanTransport.h"

#include <QString>

namespace scan {

// `address` and `port` are the converter's, as the window gave them.
QString refusalText(const ScanStart &start, const QString &address, quint16 port);

} // namespace scan
