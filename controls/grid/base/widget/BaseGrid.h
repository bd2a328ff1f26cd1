#pragma once
// The base of the string grid: the cell grid with a properties record per
// cell created on demand, merged cells (a rectangle of cells that shows and
// edits as its top-left base cell), two layers of cell access (Cells follows
// merges and the display hooks; GridCells and GridObjects reach the store),
// its own cell painter, navigation that keeps to base cells, and a link to
// an undo component.
//
// Every access is bounded by the grid: cells outside read empty, writes to
// them are ignored, merges are clipped to the grid.
#include "controls/grid/base/GridTypes.h"
#include "controls/grid/base/TextSearch.h"
#include "controls/grid/base/widget/CellGrid.h"
#include "controls/grid/base/widget/CellProperties.h"
#include "platform/Color.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/Geometry.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace controls {

class TBaseGrid;
class TExGridUndoRedo;

using TGetDisplTextEvent = std::function<void(TBaseGrid *Sender, int ACol, int ARow, QString &Value)>;
// Value holds the decoded wide text (one character per UTF-16 unit).
using TGetDisplWideTextEvent = std::function<void(TBaseGrid *Sender, int ACol, int ARow, QString &Value)>;

class TBaseGrid : public TCellGrid {
    Q_OBJECT
public:
    explicit TBaseGrid(QWidget *parent = nullptr);
    ~TBaseGrid() override;

    // --- properties ---------------------------------------------------------------
    bool ActiveRowShow() const { return FActiveRowShow; }
    void setActiveRowShow(bool value);
    platform::TColor ActiveRowColor() const { return m_activeRowColor; }
    void setActiveRowColor(platform::TColor color);
    platform::TColor ActiveRowColorTo() const { return m_activeRowColorTo; }
    void setActiveRowColorTo(platform::TColor color);
    platform::TColor ActiveRowMirrorColor() const { return m_activeRowMirrorColor; }
    void setActiveRowMirrorColor(platform::TColor color);
    platform::TColor ActiveRowMirrorColorTo() const { return m_activeRowMirrorColorTo; }
    void setActiveRowMirrorColorTo(platform::TColor color);
    TGridSelectionStyle SelectionStyle() const { return m_selectionStyle; }
    void setSelectionStyle(TGridSelectionStyle style);
    // The cell grid's own drawing stays off; this value is only kept.
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void setDefaultDrawing(bool value);
    // Lines the cell painter draws inside each cell, 0 to TAxisSizes::MaxSize
    // pixels; the cell grid's own lines stay at 0, so cells abut.
    int GridLineWidth() const { return m_gridLineWidth; }
    void setGridLineWidth(int width);
    platform::TColor GridLineColor() const { return m_gridLineColor; }
    void setGridLineColor(platform::TColor color);
    platform::TColor GridFixedLineColor() const { return m_gridFixedLineColor; }
    void setGridFixedLineColor(platform::TColor color);
    bool HoverRow() const { return m_hoverRow; }
    void setHoverRow(bool value) { m_hoverRow = value; }
    platform::TColor HoverRowColor() const { return m_hoverRowColor; }
    void setHoverRowColor(platform::TColor color) { m_hoverRowColor = color; }
    platform::TColor HoverRowColorTo() const { return m_hoverRowColorTo; }
    void setHoverRowColorTo(platform::TColor color) { m_hoverRowColorTo = color; }
    THoverRowCells HoverRowCells() const { return m_hoverRowCells; }
    void setHoverRowCells(THoverRowCells cells) { m_hoverRowCells = cells; }
    // The word wrap that new cell properties start with.
    bool WordWrap() const { return FWordWrap; }
    void setWordWrap(bool value) { FWordWrap = value; }
    // The undo component that records this grid's changes; none at first.
    TExGridUndoRedo *UndoRedo() const { return m_undoRedo; }
    void setUndoRedo(TExGridUndoRedo *undoRedo);

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // The paint pass under way (grows by one after every complete paint).
    int PaintID() const { return m_paintID; }
    // Merged areas made and not split again; greater than 0 while any exists.
    int MergeCount() const { return m_mergeCount; }
    bool HasCellProps() const { return FHasCellProps; }

    // --- cells --------------------------------------------------------------------
    // The text of the cell, of its base cell for a merged one, through the
    // display hooks for rows below FNormalRowCount.
    QString GetCellEx(int ACol, int ARow) const;
    // Writes into the base cell of a cell that has properties, then tells
    // CellTextChanged and repaints; a write into the hidden last row then
    // calls AfterLastRowChange.
    void SetCellEx(int ACol, int ARow, const QString &Value);
    QString Cells(int ACol, int ARow) const { return GetCellEx(ACol, ARow); }
    void setCells(int ACol, int ARow, const QString &Value) { SetCellEx(ACol, ARow, Value); }

