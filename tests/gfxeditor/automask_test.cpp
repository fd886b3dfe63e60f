#include "gfxeditor/automask.h"

#include "gfxeditor/drawing.h"

#include <gtest/gtest.h>

using namespace quillo;

namespace {

int maskCount(const Picture& p) {
    int n = 0;
    for (int y = 0; y < p.pixelHeight(); ++y)
        for (int x = 0; x < p.pixelWidth(); ++x) n += p.maskPixel(x, y);
    return n;
}

}  // namespace

TEST(Automask, EachScanGrowsASinglePixel) {
    Picture p;
    plot(p, 10, 10, 1, -1, 0);
    plotMask(p, 100, 100, true);  // stale mask bits are rewritten
    buildAutomask(p, AutomaskScan::Pixel);
    EXPECT_EQ(maskCount(p), 1);
    EXPECT_TRUE(p.maskPixel(10, 10));
    buildAutomask(p, AutomaskScan::Plus);
    EXPECT_EQ(maskCount(p), 5);
    EXPECT_TRUE(p.maskPixel(10, 9) && p.maskPixel(11, 10));
    EXPECT_FALSE(p.maskPixel(11, 11));
    buildAutomask(p, AutomaskScan::Box3x3);
    EXPECT_EQ(maskCount(p), 9);
    EXPECT_TRUE(p.maskPixel(11, 11));
}

TEST(Automask, AreaAndPictureEdgesCountAsClear) {
    Picture p;
    plot(p, 0, 0, 1, -1, 0);
    plot(p, 20, 20, 1, -1, 0);
    buildAutomask(p, AutomaskScan::Box3x3);
    EXPECT_EQ(maskCount(p), 4 + 9);
    p.clear(56);
    plot(p, 20, 20, 1, -1, 0);
    buildAutomask(p, AutomaskScan::Box3x3, {21, 0, 50, 50});
    EXPECT_EQ(maskCount(p), 0);  // the ink lies just outside the area
}
