#pragma once
// The grid the base grid is built on: columns and rows of cells with fixed
// ones at the top left, scrolled by whole cells, a current cell inside a
// selection rectangle, an in-place editor, and a text and an owned object
// per cell. It paints every visible cell through DrawGridCell on its canvas
// and turns Qt's events into virtual handlers a descendant overrides.
//
// Geometry: every cell is followed by LineWidth pixels of grid line to its
// right and below it. The fixed columns and rows stay at the left and top;
// the others start at LeftCol and TopRow.
#include "controls/grid/base/AxisSizes.h"
#include "controls/grid/base/CellTable.h"
#include "controls/grid/base/GridObject.h"
#include "controls/grid/base/TextSearch.h"
#include "platform/Color.h"
#include "platform/Input.h"
#include "platform/NotifyEvent.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/RetainedImage.h"

#include <QFlags>
#include <QLineEdit>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

class QScrollBar;

namespace controls {

class TCellGrid;

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)

enum TGridDrawStateFlag : unsigned {
    gdSelected = 1u << 0,
    gdFocused = 1u << 1,
    gdFixed = 1u << 2,
};
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)

enum TGridState : std::uint8_t { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };
enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// A cell: X is the column, Y the row.
struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord &, const TGridCoord &) = default;
};

// The editor shown over the current cell. It hands the keys that leave the
// cell back to its grid; Escape restores the text it started with.
class TInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TInplaceEdit(TCellGrid *grid);

    TCellGrid *Grid() const { return m_grid; }
    // Kept for the editors that interpret masks; a plain line takes any text.
    QString EditMask() const { return m_editMask; }
    void setEditMask(const QString &mask) { m_editMask = mask; }
    // The text shown when the editor opened, which Escape restores.
    QString OriginalText() const { return m_original; }
    void setOriginalText(const QString &text) { m_original = text; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    TCellGrid *m_grid;
    QString m_editMask;
    QString m_original;
};

class TCellGrid : public QWidget {
    Q_OBJECT
public:
    // Pixels on either side of a line between fixed cells that start a
    // column or row resize.
    static constexpr int SizingZone = 3;

    explicit TCellGrid(QWidget *parent = nullptr);
    ~TCellGrid() override;

    // --- shape -------------------------------------------------------------
    int ColCount() const { return m_cols.count(); }
    void setColCount(int count);
    int RowCount() const { return m_rows.count(); }
    void setRowCount(int count);
    // At most the count less one, so that one column (row) can scroll.
    int FixedCols() const { return m_fixedCols; }
    void setFixedCols(int count);
    int FixedRows() const { return m_fixedRows; }
    void setFixedRows(int count);
    // Writing a default gives every column (row) that size.
    int DefaultColWidth() const { return m_cols.defaultSize(); }
    void setDefaultColWidth(int width);
    int DefaultRowHeight() const { return m_rows.defaultSize(); }
    void setDefaultRowHeight(int height);
    int ColWidths(int col) const { return m_cols.size(col); }
    void setColWidths(int col, int width);
    int RowHeights(int row) const { return m_rows.size(row); }
    void setRowHeights(int row, int height);
    // Pixels of grid line after every cell.
    int LineWidth() const { return m_lineWidth; }
    void setLineWidth(int width);

