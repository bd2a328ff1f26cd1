#pragma once
// The item selector's geometry without a window: the size every item
// shares, the grid the items fill row by row, the item under a point, and
// the moves of the selection and the hot item.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace controls {

enum TSelectorType : unsigned char { stImage, stColor };
// Where the caption stands beside the image or the colour box.
enum TItemLayout : unsigned char { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

// The margins of the selector's panel and its items.
struct TSelectorMargins {
    int OffsetX = 2, OffsetY = 2; // panel edge to the grid
    int ItemOffsetX = 4, ItemOffsetY = 4; // item edge to its content
    int CaptionGap = 4; // content to caption
};

// An item's size from the largest content (image or colour box) and the
// largest caption of all items.
QSize measureSelectorItem(QSize content, QSize caption, TItemLayout layout, const TSelectorMargins &margins = {});

struct TSelectorArrangement {
    std::vector<QRect> items;
    QSize panel;
};

// Items fill rows of columns from the left, with no gaps; the panel keeps
// the same margin on all sides. No items: a panel of 100 x 50.
TSelectorArrangement arrangeSelectorItems(int count, int columns, QSize item, const TSelectorMargins &margins = {});

// The same grid without the list of rectangles, for lists of any length:
// the rectangle of one item, and the panel's size (100 x 50 without items).
QRect selectorItemRect(int index, int columns, QSize item, const TSelectorMargins &margins = {});
QSize selectorPanelSize(int count, int columns, QSize item, const TSelectorMargins &margins = {});

// The first rectangle holding the point, or -1.
int itemAtPos(const std::vector<QRect> &items, QPoint at);

// The next or previous index of a list of count: 0 from none, nothing
// beyond the ends (the current index comes back).
int nextIndex(int current, int count);
int previousIndex(int current, int count);

// Rows of a page: the height over the item height, times the columns;
// 0 without items or with items of no height.
int visibleItemCount(int height, int itemHeight, int columns, int count);

// How far the view scrolls to show the item spanning [top, bottom) of a
// view clientHeight high whose top shows panel row `position`: negative up,
// positive down, 0 when it shows.
int scrollDeltaForItem(int top, int bottom, int position, int clientHeight);

} // namespace controls
