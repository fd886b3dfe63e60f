#include "gfxeditor/picture_renderer.h"

#include "gfxeditor/drawing.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quillo;

namespace {

constexpr std::uint32_t kBlack = 0x040204;
constexpr std::uint32_t kWhite = 0xCCC6CC;
constexpr std::uint32_t kBrightWhite = 0xFCFAFC;
constexpr std::uint32_t kRed = 0xDC0204;

struct Rendered {
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(256 * 192, 0);
    std::uint32_t at(int x, int y) const { return pixels[y * 256 + x]; }
};

}  // namespace

TEST(PictureRenderer, HiddenAttributesShowBlackOnWhiteInACheckerboard) {
    Picture p;
    for (int c = 0; c < 3; ++c) p.attributeAt(c, 0) = 2;  // red ink on black
    plot(p, 0, 0, 1, -1, 0);
    plot(p, 8, 0, 1, -1, 0);
    Rendered out;
    PictureRenderer renderer;
    renderer.render(p, out.pixels.data(), 256, p.bounds(), {true});
    EXPECT_EQ(out.at(0, 0), kBlack);
    EXPECT_EQ(out.at(8, 0), kBlack);
    const std::uint32_t paper0 = out.at(1, 0);
    const std::uint32_t paper1 = out.at(9, 0);
    EXPECT_TRUE((paper0 == kWhite && paper1 == kBrightWhite) || (paper0 == kBrightWhite && paper1 == kWhite));
    EXPECT_EQ(out.at(17, 0), paper0);      // alternates along the row
    EXPECT_EQ(out.at(1, 8), paper1);       // and again on the next character row
}

TEST(PictureRenderer, FlashCellsSwapInTheInvertedPhase) {
    Picture p;
    p.attributeAt(0, 0) = 0x80 | 0x38 | 2;  // FLASH, white paper, red ink
    plot(p, 0, 0, 1, -1, 0);
    Rendered out;
    PictureRenderer renderer;
    renderer.render(p, out.pixels.data(), 256, {0, 0, 16, 8});
    EXPECT_EQ(out.at(0, 0), kRed);
    EXPECT_EQ(out.at(1, 0), kWhite);
    renderer.setFlashInverted(true);
    renderer.render(p, out.pixels.data(), 256, {0, 0, 16, 8});
    EXPECT_EQ(out.at(0, 0), kWhite);
    EXPECT_EQ(out.at(1, 0), kRed);
    EXPECT_EQ(out.at(9, 0), kWhite);  // a cell without FLASH stays
}