    TGridOptions Options() const { return m_options; }
    void setOptions(TGridOptions options);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void setDefaultDrawing(bool value);
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);
    platform::TColor FixedColor() const { return m_fixedColor; }
    void setFixedColor(platform::TColor color);
    // Changing the font repaints the grid.
    platform::TFont &Font() { return m_font; }
    const platform::TFont &Font() const { return m_font; }
    // The canvas of the paint in progress; outside painting one on nothing
    // (it measures text but draws nowhere).
    platform::TCanvas &Canvas() { return *m_canvas; }
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void setScrollBars(TScrollStyle bars);
    // The painter's right-to-left adjustments; the layout is not mirrored.
    bool RightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(bool value);
    // Without a repaint: for a panel drawing the grid's cells unmirrored.
    void setRightToLeftQuiet(bool value) { m_rightToLeft = value; }

    // --- current cell, selection, scrolling ------------------------------
    int Col() const { return m_current.X; }
    void setCol(int col);
    int Row() const { return m_current.Y; }
    void setRow(int row);
    // The block from the anchor to the current cell (whole rows with
    // goRowSelect), ordered.
    TGridRect Selection() const;
    // Makes Left/Top the anchor and Right/Bottom the current cell.
    void setSelection(const TGridRect &rect);
    TGridCoord Anchor() const { return m_anchor; }
    int LeftCol() const { return m_topLeft.X; }
    void setLeftCol(int col);
    int TopRow() const { return m_topLeft.Y; }
    void setTopRow(int row);
    // Scrollable columns (rows) wholly in view from LeftCol (TopRow), at
    // least one while there is one.
    int VisibleColCount() const;
    int VisibleRowCount() const;
    TGridState GridState() const { return m_state; }
    // The keyboard focus is in the grid or its editor, or the grid counts
    // as focused because goDrawFocusSelected is set.
    bool Focused() const;

    // --- geometry ------------------------------------------------------------
    int ClientWidth() const;
    int ClientHeight() const;
    // The visible cell's pixels, clipped by nothing; an empty rectangle
    // for a cell out of view.
    virtual platform::TRect CellRect(int col, int row) const;
    // The cell under a client point; (-1, -1) outside the cells.
    TGridCoord MouseCoord(int x, int y) const;
    void MouseToCell(int x, int y, int &col, int &row) const;
    // The largest TopRow (LeftCol) that still fills the view.
    int MaxTopRow() const;
    int MaxLeftCol() const;

    // --- repainting ---------------------------------------------------------
    void InvalidateCell(int col, int row);
    void InvalidateRow(int row);
    void InvalidateCol(int col);
    void InvalidateGrid();

    // --- moving -----------------------------------------------------------------
    // Makes (col, row) current when CanSelectCell allows it; moveAnchor also
    // puts the anchor there, show scrolls the cell into view.
    void MoveColRow(int col, int row, bool moveAnchor, bool show);
    // The selection becomes that one cell, which becomes current.
    void FocusCell(int col, int row, bool moveAnchor = true) { MoveColRow(col, row, moveAnchor, true); }

    // --- editor -------------------------------------------------------------
    bool EditorMode() const { return m_editorMode; }
    void setEditorMode(bool value);
    // Opens the editor over the current cell when GridCanEditShow allows.
    void ShowEditor();
    // Closes it, storing its text unless cancel.
    void HideEditor(bool cancel = false);
    TInplaceEdit *InplaceEditor() const { return m_editor; }

    // --- rows and columns -------------------------------------------------
    // Texts, objects and sizes move together.
    void DeleteRow(int row);
    void DeleteColumn(int col);
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);
    // Many rows in one pass, one size notification: the rows at these
    // indexes (ascending, distinct, in range) go; or empty rows come in so
    // that they end up at these indexes (ascending, distinct, in the grown
    // grid), with these heights (the default past the list's end). The
    // current cell stays on its row.
    void DeleteRowList(std::span<const int> rows);
    void InsertRowList(std::span<const int> rows, std::span<const int> heights = {});

    // --- storage --------------------------------------------------------------
    // Columns beyond ColCount keep their cells (a grid that shows fewer
    // columns keeps the others' cells until they are deleted); rows beyond
    // RowCount are dropped. The stored text; empty outside the store, where
    // writes are ignored.
    QString GetGridCell(int col, int row) const { return m_cells.text(col, row); }
    void SetGridCell(int col, int row, const QString &value);
    int StoreColCount() const { return m_cells.colCount(); }

    // --- events -----------------------------------------------------------------
    std::function<void(TCellGrid *, int col, int row, bool &canSelect)> OnSelectCell;
    std::function<void(TCellGrid *, int col, int row, const platform::TRect &rect, TGridDrawState state)> OnDrawCell;
    platform::TNotifyEvent OnTopLeftChanged;
    std::function<void(TCellGrid *, std::uint16_t &key, platform::TShiftState shift)> OnKeyDown;
    std::function<void(TCellGrid *, QChar &key)> OnKeyPress;
    std::function<void(TCellGrid *, int from, int to)> OnColumnMoved;
    std::function<void(TCellGrid *, int from, int to)> OnRowMoved;
    std::function<void(TCellGrid *, int col, int row, QString &value)> OnGetEditText;
    std::function<void(TCellGrid *, int col, int row, const QString &value)> OnSetEditText;

    // Paints the whole grid into an image of its size (what the screen
    // would show), for tests, printing and drag images.
    QImage paintToImage();
    // Handlers as the Qt events reach them; tests call them directly.
    void KeyDown(std::uint16_t key, platform::TShiftState shift);
    void KeyPress(QChar key);

    QSize sizeHint() const override;

