#pragma once
// A drop-down edit whose popup is a list of rows with several columns
// and a header row. The rows are Items, the columns Columns; the lookup
// column's text stands for a row in the edit, and typing completes it
// from the rows, in the edit and in the open list alike.
//
// The string grid's multi-column cell editor builds on it: it calls
// create, GetItemIndex, BeginUpdate/EndUpdate, setItemIndex, Text and the
// key and change steps.
#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/MultiColumnColumns.h"
#include "controls/dropdown/core/LookupMatching.h"
#include "controls/dropdown/core/MultiColumnItems.h"

#include <functional>

namespace controls::multicol {

class TExColGrid;

// Row numbers are the popup list's: 0 is the header, item i is row i + 1.
using TDrawCellEvent = std::function<void(QObject *Sender, int Column, int Row, platform::TCanvas &ACanvas,
                                          const platform::TRect &ARect)>;
using TGetCellTextEvent = std::function<void(QObject *Sender, int Column, int Row, QString &Text)>;
using TGetCellPropEvent = std::function<void(QObject *Sender, int Column, int Row, platform::TFont &Font,
                                             platform::TColor &AColor, platform::TColor &AColorTo)>;

class TExMultiColumnDropDown : public TExCustomDropDown {
    Q_OBJECT
public:
    TExMultiColumnDropDown(TConstructKey key, QWidget *parent);
    ~TExMultiColumnDropDown() override;

    void Assign(const QObject *source) override;

    // ---- rows and columns ----
    TDropDownItems &Items() { return m_items; }
    const TDropDownItems &Items() const { return m_items; }
    void setItems(const TDropDownItems &items) { m_items.Assign(items); }
    TDropDownColumns &Columns() { return m_columns; }
    const TDropDownColumns &Columns() const { return m_columns; }
    void setColumns(const TDropDownColumns &columns) { m_columns.Assign(columns); }
    int RowCount() const { return m_items.Count(); }
    // Below 0: no lookup at all. The edit's list is not rebuilt: that is
    // EndUpdate's.
    int LookupColumn() const { return m_lookupColumn; }
    void setLookupColumn(int column) { m_lookupColumn = column; }
    bool CaseSensitive() const { return m_caseSensitive; }
    void setCaseSensitive(bool sensitive) { m_caseSensitive = sensitive; }

    // The chosen item; -1 for none, and for one its items no longer have.
    int ItemIndex() const;
    // An index beyond the items is ignored; below 0 clears the text.
    void setItemIndex(int index);
    // The first item whose lookup text is exactly value; -1 when none.
    int GetItemIndex(const QString &value) const;
    void BeginUpdate() {}
    // The edit's type-ahead and Enter know the items as they are now.
    void EndUpdate() { RebuildLookupItems(); }
    void RebuildLookupItems();

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void SelectNextPage();
    void SelectPreviousPage();

    // The first item whose lookup text begins with s (letter case ignored
    // unless CaseSensitive); an empty s matches nothing.
    bool FindLookupMatch(const QString &s, QString &found, int &row);
    // One character typed into the open list; the row found or -1.
    int PopupLookupKey(QChar key);
    const QString &LookupEntry() const { return m_popupLookup.entry(); }

