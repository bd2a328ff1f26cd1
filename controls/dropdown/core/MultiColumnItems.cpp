#include "controls/dropdown/core/MultiColumnItems.h"

#include <algorithm>

namespace controls::multicol {

void TDropDownItem::changed()
{
    if (m_owner)
        m_owner->touch();
}

void TDropDownItem::setImageIndex(int index)
{
    m_imageIndex = index;
    changed();
}

QStringList &TDropDownItem::Text()
{
    changed();
    return m_text;
}

void TDropDownItem::setText(const QStringList &text)
{
    m_text = text;
    changed();
}

QString TDropDownItem::columnText(int column) const
{
    return hasColumnText(column) ? m_text.at(column) : QString();
}

void TDropDownItem::Assign(const TDropDownItem &source)
{
    m_imageIndex = source.m_imageIndex;
    m_text = source.m_text;
    changed();
}

TDropDownItem *TDropDownItems::Add()
{
    return Insert(Count());
}

TDropDownItem *TDropDownItems::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    auto item = std::make_unique<TDropDownItem>(this);
    TDropDownItem *added = item.get();
    m_items.insert(m_items.begin() + index, std::move(item));
    touch();
    return added;
}

void TDropDownItems::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    m_items.erase(m_items.begin() + index);
    touch();
}

void TDropDownItems::Clear()
{
    m_items.clear();
    touch();
}

void TDropDownItems::Assign(const TDropDownItems &source)
{
    if (&source == this)
        return;
    m_items.clear();
    for (const auto &from : source.m_items)
        Add()->Assign(*from);
    touch();
}

int TDropDownItems::IndexInColumn(int column, const QString &value) const
{
    for (int i = 0; i < Count(); ++i) {
        const TDropDownItem &item = *m_items[std::size_t(i)];
        if (item.hasColumnText(column) && item.Text().at(column) == value)
            return i;
    }
    return -1;
}

QStringList columnTexts(const TDropDownItems &items, int column)
{
    QStringList texts;
    if (column < 0)
        return texts;
    texts.reserve(items.Count());
    for (int i = 0; i < items.Count(); ++i)
        texts.append(items[i].columnText(column));
    return texts;
}

} // namespace controls::multicol
