// Cell access of the string grid: texts by real row (hidden rows served
// from their items), typed texts, the per-cell property arrays that read
// without creating a record, the current cell, and the widgets over cells.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridStructure.h"
#include "controls/grid/model/core/TypedText.h"

#include "controls/grid/base/NumberText.h"
#include "platform/Format.h"

#include <algorithm>

namespace controls {

// --- texts by real row -------------------------------------------------------------------------

QString TExStringGrid::AllCells(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0)
        return {};
    if (const auto *item = m_structure->hiddenRows.find(ARow)) {
        const THiddenCell *cell = item->Items.cellAt(ACol);
        QString text = cell ? cell->text : QString();
        DoGetDisplText(ACol, ARow, text);
        return text;
    }
    return GetCellEx(ACol, DisplRowIndex(ARow));
}

void TExStringGrid::setAllCells(int ACol, int ARow, const QString &Value)
{
    if (ACol < 0 || ARow < 0)
        return;
    if (auto *item = m_structure->hiddenRows.find(ARow)) {
        item->Items.grownTo(ACol).text = Value;
        return;
    }
    const int d = DisplRowIndex(ARow);
    SetCellEx(ACol, d, Value);
    repaintCellAt(ACol, d);
}

QString TExStringGrid::AllGridCells(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0)
        return {};
    if (const auto *item = m_structure->hiddenRows.find(ARow)) {
        const THiddenCell *cell = item->Items.cellAt(ACol);
        return cell ? cell->text : QString();
    }
    return GetGridCell(ACol, DisplRowIndex(ARow));
}

void TExStringGrid::setAllGridCells(int ACol, int ARow, const QString &Value)
{
    if (ACol < 0 || ARow < 0)
        return;
    if (auto *item = m_structure->hiddenRows.find(ARow)) {
        item->Items.grownTo(ACol).text = Value;
        return;
    }
    const int d = DisplRowIndex(ARow);
    SetGridCell(ACol, d, Value);
    repaintCellAt(ACol, d);
}

TCellProperties *TExStringGrid::GetObjectOfRealRow(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    if (const auto *item = m_structure->hiddenRows.find(ARow)) {
        const THiddenCell *cell = item->Items.cellAt(ACol);
        return cell ? cell->props.get() : nullptr;
    }
    return propsOf(ACol, DisplRowIndex(ARow));
}

void TExStringGrid::repaintCellAt(int ACol, int ARow)
{
    const int d = DisplColIndex(ACol);
    if (d != ACol)
        RepaintCell(d, ARow);
}

QString TExStringGrid::GetStrippedCell(int ACol, int ARow) const { return strippedCellText(GetCellEx(ACol, ARow)); }

// --- typed texts -----------------------------------------------------------------------------------

int TExStringGrid::Ints(int ACol, int ARow) const { return cellIntOf(GetCellEx(ACol, ARow)); }

void TExStringGrid::setInts(int ACol, int ARow, int Value)
{
    SetCellEx(ACol, ARow, QString::number(Value));
    repaintCellAt(ACol, ARow);
}

int TExStringGrid::AllInts(int ACol, int ARow) const { return cellIntOf(AllCells(ACol, ARow)); }
void TExStringGrid::setAllInts(int ACol, int ARow, int Value) { setAllCells(ACol, ARow, QString::number(Value)); }

double TExStringGrid::Floats(int ACol, int ARow) const { return cellFloatOf(GetCellEx(ACol, ARow)); }

void TExStringGrid::setFloats(int ACol, int ARow, double Value)
{
    SetCellEx(ACol, ARow, floatCellText(Value, GetColumnFloatFormat(ACol, ARow)));
}

double TExStringGrid::AllFloats(int ACol, int ARow) const { return cellFloatOf(AllCells(ACol, ARow)); }

void TExStringGrid::setAllFloats(int ACol, int ARow, double Value)
{
    setAllCells(ACol, ARow, floatCellText(Value, FloatFormat));
}

// --- the current cell -----------------------------------------------------------------------------------

QString TExStringGrid::CurrentCell() const
{
    const TGridCoord base = BaseCell(RealCol(), Row());
    return GetGridCell(base.X, base.Y);
}

void TExStringGrid::setCurrentCell(const QString &Value)
{
    const TGridCoord base = BaseCell(RealCol(), Row());
    SetCellEx(base.X, base.Y, Value);
}

QString TExStringGrid::GetActiveCellText() const
{
    const TGridCoord base = BaseCell(RealCol(), Row());
    return GetCellEx(base.X, base.Y);
}

// --- property arrays ------------------------------------------------------------------------------------

platform::TColor TExStringGrid::Colors(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p ? p->FBrushColor : platform::clNone;
}

void TExStringGrid::setColors(int ACol, int ARow, platform::TColor Value)
{
    GetCellProperties(ACol, ARow).setBrushColor(Value);
    if (FUpdateCount == 0)
        RepaintCell(DisplColIndex(ACol), ARow);
}

