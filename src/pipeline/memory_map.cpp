#include "pipeline/memory_map.h"

namespace quillo {

namespace {

constexpr std::array<std::uint32_t, kRegionTypeCount> kColours = {
    0xFFFFFF, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF80, 0x8080FF, 0xFF00FF, 0xFFFF00,
    0x00FFFF, 0xFF8080, 0x808040, 0x55DABA, 0x4060F1, 0xE0E651, 0x41AE04, 0x10E5AB,
};
constexpr std::uint32_t kTextInPicture = 0x40FF40;
constexpr std::uint32_t kUnknown = 0x50CEFA;
constexpr std::size_t kRowBytes = 16384;

}  // namespace

std::uint32_t mapColour(std::uint8_t regionByte) {
    if (regionByte == static_cast<std::uint8_t>(RegionType::Text)) return kTextInPicture;
    return regionByte < kRegionTypeCount ? kColours[regionByte] : kUnknown;
}

std::uint32_t legendColour(RegionType type) { return kColours[static_cast<std::size_t>(type) & 0xF]; }

PixelBuffer memoryMapPicture(const RegionMap& map) {
    PixelBuffer picture(kMemoryMapSide, kMemoryMapSide);
    for (int row = 0; row < kMemoryMapRows; ++row) {
        for (int column = 0; column < kMemoryMapSide; ++column) {
            const std::size_t offset = static_cast<std::size_t>(row) * kRowBytes +
                                       static_cast<std::size_t>(column) * kMemoryMapBytesPerColumn;
            const std::uint32_t colour = mapColour(map.data()[offset]);
            for (int y = row * kMemoryMapRowPitch; y < row * kMemoryMapRowPitch + kMemoryMapRowHeight; ++y)
                picture.at(column, y) = colour;
        }
    }
    return picture;
}

}  // namespace quillo