protected:
    // --- hooks --------------------------------------------------------------
    // Paints every visible cell that meets the canvas's clip through
    // DrawGridCell, then the lines and the empty area.
    virtual void PaintGrid();
    // Default drawing: the background and the stored text; then OnDrawCell.
    virtual void DrawGridCell(int col, int row, const platform::TRect &rect, TGridDrawState state);
    // Asked before the current cell moves; false keeps it. Fires OnSelectCell.
    virtual bool CanSelectCell(int col, int row);
    virtual void GridTopLeftChanged();
    virtual void GridSizeChanged(int oldColCount, int oldRowCount) {}
    virtual void GridColWidthsChanged() {}
    virtual void GridRowHeightsChanged() {}
    // After the move: fire OnColumnMoved (OnRowMoved).
    virtual void GridColumnMoved(int from, int to);
    virtual void GridRowMoved(int from, int to);
    // What a press at (x, y) would start: gsColSizing or gsRowSizing with the
    // column (row) whose far line is under the pointer, the line's position
    // and the pointer's offset from it; gsNormal otherwise.
    virtual void GridCalcSizingState(int x, int y, TGridState &state, int &index, int &sizingPos, int &sizingOfs);
    virtual TInplaceEdit *GridCreateEditor();
    // goEditing without goRowSelect.
    virtual bool GridCanEditShow();
    // The stored text, through OnGetEditText.
    virtual QString GridGetEditText(int col, int row);
    // Stores the text, then OnSetEditText.
    virtual void GridSetEditText(int col, int row, const QString &value);
    // Characters the editor takes; 0 for no limit.
    virtual int GridGetEditLimit() { return 0; }
    virtual QString GridGetEditMask(int col, int row) { return {}; }
    // OnKeyDown, then the walk of the current cell (a key set to 0 stops it).
    virtual void GridKeyDown(std::uint16_t &key, platform::TShiftState shift);
    // OnKeyPress, then typing opens the editor.
    virtual void GridKeyPress(QChar &key);
    virtual void GridMouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
    virtual void GridMouseMove(platform::TShiftState shift, int x, int y);
    virtual void GridMouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
    // One row down (up); true when handled.
    virtual bool GridWheelDown(platform::TShiftState shift, QPoint pos);
    virtual bool GridWheelUp(platform::TShiftState shift, QPoint pos);
    // Ends (or starts) what a press started, for descendants that decide
    // it themselves.
    void setGridState(TGridState state) { m_state = state; }

    // The text the default drawing shows.
    virtual QString DefaultDrawText(int col, int row) { return GetGridCell(col, row); }
    // Whether a vertical scroll may move the painted rows instead of
    // painting them all again: not when a cell's look depends on its place
    // on the screen.
    virtual bool GridCanScrollByBlit() { return true; }
    // Pixels along the widget's edges that a descendant paints over the
    // cells (a border ring): a scroll must not move them into the cells.
    virtual int GridBlitInset() const { return 0; }
    // Rows at the end kept out of the scrolled area, and the pixels at the
    // bottom that a descendant's panel covers (a footer drawn over them).
    virtual int GridFooterRows() const { return 0; }
    virtual int GridFooterHeight() const { return 0; }
    // Takes a change of either into the scroll range.
    void GridFooterChanged() { layoutScrollBars(); }

    // The window's own bars, for descendants that size their thumbs
    // themselves; GridScrollBarsSynced runs each time the grid has set
    // their range, page and position.
    QScrollBar *verticalBar() const { return m_vertBar; }
    QScrollBar *horizontalBar() const { return m_horzBar; }
    virtual void GridScrollBarsSynced() {}

    // The objects the cells own, for descendants that keep their own there.
    TGridObject *gridObjectSlot(int col, int row) const { return m_cells.object(col, row); }
    std::unique_ptr<TGridObject> takeGridObjectSlot(int col, int row) { return m_cells.take(col, row); }
    // Gives back what the cell held (the object itself outside the grid).
    std::unique_ptr<TGridObject> putGridObjectSlot(int col, int row, std::unique_ptr<TGridObject> object);
    // Every owned object is freed.
    void clearGridObjects();
    // A row's texts and objects moved out whole (the row stays, empty) and
    // moved back: what hiding many rows moves without copying a text.
    TCellTable<TGridObject>::Row takeRowSlot(int row) { return m_cells.takeRow(row); }
    void putRowSlot(int row, TCellTable<TGridObject>::Row cells) { m_cells.putRow(row, std::move(cells)); }

    // Where scrollable column col (row) starts on the screen with the
    // current LeftCol (TopRow); fixed ones at their own place.
    int colLeft(int col) const;
    int rowTop(int row) const;
    int fixedColsExtent() const;
    int fixedRowsExtent() const;
    const TAxisSizes &colSizes() const { return m_cols; }
    const TAxisSizes &rowSizes() const { return m_rows; }
    // Repaints those pixels (nothing while the grid is hidden).
    void invalidateRect(const platform::TRect &rect);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    friend class TInplaceEdit;

    // MoveColRow, answering whether the cell is current now.
    bool moveCurrent(int col, int row, bool moveAnchor, bool show);
    // The step a navigation key asks for: true when it is one.
    bool keyTarget(std::uint16_t key, platform::TShiftState shift, TGridCoord &target, bool &scrolled);
    void changeTopLeft(int leftCol, int topRow);
    // Pixels asked to be drawn again, remembered so that a paint can tell
    // them from pixels a scroll only moved.
    void requestRepaint(const QRect &rect);
    // Moves the kept picture below the fixed rows by dy; false when it
    // must all be drawn again instead.
    bool scrollRetained(int dy);
    void scrollIntoView(int col, int row);
    void clampCurrent();
    void layoutScrollBars();
    // Sets one column's or row's size; false when out of range or unchanged.
    bool resizeEntry(TAxisSizes &axis, int count, int index, int size);
    void syncScrollBars();
    void placeEditor();
    void invalidateSelection(const TGridRect &rect);
    void fontChanged();
    // How many entries from first fit wholly into available pixels.
    int fittingCount(const TAxisSizes &axis, int first, int available) const;
    int maxFirst(const TAxisSizes &axis, int fixedCount, int available, int end = -1) const;
    int indexAtPixel(const TAxisSizes &axis, int fixedCount, int first, int pos) const;
    void finishMouseState(int x, int y);
    // Deleting and moving a row (row) or a column: sizes, texts and objects
    // together, the current cell along.
    void deleteLine(bool row, int index);
    void moveLine(bool row, int from, int to);

    TAxisSizes m_cols{64};
    TAxisSizes m_rows{24};
    TCellTable<TGridObject> m_cells;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_lineWidth = 1;
    TGridOptions m_options;
    bool m_defaultDrawing = true;
    platform::TColor m_color = platform::clWindow;
    platform::TColor m_fixedColor = platform::clBtnFace;
    platform::TFont m_font;
    TScrollStyle m_scrollBars = ssBoth;
    bool m_rightToLeft = false;

    TGridCoord m_current{1, 1};
    TGridCoord m_anchor{1, 1};
    TGridCoord m_topLeft{1, 1};

    // Mouse state: what a press started.
    TGridState m_state = gsNormal;
    int m_sizingIndex = -1;
    int m_sizingPos = 0;
    int m_sizingOfs = 0;
    int m_moveFrom = -1;
    int m_moveTo = -1;

    bool m_editorMode = false;
    TInplaceEdit *m_editor = nullptr;

    QScrollBar *m_vertBar = nullptr;
    QScrollBar *m_horzBar = nullptr;
    bool m_syncingBars = false;

    platform::TCanvas m_idleCanvas;
    platform::TCanvas *m_canvas = &m_idleCanvas;
    platform::TRetainedImage m_retained;
    QRegion m_scrolledValid; // moved by a scroll and still right
    QRegion m_requested; // asked for by the grid since the last paint
};

} // namespace controls

Q_DECLARE_OPERATORS_FOR_FLAGS(controls::TGridOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(controls::TGridDrawState)
