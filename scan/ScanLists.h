#pragma once
// The two process-wide result lists. The scan engine appends from its own
// threads while the dialog reads on the user-interface thread, so every use
// goes through lock(): the returned access holds the list's mutex for as long
// as it lives. Keep it short on the engine side (decode first, then lock and
// append) and hold it on the UI side while reading a slave's or meter's
// records, so that the wireless intake cannot replace them meanwhile.
#include "platform/Error.h"
#include "scan/ScanModel.h"

#include <memory>
#include <mutex>
#include <vector>

namespace scan {

template <class T>
class ScanList {
public:
    using Items = std::vector<std::unique_ptr<T>>;

    class Access {
    public:
        Access(std::mutex &mutex, Items &items) : m_lock(mutex), m_items(items) {}

        int count() const { return static_cast<int>(m_items.size()); }
        bool isEmpty() const { return m_items.empty(); }

        // The object at a position; a position outside the list is an error.
        T &at(int index) const
        {
            if (index < 0 || index >= count())
                throw platform::Error(QStringLiteral("List index out of bounds (%1)").arg(index));
            return *m_items[static_cast<std::size_t>(index)];
        }
        T *tryAt(int index) const
        {
            return index >= 0 && index < count() ? m_items[static_cast<std::size_t>(index)].get() : nullptr;
        }

        // Appends and returns the new position.
        int append(std::unique_ptr<T> item)
        {
            m_items.push_back(std::move(item));
            return count() - 1;
        }

        // Frees the objects from the last to the first.
        void clear()
        {
            while (!m_items.empty())
                m_items.pop_back();
        }

        auto begin() const { return m_items.begin(); }
        auto end() const { return m_items.end(); }

    private:
        std::unique_lock<std::mutex> m_lock;
        Items &m_items;
    };

    ScanList() = default;
    ScanList(const ScanList &) = delete;
    ScanList &operator=(const ScanList &) = delete;

    [[nodiscard]] Access lock() { return Access(m_mutex, m_items); }

private:
    std::mutex m_mutex;
    Items m_items;
};

using TSlaveMBusList = ScanList<TSlave_MBus>;
using TSlaveWMBusList = ScanList<TSlave_wMBus>;

// Wired slaves in the order they were found.
TSlaveMBusList &List_Slave_MBus();
// Wireless meters in the order they were first heard.
TSlaveWMBusList &List_Wireless_Key();

} // namespace scan
