// The floating footer: its settings, the column results written into the
// grid's last row, and the footer row that moves with the end of the grid.
#include "controls/grid/model/GridFind.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/view/FooterPanel.h"

namespace controls {

// --- settings ----------------------------------------------------------------------------------------

void TFloatingFooter::setHeight(int value)
{
    m_height = value;
    m_grid->placeFooterPanels();
}

void TFloatingFooter::setVisible(bool value)
{
    m_visible = value;
    applyToGrid();
}

void TFloatingFooter::setFooterStyle(TFooterStyle value)
{
    m_style = value;
    applyToGrid();
}

void TFloatingFooter::applyToGrid()
{
    // With fsFixedLastRow the grid's last row is the footer: the grid stops
    // painting it and keeps it out of its data rows.
    m_grid->setFixedFooters(ShowsLastRow() ? 1 : 0);
    m_grid->FHideLastRow = ShowsLastRow();
    m_grid->FooterRowShown = ShowsLastRow();
    m_grid->placeFooterPanels();
    m_grid->update();
    Invalidate();
}

void TFloatingFooter::setColor(platform::TColor value)
{
    m_color = value;
    Invalidate();
}

void TFloatingFooter::setColumn(int value)
{
    m_column = value;
    Invalidate();
}

void TFloatingFooter::setCustomTemplate(const QString &value)
{
    m_template = value;
    Invalidate();
}

void TFloatingFooter::setShowHint(bool value)
{
    m_showHint = value;
    if (TFooterPanel *panel = m_grid->FooterPanel())
        panel->setShowHint(value);
}

void TFloatingFooter::setBorderColor(platform::TColor value)
{
    if (storeChanged(m_borderColor, value))
        Invalidate();
}

TColumnCalcType TFloatingFooter::ColumnCalc(int ACol) const
{
    const int last = m_grid->RowCount() - 1;
    if (last < 0 || !m_grid->CellHasProperties(ACol, last))
        return acNONE;
    return m_grid->GetGridObject(ACol, last)->FCalcType;
}

void TFloatingFooter::setColumnCalc(int ACol, TColumnCalcType value)
{
    const int last = m_grid->RowCount() - 1;
    if (last < 0)
        return;
    m_grid->GetCellProperties(ACol, last).FCalcType = value;
    m_grid->RecalcFooterColumn(ACol, last);
}

void TFloatingFooter::Invalidate() { m_grid->UpdateFooter(); }

void TFloatingFooter::Assign(const TFloatingFooter &source)
{
    CalculateHiddenRows = source.CalculateHiddenRows;
    m_color = source.m_color;
    m_column = source.m_column;
    m_template = source.m_template;
    m_style = source.m_style;
    setVisible(source.m_visible);
    setShowHint(source.m_showHint);
}

// --- the grid's side -------------------------------------------------------------------------------

TFloatingFooter &TExStringGrid::FloatingFooter() { return findState().floatingFooter; }

bool TExStringGrid::FloatingFooterVisible() const { return m_find && m_find->floatingFooter.Visible(); }

void TExStringGrid::UpdateFooter()
{
    if (m_find && m_find->footerPanel)
        m_find->footerPanel->update();
}

void TExStringGrid::AfterLastRowChange()
{
    TBaseGrid::AfterLastRowChange();
    UpdateFooter();
}

void TExStringGrid::RecalcFooterColumn(int ACol, int ARow) { CalcFooter(ACol); }

void TExStringGrid::CalcFooter(int ACol)
{
    if (!FloatingFooterVisible())
        return;
    const int last = RowCount() - 1;
    const auto one = [&](int c) {
        // A column whose cells hold a word where a number belongs has no
        // result: its footer cell stays empty and the edit, key or filter
        // that asked goes on.
        try {
            CalcFooterColumn(c);
        } catch (const ZOraZaziRarar &) {
            if (last >= 0)
                SetCellEx(c, last, QString());
        }
    };
    if (ACol == -1)
        for (int c = 0; c < AllColCount(); ++c)
            one(c);
    else
        one(ACol);
}

void TExStringGrid::CalcFooterColumn(int ACol)
{
    const TFloatingFooter &ff = FloatingFooter();
    if (!ff.Visible() || ff.FooterStyle() != fsFixedLastRow || !ff.EnableCalculation)
        return;
    const int last = RowCount() - 1;
    const int h = ff.CalculateHiddenRows ? NumHiddenRows() : 0;
    const int from = FixedRows();
    const int to = RowCount() - 2 + h;
    const auto column = [&](int c) {
        if (last < 0 || !CellHasProperties(c, last))
            return;
        switch (GetGridObject(c, last)->FCalcType) {
        case acSUM:
            setFloats(c, last, ColumnSum(c, from, to));
            break;
        case acAVG:
            setFloats(c, last, ColumnAvg(c, from, to));
            break;
        case acCOUNT:
            setInts(c, last, RowCount() - FixedRows() - 1 + h);
            break;
        case acMIN:
            setFloats(c, last, ColumnMin(c, from, to));
            break;
        case acMAX:
            setFloats(c, last, ColumnMax(c, from, to));
            break;
        case acCUSTOM: {
            QString value;
            if (OnFooterCalc)
                OnFooterCalc(this, c, RowCount() - 1 + h, value);
            else if (ff.OnCalcFooter)
                ff.OnCalcFooter(this, c, RowCount() - 1 + h, value);
            SetCellEx(c, last, value);
            break;
        }
        case acDISTINCT:
            setFloats(c, last, ColumnDistinct(c, from, to));
            break;
        case acSTDDEV:
            setFloats(c, last, ColumnStdDev(c, from, to));
            break;
        case acNONE:
        case acSPREAD:
            break;
        }
    };
    if (ACol == -1)
        for (int c = 0; c < AllColCount(); ++c)
            column(c);
    else
        column(ACol);
}

std::vector<THiddenCell> TExStringGrid::takeFooterRow(int NewRowCount)
{
    std::vector<THiddenCell> cells;
    if (!FloatingFooterVisible() || m_internalMove || NewRowCount == RowCount() || RowCount() == 0 || NewRowCount <= 0)
        return cells;
    // Texts and properties (which hold the calculations) leave the old
    // last row, which stays behind empty.
    const int last = RowCount() - 1;
    for (int c = 0; c < TotalColCount(); ++c) {
        cells.push_back(THiddenCell{GetGridCell(c, last), TakeGridObject(c, last)});
        SetGridCell(c, last, QString());
    }
    return cells;
}

void TExStringGrid::putFooterRow(std::vector<THiddenCell> cells)
{
    if (cells.empty())
        return;
    const int last = RowCount() - 1;
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
        SetGridCell(c, last, cells[static_cast<std::size_t>(c)].text);
        if (cells[static_cast<std::size_t>(c)].props)
            PutGridObject(c, last, std::move(cells[static_cast<std::size_t>(c)].props));
    }
    CalcFooter(-1);
}

} // namespace controls
