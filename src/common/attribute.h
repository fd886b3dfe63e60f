#pragma once
// The ZX Spectrum attribute byte: ink in bits 0-2, paper in bits 3-5,
// BRIGHT in bit 6 and FLASH in bit 7. Colours 0-7 are black, blue, red,
// magenta, green, cyan, yellow, white.
#include <cstdint>

namespace quillo::attribute {

inline constexpr std::uint8_t kDefault = 56;  // black ink on white paper, as the ROM starts

constexpr int ink(std::uint8_t a) { return a & 7; }
constexpr int paper(std::uint8_t a) { return (a >> 3) & 7; }
constexpr bool bright(std::uint8_t a) { return (a & 0x40) != 0; }
constexpr bool flash(std::uint8_t a) { return (a & 0x80) != 0; }

constexpr std::uint8_t make(int ink, int paper, bool bright = false, bool flash = false) {
    return static_cast<std::uint8_t>((ink & 7) | ((paper & 7) << 3) | (bright ? 0x40 : 0) | (flash ? 0x80 : 0));
}

static_assert(make(0, 7) == kDefault);

}  // namespace quillo::attribute
