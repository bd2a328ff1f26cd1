// The cell queries a column grid answers from the item of the cell's
// column before (or instead of) the string grid's own rules.
#include "controls/grid/base/Bands.h"
#include "controls/grid/base/NumberText.h"
#include "controls/grid/model/ExCGrid.h"
#include "controls/grid/model/core/TypedText.h"

namespace controls {

TGridColumnItem *TExColumnGrid::itemOf(int realCol) const { return m_columns->Items(realCol); }

bool TExColumnGrid::inNormalArea(int ACol, int ARow) const
{
    return ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() && ARow >= FixedRows()
           && ARow < RowCount() - FixedFooters();
}

TCellType TExColumnGrid::GetCellType(int ACol, int ARow)
{
    const TCellType kind = TExStringGrid::GetCellType(ACol, ARow);
    const TGridColumnItem *item = itemOf(ACol);
    if (item && inNormalArea(ACol, ARow) && (kind == ctEmpty || kind == ctNone) && item->Editor() == edDataCheckBox)
        return ctDataCheckBox;
    return kind;
}

TCellGraphic *TExColumnGrid::GetCellGraphic(int ACol, int ARow)
{
    TCellGraphic *own = TExStringGrid::GetCellGraphic(ACol, ARow);
    const TGridColumnItem *item = itemOf(ACol);
    if (own == nullptr && item && inNormalArea(ACol, ARow) && item->Editor() == edDataCheckBox) {
        // One object stands in for every data check box of such columns.
        m_sharedCheck->FCellType = ctVirtCheckBox;
        m_sharedCheck->FCellTransparent = ControlLook().ControlStyle == csFlat;
        return m_sharedCheck.get();
    }
    return own;
}

QString TExColumnGrid::GetColumnFloatFormat(int ACol, int) const
{
    const TGridColumnItem *item = itemOf(ACol);
    return item && !item->FloatFormat().isEmpty() ? item->FloatFormat() : FloatFormat;
}

QString TExColumnGrid::GetFormattedCell(int ACol, int ARow) const
{
    const TGridColumnItem *item = itemOf(ACol);
    if (item == nullptr)
        return TExStringGrid::GetFormattedCell(ACol, ARow);
    QString fmt = item->FloatFormat();
    const QString text = GetCellEx(ACol, ARow);
    const int kind = ClassifyNumberText(text);
    bool isFloat = kind == 0 || kind == 1;
    if (OnGetFloatFormat)
        OnGetFloatFormat(const_cast<TExColumnGrid *>(this), ACol, ARow, isFloat, fmt);
    if (fmt.isEmpty() || !isFloat)
        return text;
    const std::optional<double> value = cellTextToFloat(text);
    return value ? floatCellText(*value, fmt) : text;
}

void TExColumnGrid::DoGetCheckTrue(int ACol, int ARow, QString &Value)
{
    TExStringGrid::DoGetCheckTrue(ACol, ARow, Value);
    if (const TGridColumnItem *item = itemOf(ACol); item && inNormalArea(ACol, ARow))
        Value = item->CheckTrue;
}

void TExColumnGrid::DoGetCheckFalse(int ACol, int ARow, QString &Value)
{
    TExStringGrid::DoGetCheckFalse(ACol, ARow, Value);
    if (const TGridColumnItem *item = itemOf(ACol); item && inNormalArea(ACol, ARow))
        Value = item->CheckFalse;
}

void TExColumnGrid::DoIsFixedCell(int ACol, int ARow, bool &IsFixed)
{
    if (const TGridColumnItem *item = itemOf(RealColIndex(ACol)); item && ACol >= FixedCols() && ARow >= FixedRows())
        IsFixed = item->Fixed;
    TExStringGrid::DoIsFixedCell(ACol, ARow, IsFixed);
}

void TExColumnGrid::CheckCellEditable(int ACol, int ARow, bool &CanEdit)
{
    CanEdit = false;
    const TGridColumnItem *item = itemOf(ACol);
    if (!Loading() && item && ACol >= FixedCols() && ARow >= FixedRows())
        CanEdit = !(item->ReadOnly || item->Fixed);
    if (CanEdit && CellHasProperties(ACol, ARow))
        CanEdit = !ReadOnly(ACol, ARow);
    if (OnCanEditCell) {
        const TGridCoord base = BaseCell(ACol, ARow);
        OnCanEditCell(this, base.Y, base.X, CanEdit);
    }
}

bool TExColumnGrid::DoIsPasswordCell(int ACol, int ARow)
{
    bool isPassword = false;
    if (const TGridColumnItem *item = itemOf(ACol))
        isPassword = item->Password;
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ACol, ARow, isPassword);
    return isPassword;
}

