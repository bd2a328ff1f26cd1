// The grid drop-down's popup life cycle: the popup grid made once,
// prepared from the drop-down at each opening (columns, looks, events,
// items), sized to whole rows and to its columns, and the choice taken or
// put back on closing.
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/core/ColumnLayout.h"
#include "controls/dropdown/grid/ExGridDropDown.h"
#include "controls/dropdown/grid/PopupGrid.h"
#include "controls/grid/model/GridSortSettings.h"

#include <QPointer>
#include <QStyle>

namespace controls::griddd {

using namespace platform;

void TCustomExGridDropDown::EnsureDropDownForm()
{
    TExCustomDropDown::EnsureDropDownForm();
    if (!m_grid) {
        m_grid = new TExColGrid(DropDownForm());
        m_grid->setExDropDown(this);
        hookGridEvents();
    }
    m_grid->setExDropDown(this);
    m_grid->setGeometry(0, 0, m_grid->width(), 180);
    m_grid->setColor(DropDownColor());
    m_grid->Navigation().HomeEndKey = THomeEndAction::heFirstLastRow;
    SetDropDownControl(m_grid);
    SetFocusControl(m_grid);
}

void TCustomExGridDropDown::PlaceDropDownControl()
{
    SetDropDownControl(m_grid);
    TExCustomDropDown::PlaceDropDownControl();
}

void TCustomExGridDropDown::PrepareDropDown()
{
    QPointer<TCustomExGridDropDown> alive(this);
    if (DropDownForm())
        DropDownForm()->setCancelOnDeActivate(false);
    m_showing = true;
    m_lookupEntry.clear();
    if (!m_grid) {
        TExCustomDropDown::PrepareDropDown();
        return;
    }
    m_grid->setColor(DropDownColor());
    TSortSettings &sort = m_grid->SortSettings();
    sort.Show = m_sorting != gsNone;
    sort.IndexShow = m_sorting == gsMultiColumn;
    m_balloonInit = false;
    hookGridEvents();
    m_grid->SearchFooter().Assign(m_searchFooter);
    m_grid->MouseActions().Assign(m_mouseActions);
    m_grid->Navigation().Assign(m_navigation);
    m_grid->Bands().Assign(m_bands);
    TGridOptions options = m_grid->Options() | goThumbTracking;
    options.setFlag(goRowSelect, m_rowSelect);
    options.setFlag(goEditing, m_gridEditable);
    m_grid->setOptions(options);
    m_grid->setGridImages(m_gridImages);
    m_grid->SetComponentStyle(GetComponentStyle());
    if (m_useItems) {
        // OnBeforeDropDown may still change the items.
        TExCustomDropDown::PrepareDropDown();
        if (!alive || !m_grid)
            return;
        m_grid->SyncWithDropDown(this);
        m_grid->LoadItems();
        const int row = ItemIndexToRow(m_itemIndex);
        if (m_grid->RowCount() > m_grid->FixedRows())
            m_grid->MoveColRow(0, row >= 0 ? row : m_grid->FixedRows(), true, false);
    } else {
        m_grid->SyncWithDropDown(this);
        QString found;
        int row = -1;
        FindLookupMatch(Text(), found, row);
        if (m_grid->RowCount() > m_grid->FixedRows())
            m_grid->MoveColRow(0, row >= 0 ? row : m_grid->FixedRows(), true, false);
    }
    if (sort.Show && sort.Column() >= 0) {
        m_grid->QSort();
        if (const int row = ItemIndexToRow(m_itemIndex); m_useItems && row >= 0)
            m_grid->MoveColRow(0, row, true, false);
    }
    m_oldItemIndex = m_itemIndex;
    if (!m_useItems) {
        TExCustomDropDown::PrepareDropDown();
        if (!alive)
            return;
    }
}

void TCustomExGridDropDown::ComputeDropDownSize()
{
    TExCustomDropDown::ComputeDropDownSize();
    TDropDownForm *form = DropDownForm();
    if (!m_dropDownAutoWidth || !form || !m_grid)
        return;
    FitDropDownToList(*m_grid, [this] { return m_grid->GetGridWidth(); });
}

void TCustomExGridDropDown::AdjustDropDownHeight(int &height)
{
    const int strips = DropDownStripsHeight();
    // The popup grid's frame takes six pixels where the list's takes two.
    height = multicol::adjustDropDownHeight(height, strips, m_headerHeight, m_dropDownRowHeight) + 4;
}

void TCustomExGridDropDown::OpenDropDown()
{
    QPointer<TCustomExGridDropDown> alive(this);
    TExCustomDropDown::OpenDropDown();
    if (!alive)
        return;
    if (m_grid && !m_useItems)
        while (m_columns.Count() < m_grid->ColCount())
            m_columns.Add();
    if (DroppedDown() && m_grid) {
        FitColumnsToWidth();
        const int row = m_grid->Row();
        if (row < m_grid->TopRow() || row >= m_grid->TopRow() + m_grid->VisibleRowCount())
            m_grid->setTopRow(std::min(row, std::max(m_grid->FixedRows(), m_grid->MaxTopRow())));
        // The row the popup opened on: Enter without a move takes it.
        m_selRow = row;
        m_grid->setFocusPolicy(Qt::StrongFocus);
        if (!m_grid->hasFocus())
            m_grid->setFocus(Qt::PopupFocusReason);
    }
    m_showing = false;
}

void TCustomExGridDropDown::DropDownFormSizing()
{
    TExCustomDropDown::DropDownFormSizing();
    FitColumnsToWidth();
}

void TCustomExGridDropDown::FitColumnsToWidth()
{
    if (!m_columnSizeWithDropDown || !m_grid || !DropDownForm() || m_grid->ColCount() == 0)
        return;
    std::vector<int> widths;
    for (int i = 0; i < m_grid->ColCount(); ++i)
        widths.push_back(m_grid->ColWidths(i));
    int available = DropDownForm()->width() - 2 * DropDownBorderWidth();
    if (m_grid->VisibleRowCount() < m_grid->RowCount() - m_grid->FixedRows())
        available -= m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid);
    const std::vector<int> fitted = multicol::fitColumnsToWidth(widths, available);
    for (int i = 0; i < int(fitted.size()); ++i)
        m_grid->setColWidths(i, fitted[std::size_t(i)]);
}

