#pragma once
// What the mouse does on the picture with each drawing tool, in picture
// pixels: press, moves while a button is held, release. The window only
// turns its mouse events into these calls and repaints what changed.
#include "gfxeditor/drawing.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace quillo {

enum class GfxTool { Endless, Stamp, Line, Attribute, Fill, Spray, Selection, Box, Circle, ColourPick };

// The status bar's name of a tool.
const char* toolName(GfxTool tool);

struct GestureStep {
    PixelRect changed;       // picture pixels to redraw (empty: none)
    bool completed = false;  // a finished drawing operation: time for an undo snapshot
};

class ToolGestures {
public:
    // random(n) gives 0..n-1, for the spray.
    ToolGestures(Picture& picture, DrawState& state, std::function<int(int)> random);

    GfxTool tool() const { return tool_; }
    void setTool(GfxTool tool);

    // The left button draws ink (value 1), the right one paper (value 0);
    // on the mask plane they set and clear mask bits.
    GestureStep press(int x, int y, bool left, Plane plane = Plane::Bitmap);
    GestureStep move(int x, int y);
    GestureStep release(int x, int y);
    bool dragging() const { return down_; }

    // The shape being dragged by "Line", "Box", "Circle" and "Selection",
    // for the preview: start and current point.
    struct Drag {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    };
    std::optional<Drag> shapeDrag() const;
    static int circleRadius(const Drag& drag);

    // Selection corners snap to character cells unless switched off.
    bool snapToCells = true;
    PixelRect selection() const { return selection_; }
    void setSelection(PixelRect rect) { selection_ = rect; }
    // The attribute the colour pick took, once.
    std::optional<std::uint8_t> takePicked();

private:
    GestureStep drawShape(int x, int y);
    GestureStep paintAt(int x, int y);
    PixelRect around(int x0, int y0, int x1, int y1, int margin = 0) const;

    Picture& picture_;
    DrawState& state_;
    std::function<int(int)> random_;
    GfxTool tool_ = GfxTool::Endless;
    bool down_ = false;
    int value_ = 1;
    Plane plane_ = Plane::Bitmap;
    int startX_ = 0, startY_ = 0, lastX_ = 0, lastY_ = 0;
    PixelRect selection_;
    std::optional<std::uint8_t> picked_;
};

}  // namespace quillo
