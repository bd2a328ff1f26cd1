#pragma once
// A drop-down edit whose popup is a whole string grid: sorting, filtering,
// cell editing and the grid's events. The rows come from Items (UseItems,
// loaded into the popup grid at each opening) or from what the application
// put into the popup grid's cells. LookupColumn's text stands for a row in
// the edit; typing finds a row by prefix (lmLookup) or filters the popup
// grid to the rows that contain it (lmNarrowDown).
//
// The string grid's grid drop-down cell editor builds on it.
#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/core/LookupMatching.h"
#include "controls/dropdown/grid/GridDropDownTypes.h"
#include "controls/grid/base/Bands.h"
#include "controls/grid/base/MouseActions.h"
#include "controls/grid/base/Navigation.h"
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/model/ExGrid.h"

#include <functional>

namespace controls::griddd {

class TExColGrid;

class TCustomExGridDropDown : public TExCustomDropDown {
    Q_OBJECT
public:
    TCustomExGridDropDown(TConstructKey key, QWidget *parent);
    ~TCustomExGridDropDown() override;

    std::uint32_t PackedVersion() const override { return 0x01010000; }

    // ---- rows and columns ----
    TDropDownItems &Items() { return m_items; }
    const TDropDownItems &Items() const { return m_items; }
    void setItems(const TDropDownItems &items) { m_items.Assign(items); }
    TDropDownColumns &Columns() { return m_columns; }
    const TDropDownColumns &Columns() const { return m_columns; }
    void setColumns(const TDropDownColumns &columns) { m_columns.Assign(columns); }
    // Items, whether or not the popup shows them.
    int RowCount() const { return m_items.Count(); }
    bool UseItems() const { return m_useItems; }
    void setUseItems(bool useItems) { m_useItems = useItems; }
    int LookupColumn() const { return m_lookupColumn; }
    void setLookupColumn(int column) { m_lookupColumn = column; }
    TLookupMethod LookupMethod() const { return m_lookupMethod; }
    void setLookupMethod(TLookupMethod method) { m_lookupMethod = method; }
    TDropDownStyle Style() const { return m_style; }
    void setStyle(TDropDownStyle style);
    bool CaseSensitive() const { return m_caseSensitive; }
    void setCaseSensitive(bool sensitive) { m_caseSensitive = sensitive; }

    // The chosen row: an item with UseItems, else a data row of the popup
    // grid counted as stored (rows a filter hides count too); -1 for none.
    int ItemIndex() const { return m_itemIndex; }
    void setItemIndex(int index);
    // Items with UseItems, else the popup grid's data rows (hidden ones
    // included).
    int ItemCount() const;
    int GetItemIndex(const QString &value) const;
    void BeginUpdate() {}
    void EndUpdate() { RebuildLookupItems(); }
    void RebuildLookupItems();

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void SelectNextPage();
    void SelectPreviousPage();

    // The item a popup grid row shows; -1 for the header, a row beyond the
    // grid or one without item.
    int RowToItemIndex(int row) const;
    // The popup grid row that shows the item; -1 when none does.
    int ItemIndexToRow(int index) const;
    // The first candidate whose lookup text begins with s (letter case
    // ignored unless CaseSensitive): an item (row := item index) with
    // UseItems, else a popup grid row. An empty s matches nothing.
    bool FindLookupMatch(const QString &s, QString &found, int &row);
    // One character typed for the popup: the row to show, or -1.
    int PopupLookupKey(QChar key);
    const QString &LookupEntry() const { return m_lookupEntry; }

