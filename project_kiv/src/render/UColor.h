#pragma once
// UColor: four bytes red, green, blue, alpha in that order, readable as one
// little-endian 32-bit number 0xAABBGGRR.
#include <cstdint>

struct UColor {
    uint8_t r = 0, g = 0, b = 0, a = 0;

    UColor() = default;
    constexpr UColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) : r(red), g(green), b(blue), a(alpha) {}
    // From the packed 0xAABBGGRR form.
    constexpr explicit UColor(uint32_t packed)
        : r(packed & 0xFF), g((packed >> 8) & 0xFF), b((packed >> 16) & 0xFF), a(packed >> 24) {}
    // Byte by byte from + (to - from) * t, in single precision, cut towards
    // zero.
    UColor(UColor from, UColor to, float t)
        : r(lerp(from.r, to.r, t)), g(lerp(from.g, to.g, t)), b(lerp(from.b, to.b, t)), a(lerp(from.a, to.a, t)) {}

    constexpr uint32_t packed() const { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16 | uint32_t(a) << 24; }
    constexpr bool operator==(UColor o) const { return packed() == o.packed(); }
    constexpr bool operator!=(UColor o) const { return packed() != o.packed(); }

private:
    static uint8_t lerp(uint8_t from, uint8_t to, float t)
    {
        return static_cast<uint8_t>(static_cast<int>(from + (static_cast<float>(to) - from) * t));
    }
};
