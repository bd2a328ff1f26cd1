// The grid drop-down's settings, its choice and the mapping between items
// and popup grid rows.
#include "controls/dropdown/grid/ExGridDropDown.h"

#include "controls/dropdown/core/MultiColumnStyles.h"
#include "controls/dropdown/core/ItemMoves.h"
#include "controls/dropdown/grid/PopupGrid.h"

#include <QPointer>

namespace controls::griddd {

using namespace platform;

TCustomExGridDropDown::TCustomExGridDropDown(TConstructKey key, QWidget *parent) : TExCustomDropDown(key, parent)
{
    m_navigation.HomeEndKey = THomeEndAction::heFirstLastRow;
}

TCustomExGridDropDown::~TCustomExGridDropDown()
{
    // The popup grid may outlive the drop-down for a moment (its popup goes
    // later when one of its handlers runs): it serves nobody now.
    if (m_grid)
        m_grid->setExDropDown(nullptr);
}

void TCustomExGridDropDown::Initialize()
{
    TExCustomDropDown::Initialize();
    setDropDownColor(clWhite);
    setDropDownHeight(200);
    setSelectionColorStyle(scOffice2007);
}

void TCustomExGridDropDown::setStyle(TDropDownStyle style)
{
    m_style = style;
    setEditorEnabled(style == dsDropDown);
}

void TCustomExGridDropDown::setGridImages(TImageList *images)
{
    m_gridImages = images;
    if (m_grid)
        m_grid->setGridImages(images);
}

// ---- the choice ----

int TCustomExGridDropDown::ItemCount() const
{
    if (m_useItems)
        return m_items.Count();
    return m_grid ? std::max(0, m_grid->AllRowCount() - m_grid->FixedRows()) : 0;
}

QString TCustomExGridDropDown::storedRowText(int dataRow) const
{
    if (!m_grid || dataRow < 0 || m_lookupColumn < 0)
        return {};
    return m_grid->AllCells(m_lookupColumn, dataRow + m_grid->FixedRows());
}

void TCustomExGridDropDown::setItemIndex(int index)
{
    chooseItem(index, false);
}

void TCustomExGridDropDown::chooseItem(int index, bool byUser)
{
    QString text;
    if (m_useItems) {
        if (index >= m_items.Count())
            return;
        m_itemIndex = index;
        if (index >= 0 && m_lookupColumn >= 0)
            text = m_items[index].columnText(m_lookupColumn);
    } else {
        if (!m_grid) {
            m_itemIndex = index;
            return;
        }
        if (index >= ItemCount())
            return;
        m_itemIndex = index;
        text = storedRowText(index);
    }
    QPointer<TCustomExGridDropDown> alive(this);
    if (Text() != text)
        showOwnText(text);
    if (alive && byUser)
        SetModifiedFlag(this->text() != OldString());
}

void TCustomExGridDropDown::showOwnText(const QString &text)
{
    QPointer<TCustomExGridDropDown> alive(this);
    ++m_ownText;
    TExCustomDropDown::setText(text);
    if (alive)
        --m_ownText;
}

void TCustomExGridDropDown::setText(const QString &value)
{
    showOwnText(value);
}

int TCustomExGridDropDown::GetItemIndex(const QString &value) const
{
    return m_lookupColumn < 0 ? -1 : m_items.IndexInColumn(m_lookupColumn, value);
}

void TCustomExGridDropDown::RebuildLookupItems()
{
    if (m_lookupColumn < 0 || m_items.Count() == 0) {
        m_lookupItems.clear();
        return;
    }
    m_lookupItems.rebuild(multicol::columnTexts(m_items, m_lookupColumn));
}

void TCustomExGridDropDown::SelectFirst() { chooseItem(multicol::selectFirst(m_itemIndex, ItemCount()), true); }
void TCustomExGridDropDown::SelectLast() { chooseItem(multicol::selectLast(m_itemIndex, ItemCount()), true); }
void TCustomExGridDropDown::SelectNext() { chooseItem(multicol::selectNext(m_itemIndex, ItemCount()), true); }
void TCustomExGridDropDown::SelectPrevious() { chooseItem(multicol::selectPrevious(m_itemIndex, ItemCount()), true); }
void TCustomExGridDropDown::SelectNextPage() { chooseItem(multicol::selectNextPage(m_itemIndex, ItemCount()), true); }

void TCustomExGridDropDown::SelectPreviousPage()
{
    chooseItem(multicol::selectPreviousPage(m_itemIndex, ItemCount()), true);
}

// ---- items and rows ----

int TCustomExGridDropDown::RowToItemIndex(int row) const
{
    if (!m_grid || row < m_grid->FixedRows() || row >= m_grid->RowCount())
        return -1;
    const auto object = m_grid->Objects(0, row);
    return object >= 0 && object < m_items.Count() ? int(object) : -1;
}

int TCustomExGridDropDown::ItemIndexToRow(int index) const
{
    if (!m_grid || index < 0)
        return -1;
    // The rows move under the map (sorting, filtering, the user): an entry
    // is trusted only when its row still shows the item.
    const auto cached = [&]() -> int {
        if (std::size_t(index) >= m_rowOfItem.size())
            return -1;
        const int row = m_rowOfItem[std::size_t(index)];
        return row >= m_grid->FixedRows() && row < m_grid->RowCount() && m_grid->Objects(0, row) == index ? row : -1;
    };
    if (const int row = cached(); row >= 0)
        return row;
    m_rowOfItem.assign(std::size_t(std::max(0, m_items.Count())), -1);
    for (int row = m_grid->RowCount() - 1; row >= m_grid->FixedRows(); --row) {
        const auto object = m_grid->Objects(0, row);
        if (object >= 0 && object < m_items.Count())
            m_rowOfItem[std::size_t(object)] = row;
    }
    return cached();
}

const multicol::TLookupIndex &TCustomExGridDropDown::popupIndex()
{
    if (m_popupRevision != m_items.Revision() || m_popupColumn != m_lookupColumn) {
        m_popupIndex.rebuild(multicol::columnTexts(m_items, m_lookupColumn));
        m_popupRevision = m_items.Revision();
        m_popupColumn = m_lookupColumn;
    }
    return m_popupIndex;
}

bool TCustomExGridDropDown::FindLookupMatch(const QString &s, QString &found, int &row)
{
    found.clear();
    row = -1;
    if (s.isEmpty() || m_lookupColumn < 0)
        return false;
    if (m_useItems) {
        const multicol::TLookupIndex &index = popupIndex();
        row = index.findPrefix(s, m_caseSensitive);
        if (row >= 0)
            found = index.text(row);
        return row >= 0;
    }
    if (!m_grid)
        return false;
    const QString key = m_caseSensitive ? s : multicol::foldCase(s);
    for (int r = m_grid->FixedRows(); r < m_grid->RowCount(); ++r) {
        const QString text = m_grid->Cells(m_lookupColumn, r);
        if ((m_caseSensitive ? text : multicol::foldCase(text)).startsWith(key)) {
            found = text;
            row = r;
            return true;
        }
    }
    return false;
}

// ---- colour styles ----

void TCustomExGridDropDown::setSelectionColorStyle(TSelectionColorStyle style)
{
    if (const auto lines = multicol::selectionLineColors(style)) {
        m_lineColor = lines->LineColor;
        m_fixedLineColor = lines->FixedLineColor;
    }
    TExCustomDropDown::setSelectionColorStyle(style);
}

void TCustomExGridDropDown::SetComponentStyle(TFenloStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    const auto colors = multicol::multiColumnStyleColors(style);
    if (!colors)
        return;
    m_headerColor = colors->HeaderColor;
    m_headerColorTo = colors->HeaderColorTo;
    if (colors->HeaderFontColor)
        m_headerFont.setColor(*colors->HeaderFontColor);
    setSelectionColorStyle(colors->SelectionColorStyle);
    m_lineColor = colors->Lines.LineColor;
    m_fixedLineColor = colors->Lines.FixedLineColor;
    if (colors->Selection) {
        setSelectionColor(colors->Selection->SelectionColor);
        setSelectionColorTo(colors->Selection->SelectionColorTo);
    }
    m_selectionTextColor = colors->SelectionTextColor;
}

} // namespace controls::griddd
