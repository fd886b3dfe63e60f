#include "fonteditor/font_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

using namespace quillo;

namespace {

std::vector<std::uint8_t> asBytes(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<std::uint8_t> counting(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}

}  // namespace

TEST(MzfFile, RoundTripKeepsBitmapsRangeAndFlagBits) {
    WorkingFont font = WorkingFont::startUp();
    font.rangeStart = 144;
    font.rangeEnd = 164;
    font.glyphAt(65)[3] = 0x5A;
    font.flags[10] |= kCharFlagSelected;
    font.flags[200] |= kCharFlagProtected | kCharFlagSelected;
    const std::string bytes = mzfBytes(font);
    ASSERT_EQ(bytes.size(), kMzfSize);

    WorkingFont back;
    readMzf(back, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    EXPECT_EQ(back.bitmaps, font.bitmaps);
    EXPECT_EQ(back.rangeStart, 144);
    EXPECT_EQ(back.rangeEnd, 164);
    EXPECT_EQ(back.flags, font.flags);
    EXPECT_EQ(back.flags[200] & 0xC0, kCharFlagProtected | kCharFlagSelected);
    EXPECT_TRUE(back.isProtected(130));
    EXPECT_FALSE(back.isProtected(10));
}

TEST(MzfFile, ColumnMetricsAreWrittenFresh) {
    WorkingFont font{};
    font.glyphAt(1)[0] = 0x3C;  // columns 2..5
    const std::string bytes = mzfBytes(font);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[2050 + 1]), 2 | (3 << 3));
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[2050 + 0]), 7 | (1 << 3));  // empty: start 7, width field 1
}

TEST(FontImport, TableRows) {
    auto row = [](std::string_view ext, std::uintmax_t size) { return importPlacement(ext, size); };
    ASSERT_TRUE(row("bin", 1025));
    EXPECT_EQ(row("bin", 1025)->firstChar, 32);
    EXPECT_EQ(row("bin", 1025)->count, 1025u);  // the "bin" row takes the whole file
    EXPECT_EQ(row("chr", 1025)->count, 1024u);
    EXPECT_EQ(row("chr", 1025)->firstChar, 32);
    EXPECT_EQ(row("bin", 769)->count, 769u);
    EXPECT_FALSE(row("bin", 1793));
    EXPECT_EQ(row("SpecCHR", 768)->firstChar, 32);
    EXPECT_EQ(row("SPECCHR", 168)->firstChar, 144);
    EXPECT_EQ(row("specchr", 152)->count, 152u);
    EXPECT_EQ(row("ch8", 12)->count, 2048u);
    EXPECT_EQ(row("chr", 2048)->firstChar, 0);
    EXPECT_FALSE(row("chr", 768));
}

TEST(FontImport, PlacedBytesStopAtTheFileAndTheFont) {
    Charset set{};
    const auto bytes = counting(1025);
    placeBytes(set, {32, 1024}, bytes);
    EXPECT_EQ(set[32 * 8], bytes[0]);
    EXPECT_EQ(set[32 * 8 + 1023], bytes[1023]);
    EXPECT_EQ(set[160 * 8], 0);
    placeBytes(set, {250, 2048}, bytes);  // runs past character 255: cut
    EXPECT_EQ(set[2047], bytes[47]);
}

TEST(FontLoadBySize, TapImageFillsThePrintableCharacters) {
    WorkingFont source{};
    for (int c = 32; c <= 127; ++c) source.glyphAt(c)[0] = static_cast<std::uint8_t>(c);
    source.rangeStart = 32;
    source.rangeEnd = 127;
    const auto tape = asBytes(exportBytes(source, FontExportFormat::Tap));
    ASSERT_EQ(tape.size(), 793u);
    Charset set{};
    EXPECT_TRUE(loadBySize(set, "tap", tape));
    EXPECT_EQ(std::vector(set.begin() + 256, set.begin() + 1024),
              std::vector(source.bitmaps.begin() + 256, source.bitmaps.begin() + 1024));
}

TEST(FontLoadBySize, SizesPickTheCharacters) {
    Charset set{};
    const auto bytes = counting(2049);
    EXPECT_TRUE(loadBySize(set, "bin", bytes));
    EXPECT_TRUE(std::equal(set.begin(), set.end(), bytes.begin()));
    EXPECT_FALSE(loadBySize(set, "bin", counting(2050)));

    Charset udg{};
    EXPECT_TRUE(loadBySize(udg, "", counting(168)));
    EXPECT_EQ(udg[144 * 8], 1);
    EXPECT_EQ(udg[143 * 8 + 7], 0);

    Charset odd{};
    EXPECT_TRUE(loadBySize(odd, "", counting(10)));
    EXPECT_EQ(odd[9], counting(10)[9]);
}

TEST(FontExport, FormatsAndRangeEndsInEitherOrder) {
    WorkingFont font = WorkingFont::startUp();
    font.rangeStart = 66;
    font.rangeEnd = 65;  // set end-first
    EXPECT_EQ(exportBytes(font, FontExportFormat::Bin), std::string(font.glyphAt(65), font.glyphAt(67)));
    EXPECT_EQ(exportBytes(font, FontExportFormat::Tap).size(), 16u + 25u);
    EXPECT_EQ(exportBytes(font, FontExportFormat::Chr).size(), 2048u);
    EXPECT_EQ(exportBytes(font, FontExportFormat::SpecChr), std::string(font.glyphAt(32), font.glyphAt(128)));
}

TEST(FontFileNames, ExtensionsAreReplaced) {
    EXPECT_EQ(lowerExtension("/a.b/Font.SpecCHR"), "specchr");
    EXPECT_EQ(lowerExtension("/a.b/font"), "");
    EXPECT_EQ(withExtension("/a.b/font.txt", ".mzf"), "/a.b/font.mzf");
    EXPECT_EQ(withExtension("/a.b/font", ".mzf"), "/a.b/font.mzf");
}