    // ---- the popup grid's looks ----
    bool AutoShowDropDown() const { return m_autoShowDropDown; }
    void setAutoShowDropDown(bool show) { m_autoShowDropDown = show; }
    bool AutoSizeColumns() const { return m_autoSizeColumns; }
    void setAutoSizeColumns(bool autoSize) { m_autoSizeColumns = autoSize; }
    bool DropDownAutoWidth() const { return m_dropDownAutoWidth; }
    void setDropDownAutoWidth(bool automatic) { m_dropDownAutoWidth = automatic; }
    bool ColumnSizeWithDropDown() const { return m_columnSizeWithDropDown; }
    void setColumnSizeWithDropDown(bool size) { m_columnSizeWithDropDown = size; }
    int DropDownRowHeight() const { return m_dropDownRowHeight; }
    void setDropDownRowHeight(int height) { m_dropDownRowHeight = height; }
    platform::TColor LineColor() const { return m_lineColor; }
    void setLineColor(platform::TColor color) { m_lineColor = color; }
    platform::TColor FixedLineColor() const { return m_fixedLineColor; }
    void setFixedLineColor(platform::TColor color) { m_fixedLineColor = color; }
    platform::TColor HeaderColor() const { return m_headerColor; }
    void setHeaderColor(platform::TColor color) { m_headerColor = color; }
    platform::TColor HeaderColorTo() const { return m_headerColorTo; }
    void setHeaderColorTo(platform::TColor color) { m_headerColorTo = color; }
    int HeaderHeight() const { return m_headerHeight; }
    void setHeaderHeight(int height) { m_headerHeight = height; }
    platform::TFont &HeaderFont() { return m_headerFont; }
    const platform::TFont &HeaderFont() const { return m_headerFont; }
    bool RowSelect() const { return m_rowSelect; }
    void setRowSelect(bool rowSelect) { m_rowSelect = rowSelect; }
    bool GridEditable() const { return m_gridEditable; }
    void setGridEditable(bool editable) { m_gridEditable = editable; }
    bool ColumnSizing() const { return m_columnSizing; }
    void setColumnSizing(bool sizing) { m_columnSizing = sizing; }
    bool ColumnMoving() const { return m_columnMoving; }
    void setColumnMoving(bool moving) { m_columnMoving = moving; }
    bool RowSizing() const { return m_rowSizing; }
    void setRowSizing(bool sizing) { m_rowSizing = sizing; }
    bool RowMoving() const { return m_rowMoving; }
    void setRowMoving(bool moving) { m_rowMoving = moving; }
    TGridSorting Sorting() const { return m_sorting; }
    void setSorting(TGridSorting sorting) { m_sorting = sorting; }
    bool HoverRow() const { return m_hoverRow; }
    void setHoverRow(bool hover) { m_hoverRow = hover; }
    platform::TColor HoverRowColor() const { return m_hoverRowColor; }
    void setHoverRowColor(platform::TColor color) { m_hoverRowColor = color; }
    platform::TColor HoverRowColorTo() const { return m_hoverRowColorTo; }
    void setHoverRowColorTo(platform::TColor color) { m_hoverRowColorTo = color; }
    platform::TColor SelectionTextColor() const { return m_selectionTextColor; }
    void setSelectionTextColor(platform::TColor color) { m_selectionTextColor = color; }
    platform::TImageList *GridImages() const { return m_gridImages; }
    void setGridImages(platform::TImageList *images);
    TSearchFooter &SearchFooter() { return m_searchFooter; }
    TBands &Bands() { return m_bands; }
    TNavigation &Navigation() { return m_navigation; }
    TMouseActions &MouseActions() { return m_mouseActions; }

    TExColGrid *GetExColGrid() const { return m_grid; }
    // Stretches the popup grid's columns to the popup's width.
    void FitColumnsToWidth();

    void SetComponentStyle(TFenloStyle style) override;
    void setSelectionColorStyle(TSelectionColorStyle style) override;

