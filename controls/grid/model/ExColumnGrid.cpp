// The column grid's life and structure: items made with the grid, kept in
// step with ColCount, inserted, removed and moved with their columns.
#include "controls/grid/model/ExCGrid.h"

namespace controls {

TExColumnGrid::TExColumnGrid(QWidget *parent)
    : TExStringGrid(parent), m_columns(std::make_unique<TGridColumnCollection>(this)),
      m_sharedCheck(std::make_unique<TCellGraphic>())
{
    SyncColumnItems();
}

TExColumnGrid::~TExColumnGrid() = default;

QString TExColumnGrid::GetVersionString() const { return Version() + QStringLiteral(" Mar, 2024"); }

TGridColumnItem *TExColumnGrid::ColumnByName(const QString &AValue) const
{
    for (int i = 0; i < m_columns->Count(); ++i)
        if (m_columns->Items(i)->Name == AValue)
            return m_columns->Items(i);
    return nullptr;
}

void TExColumnGrid::SyncColumnItems()
{
    const bool saved = m_columns->FNoRecursiveUpdate;
    m_columns->FNoRecursiveUpdate = true;
    const int wanted = ColCount() + NumHiddenColumns();
    while (m_columns->Count() < wanted)
        m_columns->Add();
    while (m_columns->Count() > wanted)
        m_columns->Delete(m_columns->Count() - 1);
    m_columns->FNoRecursiveUpdate = saved;
}

void TExColumnGrid::SyncColumnHeaders()
{
    if (FixedRows() == 0)
        return;
    QStringList headers;
    for (int i = 0; i < m_columns->Count(); ++i) {
        TGridColumnItem *item = m_columns->Items(i);
        const QString shown = AllCells(i, 0);
        if (item->FColumnHeader.isEmpty() && !shown.isEmpty())
            item->FColumnHeader = shown;
        headers << item->FColumnHeader;
    }
    setColumnHeaders(headers);
}

void TExColumnGrid::setColCount(int count)
{
    TExStringGrid::setColCount(count);
    SyncColumnItems();
}

void TExColumnGrid::InsertCols(int ColIndex, int CCount)
{
    TExStringGrid::InsertCols(ColIndex, CCount);
    m_columns->FNoRecursiveUpdate = true;
    for (int i = 0; i < CCount; ++i)
        m_columns->Insert(ColIndex);
    m_columns->FNoRecursiveUpdate = false;
}

void TExColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    const int before = TotalColCount();
    TExStringGrid::RemoveCols(ColIndex, CCount);
    const int removed = before - TotalColCount();
    m_columns->FNoRecursiveUpdate = true;
    for (int i = 0; i < removed; ++i)
        m_columns->Delete(ColIndex);
    m_columns->FNoRecursiveUpdate = false;
}

void TExColumnGrid::moveItem(int realFrom, int realTo)
{
    const int top = TopRow();
    FColMoving = true;
    m_columns->Move(realFrom, realTo);
    setTopRow(top);
    FColMoving = false;
    if (OnAfterColumnMoved)
        OnAfterColumnMoved(this, realFrom, realTo);
}

void TExColumnGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    const int realFrom = RealColIndex(FromIndex);
    const int realTo = RealColIndex(ToIndex);
    TExStringGrid::MoveColumn(FromIndex, ToIndex);
    moveItem(realFrom, realTo);
}

void TExColumnGrid::GridColumnMoved(int FromIndex, int ToIndex)
{
    const int realFrom = RealColIndex(FromIndex);
    const int realTo = RealColIndex(ToIndex);
    TExStringGrid::GridColumnMoved(FromIndex, ToIndex);
    moveItem(realFrom, realTo);
}

} // namespace controls
