#pragma once
// The grids' own mouse cursors, drawn here rather than loaded: 8000 the pan
// anchor, 8001-8008 panning down, left, right, up, up-right, up-left,
// down-right and down-left, 8009 a link, 8010 row select, 8011 column
// select, 8012 select all and resize, 8014 the cell selector.
#include <QCursor>

namespace platform {

constexpr int crGridPanAnchor = 8000;
constexpr int crGridLink = 8009;
constexpr int crGridRowSelect = 8010;
constexpr int crGridColSelect = 8011;
constexpr int crGridSelectAll = 8012;
constexpr int crGridCellSelector = 8014;

// The arrow cursor for an id that names none of them (8013 included).
QCursor gridCursor(int id);
// The id a cursor made by gridCursor came from; 0 for any other cursor.
int gridCursorId(const QCursor &cursor);

} // namespace platform
