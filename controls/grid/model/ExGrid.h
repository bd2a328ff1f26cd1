#pragma once
// TExStringGrid: the string grid of the system, a base grid whose rows and
// columns can be hidden, moved, inserted and removed with everything kept
// per row and per column in step, with typed cell access, a selection model
// of rectangles and disjunct rows, columns and cells, check boxes and radio
// buttons, and a graphic object per cell.
//
// Index kinds: a hidden column stays in the store at its own place, a
// hidden row is taken out of it. So a store position is a real column and a
// display row; the All accessors take a real row. RealRowIndex,
// DisplRowIndex, RealColIndex and DisplColIndex convert.
//
// The members are spread over files by concern (ExGridCells.cpp,
// ExGridSelection.cpp, ExGridStructure.cpp...); the state of each concern
// lives in a private part of its own.
#include "controls/grid/base/GridTypes.h"
#include "controls/grid/base/Themes.h"
#include "controls/grid/base/IntList.h"
#include "controls/grid/base/MouseActions.h"
#include "controls/grid/base/Navigation.h"
#include "controls/grid/base/SyncGrid.h"
#include "controls/grid/base/widget/BaseGrid.h"
#include "controls/grid/base/paint/CellShapes.h"
#include "controls/grid/model/CellGraphic.h"
#include "controls/grid/model/GridGrouping.h"
#include "controls/grid/model/GridSortSettings.h"
#include "controls/grid/model/FloatingFooter.h"
#include "controls/grid/model/PrintSettings.h"
#include "controls/grid/model/core/CellFinder.h"
#include "controls/grid/model/core/HiddenRows.h"
#include "controls/grid/view/GridScrollTypes.h"
#include "platform/print/PagePrinter.h"
#include "platform/NumberedTimers.h"
#include "platform/draw/GraphicsObjects.h"

#include <QDateTime>
#include <QEvent>
#include <QIODevice>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QMenu;
class QTimer;
class QScrollBar;

namespace controls {

class TExStringGrid;
class TScrollControl;
class TFilePicture;
class TInterfacedPersistent;
class TBands;
struct TCellNode;
struct TGridAppearance;
enum TScrollBarAlways : std::uint8_t;
enum TGridLook : std::uint8_t;
enum TExGridStyle : std::uint8_t;
enum TXPColorScheme : std::uint8_t;
class THeaderAppearance;
class TFooterAppearance;
struct TGridAppearanceDeleter {
    void operator()(TGridAppearance *appearance) const;
};
struct TGridStructure;
struct TGridSelection;
struct TGridGraphics;
struct TGridSortFilter;

// The cells of a row while it is hidden or taken out: one entry per real
// column, the properties travelling with their text.
struct THiddenCell {
    QString text;
    std::unique_ptr<TCellProperties> props;
};
// A row's cells and what the grid keeps per row beside them.
struct TRowCells {
    std::vector<THiddenCell> cells;
    // The column's entry, or nil past the row's entries.
    const THiddenCell *cellAt(int col) const
    {
        return col >= 0 && static_cast<std::size_t>(col) < cells.size() ? &cells[static_cast<std::size_t>(col)] : nullptr;
    }
    // The column's entry; the row grows to it, so a write past its entries
    // is no reason to fail.
    THiddenCell &grownTo(int col)
    {
        if (static_cast<std::size_t>(col) >= cells.size())
            cells.resize(static_cast<std::size_t>(col) + 1);
        return cells[static_cast<std::size_t>(col)];
    }
    bool modified = false;
    bool disabled = false;
    bool selected = false;
};

enum TFilterDropDownColumns : std::uint8_t { fdNormal, fdAll };
enum TControlStyle : std::uint8_t { csClassic, csFlat, csWinXP, csBorland, csFenlo, csGlyph, csTheme };

// The look settings the grid's model reads; the painting adds its own.
struct TGridControlLook {
    bool CheckAlwaysActive = false; // check boxes take clicks on read-only cells
    bool RadioAlwaysActive = false;
    bool DropDownAlwaysVisible = false;
    bool SpinButtonsAlwaysVisible = false;
    int CheckSize = 15;
    platform::TColor CommentColor = 0x0000FF;

    // --- what the painting reads (controls/grid/view/) ---
    TControlStyle ControlStyle = csTheme;
    platform::TColor Color = 0x000000;
    int RadioSize = 10;
    QImage CheckedGlyph;
    QImage UnCheckedGlyph;
    QImage RadioOnGlyph;
    QImage RadioOffGlyph;
    bool FlatButton = false;
    int ProgressMarginX = 2;
    int ProgressMarginY = 2;
    bool ProgressXP = false;
    bool NoDisabledCheckRadioLook = false;
    bool NoDisabledButtonLook = false;
    platform::TColor ProgressBorderColor = 0x808080;
    platform::TColor FixedGradientFrom = platform::clNone;
    platform::TColor FixedGradientTo = platform::clNone;
    platform::TColor FixedGradientMirrorFrom = platform::clNone;
    platform::TColor FixedGradientMirrorTo = platform::clNone;
    platform::TColor FixedGradientHoverFrom = 0x808080;
    platform::TColor FixedGradientHoverTo = 0xFFFFFF;
    platform::TColor FixedGradientHoverMirrorFrom = platform::clNone;
    platform::TColor FixedGradientHoverMirrorTo = platform::clNone;
    platform::TColor FixedGradientHoverBorder = 0xC0C0C0;
    platform::TColor FixedGradientDownFrom = 0x808080;
    platform::TColor FixedGradientDownTo = 0xC0C0C0;
    platform::TColor FixedGradientDownMirrorFrom = platform::clNone;
    platform::TColor FixedGradientDownMirrorTo = platform::clNone;
    platform::TColor FixedGradientDownBorder = 0x808080;
    bool FixedDropDownButton = false;
    int DropDownCount = 8;
    int HintMaxWidth = 0;
    // The look of the drop-down editors' popup header and footer; each look
    // has its own pair, made on first use (controls/grid/view/GridLooks.cpp).
    THeaderAppearance &DropDownHeader() const;
    TFooterAppearance &DropDownFooter() const;
    mutable std::shared_ptr<struct TDropDownStrips> m_dropDownStrips;
    // Back to the colours after creation; the sizes, style and glyphs stay.
    void Init();
    // Copies what a look carries over, the grid's own colours untouched.
    void Assign(const TGridControlLook &source);
};
using TControlLook = TGridControlLook;

// A component beside the grid told of every change of its cells; the grid
// does not own it.
class TGridChangeNotifier {
public:
    virtual ~TGridChangeNotifier() = default;
    virtual void CellsChanged(const platform::TRect &R) {}
};

// Told each time the current cell moved.
class ITExStringGridSelect {
public:
    virtual ~ITExStringGridSelect() = default;
    virtual void CellSelected(int ACol, int ARow) = 0;
};

// The kinds the grid registers with the platform on first use: its events
// and the MIME type of its own cell format.
QEvent::Type GridEditDoneEvent();
QEvent::Type DTPShiftFocusEvent();
QString GridCellsMimeType();

using TCheckBoxClickEvent = std::function<void(TExStringGrid *Sender, int ACol, int ARow, bool State)>;
using TRowDisjunctSelectEvent = std::function<void(TExStringGrid *Sender, int ARow, bool State, bool &Allow)>;
using TGetCheckEvent = std::function<void(TExStringGrid *Sender, int ACol, int ARow, QString &Value)>;
using TGetColumnFilterEvent = std::function<void(TExStringGrid *Sender, int Column, QStringList &Filter)>;
using TCellSaveLoadEvent = std::function<void(TExStringGrid *Sender, int ACol, int ARow, QString &Value)>;
using TAutoDeleteRowEvent = std::function<void(TExStringGrid *Sender, int ARow)>;
using TCellsChangedEvent = std::function<void(TExStringGrid *Sender, const platform::TRect &R)>;
using TCanEditCellEvent = std::function<void(TExStringGrid *Sender, int ARow, int ACol, bool &CanEdit)>;
using TIsFixedCellEvent = std::function<void(TExStringGrid *Sender, int ARow, int ACol, bool &IsFixed)>;
using TCanAddRowEvent = std::function<void(TExStringGrid *Sender, bool &CanAdd)>;
using TCanInsertRowEvent = std::function<void(TExStringGrid *Sender, int ARow, bool &CanInsert)>;
using TGridMovedEvent = std::function<void(TExStringGrid *Sender, int FromIndex, int ToIndex)>;
using TGridColorEvent = std::function<void(TExStringGrid *Sender, int ARow, int ACol, TGridDrawState AState,
                                           platform::TBrush &ABrush, platform::TFont &AFont)>;
using TGridAlignEvent =
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, TAlignment &HAlign, TVAlignment &VAlign)>;
using TGetEditorTypeEvent = std::function<void(TExStringGrid *Sender, int ACol, int ARow, TEditorType &AEditor)>;
using THasCellButtonEvent = std::function<void(TExStringGrid *Sender, int ACol, int ARow, bool &Has)>;
using TGridHintEvent = std::function<void(TExStringGrid *Sender, int ARow, int ACol, QString &hintstr)>;
using TSelectionChangedEvent =
    std::function<void(TExStringGrid *Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TFloatFormatEvent =
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, bool &IsFloat, QString &FloatFormat)>;

class TExStringGrid : public TBaseGrid {
    Q_OBJECT
public:
    explicit TExStringGrid(QWidget *parent = nullptr);
    ~TExStringGrid() override;

    // --- version and system -----------------------------------------------------
    static constexpr int kVersionNr = 0x02040001;
    virtual int GetVersionNr() const { return kVersionNr; }
    int VersionNr() const { return GetVersionNr(); }
    QString Version() const;
    virtual QString GetVersionString() const;
    QString VersionString() const { return GetVersionString(); }
    // The system flags: this platform has everything the grid asks about,
    // but no theme engine, so the XP flag is off after the theme check.
    bool IsWinXP() const { return FIsWinXP; }
    bool IsWin7() const { return true; }
    bool IsWinVista() const { return true; }
    bool IsComCtl6() const { return true; }
    bool UseVCLStyles() const { return FUseVCLStyles; }

    // --- update lock ------------------------------------------------------------------
    // Only while visible: counts the lock and stops repainting.
    void BeginUpdate();
    // Counts the lock, also while invisible; nothing else.
    void StartUpdate();
    // Only while visible: the last one repaints the grid once.
    void EndUpdate();
    void ResetUpdate() { FUpdateCount = 0; }
    bool LockUpdate() const { return FUpdateCount != 0; }
    int UpdateCount() const { return FUpdateCount; }
    // A bracket for settings applied together (the form-stream loading of
    // the original): GridLoaded runs at the end.
    void BeginLoading() { m_loading = true; }
    void EndLoading();
    bool Loading() const { return m_loading; }
    bool Loaded() const { return m_loaded; }

    // --- layout -------------------------------------------------------------------------
    // Moves and sizes the grid; with IntegralHeight the height is cut to
    // whole rows.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    bool IntegralHeight() const { return FIntegralHeight; }
    void setIntegralHeight(bool value);
    // A single border adds two pixels to the height IntegralHeight keeps.
    bool BorderSingle() const { return m_borderSingle; }
    void setBorderSingle(bool value) { m_borderSingle = value; }
    // The application's visual style changed: the grid takes its colours.
    void GridStyleChanged() { ApplyActiveStyleColors(); }
    void ApplyActiveStyleColors();
    void IncRowCount() { setRowCount(RowCount() + 1); }
    // The shown rows and columns; the store keeps every hidden column too.
    void setRowCount(int count);
    void setColCount(int count);
    // The fixed rows (columns) asked for are remembered: with FixedRowAlways
    // (FixedColAlways) a grid too small for them gets them back once it
    // has the rows (columns).
    void setFixedRows(int count);
    void setFixedCols(int count);
    bool FixedColAlways() const { return FFixedColAlways; }
    void setFixedColAlways(bool value) { FFixedColAlways = value; }
    int FixedFooters() const { return FFixedFooters; }
    void setFixedFooters(int value);
    int FixedRightCols() const { return FFixedRightCols; }
    void setFixedRightCols(int value);
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void setFixedRowAlways(bool value) { FFixedRowAlways = value; }
    bool EnhRowColMove() const { return FEnhRowColMove; }
    void setEnhRowColMove(bool value) { FEnhRowColMove = value; }

    TMouseActions &MouseActions() { return m_mouseActions; }
    TNavigation &Navigation() { return m_navigation; }

    // --- settings read by the cells and hooks -------------------------------------------
    QString FloatFormat;
    QString CheckTrue;
    QString CheckFalse;
    QString FilterDropDownClear;
    bool FilterDropDownAuto = false;
    bool FilterIncremental = false;
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    bool SaveVirtCells = true;
    bool SaveWithHTML = true;
    bool ShowNullDates = true;
    int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    void setSelectionColorMixerFactor(int value);
    bool ActiveCellShow = false;
    TGridControlLook &ControlLook() { return m_controlLook; }
    const TGridControlLook &ControlLook() const { return m_controlLook; }
    TEditorType DefaultEditor = edNormal;
    platform::TColor ActiveCellColor = 0x808080;
    platform::TFont &ActiveCellFont() { return m_activeCellFont; }
    TVAlignment VAlignment = vtaTop;
    // The column the grid is sorted by; it follows its column when columns
    // move or go.
    int SortColumn() const;
    void setSortColumn(int column);