    // The cell's properties, created on first use. Outside the grid a
    // scratch record comes back that no cell holds, so writes to it are lost.
    TCellProperties &GetCellProperties(int ACol, int ARow);
    TCellProperties &CellProperties(int ACol, int ARow) { return GetCellProperties(ACol, ARow); }
    // Frees the record the cell held and keeps the new one (none clears).
    void SetCellProperties(int ACol, int ARow, std::unique_ptr<TCellProperties> value);
    bool CellHasProperties(int ACol, int ARow) const;

    // The user object of the cell's own properties (0 without them).
    std::intptr_t GetObjectEx(int ACol, int ARow) const;
    void SetObjectEx(int ACol, int ARow, std::intptr_t value);
    std::intptr_t Objects(int ACol, int ARow) const { return GetObjectEx(ACol, ARow); }
    // The cell's graphic, which the cell owns.
    TGridObject *GetGraphicObjectEx(int ACol, int ARow) const;
    void SetGraphicObjectEx(int ACol, int ARow, std::unique_ptr<TGridObject> value);
    std::unique_ptr<TGridObject> TakeGraphicObjectEx(int ACol, int ARow);
    TGridObject *CellGraphicOf(const TCellProperties *props) const { return props ? props->GraphicObject() : nullptr; }

    // The raw slot: the properties record itself, no merge.
    TCellProperties *GetGridObject(int ACol, int ARow) const;
    std::unique_ptr<TCellProperties> TakeGridObject(int ACol, int ARow);
    // Stores the record and hands back what the slot held, for the caller
    // to keep or free; outside the grid the record itself comes back.
    std::unique_ptr<TCellProperties> PutGridObject(int ACol, int ARow, std::unique_ptr<TCellProperties> value);

    // --- merged cells -------------------------------------------------------------
    TGridCoord BaseCell(int ACol, int ARow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    // The base cell's spans: columns and rows the area covers beyond it.
    TGridCoord CellSpan(int ACol, int ARow) const;
    // From the cell to the last column and row of its area.
    TGridCoord CellExt(int ACol, int ARow) const;
    // The area as inclusive cell indexes.
    TGridRect FullCell(int ACol, int ARow) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    // Merges spanX columns and spanY rows from (ACol, ARow), clipped to the
    // grid; merged areas it overlaps are split first.
    virtual void MergeCells(int ACol, int ARow, int spanX, int spanY);
    // Splits the merged area that holds the cell.
    virtual void SplitCells(int ACol, int ARow);

    // --- geometry -------------------------------------------------------------------
    // The rectangle the cell would have in a grid large enough to show it,
    // also for cells scrolled out of view.
    platform::TRect VirtualCellRect(int ACol, int ARow) const;
    // The whole area for a merged cell; otherwise the cell grid's rectangle
    // (from (0, 0) for a cell out of view) with the cell's width and height.
    platform::TRect CellRect(int ACol, int ARow) const override;
    platform::TPoint CellSize(int ACol, int ARow) const;
    int FixedColsWidth() const;
    int FixedRowsHeight() const;
    void RepaintCell(int ACol, int ARow);
    void RepaintFixedColMerges();
    void RepaintFixedRowMerges();
    // Makes the base cell of the current cell current.
    void SnapToBaseCell();

    // --- clearing -------------------------------------------------------------------
    // Detach the properties (which are freed, the slot being their owner)
    // and empty the texts through SetCellEx.
    void ResetColumn(int ACol);
    void ResetRow(int ARow);
    void ResetCell(int ACol, int ARow);
    void FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow);
    void FreeCellProperties(int ACol, int ARow);
    void FreeAllCellProperties();

    // --- painting -------------------------------------------------------------------
    // A cell with its content on any canvas (printing, drag images).
    void PaintCell(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect ARect, TGridDrawState AState);
    // Background, selection look and lines only, into the given rectangle.
    void PaintCellExt(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect ARect, TGridDrawState AState);
    // True with the cell itself when it paints by itself, false with the
    // base cell that paints it.
    bool ResolvePaintCell(int ACol, int ARow, int &BaseCol, int &BaseRow) const;

