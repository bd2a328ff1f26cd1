#pragma once
// The multi-column popup list's geometry without a window: the popup's
// height in whole rows, the columns stretched to the popup's width, the
// list's width, auto-sized cells, where a cell sits in its row for the
// selection face, and which rows are items.
#include <vector>

namespace controls::multicol {

// The popup height that shows whole data rows only: the header and footer
// strips (headerFooter), the list's header row and two pixels of frame
// stay, the rest is cut to a multiple of the row height. A row height
// below 1 counts as 1.
int adjustDropDownHeight(int height, int headerFooter, int headerHeight, int rowHeight);

// The widths the list's columns take in a popup available pixels wide:
// each stretched by F = available / (1 + the sum of widths), rounded half
// to even so that the rounding carries both ways and the widths sum to
// Round(F x the sum of widths).
std::vector<int> fitColumnsToWidth(const std::vector<int> &widths, int available);

// Twice the border, the columns, and the scroll bar when not every row
// shows.
int gridWidth(int borderWidth, const std::vector<int> &widths, int scrollBarWidth, bool allRowsVisible);

// One cell's width for auto-sizing: the image and 4 pixels when it shows
// one, the text and 6 pixels when it has one.
int autoCellWidth(bool showsImage, int imageWidth, bool hasText, int textWidth);

// One word-wrapped row's height: at least 24 pixels.
constexpr int MinWrappedRowHeight = 24;
// One word-wrapped cell's height: the image and 6 pixels, or the wrapped
// text and 6 pixels, whichever is higher.
int autoCellHeight(bool showsImage, int imageHeight, bool hasText, int textHeight);

// The cell's part of the row's selection face: 1 first, 2 last, 3 between,
// 0 for a row of one column.
int selectionPartKind(int col, int colCount);

// Rows of the popup list: row 0 is the header, item i is row i + 1.
constexpr int itemToRow(int item) { return item + 1; }
constexpr int rowToItem(int row) { return row - 1; }
// True for a row that shows an item.
constexpr bool isItemRow(int row, int itemCount) { return row >= 1 && row <= itemCount; }

} // namespace controls::multicol
