#pragma once
// A set of the values of one enumeration, stored as bits (bit n = value n) in
// an integer of a fixed width, so that sets keep the widths that stored data
// and the node record rely on. Union, difference and intersection are +, -
// and *, as on the sets the tree's interfaces are written in.
#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace vtree {

template <class E, class Bits>
class TEnumSet {
    static_assert(std::is_enum_v<E> && std::is_unsigned_v<Bits>);

public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(E value) : m_bits(bit(value)) {} // NOLINT: a value is the set holding it
    constexpr TEnumSet(std::initializer_list<E> values)
    {
        for (E value : values)
            m_bits |= bit(value);
    }

    static constexpr TEnumSet fromBits(Bits bits)
    {
        TEnumSet set;
        set.m_bits = bits;
        return set;
    }
    constexpr Bits bits() const { return m_bits; }

    constexpr bool contains(E value) const { return (m_bits & bit(value)) != 0; }
    constexpr bool containsAll(TEnumSet other) const { return (m_bits & other.m_bits) == other.m_bits; }
    constexpr bool containsAny(TEnumSet other) const { return (m_bits & other.m_bits) != 0; }
    constexpr bool empty() const { return m_bits == 0; }

    constexpr void include(TEnumSet other) { m_bits |= other.m_bits; }
    constexpr void exclude(TEnumSet other) { m_bits &= static_cast<Bits>(~other.m_bits); }

    constexpr TEnumSet &operator+=(TEnumSet other)
    {
        include(other);
        return *this;
    }
    constexpr TEnumSet &operator-=(TEnumSet other)
    {
        exclude(other);
        return *this;
    }
    friend constexpr TEnumSet operator+(TEnumSet a, TEnumSet b) { return fromBits(a.m_bits | b.m_bits); }
    friend constexpr TEnumSet operator-(TEnumSet a, TEnumSet b) { return fromBits(a.m_bits & static_cast<Bits>(~b.m_bits)); }
    friend constexpr TEnumSet operator*(TEnumSet a, TEnumSet b) { return fromBits(a.m_bits & b.m_bits); }
    friend constexpr bool operator==(TEnumSet a, TEnumSet b) = default;

private:
    static constexpr Bits bit(E value) { return static_cast<Bits>(Bits{1} << static_cast<unsigned>(value)); }

    Bits m_bits = 0;
};

} // namespace vtree