    // --- cells ----------------------------------------------------------------------------
    // Real column, real row: a hidden row is served from the row kept for it.
    QString AllCells(int ACol, int ARow) const;
    void setAllCells(int ACol, int ARow, const QString &Value);
    QString AllGridCells(int ACol, int ARow) const;
    void setAllGridCells(int ACol, int ARow, const QString &Value);
    // The properties record of a real cell, hidden rows included; none when
    // the cell has none.
    TCellProperties *GetObjectOfRealRow(int ACol, int ARow) const;
    QString GetStrippedCell(int ACol, int ARow) const;
    // Typed cells raise ZOraZaziRarar when the text holds no number.
    int Ints(int ACol, int ARow) const;
    void setInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow) const;
    void setAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow) const;
    void setFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow) const;
    void setAllFloats(int ACol, int ARow, double Value);
    virtual QString GetColumnFloatFormat(int ACol, int ARow) const { return FloatFormat; }
    // The text of the current cell's base cell: raw, and through the display.
    virtual QString CurrentCell() const;
    virtual void setCurrentCell(const QString &Value);
    virtual QString GetActiveCellText() const;
    // Reading never creates a properties record (WordWraps does).
    platform::TColor Colors(int ACol, int ARow) const;
    void setColors(int ACol, int ARow, platform::TColor Value);
    platform::TColor ColorsTo(int ACol, int ARow) const;
    void setColorsTo(int ACol, int ARow, platform::TColor Value);
    platform::TColor FontColors(int ACol, int ARow) const;
    void setFontColors(int ACol, int ARow, platform::TColor Value);
    int FontSizes(int ACol, int ARow) const;
    void setFontSizes(int ACol, int ARow, int Value);
    QString FontNames(int ACol, int ARow) const;
    void setFontNames(int ACol, int ARow, const QString &Value);
    TAlignment Alignments(int ACol, int ARow) const;
    void setAlignments(int ACol, int ARow, TAlignment Value);
    bool ReadOnly(int ACol, int ARow) const;
    void setReadOnly(int ACol, int ARow, bool Value);
    platform::FontStyle FontStyles(int ACol, int ARow) const;
    void setFontStyles(int ACol, int ARow, platform::FontStyle Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void setGradients(int ACol, int ARow, TCellGradientDirection Value);
    // Every cell of a display row from the first normal column on; none
    // frees the records that only held that colour.
    void setRowColor(int ARow, platform::TColor Color);
    void setRowColorTo(int ARow, platform::TColor Color);
    void setRowFontColor(int ARow, platform::TColor Color);
    // By the column's number before any column move.
    QString OriginalCells(int ACol, int ARow) const;
    void setOriginalCells(int ACol, int ARow, const QString &Value);
    int LinesInCell(int ACol, int ARow) const;
    // The VALUE of a mini-HTML form control of the cell, by its ID.
    QString ControlValues(int ACol, int ARow, const QString &ID) const;
    void setControlValues(int ACol, int ARow, const QString &ID, const QString &Value);
    // Header texts written into the fixed row and column; "\n" in a text
    // is a line break.
    const QStringList &ColumnHeaders() const { return m_columnHeaders; }
    void setColumnHeaders(const QStringList &headers);
    const QStringList &RowHeaders() const { return m_rowHeaders; }
    void setRowHeaders(const QStringList &headers);
    void ShowColumnHeaders();
    void ClearColumnHeaders();
    void ShowRowHeaders();
    void ClearRowHeaders();
    bool WordWraps(int ACol, int ARow);
    void setWordWraps(int ACol, int ARow, bool Value);
    // A widget shown over the cell (real column, display row); it moves
    // with its cell and hides with its row or column.
    QWidget *CellControls(int ACol, int ARow) const;
    void setCellControls(int ACol, int ARow, QWidget *AControl);
    int NumCellControls() const { return FNumCellControls; }
    // Places every cell's widget over its cell, or hides it when its cell
    // is hidden or out of view.
    void CellControlsUpdate(bool rebuildlist = false);
    // The text shown, formatted: a number through the format the owner
    // gives in OnGetFloatFormat; any other text as it is.
    virtual QString GetFormattedCell(int ACol, int ARow) const;

    // --- hooks ------------------------------------------------------------------------------
    virtual void DoGetCheckTrue(int ACol, int ARow, QString &Value);
    virtual void DoGetCheckFalse(int ACol, int ARow, QString &Value);
    virtual bool DoGetColumnFilter(int ACol);
    const QStringList &FilterList() const { return m_filterList; }
    virtual void DoSaveCell(int ACol, int ARow, QString &Value);
    virtual void DoLoadCell(int ACol, int ARow, const QString &Value);
    virtual void DoAutoDeleteRow(int ARow);
    virtual void DoCellsChanged(const platform::TRect &R);
    virtual void DoCanEditCell(int ACol, int ARow, bool &CanEdit);
    virtual void DoIsFixedCell(int ACol, int ARow, bool &IsFixed);
    virtual void CheckCellEditable(int ACol, int ARow, bool &CanEdit);
    // Whether a click may change a cell's box or radio button: the look may
    // keep them active, else the cell's editability decides.
    bool controlMayChange(int ACol, int ARow, bool CheckEditable, bool AlwaysActive);
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    virtual void DoCanAddRow(bool &CanAdd);
    virtual void DoCanInsertRow(int ARow, bool &CanInsert);
    bool IsFixed(int ACol, int ARow) override;
    bool IsEditableCell(int ACol, int ARow);
    virtual void DoGetCellColor(int ACol, int ARow, TGridDrawState AState, platform::TBrush &ABrush,
                                platform::TFont &AFont);
    virtual void DoGetAlignment(int ACol, int ARow, TAlignment &HAlign, TVAlignment &VAlign);
    virtual void DoGetEditorType(int ACol, int ARow, TEditorType &AEditor);
    virtual void DoGetEditorTypeEx(int ACol, int ARow, TEditorType &AEditor);
    virtual bool DoHasComboBox(int ACol, int ARow);
    virtual bool DoHasSpinEdit(int ACol, int ARow);
    virtual bool HasNoEditor(int ACol, int ARow);
    virtual void DoGridHint(int ACol, int ARow, QString &Hint);
    virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    // Texts the filtering and measuring read, so that a descendant can
    // substitute its own.
    virtual QString ReadCellText(int ACol, int ARow) const { return Cells(ACol, ARow); }
    void RegisterNotifier(TGridChangeNotifier *ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier *ANotifier);
    void RegisterSelListener(ITExStringGridSelect *AListener) { m_selListener = AListener; }
    void UnRegisterSelListener(ITExStringGridSelect *) { m_selListener = nullptr; }

    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TGetColumnFilterEvent OnGetColumnFilter;
    TCellSaveLoadEvent OnSaveCell;
    TCellSaveLoadEvent OnLoadCell;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TCellsChangedEvent OnCellsChanged;
    TCanEditCellEvent OnCanEditCell;
    TIsFixedCellEvent OnIsFixedCell;
    TCheckBoxClickEvent OnCheckBoxChange;
    TCanAddRowEvent OnCanAddRow;
    TCanInsertRowEvent OnCanInsertRow;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TFloatFormatEvent OnGetFloatFormat;
    TGridColorEvent OnGetCellColor;
    TGridAlignEvent OnGetAlignment;
    TGetEditorTypeEvent OnGetEditorType;
    THasCellButtonEvent OnHasComboBox;
    THasCellButtonEvent OnHasSpinEdit;
    TGridHintEvent OnGridHint;
    TSelectionChangedEvent OnSelectionChanged;
    TGridMovedEvent OnGridColumnMoved;
    TGridMovedEvent OnGridRowMoved;

    // --- selection ----------------------------------------------------------------------
    // Raise ZOraZaziRarar for a row or column outside the grid.
    bool RowSelect(int ARow);
    void setRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol);
    void setColSelect(int ACol, bool Value);
    bool RowModified(int ARow) const;
    void setRowModified(int ARow, bool Value);
    bool RowEnabled(int ARow) const;
    void setRowEnabled(int ARow, bool Value);
    bool SelectedCells(int ACol, int ARow) const;
    void setSelectedCells(int ACol, int ARow, bool Value);
    TGridCoord SelectedCell(int i) const;
    int SelectedRow(int i) const;
    int RowSelectCount() const;
    int SelectedRowCount() const;
    int SelectedColCount() const;
    int SelectedCellsCount();
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    int ColSelectCount() const;
    // The rectangle copied into the row (column) flags; All clears the
    // flags outside it too.
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    void ClearModifiedRows();
    int ModifiedRowCount() const;
    // Exchanges the texts and properties of two store cells; no events.
    void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
    void ClearRowSelect();
    void ClearColSelect();
    void ClearSelectedCells();
    bool IsSelected(int ACol, int ARow);
    QString SelectedText() const;
    void GotoCell(int ACol, int ARow);
    // Parks the selection just outside the grid, and brings it back.
    void HideSelection();
    void UnHideSelection();

    // --- structure: hiding and the index kinds ---------------------------------------------
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    int RealColIndex(int ACol) const;
    int DisplColIndex(int ACol) override;
    int DisplColIndex(int ACol) const;
    int TotalColCount() const override;
    int AllColCount() const { return TotalColCount(); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int AllRowCount() const { return TotalRowCount(); }
    int RealRow() const { return RealRowIndex(Row()); }
    int RealCol() const { return RealColIndex(Col()); }
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    bool IsHiddenColumn(int ColIndex) const;
    int NumHiddenColumns() const;
    // A real column's width: the one it had when hidden, or its shown one.
    int AllColWidths(int ACol) const;
    void setAllColWidths(int ACol, int Width);
    void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
    // Each row of the range at its own display place, whether or not some
    // are hidden already.
    void HideRows(int FromRow, int ToRow);
    void HideRowsEx(int FromRow, int ToRow);
    // Store rows, as a filter hides them: one level more.
    void HideRowList(const std::vector<int> &RowList);
    void UnHideRow(int RowIndex) { UnHideRows(RowIndex, RowIndex); }
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    // Shows the rows of the latest filter level only.
    void UnHideRowList();
    bool IsHiddenRow(int RowIndex) const;
    int NumHiddenRows() const;
    // Who hid a row: Rows, Filter or Node; Rows for a shown one.
    THideReason HiddenRowReason(int RowIndex) const;
    int HiddenRowHeight(int RowIndex) const;

    // --- structure: inserting and removing ------------------------------------------------
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    // Frees the rows' cell properties.
    virtual void RemoveRows(int RowIndex, int RCount);
    // Takes the rows out without freeing anything: their cells come back to
    // the caller, properties and all.
    virtual std::vector<TRowCells> RemoveRowsEx(int RowIndex, int RCount);
    virtual void DeleteRowRange(int RowIndex, int RCount);
    virtual void InsertCols(int ColIndex, int CCount);
    virtual void RemoveCols(int ColIndex, int CCount);
    void AddRow();
    void AddColumn() { InsertCols(ColCount(), 1); }
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    bool ClearTextOnly = false;
    // Rectangle columns are display columns, mapped to real ones.
    bool SaveHiddenCells = false;
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void Clear();
    // Clear, and the kept cells of hidden rows too.
    void ClearAll();
    void ClearSelection();
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, platform::TColor AColor);
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // Texts equal but for case are duplicates unless DoCase.
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void MergeCols(int ColIndex1, int ColIndex2, const QString &Separator);
    // Columns whose runs of equal cells stay merged: any change of the list
    // splits every column and merges the listed ones again.
    TIntList &MergedColumns() { return m_mergedColumns; }
    void ReapplyMergedColumns();
    bool IsCell(const QString &SubStr, int &ACol, int &ARow) const;
    bool IsWideCell(int ACol, int ARow) const;

    // --- structure: moving and the column order ---------------------------------------------
    void MoveRow(int FromIndex, int ToIndex);
    void MoveColumn(int FromIndex, int ToIndex);
    void SwapRows(int Index, int Index2);
    void SwapColumns(int Index, int Index2);
    void SetColumnOrder();
    // A remembered order as a stored layout gives it, taken as it is.
    void SetColumnOrderList(const std::vector<int> &Order);
    // False, changing nothing, when the remembered order is no permutation.
    bool ResetColumnOrder();
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int APos);
    int ColumnByHeader(const QString &AValue) const;

    // --- check boxes and radio buttons ------------------------------------------------------
    // Raise platform::Error "Invalid cell" outside the grid.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBoxColumn(int ACol);
    void RemoveCheckBox(int ACol, int ARow);
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    // Real row, so that hidden rows are reached.
    bool GetCheckBoxState(int ACol, int ARow, bool &State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState &State);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    bool IsChecked(int ACol, int ARow);
    bool ToggleCheckBox(int ACol, int ARow) { return ClickCellCheckBox(ACol, ARow, false); }
    virtual bool ClickCellCheckBox(int ACol, int ARow, bool CheckEditable);
    bool SetCheckBoxStateNotify(int ACol, int ARow, bool State);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    void AddRadioButton(int ACol, int ARow, bool State);
    void RemoveRadioButton(int ACol, int ARow);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    // The space key on a radio group: the next option, round to the first.
    bool SelectNextRadioItem(int ACol, int ARow, bool CheckEditable);
    // A cell whose text is its control's value (a data check box, a data
    // image): printing leaves the text out.
    bool IsDataTextCell(int ACol, int ARow);
    bool HasRadioButton(int ACol, int ARow);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol);
    virtual bool ClickRadioButton(int ACol, int ARow, bool CheckEditable);
    bool IsClickControlCell(int ACol, int ARow);
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }

    // --- cell graphics ----------------------------------------------------------------------
    // The cell's graphic (real column, display row); in column 0 with
    // HotmailRowSelect the grid's shared row check box.
    virtual TCellGraphic *GetCellGraphic(int ACol, int ARow);
    virtual TCellType GetCellType(int ACol, int ARow);
    bool CellTypeInSet(int ACol, int ARow, std::initializer_list<TCellType> kinds);
    TCellGraphic *AttachNewCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType kind);
    // The payloads are the caller's unless a Create operation made them.
    void AddBitmap(int ACol, int ARow, QImage *ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    QImage *CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    QImage *GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    bool RemoveBitmap(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
    void AddPicture(int ACol, int ARow, QImage *APicture, bool Transparent, TStretchMode StretchMode, int padding,
                    TCellHAlign hal, TCellVAlign val);
    QImage *CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int padding,
                          TCellHAlign hal, TCellVAlign val);
    QImage *GetPicture(int ACol, int ARow);
    bool RemovePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
    void AddFilePicture(int ACol, int ARow, TFilePicture *AFilePicture, bool Transparent, TStretchMode StretchMode,
                        int padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture *CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int padding,
                               TCellHAlign hal, TCellVAlign val);
    TFilePicture *GetFilePicture(int ACol, int ARow);
    bool RemoveFilePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
    void AddIcon(int ACol, int ARow, QIcon *AIcon, TCellHAlign hal, TCellVAlign val);
    QIcon *CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    bool RemoveIcon(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
    // The image-list kinds need GridImages set; without it nothing happens.
    void *GridImages() const { return m_gridImages; }
    void setGridImages(void *images) { m_gridImages = images; }
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int &idx);
    bool RemoveImageIdx(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow);
    void RemoveDataImage(int ACol, int ARow);
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    TIntList *CellImages(int ACol, int ARow);
    bool RemoveMultiImage(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImages); }
    void AddRotated(int ACol, int ARow, int AAngle, const QString &s);
    void SetRotated(int ACol, int ARow, int AAngle);
    bool IsRotated(int ACol, int ARow, int &aAngle);
    bool RemoveRotated(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRotated); }
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, QStringList *sl);
    QStringList *CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    QStringList *GetRadioStrings(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow) { return GetCellType(ACol, ARow) == ctRadio; }
    bool RemoveRadio(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
    bool GetRadioIdx(int ACol, int ARow, int &IdxRadio);
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    // The shared row check box of column 0 (HotmailRowSelect); never a cell's.
    TCellGraphic *SharedRowCheckGraphic() const { return m_rowCheckGraphic.get(); }

    // The text of the undo step a check click registers.
    TExGridUndoRedo *CheckUndo() const { return UndoRedo(); }

    // ===== cell objects: progress bars, comments, markers, shapes, ratings, in-cell scroll
    // bars, buttons, balloons, expand buttons and painter objects (ExGridCellObjects.cpp;
    // controls/grid/view/RatingCells.cpp, ShapeCells.cpp, InterfaceCells.cpp,
    // InCellScrollBar.cpp, CellObjectMouse.cpp; their state in CellObjectState.h) =========
    // Colours are TColor values; columns are real unless a comment says display.
    void AddProgress(int ACol, int ARow, platform::TColor FGColor, platform::TColor BKColor);
    void AddProgressEx(int ACol, int ARow, platform::TColor FGColor, platform::TColor FGTextColor,
                       platform::TColor BKColor, platform::TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, platform::TColor FGColor, platform::TColor FGTextColor,
                              platform::TColor BKColor, platform::TColor BKTextColor, const QString &Fmt, int Min,
                              int Max);
    bool HasProgress(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctProgress}); }
    bool RemoveProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
    void AddExProgress(int ACol, int ARow, int Min, int Max);
    bool RemoveExProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
    void AddProgressPie(int ACol, int ARow, platform::TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    bool RemoveProgressPie(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
    void AddRangeIndicator(int ACol, int ARow, int Range, platform::TColor NegColor, platform::TColor PosColor,
                           bool ShowValue);
    bool RemoveRangeIndicator(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator); }
    void AddComment(int ACol, int ARow, const QString &Comment);
    void AddColorComment(int ACol, int ARow, const QString &Comment, platform::TColor Color);
    bool IsComment(int ACol, int ARow, QString &comment);
    QString CellComment(int ACol, int ARow);
    // A cell without an object gets one; a cell with another object is left alone.
    void setCellComment(int ACol, int ARow, const QString &Value);
    bool RemoveComment(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctComment); }
    void RemoveAllComments();
    // The marked text range shares its fields with a progress bar's range.
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int &ErrPos, int &ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void AddShape(int ACol, int ARow, TCellShape Shape, platform::TColor FillColor, platform::TColor LineColor,
                  TCellHAlign hal, TCellVAlign val);
    void SetShapeColor(int ACol, int ARow, platform::TColor FillColor);
    platform::TColor GetShapeColor(int ACol, int ARow);
    bool RemoveShape(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctShape); }
    // The rate is the cell's Floats value, in half stars.
    void AddRating(int ACol, int ARow, int Scale, platform::TColor FillColor, platform::TColor EmptyColor);
    bool HasRating(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctRating}); }
    bool RemoveRating(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRating); }
    // With AutoRange the page is the row height and the range the text's height.
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctScrollbar}); }
    bool RemoveScrollBar(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow);
    void AddButton(int ACol, int ARow, int bw, int bh, const QString &Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const QString &Caption, QImage *Glyph, TCellHAlign hal,
                      TCellVAlign val);
    QImage *CreateBitButton(int ACol, int ARow, int bw, int bh, const QString &Caption, TCellHAlign hal,
                            TCellVAlign val);
    // Display columns.
    void SetButtonText(int ACol, int ARow, const QString &Caption);
    QString GetButtonText(int ACol, int ARow);
    void PushButton(int ACol, int ARow, bool push);
    platform::TRect GetCellButtonRect(int ACol, int ARow);
    bool HasButton(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctButton, ctBitButton}); }
    void RemoveButton(int ACol, int ARow);
    bool RemoveBitButton(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
    void RemoveAllButtons();
    // On a check box or radio button the balloon joins it; a cell with any
    // other object is left alone.
    void AddBalloon(int ACol, int ARow, const QString &Title, const QString &Text, TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    bool HasBalloon(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctBalloon}); }
    bool IsBalloon(int ACol, int ARow, QString &Title, QString &Text, TBalloonIcon &Icon);
    // The row's height now is the collapsed height.
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    bool HasExpand(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctExpand}); }
    bool RemoveExpand(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctExpand); }
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    // Display column: the 11 x 11 box at the cell's top right.
    platform::TRect GetExpandButtonRect(int ACol, int ARow);
    void AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent *AObject);
    TInterfacedPersistent *GetInterfacedCell(int ACol, int ARow);
    bool RemoveInterfacedCell(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctInterface); }
    // Allow, after OnRatingChange may have changed it and the rate.
    virtual bool DoRatingChange(int ACol, int ARow, double &NewRate);
    virtual void DoButtonClick(int ACol, int ARow);
    // Sets the row height the state asks for after OnExpandClick.
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, double &NewRate, bool &Allow)> OnRatingChange;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, bool Expanded)> OnExpandClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>
        OnScrollCell;
    // The in-cell scroll bar's messages: SB_LINEUP 0, SB_LINEDOWN 1,
    // SB_PAGEUP 2, SB_PAGEDOWN 3, SB_THUMBTRACK 5 (with its position).
    // True when the position of the bar's cell changed.
    bool InCellScroll(int Code, int Pos);
    // The bar shown over the hovered scroll-bar cell; nil before the first.
    QScrollBar *InCellScrollBar() const;
    TGridCoord HoverButton() const;

