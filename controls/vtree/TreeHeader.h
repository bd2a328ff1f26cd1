#pragma once
// The tree's column header as data: its columns, height and limits, options,
// main, sort and auto-size column, the distribution of width changes over a
// range of columns, and the header stream. The widget paints it and feeds it
// the client size; a header without a tree works too.
#include "controls/vtree/TreeColumns.h"

#include <QIODevice>

namespace vtree {

class TBaseLazyTree;

enum class TLTHeaderOption : std::uint8_t {
    hoAutoResize,
    hoColumnResize,
    hoDblClickResize,
    hoDrag,
    hoHotTrack,
    hoOwnerDraw,
    hoRestrictDrag,
    hoShowHint,
    hoShowImages,
    hoShowSortGlyphs,
    hoVisible,
    hoAutoSpring,
    hoFullRepaintOnResize,
    hoDisableAnimatedResize,
    hoHeightResize,
    hoHeightDblClickResize,
    hoHeaderClickAutoSort,
    hoAutoColumnPopupMenu,
};
using TLTHeaderOptions = TEnumSet<TLTHeaderOption, std::uint32_t>;
inline constexpr TLTHeaderOptions DefaultHeaderOptions{TLTHeaderOption::hoColumnResize, TLTHeaderOption::hoDrag,
                                                       TLTHeaderOption::hoShowSortGlyphs};

enum class TLTHeaderStyle : std::uint8_t { hsThickButtons, hsFlatButtons, hsPlates };

enum class THeaderState : std::uint8_t {
    hsAutoSizing,
    hsDragging,
    hsDragPending,
    hsLoading,
    hsColumnWidthTracking,
    hsColumnWidthTrackPending,
    hsHeightTracking,
    hsHeightTrackPending,
    hsResizing,
    hsScaling,
    hsNeedScaling,
};
using THeaderStates = TEnumSet<THeaderState, std::uint16_t>;

// Percentages (0 to 100, 0 for no limit) of the tree's height for the header
// and of the client width for the fixed columns.
struct TLTFixedAreaConstraints {
    int MaxHeightPercent = 0;
    int MaxWidthPercent = 0;
    int MinHeightPercent = 0;
    int MinWidthPercent = 0;
};

// The header font as the stream carries it.
struct THeaderFont {
    TColor Color = 0;
    int Height = -11;
    QString Name = QStringLiteral("Tahoma");
    int Pitch = 0;
    int Style = 0;
};

class TLTHeader {
public:
    explicit TLTHeader(TBaseLazyTree *Tree = nullptr);
    TLTHeader(const TLTHeader &) = delete;
    TLTHeader &operator=(const TLTHeader &) = delete;

    TBaseLazyTree *Treeview() const { return FTree; }
    TLazyTreeColumns &Columns() { return FColumns; }
    const TLazyTreeColumns &Columns() const { return FColumns; }
    bool UseColumns() const { return FColumns.Count() > 0; }
    THeaderStates States() const { return FStates; }
    // The window's mouse handling keeps its tracking and drag states here.
    void SetStates(THeaderStates Value) { FStates = Value; }
    bool AllowFocus(TColumnIndex Column) const
    {
        return FColumns.IsValidColumn(Column) && FColumns[Column].Options().contains(TLTColumnOption::coAllowFocus);
    }

    // Width the tree's client area gives the columns; the widget sets it.
    int ClientWidth() const { return FClientWidth; }
    void SetClientWidth(int Value) { FClientWidth = Value; }

    int Height() const { return FHeight; }
    void SetHeight(int Value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value);
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int Value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value);
    TLTHeaderOptions Options() const { return FOptions; }
    void SetOptions(TLTHeaderOptions Value);
    TLTHeaderStyle Style() const { return FStyle; }
    void SetStyle(TLTHeaderStyle Value) { FStyle = Value; }
    TColor Background() const { return FBackground; }
    void SetBackground(TColor Value) { FBackground = Value; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value) { FParentFont = Value; }
    const THeaderFont &Font() const { return FFont; }
    void SetFont(const THeaderFont &Value);
    const TLTFixedAreaConstraints &FixedAreaConstraints() const { return FConstraints; }
    void SetFixedAreaConstraints(const TLTFixedAreaConstraints &Value);
    int SplitterHitTolerance() const { return FSplitterHitTolerance; }
    void SetSplitterHitTolerance(int Value) { FSplitterHitTolerance = Value; }

    TColumnIndex AutoSizeIndex() const { return FAutoSizeIndex; }
    void SetAutoSizeIndex(TColumnIndex Value);
    TColumnIndex MainColumn() const { return FColumns.Count() == 0 ? NoColumn : FMainColumn; }
    void SetMainColumn(TColumnIndex Value);
    TColumnIndex SortColumn() const { return FSortColumn; }
    void SetSortColumn(TColumnIndex Value);
    TSortDirection SortDirection() const { return FSortDirection; }
    void SetSortDirection(TSortDirection Value);

    // Spreads ChangeBy pixels over the columns RangeStartCol .. RangeEndCol
    // that have all of Options; gives back the change applied.
    int ResizeColumns(int ChangeBy, TColumnIndex RangeStartCol, TColumnIndex RangeEndCol, TLTColumnOptions Options);
    void RestoreColumns();
    // After loading: main column into range.
    void ClampMainColumn();

    void SaveToStream(QIODevice &Stream) const;
    // Reads and checks the whole header before anything changes; a damaged
    // stream raises the tree's stream error and leaves the header as it was.
    void LoadFromStream(QIODevice &Stream);

private:
    friend class TLazyTreeColumn;
    friend class TLazyTreeColumns;
    bool treeLoading() const;
    void notifyColumnResize(TColumnIndex Column);
    void sortTreeIfAutomatic();

    TBaseLazyTree *FTree;
    TLazyTreeColumns FColumns;
    int FClientWidth = 0;
    int FHeight = 19;
    int FMinHeight = 10;
    int FMaxHeight = 10000;
    int FDefaultHeight = 19;
    TLTHeaderOptions FOptions = DefaultHeaderOptions;
    TLTHeaderStyle FStyle = TLTHeaderStyle::hsThickButtons;
    TColor FBackground;
    bool FParentFont = false;
    THeaderFont FFont;
    TLTFixedAreaConstraints FConstraints;
    int FSplitterHitTolerance = 8;
    TColumnIndex FAutoSizeIndex = 0;
    TColumnIndex FMainColumn = NoColumn;
    TColumnIndex FSortColumn = NoColumn;
    TSortDirection FSortDirection = TSortDirection::sdAscending;
    THeaderStates FStates;
};

} // namespace vtree