    // ---- events ----
    platform::TNotifyEvent OnSelect;
    // The popup grid's events, raised with its arguments unchanged (Sender
    // is the popup grid).
    decltype(TExStringGrid::OnAnchorClick) OnGridAnchorClick;
    decltype(TExStringGrid::OnAnchorEnter) OnGridAnchorEnter;
    decltype(TExStringGrid::OnAnchorExit) OnGridAnchorExit;
    decltype(TExStringGrid::OnAnchorHint) OnGridAnchorHint;
    decltype(TExStringGrid::OnButtonClick) OnGridButtonClick;
    decltype(TExStringGrid::OnCheckBoxClick) OnGridCheckBoxClick;
    decltype(TExStringGrid::OnColumnSize) OnGridColumnSize;
    decltype(TExStringGrid::OnColumnSizing) OnGridColumnSizing;
    decltype(TExStringGrid::OnEndColumnSize) OnGridEndColumnSize;
    decltype(TExStringGrid::OnRowSize) OnGridRowSize;
    decltype(TExStringGrid::OnRowSizing) OnGridRowSizing;
    decltype(TExStringGrid::OnEndRowSize) OnGridEndRowSize;
    decltype(TExStringGrid::OnGridRowMoved) OnGridRowMoved;
    decltype(TExStringGrid::OnGridColumnMoved) OnGridColumnMoved;
    decltype(TExStringGrid::OnCustomCellDraw) OnGridCustomCellDraw;
    decltype(TExStringGrid::OnCustomCellBkgDraw) OnGridCustomCellBkgDraw;
    decltype(TExStringGrid::OnCellBalloon) OnGridCellBalloon;
    decltype(TExStringGrid::OnGetAlignment) OnGridGetAlignment;
    decltype(TExStringGrid::OnGetCellColor) OnGridGetCellColor;
    decltype(TExStringGrid::OnGetFloatFormat) OnGridGetFloatFormat;
    decltype(TExStringGrid::OnGetEditorType) OnGridGetEditorType;
    decltype(TExStringGrid::OnGetEditorProp) OnGridGetEditorProp;
    decltype(TExStringGrid::OnCanEditCell) OnGridCanEditCell;
    decltype(TExStringGrid::OnGetDisplText) OnGridGetDiplText;
    decltype(TExStringGrid::OnGetFormat) OnGridGetFormat;
    decltype(TExStringGrid::OnGridHint) OnGridHint;
    decltype(TExStringGrid::OnMouseDown) OnGridMouseDown;
    decltype(TExStringGrid::OnMouseUp) OnGridMouseUp;
    decltype(TExStringGrid::OnRightClickCell) OnGridRightClickCell;
    decltype(TExStringGrid::OnScrollHint) OnGridScrollHint;
    decltype(TExStringGrid::OnTopLeftChanged) OnGridTopLeftChanged;
    decltype(TExStringGrid::OnSearchEditChange) OnGridSearchEditChange;
    decltype(TExStringGrid::OnAutoAddRow) OnGridAutoAddRow;
    decltype(TExStringGrid::OnAutoInsertRow) OnGridInsertRow;
    decltype(TExStringGrid::OnAutoDeleteRow) OnGridDeleteRow;
    decltype(TExStringGrid::OnCanAddRow) OnGridCanAddRow;
    decltype(TExStringGrid::OnCanInsertRow) OnGridCanInsertRow;
    decltype(TExStringGrid::OnCanDeleteRow) OnGridCanDeleteRow;
    // Published for the settings; the popup grid never raises them.
    decltype(TExStringGrid::OnCustomCompare) OnGridCustomCompare;
    decltype(TExStringGrid::OnRawCompare) OnGridRawCompare;
    std::function<void(QObject *Sender, int ACol, int ARow, int Direction)> OnGridSpinClick;
    // Keys in the open popup grid; Sender is the drop-down.
    std::function<void(QObject *Sender, int &Key, Qt::KeyboardModifiers Shift)> OnGridKeyDown;
    std::function<void(QObject *Sender, int &Key, Qt::KeyboardModifiers Shift)> OnGridKeyUp;
    std::function<void(QObject *Sender, QChar &Key)> OnGridKeyPress;

