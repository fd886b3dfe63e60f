#include "common/cell_screen.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

Charset testCharset() {
    Charset set{};
    // 'A': left half set on every row; blank: nothing.
    for (int row = 0; row < 8; ++row) set[static_cast<std::size_t>('A' * 8 + row)] = 0xF0;
    return set;
}

TEST(CellScreenTest, DrawsInkForSetBitsAndPaperForClearOnes) {
    CellScreen screen(testCharset());
    screen.write(0, 0, 6, 1, "A ");
    PixelBuffer image(16, 8);
    screen.draw(2, 1, image);
    const std::uint32_t yellow = 0xFFFF00;  // palette 6 as 0x00RRGGBB
    const std::uint32_t blue = 0x0000FF;    // palette 1
    EXPECT_EQ(image.at(0, 0), yellow);
    EXPECT_EQ(image.at(3, 7), yellow);
    EXPECT_EQ(image.at(4, 0), blue);
    EXPECT_EQ(image.at(8, 3), blue);
    EXPECT_EQ(screen.attribute(0, 0), 0x16);
}

TEST(CellScreenTest, PaletteHasTheSixteenColours) {
    EXPECT_EQ(CellScreen::paletteBgr()[2], 0x0000FFu);  // red in 0x00BBGGRR
    EXPECT_EQ(CellScreen::paletteRgb(2), 0xFF0000u);
    EXPECT_EQ(CellScreen::paletteRgb(8), 0x404040u);
    EXPECT_EQ(CellScreen::paletteRgb(14), 0x808000u);
}

TEST(CellScreenTest, WritesAreClippedToTheGridAnd255Characters) {
    CellScreen screen(testCharset());
    screen.write(250, 0, 7, 0, std::string(20, 'A'));
    EXPECT_EQ(screen.character(255, 0), 'A');
    screen.write(0, 1, 7, 0, std::string(300, 'A'));
    EXPECT_EQ(screen.character(254, 1), 'A');
    EXPECT_EQ(screen.character(255, 1), 0);
    screen.write(0, 3, 7, 0, "A");   // no such row
    screen.write(-1, 0, 7, 0, "A");  // no such column
    PixelBuffer small(12, 4);        // smaller than one row of cells
    screen.draw(256, 3, small);
    EXPECT_EQ(small.at(11, 3), 0u);
}

}  // namespace
}  // namespace quillo
