#include "fonteditor/char_transforms.h"
#include "fonteditor/standard_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quillo;

namespace {

Glyph rowsOf(const WorkingFont& font, int code) {
    Glyph g;
    std::copy_n(font.glyphAt(code), 8, g.begin());
    return g;
}

}  // namespace

TEST(CharTransforms, RotateFourTimesIsIdentity) {
    Glyph g{0x80, 0x40, 0x3C, 0x00, 0x81, 0xFF, 0x10, 0x01};
    Glyph once = g;
    transformGlyph(once.data(), CharTransform::Rotate, 0);
    EXPECT_EQ(once[0], 0x31);  // the old left column, read bottom to top
    Glyph r = once;
    for (int i = 0; i < 3; ++i) transformGlyph(r.data(), CharTransform::Rotate, 0);
    EXPECT_EQ(r, g);
}

TEST(CharTransforms, RecalcTo4x8) {
    Glyph g{0xFF, 0x81, 0, 0, 0, 0, 0, 0};
    transformGlyph(g.data(), CharTransform::RecalcTo4x8, 0);
    EXPECT_EQ(g[0], 0xF0);
    EXPECT_EQ(g[1], 0x90);
}

TEST(CharTransforms, AlignRules) {
    Glyph empty{};
    transformGlyph(empty.data(), CharTransform::AlignLeft, 0);
    EXPECT_EQ(empty, Glyph{});
    Glyph g{0x1C, 0x08, 0, 0, 0, 0, 0, 0};  // columns 3..5
    transformGlyph(g.data(), CharTransform::AlignLeft, 0);
    EXPECT_EQ(g[0], 0xE0);
    EXPECT_EQ(g[1], 0x40);
    transformGlyph(g.data(), CharTransform::AlignRight, 0);
    EXPECT_EQ(g[0], 0x07);
}

TEST(CharTransforms, OthersFollowTheirRows) {
    Glyph g{0x80, 0x01, 0x10, 0x10, 0x10, 0x10, 0x10, 0x03};
    Glyph m = g;
    transformGlyph(m.data(), CharTransform::Mirror, 0);
    EXPECT_EQ(m[0], 0x01);
    EXPECT_EQ(m[7], 0xC0);
    Glyph f = g;
    transformGlyph(f.data(), CharTransform::Flip, 0);
    EXPECT_EQ(f[0], 0x03);
    Glyph b = g;
    transformGlyph(b.data(), CharTransform::Bold, 0);
    EXPECT_EQ(b[0], 0x80);
    EXPECT_EQ(b[1], 0x03);
    Glyph i = g;
    transformGlyph(i.data(), CharTransform::ItalicQuarter, 0);
    EXPECT_EQ(i[0], 0x40);
    EXPECT_EQ(i[3], 0x10);
    EXPECT_EQ(i[7], 0x06);
}

TEST(CharTransforms, RestoreCharacter) {
    WorkingFont font = WorkingFont::startUp();
    const Glyph tilde = rowsOf(font, 126);
    font.glyphAt(126)[0] = 0xFF;
    font.glyphAt(165)[0] = 0xFF;
    transformChars(font, {126, 126}, CharTransform::Restore);
    transformChars(font, {165, 165}, CharTransform::Restore);
    EXPECT_EQ(rowsOf(font, 126), tilde);
    EXPECT_EQ(rowsOf(font, 165), Glyph{});
}

TEST(CharTransforms, ProtectedCharactersStay) {
    WorkingFont font = WorkingFont::startUp();
    transformChars(font, {0, 255}, CharTransform::Invert);
    EXPECT_EQ(font.glyphAt(128)[0], 0x00);  // block graphic, protected
    EXPECT_EQ(font.glyphAt(0)[0], 0xFF);
    moveCharPixels(font, {143, 143}, PixelMove::ScrollUp);
    EXPECT_EQ(font.glyphAt(143)[7], 0xFF);
}

