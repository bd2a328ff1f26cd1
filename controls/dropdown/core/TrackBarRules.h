#pragma once
// The track bar drop-down's arithmetic: the position kept in Min..Max
// whichever way round they are set, the key steps, the mouse drag over the
// edit and the text read back into the position.
#include <QString>

#include <optional>

namespace controls {

// The position within the range the two bounds span.
int clampTrackPosition(int position, int min, int max);
// Up lowers and Down raises by the frequency when that stays in range.
int trackKeyStep(int position, bool up, int frequency, int min, int max);
// One mouse move of dx pixels: the position moves by dx / PageSize
// (truncated); no step for a page size of 0 or less.
int trackDragStep(int position, int dx, int pageSize, int min, int max);
// The position a text names; none for a text that is no decimal integer.
std::optional<int> trackTextPosition(const QString &text);

} // namespace controls
