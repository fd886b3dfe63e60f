#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace quillo {

inline constexpr std::size_t kRomCharsetSize = 768;
// Characters 32..127 of the Spectrum ROM, character 32 first, 8 bytes each.
extern const std::array<std::uint8_t, kRomCharsetSize> kRomCharset;

}  // namespace quillo
