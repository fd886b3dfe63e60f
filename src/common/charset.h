#pragma once
#include <array>
#include <cstdint>

namespace quillo {

// 256 characters of 8 bytes: byte 0 is the top row, bit 7 the leftmost pixel.
using Charset = std::array<std::uint8_t, 256 * 8>;
using CharFlags = std::array<std::uint8_t, 256>;

// Bits of a character's flag byte besides its column metrics (bits 0-5):
// a protected character may not be changed (the block graphics start so);
// a selected one is marked by the user.
inline constexpr std::uint8_t kCharFlagProtected = 0x40;
inline constexpr std::uint8_t kCharFlagSelected = 0x80;

// The character set the font and graphics tools start from: ROM characters
// 32..127, block graphics 128..143, UDGs 144..164 as letters A..U, rest empty.
Charset builtInCharset();
CharFlags builtInCharFlags();

// The 8 bytes of one character.
inline const std::uint8_t* glyph(const Charset& set, int code) { return set.data() + (code & 0xFF) * 8; }

}  // namespace quillo
