#pragma once
// The settings the string grid sorts and sizes columns by, as the owner
// sets them.
#include "controls/grid/base/GridTypes.h"
#include "controls/grid/base/IntList.h"
#include "controls/grid/model/core/FilterMatch.h"
#include "controls/grid/model/core/SortCompare.h"
#include "platform/Color.h"
#include "platform/draw/Bitmap.h"

#include <QString>

namespace controls {

class TExStringGrid;

struct TSortSettings {
    explicit TSortSettings(TExStringGrid *grid) : m_grid(grid) {}

    bool AutoSortForGrouping = true;
    bool Show = false;
    bool IndexShow = false;
    bool Full = true;
    bool SingleColumn = false;
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    bool AutoFormat = true;
    TSortDirection Direction = sdAscending;
    bool IgnoreCase = false;
    TSortDirection InitSortDirection = sdAscending;
    bool NormalCellsOnly = false;
    bool UndoSort = false;
    bool SortOnVirtualCells = true;
    // What the sort indicator draws: the header row that shows it, the
    // colour of the index numbers, and pictures in place of the drawn
    // triangles (used when both of a pair are set).
    int Row = 0;
    platform::TColor IndexColor = 0x00FFFF;
    platform::TBitmap UpGlyph;
    platform::TBitmap DownGlyph;
    platform::TBitmap IndexUpGlyph;
    platform::TBitmap IndexDownGlyph;
    // The sort column (real); the grid's own, which follows its column when
    // columns move.
    int Column() const;
    void setColumn(int value);

    // What a header click does: the key that adds a column to the index
    // list, merged columns split around the sort, fixed columns sortable
    // too; and the sorted column's header gradient (none: the look's own).
    enum TIndexSortKey : std::uint8_t { ikShift, ikCtrl };
    TIndexSortKey IndexSortKey = ikShift;
    bool AutoColumnMerge = false;
    bool FixedCols = false;
    platform::TColor HeaderColor = platform::clNone;
    platform::TColor HeaderColorTo = platform::clNone;
    platform::TColor HeaderMirrorColor = platform::clNone;
    platform::TColor HeaderMirrorColorTo = platform::clNone;
    // "u3", "d2" or "i;u1;d4".
    QString SaveToString() const;
    // Sorts as the text says; raises platform::Error "Invalid sort settings
    // specifier" for a one-character text and ZOraZaziRarar when an index
    // sort names no index.
    void LoadFromString(const QString &Value);
    void Remove();
    void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }

private:
    TExStringGrid *m_grid;
};

enum TColumnSizeLocation : std::uint8_t { clRegistry, clIniFile };

struct TColumnSizeSettings {
    // Where SaveColSizes and its kin keep the layout: the INI file or the
    // registry key named Key, in its section (sub-key) Section; nothing is
    // kept while either is empty. With Save the widths load when the
    // window is made and save when the grid goes.
    bool Save = false;
    QString Key;
    QString Section;
    TColumnSizeLocation Location = clRegistry;
    bool Stretch = false;
    int StretchColumn = -1; // display column; -1 the last
    // A resize scales the widths InitOrigColSizes recorded (only the
    // scrolling columns with SynchNormalCellsOnly).
    bool SynchWithGrid = false;
    bool SynchNormalCellsOnly = false;
};

} // namespace controls
