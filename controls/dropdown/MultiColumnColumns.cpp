#include "controls/dropdown/MultiColumnColumns.h"

#include <algorithm>

namespace controls::multicol {

void TDropDownColumn::Assign(const TDropDownColumn &source)
{
    if (&source == this)
        return;
    m_width = source.m_width;
    m_color = source.m_color;
    m_alignment = source.m_alignment;
    m_ellipsis = source.m_ellipsis;
    m_font.Assign(source.m_font);
    m_columnType = source.m_columnType;
    m_header = source.m_header;
    m_wordwrap = source.m_wordwrap;
    m_autoSize = source.m_autoSize;
}

TDropDownColumn *TDropDownColumns::Add()
{
    return Insert(Count());
}

TDropDownColumn *TDropDownColumns::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    auto column = std::make_unique<TDropDownColumn>();
    TDropDownColumn *added = column.get();
    m_columns.insert(m_columns.begin() + index, std::move(column));
    return added;
}

void TDropDownColumns::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_columns.erase(m_columns.begin() + index);
}

void TDropDownColumns::Assign(const TDropDownColumns &source)
{
    if (&source == this)
        return;
    m_columns.clear();
    for (const auto &from : source.m_columns)
        Add()->Assign(*from);
}

} // namespace controls::multicol