private:
    struct TCellPaint;
    friend class TCellScrollClip;
    struct TCellObjectState &cellObjects() const;
    // Steps of the painting, the mouse and the text writer for the cell objects.
    void renderRating(TCellPaint &cell, int x, int y);
    void renderShape(TCellPaint &cell, const platform::TRect &box);
    void renderInterface(TCellPaint &cell, platform::TRect r, bool beforeText);
    void renderInCellScrollBar(TCellPaint &cell);
    platform::TSize interfaceGraphicSize(const TCellGraphic &g);
    bool pressRating(int ACol, int ARow, int RealCol, int X);
    bool pressCellButton(int ACol, int ARow, int RealCol, int X, int Y);
    bool releaseCellButton(int X, int Y);
    bool onCellButton(int X, int Y);
    void hoverCellObjects(int ACol, int ARow, int X, int Y);
    void hoverInCellScrollBar(int ACol, int ARow);
    QRect inCellBarPlace(int ACol, int ARow) const;
    void keepInCellScrollBarInPlace();
    void updateAutoRangeScrollBar(int ACol, int ARow);
    TCellGraphic *scrollBarOf(int ACol, int ARow) const;
    mutable std::shared_ptr<struct TCellObjectState> m_cellObjects;

public:
    // ===== end of cell objects =================================================================

    // ===== sorting, filtering, column functions and sizing ================================
    // (ExGridSort.cpp, ExGridFilter.cpp, ExGridFunctions.cpp, ExGridSizing.cpp; their
    // state in GridSortFilter.h)
    TSortSettings &SortSettings();
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    // The data rows (fixed rows and footers stay) in the order of the sort
    // column, ties broken by the columns after it with Full; stable. The
    // rows move once, after every comparison is made: a compare event that
    // raises leaves the grid as it was.
    virtual void QSort();
    // By the index list; raises ZOraZaziRarar when it is empty.
    virtual void QSortIndexed();
    // The order before the first sort.
    virtual void QUnSort();
    virtual void SortSwapRows(int Index, int Index2);
    void InitSortXRef();
    TSortIndexList &SortIndexes();
    int SortSwaps() const;
    std::function<void(TExStringGrid *Sender, int ACol, TSortStyle &AStyle, QString &APrefix, QString &ASuffix)>
        OnGetFormat;
    std::function<void(TExStringGrid *Sender, const QString &Str1, const QString &Str2, int &Res)> OnCustomCompare;
    std::function<void(TExStringGrid *Sender, int ACol, int Row1, int Row2, int &Res)> OnRawCompare;
    virtual void DoGetFormat(int ACol, TSortStyle &AStyle, QString &APrefix, QString &ASuffix);

    std::vector<TFilterData> &Filter();
    bool MatchFilter(int ARow);
    void FilterRow(int ARow);
    // Hides the data rows that fail as one filter level.
    void ApplyFilter();
    // Shows the rows of the latest level only; true while levels remain.
    bool RemoveLastFilter();
    void RemoveAllFilters();
    bool FilterActive() const;
    void setFilterActive(bool Value);
    int FilterLevel() const;
    // Narrows the rows to those holding ACondition (in column AColumn, or
    // anywhere in the row for -1), one level per added character.
    void NarrowDown(const QString &ACondition, int AColumn);
    bool FilterNormalCellsOnly = true;
    std::function<void(TExStringGrid *Sender, int ARow, bool &AcceptRow)> OnCustomFilter;

    // Rows of the visible grid; real rows when ToRow lies beyond them
    // (a footer's range with the hidden rows added).
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    int ColumnDistinct(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    bool FooterRowShown = false; // the last row is a footer of sums (fsFixedLastRow)

    TColumnSizeSettings &ColumnSize();
    // Raises platform::Error "Stretch column index out of range" for a
    // column beyond the grid; the grid's own calls never raise.
    void ApplyColumnStretch(int Index);
    void StretchRightColumn() { ApplyColumnStretch(ColCount() - 1); }
    void AutoFitColumns(bool DoFixedCells);
    void AutoNumberCol(int ACol);
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    TSortDirection AutoNumberDirection = sdAscending;
    int MinColWidth = 0;
    int MaxColWidth = 0;
    bool SizeGrowOnly = false;
    // The width content sizing gives a display column, its text measured by
    // the hook (the painting's measure when there is one).
    void SizeColumnToContent(int Index, bool GrowOnly);
    void AutoSizeCol(int Index, int Padding = 0);
    void AutoSizeColumns(bool DoFixedCols, int Padding = 0);
    std::function<int(int ACol, int ARow)> MeasureCellWidth;
    std::function<void(TExStringGrid *Sender, int ACol, int &AWidth)> OnUpdateColumnSize;
    // Switched on (outside loading), and when loading ends, the normal
    // columns take their content's width.
    bool AutoSize() const;
    void setAutoSize(bool Value);
    // The longest text line of a real column, in characters; the most
    // lines a cell of a display row holds (1 without Multilinecells).
    int MaxColumnTextLength(int ACol);
    int MaxRowLineCount(int ARow);

protected:
    // Column count changes and resizes keep the stretch column stretched;
    // a stretch column beyond the grid stretches nothing and raises nothing.
    void GridSizeChanged(int OldColCount, int OldRowCount) override;
    void ApplyOwnStretch();
    void StretchOnResize();

public:

    // Nodes (ExGridNodes.cpp): a node row heads the rows of its span; rows
    // a node hides are the node's, so that filters and hiding by hand never
    // show or hide them, nor it theirs.
    void AddNode(int ARow, int Span); // real row
    void RemoveNode(int ARow); // real row
    bool IsNode(int ARow); // display rows from here
    bool GetNodeState(int ARow); // true: contracted
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    int NumNodes() const;
    void ContractNode(int ARow); // real rows
    void ExpandNode(int ARow);
    void ExpandAll();
    void ContractAll();

    // Grouping (ExGridGroups.cpp): each run of equal values of a column
    // becomes a node row holding the value, the column leaves the grid and
    // UnGroup brings it back. Column 0 holds the nodes: refused.
    virtual void Group(int Colindex);
    virtual void UnGroup();
    int GroupColumn() const;
    void setGroupColumn(int Value);
    // Per expanded group, written into its node row.
    void GroupSum(int ACol);
    void GroupAvg(int ACol);
    void GroupMin(int ACol);
    void GroupMax(int ACol);
    void GroupCount(int ACol);
    void GroupDistinct(int ACol);
    void GroupStdDev(int ACol);
    // Summary and header rows, merges and the group count
    // (ExGridGroupRows.cpp, ExGridSubGroups.cpp, ExGridNodeRows.cpp).
    TGrouping &Grouping();
    // Groups the rows of every group again by a column inside its node;
    // the column stays, its values move into the sub-group headers.
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    bool IsSummary(int ARow); // display rows from here
    int GetSubNodeCount(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    void UpdateSubNodeCount(int ARow, int Delta);
    // 0 a node row; 2 when the next data row is as deep; else 1.
    int GetNodeSpanType(int ARow);
    // A row inside the node that holds ARow (real): InsertAt 0 on a node
    // row puts the new row below it with the node row's contents.
    void InsertChildRow(int ARow, int InsertAt);
    void RemoveChildRow(int ARow);
    void MarkSummaryRow(int ARow); // real

    // A node row's level indents its text.
    bool HasNodes() override;
    int RowNodeIndent(int ARow) override;
    // Drawing nodes (controls/grid/view/NodeGlyphs.cpp): the glyph of a
    // node row's first cell over the background colour, and the tree
    // lines of a row of the outline; ARect is the cell's.
    void RenderNodeGlyph(platform::TCanvas &ACanvas, platform::TRect ARect, int ARow, platform::TColor Background);
    void RenderTreeLines(platform::TCanvas &ACanvas, platform::TRect ARect, int ARow);
    // The sort indicator (controls/grid/view/SortIndicator.cpp): whether a
    // display cell shows one, and the indicator centred at (X, Y).
    bool IsSortIndicatorRow(int ACol, int ARow);
    bool ShowsSortIndicator(int ACol, int ARow);
    void RenderSortIndicator(platform::TCanvas &ACanvas, int ACol, int Y, int X);

    // With Grouping.ShowGroupCount a header shows its group's row count.
    void AppendGroupCount(int ACol, int ARow, QString &Value) const;

    // Look-up (ExGridLookup.cpp): the first data row whose search-column
    // text, tags removed and upper-cased, begins with s (given upper-cased);
    // -1 for none.
    int Search(const QString &s);
    // A typed character (or Backspace, u'\b') added to the look-up text,
    // the current row moved to the first row it begins; a text that finds
    // nothing is emptied and the row stays. The text after the key.
    QString LookupKey(QChar Key);

    // The nearest node whose span holds the display row; a node row
    // answers itself; -1 outside every node.
    int GetParentRow(int ARow);
    // A node's check box checks its rows; a row's box sets its node's
    // tri-state box to checked, unchecked or grayed (ClickCellCheckBox).
    bool GroupingAutoCheckGroup = false;
    void AutoCheckGroupClicked(int ACol, int ARow, bool State);
    // ===== end of sorting, filtering, column functions and sizing ==========================

    // ===== keys and in-place editing (controls/grid/view/GridKeys*.cpp, GridEdit*.cpp,
    // InplaceEdit.cpp; their state in controls/grid/view/GridEditState.h) ===================
public:
    // What typing into the default editor does; see the editor types.
    int MaxEditLength = 0; // characters, 0 for no limit
    bool AlwaysValidate = false;
    bool EditWithTags = false; // the editor shows mini-HTML as it is stored
    bool Multilinecells = false;
    bool ExcelStyleDecimalSeparator = false; // the keypad's '.' types the locale's separator
    bool Lookup = false; // the editor completes from LookupItems
    bool LookupCaseSensitive = false;
    bool LookupHistory = false; // an edited text joins LookupItems
    QStringList LookupItems;
    QString ValidChars; // edValidChars
    QString ValidCharSet; // edValidChars with ValidChars empty: 8-bit characters
    QChar PasswordChar = u'*';
    QString EditMask;
    QString InvalidEntryTitle;
    QString InvalidEntryText;
    struct TSizeWhileTyping {
        bool Height = false;
        bool Width = false;
    } SizeWhileTyping;
    bool Modified() const;
    void setModified(bool value);

    bool EditMode() const;
    bool EditActive() const;
    TEditorType EditControl() const;
    // The cell's text when editing began; Escape restores it.
    QString OriginalCellValue() const;
    class TExInplaceEdit *NormalEdit() const;

    void ShowInplaceEdit();
    // Closes an open editor, its text committed.
    void HideInplaceEdit();
    void ShowCellEdit();
    // Commits the open editor of the current cell; nothing without one.
    void HideCellEdit();
    // How an editor hands a navigation key back to the grid.
    void DoneInplaceEdit(std::uint16_t Key, platform::TShiftState Shift);
    bool IsEditable(int ACol, int ARow);
    // Fires OnCellValidate for the edited text; false keeps the edit open
    // on its cell with the old (or the handler's) text.
    virtual bool ValidateCell(const QString &NewValue);
    virtual void FlushCellCache();
    virtual void StoreEditText(int ACol, int ARow, const QString &Value);
    bool EditorWantsTab() const;
    // The row before the footer rows; Down there may append a row.
    bool IsLastDataRow();
    void AppendAutoRow();
    int FirstNormalCol();
    bool CanNavigateToCell(int ACol, int ARow);
    // -1 when the row has no navigable cell.
    int FirstNavigableCol(int ARow);
    int LastNavigableCol(int ARow);
    void InvalidateCellRange(const TGridRect &R);
    void SaveOldCellText(int ACol, int ARow);
    // OnEditingDone now, OnEditCellDone when the posted event arrives.
    void PostEditDone(int ACol, int ARow);
    void Select() { CanSelectCell(Col(), Row()); }

    // Empty hooks at fixed points of the key and edit handling.
    virtual void EditorKeyDownHook(std::uint16_t &Key, platform::TShiftState Shift) {}
    virtual void EditorCharHook(QChar &Key) {}
    virtual void F2KeyHook() {}
    virtual void EditTextChangeHook(const QString &Text, QPoint Pos, int Caret) {}
    virtual void FormulaEditHook(bool Formula) {}
    // Where the special editors, the focus glow, the cell checker, the cell
    // advance and the footer join the editing; empty until they exist.
    virtual void CreateEditorControl(int ACol, int ARow);
    virtual void CommitEditorControl(int ACol, int ARow);
    virtual void ShowFocusWindow(const platform::TRect &R);
    virtual void HideFocusWindow();
    virtual void CellCheckerCorrect(int ACol, int ARow, QString &Value);
    virtual void CellCheckerMark(int ACol, int ARow, QString &Value);
    virtual bool AdvanceToNextCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursive,
                                   bool ShowEditor);
    virtual bool AdvanceAfterEdit(bool Backward);
    virtual void SizeWhileTypingHook(bool RowHeight);
    virtual void RecalcFooterColumn(int ACol, int ARow);
    virtual void DoGetEditorProp(int ACol, int ARow);
    virtual void DoCellChanging(int NewCol, int NewRow, bool &Allow);

    std::function<void(TExStringGrid *Sender, int ACol, int ARow, QString &Value, bool &Valid)> OnCellValidate;
    std::function<void(TExStringGrid *Sender)> OnEditingDone;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow)> OnEditCellDone;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, const QString &Value)> OnEditChange;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow)> OnGetEditorProp;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, QString &Value)> OnGetEditMask;
    std::function<void(TExStringGrid *Sender, int OldRow, int NewRow, bool &Allow)> OnRowChanging;
    std::function<void(TExStringGrid *Sender, int OldCol, int NewCol, bool &Allow)> OnColChanging;
    std::function<void(TExStringGrid *Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool &Allow)>
        OnCellChanging;
    std::function<void(TExStringGrid *Sender, int ARow)> OnAutoInsertRow;
    std::function<void(TExStringGrid *Sender, int ARow)> OnAutoAddRow;
    std::function<void(TExStringGrid *Sender, int ARow, bool &CanDelete)> OnCanDeleteRow;
    TCheckBoxClickEvent OnCheckBoxClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, int AIdx)> OnRadioClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow)> OnRadioButtonClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow)> OnButtonClick;
    std::function<void(QObject *Sender, bool &Allow)> OnClipboardPaste;
    std::function<void(QObject *Sender, bool &Allow)> OnClipboardCopy;
    std::function<void(QObject *Sender, bool &Allow)> OnClipboardCut;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value, bool &Allow)> OnClipboardBeforePasteCell;
    std::function<void(QObject *Sender, int ACol, int ARow, const QString &Value)> OnClipboardAfterPasteCell;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void customEvent(QEvent *event) override;
    // The grid's own keys before the base walk; false when it ate the key.
    virtual bool GridKeyDownMessage(std::uint16_t Key, platform::TShiftState Shift);
    void GridKeyDown(std::uint16_t &Key, platform::TShiftState Shift) override;
    // What a typed character does: start an edit, or the key press.
    virtual void GridCharMessage(QChar Key, bool Keypad);
    void GridKeyPress(QChar &Key) override;
    virtual void GridKeyUp(std::uint16_t &Key, platform::TShiftState Shift);
    TInplaceEdit *GridCreateEditor() override;
    bool GridCanEditShow() override;
    QString GridGetEditText(int ACol, int ARow) override;
    void GridSetEditText(int ACol, int ARow, const QString &Value) override;
    int GridGetEditLimit() override { return MaxEditLength; }
    QString GridGetEditMask(int ACol, int ARow) override;
    // A key that scrolls moves the painted rows unless a cell's look
    // depends on its place (footer rows, merges, cell controls, pictures).
    bool GridCanScrollByBlit() override;
    int GridBlitInset() const override;

