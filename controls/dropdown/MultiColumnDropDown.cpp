// The multi-column drop-down's items and choice, and its popup's life
// cycle: the list loaded at each opening, the popup sized to whole rows
// and to the columns, and the choice kept, taken or put back on closing.
#include "controls/dropdown/MultiColumnDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/ExColGrid.h"
#include "controls/dropdown/core/ColumnLayout.h"
#include "controls/dropdown/core/ItemMoves.h"

#include <QPointer>
#include <QStyle>

namespace controls::multicol {

using namespace platform;

TExMultiColumnDropDown::TExMultiColumnDropDown(TConstructKey key, QWidget *parent) : TExCustomDropDown(key, parent)
{
}

TExMultiColumnDropDown::~TExMultiColumnDropDown()
{
    // The list may outlive the drop-down for a moment (its popup goes
    // later when a handler of the popup runs): it serves nobody now.
    if (m_grid)
        m_grid->setExDropDown(nullptr);
}

void TExMultiColumnDropDown::Initialize()
{
    // The base's style (tsOffice2007Luna) reaches this class's override
    // first; the drop-down's own settings come after it.
    TExCustomDropDown::Initialize();
    m_headerColor = clWhite;
    m_headerColorTo = clGray;
    m_headerHeight = 25;
    m_dropDownRowHeight = 22;
    m_dropDownAutoWidth = true;
    m_columnSizing = false;
    m_columnSizeWithDropDown = true;
    m_selectionTextColor = 0;
    setDropDownColor(clWhite);
    setDropDownHeight(200);
    setSelectionColorStyle(scOffice2007);
}

void TExMultiColumnDropDown::Assign(const QObject *source)
{
    TExCustomDropDown::Assign(source);
    const auto *from = qobject_cast<const TExMultiColumnDropDown *>(source);
    if (!from || from == this)
        return;
    m_caseSensitive = from->m_caseSensitive;
    m_dropDownAutoWidth = from->m_dropDownAutoWidth;
    m_dropDownRowHeight = from->m_dropDownRowHeight;
    m_lineColor = from->m_lineColor;
    m_fixedLineColor = from->m_fixedLineColor;
    m_columnSizing = from->m_columnSizing;
    m_columnSizeWithDropDown = from->m_columnSizeWithDropDown;
    m_columns.Assign(from->m_columns);
    m_headerColor = from->m_headerColor;
    m_headerColorTo = from->m_headerColorTo;
    m_headerHeight = from->m_headerHeight;
    m_headerFont.Assign(from->m_headerFont);
    m_lookupColumn = from->m_lookupColumn;
    m_selectionTextColor = from->m_selectionTextColor;
    m_items.Assign(from->m_items);
    // The text stays as it is.
    m_itemIndex = from->m_itemIndex;
}

// ---- items and the choice ----

int TExMultiColumnDropDown::ItemIndex() const
{
    // Items change unannounced: a choice beyond them is none.
    return m_itemIndex < m_items.Count() ? m_itemIndex : -1;
}

void TExMultiColumnDropDown::setItemIndex(int index)
{
    chooseItem(index, false);
}

void TExMultiColumnDropDown::chooseItem(int index, bool byUser)
{
    if (index >= m_items.Count())
        return;
    m_itemIndex = index;
    const QString text = index < 0 || m_lookupColumn < 0 ? QString() : m_items[index].columnText(m_lookupColumn);
    if (Text() != text) {
        QPointer<TExMultiColumnDropDown> alive(this);
        ++m_ownText;
        TExCustomDropDown::setText(text);
        if (!alive)
            return;
        --m_ownText;
    }
    if (byUser)
        SetModifiedFlag(this->text() != OldString());
}

void TExMultiColumnDropDown::showOwnText(const QString &text)
{
    QPointer<TExMultiColumnDropDown> alive(this);
    ++m_ownText;
    SetPlainText(text);
    if (alive)
        --m_ownText;
}

void TExMultiColumnDropDown::setText(const QString &value)
{
    // Text set in code completes nothing.
    QPointer<TExMultiColumnDropDown> alive(this);
    ++m_ownText;
    TExCustomDropDown::setText(value);
    if (alive)
        --m_ownText;
}

int TExMultiColumnDropDown::GetItemIndex(const QString &value) const
{
    if (m_lookupColumn < 0)
        return -1;
    for (int i = 0; i < m_items.Count(); ++i)
        if (m_items[i].columnText(m_lookupColumn) == value)
            return i;
    return -1;
}

void TExMultiColumnDropDown::RebuildLookupItems()
{
    // An empty list or no lookup leaves nothing to complete from.
    if (m_lookupColumn < 0 || m_items.Count() == 0) {
        m_lookupItems.clear();
        return;
    }
    m_lookupItems.rebuild(columnTexts(m_items, m_lookupColumn));
}

const TLookupIndex &TExMultiColumnDropDown::popupIndex()
{
    if (m_popupRevision != m_items.Revision() || m_popupColumn != m_lookupColumn) {
        m_popupIndex.rebuild(columnTexts(m_items, m_lookupColumn));
        m_popupRevision = m_items.Revision();
        m_popupColumn = m_lookupColumn;
    }
    return m_popupIndex;
}

bool TExMultiColumnDropDown::FindLookupMatch(const QString &s, QString &found, int &row)
{
    found.clear();
    row = -1;
    if (!m_grid)
        return false;
    const TLookupIndex &index = popupIndex();
    row = index.findPrefix(s, m_caseSensitive);
    if (row < 0)
        return false;
    found = index.text(row);
    return true;
}

void TExMultiColumnDropDown::SelectFirst() { chooseItem(selectFirst(ItemIndex(), m_items.Count()), true); }
void TExMultiColumnDropDown::SelectLast() { chooseItem(selectLast(ItemIndex(), m_items.Count()), true); }
void TExMultiColumnDropDown::SelectNext() { chooseItem(selectNext(ItemIndex(), m_items.Count()), true); }
void TExMultiColumnDropDown::SelectPrevious() { chooseItem(selectPrevious(ItemIndex(), m_items.Count()), true); }
void TExMultiColumnDropDown::SelectNextPage() { chooseItem(selectNextPage(ItemIndex(), m_items.Count()), true); }

void TExMultiColumnDropDown::SelectPreviousPage()
{
    chooseItem(selectPreviousPage(ItemIndex(), m_items.Count()), true);
}

// ---- the popup ----

void TExMultiColumnDropDown::EnsureDropDownForm()
{
    TExCustomDropDown::EnsureDropDownForm();
    if (!m_grid) {
        m_grid = new TExColGrid(DropDownForm());
        // Through the list's guarded link: a handler may have freed the
        // drop-down while the list finishes an event.
        m_grid->OnSelectCell = [grid = m_grid](TCellGrid *, int col, int row, bool &) {
            if (TExMultiColumnDropDown *dropDown = grid->ExDropDown())
                dropDown->GridSelectCell(col, row);
        };
        m_grid->OnSelect = [grid = m_grid](QObject *) {
            if (TExMultiColumnDropDown *dropDown = grid->ExDropDown())
                dropDown->GridSelect();
        };
    }
    m_grid->setExDropDown(this);
    m_grid->setGeometry(0, 0, m_grid->width(), 180);
    m_grid->setColor(DropDownColor());
    SetDropDownControl(m_grid);
    SetFocusControl(m_grid);
}

void TExMultiColumnDropDown::PlaceDropDownControl()
{
    SetDropDownControl(m_grid);
    TExCustomDropDown::PlaceDropDownControl();
}

void TExMultiColumnDropDown::PrepareDropDown()
{
    QPointer<TExMultiColumnDropDown> alive(this);
    TExCustomDropDown::PrepareDropDown();
    if (!alive)
        return;
    if (DropDownForm())
        DropDownForm()->setCancelOnDeActivate(false);
    m_showing = true;
    m_popupLookup.clear();
    if (m_grid) {
        m_grid->SyncWithDropDown(this);
        m_grid->setOptions(m_grid->Options() | goThumbTracking);
        m_grid->setColor(DropDownColor());
        m_grid->setRow(std::max(ItemIndex() + 1, m_grid->FixedRows()));
    }
    m_oldItemIndex = m_itemIndex;
}

void TExMultiColumnDropDown::ComputeDropDownSize()
{
    TExCustomDropDown::ComputeDropDownSize();
    TDropDownForm *form = DropDownForm();
    if (!m_dropDownAutoWidth || !form || !m_grid)
        return;
    FitDropDownToList(*m_grid, [this] { return m_grid->GetGridWidth(); });
}

void TExMultiColumnDropDown::AdjustDropDownHeight(int &height)
{
    const int strips = DropDownStripsHeight();
    height = adjustDropDownHeight(height, strips, m_headerHeight, m_dropDownRowHeight);
}

void TExMultiColumnDropDown::OpenDropDown()
{
    QPointer<TExMultiColumnDropDown> alive(this);
    TExCustomDropDown::OpenDropDown();
    if (!alive)
        return;
    if (DroppedDown() && m_grid) {
        FitColumnsToWidth();
        if (m_grid->RowCount() > m_grid->FixedRows()) {
            m_grid->setRow(std::max(0, ItemIndex()) + 1);
            if (m_grid->Row() >= m_grid->TopRow() + m_grid->VisibleRowCount())
                m_grid->setTopRow(m_grid->Row() - m_grid->VisibleRowCount() + 1);
        }
    }
    m_showing = false;
}

void TExMultiColumnDropDown::DropDownFormSizing()
{
    TExCustomDropDown::DropDownFormSizing();
    FitColumnsToWidth();
}

void TExMultiColumnDropDown::FitColumnsToWidth()
{
    if (!m_columnSizeWithDropDown || !m_grid || !DropDownForm())
        return;
    m_grid->setScrollBars(ssVertical);
    if (m_columns.Count() == 0)
        return;
    std::vector<int> widths;
    for (int i = 0; i < m_grid->ColCount(); ++i)
        widths.push_back(m_grid->ColWidths(i));
    int available = DropDownForm()->width();
    if (m_grid->VisibleRowCount() < m_grid->RowCount() - m_grid->FixedRows())
        available -= m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid);
    const std::vector<int> fitted = fitColumnsToWidth(widths, available);
    for (int i = 0; i < int(fitted.size()); ++i)
        m_grid->setColWidths(i, fitted[std::size_t(i)]);
}

