#pragma once
// The grid's cells as they travel by drag and drop and the clipboard: the
// binary cell stream (component records, ComponentStream.h) in the framing
// of the drop reader (GridDragDrop.h). A drop target asks here whether a
// dropped block is a cell stream at all before it lets the grid read it, so
// that bytes which only pretend to be cells are refused at the door.
#include "controls/grid/base/GridDragDrop.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace controls {

// Every record of the bytes reads, the first is a header and at least one
// cell record follows it.
bool isCellStream(QByteArrayView bytes);

// A cell stream framed for a data object.
QByteArray gridCellsPayload(const QByteArray &stream);

// The cell stream a dropped or pasted data object carries; nothing when it
// has none, its framing lies or its bytes are no cell stream.
std::optional<QByteArray> cellStreamOf(const TEnumFormats &formats);

} // namespace controls
