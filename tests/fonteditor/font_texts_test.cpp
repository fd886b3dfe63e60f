#include "fonteditor/font_texts.h"
#include "fonteditor/fzx_writer.h"
#include "fonteditor/pc_font_cell.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace quillo;

TEST(FontClipboardImport, DefbLines) {
    const auto bytes = parseFontClipboard("defb 1,2,3\r\ndefb 4");
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 2, 3, 4}));
    Charset set{};
    writeFromChar(set, 65, bytes);
    EXPECT_EQ(set[65 * 8 + 3], 4);
    writeFromChar(set, 255, std::vector<std::uint8_t>(16, 9));  // past 255: dropped
    EXPECT_EQ(set[2047], 9);
}

TEST(FontClipboardImport, BasicArrayData) {
    const auto bytes = parseFontClipboard("\t  0, 60,$42,%11 _\r\n,-1 _");
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0, 60, 0x42, 3, 255}));
    EXPECT_EQ(parseFontClipboard("\t1, _\n\t2 _\n"), (std::vector<std::uint8_t>{1, 2}));
}

TEST(FontAsmExport, AllCharactersAre256LinesOf38) {
    const WorkingFont font = WorkingFont::startUp();
    const std::string text = fontAsmText(font, {0, 255});
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        EXPECT_EQ(line.size() + 1, 38u);
        ++count;
    }
    EXPECT_EQ(count, 256);
    EXPECT_EQ(text.back(), '\n');
}

TEST(FontAsmExport, OneCharacterLine) {
    WorkingFont font{};
    const std::uint8_t a[8] = {0, 60, 66, 66, 126, 66, 66, 0};
    std::copy_n(a, 8, font.glyphAt(65));
    EXPECT_EQ(fontAsmText(font, {65, 65}), "\tDEFB\t000,060,066,066,126,066,066,000\n");
}

TEST(FontBasicExport, ExactText) {
    WorkingFont font{};
    const std::uint8_t a[8] = {0, 60, 66, 66, 126, 66, 66, 0};
    std::copy_n(a, 8, font.glyphAt(66));
    EXPECT_EQ(fontBasicText(font, {66, 66}),
              "Dim font (7) As uByte => { _\n"
              "\t  0, 60, 66, 66,126, 66, 66,  0 _\n"
              "}\nPoke uInteger 23606, (@font (0)) - 256");
    EXPECT_EQ(fontBasicText(font, {65, 66}),
              "Dim font (15) As uByte => { _\n"
              "\t  0,  0,  0,  0,  0,  0,  0,  0, _\n"
              "\t  0, 60, 66, 66,126, 66, 66,  0 _\n"
              "}\nPoke uInteger 23606, (@font (0)) - 256");
}

TEST(FontExportTexts, WhatAndDescriptions) {
    EXPECT_EQ(scopeWhat(FontScope::Range), "Character Range");
    EXPECT_EQ(binaryDescription(FontScope::Single, {65, 65}), "Single Char: (65)");
    EXPECT_EQ(binaryDescription(FontScope::Range, {32, 127}), "Character Range (32 to 127)");
    EXPECT_EQ(binaryDescription(FontScope::All, {0, 255}), "All 256 Characters");
    EXPECT_EQ(binaryFileName(33), "_Fontchar33.bin");
}

TEST(FzxWriter, HeaderTableAndDefinitions) {
    WorkingFont font{};
    const std::uint8_t bang[8] = {0, 0x10, 0x10, 0x10, 0, 0x10, 0, 0};  // column 3, rows 1..5
    std::copy_n(bang, 8, font.glyphAt('!'));
    const std::string fzx = fzxBytes(font);
    const auto at = [&](std::size_t i) { return static_cast<std::uint8_t>(fzx[i]); };
    const std::size_t table = 3, entries = 96;
    EXPECT_EQ(at(0), 8);
    EXPECT_EQ(at(1), kFzxTracking);
    EXPECT_EQ(at(2), 127);
    const std::size_t definitions = table + entries * 3 + 2;
    EXPECT_EQ(fzx.size(), definitions + 5);  // only "!" has rows
    // Space: no rows, width 2 (the empty character's metric width).
    EXPECT_EQ(at(table) | (at(table + 1) << 8), definitions - table);
    EXPECT_EQ(at(table + 2), 0x01);
    // "!": one pixel wide, one blank row above, its rows moved to bit 7.
    const std::size_t e = table + 3;
    EXPECT_EQ(at(e) | (at(e + 1) << 8), definitions - e);
    EXPECT_EQ(at(e + 2), (1 << 4) | 0);
    EXPECT_EQ(at(definitions), 0x80);
    EXPECT_EQ(at(definitions + 3), 0x00);
    // The closing word points past the last definition.
    const std::size_t last = table + entries * 3;
    EXPECT_EQ(at(last) | (at(last + 1) << 8), fzx.size() - last);
}

TEST(PcFontCell, CentringRoundsDownAndPixelsBecomeBits) {
    EXPECT_EQ(pcFontCellOrigin(5), 2);
    EXPECT_EQ(pcFontCellOrigin(8), 0);
    EXPECT_EQ(pcFontCellOrigin(-1), 5);
    const Glyph g = glyphFromPixels([](int x, int y) { return x == y; });
    EXPECT_EQ(g[0], 0x80);
    EXPECT_EQ(g[7], 0x01);
}

TEST(WorkingFontMetrics, ColumnRules) {
    const std::uint8_t edge[8] = {0x01, 0, 0, 0, 0, 0, 0, 0x80};
    EXPECT_EQ(withColumnMetrics(edge, kCharFlagProtected), kCharFlagProtected | 0 | (7 << 3));
    const std::uint8_t right[8] = {0x01, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(withColumnMetrics(right, 0), 7 | (0 << 3));
}