    // ---- the popup's looks ----
    bool DropDownAutoWidth() const { return m_dropDownAutoWidth; }
    void setDropDownAutoWidth(bool automatic) { m_dropDownAutoWidth = automatic; }
    int DropDownRowHeight() const { return m_dropDownRowHeight; }
    void setDropDownRowHeight(int height) { m_dropDownRowHeight = height; }
    platform::TColor LineColor() const { return m_lineColor; }
    void setLineColor(platform::TColor color) { m_lineColor = color; }
    platform::TColor FixedLineColor() const { return m_fixedLineColor; }
    void setFixedLineColor(platform::TColor color) { m_fixedLineColor = color; }
    bool ColumnSizing() const { return m_columnSizing; }
    void setColumnSizing(bool sizing) { m_columnSizing = sizing; }
    bool ColumnSizeWithDropDown() const { return m_columnSizeWithDropDown; }
    void setColumnSizeWithDropDown(bool size) { m_columnSizeWithDropDown = size; }
    platform::TColor HeaderColor() const { return m_headerColor; }
    void setHeaderColor(platform::TColor color) { m_headerColor = color; }
    platform::TColor HeaderColorTo() const { return m_headerColorTo; }
    void setHeaderColorTo(platform::TColor color) { m_headerColorTo = color; }
    int HeaderHeight() const { return m_headerHeight; }
    void setHeaderHeight(int height) { m_headerHeight = height; }
    platform::TFont &HeaderFont() { return m_headerFont; }
    const platform::TFont &HeaderFont() const { return m_headerFont; }
    void setHeaderFont(const platform::TFont &font) { m_headerFont.Assign(font); }
    platform::TColor SelectionTextColor() const { return m_selectionTextColor; }
    void setSelectionTextColor(platform::TColor color) { m_selectionTextColor = color; }

    TExColGrid *ColGrid() const { return m_grid; }
    // Stretches the list's columns (not Columns) to the popup's width.
    void FitColumnsToWidth();

    void SetComponentStyle(TFenloStyle style) override;
    void setSelectionColorStyle(TSelectionColorStyle style) override;

    // ---- events ----
    platform::TNotifyEvent OnSelect;
    TDrawCellEvent OnDropDownDrawItem;
    TGetCellTextEvent OnDropDownGetItemText;
    // Kept for the settings; never raised.
    TGetCellPropEvent OnDropDownGetItemProp;

    // ---- steps (the string grid's cell editor calls them) ----
    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override;
    void HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift) override;
    // After a key's release: a completion takes the item's own letter case.
    void HandleKeyUp();
    void HandleTextChange() override;
    void ControlKeyDown(QKeyEvent &event) override;
    void ControlKeyUp(QKeyEvent &event) override;
    void DropDownFormSizing() override;
    void setText(const QString &value) override;
    // The list's current cell moves (not by the wheel): the edit follows.
    void GridSelectCell(int col, int row);
    // A row was chosen in the list: it becomes the item, the popup closes,
    // OnSelect.
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
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    // The item becomes the chosen one and its lookup text the edit's; by
    // the user it marks the edit modified when the text differs from the
    // one it had on getting the focus.
    void chooseItem(int index, bool byUser);
    // Text set by the drop-down itself completes nothing.
    void showOwnText(const QString &text);
    const TLookupIndex &popupIndex();
    void ControlKeyPress(QChar key);

    TDropDownItems m_items;
    TDropDownColumns m_columns{this};
    int m_lookupColumn = 0;
    int m_itemIndex = -1;
    int m_oldItemIndex = -1;
    // The edit's list, as of the last EndUpdate.
    TLookupIndex m_lookupItems;
    // The open list's, as the items are.
    TLookupIndex m_popupIndex;
    std::uint64_t m_popupRevision = 0;
    int m_popupColumn = -1;
    TPopupLookup m_popupLookup;
    bool m_caseSensitive = false;
    bool m_workmode = true;
    bool m_itemChange = false;
    int m_itemIdx = 0;
    int m_itemSel = 0;
    bool m_showing = false;
    int m_ownText = 0;
    TExColGrid *m_grid = nullptr;

    platform::TFont m_headerFont;
    platform::TColor m_headerColor = platform::clWhite;
    platform::TColor m_headerColorTo = platform::clGray;
    int m_headerHeight = 25;
    platform::TColor m_lineColor = 15855083;
    platform::TColor m_fixedLineColor = 13745060;
    int m_dropDownRowHeight = 22;
    bool m_dropDownAutoWidth = true;
    bool m_columnSizing = false;
    bool m_columnSizeWithDropDown = true;
    platform::TColor m_selectionTextColor = 0;
};

} // namespace controls::multicol

namespace controls {
using multicol::TExMultiColumnDropDown;
}
