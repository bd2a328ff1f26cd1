#pragma once
// Node enumerations for range-for loops: tree.Nodes(), tree.VisibleNodes() ...
// Each walks with the tree's first and next operations of its kind; the next
// node is only asked for when the loop moves on. An enumerator keeps its own
// copy of the enumeration, so it outlives the expression that made it.
#include "controls/vtree/LazyNode.h"

#include <cstdint>
#include <iterator>

namespace vtree {

class TBaseLazyTree;

enum class TLazyNodeEnumerationMode : std::uint8_t {
    vneAll,
    vneChecked,
    vneChild,
    vneCutCopy,
    vneInitialized,
    vneLeaf,
    vneLevel,
    vneNoInit,
    vneSelected,
    vneVisible,
    vneVisibleChild,
    vneVisibleNoInitChild,
    vneVisibleNoInit,
};

class TLTLazyNodeEnumerator;

class TLTLazyNodeEnumeration {
public:
    struct Settings {
        TLazyNodeEnumerationMode Mode = TLazyNodeEnumerationMode::vneAll;
        bool ConsiderChildrenAbove = false;
        PLazyNode Node = nullptr;
        unsigned NodeLevel = 0;
        TCheckState State = TCheckState::csCheckedNormal;
        bool IncludeFiltered = false;
    };

    TLTLazyNodeEnumeration() = default;
    TLTLazyNodeEnumeration(TBaseLazyTree &tree, const Settings &settings) : FTree(&tree), FSettings(settings) {}

    TLTLazyNodeEnumerator GetEnumerator() const;

    class iterator;
    iterator begin() const;
    iterator end() const;

private:
    friend class TLTLazyNodeEnumerator;
    PLazyNode first() const;
    PLazyNode next(PLazyNode node) const;

    TBaseLazyTree *FTree = nullptr;
    Settings FSettings;
};

// MoveNext steps to the next node and tells whether there is one; once it
// has said no it stays so.
class TLTLazyNodeEnumerator {
public:
    TLTLazyNodeEnumerator() = default;
    explicit TLTLazyNodeEnumerator(const TLTLazyNodeEnumeration &enumeration) : FEnumeration(enumeration) {}
    bool MoveNext();
    PLazyNode Current() const { return FNode; }

private:
    TLTLazyNodeEnumeration FEnumeration;
    PLazyNode FNode = nullptr;
    bool FCanModeNext = true;
};

class TLTLazyNodeEnumeration::iterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = PLazyNode;
    using difference_type = std::ptrdiff_t;
    using pointer = const PLazyNode *;
    using reference = PLazyNode;

    iterator() = default;
    explicit iterator(const TLTLazyNodeEnumeration &enumeration) : m_enumerator(enumeration)
    {
        m_valid = m_enumerator.MoveNext();
    }
    PLazyNode operator*() const { return m_enumerator.Current(); }
    iterator &operator++()
    {
        m_valid = m_enumerator.MoveNext();
        return *this;
    }
    void operator++(int) { ++*this; }
    friend bool operator==(const iterator &a, const iterator &b) { return !a.m_valid && !b.m_valid; }

private:
    TLTLazyNodeEnumerator m_enumerator;
    bool m_valid = false;
};

inline TLTLazyNodeEnumerator TLTLazyNodeEnumeration::GetEnumerator() const { return TLTLazyNodeEnumerator(*this); }
inline TLTLazyNodeEnumeration::iterator TLTLazyNodeEnumeration::begin() const { return iterator(*this); }
inline TLTLazyNodeEnumeration::iterator TLTLazyNodeEnumeration::end() const { return iterator(); }

} // namespace vtree