private:
    friend class TExInplaceEdit;
    friend class TExMemoEdit;
    struct TGridEditState;
    TGridEditState &editState() const;
    // The edit parts of the cell-selection check.
    void editOnMergedEntry(int ACol, int ARow);
    void prepareCellEditing(int RealCol, int ARow);
    bool validateBeforeMove(int ACol, int ARow);
    bool editorHasFocus() const;
    bool homeEndKey(std::uint16_t Key, platform::TShiftState Shift, int R0, int L0);
    bool skipFixedCells(std::uint16_t &Key, platform::TShiftState Shift);
    void clickControlKey(std::uint16_t Key, int RC);
    void insertRowKey();
    void deleteRowKey();
    void selectAllKey();
    void fireKeyDown(std::uint16_t Key, platform::TShiftState Shift);
    void disjunctCellKey(std::uint16_t Key, platform::TShiftState Shift);
    void restoreRefusedEdit(const QString &Value, int RealCol, int ARow);
    // Escape: the edit closes and the cell gets back its text from before.
    void cancelEdit();
    // The editor of cells of several lines (Multilinecells).
    bool memoOpen() const;
    void openMemo();
    void closeMemo(bool store, bool notify);
    mutable std::shared_ptr<TGridEditState> m_editState;
    // ===== end of keys and in-place editing ==================================================

    // ===== looks, hover, hints and balloons, fixed cells sized by mouse
    // (controls/grid/view/GridLooks.cpp, GridHover.cpp, CellHints.cpp, HintWindow.cpp,
    // GridBalloon.cpp, FixedSizing.cpp, FormFollowing.cpp; their state in
    // controls/grid/view/GridHoverState.h) ==================================================
public:
    // Switching the look sets the colours that go with it; the same look
    // again changes nothing.
    TGridLook Look() const;
    void setLook(TGridLook Value);
    // A named colour set: selection, fixed, hover and pressed gradients,
    // active cell and lines; it may switch the look first.
    virtual void SetStyle(TExGridStyle AStyle);
    void SetComponentStyle(TFenloStyle AStyle);
    TFenloStyle ComponentStyle() const;
    void SetTheme(TXPColorScheme Scheme);
    // The flat look of the given tones (Look glClassic, Flat).
    void SetColorTones(const TColorTones &ATones);
    const TColorTones &ColorTones() const;
    // Applies the style of the Office colour scheme when it changed.
    void AdaptToOfficeTheme();
    bool AutoThemeAdapt() const;
    void setAutoThemeAdapt(bool Value);
    // The look's name and display text; glCustom gives Text back.
    static QString GridLookName(TGridLook ALook, const QString &Text = QString());
    static QString GridLookDisplayName(TGridLook ALook, const QString &Text = QString());

    enum THoverFixedCells : std::uint8_t { hfNone, hfAll, hfFixedRows, hfFixedColumns };
    THoverFixedCells HoverFixedCells() const;
    void setHoverFixedCells(THoverFixedCells Value);
    // The fixed cell under the mouse; (-1, -1) none.
    TGridCoord HoverFixedCell() const;
    // Whether the cell's kind of fixed cell takes part in hovering.
    bool IsHoverFixedCell(int ACol, int ARow);
    bool FixedCellPressed() const;
    bool FixedDropDownPressed() const;
    virtual bool DoCanShowFixedDropDown(int ACol);
    // The menu a fixed cell's drop-down button pops up below it; not owned.
    QMenu *FixedDropDownMenu() const;
    void setFixedDropDownMenu(QMenu *AMenu);
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, QMenu *&AMenu, bool &KeepFixedCellHighlighted)>
        OnFixedDropDownClick;
    using TAnchorEvent = std::function<void(TExStringGrid *Sender, int ARow, int ACol, const QString &Anchor)>;
    TAnchorEvent OnAnchorEnter;
    // Gets the anchor the mouse left.
    TAnchorEvent OnAnchorExit;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, QString &Anchor)> OnAnchorHint;

    // Column and row sizing: while it runs, whether it may start, its end.
    std::function<void(TExStringGrid *Sender, int ACol, int ColumnSize)> OnColumnSizing;
    std::function<void(TExStringGrid *Sender, int ARow, int RowSize)> OnRowSizing;
    std::function<void(TExStringGrid *Sender, int ACol, bool &Allow)> OnColumnSize;
    std::function<void(TExStringGrid *Sender, int ARow, bool &Allow)> OnRowSize;
    std::function<void(TExStringGrid *Sender, int ACol)> OnEndColumnSize;
    std::function<void(TExStringGrid *Sender, int ARow)> OnEndRowSize;
    // The dotted guide line of a sizing, drawn by inversion: twice removes it.
    void DrawColSizingLine(int X);
    void DrawRowSizingLine(int Y);
    bool FixedSizingActive() const;

    // Cell hints: what the hint shows and where (screen points).
    enum THintShowLargeTextPos : std::uint8_t { hpCell, hpMouse };
    struct THintInfo {
        QPoint CursorPos; // client
        QPoint HintPos;   // client while built, screen when done
        int HintMaxWidth = 0;
        platform::TColor HintColor = platform::clInfoBk;
        bool HtmlWindow = false; // mini-HTML or wide text: the grid's own hint window
    };
    bool HintShowCells = false;
    bool HintShowLargeText = false;
    THintShowLargeTextPos HintShowLargeTextPos = hpCell;
    bool HintShowSizing = false;
    bool HTMLHint = false;
    bool AnchorHint = false;
    bool UseInternalHintClass = true;
    platform::TColor HintColor = platform::clInfoBk;
    // The window class of the program's hints: ours (mini-HTML) or plain.
    static bool UseHTMLHints();
    static void setUseHTMLHints(bool Value);
    void BuildCellHint(QString &HintStr, THintInfo &HintInfo);
    // The hint for the client point, shown (CM_HINTSHOW); false when none.
    bool GridHintShow(QPoint Pos);
    void CancelHint();
    // Cell hints at all (on by default).
    bool ShowHint() const;
    void setShowHint(bool Value);
    // Widens columns and heightens rows to every cell's text and graphic
    // plus the padding; rows only grow, columns shrink only without
    // SizeGrowOnly.
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    // The cell whose hint is up; (-1, -1) none.
    TGridCoord LastHintPos() const;
    class THTMLHintWindow *HintWindow() const;
    class THTMLHintWindow *SizingHintWindow() const;

    // The balloon over the cells: its text is the cell's, asked when shown.
    struct TBalloonSettings &Balloon() const;
    void BalloonInit();
    void BalloonDone();
    class TGridBalloon *BalloonWindow() const;
    // The balloon's text, title and icon for a cell (the tooltip's text
    // request); false outside the cells or without Balloon.Enable.
    bool BalloonText(int ACol, int ARow, QString &ATitle, QString &AText, int &AIcon);
    // Shows the balloon for the client point; false when none.
    bool GridBalloonShow(QPoint Pos);
    TGridCoord LastBalloonPos() const;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, QString &ATitle, QString &AText, int &AIcon)>
        OnCellBalloon;

    // The column widths and the grid width that proportional column
    // resizing starts from.
    void InitOrigColSizes();
    const std::vector<int> &OrigColSizes() const;
    int OrigGridWidth() const;

    // With SizeWithForm the grid grows and shrinks with its top-level window.
    bool SizeWithForm() const;
    void setSizeWithForm(bool Value);
    void OwnerFormResize(QWidget *Form);

protected:
    // Hover, anchors and hint closing of a move (before the cell grid's
    // move), and the sizing events and hint after it.
    void hoverMouseMove(int X, int Y);
    void sizingMouseMove(int X, int Y);
    void hoverMouseLeave();
    // The fixed-cell sizing by press and its release; true when they took it.
    bool fixedSizingMouseDown(int X, int Y);
    bool fixedSizingMouseUp(int X, int Y);
    // The drop-down button of a hovered header; true when it took the press.
    bool fixedDropDownMouseDown(int X, int Y);
    void fixedHeaderMouseUp();
    void GridCalcSizingState(int X, int Y, TGridState &State, int &Index, int &SizingPos, int &SizingOfs) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    struct TGridHover &hover() const;
    // The looks' parts of a fixed-like cell (controls/grid/view/HeaderLooks.cpp):
    // a hovered, moved or pressed header (true when drawn; the rectangle
    // loses a drop-down button), the list-view header, the glClassic and
    // glSoft edges, the box of a flat grid's right fixed columns.
    bool renderHoverHeader(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect &ARect);
    bool renderListViewHeader(platform::TCanvas &ACanvas, int ACol, int ARow, const platform::TRect &ARect);
    void renderClassicEdges(platform::TCanvas &ACanvas, platform::TRect ARect);
    void renderSoftEdges(platform::TCanvas &ACanvas, platform::TRect ARect);
    void renderFixedRightBox(platform::TCanvas &ACanvas, int ACol, const platform::TRect &ARect);
    void paintSizingGuides(platform::TCanvas &ACanvas);
    void repaintFixedCell(int ACol, int ARow);
    void hoverLink(int X, int Y, int ACol, int ARow);
    void fixedSizingDetect(int X, int Y, int ACol, int ARow);
    void hideBalloon();
    // After loading: the widths proportional resizing starts from, the
    // Office scheme when followed, the balloon's window when enabled.
    void looksLoaded();
    // A look stored as glFenlo while loading, applied again.
    void reapplyLoadedLook();
    // Registers the grid with the shared theme notifier, or takes it off.
    void followOfficeTheme(bool Value);
    // The text itself, or its mask for a password cell.
    QString hintSafeText(int RealCol, int ARow, const QString &Text);
    void followForm(bool Value);
    void lookColors(TGridLook Value);
    mutable std::shared_ptr<struct TGridHover> m_hover;
    // ===== end of looks, hover, hints and balloons ========================================
    // ===== native files, binary cell streams, XML and copying (ExGridExportBounds.cpp,
    // ExGridNativeText.cpp, ExGridBinaryStream.cpp, ExGridXml.cpp, ExGridAssign.cpp) ========