void TExColumnGrid::DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, platform::TBrush &ABrush,
                                        platform::TFont &AFont)
{
    if (const TGridColumnItem *item = itemOf(ACol))
        columnPrintColor(*item, ACol, ARow, ABrush, AFont);
    TExStringGrid::DoGetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::DoGetCellBorder(int ACol, int ARow, platform::TPen &APen, TCellBorders &Borders)
{
    const TGridColumnItem *item = itemOf(ACol);
    bool fixed = false;
    DoIsFixedCell(DisplColIndex(ACol), ARow, fixed);
    if (item && ACol >= FixedCols() && ARow >= FixedRows() && !fixed) {
        Borders = item->Borders;
        APen.Assign(item->BorderPen);
    }
    TExStringGrid::DoGetCellBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::columnPrintColor(const TGridColumnItem &item, int ACol, int ARow, platform::TBrush &ABrush,
                                     platform::TFont &AFont)
{
    const bool fixedArea = ACol < FixedCols() || ARow < FixedRows()
                           || ACol >= ColCount() + NumHiddenColumns() - FixedRightCols()
                           || ARow >= RowCount() - FixedFooters();
    if (fixedArea) {
        AFont.Assign(PrintSettings.FixedFont);
        return;
    }
    // A banded column prints its bands.
    const bool bandsStay = item.ShowBands && Bands().Active() && Bands().Print;
    if (item.Fixed)
        ABrush.setColor(FixedColor());
    else if (!bandsStay)
        ABrush.setColor(item.PrintColor);
    const TCellProperties *props = CellHasProperties(ACol, ARow) ? GetGridObject(ACol, ARow) : nullptr;
    if (!item.Fixed && props && platform::isColorSet(Colors(ACol, ARow)))
        ABrush.setColor(Colors(ACol, ARow));
    if (item.PrintFontCustom) {
        AFont.Assign(item.PrintFont);
        if (props) {
            if (platform::isColorSet(FontColors(ACol, ARow)))
                AFont.setColor(FontColors(ACol, ARow));
            if (FontSizes(ACol, ARow) != 0)
                AFont.setSize(FontSizes(ACol, ARow));
            if (!FontNames(ACol, ARow).isEmpty())
                AFont.setName(FontNames(ACol, ARow));
        }
    } else {
        AFont.Assign(PrintSettings.Font);
    }
}

void TExColumnGrid::DoGetCellPrintBorder(int ACol, int ARow, platform::TPen &APen, TCellBorders &Borders)
{
    const TGridColumnItem *item = itemOf(ACol);
    if (item && item->PrintBorderCustom && ACol >= FixedCols() && ARow >= FixedRows()) {
        Borders = item->PrintBorders;
        APen = item->PrintBorderPen;
    }
}

void TExColumnGrid::DoUpdateColumnSize(int ACol, int &AWidth)
{
    if (const TGridColumnItem *item = itemOf(ACol)) {
        if (item->MinSize > 0)
            AWidth = std::max(AWidth, item->MinSize);
        if (item->MaxSize > 0)
            AWidth = std::min(AWidth, item->MaxSize);
    } else {
        TExStringGrid::DoUpdateColumnSize(ACol, AWidth);
    }
}

void TExColumnGrid::DoUpdateAutoSizeColumn(int ACol, int &AWidth)
{
    if (const TGridColumnItem *item = itemOf(ACol)) {
        if (item->AutoMinSize > 0)
            AWidth = std::max(AWidth, item->AutoMinSize);
        if (item->AutoMaxSize > 0)
            AWidth = std::min(AWidth, item->AutoMaxSize);
    } else {
        TExStringGrid::DoUpdateAutoSizeColumn(ACol, AWidth);
    }
}

void TExColumnGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState &AState, bool Print, bool Select,
                                        bool Remap, platform::TBrush &ABrush, platform::TColor &AColorTo,
                                        platform::TColor &AMirrorColor, platform::TColor &AMirrorColorTo,
                                        platform::TFont &AFont, TAlignment &HA, TVAlignment &VA, bool &WW,
                                        TCellGradientDirection &GD)
{
    TExStringGrid::GetVisualProperties(ACol, ARow, AState, Print, Select, Remap, ABrush, AColorTo, AMirrorColor,
                                       AMirrorColorTo, AFont, HA, VA, WW, GD);
    const int realCol = RealColIndex(ACol);
    const TGridColumnItem *item = itemOf(realCol);
    if (item == nullptr || !inNormalArea(realCol, ARow) || AState.testFlag(gdSelected))
        return;
    const bool own = CellHasProperties(realCol, ARow) && platform::isColorSet(Colors(realCol, ARow));
    // In print the item's print colour came through the print hook.
    if (!Print && item->Fixed)
        ABrush.setColor(FixedColor());
    else if (!Print && !own)
        ABrush.setColor(item->Color());
    if (!CellHasProperties(realCol, ARow) || Alignments(realCol, ARow) == taLeftJustify)
        HA = item->Alignment;
}

} // namespace controls
