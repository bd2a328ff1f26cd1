// The column items and their collection: values, copying, and keeping the
// grid's column count and headers in step with the items.
#include "controls/grid/model/ExCGrid.h"

namespace controls {

TGridColumnItem::TGridColumnItem(TGridColumnCollection *collection) : m_collection(collection)
{
    BorderPen.setColor(0xC0C0C0);
    PrintBorderPen.setColor(0x000000);
    if (TExColumnGrid *g = grid()) {
        Font.Assign(g->Font());
        PrintFont.Assign(g->Font());
        HeaderFont.Assign(g->Font());
        FColor = g->TExStringGrid::Color();
    }
}

TExColumnGrid *TGridColumnItem::grid() const { return m_collection ? m_collection->Owner() : nullptr; }

int TGridColumnItem::Index() const { return m_collection ? m_collection->IndexOf(this) : -1; }

QString TGridColumnItem::DisplayName() const
{
    return Name.isEmpty() ? QStringLiteral("Column %1").arg(Index()) : QStringLiteral("Col %1: %2").arg(Index()).arg(Name);
}

int TGridColumnItem::Width() const
{
    const TExColumnGrid *g = grid();
    return g ? g->AllColWidths(Index()) : 0;
}

void TGridColumnItem::setWidth(int value)
{
    FWidth = value;
    if (TExColumnGrid *g = grid())
        g->setAllColWidths(Index(), value);
}

void TGridColumnItem::setHeader(const QString &value)
{
    FColumnHeader = value;
    TExColumnGrid *g = grid();
    if (g == nullptr)
        return;
    if (g->FixedRows() > 0 && !g->FColMoving) {
        g->setCells(Index(), 0, value);
        m_collection->Update(this);
    }
    QStringList headers;
    for (int i = 0; i < m_collection->Count(); ++i)
        headers << m_collection->Items(i)->FColumnHeader;
    g->setColumnHeaders(headers);
}

void TGridColumnItem::setEditor(TEditorType value)
{
    if (value == FEditorType)
        return;
    FEditorType = value;
    if (TExColumnGrid *g = grid())
        g->update();
}

void TGridColumnItem::setColor(platform::TColor value)
{
    FColor = value;
    if (m_collection)
        m_collection->Update(this);
}

void TGridColumnItem::setFloatFormat(const QString &value)
{
    FFloatFormat = value;
    if (TExColumnGrid *g = grid())
        g->update();
}

void TGridColumnItem::Assign(const TGridColumnItem &source)
{
    if (&source == this)
        return;
    TGridColumnCollection *collection = m_collection;
    *this = source;
    m_collection = collection;
    FWidth = source.Width();
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem &source)
{
    Alignment = source.Alignment;
    HeaderAlignment = source.HeaderAlignment;
    ColumnPopup = source.ColumnPopup;
    BorderPen = source.BorderPen;
    Borders = source.Borders;
    CheckFalse = source.CheckFalse;
    CheckTrue = source.CheckTrue;
    EditLength = source.EditLength;
    EditMask = source.EditMask;
    FEditorType = source.FEditorType;
    Fixed = source.Fixed;
    Password = source.Password;
    PrintBorderPen = source.PrintBorderPen;
    PrintBorders = source.PrintBorders;
    PrintColor = source.PrintColor;
    PrintFont = source.PrintFont;
    ReadOnly = source.ReadOnly;
    SortPrefix = source.SortPrefix;
    SortStyle = source.SortStyle;
    SortSuffix = source.SortSuffix;
    SpinMax = source.SpinMax;
    SpinMin = source.SpinMin;
    SpinStep = source.SpinStep;
    FWidth = source.FWidth;
    ShowBands = source.ShowBands;
    MinSize = source.MinSize;
    MaxSize = source.MaxSize;
    AutoMinSize = source.AutoMinSize;
    AutoMaxSize = source.AutoMaxSize;
    Filter = source.Filter;
    FilterCaseSensitive = source.FilterCaseSensitive;
    DefIdx = source.DefIdx;
    FFloatFormat = source.FFloatFormat;
    if (TExColumnGrid *g = grid()) {
        FColor = g->TExStringGrid::Color();
        Font.Assign(g->Font());
    }
}

TGridColumnItem *TGridColumnCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_items[std::size_t(index)].get();
}

int TGridColumnCollection::IndexOf(const TGridColumnItem *item) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_items[std::size_t(i)].get() == item)
            return i;
    return -1;
}

TGridColumnItem *TGridColumnCollection::append()
{
    m_items.push_back(std::make_unique<TGridColumnItem>(this));
    return m_items.back().get();
}

TGridColumnItem *TGridColumnCollection::Add()
{
    TGridColumnItem *item = append();
    if (Count() > 1)
        item->AssignVisuals(*Items(Count() - 2));
    Update(item);
    return item;
}

TGridColumnItem *TGridColumnCollection::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    m_items.insert(m_items.begin() + index, std::make_unique<TGridColumnItem>(this));
    TGridColumnItem *item = Items(index);
    Update(item);
    return item;
}

void TGridColumnCollection::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    m_items.erase(m_items.begin() + index);
    Update(nullptr);
}

void TGridColumnCollection::Move(int from, int to)
{
    if (from < 0 || to < 0 || from >= Count() || to >= Count() || from == to)
        return;
    std::unique_ptr<TGridColumnItem> item = std::move(m_items[std::size_t(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
}

void TGridColumnCollection::Update(TGridColumnItem *)
{
    if (FNoRecursiveUpdate || m_owner->Loading())
        return;
    const int n = Count() - m_owner->NumHiddenColumns();
    if (n != m_owner->ColCount() && m_owner->FixedCols() < n) {
        FNoRecursiveUpdate = true;
        m_owner->TExStringGrid::setColCount(n);
        FNoRecursiveUpdate = false;
    }
    m_owner->SyncColumnHeaders();
    m_owner->update();
}

} // namespace controls
