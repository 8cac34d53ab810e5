// Sets over enumerations: TSet<E>, the framework's "set of" types (TShiftState,
// TFontStyles, TGridOptions, ...).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace vcl {

// A set over an enumeration with at most 64 values, as the framework's "set of" types.
template <typename E>
class TSet {
    static_assert(std::is_enum_v<E>, "TSet holds enumeration values");

public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E v : values) bits_ |= Bit(v);
    }
    constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr TSet& Include(E v) { bits_ |= Bit(v); return *this; }
    constexpr TSet& Exclude(E v) { bits_ &= ~Bit(v); return *this; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint64_t Bits() const { return bits_; }
    static constexpr TSet FromBits(std::uint64_t bits) { TSet s; s.bits_ = bits; return s; }

    friend constexpr TSet operator|(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
    friend constexpr TSet operator&(TSet a, TSet b) { return FromBits(a.bits_ & b.bits_); }
    friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }
    friend constexpr TSet operator|(TSet a, E v) { return a.Include(v); }
    friend constexpr TSet operator-(TSet a, E v) { return a.Exclude(v); }
    constexpr TSet& operator|=(TSet b) { bits_ |= b.bits_; return *this; }
    constexpr TSet& operator&=(TSet b) { bits_ &= b.bits_; return *this; }
    constexpr TSet& operator-=(TSet b) { bits_ &= ~b.bits_; return *this; }
    friend constexpr bool operator==(TSet a, TSet b) = default;

private:
    static constexpr std::uint64_t Bit(E v) {
        return std::uint64_t{1} << static_cast<unsigned>(static_cast<std::underlying_type_t<E>>(v));
    }
    std::uint64_t bits_ = 0;
};

}  // namespace vcl
