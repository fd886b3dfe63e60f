#include "common/charset.h"
#include "common/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>

using quillo::builtInCharset;
using quillo::glyph;

TEST(Charset, RomCharactersComeFromTheSpectrumRom) {
    const auto set = builtInCharset();
    // Characters 32 to 127 as the 48K ROM holds them, byte for byte.
    const auto rom = quillo::readFile(QUILLO_TEST_DATA "/zx-rom-charset.bin");
    ASSERT_TRUE(rom.ok()) << "tests/data/zx-rom-charset.bin is missing";
    ASSERT_EQ(rom->size(), 768u);
    EXPECT_TRUE(std::equal(rom->begin(), rom->end(), set.begin() + 32 * 8));
    // "A" as every Spectrum draws it, and the circled C of character 127.
    const std::uint8_t letterA[8] = {0x00, 0x3C, 0x42, 0x42, 0x7E, 0x42, 0x42, 0x00};
    EXPECT_TRUE(std::equal(letterA, letterA + 8, glyph(set, 'A')));
    const std::uint8_t copyright[8] = {0x3C, 0x42, 0x99, 0xA1, 0xA1, 0x99, 0x42, 0x3C};
    EXPECT_TRUE(std::equal(copyright, copyright + 8, glyph(set, 127)));
}

TEST(Charset, BlockGraphicsAreBuiltFromTheFourQuarterBits) {
    const auto set = builtInCharset();
    for (int n = 0; n < 16; ++n) {
        const std::uint8_t top = static_cast<std::uint8_t>(((n & 1) ? 0x0F : 0) | ((n & 2) ? 0xF0 : 0));
        const std::uint8_t bottom = static_cast<std::uint8_t>(((n & 4) ? 0x0F : 0) | ((n & 8) ? 0xF0 : 0));
        for (int row = 0; row < 8; ++row) EXPECT_EQ(glyph(set, 128 + n)[row], row < 4 ? top : bottom) << n;
    }
    EXPECT_EQ(glyph(set, 143)[0], 0xFF);
    EXPECT_EQ(glyph(set, 129)[0], 0x0F) << "bit 0 is the top right quarter";
}

TEST(Charset, UdgsAreTheLettersAToUAndTheRestIsEmpty) {
    const auto set = builtInCharset();
    for (int i = 0; i < 21; ++i) EXPECT_TRUE(std::equal(glyph(set, 'A' + i), glyph(set, 'A' + i) + 8, glyph(set, 144 + i)));
    const auto empty = [&](int c) { return std::all_of(glyph(set, c), glyph(set, c) + 8, [](auto b) { return b == 0; }); };
    for (int c = 0; c < 32; ++c) EXPECT_TRUE(empty(c)) << c;
    for (int c = 165; c < 256; ++c) EXPECT_TRUE(empty(c)) << c;
}

TEST(Charset, OnlyBlockGraphicsAreFlagged) {
    const auto flags = quillo::builtInCharFlags();
    for (int c = 0; c < 256; ++c) EXPECT_EQ(flags[c], (c >= 128 && c <= 143) ? quillo::kCharFlagProtected : 0) << c;
}
