#include "controls/grid/base/html/PictureContainer.h"

#include <algorithm>

namespace controls {

THTMLPicture *THTMLPictureCache::AddPicture()
{
    return m_pictures.emplace_back(std::make_unique<THTMLPicture>()).get();
}

THTMLPicture *THTMLPictureCache::FindPicture(const QString &id) const
{
    const auto found = std::find_if(m_pictures.begin(), m_pictures.end(),
                                    [&](const auto &picture) { return picture->ID() == id; });
    return found == m_pictures.end() ? nullptr : found->get();
}

THTMLPicture *THTMLPictureCache::GetPicture(int index) const
{
    return index >= 0 && index < Count() ? m_pictures[std::size_t(index)].get() : nullptr;
}

void THTMLPictureCache::SetPicture(int index, const THTMLPicture *picture)
{
    if (THTMLPicture *target = GetPicture(index))
        target->Assign(picture);
}

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (const auto &picture : m_pictures)
        changed = picture->Step() || changed;
    return changed;
}

void TPictureItem::Assign(const TPictureItem &source)
{
    if (&source == this)
        return;
    Name = source.Name;
    Tag = source.Tag;
    m_picture.Assign(&source.m_picture);
}

TPictureItem &TPictureCollection::Add()
{
    return *m_items.emplace_back(std::make_unique<TPictureItem>());
}

TPictureItem &TPictureCollection::Insert(int index)
{
    const auto at = m_items.begin() + std::clamp(index, 0, Count());
    return **m_items.insert(at, std::make_unique<TPictureItem>());
}

TPictureItem *TPictureCollection::Items(int index) const
{
    return index >= 0 && index < Count() ? m_items[std::size_t(index)].get() : nullptr;
}

void TPictureCollection::setItems(int index, const TPictureItem &source)
{
    if (TPictureItem *target = Items(index))
        target->Assign(source);
}

void TPictureCollection::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (const auto &item : m_items)
        changed = item->Picture().Step() || changed;
    return changed;
}

THTMLPicture *TPictureContainer::FindPicture(const QString &name) const
{
    for (int i = 0; i < m_items.Count(); ++i) {
        TPictureItem *item = m_items.Items(i);
        if (item->Name.compare(name, Qt::CaseInsensitive) == 0)
            return &item->Picture();
    }
    return nullptr;
}

} // namespace controls