public:
    enum TGridExportState : std::uint8_t {
        esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow
    };
    // The fixed cells join what is saved: all of them, or the fixed
    // columns or rows only.
    bool SaveFixedCells = false;
    bool SaveFixedCols = false;
    bool SaveFixedRows = false;
    int SaveStartCol() const;
    int SaveStartRow() const;
    int SaveEndCol() const;
    int SaveEndRow() const;
    int SaveColCount() const;
    int SaveRowCount() const;
    // A percentage, fired only when it changed.
    std::function<void(TExStringGrid *Sender, int Progress)> OnFileProgress;
    virtual void ExportNotification(TGridExportState AState, int ARow) {}
    // Native text file; a file that cannot be written or read raises
    // ZOraZaziRarar. Loading lets timers and posted work run between lines
    // but no user input, and stops when the grid is freed meanwhile.
    void SaveToFile(const QString &FileName, bool Unicode = false);
    void LoadFromFile(const QString &FileName);
    // The binary cell stream. A stream that does not read raises
    // EReadError and leaves the grid as it was.
    void SaveToBinFile(const QString &FileName);
    void LoadFromBinFile(const QString &FileName);
    QByteArray SaveToBinStream();
    // Real columns, display rows, inclusive.
    QByteArray SaveRectToBinStream(const platform::TRect &Rect);
    void LoadFromBinStream(QByteArrayView Stream);
    void LoadAtPointFromBinStream(QPoint Point, QByteArrayView Stream);
    // The cell as a number; 0 for an empty cell; raises ZOraZaziRarar
    // naming the first bad character.
    double CellToReal(int ACol, int ARow);
    QString XMLEncoding = QStringLiteral("ISO-8859-1");
    bool QuoteEmptyCells = true;
    void SaveToXML(const QString &FileName, const QString &ListDescr, const QString &RecordDescr,
                   const QStringList *FieldDescr, bool ExportEmptyCells);
    void LoadFromXML(const QString &FileName, bool LevelToRow, bool LoadFieldDescr);
    // Another string grid's settings, sizes and cells; anything else
    // changes nothing.
    virtual void Assign(const QObject *Source);
    // The number a cell stream names its grid by: one per grid, never 0.
    int GridID() const;

private:
    mutable int m_gridId = 0;
    void fireFileProgress(int percent, int &last);
    // ===== end of native files, binary cell streams, XML and copying ===========================
    // ===== clipboard, OLE drag and drop, stored layouts (ExGridClipboard.cpp,
    // ExGridSmartPaste.cpp, ExGridLayout.cpp, ExGridVisualProps.cpp,
    // controls/grid/view/GridOleDrop.cpp, GridOleDrag.cpp; their state in
    // GridExchangeState.h) ======================================================================
public:
    enum TClipOperation : std::uint8_t { coCut, coCopy };
    enum TGridImportState : std::uint8_t { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
    // Multi-line texts go to the clipboard as one line, each break as the
    // character 11, the form a spreadsheet program reads as one cell.
    bool ExcelClipboardFormat = false;
    void CopySelectionToClipboard();
    void CopyToClipBoard();
    void CutToClipboard();
    void CutSelectionToClipboard();
    // The whole grid as HTML, and as plain text the same.
    void CopyToClipBoardAsHTML();
    void PasteFromClipboard();
    void PasteSelectionFromClipboard();
    QString GetSelectionAsText();
    void SetSelectionAsText(const QString &Value);
    // The tab and line text of a range of display columns and rows.
    QString RangeText(const platform::TRect &R, bool Disjunct);
    // Pastes a text at (ACol, ARow) as the clipboard's text would; the
    // count of fields, with the rows and columns it took.
    int ParseTextToCells(const QString &Text, int ACol, int ARow, int &Rows, int &Cols);
    virtual void PasteCellText(int ACol, int ARow, const QString &Value);
    virtual void MarkRowsModified(QPoint Source, const platform::TRect &Target, TClipOperation LastOp);
    virtual void BeforePaste() {}
    virtual void AfterPaste() {}
    virtual bool AllowFmtClipboard() { return m_navigation.AllowFmtClipboard; }
    virtual void ImportNotification(TGridImportState AState, int ARow) {}
    QPoint ClipTopLeft() const;
    TClipOperation ClipLastOp() const;
    std::function<void(QObject *Sender, int ACol, int ARow, QString &Value, bool &Allow)>
        OnClipboardBeforePasteWideCell;
    std::function<void(QObject *Sender, int ACol, int ARow, const QString &Value)> OnClipboardAfterPasteWideCell;
    // The selection resizer: the copied selection and the enlarged one.
    std::function<void(TExStringGrid *Sender, const TGridRect &Original, const TGridRect &Enlarged)>
        OnSelectionResize;
    std::function<void(TExStringGrid *Sender, const TGridRect &Original, const TGridRect &Enlarged)>
        OnSelectionResized;
    // The handle at the selection's bottom corner copies the selection and
    // fills the enlarged one on release.
    bool SelectionResizer = false;
    bool SelectionRectangle = false;
    platform::TRect SelectionResizerRect() const;

    // Layouts kept outside the grid. The stored text or keys are checked
    // whole first: one that does not fit the grid raises and changes nothing.
    QString ColumnStatesToString();
    void StringToColumnStates(const QString &Value);
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    void SaveVisualProps(const QString &FileName);
    void LoadVisualProps(const QString &FileName);

    // OLE drag and drop (drops from this and other grids of the program).
    class TDragDropSettings &DragDropSettings();
    // A column of a list box (a QListWidget) about to be dragged onto the
    // grid: a drop shows the column and takes its item out of the list.
    void OleColumnDragStart(int ACol, int AIndex, QWidget *AList);
    class TGridDropTarget *GridDropTarget() const;
    using TOleDragDropEvent =
        std::function<void(TExStringGrid *Sender, int ARow, int ACol, const QString &data, bool &Allow)>;
    TOleDragDropEvent OnOleDrop;
    TOleDragDropEvent OnOleDrag;
    std::function<void(TExStringGrid *Sender, const TGridRect &ARect)> OnOleDropped;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, bool &Allow)> OnOleDragOver;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol)> OnOleDragStart;
    std::function<void(TExStringGrid *Sender, int OLEEffect)> OnOleDragStop;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, int DropCol)> OnOleDropCol;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, const QString &FileName, bool &Allow)>
        OnOleDropFile;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, const QString &URL, bool &Allow)> OnOleDropURL;
    // Where a dropped file that does not load is reported; the program's
    // error report when unset.
    std::function<void(const QString &Message)> DropErrorReporter;
    // A header drag that moves a row or column: the move itself may be
    // refused, and so may each place it would drop at (the no-drop cursor;
    // the release then moves nothing).
    std::function<void(TExStringGrid *Sender, int ACol, bool &Allow)> OnColumnMove;
    std::function<void(TExStringGrid *Sender, int ARow, bool &Allow)> OnRowMove;
    std::function<void(TExStringGrid *Sender, int ACol, bool &Allow)> OnColumnMoving;
    std::function<void(TExStringGrid *Sender, int ARow, bool &Allow)> OnRowMoving;
    // The window's cancel-mode message: a row or column move with its
    // floating header ends.
    void CancelMode();
    // The floating header of a row or column being moved; nil before the
    // first move.
    QWidget *HeaderDragButton() const;

private:
    friend class TGridDropTarget;
    friend class TGridDropSource;
    struct TGridExchange &exchange() const;
    int readClipboardCells(int ACol, int ARow, int &Rows, int &Cols);
    void copyRangeToClipboard(const platform::TRect &R, bool Disjunct);
    void widenSelectionOverMerges();
    bool pasteAllowed(int RealCol, int ARow);
    // Empties the editable cells of a cut range as one undo step.
    void clearCutRange(const platform::TRect &R, bool freeProperties);
    bool smartFill(int Count);
    // Ctrl+C, Ctrl+X, Ctrl+V and their Insert and Delete twins; true when
    // the key was one of them.
    bool clipboardShortCut(std::uint16_t Key, platform::TShiftState Shift);
    // With ColumnSize.Save, the stored widths when the window first shows.
    void loadColSizesOnce();
    // The selection resizer: the press that copies, the release that fills.
    bool onSelectionResizer(int X, int Y);
    bool resizerMouseDown(int X, int Y, platform::TShiftState Shift);
    void resizerMouseUp();
    // The OLE drag of the selected cells or a column, started by a move.
    bool oleDragStart(int X, int Y);
    void oleDragMoveDone(int Effect);
    // The floating header and its cursor while a row or column moves.
    void moveFeedback(int X, int Y);
    void headerDragSelect(struct TGridMouse &m, int ACol, int ARow, int Y);
    mutable std::shared_ptr<struct TGridExchange> m_exchange;
    // ===== end of clipboard, OLE drag and drop, stored layouts ===================================
    // ===== delimited, fixed-width, stream, HTML and aligned text (ExGridCsv.cpp,
    // ExGridFixedText.cpp, ExGridTextStream.cpp, ExGridHtml.cpp, ExGridAscii.cpp) ===============
public:
    // Character 0: a comma when saving, detected when loading.
    QChar Delimiter;
    bool AlwaysQuotes = false;
    // Line breaks as "~", empty fields as "^".
    bool JavaCSV = false;
    // Texts go out in, and come in from, the OEM code page.
    bool OemConvert = false;
    // Off: the first line of a delimited file (its header) is skipped.
    bool LoadFirstRow = true;
    // UTF-8 with a byte-order mark when Unicode, else Windows-1252. A file
    // that cannot be written raises ZOraZaziRarar.
    void SaveToCSV(const QString &FileName, bool Unicode = false);
    void AppendToCSV(const QString &FileName, bool Unicode = false);
    // MaxRows <= 0 reads every line. An empty file changes nothing; an
    // empty stream raises "File is empty".
    void LoadFromCSV(const QString &FileName, int MaxRows = 0);
    void InsertFromCSV(const QString &FileName, int MaxRows = 0);
    void LoadFromCSVStream(QIODevice &AStream, int MaxRows = 0);
    // The row count after the last delimited load.
    int MaxRowCount() const { return FMaxRowCount; }
    // Fixed-width text. Save: positions holds each saved column's width in
    // characters; missing ones are appended (the longest line + 1). Load:
    // positions holds the 1-based start of each column and the end of the
    // last, sorted in place. Files that cannot be made or read raise
    // ZOraZaziRarar.
    void SaveToFixed(const QString &FileName, TIntList &positions);
    void LoadFromFixed(const QString &FileName, TIntList &positions, bool DoTrim = true, int MaxRows = -1);
    // The grid text stream, from and at the stream's position. The load
    // stops at the first line that is no cell line and leaves the stream
    // there; a header that does not read raises ZOraZaziRarar.
    void SaveToStream(QIODevice &Stream);
    void LoadFromStream(QIODevice &Stream);
    // Another string grid's cells through the grid text stream; anything
    // else changes nothing.
    virtual void AssignCells(const QObject *Source);
    // HTML: a table with one style class per distinct cell look, pictures
    // as JPEG files in dir + "images". SaveToHTML opens the written file
    // when asked, through DocumentOpener when set.
    class THTMLSettings &HTMLSettings() const;
    QString SaveToHTMLString(const QString &dir);
    void SaveToHTML(const QString &FileName, bool Show = false, bool Unicode = false);
    void AppendToHTML(const QString &FileName, bool Show = false, bool Unicode = false);
    std::function<void(const QString &FileName)> DocumentOpener;
    // Aligned text: each column padded to its longest line + 1.
    void SaveToASCII(const QString &FileName, bool Unicode = false);
    void AppendToASCII(const QString &FileName, bool Unicode = false);

private:
    int FMaxRowCount = 0;
    mutable std::shared_ptr<THTMLSettings> m_htmlSettings;
    QString csvTextToSave();
    void saveHtmlFile(const QString &FileName, bool Show, bool Unicode, bool append);
    void saveAsciiFile(const QString &FileName, bool Unicode, bool append);
    void loadCsvText(const QString &text, int MaxRows, bool insert);
    // ===== end of delimited, fixed-width, stream, HTML and aligned text =========================
    // ===== spreadsheet, document and database exchange (ExGridXls.cpp, ExGridDoc.cpp,
    // ExGridMdb.cpp) ==================================================================
public:
    // No spreadsheet program or word processor runs here. A new ".xlsx"
    // workbook and a new ".odt" document are written by the grid itself;
    // every other call (the imports, other file kinds, existing files,
    // appending) raises "Excel OLE server not found" or "Word OLE server not
    // found" before it touches anything. The busy cursor shows meanwhile.
    QStringList GetXLSSheets(const QString &FileName);
    void LoadFromXLS(const QString &Filename);
    void LoadFromXLSSheet(const QString &Filename, const QString &SheetName);
    void SaveToXLS(const QString &Filename, bool CreateNewSheet);
    void SaveToXLSSheet(const QString &Filename, const QString &SheetName);
    void SaveToDOC(const QString &Filename, bool CreateNewDocument);
    void AppendToDoc(const QString &Filename, const QString &Bookmark);
    // Access databases need ADO: both raise platform::EOleSysError naming
    // "ADODB.Connection", and change nothing.
    void LoadFromMDBSQL(const QString &Filename, const QString &SQL);
    void LoadFromMDBTable(const QString &Filename, const QString &Table);

private:
    void saveXlsxWorkbook(const QString &Filename, const QString &SheetName);
    // ===== end of spreadsheet, document and database exchange ===================================

protected:
    void CellTextChanged(int ACol, int ARow) override;
    bool CanSelectCell(int ACol, int ARow) override;
    void GridColumnMoved(int FromIndex, int ToIndex) override;
    void GridRowMoved(int FromIndex, int ToIndex) override;
    void resizeEvent(QResizeEvent *event) override;
    virtual void GridLoaded();

    int FUpdateCount = 0;
    bool FIsWinXP = false;
    bool FUseVCLStyles = false;
    bool FIntegralHeight = false;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    bool FEnhRowColMove = true;
    bool FForceSel = false;
    bool FEditDisable = false;
    int FSelectionColorMixerFactor = 50;
    int FNumCellControls = 0;