    // --- extension points -----------------------------------------------------------
    virtual bool IsFixed(int ACol, int ARow) { return false; }
    virtual int RowNodeIndent(int ARow) { return 0; }
    virtual bool HasNodes() { return false; }
    virtual bool UsesCellBorders() { return false; }
    virtual bool UsesVCLStyles() { return false; }
    // The column to make current for a stored column.
    virtual int DisplColIndex(int ACol) { return ACol; }
    // Every column the store holds for this grid (hidden ones included).
    virtual int TotalColCount() const { return ColCount(); }

protected:
    virtual void RenderCell(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect ARect,
                            TGridDrawState AState);
    virtual void AfterLastRowChange() {}
    virtual void DoGetDisplText(int ACol, int ARow, QString &Value) const;
    virtual void DoGetDisplWideText(int ACol, int ARow, QString &Value) const;
    // The first look of a cell's properties.
    virtual void GetCellVisuals(int ACol, int ARow, platform::TFont &AFont, platform::TBrush &ABrush,
                                platform::TColor &AColorTo, platform::TColor &AMirrorColor,
                                platform::TColor &AMirrorColorTo, TAlignment &HA, TVAlignment &VA, bool &WW,
                                TCellGradientDirection &GD);
    virtual void CellTextChanged(int ACol, int ARow) {}
    // The painter's look of a cell. The painter presets every output (the
    // grid's font, its colour or fixed colour, no gradient, left and top,
    // the grid's word wrap); here nothing changes.
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool Print, bool Select, bool Remap,
                                     platform::TBrush &ABrush, platform::TColor &AColorTo,
                                     platform::TColor &AMirrorColor, platform::TColor &AMirrorColorTo,
                                     platform::TFont &AFont, TAlignment &HA, TVAlignment &VA, bool &WW,
                                     TCellGradientDirection &GD)
    {
    }

    void PaintGrid() override;
    void DrawGridCell(int ACol, int ARow, const platform::TRect &ARect, TGridDrawState AState) override;
    bool CanSelectCell(int ACol, int ARow) override;
    void GridTopLeftChanged() override;
    void GridKeyDown(std::uint16_t &Key, platform::TShiftState Shift) override;
    bool GridWheelDown(platform::TShiftState Shift, QPoint MousePos) override;
    bool GridWheelUp(platform::TShiftState Shift, QPoint MousePos) override;

    void PaintCellCore(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect ARect, TGridDrawState AState,
                       bool DoContent);

    // Fields the string grid reads and writes directly.
    int FNormalRowCount = 0; // display hooks apply to rows below it
    bool FWordWrap = true;
    bool FShowSel = true;
    bool FHasCellProps = false;
    bool FActiveRowShow = false;
    bool FHideLastRow = false; // the last row is a hidden scratch row
    int FHoverRowIdx = -1;

private:
    // What the look hooks give besides the font and the brush, at the
    // neutral start they get it in.
    struct CellLook {
        platform::TColor colorTo = platform::clNone;
        platform::TColor mirror = platform::clNone;
        platform::TColor mirrorTo = platform::clNone;
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        bool ww = true;
        TCellGradientDirection gd = GradientVertical;
    };

    // The slots hold properties only: descendants go through the typed
    // access above.
    using TCellGrid::gridObjectSlot;
    using TCellGrid::putGridObjectSlot;
    using TCellGrid::takeGridObjectSlot;

    bool inside(int ACol, int ARow) const;
    TCellProperties *props(int ACol, int ARow) const { return GetGridObject(ACol, ARow); }
    // The base cell's properties of a cell in a merged area, or none.
    const TCellProperties *areaBase(int ACol, int ARow, TGridCoord &base) const;
    void splitArea(TGridCoord base, bool repaint);
    void repaintArea(const TGridRect &area);
    bool paintsAsFocused() const;
    void storeInvalidating(platform::TColor &field, platform::TColor value);

    bool m_defaultDrawing = false;
    int m_gridLineWidth = 1;
    platform::TColor m_gridLineColor = 0xC0C0C0;
    platform::TColor m_gridFixedLineColor = 0x808080;
    int m_paintID = 1;
    platform::TColor m_activeRowColor = platform::clInfoBk;
    platform::TColor m_activeRowColorTo = platform::clNone;
    platform::TColor m_activeRowMirrorColor = platform::clNone;
    platform::TColor m_activeRowMirrorColorTo = platform::clNone;
    TGridSelectionStyle m_selectionStyle = ssDefault;
    bool m_hoverRow = false;
    THoverRowCells m_hoverRowCells{hcNormal, hcSelected};
    platform::TColor m_hoverRowColor = platform::clInfoBk;
    platform::TColor m_hoverRowColorTo = platform::clNone;
    int m_mergeCount = 0;
    TExGridUndoRedo *m_undoRedo = nullptr;
    bool m_destroying = false;
    std::unique_ptr<TCellProperties> m_scratch;
};

} // namespace controls