platform::TColor TExStringGrid::ColorsTo(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p ? p->FBrushColorTo : platform::clNone;
}

void TExStringGrid::setColorsTo(int ACol, int ARow, platform::TColor Value)
{
    GetCellProperties(ACol, ARow).setBrushColorTo(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

platform::TColor TExStringGrid::FontColors(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p ? p->FFontColor : platform::clNone;
}

void TExStringGrid::setFontColors(int ACol, int ARow, platform::TColor Value)
{
    GetCellProperties(ACol, ARow).FFontColor = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

int TExStringGrid::FontSizes(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p ? p->FFontSize : 0;
}

void TExStringGrid::setFontSizes(int ACol, int ARow, int Value)
{
    GetCellProperties(ACol, ARow).FFontSize = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

QString TExStringGrid::FontNames(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p ? p->FFontName : QString();
}

void TExStringGrid::setFontNames(int ACol, int ARow, const QString &Value)
{
    GetCellProperties(ACol, ARow).FFontName = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

TAlignment TExStringGrid::Alignments(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p ? p->FAlignment : taLeftJustify;
}

void TExStringGrid::setAlignments(int ACol, int ARow, TAlignment Value)
{
    GetCellProperties(ACol, ARow).FAlignment = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TExStringGrid::ReadOnly(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p && p->FReadOnly;
}

void TExStringGrid::setReadOnly(int ACol, int ARow, bool Value)
{
    GetCellProperties(ACol, ARow).FReadOnly = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TExStringGrid::WordWraps(int ACol, int ARow) { return GetCellProperties(ACol, ARow).FWordWrap; }

void TExStringGrid::setWordWraps(int ACol, int ARow, bool Value)
{
    GetCellProperties(ACol, ARow).setWordWrap(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExStringGrid::CellTextChanged(int ACol, int ARow) { updateAutoRangeScrollBar(ACol, ARow); }

QString TExStringGrid::GetFormattedCell(int ACol, int ARow) const
{
    const QString text = GetCellEx(ACol, ARow);
    if (!OnGetFloatFormat || ClassifyNumberText(text) == ntOther)
        return text;
    bool isFloat = true;
    QString format = FloatFormat;
    OnGetFloatFormat(const_cast<TExStringGrid *>(this), ACol, ARow, isFloat, format);
    if (!isFloat || format.isEmpty())
        return text;
    // A format that does not fit the number leaves the text as it is.
    const platform::FormatResult result =
        format.contains(u'd') ? (cellTextToInt(text) ? platform::Format(format, {*cellTextToInt(text)}) : platform::FormatResult{false, {}, {}})
                              : (cellTextToFloat(text) ? platform::Format(format, {*cellTextToFloat(text)}) : platform::FormatResult{false, {}, {}});
    return result.ok ? result.text : text;
}

// --- widgets over cells -----------------------------------------------------------------------------------

QWidget *TExStringGrid::CellControls(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p ? p->FControl.data() : nullptr;
}

void TExStringGrid::setCellControls(int ACol, int ARow, QWidget *AControl)
{
    if (!AControl) {
        if (TCellProperties *p = propsOf(ACol, ARow); p && p->FControl) {
            p->FControl = nullptr;
            FNumCellControls = std::max(FNumCellControls - 1, 0);
        }
        return;
    }
    TCellProperties &p = GetCellProperties(ACol, ARow);
    if (!p.FControl)
        ++FNumCellControls;
    p.FControl = AControl;
    AControl->setParent(this);
    CellControlsUpdate(false);
}

void TExStringGrid::CellControlsUpdate(bool rebuildlist)
{
    if (FNumCellControls == 0)
        return;
    // The controls live in the properties of their cells, which travel
    // with the cells: a control's cell is where its properties are. The
    // store gives a real column and a display row; both are mapped to the
    // display before placing.
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < TotalColCount(); ++c) {
            TCellProperties *p = propsOf(c, r);
            if (!p || !p->FControl)
                continue;
            QWidget *control = p->FControl;
            const int a = DisplColIndex(c);
            if (r < FixedRows() || a < FixedCols())
                continue;
            const bool inView = !IsHiddenColumn(c) && a >= LeftCol() && a <= LeftCol() + VisibleColCount() &&
                                r >= TopRow() && r <= TopRow() + VisibleRowCount();
            if (!inView) {
                control->hide();
                continue;
            }
            const platform::TRect rect = CellRect(a, r);
            control->setGeometry(rect.Left - 1, rect.Top - 1, rect.Width() + 1, rect.Height() + 1);
            control->show();
        }
    }
    // Hidden rows keep their controls out of sight.
    THiddenRows<TRowCells> &rows = m_structure->hiddenRows;
    for (int i = 0; i < rows.count(); ++i)
        for (const THiddenCell &cell : rows.at(i).Items.cells)
            if (cell.props && cell.props->FControl)
                cell.props->FControl->hide();
}

} // namespace controls
