#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quillo {

// What a library table holds: 8 bytes a character, top row first, bit 7 the
// leftmost pixel. Full: characters 0..255 (2048 bytes); Extended: 32..255
// (1792 bytes); Printable: 32..127 (768 bytes), block graphics 128..143 not stored.
enum class FontKind { Full, Extended, Printable };

struct FontLibraryEntry {
    std::string_view name;
    FontKind kind;
    std::span<const std::uint8_t> bytes;
};

inline constexpr std::size_t kFontLibraryCount = 74;

// Entry 0..kFontLibraryCount-1 of the built-in font library.
const FontLibraryEntry& fontLibraryEntry(std::size_t index);

}  // namespace quillo
