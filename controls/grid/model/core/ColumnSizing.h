#pragma once
// The arithmetic of sizing columns: the width a stretched column takes, the
// widths that fit a range of columns into the room there is, and the width
// content sizing gives a column within its limits.
#include <optional>
#include <vector>

namespace controls {

// The stretched column's new width, or none when it keeps its own: the
// room the other columns leave (less one pixel), or the default width when
// they leave none and the grid is scrolled fully left.
std::optional<int> stretchedColumnWidth(int clientWidth, int othersWidth, int defaultColWidth, bool scrolledFullyLeft);

// The stretched column -1 is the last one; nullopt for a column outside
// the grid.
std::optional<int> stretchColumnIndex(int stretchColumn, int colCount);

// New widths for the columns of a range so that together they fill room
// (scroll bar, border and lines already taken off into `lines`): scaled in
// proportion, the rounding rest given to the widest. A range of no width
// at all shares the room equally.
std::vector<int> fittedColumnWidths(const std::vector<int> &widths, int room, int lines);

// The width content sizing gives: the measured width within the limits
// (equal limits are none); with growOnly never below the current width.
int contentColumnWidth(int measured, int current, int minWidth, int maxWidth, bool growOnly);

// The extra width a cell's content needs beside its text: the sort
// indicator and the filter button.
int contentExtraWidth(bool sortIndicatorCell, bool filterButtonCell);

// The running numbers AutoNumberCol writes: rows first..last get
// first - fixed + 1 + offset and on, starting `start` rows in, in reverse
// with descending. Pairs of (row, number).
std::vector<std::pair<int, int>> autoNumbers(int fixed, int last, int start, int offset, bool descending);

} // namespace controls