void TCustomExGridDropDown::GridSelectCell(int col, int row)
{
    Q_UNUSED(col);
    if (!m_grid || m_showing)
        return;
    m_selRow = row;
    if (m_grid->MouseWheelSelection() || row < m_grid->FixedRows() || row >= m_grid->RowCount())
        return;
    if (m_useItems) {
        chooseItem(RowToItemIndex(row), true);
        return;
    }
    QPointer<TCustomExGridDropDown> alive(this);
    const QString text = m_lookupColumn >= 0 ? m_grid->Cells(m_lookupColumn, row) : QString();
    if (Text() != text) {
        showOwnText(text);
        if (!alive || !m_grid)
            return;
    }
    m_itemIndex = m_grid->RealRowIndex(row) - m_grid->FixedRows();
}

void TCustomExGridDropDown::GridSelect()
{
    if (!m_grid || !m_grid->ConfirmSelection())
        return;
    const int row = m_grid->Row();
    QPointer<TCustomExGridDropDown> alive(this);
    // The header, and a row without item, choose nothing.
    if (row < m_grid->FixedRows() || row >= m_grid->RowCount() || (m_useItems && RowToItemIndex(row) < 0)) {
        if (!m_gridEditable)
            CloseDropDown(false);
        return;
    }
    if (m_useItems)
        chooseItem(RowToItemIndex(row), true);
    else
        chooseItem(m_grid->RealRowIndex(row) - m_grid->FixedRows(), true);
    if (!alive)
        return;
    if (!m_gridEditable)
        CloseDropDown(false);
    if (alive && OnSelect)
        OnSelect(this);
}

void TCustomExGridDropDown::CloseDropDown(bool cancel)
{
    TDropDownForm *form = DropDownForm();
    if (!form || !form->isVisible()) {
        TExCustomDropDown::CloseDropDown(cancel);
        return;
    }
    QPointer<TCustomExGridDropDown> alive(this);
    // Taken before OnDropUp, which sees the choice it closes with.
    if (!cancel && m_grid && m_grid->ConfirmSelection() && m_selRow >= m_grid->FixedRows()
        && m_selRow < m_grid->RowCount()) {
        if (m_useItems)
            chooseItem(RowToItemIndex(m_selRow), true);
        else
            chooseItem(m_grid->RealRowIndex(m_selRow) - m_grid->FixedRows(), true);
        if (!alive)
            return;
    }
    if (m_grid)
        m_grid->setConfirmSelection(false);
    TExCustomDropDown::CloseDropDown(cancel);
    if (alive)
        m_oldItemIndex = m_itemIndex;
}

void TCustomExGridDropDown::RestoreDropDownValue()
{
    // Before the base brings the text back and raises OnDropUp.
    m_itemIndex = m_oldItemIndex;
    chooseItem(m_oldItemIndex, true);
}

void TCustomExGridDropDown::restoreSortedRow()
{
    if (!m_grid || m_tempItemIndex < 0)
        return;
    if (const int row = ItemIndexToRow(m_tempItemIndex); row >= 0)
        m_grid->MoveColRow(m_grid->Col(), row, true, true);
}

void TCustomExGridDropDown::WheelDown()
{
    TExCustomDropDown::WheelDown();
    SelectNext();
}

void TCustomExGridDropDown::WheelUp()
{
    TExCustomDropDown::WheelUp();
    SelectPrevious();
}

} // namespace controls::griddd