private:
    friend struct TGridStructure;

    // Store rows in and out, the per-row lists kept in step.
    TRowCells takeStoreRow(int ARow);
    void putStoreRow(int ARow, TRowCells cells);
    void insertStoreRows(int ARow, int RCount);
    void removeStoreRow(int ARow);
    // Many store rows in one pass (a filter level): their cells and flags
    // taken out and the rows removed; or rows put back at their display
    // places (ascending) with their heights.
    std::vector<TRowCells> takeStoreRowList(const std::vector<int> &ARows);
    void putStoreRowList(const std::vector<int> &ARows, std::vector<TRowCells> cells, const std::vector<int> &heights);
    // A real column's cells moved from one store column to another, in the
    // store and in the hidden rows; or in one of them only.
    void moveStoreColumn(int FromCol, int ToCol);
    void moveStoreCells(int FromCol, int ToCol);
    void moveHiddenRowCells(int FromCol, int ToCol);
    // What moves with a column besides its cells and display width.
    void moveColumnData(int RealFrom, int RealTo);
    void syncColumnCount();
    void repaintCellAt(int ACol, int ARow);
    TCellGraphic *graphicOf(int ACol, int ARow) const;
    TCellGraphic *checkGraphicOfRealRow(int ACol, int ARow);
    QString checkText(int ACol, int ARow, bool State);
    TCellProperties *propsOf(int ACol, int ARow) const { return CellHasProperties(ACol, ARow) ? GetGridObject(ACol, ARow) : nullptr; }

    std::unique_ptr<TGridStructure> m_structure;
    std::unique_ptr<TGridSelection> m_selection;
    std::unique_ptr<TCellGraphic> m_rowCheckGraphic;
    TMouseActions m_mouseActions;
    TGridControlLook m_controlLook;
    platform::TFont m_activeCellFont;
    std::vector<TGridChangeNotifier *> m_notifiers;
    ITExStringGridSelect *m_selListener = nullptr;
    TNavigation m_navigation;
    QStringList m_filterList;
    TIntList m_mergedColumns;
    QStringList m_columnHeaders;
    QStringList m_rowHeaders;
    void *m_gridImages = nullptr;
    int m_sortColumn = -1;
    bool m_borderSingle = true;
    bool m_loading = false;
    bool m_loaded = false;
    bool m_internalMove = false;

    // --- painting and measuring (controls/grid/view/) ----------------------------------------
public:
    // The appearance settings the painting reads (look, selection and URL
    // colours, text settings, background, modified marker, progress).
    TGridAppearance &Appearance() const;
    // Alignment of a cell's text: its own, or the hooks', with AutoNumAlign
    // putting numbers right.
    void ResolveCellAlignment(int ACol, int ARow, TAlignment &HA, TVAlignment &VA);
    // The size the cell's display text takes in the cell's font.
    platform::TSize GetCellTextSize(int ACol, int ARow);
    // VS: wrapped in the cell's width, as painted with word wrap; SB: less
    // room for a 17-pixel button at the right.
    platform::TSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    platform::TSize MeasureCellText(platform::TCanvas &ACanvas, const QString &AText, bool Multiline);
    // Text and graphic together, as column autosizing wants them.
    platform::TSize CellContentSize(int ACol, int ARow);
    platform::TSize GetCellGraphicSize(int ACol, int ARow);
    // The plain text shown for a cell (rich text read).
    QString DisplayCellText(int ACol, int ARow);
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, bool &IsPassword)> OnIsPasswordCell;
    virtual bool DoIsPasswordCell(int ACol, int ARow);
    void RenderCheckGlyph(platform::TCanvas &ACanvas, platform::TRect ARect, bool Checked, int State, bool TriState,
                          TControlStyle Style, bool Grayed, bool Enabled);
    void RenderRadioGlyph(platform::TCanvas &ACanvas, platform::TRect ARect, bool Reverse, double Zoom,
                          TControlStyle Style, int ARow, int ACol, bool Selected, const QStringList *Items,
                          bool Disabled, bool Horizontal, int Index, int Count);
    // XYOffset on the text's two sides (one with XYOffsetTopLeftOnly).
    int TotalXOffset() const;
    int TotalYOffset() const;
    // Moves the rectangle's top left to where text rotated by AAngle
    // degrees starts so that its rotated box sits in the rectangle (less 2
    // on every side) by the alignments.
    void PlaceRotatedText(platform::TCanvas &ACanvas, platform::TRect &ARect, int AAngle, TCellVAlign VAlign,
                          TCellHAlign HAlign, const QString &AText);
    // Keeps the bars it names shown, disabled while there is nothing to scroll.
    void setScrollBarAlways(TScrollBarAlways value);
    void ApplyScrollBarAlways();
    // A cell's colours, fonts and alignment; Print takes the print fonts
    // and the print colour hook and leaves the selection out.
    void GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool Print, bool Select, bool Remap,
                             platform::TBrush &ABrush, platform::TColor &AColorTo, platform::TColor &AMirrorColor,
                             platform::TColor &AMirrorColorTo, platform::TFont &AFont, TAlignment &HA,
                             TVAlignment &VA, bool &WW, TCellGradientDirection &GD) override;
    TPrintSettings PrintSettings;
    TBands &Bands() const;
    TCellNode &CellNode() const;
    virtual void DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, platform::TBrush &ABrush,
                                     platform::TFont &AFont);
    virtual void DoGetCellBorder(int ACol, int ARow, platform::TPen &APen, TCellBorders &Borders);
    TGridColorEvent OnGetCellPrintColor;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, platform::TPen &APen, TCellBorders &Borders)>
        OnGetCellBorder;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, platform::TPen &LeftPen, platform::TPen &TopPen,
                       platform::TPen &RightPen, platform::TPen &BottomPen)>
        OnGetCellBorderProp;
    // The client area outside the cells shows the background picture.
    void DrawBackGroundPicture(platform::TCanvas &ACanvas, platform::TRect ARect);
    void DrawBackGroundTiled(platform::TCanvas &ACanvas, platform::TRect ARect);
    // The cell's part of the grid-wide background gradient.
    void DrawCellBackGroundGradient(platform::TCanvas &ACanvas, platform::TRect ARect);
    // Drawing of the owner's own, before the content (Bkg) and after it;
    // Printing is false on screen.
    using TCustomCellDrawEvent = std::function<void(TExStringGrid *Sender, platform::TCanvas &Canvas, int ACol,
                                                    int ARow, TGridDrawState AState, platform::TRect ARect,
                                                    bool Printing)>;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    std::function<void(TExStringGrid *Sender)> OnPainted;
    // Qt gives a widget no frame of its own: the border of the soft and
    // gradient looks is painted on the widget's outermost pixels.
    void PaintNonClientBorder(platform::TCanvas &ACanvas);
    void GridNCPaintMessage(platform::TCanvas &ACanvas);

protected:
    void PaintGrid() override;
    void RenderCell(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect ARect,
                    TGridDrawState AState) override;
    void DoGetDisplText(int ACol, int ARow, QString &Value) const override;
    // A new properties record starts with the look the cell is painted in,
    // less the colours that would freeze a changing look (fixed cells,
    // bands, in-cell background gradients, the selection).
    void GetCellVisuals(int ACol, int ARow, platform::TFont &AFont, platform::TBrush &ABrush,
                        platform::TColor &AColorTo, platform::TColor &AMirrorColor, platform::TColor &AMirrorColorTo,
                        TAlignment &HA, TVAlignment &VA, bool &WW, TCellGradientDirection &GD) override;

private:
    struct TCellPaint;
    void renderFixedBackground(TCellPaint &cell);
    void renderCellText(TCellPaint &cell);
    void renderEdgeLines(TCellPaint &cell);
    void renderCellGraphic(TCellPaint &cell);
    void renderFocus(TCellPaint &cell);
    void renderCellBorders(TCellPaint &cell);
    void renderRowIndicator(TCellPaint &cell);
    void renderOwnerDrawing(TCellPaint &cell);
    void renderCellBackground(TCellPaint &cell, const platform::TRect &textRect);
    void renderProgress(TCellPaint &cell, platform::TRect r);
    void renderButton(TCellPaint &cell, platform::TRect r, int x, int y, int w, int h);
    void renderComment(TCellPaint &cell, platform::TRect r);
    void renderNodeGlyph(TCellPaint &cell);
    void renderTreeLines(TCellPaint &cell);
    platform::TSize buttonGraphicSize(const TCellGraphic &g, bool hasText);
    // Where a graphic is placed it takes this size (its content size is
    // what GetCellGraphicSize gives).
    platform::TSize graphicPlacementSize(const TCellGraphic &g, int ACol, int ARow);
    platform::TSize radioGroupSize(const TCellGraphic &g, int ACol, int ARow);
    // The band colour of a scrolling row, when bands show (in print too
    // only with Bands.Print).
    std::optional<platform::TColor> bandColor(int ARow, bool Print) const;
    mutable std::unique_ptr<TGridAppearance, TGridAppearanceDeleter> m_appearance;

    // Sorting, filtering and sizing state, made on first use; shared_ptr so
    // that the grid's destructor needs not see its type.
    TGridSortFilter &sortFilter() const;
    mutable std::shared_ptr<TGridSortFilter> m_sortFilter;

    // ===== mouse and wheel (controls/grid/view/GridMouse*.cpp, GridAnchors.cpp, GridWheel.cpp;
    // their state in GridMouseState.h) ======================================================
public:
    // What a press on a header does, as the pointer's place decided it.
    enum TMouseSelectMode : std::uint8_t { msNormal, msColumn, msRow, msAll, msURL, msResize };
    // The row comes before the column.
    using TClickCellEvent = std::function<void(TExStringGrid *Sender, int ARow, int ACol)>;
    using TCanClickCellEvent = std::function<void(TExStringGrid *Sender, int ARow, int ACol, bool &Allow)>;
    using TAnchorClickEvent =
        std::function<void(TExStringGrid *Sender, int ARow, int ACol, const QString &Anchor, bool &AutoHandle)>;
    using TGridMouseEvent = std::function<void(TExStringGrid *Sender, platform::TMouseButton Button,
                                               platform::TShiftState Shift, int X, int Y)>;
    using TMouseWheelUpDownEvent =
        std::function<void(TExStringGrid *Sender, platform::TShiftState Shift, QPoint MousePos, bool &Handled)>;
    TClickCellEvent OnClickCell;
    TClickCellEvent OnDblClickCell;
    TClickCellEvent OnRightClickCell;
    TCanClickCellEvent OnCanClickCell;
    TAnchorClickEvent OnAnchorClick;
    TGridMouseEvent OnMouseDown;
    TGridMouseEvent OnMouseUp;
    platform::TNotifyEvent OnClick;
    platform::TNotifyEvent OnDblClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, bool State)> OnCheckBoxMouseUp;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, int AIdx)> OnRadioMouseUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    bool EnableWheel = true;
    // The cell under a screen point; -1 outside the cells.
    void ScreenToCell(QPoint P, int &ACol, int &ARow) const;
    bool IsOnSizingBorder(int X, int Y);
    TMouseSelectMode MouseSelectMode() const;
    // Rows per wheel notch (the system's setting at creation).
    int WheelScrollLines() const;
    void setWheelScrollLines(int lines);
    // Timer 111, every 500 ms from the first show; tests put their own clock in.
    static constexpr int GridTimerID = 111;
    platform::NumberedTimers &GridTimers();
    void setGridTimers(std::unique_ptr<platform::NumberedTimers> timers);
    // The click processing: OnClick.
    virtual void Click();
    // Selects the option of the cell's radio group under the offset from
    // the cell's top-left corner (real column); none on a boundary.
    void RadioGroupClick(int ACol, int ARow, int XOffset, int YOffset);
    virtual void SelectAllHook(TGridRect &R) {}
    virtual void AfterWheelRowMove(int RowDelta, bool &Handled) {}

protected:
    void GridMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    void GridMouseMove(platform::TShiftState Shift, int X, int Y) override;
    void GridMouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    bool GridWheelDown(platform::TShiftState Shift, QPoint MousePos) override;
    bool GridWheelUp(platform::TShiftState Shift, QPoint MousePos) override;
    virtual void GridMouseLeave();
    // The work of timer 111 each time it fires.
    virtual void GridTimer(int id);
    void wheelEvent(QWheelEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct TGridMouse &mouse() const;
    void gridLeftButtonDown(int X, int Y, platform::TShiftState Shift);
    void gridLeftButtonUp(int X, int Y, platform::TShiftState Shift);
    void gridLeftDoubleClick(int X, int Y);
    void gridRightButtonDown(int X, int Y, platform::TShiftState Shift);
    // The control-level press: the cell grid's selection, sizing and moving, then OnMouseDown.
    void controlMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    void controlMouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    void fireMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    void fireClickCell(const TClickCellEvent &event, int ARow, int ACol);
    // The press on a link: true when the text held one under the point.
    bool pressLink(int ACol, int ARow, int RealCol, int X, int Y, const platform::TRect &CellR);
    // The mini-HTML of a cell laid out as painted, hit-tested at (X, Y): true
    // on an anchor that is no control.
    bool htmlHitTest(int RealCol, int ARow, const QString &Text, const platform::TRect &CellR, int X, int Y,
                     struct THtmlDrawResult &Result);
    // Where the painting lays out a cell's mini-HTML inside CellR.
    platform::TRect htmlTextRect(int RealCol, int ARow, const platform::TRect &CellR);
    void followAnchor(const QString &Anchor, bool AutoHandle);
    bool wheelMessage(bool Down, platform::TShiftState Shift, QPoint MousePos);
    bool wheelNotification(bool Down, platform::TShiftState Shift, QPoint MousePos);
    mutable std::shared_ptr<struct TGridMouse> m_mouse;

    // ===== shared editor lists, hot buttons, the empty area, cursors and the timer's tick
    // (controls/grid/view/EditorLists.cpp, HotButtons.cpp, EmptyArea.cpp, GridCursors.cpp,
    // GridTimerTick.cpp) ====================================================================
public:
    // One list for every combo cell of the grid; OnGetEditorProp refills it
    // per cell, and the column grid from the column's items.
    struct TGridComboList {
        QStringList Items;
        int DropDownCount = 8;
        int ItemIndex = -1;
    };
    struct TGridSpinRange {
        int MinValue = 0;
        int MaxValue = 0;
        int Increment = 1;
    };
    TGridComboList &Combobox() const;
    TGridSpinRange &SpinEdit() const;
    void ClearComboString();
    void AddComboString(const QString &s);
    bool RemoveComboString(const QString &s);
    bool SetComboSelectionString(const QString &s);
    void SetComboSelection(int idx);
    int GetComboCount() const;
    // ACol is a real column; an index outside the list raises.
    void SetComboIndex(int ACol, int ARow, int Value);
    int GetComboIndex(int ACol, int ARow);

    // Beyond the last column and below the last row: the background
    // gradient or picture, when the background has one.
    void PaintEmptyArea(platform::TCanvas &ACanvas);
    // Blinking mini-HTML text shows and hides with each tick of the grid's timer.
    bool EnableBlink = false;
    bool GridBlink() const;
    int TimerTicks() const;
    // Fires OnCheckBoxClick after a check box changed by a press or a key.
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    // A press or Space that toggled a check box marks its row modified.
    void markCheckRowModified(int ARow);
    // Fixed cells press in and out like buttons (with both fixed lines and
    // a 3D look).
    bool FixedAsButtons = false;
    // In cell-selector mode a press only reports its cell.
    bool CellSelectorMode = false;
    virtual void CellSelectorClick(int ACol, int ARow) {}
    // The cursor over a cell, when the owner wants its own.
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, int X, int Y, QCursor &ACursor)> OnGetCellCursor;
    virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y);
    // Another grid that scrolls along and follows the current cell.
    TSyncGrid &SyncGrid() const;

protected:
    // An open editor of several lines stays on its cell as the grid scrolls.
    void GridTopLeftChanged() override;

public:

