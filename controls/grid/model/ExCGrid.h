#pragma once
// TExColumnGrid: the string grid with one column item per real column
// (hidden columns included) that carries the column's header, width,
// fonts, colours, editor, check texts, float format, print settings and
// size limits. Items follow their columns when columns come, go or move,
// and the grid's cell queries are answered from them.
#include "controls/grid/model/ExGrid.h"

#include <QMenu>
#include <QPointer>

#include <bitset>
#include <memory>
#include <vector>

namespace controls {

class TExColumnGrid;
class TGridColumnCollection;

enum TColumnPopupType : std::uint8_t {
    cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick,
    cpAllCellsLClick
};

class TGridColumnItem {
public:
    // With a collection the item takes the grid's font and colour.
    explicit TGridColumnItem(TGridColumnCollection *collection = nullptr);

    TGridColumnCollection *Collection() const { return m_collection; }
    int Index() const;
    QString DisplayName() const;

    // The grid's width of the real column; 0 without a grid.
    int Width() const;
    void setWidth(int value);
    const QString &Header() const { return FColumnHeader; }
    void setHeader(const QString &value);
    TEditorType Editor() const { return FEditorType; }
    void setEditor(TEditorType value);
    platform::TColor Color() const { return FColor; }
    void setColor(platform::TColor value);
    const QString &FloatFormat() const { return FFloatFormat; }
    void setFloatFormat(const QString &value);

    // Every setting, straight into the fields.
    void Assign(const TGridColumnItem &source);
    // The look of a column without its identity: the header, name, tag,
    // combo items, header font and popup type stay; colour and font are
    // the grid's.
    void AssignVisuals(const TGridColumnItem &source);

    TAlignment Alignment = taLeftJustify;
    TSortStyle SortStyle = ssAutomatic;
    QString SortPrefix;
    QString SortSuffix;
    QString EditMask;
    int EditLength = 0;
    platform::TFont Font;
    bool Fixed = false;
    bool ReadOnly = false;
    QStringList ComboItems;
    int DropDownCount = 8;
    int SpinMin = 0;
    int SpinMax = 0;
    int SpinStep = 1;
    bool Password = false;
    platform::TFont PrintFont;
    platform::TColor PrintColor = 0xFFFFFF;
    TCellBorders Borders;
    platform::TPen BorderPen;
    TCellBorders PrintBorders{0xF}; // every side
    platform::TPen PrintBorderPen;
    int Tag = 0;
    int DefIdx = 0;
    QString Name;
    QString CheckFalse = QStringLiteral("N");
    QString CheckTrue = QStringLiteral("Y");
    bool ShowBands = false;
    QStringList Filter;
    int MaxSize = 0;
    int MinSize = 0;
    int AutoMinSize = 0;
    int AutoMaxSize = 0;
    TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
    QPointer<QMenu> ColumnPopup; // not owned: clears itself when the menu goes
    bool FilterCaseSensitive = false;
    TAlignment HeaderAlignment = taLeftJustify;
    platform::TFont HeaderFont;
    bool PrintBorderCustom = true;
    bool PrintFontCustom = true;

private:
    friend class TGridColumnCollection;
    friend class TExColumnGrid;
    TExColumnGrid *grid() const;

    TGridColumnCollection *m_collection = nullptr;
    int FWidth = 50; // a shadow; Width reads the grid
    QString FColumnHeader;
    TEditorType FEditorType = edNormal;
    platform::TColor FColor = 0;
    QString FFloatFormat;
};

class TGridColumnCollection {
public:
    explicit TGridColumnCollection(TExColumnGrid *owner) : m_owner(owner) {}
    TExColumnGrid *Owner() const { return m_owner; }
    int Count() const { return int(m_items.size()); }
    TGridColumnItem *Items(int index) const;
    TGridColumnItem *operator[](int index) const { return Items(index); }
    int IndexOf(const TGridColumnItem *item) const;
    // Appends an item that takes the visuals of the one before it.
    TGridColumnItem *Add();
    // An item with the constructor's values at the position.
    TGridColumnItem *Insert(int index);
    void Delete(int index);
    void Move(int from, int to);
    // After a change of the items: the grid's column count follows the
    // items (never down to its fixed columns), headers are synced.
    void Update(TGridColumnItem *item);
    bool FNoRecursiveUpdate = false;

private:
    TGridColumnItem *append();
    TExColumnGrid *m_owner;
    std::vector<std::unique_ptr<TGridColumnItem>> m_items;
};

class TExColumnGrid : public TExStringGrid {
    Q_OBJECT
public:
    explicit TExColumnGrid(QWidget *parent = nullptr);
    ~TExColumnGrid() override;

