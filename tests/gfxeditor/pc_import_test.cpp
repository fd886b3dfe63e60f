#include "gfxeditor/pc_import.h"

#include <gtest/gtest.h>

using namespace quillo;

namespace {

PixelBuffer filled(int w, int h, std::uint32_t colour) {
    PixelBuffer b(w, h);
    std::fill(b.pixels.begin(), b.pixels.end(), colour);
    return b;
}

bool allBitmap(const Picture& p, std::uint8_t value) {
    return std::all_of(p.bitmap(), p.bitmap() + p.layout().attributeOffset, [value](auto b) { return b == value; });
}

TEST(PcImport, WhiteScreenInColorBiTone) {
    PcImport import;
    ASSERT_TRUE(import.take(filled(256, 192, 0xFFFFFF)).ok);
    Picture p;
    p.recreate(4, 4, 0);
    import.convert(ImportMode::ColorBiTone, kDefaultThresholds, p);
    ASSERT_EQ(p.width(), 32);
    ASSERT_EQ(p.height(), 24);
    EXPECT_TRUE(std::all_of(p.attributes(), p.attributes() + 768, [](auto a) { return a == 0x7E; }));
    EXPECT_TRUE(allBitmap(p, 0));
}

TEST(PcImport, HalfRedHalfBlueCellAndCyanAsWhite) {
    PixelBuffer b = filled(16, 8, 0xFF0000);
    for (int y = 0; y < 8; ++y)
        for (int x = 4; x < 8; ++x) b.at(x, y) = 0x0000FF;
    for (int y = 0; y < 8; ++y)
        for (int x = 8; x < 16; ++x) b.at(x, y) = 0x008080;
    PcImport import;
    ASSERT_TRUE(import.take(b).ok);
    Picture p;
    import.convert(ImportMode::ColorBiTone, kDefaultThresholds, p);
    EXPECT_EQ(p.attributeAt(0, 0), 64 + 8 * 2 + 1);
    for (int y = 0; y < 8; ++y) EXPECT_EQ(p.bitmap()[y * 2], 0x0F);
    EXPECT_EQ(p.attributeAt(1, 0), 0x7E);  // the cyan cell came in as white
}

TEST(PcImport, MonochromeModes) {
    PixelBuffer b = filled(8, 8, 0xFFFFFF);
    b.at(0, 0) = 0xFEFEFE;
    b.at(1, 0) = 0x808080;
    PcImport import;
    ASSERT_TRUE(import.take(b).ok);
    ImportThresholds t = kDefaultThresholds;
    t[kBright1] = 0;
    Picture p;
    import.convert(ImportMode::MonochromeBiTone, t, p);
    EXPECT_EQ(p.bitmap()[0], 0xC0);
    EXPECT_EQ(p.attributeAt(0, 0), 56);

    // 255 - grey: 255 and 160 are above "Bri 2" (level 2, ink), 0 is level 0 (paper).
    PixelBuffer mid = filled(8, 8, 0xFFFFFF);
    for (int y = 0; y < 8; ++y) {
        mid.at(0, y) = 0x000000;
        mid.at(1, y) = 0x5F5F5F;
    }
    ASSERT_TRUE(import.take(mid).ok);
    import.convert(ImportMode::MonochromeMidtone, kDefaultThresholds, p);
    for (int y = 0; y < 8; ++y) EXPECT_EQ(p.bitmap()[y], 0xC0);
}

TEST(PcImport, CheckerboardForMidLevels) {
    // 255 - grey = 150 lies in the upper half between 100 and 155: level 1, ink on phase 1 only.
    PcImport import;
    ASSERT_TRUE(import.take(filled(16, 16, 0x696969)).ok);
    Picture p;
    import.convert(ImportMode::MonochromeMidtone, kDefaultThresholds, p);
    EXPECT_EQ(p.bitmap()[0], 0x55);
    EXPECT_EQ(p.bitmap()[2], 0xAA);
    EXPECT_EQ(p.bitmap()[1], 0x55);  // the next cell starts with the same phase
    EXPECT_EQ(p.bitmap()[16], 0x55);
    // Each channel 150 lies in the upper half between 255 - 155 and 255 - 100: white on phase 1, black on
    // phase 0; black is the ink.
    ASSERT_TRUE(import.take(filled(16, 16, 0x969696)).ok);
    import.convert(ImportMode::ColorMidtone, kDefaultThresholds, p);
    EXPECT_EQ(p.attributeAt(0, 0), 64 + 8 * 7 + 0);
    EXPECT_EQ(p.bitmap()[0], 0xAA);
    EXPECT_EQ(p.bitmap()[2], 0x55);
}

TEST(PcImport, ThreeLevelRuleEdges) {
    EXPECT_EQ(threeLevel(100, 100, 155), 0);
    EXPECT_EQ(threeLevel(127, 100, 155), 0);
    EXPECT_EQ(threeLevel(128, 155, 100), 1);
    EXPECT_EQ(threeLevel(155, 100, 155), 1);
    EXPECT_EQ(threeLevel(156, 100, 155), 2);
    EXPECT_EQ(threeLevel(120, 120, 120), 0);
    EXPECT_EQ(threeLevel(121, 120, 120), 2);
}

TEST(PcImport, GreyChoices) {
    PcImport import;
    Picture p;
    ImportThresholds t = kDefaultThresholds;
    t[kBright1] = 255 - 100;  // ink below grey 100
    // Red 200, green 0, blue 0: weighted grey 59, plain average 66, red alone 200, green alone 0.
    const auto inkWith = [&](GreyChoice grey) {
        EXPECT_TRUE(import.take(filled(8, 8, 0xC80000), grey).ok);
        import.convert(ImportMode::MonochromeBiTone, t, p);
        return p.bitmap()[0] == 0xFF;
    };
    EXPECT_TRUE(inkWith({7, true}));
    EXPECT_TRUE(inkWith({7, false}));
    EXPECT_FALSE(inkWith({2, true}));
    EXPECT_TRUE(inkWith({4, false}));
    EXPECT_FALSE(inkWith({2 | 4, false}));  // (200 + 0) / 2 = 100 is not below 100
}

TEST(PcImport, RefusesWhatDoesNotFit) {
    PcImport import;
    const PcImport::Taken tooBig = import.take(PixelBuffer(4096, 1032));
    EXPECT_FALSE(tooBig.ok);
    EXPECT_EQ(tooBig.message, "oh");
    const PcImport::Taken tooManyCells = import.take(PixelBuffer(512, 512));
    EXPECT_FALSE(tooManyCells.ok);
    EXPECT_NE(tooManyCells.message.find("4096 cells"), std::string::npos);
    EXPECT_NE(tooManyCells.message.find("512 x 512 pixels"), std::string::npos);
    EXPECT_FALSE(import.hasPicture());
    EXPECT_TRUE(import.take(PixelBuffer(8 * 3855, 8)).ok);

    // The largest picture fills the block to its last byte; one cell more is refused.
    Picture picture;
    import.convert(ImportMode::ColorBiTone, kDefaultThresholds, picture);
    EXPECT_EQ(picture.width(), 3855);
    EXPECT_EQ(picture.layout().totalSize, 65535);
    EXPECT_FALSE(picture.recreate(3856, 1, 56));
    EXPECT_FALSE(picture.recreate(0, 5, 56));
    EXPECT_EQ(picture.width(), 3855);
}

}  // namespace