    // ---- steps (the string grid's cell editor calls them) ----
    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override;
    void HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift) override;
    void HandleKeyUp(int key, Qt::KeyboardModifiers shift);
    void HandleTextChange() override;
    void ControlKeyDown(QKeyEvent &event) override;
    void ControlKeyUp(QKeyEvent &event) override;
    void DropDownFormSizing() override;
    void setText(const QString &value) override;
    // The popup grid's current cell moved (not by the wheel).
    void GridSelectCell(int col, int row);
    // A row was chosen in the popup grid.
    void GridSelect();

protected:
    void Initialize() override;
    void EnsureDropDownForm() override;
    void PrepareDropDown() override;
    void AdjustDropDownHeight(int &height) override;
    void OpenDropDown() override;
    void PlaceDropDownControl() override;
    void ComputeDropDownSize() override;
    void CloseDropDown(bool cancel) override;
    void RestoreDropDownValue() override;
    void WheelDown() override;
    void WheelUp() override;
    void HandleCharMessage(QChar &key) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    friend class TExColGrid;
    void chooseItem(int index, bool byUser);
    void showOwnText(const QString &text);
    void ControlKeyPress(QChar key);
    // The lookup column's text of a data row counted as stored.
    QString storedRowText(int dataRow) const;
    // The popup grid's hooks to the drop-down and its forwarders.
    void hookGridEvents();
    // Runs a handler with the popup's deactivation blocked, so that a
    // dialog it shows leaves the popup open.
    template <class Call>
    void withActivationBlocked(Call &&call);
    void rememberItemIndex() { m_tempItemIndex = m_itemIndex; }
    void restoreSortedRow();
    // The text as the lookup leaves it, with the part after the typed entry
    // selected.
    void showLookupText(const QString &text);

    TDropDownItems m_items;
    TDropDownColumns m_columns{this};
    bool m_useItems = true;
    int m_lookupColumn = 0;
    TLookupMethod m_lookupMethod = lmLookup;
    TDropDownStyle m_style = dsDropDown;
    bool m_caseSensitive = false;
    int m_itemIndex = -1;
    int m_oldItemIndex = -1;
    int m_tempItemIndex = 0;
    int m_selRow = 0;
    multicol::TLookupIndex m_lookupItems;
    // The popup's lookup, as the items are.
    const multicol::TLookupIndex &popupIndex();
    multicol::TLookupIndex m_popupIndex;
    std::uint64_t m_popupRevision = 0;
    int m_popupColumn = -1;
    // The popup grid row of each item, as last seen.
    mutable std::vector<int> m_rowOfItem;
    QString m_lookupEntry;
    bool m_workmode = true;
    bool m_itemChange = false;
    int m_itemIdx = 0;
    int m_itemSel = 0;
    int m_ownText = 0;
    bool m_showing = false;
    // The column of a cell edit that Enter ended, until the key's release.
    int m_enterEditCol = -1;
    bool m_balloonInit = false;
    TExColGrid *m_grid = nullptr;

    platform::TFont m_headerFont;
    platform::TColor m_headerColor = platform::clWhite;
    platform::TColor m_headerColorTo = platform::clGray;
    int m_headerHeight = 25;
    platform::TColor m_lineColor = 15855083;
    platform::TColor m_fixedLineColor = 13745060;
    bool m_rowSelect = true;
    bool m_gridEditable = false;
    bool m_columnSizing = false;
    bool m_columnMoving = false;
    bool m_rowSizing = false;
    bool m_rowMoving = false;
    bool m_autoSizeColumns = true;
    bool m_dropDownAutoWidth = true;
    bool m_columnSizeWithDropDown = true;
    int m_dropDownRowHeight = 22;
    TGridSorting m_sorting = gsNone;
    bool m_hoverRow = false;
    platform::TColor m_hoverRowColor = platform::clInfoBk;
    platform::TColor m_hoverRowColorTo = platform::clNone;
    platform::TColor m_selectionTextColor = 0;
    platform::TImageList *m_gridImages = nullptr;
    bool m_autoShowDropDown = false;
    TSearchFooter m_searchFooter{true};
    TBands m_bands;
    TNavigation m_navigation;
    TMouseActions m_mouseActions;
};

using TExGridDropDown = TCustomExGridDropDown;

} // namespace controls::griddd

namespace controls {
using griddd::TExGridDropDown;
}
