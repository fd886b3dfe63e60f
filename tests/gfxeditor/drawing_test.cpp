#include "gfxeditor/drawing.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quillo;

namespace {

std::vector<int> inkInRow(const Picture& p, int y) {
    std::vector<int> xs;
    for (int x = 0; x < p.pixelWidth(); ++x)
        if (p.pixel(x, y)) xs.push_back(x);
    return xs;
}

int inkCount(const Picture& p) {
    int n = 0;
    for (int y = 0; y < p.pixelHeight(); ++y) n += static_cast<int>(inkInRow(p, y).size());
    return n;
}

}  // namespace

TEST(Drawing, PlotWritesTheAttributeThroughTheKeepMask) {
    Picture p;
    p.attributeAt(0, 0) = 0x3A;
    plot(p, 3, 3, 1, 0x01, kKeepInk);
    EXPECT_EQ(p.attributeAt(0, 0), 0x02);
    EXPECT_TRUE(p.pixel(3, 3));
    plot(p, 3, 3, -1, -1, 0);
    EXPECT_FALSE(p.pixel(3, 3));
    EXPECT_EQ(p.attributeAt(0, 0), 0x02);  // attribute -1: colours untouched
    writeAttribute(p, 9, 0, 0x47, 0);
    EXPECT_EQ(p.attributeAt(1, 0), 0x47);
    EXPECT_EQ(inkCount(p), 0);
}

TEST(Drawing, NothingHappensOutsideThePicture) {
    Picture p;
    const std::vector<std::uint8_t> before(p.data().begin(), p.data().end());
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {256, 0}, {0, 192}}) {
        plot(p, x, y, 1, 0x07, 0);
        plotMask(p, x, y, true);
        writeAttribute(p, x, y, 0x07, 0);
    }
    EXPECT_TRUE(std::equal(before.begin(), before.end(), p.data().begin(), p.data().end()));
}

TEST(Drawing, LinePatternTextAndDottedLine) {
    EXPECT_EQ(parseLinePattern("abc"), 0u);
    EXPECT_EQ(parseLinePattern("%1"), 1u);
    EXPECT_EQ(parseLinePattern("  100 "), 4u);  // first character the most significant bit
    EXPECT_EQ(parseLinePattern("10101010101010101010101010101010"), 0xAAAAAAAAu);
    EXPECT_TRUE(isFullLinePattern("11111111111111111111111111111111"));
    EXPECT_FALSE(isFullLinePattern("1111"));

    Picture p;
    DrawState s;
    s.linePattern = 0xAAAAAAAA;
    drawLine(p, Plane::Bitmap, 0, 0, 7, 0, 1, s);
    EXPECT_EQ(inkInRow(p, 0), (std::vector<int>{1, 3, 5, 7}));
    s.linePattern = 0;
    drawLine(p, Plane::Bitmap, 0, 5, 100, 50, 1, s);
    EXPECT_EQ(inkCount(p), 4);
}

TEST(Drawing, LinesReachBothEndsOnEitherPlane) {
    Picture p;
    DrawState s;
    drawLine(p, Plane::Bitmap, 10, 20, 3, 2, 1, s);
    EXPECT_TRUE(p.pixel(10, 20));
    EXPECT_TRUE(p.pixel(3, 2));
    EXPECT_EQ(inkCount(p), 19);  // one pixel per step of the major axis
    drawLine(p, Plane::Mask, 0, 100, 5, 100, 1, s);
    EXPECT_TRUE(p.maskPixel(0, 100) && p.maskPixel(5, 100));
    EXPECT_TRUE(inkInRow(p, 100).empty());
}

TEST(Drawing, FilledBoxUsesTheTextureAndCircleIsSymmetric) {
    Picture p;
    DrawState s;
    s.useFill = true;
    s.texture.rows.fill(0);  // holes everywhere: only the outline stays
    drawBox(p, 20, 10, 10, 20, 1, s);
    EXPECT_EQ(inkCount(p), 40);

    Picture c;
    DrawState o;
    drawCircle(c, 50, 50, 10, 1, o);
    for (const auto& [x, y] : {std::pair{60, 50}, {40, 50}, {50, 60}, {50, 40}}) EXPECT_TRUE(c.pixel(x, y));
    EXPECT_FALSE(c.pixel(50, 50));
    o.useFill = true;
    drawCircle(c, 50, 50, 10, 1, o);
    EXPECT_TRUE(c.pixel(50, 50));
    EXPECT_FALSE(c.pixel(58, 58));
}

TEST(Drawing, StampCentresTheBrush) {
    Picture p;
    DrawState s;
    s.brush = {1, 1, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};
    stamp(p, 20, 20, s);
    EXPECT_TRUE(p.pixel(16, 16));
    EXPECT_TRUE(p.pixel(23, 23));
    EXPECT_EQ(inkCount(p), 2);
    int calls = 0;
    spray(p, 100, 100, s, [&calls](int n) {
        ++calls;
        return n - 1;  // always the brush's bottom-right pixel
    });
    EXPECT_EQ(calls, 20);
    EXPECT_TRUE(p.pixel(103, 103));
    EXPECT_EQ(inkCount(p), 3);
}

TEST(Drawing, FillStaysInsideAClosedShape) {
    Picture p;
    DrawState s;
    drawBox(p, 10, 10, 30, 20, 1, s);
    s.attribute = 0x11;
    floodFill(p, 15, 15, 1, s);
    EXPECT_EQ(inkCount(p), 21 * 11);
    EXPECT_FALSE(p.pixel(9, 15));
    EXPECT_EQ(p.attributeAt(2, 2), 0x11);
    EXPECT_EQ(p.attributeAt(10, 10), 56);
}

TEST(Drawing, FillOfAWholeScreenAndWithTheSeedsOwnValue) {
    Picture p;
    DrawState s;
    s.attribute = 0x0F;
    floodFill(p, 128, 96, 1, s);
    EXPECT_EQ(inkCount(p), 256 * 192);
    EXPECT_EQ(p.attributeAt(31, 23), 0x0F);

    // Ink filled with ink: the bitmap stays, the reached cells take the colour.
    Picture q;
    drawBox(q, 0, 0, 15, 7, 1, s);
    s.attribute = 0x22;
    floodFill(q, 0, 0, 1, s);
    EXPECT_EQ(inkCount(q), 44);
    EXPECT_EQ(q.attributeAt(1, 0), 0x22);
    EXPECT_EQ(q.attributeAt(2, 0), 56);
}

TEST(Drawing, SelectionSnapsAndClampsInEitherDirection) {
    Picture p;
    EXPECT_EQ(snapSelection(3, 5, 21, 13, 8, p), (PixelRect{0, 8, 24, 8}));
    EXPECT_EQ(snapSelection(21, 13, 3, 5, 8, p), (PixelRect{0, 8, 24, 8}));
    EXPECT_EQ(snapSelection(-20, -9, 300, 250, 8, p), (PixelRect{0, 0, 256, 192}));
    EXPECT_EQ(snapSelection(7, 7, 9, 9, 1, p), (PixelRect{7, 7, 2, 2}));
}