    static constexpr int kColumnGridVersionNr = 0x01030002;
    int GetVersionNr() const override { return kColumnGridVersionNr; }
    QString GetVersionString() const override;

    TGridColumnCollection &Columns() { return *m_columns; }
    const TGridColumnCollection &Columns() const { return *m_columns; }
    // The first item of that exact name, or none.
    TGridColumnItem *ColumnByName(const QString &AValue) const;
    void setColCount(int count);
    void MoveColumn(int FromIndex, int ToIndex);
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;

    bool AutoFilterDisplay = false;
    std::function<void(TExColumnGrid *Sender, int FromIndex, int ToIndex)> OnAfterColumnMoved;

    // Cell queries answered from the column items.
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic *GetCellGraphic(int ACol, int ARow) override;
    QString GetColumnFloatFormat(int ACol, int ARow) const override;
    QString GetFormattedCell(int ACol, int ARow) const override;
    void DoGetCheckTrue(int ACol, int ARow, QString &Value) override;
    void DoGetCheckFalse(int ACol, int ARow, QString &Value) override;
    void DoIsFixedCell(int ACol, int ARow, bool &IsFixed) override;
    void CheckCellEditable(int ACol, int ARow, bool &CanEdit) override;
    bool DoIsPasswordCell(int ACol, int ARow) override;
    void DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, platform::TBrush &ABrush,
                             platform::TFont &AFont) override;
    void DoGetCellBorder(int ACol, int ARow, platform::TPen &APen, TCellBorders &Borders) override;
    void DoGetCellPrintBorder(int ACol, int ARow, platform::TPen &APen, TCellBorders &Borders) override;
    // Each item's Font and HeaderFont scale with the form (its PrintFont
    // does not), after the string grid's fonts (ExColumnScale.cpp).
    void GridChangeScale(int M, int D) override;
    void DoUpdateColumnSize(int ACol, int &AWidth) override;
    // A column whose item lists filters ("Small=<10") offers them; one
    // without passes the string grid's list on (ExColumnFilter.cpp).
    bool DoGetColumnFilter(int ACol) override;
    void DoFilterSelect(int ItemIndex) override;
    void DoUpdateAutoSizeColumn(int ACol, int &AWidth) override;

    void SyncColumnItems();
    void SyncColumnHeaders();

    // --- column streams (ExColumnGridStream.cpp) ---------------------------------------------
    // Every item's published settings as one component stream; loading
    // reads the whole stream first: one that does not read raises
    // EReadError and changes nothing.
    QByteArray SaveColumnsToStream() const;
    void LoadColumnsFromStream(QByteArrayView st);
    // --- end of column streams ----------------------------------------------------------------

    // --- column positions in an INI file (ExColumnPositions.cpp) --------------------------------
    // Every item's DefIdx := its position, the form's order.
    void SetOrganization();
    // "CP"i := the DefIdx of item i, in section Section of the INI file Key.
    void SaveColumnPositions(const QString &Key, const QString &Section);
    // Puts the columns in the stored order; a key missing changes nothing,
    // and stored positions that are no permutation raise and change nothing.
    void LoadColumnPositions(const QString &Key, const QString &Section);
    // Moves every item to the position its DefIdx names.
    void ResetOrganization();
    // --- end of column positions --------------------------------------------------------------

    // --- editing and column popups (controls/grid/view/ColumnGridEditing.cpp) ---------------
    void DoGetEditorType(int ACol, int ARow, TEditorType &AEditor) override;
    std::function<void(TExColumnGrid *Sender, int ACol, int ARow, QMenu *PopupMenu)> OnColumnPopup;

protected:
    int GridGetEditLimit() override;
    QString GridGetEditMask(int ACol, int ARow) override;
    void GridMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;

public:
    // --- end of editing and column popups ------------------------------------------------------

protected:
    void GridColumnMoved(int FromIndex, int ToIndex) override;
    void GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool Print, bool Select, bool Remap,
                             platform::TBrush &ABrush, platform::TColor &AColorTo, platform::TColor &AMirrorColor,
                             platform::TColor &AMirrorColorTo, platform::TFont &AFont, TAlignment &HA,
                             TVAlignment &VA, bool &WW, TCellGradientDirection &GD) override;

private:
    friend class TGridColumnItem;
    TGridColumnItem *itemOf(int realCol) const;
    bool inNormalArea(int ACol, int ARow) const;
    void moveItem(int realFrom, int realTo);
    void columnPrintColor(const TGridColumnItem &item, int ACol, int ARow, platform::TBrush &ABrush,
                          platform::TFont &AFont);

    std::unique_ptr<TGridColumnCollection> m_columns;
    std::unique_ptr<TCellGraphic> m_sharedCheck;
    bool FColMoving = false;
};

} // namespace controls