TEST(PixelMoves, RollsWrapAndScrollsFill) {
    Glyph g{0x81, 2, 3, 4, 5, 6, 7, 8};
    Glyph up = g;
    moveGlyphPixels(up.data(), PixelMove::RollUp);
    EXPECT_EQ(up[7], 0x81);
    Glyph down = g;
    moveGlyphPixels(down.data(), PixelMove::ScrollDown);
    EXPECT_EQ(down[0], 0);
    EXPECT_EQ(down[1], 0x81);
    Glyph left = g;
    moveGlyphPixels(left.data(), PixelMove::RollLeft);
    EXPECT_EQ(left[0], 0x03);
    Glyph right = g;
    moveGlyphPixels(right.data(), PixelMove::RollRight);
    EXPECT_EQ(right[0], 0xC0);
}

TEST(RangeMoves, RollLeftOverThreeLetters) {
    WorkingFont font = WorkingFont::startUp();
    const Glyph a = rowsOf(font, 65), b = rowsOf(font, 66), c = rowsOf(font, 67), d = rowsOf(font, 68);
    font.rangeStart = 65;
    font.rangeEnd = 67;
    EXPECT_FALSE(moveRange(font, RangeMove::RollLeft));
    EXPECT_EQ(rowsOf(font, 65), b);
    EXPECT_EQ(rowsOf(font, 66), c);
    EXPECT_EQ(rowsOf(font, 67), a);
    EXPECT_EQ(rowsOf(font, 68), d);
    EXPECT_FALSE(moveRange(font, RangeMove::ScrollRight));
    EXPECT_EQ(rowsOf(font, 65), Glyph{});
    EXPECT_EQ(rowsOf(font, 66), b);
}

TEST(RangeMoves, ReversedEndsActOnTheSameCharacters) {
    WorkingFont font = WorkingFont::startUp();
    const Glyph a = rowsOf(font, 65), c = rowsOf(font, 67);
    font.rangeStart = 67;
    font.rangeEnd = 65;
    EXPECT_FALSE(moveRange(font, RangeMove::RollRight));
    EXPECT_EQ(rowsOf(font, 65), c);
    EXPECT_EQ(rowsOf(font, 66), a);
    EXPECT_EQ(font.range().count(), 3);
}

TEST(RangeMoves, ProtectedCharacterRefusesTheMove) {
    WorkingFont font = WorkingFont::startUp();
    font.rangeStart = 120;
    font.rangeEnd = 130;
    const Charset before = font.bitmaps;
    const auto refused = moveRange(font, RangeMove::ScrollLeft);
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, 130);
    EXPECT_EQ(font.bitmaps, before);
    EXPECT_EQ(protectedMessage(130), "Protected characters found (130)\nOperation breaked");
}

TEST(FontLibraryLoading, KindsAndProtection) {
    WorkingFont font = WorkingFont::startUp();
    font.rangeStart = 5;
    loadLibraryFont(font, 1);
    EXPECT_TRUE(std::none_of(font.flags.begin(), font.flags.end(), [](auto f) { return f & kCharFlagProtected; }));
    EXPECT_EQ(font.rangeStart, 5);

    loadLibraryFont(font, 8);
    for (int c = 0; c < 256; ++c) EXPECT_EQ(font.isProtected(c), c >= 128 && c <= 143) << c;
    EXPECT_EQ(font.glyphAt(143)[0], 0xFF);
    EXPECT_EQ(font.glyphAt(129)[0], 0x0F);

    loadLibraryFont(font, 7);
    EXPECT_TRUE(std::all_of(font.glyphAt(0), font.glyphAt(32), [](auto b) { return b == 0; }));

    loadLibraryFont(font, 0);
    EXPECT_EQ(rowsOf(font, 144), rowsOf(font, 65));
    EXPECT_EQ(rowsOf(font, 164), rowsOf(font, 85));
}

TEST(FontLibraryLoading, UdgToStandardIgnoresProtection) {
    WorkingFont font{};
    font.flags[150] = kCharFlagProtected;
    setUdgToStandard(font);
    EXPECT_EQ(rowsOf(font, 150), standardShape('A' + 6));
}
