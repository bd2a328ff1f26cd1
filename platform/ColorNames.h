#pragma once
// The standard names of colour values ("clBlack", "clWindow", "clNone"...),
// as streams and settings files store a colour that has one.
#include "platform/Color.h"

#include <QByteArrayView>

#include <optional>

namespace platform {

// The name of a colour that has one; nothing for any other value.
std::optional<QByteArrayView> colorToIdent(TColor color);
// The colour of a standard name; nothing for a name that is none.
std::optional<TColor> identToColor(QByteArrayView name);

} // namespace platform