void TExMultiColumnDropDown::GridSelectCell(int col, int row)
{
    Q_UNUSED(col);
    if (!m_grid || m_grid->MouseWheelSelection() || m_showing || !isItemRow(row, m_items.Count()))
        return;
    chooseItem(rowToItem(row), true);
}

void TExMultiColumnDropDown::GridSelect()
{
    // The header row is no item: nothing is chosen without items.
    if (!m_grid || !m_grid->ConfirmSelection() || !isItemRow(m_grid->Row(), m_items.Count()))
        return;
    QPointer<TExMultiColumnDropDown> alive(this);
    chooseItem(rowToItem(m_grid->Row()), true);
    if (!alive)
        return;
    CloseDropDown(false);
    if (alive && OnSelect)
        OnSelect(this);
}

void TExMultiColumnDropDown::CloseDropDown(bool cancel)
{
    TDropDownForm *form = DropDownForm();
    if (!form || !form->isVisible()) {
        TExCustomDropDown::CloseDropDown(cancel);
        return;
    }
    QPointer<TExMultiColumnDropDown> alive(this);
    // The row taken before OnDropUp, which sees the choice it closes with.
    if (!cancel && m_grid && m_grid->ConfirmSelection() && isItemRow(m_grid->Row(), m_items.Count())) {
        chooseItem(rowToItem(m_grid->Row()), true);
        if (!alive)
            return;
    }
    TExCustomDropDown::CloseDropDown(cancel);
    if (alive)
        m_oldItemIndex = m_itemIndex;
}

void TExMultiColumnDropDown::RestoreDropDownValue()
{
    // Before the base brings the text back and raises OnDropUp. A choice
    // whose item has gone since reads as none.
    m_itemIndex = m_oldItemIndex;
    chooseItem(m_oldItemIndex, true);
}

void TExMultiColumnDropDown::WheelDown()
{
    TExCustomDropDown::WheelDown();
    SelectNext();
}

void TExMultiColumnDropDown::WheelUp()
{
    TExCustomDropDown::WheelUp();
    SelectPrevious();
}

} // namespace controls::multicol