private:
    void clearHoverButton();
    struct TGridEditorLists &editorLists() const;
    void hoverToCell();
    // The cursor of the header selection mode, the cell selector or the cell.
    void applyGridCursor(int ACol, int ARow, int X, int Y);
    // A press that edits at once: the pressed cell becomes current, through
    // the changing events unless the cell grid's press asked them already,
    // and its editor opens.
    void directEditPress(int ACol, int ARow, bool AskedByBase);
    // The current cell's text, for OnCellValidate to compare against.
    void rememberForValidation();
    void syncGridSelection();
    void syncGridScroll();
    // After the mouse toggled the check box of (ACol, ARow), display column.
    void checkBoxPressed(int ACol, int ARow, int RealCol);
    void pushFixedCell(int ACol, int ARow);
    void releaseFixedCell();
    void paintPushedFixedCell(platform::TCanvas &ACanvas);
    void repaintBlinkingCells();
    mutable std::shared_ptr<struct TGridEditorLists> m_editorLists;
    // ===== scroll bar looks, scroll hints, drag scrolling, panning and zoom
    // (controls/grid/view/GridScrollBarLooks.cpp, MetroScrollBars.cpp, GridScrollHints.cpp,
    // DragScrolling.cpp, Panning.cpp, GridZoom.cpp, GridColumnSynch.cpp, GridWindowHooks.cpp;
    // their state in GridScrollState.h) ===========================================================
public:
    TScrollType ScrollType() const;
    // ssMetro puts two thin bars of our own over the cells and takes the
    // window's bars away; leaving it gives back both window bars.
    void setScrollType(TScrollType value);
    platform::TColor ScrollColor() const;
    void setScrollColor(platform::TColor value);
    int ScrollWidth() const;
    void setScrollWidth(int value);
    // The thumbs take the share of the view in pixels, not in rows.
    bool ScrollProportional() const;
    void setScrollProportional(bool value);
    void UpdateVertScrollProportion();
    void UpdateHorzScrollProportion();
    // Dragging a thumb scrolls at once.
    bool ScrollSynch = false;
    TScrollHintType ScrollHints = shNone;
    // ARow is the row or column the thumb points at.
    std::function<void(TExStringGrid *Sender, int ARow, QString &hintstr)> OnScrollHint;
    // A bar's message: Code one of the SB_ codes, Pos the thumb's position
    // (the first scrollable row or column counted from 0).
    void GridVertScrollMessage(int Code, int Pos);
    void GridHorzScrollMessage(int Code, int Pos);
    bool ScrollHintShowing() const;
    QString ScrollHintText() const;
    TScrollControl *VertScrollControl() const;
    TScrollControl *HorzScrollControl() const;
    void CreateScrollControls();
    void FreeScrollControls();

    TDragScrollOptions &DragScrollOptions() const;
    using TDragScrollEvent = std::function<void(TExStringGrid *Sender, int TopRow, int LeftCol,
                                                TDragScrollDirection &DragScrollDir, bool &CanScroll)>;
    TDragScrollEvent OnDragScroll;
    // Something dragged over the grid at (X, Y); near an edge the grid
    // scrolls that way after a delay.
    void GridDragOver(int X, int Y, TDragState State, bool &Accept);
    void DragScrollTimer();
    QTimer *DragScrollTimerObject() const;

    // Wheel-button panning: the mouse is captured until the next press or key.
    TIntelliPan IntelliPan = ipVertical;
    bool Panning() const;
    QPoint PanAnchor() const;
    // The cursor the panning shows: 8000 at rest, 8001 to 8008 by direction.
    int PanCursorId() const;
    void PanStep();
    void StopPanning();

    // Ctrl+wheel zooms by the wheel's lines per notch.
    bool IntelliZoom = true;
    int ZoomFactor() const;
    // Every column and row grows by Delta pixels, the fonts by Delta points;
    // ten steps at most either way.
    void Zoom(int Delta);

protected:
    void GridScrollBarsSynced() override;

private:
    friend class TGridWindowHooks;
    struct TGridScrolling &scrolling() const;
    void installWindowHooks();
    bool panMousePress(Qt::MouseButton Button, QPoint P);
    void startPanning(QPoint P);
    void setPanCursor(int id);
    void showScrollHint(const QString &text);
    void hideScrollHint();
    void setBarPage(QScrollBar *bar, double share);
    void synchColumnsWithWidth(int NewWidth);
    mutable std::shared_ptr<struct TGridScrolling> m_scrolling;
    // ===== find, highlight, fills, the floating footer and the search panel
    // (ExGridFind.cpp, ExGridHighlight.cpp, ExGridFooter.cpp, ExGridFills.cpp,
    // ExGridScrollInView.cpp, view/SearchPanel.cpp, view/SearchFooterActions.cpp,
    // view/FooterPanel.cpp, view/PanelScrolling.cpp, view/SelectionToForm.cpp; their
    // state in GridFind.h) =====================================================================
public:
    enum TSearchAction : std::uint8_t { saFindFirst, saFindPrevious, saFindNext };
    // The hit or (-1, -1); StartCell (-1, -1) starts at the first cell of
    // the range, any other at the cell after it. esExportFail tells of a
    // hit, esExportDone of a search that ran out.
    QPoint Find(QPoint StartCell, const QString &s, TFindParams FindParams);
    QPoint FindWide(QPoint StartCell, const QString &s, TFindParams FindParams);
    QPoint FindFirst(const QString &s, TFindParams FindParams);
    // After the last hit (-1, -1); the next call starts over.
    QPoint FindNext();
    // The number of cells changed; OrigStr is replaced without regard to case.
    int Replace(const QString &OrigStr, const QString &NewStr, TFindParams FindParams);
    QPoint SearchCell() const;
    void setSearchCell(QPoint value);
    TFindParams FindParams() const;
    QString SearchCache() const;
    bool FindBusy() const;
    int FindCol() const;
    void setFindCol(int value);
    int FindRow() const;
    void setFindRow(int value);
    // "hi" and "e" tags around the matches: a cell without a match is left
    // as it is, and taking the tags off gives back the text there was.
    QString HilightText(bool DoCase, const QString &S, const QString &Text);
    QString MarkText(bool DoCase, const QString &S, const QString &Text);
    QString UnHilightText(const QString &S);
    QString UnMarkText(const QString &S);
    void HilightInCell(bool DoCase, int Col, int Row, const QString &HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString &HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString &HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const QString &HiText);
    void MarkInCell(bool DoCase, int Col, int Row, const QString &HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString &HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString &HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const QString &HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);

    // The search panel docked at the bottom, shown by SearchFooter.Visible.
    class TSearchFooter &SearchFooter();
    class TSearchPanel *SearchPanel();
    // Brings the panel in step with SearchFooter (its OnChange handler).
    void UpdateSearchPanel();
    // Display indexes: the cell comes into view (centred when it was out),
    // and above the search panel when that is shown.
    void ScrollInView(int ColIndex, int RowIndex);
    bool IsLastRowAboveSearchPanel();
    // Raises TopRow until the last row's bottom is above the panel; stops
    // when TopRow cannot grow.
    void KeepLastRowAboveSearchPanel();
    // The search panel's height while shown, else 0.
    int SearchPanelHeight() const;
    // Ctrl+F and the panel's accelerators: true when the key was taken.
    bool SearchFooterFocusKey();
    bool GridDialogChar(QChar Key);
    virtual void DoSearchFooterAction(const QString &Value, int ACol, int ARow, TSearchAction SearchAction);
    std::function<void(TExStringGrid *Sender, const QString &Value, bool &DefaultSearch)> OnSearchEditChange;
    std::function<void(TExStringGrid *Sender, const QString &Value, int ACol, int ARow, TSearchAction SearchAction)>
        OnSearchFooterAction;
    platform::TNotifyEvent OnSearchFooterClose;
    platform::TNotifyEvent OnCreatedSearchFooter;
    // The panel's buttons; the panel calls them.
    void SearchFooterEditChange();
    void SearchFooterFindNext();
    void SearchFooterFindPrevious();
    void SearchFooterHighlight();
    void SearchFooterClose();

    TFloatingFooter &FloatingFooter();
    class TFooterPanel *FooterPanel();
    bool FloatingFooterVisible() const;
    // The footer of one real column, or of every one (-1); a footer cell
    // whose column holds a text where a number belongs stays empty.
    virtual void CalcFooter(int ACol);
    // The same for one column; raises what the column function raises.
    virtual void CalcFooterColumn(int ACol);
    void RecalcFooter() { CalcFooter(-1); }
    // A footer cell through the grid's cell renderer, the footer row too.
    void PaintFooterCell(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect ARect,
                         TGridDrawState AState);
    // Repaints the footer panel.
    void UpdateFooter();
    // The floating footer's row moves with the end of the grid.
    void MoveFooterRow(int OldRowCount);
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, QString &Value)> OnFooterCalc;
    std::function<void(TExStringGrid *Sender, int AColumn, platform::TCanvas &Canvas, platform::TRect ARect)>
        OnFooterPaint;
    platform::TNotifyEvent OnCreatedFloatingFooter;
    // User-defined column and group calculations (ExGridCustomCalc.cpp):
    // the owner's handler gets Res at 0; 0 without a handler.
    using TGroupCalcEvent = std::function<void(TExStringGrid *Sender, int ACol, int FromRow, int ToRow, double &Res)>;
    TGroupCalcEvent OnColumnCalc;
    TGroupCalcEvent OnGroupCalc;
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double GroupCustomCalc(int ACol, int FromRow, int ToRow);
    // Per expanded group, OnGroupCalc's result written into its node row.
    void GroupCustomCalc(int ACol);
    // The search panel's buttons follow ControlLook.ControlStyle (SearchPanelLook.cpp).
    void applySearchButtonLook();
    // The floating footer's row stays out of the scrolled area, under its
    // panel (FooterRows.cpp).
    int GridFooterRows() const override;
    int GridFooterHeight() const override;
    void TextFill(bool DoFixed, const QString &Txt);
    void FormatFill(bool DoFixed, const QString &Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);

    // A tool window, not shown, holding the picture of the cells of ARect
    // (either corner first); the caller owns it.
    std::unique_ptr<QWidget> SelectionToForm(TGridRect ARect);

protected:
    void AfterLastRowChange() override;

private:
    friend class TFloatingFooter;
    struct TGridFind &findState() const;
    // The footer row's cells taken out before the row count changes, and
    // put into the new last row after it.
    std::vector<THiddenCell> takeFooterRow(int NewRowCount);
    void putFooterRow(std::vector<THiddenCell> cells);
    bool hasFindState() const { return m_find != nullptr; }
    bool storedTextIsShown() const;
    QPoint searchCells(QPoint StartCell, const QString &s, TFindParams params, bool wide);
    void wrapMatchesInRange(const QString &HiText, const QString &Tag, int LastRow, int LastCol, int FirstRow,
                            int FirstCol, bool DoCase);
    void removeTagsInRange(const QString &Tag, int LastRow, int LastCol, int FirstRow, int FirstCol);
    void placeFooterPanels();
    // The footer rules of the move to a cell: the footer row is never
    // entered, and the view scrolls so that the cell shows above the panels.
    bool footerPanelsAllowCell(int ACol, int ARow);
    // A row dragged onto the footer row goes back where it was.
    bool refuseMoveOntoFooterRow(int FromIndex, int ToIndex);
    // The key rules at the end of a grid with the search panel shown:
    // true when the key stops there; after the walk the last row is kept
    // above the panel.
    bool searchPanelKeyStops(std::uint16_t Key);
    void searchPanelKeyDone(std::uint16_t Key, int T0);
    void searchPanelScrolled(int action);
    TFindParams searchFooterParams(bool backward);
    void searchFooterFind(bool Backward);
    void searchFooterHighlight(bool on);
    mutable std::shared_ptr<struct TGridFind> m_find;
    // ===== end of find, highlight, fills, the floating footer and the search panel ======
    // ===== header sorting, column sizing by mouse, filter drop-downs and node clicks
    // (controls/grid/view/GridHeaderSort.cpp, ColumnSizeNotify.cpp, FilterDropDown.cpp,
    // NodeGlyphClicks.cpp; their state in controls/grid/view/HeaderClickState.h) =========
public:
    // Real columns that a header click never sorts and that sorting counts
    // as equal.
    TIntList &IgnoreColumns();
    bool IsIgnoredColumn(int ACol);
    std::function<void(TExStringGrid *Sender, int ACol, bool &DoSort)> OnCanSort;
    std::function<void(TExStringGrid *Sender, int ACol)> OnClickSort;
    virtual void DoClickSort(int ACol);
    // The header cell of the sort column in the last fixed row, painted in
    // SortSettings' header colours when they are set.
    bool isSortedHeader(int ACol, int ARow);
    // Sorts the child rows of every expanded node of the deepest level, by
    // the sort column or by the index list.
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    // Milliseconds the last header-click sort took.
    int SortTime() const;
    virtual void DoUpdateColumnSize(int ACol, int &AWidth);
    // The same event when content sizing gave the width.
    virtual void DoUpdateAutoSizeColumn(int ACol, int &AWidth);
    // Whether X (client pixels) lies on the node glyph of the display row.
    bool IsInNodeGlyph(int ARow, int X);
    using TNodeAllowEvent = std::function<void(TExStringGrid *Sender, int ARow, int ARowReal, bool &Allow)>;
    using TNodeEvent = std::function<void(TExStringGrid *Sender, int ARow, int ARowReal)>;
    TNodeAllowEvent OnBeforeExpandNode;
    TNodeAllowEvent OnBeforeContractNode;
    TNodeEvent OnExpandNode;
    TNodeEvent OnContractNode;
    // The fixed row whose cells carry the filter buttons; values at or
    // beyond FixedRows are refused.
    int FilterDropDownRow() const;
    void setFilterDropDownRow(int Value);
    bool FilterDropDownCheck = false; // the drop-down is a check list
    bool AutoFilterUpdate = true;     // a choice applies the filter at once
    struct TFilterDropDown &FilterDropDown();
    // The real column whose list is open; -1 none. The open list widget.
    int FilterDropDownColumn() const;
    QWidget *FilterDropDownList() const;
    // A choice in the plain list; a change of a tick in the check list.
    virtual void DoFilterSelect(int ItemIndex);
    virtual void DoFilterCheck(int ItemIndex);
    virtual void DoFilterDone();
    std::function<void(TExStringGrid *Sender, int Column, int ItemIndex, const QString &FriendlyName,
                       QString &FilterCondition)>
        OnFilterSelect;
    std::function<void(TExStringGrid *Sender, int Column, int ItemIndex, const QString &FriendlyName,
                       QString &FilterCondition, QWidget *CheckList)>
        OnFilterCheck;
    platform::TNotifyEvent OnFilterDone;

protected:
    void GridColWidthsChanged() override;
    // For a descendant's own filter entries and choices.
    void replaceFilterList(const QStringList &list) { m_filterList = list; }
    void forgetFilterColumn();

