// A set of the values of an enumeration (the framework's font styles, border icons, shift states),
// one bit per value, for enumerations whose values are 0, 1, 2, ... below 32.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace framework {

template <class E>
class EnumSet {
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> values) {
        for (E value : values) bits_ |= Bit(value);
    }
    static constexpr EnumSet FromBits(uint32_t bits) {
        EnumSet set;
        set.bits_ = bits;
        return set;
    }

    constexpr bool contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr uint32_t bits() const { return bits_; }
    constexpr EnumSet& insert(E value) {
        bits_ |= Bit(value);
        return *this;
    }
    constexpr EnumSet& erase(E value) {
        bits_ &= ~Bit(value);
        return *this;
    }
    constexpr EnumSet& set(E value, bool on) { return on ? insert(value) : erase(value); }

    friend constexpr EnumSet operator|(EnumSet a, EnumSet b) { return FromBits(a.bits_ | b.bits_); }
    friend constexpr EnumSet operator&(EnumSet a, EnumSet b) { return FromBits(a.bits_ & b.bits_); }
    friend constexpr EnumSet operator-(EnumSet a, EnumSet b) { return FromBits(a.bits_ & ~b.bits_); }
    friend constexpr bool operator==(EnumSet, EnumSet) = default;

private:
    static constexpr uint32_t Bit(E value) { return uint32_t(1) << uint32_t(value); }
    uint32_t bits_ = 0;
};

}  // namespace framework
