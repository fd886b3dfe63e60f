#include "common/charset.h"

#include "common/rom_charset.h"

#include <algorithm>

namespace quillo {

namespace {

constexpr int kFirstRomChar = 32;
constexpr int kFirstBlockGraphic = 128;
constexpr int kFirstUdg = 144;
constexpr int kUdgCount = 21;  // A..U after a reset

std::uint8_t blockGraphicRow(int n, int row) {
    const int lowBit = row < 4 ? 0 : 2;  // top half from bits 0/1, bottom from 2/3
    std::uint8_t value = 0;
    if (n & (1 << lowBit)) value |= 0x0F;
    if (n & (1 << (lowBit + 1))) value |= 0xF0;
    return value;
}

}  // namespace

Charset builtInCharset() {
    Charset set{};
    std::copy(kRomCharset.begin(), kRomCharset.end(), set.begin() + kFirstRomChar * 8);
    for (int n = 0; n < 16; ++n)
        for (int row = 0; row < 8; ++row)
            set[(kFirstBlockGraphic + n) * 8 + row] = blockGraphicRow(n, row);
    for (int i = 0; i < kUdgCount; ++i) {
        const std::uint8_t* letter = glyph(set, 'A' + i);
        std::copy(letter, letter + 8, set.begin() + (kFirstUdg + i) * 8);
    }
    return set;
}

CharFlags builtInCharFlags() {
    CharFlags flags{};
    for (int n = 0; n < 16; ++n) flags[kFirstBlockGraphic + n] |= kCharFlagProtected;
    return flags;
}

}  // namespace quillo