private:
    struct TGridHeaderClick &headerClick() const;
    // The release on a header: a sort, an index sort or the undone order.
    void headerSortClick(int ACol, int ARow, int X, int Y, platform::TShiftState Shift);
    // A border double click: the column left of it takes its content's width.
    bool borderAutoSize(int ACol, int ARow, int X);
    // The press on a node glyph (or on the node column); true when it took the press.
    bool nodeGlyphPress(int ACol, int ARow, int X, int Y, platform::TShiftState Shift);
    void nodeGroupSelect(int ACol, int ARow);
    bool nodeKey(std::uint16_t Key);
    void lookupTyping(QChar Key);
    // Opens the filter list of the column under a release in its button;
    // any other release closes an open one.
    void filterDropDownMouseUp(int X, int Y);
    void closeFilterDropDown();
    void renderFilterButton(platform::TCanvas &ACanvas, int RealCol, platform::TRect &ARect);
    mutable std::shared_ptr<struct TGridHeaderClick> m_headerClick;
    mutable std::shared_ptr<struct TGridSync> m_sync;
    TBaseGrid *syncPartner() const;

    // ===== special editors and cell advance (controls/grid/view/SpecialEditor.h,
    // SpecialEditors.cpp, SpecialEditorTable.cpp, the editors' GridSpinEditor.cpp,
    // GridComboEditor.cpp, GridEditBtnEditor.cpp, GridDateEditors.cpp, GridButtonEditors.cpp,
    // and CellAdvance.cpp, SizeWhileTyping.cpp) ===================================================
public:
    // The control of the open special editor; nullptr while none is open.
    QWidget *EditCtrl() const;
    // The editor of a special type, made on first use; nullptr for a type
    // that opens none.
    class TGridSpecialEditor *SpecialEditor(TEditorType type);
    // A click on an always-visible spin button opened the editor: it steps once.
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    int MaxComboLength = 0;
    std::function<void(TExStringGrid *Sender, int OldRow, int OldCol, int &NewRow, int &NewCol, bool &Allow)>
        OnAutoAdvance;
    std::function<void(TExStringGrid *Sender, int ACol)> OnAutoInsertCol;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, int ItemIndex, const QString &ASelection)>
        OnComboChange;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, int ItemIndex, const QString &ASelection,
                       QObject *AObject)>
        OnComboObjectChange;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, int AValue, bool UpDown)> OnSpinClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, double AValue, bool UpDown)> OnFloatSpinClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, double AValue, bool UpDown)> OnDateSpinClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, double AValue, bool UpDown)> OnTimeSpinClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, QString &S)> OnEllipsClick;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, double ADateTime)> OnDateTimeChange;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol)> OnDatePickerCloseUp;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol)> OnDatePickerDropDown;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, const QString &NewUnit)> OnUnitChanged;
    std::function<void(TExStringGrid *Sender, const QString &Text, double &ADate)> OnCustomStrToDate;
    virtual void DoEllipsClick(const QString &Text, QString &Result);
    // The right fixed columns that are not hidden.
    int VisibleFixedRightCols() const;
    virtual void GotoFirstRow() { setRow(FixedRows()); }
    // A left click 2 pixels inside the cell's top-left corner, the move forced.
    void SimulateCellClick(int ACol, int ARow);

private:
    friend class TGridSpecialEditor;
    int FAECol = -1; // where the running Enter advance started
    int FAERow = -1;
    int FLastTabCol = -1; // where the innermost running Tab advance started
    int FLastTabRow = -1;
    bool FDisableChange = false; // the advance fires OnCellChanging itself
    struct TSpecialEditors &specialEditors() const;
    // The editors take the grid's colour tones for their buttons.
    void applyEditorTones();
    // One Enter advance step; depth counts the steps over read-only cells.
    bool advanceStep(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool ShowEditor, int Depth);
    bool tabStep(bool Backward, int Depth);
    // Enter handed on by an editor or pressed on a click-control cell: the
    // advance, then the editor in the cell reached; true when it took the key.
    bool enterAdvance(QChar &Key);
    // An editor closed by Enter: the advance and, with AdvanceAutoEdit, the
    // next cell's editor.
    void editorEnter();
    // The caret walked out of the in-place edit's text: the cell to the left
    // or right, its editor opened with CursorWalkAlwaysEdit.
    void editorWalk(bool Forward);
    // The drop-down and spin buttons a cell shows while no editor is open;
    // ARect loses the width they take.
    void renderEditorButtons(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect &ARect);
    // A press on a cell's always-visible spin pair marks the step the editor
    // it opens takes; true when it hit the pair.
    bool editorButtonPress(int ACol, int ARow, int X, int Y);
    // The unit editor's unit changed.
    void UnitChanged(QObject *Sender, const QString &NewUnit);
    void DatePickerCloseUp();
    void DatePickerDropDown();
    void DatePickerChange(const QString &Value);
    void DateAndTimePickerChange(double ADateTime);
    mutable std::shared_ptr<struct TSpecialEditors> m_specialEditors; // freed first: its editors call the grid

    // ===== rich text, the focus glow, design time, form controls in cells, fixed-cell
    // editors, the cell checker and edit links (controls/grid/view/RichEditor.cpp,
    // FocusGlow.cpp, DesignTime.cpp, CellFormControls.cpp, FixedCellEditors.cpp,
    // CellChecker.cpp, EditLinks.cpp; their state in
    // controls/grid/view/EditExtrasState.h) ==================================================
public:
    // A rich cell holds its RTF document, one character a byte.
    void CellToRich(int Col, int Row, class TExRichEdit *Richeditor);
    QString RichToString(TExRichEdit *Richeditor);
    void RichToCell(int Col, int Row, TExRichEdit *Richeditor);
    // The hidden converter and the edRichEdit editor, made on first use.
    TExRichEdit *RichEdit() const;
    TExRichEdit *InplaceRichEdit() const;
    std::function<void(QObject *Sender)> OnRichEditSelectionChange;
    void DoRichEditSelectionChange();
    // A popup link's form handed the focus to the grid: the grid's and the
    // rich editor's focus handling skip that change; cleared once it settled.
    bool InvokedFocusChange = false;

    // The glow around the cell being edited; one in the program at a time.
    TFocusHelper FocusHelper;
    void PlaceFocusWindow();
    class TGridFocusWindow *FocusWindow() const;
    // The grid whose glow is shown, none when no glow is.
    static TExStringGrid *FocusWindowGrid();

    // The form designer's state: only tests set it. It shows the
    // "Quick config" box and the column numbers, and a click in the box
    // acts on the grid.
    bool Designing() const;
    void setDesigning(bool Value);
    bool ShowDesignHelper() const;
    void setShowDesignHelper(bool Value);
    bool ShowColNrs() const;
    virtual void PaintDesignHelper(platform::TCanvas &ACanvas);
    virtual void DesignHelperPopup(int X, int Y);
    // 1 "Allow edit", 2 "Column numbers", 3 "Set look: ", 4 the close box, -1 none.
    int DesignHelperArea(int X, int Y);
    // The design-time hit test: true when the point belongs to the grid.
    bool GridDesignHitTest(int X, int Y);
    // Runs the look menu of the box: the ids and captions, the item checked,
    // the screen point; answers the chosen id, 0 for none. A test replaces it.
    std::function<int(const std::vector<std::pair<int, QString>> &Items, int Checked, QPoint At)> DesignMenuHook;

    // Form controls of mini-HTML cells (CONTROL elements): EDIT, PASSWORD,
    // MASK and COMBO are edited in place over the control's rectangle R
    // (client pixels); their end writes the VALUE back into the cell.
    void StartControlEdit(const QString &HTML, const QString &CtrlType, int ARow, int ACol, int EventCol,
                          const platform::TRect &R, const QString &CtrlValue, const QString &CtrlID);
    void EndControlEdit();
    void ControlComboSelect();
    // The first form control after CtrlID (the first of the cell for an
    // empty CtrlID) that takes typed text; none gives the grid the focus.
    void EditNextCellControl(int ACol, int ARow, const QString &CtrlID);
    bool ControlEditing() const;
    class TControlEdit *ControlEdit() const;
    class TControlCombo *ControlCombo() const;
    using TControlEvent = std::function<void(TExStringGrid *Sender, int ARow, int ACol, const QString &CtrlID,
                                             const QString &CtrlType, const QString &CtrlVal)>;
    TControlEvent OnControlClick;
    TControlEvent OnControlEditDone;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, const QString &CtrlID, const QString &CtrlType,
                       const QString &CtrlValue, QStringList &Values, bool &Edit, int &DropCount)>
        OnControlComboList;
    std::function<void(TExStringGrid *Sender, int ARow, int ACol, int ItemIndex, const QString &CtrlID,
                       const QString &CtrlValue)>
        OnControlComboSelect;

    // Fixed cells edited in place (MouseActions.FixedRowsEdit, FixedColsEdit).
    void StartFixedCellEdit(int ACol, int ARow);
    class TGridTransEdit *EditTrans() const;
    class TGridTransCombo *ComboTrans() const;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, QStringList &Items,
                       TGridFixedCellEditor &Editor)>
        OnFixedEdit;
    virtual void DoFixedEdit(int ACol, int ARow, QStringList &Items, TGridFixedCellEditor &Editor);

    // Checks cells through CellChecker (not owned; none: every check passes);
    // real columns. A cell passes when the checker leaves its text as it was.
    class TExStringGridCheck *CellChecker = nullptr;
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);

    // The application's editor of edCustom cells; not owned.
    class TEditLink *EditLink() const;
    void setEditLink(TEditLink *Value);

private:
    friend class TEditLink;
    friend class TControlEdit;
    friend class TControlCombo;
    friend class TGridTransEdit;
    friend class TGridTransCombo;
    // A press on a form control of a mini-HTML cell; true when it took it.
    bool pressCellControl(int ACol, int ARow, int RealCol, const QString &Text, const THtmlDrawResult &Hit);
    // The press and double click on a fixed cell that open its editor.
    bool fixedCellEditPress(int X, int Y, bool Right, bool DoubleClick);
    void controlKeyLeave(bool Tab);
    friend class TExRichEdit;
    friend class TGridGlowFollower;
    struct TGridEditExtras &editExtras() const;
    friend class TGridRichEditor;
    friend class TGridLinkEditor;
    void openRichEditor(int ACol, int ARow);
    mutable std::shared_ptr<struct TGridEditExtras> m_editExtras;
    // ===== end of rich text, focus glow, design time, form controls and edit links =============
    // ===== printing and print preview (controls/grid/view/GridPrinting.cpp, PrintLayout.cpp,
    // PrintedCells.cpp, PrintHeaders.cpp, PrintSettingsFile.cpp; state in GridPrintState.h) ======
public:
    // Where Print and its kin print (a system printer, a PDF file, a test's
    // recording printer); without one they print nothing.
    platform::TPagePrinter *Printer = nullptr;
    // Skips the page count: the total is then unknown and printing stops
    // after the last page asked for.
    bool FastPrint = false;
    void Print();
    void PrintSelection();
    void PrintRect(const TGridRect &Gridrect);
    // All rows and columns, leaving out those not selected.
    void PrintSelectedRows();
    void PrintSelectedCols();
    // The pages drawn on a canvas within Displayrect (device pixels).
    void PrintPreview(platform::TCanvas &Canvas, platform::TRect Displayrect);
    void PrintPreviewRect(platform::TCanvas &Canvas, platform::TRect Displayrect, const TGridRect &Gridrect);
    void PrintPreviewSelection(platform::TCanvas &Canvas, platform::TRect Displayrect);
    void PrintPreviewSelectedRows(platform::TCanvas &Canvas, platform::TRect Displayrect);
    void PrintPreviewSelectedCols(platform::TCanvas &Canvas, platform::TRect Displayrect);
    // The grid as one page on a canvas within DrawRect (0.1 mm).
    void PrintDraw(platform::TCanvas &Canvas, platform::TRect DrawRect);
    void PrintDrawRect(platform::TCanvas &Canvas, platform::TRect DrawRect, const TGridRect &Gridrect);
    // The one page a preview draws.
    void setPreviewPage(int Page);
    // The pages of the last print or preview (its count).
    int PrintPageCount() const;
    // Width and left edge of a column in the last print or preview; raises
    // "Columns is not in valid range" for a column the grid does not have.
    int GetPrintColWidth(int ACol) const;
    int GetPrintColOffset(int ACol) const;
    // A character height in 0.1 mm for a size in points (negative, as font
    // heights are given), scaled by the fit to the page; and back.
    int MapFontHeight(int PointSize) const;
    int MapFontSize(int Height) const;
    void SavePrintSettings(const QString &Key, const QString &Section);
    void LoadPrintSettings(const QString &Key, const QString &Section);
    // The clock the headers' date and time read; the system's when unset.
    std::function<QDateTime()> PrintClock;
    std::function<void(TExStringGrid *Sender, int NrOfPages, int &FromPage, int &ToPage)> OnPrintStart;
    std::function<void(TExStringGrid *Sender, platform::TCanvas &Canvas, int PageNr, int PageXSize, int PageYSize)>
        OnPrintPage;
    std::function<void(TExStringGrid *Sender, platform::TCanvas &Canvas, int LastRow, int LastRowOffset,
                       int LastPage, int PageXSize, int PageYSize)>
        OnPrintPageDone;
    std::function<void(TExStringGrid *Sender, int PageNr, bool &Cancel)> OnPrintCancel;
    std::function<void(TExStringGrid *Sender, int ARow, bool &NewPage)> OnPrintNewPage;
    std::function<void(TExStringGrid *Sender, int ACol, int &Width)> OnPrintSetColumnWidth;
    std::function<void(TExStringGrid *Sender, int ARow, int &Height)> OnPrintSetRowHeight;
    std::function<void(TExStringGrid *Sender, double &ScaleFactor, bool &Allow)> OnFitToPage;
    std::function<void(TExStringGrid *Sender, int PageNum, int PageColNum, QString &PageNumString)>
        OnPrintGetPageNum;
    std::function<void(TExStringGrid *Sender, int ACol, int ARow, platform::TPen &APen, TCellBorders &Borders)>
        OnGetCellPrintBorder;
    std::function<void(TExStringGrid *Sender, platform::TCanvas &Canvas, int ACol, int ARow, platform::TPoint &ASize,
                       bool Printing)>
        OnCustomCellSize;
    virtual void DoGetCellPrintBorder(int ACol, int ARow, platform::TPen &APen, TCellBorders &Borders);
    virtual void DoPrintGetPageNum(int PageNum, int PageColNum, QString &PageNumString);
    // The size of a cell's graphic on paper, in screen pixels (the caller
    // multiplies by the print unit); pictures fitted into the room given and
    // divided by Scale.
    virtual void PrintCellContentSize(int ACol, int ARow, platform::TPoint &Size, double Scale, int AvailWidth,
                                      int AvailHeight);
    // The form's scaling by M/D reaches the fonts the grid keeps.
    virtual void GridChangeScale(int M, int D);

private:
    friend struct TGridPrintEngine;
    void printJob(const TGridRect &Range, bool SelectedOnly);
    void previewJob(platform::TCanvas &Canvas, platform::TRect Displayrect, bool SelectedOnly,
                    const TGridRect &Range);
    struct TGridPrintState &printState() const;
    mutable std::shared_ptr<struct TGridPrintState> m_print;
    // ===== end of printing and print preview ===================================================
};

} // namespace controls
