#pragma once
#include <array>
#include <cstdint>

namespace quillo {

// 256 characters of 8 bytes: byte 0 is the top row, bit 7 the leftmost pixel.
using Charset = std::array<std::uint8_t, 256 * 8>;
using CharFlags = std::array<std::uint8_t, 256>;

// Flag set on the block-graphics characters (they are generated, not drawn).
inline constexpr std::uint8_t kCharFlagBlockGraphic = 0x40;

// The character set the font and graphics tools start from: ROM characters
// 32..127, block graphics 128..143, UDGs 144..164 as letters A..U, rest empty.
Charset builtInCharset();
CharFlags builtInCharFlags();

// The 8 bytes of one character.
inline const std::uint8_t* glyph(const Charset& set, int code) { return set.data() + (code & 0xFF) * 8; }

}  // namespace quillo
