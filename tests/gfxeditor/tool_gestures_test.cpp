#include "gfxeditor/tool_gestures.h"

#include "gfxeditor/text_brush.h"

#include <gtest/gtest.h>

using namespace quillo;

namespace {

struct Gestures {
    Picture picture;
    DrawState state;
    ToolGestures tools{picture, state, [](int) { return 0; }};
};

int inkCount(const Picture& p) {
    int n = 0;
    for (int y = 0; y < p.pixelHeight(); ++y)
        for (int x = 0; x < p.pixelWidth(); ++x) n += p.pixel(x, y);
    return n;
}

}  // namespace

TEST(ToolGestures, FreehandJoinsFastMovesAndCompletesOnRelease) {
    Gestures g;
    g.state.attribute = 0x0A;  // paper blue, ink red
    EXPECT_FALSE(g.tools.press(0, 0, true).completed);
    const GestureStep step = g.tools.move(10, 0);
    EXPECT_FALSE(step.completed);
    EXPECT_LE(step.changed.x, 0);
    EXPECT_GE(step.changed.x + step.changed.width, 11);
    for (int x = 0; x <= 10; ++x) EXPECT_TRUE(g.picture.pixel(x, 0)) << x;
    EXPECT_EQ(g.picture.attributeAt(1, 0), 0x0A);
    EXPECT_TRUE(g.tools.release(10, 0).completed);
    EXPECT_FALSE(g.tools.dragging());

    // The right button draws paper: pixels cleared.
    g.tools.press(5, 0, false);
    g.tools.release(5, 0);
    EXPECT_FALSE(g.picture.pixel(5, 0));
}

TEST(ToolGestures, ShapesAreDrawnOnlyOnRelease) {
    Gestures g;
    g.tools.setTool(GfxTool::Line);
    g.tools.press(0, 0, true);
    g.tools.move(20, 0);
    EXPECT_EQ(inkCount(g.picture), 0);
    ASSERT_TRUE(g.tools.shapeDrag());
    EXPECT_EQ(g.tools.shapeDrag()->x1, 20);
    EXPECT_TRUE(g.tools.release(20, 0).completed);
    EXPECT_EQ(inkCount(g.picture), 21);
    EXPECT_FALSE(g.tools.shapeDrag());

    g.tools.setTool(GfxTool::Box);
    g.tools.press(10, 10, true);
    g.tools.release(13, 13);
    EXPECT_EQ(inkCount(g.picture), 21 + 12);
}

TEST(ToolGestures, SelectionSnapsToCellsEitherWayAndStaysInside) {
    Gestures g;
    g.tools.setTool(GfxTool::Selection);
    g.tools.press(30, 21, true);
    g.tools.move(3, 5);
    EXPECT_FALSE(g.tools.release(3, 5).completed);
    EXPECT_EQ(g.tools.selection(), (PixelRect{0, 8, 32, 16}));
    g.tools.press(250, 180, true);
    g.tools.release(400, 400);
    EXPECT_EQ(g.tools.selection(), (PixelRect{248, 184, 8, 8}));
    EXPECT_EQ(inkCount(g.picture), 0);
}

TEST(ToolGestures, ColourPickTakesTheWholeAttributeOnce) {
    Gestures g;
    g.picture.attributeAt(2, 1) = 0xC5;
    g.tools.setTool(GfxTool::ColourPick);
    g.tools.press(17, 9, true);
    EXPECT_EQ(g.tools.takePicked(), std::optional<std::uint8_t>(0xC5));
    EXPECT_FALSE(g.tools.takePicked());
    g.tools.press(-1, 9, true);  // outside: nothing picked
    EXPECT_FALSE(g.tools.takePicked());
}

TEST(ToolGestures, TheMaskPlaneTakesStrokesAndLeavesTheBitmap) {
    Gestures g;
    g.tools.setTool(GfxTool::Box);  // on the mask every tool but Line draws freehand
    g.tools.press(0, 0, true, Plane::Mask);
    g.tools.move(3, 0);
    EXPECT_TRUE(g.tools.release(3, 0).completed);
    for (int x = 0; x <= 3; ++x) EXPECT_TRUE(g.picture.maskPixel(x, 0));
    EXPECT_EQ(inkCount(g.picture), 0);
    EXPECT_EQ(g.picture.attributeAt(0, 0), 56);
}

TEST(TextBrush, NonBlackPixelsMakeABrushOfWholeCells) {
    PixelBuffer pixels(9, 3);
    pixels.at(0, 0) = 0xFFFFFF;
    pixels.at(8, 2) = 0x010000;
    const Brush brush = brushFromPixels(pixels);
    EXPECT_EQ(brush.widthCells, 2);
    EXPECT_EQ(brush.heightCells, 1);
    EXPECT_TRUE(brush.pixel(0, 0));
    EXPECT_TRUE(brush.pixel(8, 2));
    EXPECT_FALSE(brush.pixel(1, 0));
    EXPECT_TRUE(brushFromPixels(PixelBuffer()).bits.empty());
}
