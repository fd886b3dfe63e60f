#pragma once
#include "common/pixel_buffer.h"
#include "pipeline/bank_tables.h"
#include "pipeline/region_map.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillo {

// The memory map picture: 9 rows of 16K (main memory, then RAM banks 1..5),
// 512 columns of 32 bytes each, 20 pixels a row of which 19 are drawn.
inline constexpr int kMemoryMapSide = 512;
inline constexpr int kMemoryMapRows = 9;
inline constexpr int kMemoryMapRowPitch = 20;
inline constexpr int kMemoryMapRowHeight = 19;
inline constexpr int kMemoryMapBytesPerColumn = 32;

inline constexpr std::array<std::string_view, kMemoryMapRows> kMemoryMapRowLabels = {
    "$0000", "$4000", "$8000", "$C000-Bank 16", "$C000-Bank 17",
    "$C000-Bank 19", "$C000-Bank 20", "$C000-Bank 22", "$C000-Bank 23",
};

// Colours as 0xRRGGBB. The picture and the legend differ only for Text.
std::uint32_t mapColour(std::uint8_t regionByte);
std::uint32_t legendColour(RegionType type);

// The picture, black where nothing is drawn. Each column takes the colour of
// the first byte of its 32.
PixelBuffer memoryMapPicture(const RegionMap& map);

}  // namespace quillo
