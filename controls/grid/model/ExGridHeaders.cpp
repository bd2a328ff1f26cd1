// Row-wide colours, the header lists written into the fixed cells, and
// the cell readers by other keys (original column, form-control ID).
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridStructure.h"

#include "controls/grid/base/HtmlControls.h"
#include "controls/grid/base/LineBreaks.h"

namespace controls {

platform::FontStyle TExStringGrid::FontStyles(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p ? p->FFontStyle : platform::FontStyle{};
}

void TExStringGrid::setFontStyles(int ACol, int ARow, platform::FontStyle Value)
{
    GetCellProperties(ACol, ARow).FFontStyle = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

TCellGradientDirection TExStringGrid::Gradients(int ACol, int ARow) const
{
    const TCellProperties *p = propsOf(ACol, ARow);
    return p ? p->FGradientDirection : GradientVertical;
}

void TExStringGrid::setGradients(int ACol, int ARow, TCellGradientDirection Value)
{
    GetCellProperties(ACol, ARow).FGradientDirection = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExStringGrid::setRowColor(int ARow, platform::TColor Color)
{
    for (int c = FixedCols(); c < TotalColCount(); ++c) {
        if (Color != platform::clNone) {
            GetCellProperties(c, ARow).setBrushColor(Color);
        } else if (CellHasProperties(c, ARow)) {
            // A cell with a graphic keeps its record; the colour goes.
            if (GetCellType(c, ARow) == ctEmpty && !CellControls(c, ARow))
                FreeCellProperties(c, ARow);
            else
                GetCellProperties(c, ARow).setBrushColor(platform::clNone);
        }
    }
    InvalidateRow(ARow);
}

void TExStringGrid::setRowColorTo(int ARow, platform::TColor Color)
{
    for (int c = FixedCols(); c < TotalColCount(); ++c) {
        if (Color != platform::clNone)
            GetCellProperties(c, ARow).setBrushColorTo(Color);
        else if (CellHasProperties(c, ARow))
            GetCellProperties(c, ARow).setBrushColorTo(platform::clNone);
    }
    InvalidateRow(ARow);
}

void TExStringGrid::setRowFontColor(int ARow, platform::TColor Color)
{
    for (int c = FixedCols(); c < TotalColCount(); ++c) {
        if (Color != platform::clNone) {
            GetCellProperties(c, ARow).FFontColor = Color;
        } else if (CellHasProperties(c, ARow)) {
            if (Colors(c, ARow) == platform::clNone && GetCellType(c, ARow) == ctEmpty && !CellControls(c, ARow))
                FreeCellProperties(c, ARow);
            else
                GetCellProperties(c, ARow).FFontColor = platform::clNone;
        }
    }
    InvalidateRow(ARow);
}

QString TExStringGrid::OriginalCells(int ACol, int ARow) const { return Cells(ColumnPosition(ACol), ARow); }

void TExStringGrid::setOriginalCells(int ACol, int ARow, const QString &Value)
{
    SetCellEx(ColumnPosition(ACol), ARow, Value);
}

int TExStringGrid::LinesInCell(int ACol, int ARow) const { return CountTextLines(Cells(ACol, ARow), true); }

QString TExStringGrid::ControlValues(int ACol, int ARow, const QString &ID) const
{
    QString value;
    return GetHtmlControlValue(Cells(ACol, ARow), ID, value) ? value : QString();
}

void TExStringGrid::setControlValues(int ACol, int ARow, const QString &ID, const QString &Value)
{
    QString text = Cells(ACol, ARow);
    if (SetHtmlControlValue(text, ID, Value))
        SetCellEx(ACol, ARow, text);
}

// --- headers ---------------------------------------------------------------------------------------------

void TExStringGrid::setColumnHeaders(const QStringList &headers)
{
    if (FixedRows() > 0)
        ClearColumnHeaders();
    m_columnHeaders = headers;
    ShowColumnHeaders();
}

void TExStringGrid::setRowHeaders(const QStringList &headers)
{
    m_rowHeaders = headers;
    ShowRowHeaders();
}

void TExStringGrid::ShowColumnHeaders()
{
    if (FixedRows() <= 0)
        return;
    for (int i = 0; i < m_columnHeaders.size() && i < TotalColCount(); ++i)
        SetCellEx(i, 0, EscapedNewlineToCR(m_columnHeaders[i]));
}

void TExStringGrid::ClearColumnHeaders()
{
    for (int i = 0; i < ColCount(); ++i)
        SetCellEx(i, 0, QString());
}

void TExStringGrid::ShowRowHeaders()
{
    if (FixedCols() <= 0)
        return;
    for (int i = 0; i < m_rowHeaders.size() && i < RowCount(); ++i)
        SetCellEx(0, i, EscapedNewlineToCR(m_rowHeaders[i]));
}

void TExStringGrid::ClearRowHeaders()
{
    for (int i = 0; i < RowCount(); ++i)
        SetCellEx(0, i, QString());
}

} // namespace controls
