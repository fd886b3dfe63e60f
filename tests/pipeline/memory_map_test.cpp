#include "pipeline/memory_map.h"

#include <gtest/gtest.h>

#include <memory>

namespace quillo {
namespace {

std::uint32_t pixel(const PixelBuffer& p, int x, int y) { return p.at(x, y); }

// The column of an address in its row, and the row's top pixel line.
int columnOf(std::size_t offset) { return static_cast<int>((offset % 16384) / 32); }
int rowTop(std::size_t offset) { return static_cast<int>(offset / 16384) * kMemoryMapRowPitch; }

TEST(MemoryMap, BuildWithoutBinaries) {
    auto map = std::make_unique<RegionMap>();
    map->registerFixedRegions();
    map->registerRegion(24576, 0, 3000, RegionType::Compilat);
    map->registerRegion(65535 - 4768, 0, 4768, RegionType::Heap);
    const auto p = memoryMapPicture(*map);
    ASSERT_EQ(p.width, 512);
    ASSERT_EQ(p.height, 512);
    for (const int x : {0, 255, 511}) EXPECT_EQ(pixel(p, x, 0), 0x808080u) << "ROM over the whole first row";
    EXPECT_EQ(pixel(p, 0, 20), 0xFF0000u) << "screen at the start of the second row";
    EXPECT_EQ(pixel(p, columnOf(23552), rowTop(23552)), 0x00FF00u) << "system variables";
    EXPECT_EQ(pixel(p, columnOf(24576), rowTop(24576)), 0x8080FFu) << "the compiled code";
    EXPECT_EQ(pixel(p, 511, 3 * 20), 0xFF00FFu) << "the heap ends the fourth row";
    for (int row = 4; row < 9; ++row) EXPECT_EQ(pixel(p, 100, row * 20 + 5), 0xFFFFFFu) << "free bank rows";
}

TEST(MemoryMap, RowGeometryAndFirstByteRule) {
    auto map = std::make_unique<RegionMap>();
    map->registerRegion(0, 0, 16384, RegionType::Rom);
    map->registerRegion(32768 + 64 + 1, 0, 31, RegionType::Data);  // misses the group's first byte
    map->registerRegion(32768 + 96, 0, 1, RegionType::Data);       // only the first byte
    map->registerRegion(0xC000, 5, 32, RegionType::Text);
    const auto p = memoryMapPicture(*map);
    EXPECT_EQ(pixel(p, 10, 18), 0x808080u) << "19 pixel lines a row";
    EXPECT_EQ(pixel(p, 10, 19), 0u) << "one dark line between rows";
    EXPECT_EQ(pixel(p, 2, 40), 0xFFFFFFu);
    EXPECT_EQ(pixel(p, 3, 40), 0x55DABAu);
    EXPECT_EQ(pixel(p, 0, 8 * 20), 0x40FF40u) << "Text draws in its picture colour";
    EXPECT_EQ(pixel(p, 0, 9 * 20), 0u) << "below the last row stays black";
    EXPECT_EQ(pixel(p, 511, 511), 0u);
}

TEST(MemoryMap, Colours) {
    EXPECT_EQ(legendColour(RegionType::Text), 0x808040u);
    EXPECT_EQ(mapColour(10), 0x40FF40u);
    EXPECT_EQ(mapColour(0), 0xFFFFFFu);
    EXPECT_EQ(mapColour(15), 0x10E5ABu);
    EXPECT_EQ(mapColour(16), 0x50CEFAu) << "an unknown value";
    EXPECT_EQ(legendColour(RegionType::Compressed), 0x41AE04u);
    EXPECT_EQ(kMemoryMapRowLabels.front(), "$0000");
    EXPECT_EQ(kMemoryMapRowLabels.back(), "$C000-Bank 23");
}

}  // namespace
}  // namespace quillo
