#pragma once
// A set of values of a named enumeration (at most 64 values), as a bit mask:
// value v is bit v. Set properties are published with this type.

#include "framework/EnumInfo.h"

#include <cstdint>
#include <initializer_list>

namespace fw {

template <NamedEnum E> class TSet {
public:
    using Element = E;
    static const TEnumInfo& ElementInfo() { return EnumInfoOf<E>(); }

    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E v : values)
            Include(v);
    }
    static constexpr TSet FromBits(std::uint64_t bits) {
        TSet s;
        s.FBits = bits;
        return s;
    }

    constexpr std::uint64_t Bits() const { return FBits; }
    constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E v) {
        FBits |= Bit(v);
        return *this;
    }
    constexpr TSet& Exclude(E v) {
        FBits &= ~Bit(v);
        return *this;
    }
    friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.FBits | b.FBits); }
    friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.FBits & ~b.FBits); }
    friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.FBits & b.FBits); }
    friend constexpr bool operator==(TSet, TSet) = default;

private:
    static constexpr std::uint64_t Bit(E v) { return std::uint64_t(1) << static_cast<unsigned>(v); }

    std::uint64_t FBits = 0;
};

} // namespace fw
