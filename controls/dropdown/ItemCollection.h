#pragma once
// The item lists of the item drop-downs: items by value, and one change
// notification for every edit (adding, inserting, replacing, deleting,
// clearing), so that whatever shows them refills at once.
#include <functional>
#include <utility>
#include <vector>

namespace controls {

template <class Item>
class TItemCollection {
public:
    int Count() const { return int(m_items.size()); }
    bool isValid(int index) const { return index >= 0 && index < Count(); }
    const Item &at(int index) const { return m_items[std::size_t(index)]; }
    const std::vector<Item> &items() const { return m_items; }

    Item &Add(Item item = {})
    {
        m_items.push_back(std::move(item));
        changed();
        return m_items.back();
    }
    void Insert(int index, Item item)
    {
        if (index < 0 || index > Count())
            return;
        m_items.insert(m_items.begin() + index, std::move(item));
        changed();
    }
    // Replaces the item; an index outside the list changes nothing.
    void Set(int index, Item item)
    {
        if (!isValid(index))
            return;
        m_items[std::size_t(index)] = std::move(item);
        changed();
    }
    // Edits the item in place, then tells.
    template <class Edit>
    void Update(int index, Edit &&edit)
    {
        if (!isValid(index))
            return;
        edit(m_items[std::size_t(index)]);
        changed();
    }
    void Delete(int index)
    {
        if (!isValid(index))
            return;
        m_items.erase(m_items.begin() + index);
        changed();
    }
    void Clear()
    {
        if (m_items.empty())
            return;
        m_items.clear();
        changed();
    }
    // Many items at once, one notification.
    void Assign(std::vector<Item> items)
    {
        m_items = std::move(items);
        changed();
    }

    std::function<void()> OnChange;

private:
    void changed()
    {
        if (OnChange)
            OnChange();
    }

    std::vector<Item> m_items;
};

} // namespace controls
