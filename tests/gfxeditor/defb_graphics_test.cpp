#include "gfxeditor/defb_graphics.h"

#include "common/defb_parse.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace quillo;

namespace {

std::vector<std::uint8_t> counting(int n) {
    std::vector<std::uint8_t> v(n);
    std::iota(v.begin(), v.end(), std::uint8_t{0});
    return v;
}

TEST(DefbGraphics, ByteOrders) {
    const auto bytes = counting(16);
    EXPECT_EQ(fromLinear(toLinear(bytes, GraphicsOrder::Progressive, 1, 2), GraphicsOrder::Characters, 1, 2), bytes);
    // 2x1 cells: rows a0 b0 a1 b1 ... become a0..a7 b0..b7.
    EXPECT_EQ(fromLinear(bytes, GraphicsOrder::Characters, 2, 1),
              (std::vector<std::uint8_t>{0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15}));
    const auto big = counting(3 * 2 * 8);
    const auto columns = fromLinear(big, GraphicsOrder::Columns, 3, 2);
    EXPECT_EQ(columns[1], 3);
    EXPECT_EQ(columns[16], 1);
    EXPECT_EQ(toLinear(columns, GraphicsOrder::Columns, 3, 2), big);
    EXPECT_EQ(toLinear(fromLinear(big, GraphicsOrder::Characters, 3, 2), GraphicsOrder::Characters, 3, 2), big);
    // Missing source bytes are zeros.
    EXPECT_EQ(toLinear(std::vector<std::uint8_t>{9}, GraphicsOrder::Columns, 2, 1)[0], 9);
    EXPECT_EQ(toLinear(std::vector<std::uint8_t>{9}, GraphicsOrder::Columns, 2, 1).size(), 16u);
}

TEST(DefbGraphics, ReorderKeepsTheSelectedCount) {
    EXPECT_EQ(parseDefb("defb 1,2\ndefb 3"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(reorderDefbText("defb 0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", GraphicsOrder::Progressive,
                              GraphicsOrder::Characters, 2, 1),
              "\tDEFB\t000,002,004,006,008,010,012,014\n\tDEFB\t001,003,005,007,009,011,013,015\n");
    // Three values of a 2x1 picture: the first three bytes of the result; ten values of a 1x1: two zeros after.
    EXPECT_EQ(reorderDefbText("defb 1,2,3", GraphicsOrder::Progressive, GraphicsOrder::Characters, 2, 1),
              "\tDEFB\t001,003,000\n");
    EXPECT_EQ(reorderDefbText("DEFB 1,2,3,4,5,6,7,8,9,10", GraphicsOrder::Columns, GraphicsOrder::Progressive, 1, 1),
              "\tDEFB\t001,002,003,004,005,006,007,008\n\tDEFB\t000,000\n");
}

TEST(DefbGraphics, SelectionIntoThePicture) {
    Picture p;
    auto bytes = counting(16);
    bytes.push_back(0x47);
    defbToPicture(bytes, GraphicsOrder::Characters, 2, 1, true, p);
    ASSERT_EQ(p.width(), 2);
    ASSERT_EQ(p.height(), 1);
    EXPECT_EQ(p.bitmap()[1], 8);
    EXPECT_EQ(p.attributeAt(0, 0), 0x47);
    EXPECT_EQ(p.attributeAt(1, 0), 0);  // missing attribute bytes are zeros
    defbToPicture(bytes, GraphicsOrder::Progressive, 1, 1, false, p);
    EXPECT_EQ(p.attributeAt(0, 0), 56);
    EXPECT_EQ(p.bitmap()[7], 7);
}

TEST(DefbGraphics, BufferText) {
    EXPECT_EQ(defbBufferText(3, 2), "buffer:\nASM\n\tDEFB 0,0,0\n\tDEFB 0,0,0\nEND ASM");
}

}  // namespace
