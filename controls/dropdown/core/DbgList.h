#pragma once
// The header's and footer's list of their button controls: indexed access
// beyond the end raises the fixed messages of the list, not undefined
// behaviour.
#include "platform/Error.h"

#include <QList>

namespace controls {

template <class T>
class TDbgList {
public:
    int Count() const { return int(m_items.size()); }
    void Add(T item) { m_items.append(item); }
    void Clear() { m_items.clear(); }
    void Delete(int index) { m_items.removeAt(index); }
    void AssignList(const TDbgList &list) { m_items = list.m_items; }

    T GetItemsEx(int index) const
    {
        if (index >= Count() || index < 0)
            throw platform::Error(QStringLiteral("Index out of bounds in list read access"));
        return m_items[index];
    }
    void SetItemsEx(int index, T value)
    {
        if (index >= Count() || index < 0)
            throw platform::Error(QStringLiteral("Index out of bounds in list write access"));
        m_items[index] = value;
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    QList<T> m_items;
};

} // namespace controls
