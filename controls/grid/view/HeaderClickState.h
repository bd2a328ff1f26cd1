#pragma once
// What the header click, the mouse sizing of columns, the filter
// drop-downs and the node clicks keep between events. Only their files
// include this.
#include "controls/grid/model/ExGrid.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/GraphicsObjects.h"

#include <QPointer>

class QListWidget;

namespace controls {

// The look of a column's filter list: its size (fitted to the entries
// with AutoSize, the column's width with ColumnWidth), colours and the
// button glyphs (empty: our own filter picture).
struct TFilterDropDown {
    bool AutoSize = false;
    int Height = 150;
    int Width = 150;
    platform::TColor Color = platform::clWindow;
    platform::TFont Font;
    platform::TBitmap Glyph;
    platform::TBitmap GlyphActive;
    bool ColumnWidth = false;
};

struct TGridHeaderClick {
    TIntList ignoreColumns;
    bool dblClk = false; // a border double click: its release does not sort
    int sortTime = 0;
    bool colChanged = true; // a width change keeps the stretch column stretched
    bool isColChanging = false;
    int filterRow = 0;
    int filterCol = -1;
    TFilterDropDown dropDown;
    QPointer<QListWidget> dropList;
    QPointer<QListWidget> dropCheckList;
};

} // namespace controls
