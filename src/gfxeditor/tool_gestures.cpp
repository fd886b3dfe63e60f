#include "gfxeditor/tool_gestures.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quillo {

const char* toolName(GfxTool tool) {
    switch (tool) {
    case GfxTool::Endless: return "Endless";
    case GfxTool::Stamp: return "Stamp";
    case GfxTool::Line: return "Line";
    case GfxTool::Attribute: return "Attribute";
    case GfxTool::Fill: return "Fill";
    case GfxTool::Spray: return "Spray";
    case GfxTool::Selection: return "Selection";
    case GfxTool::Box: return "Box";
    case GfxTool::Circle: return "Circle";
    case GfxTool::ColourPick: return "Colour pick";
    }
    return "";
}

ToolGestures::ToolGestures(Picture& picture, DrawState& state, std::function<int(int)> random)
    : picture_(picture), state_(state), random_(std::move(random)) {}

void ToolGestures::setTool(GfxTool tool) {
    tool_ = tool;
    down_ = false;
}

PixelRect ToolGestures::around(int x0, int y0, int x1, int y1, int margin) const {
    const int left = std::min(x0, x1) - margin;
    const int top = std::min(y0, y1) - margin;
    return clipToPicture({left, top, std::abs(x1 - x0) + 1 + 2 * margin, std::abs(y1 - y0) + 1 + 2 * margin}, picture_);
}

int ToolGestures::circleRadius(const Drag& d) {
    return static_cast<int>(std::lround(std::hypot(d.x1 - d.x0, d.y1 - d.y0)));
}

std::optional<ToolGestures::Drag> ToolGestures::shapeDrag() const {
    const bool shape = tool_ == GfxTool::Line || tool_ == GfxTool::Box || tool_ == GfxTool::Circle ||
                       tool_ == GfxTool::Selection;
    if (!down_ || !shape || (plane_ == Plane::Mask && tool_ != GfxTool::Line)) return std::nullopt;
    return Drag{startX_, startY_, lastX_, lastY_};
}

std::optional<std::uint8_t> ToolGestures::takePicked() { return std::exchange(picked_, std::nullopt); }

GestureStep ToolGestures::paintAt(int x, int y) {
    // The tools that paint where the pointer is, on the press and on every move.
    const int brushMargin = std::max(state_.brush.pixelWidth(), state_.brush.pixelHeight()) + 8;
    switch (tool_) {
    case GfxTool::Stamp: stamp(picture_, x, y, state_); return {around(x, y, x, y, brushMargin)};
    case GfxTool::Spray: spray(picture_, x, y, state_, random_); return {around(x, y, x, y, brushMargin)};
    case GfxTool::Attribute:
        writeAttribute(picture_, x, y, state_.attribute, state_.transparency);
        return {around(x, y, x, y, 8)};
    default: return {};
    }
}

GestureStep ToolGestures::press(int x, int y, bool left, Plane plane) {
    down_ = true;
    value_ = left ? 1 : 0;
    plane_ = plane;
    startX_ = lastX_ = x;
    startY_ = lastY_ = y;
    if (plane == Plane::Mask) {
        // The mask takes freehand strokes and lines; other tools draw freehand on it.
        if (tool_ == GfxTool::Line) return {};
        plotMask(picture_, x, y, left);
        return {around(x, y, x, y)};
    }
    switch (tool_) {
    case GfxTool::Endless:
        plot(picture_, x, y, value_, state_.attribute, state_.transparency);
        return {around(x, y, x, y, 8)};
    case GfxTool::Stamp:
    case GfxTool::Spray:
    case GfxTool::Attribute: return paintAt(x, y);
    case GfxTool::Fill:
        down_ = false;
        floodFill(picture_, x, y, value_, state_);
        return {picture_.bounds(), true};
    case GfxTool::ColourPick:
        down_ = false;
        if (picture_.contains(x, y)) picked_ = picture_.attributeOfPixel(x, y);
        return {};
    case GfxTool::Selection:
        selection_ = snapSelection(x, y, x, y, snapToCells ? 8 : 1, picture_);
        return {};
    case GfxTool::Line:
    case GfxTool::Box:
    case GfxTool::Circle: return {};
    }
    return {};
}

GestureStep ToolGestures::move(int x, int y) {
    if (!down_) return {};
    const int px = lastX_, py = lastY_;
    lastX_ = x;
    lastY_ = y;
    if (plane_ == Plane::Mask) {
        if (tool_ == GfxTool::Line) return {};
        drawLine(picture_, Plane::Mask, px, py, x, y, value_, state_);
        return {around(px, py, x, y)};
    }
    switch (tool_) {
    case GfxTool::Endless:
        // Joining each position to the last keeps a fast stroke continuous.
        drawLine(picture_, Plane::Bitmap, px, py, x, y, value_, state_);
        return {around(px, py, x, y, 8)};
    case GfxTool::Stamp:
    case GfxTool::Spray:
    case GfxTool::Attribute: return paintAt(x, y);
    case GfxTool::Selection:
        selection_ = snapSelection(startX_, startY_, x, y, snapToCells ? 8 : 1, picture_);
        return {};
    default: return {};
    }
}

GestureStep ToolGestures::drawShape(int x, int y) {
    const int value = value_;
    if (plane_ == Plane::Mask) {
        drawLine(picture_, Plane::Mask, startX_, startY_, x, y, value, state_);
        return {around(startX_, startY_, x, y), true};
    }
    switch (tool_) {
    case GfxTool::Line:
        drawLine(picture_, Plane::Bitmap, startX_, startY_, x, y, value, state_);
        return {around(startX_, startY_, x, y, 8), true};
    case GfxTool::Box:
        drawBox(picture_, startX_, startY_, x, y, value, state_);
        return {around(startX_, startY_, x, y, 8), true};
    case GfxTool::Circle: {
        const int r = circleRadius({startX_, startY_, x, y});
        drawCircle(picture_, startX_, startY_, r, value, state_);
        return {around(startX_ - r, startY_ - r, startX_ + r, startY_ + r, 8), true};
    }
    default: return {};
    }
}

GestureStep ToolGestures::release(int x, int y) {
    if (!down_) return {};
    move(x, y);
    down_ = false;
    if (plane_ == Plane::Mask) return tool_ == GfxTool::Line ? drawShape(x, y) : GestureStep{{}, true};
    switch (tool_) {
    case GfxTool::Line:
    case GfxTool::Box:
    case GfxTool::Circle: return drawShape(x, y);
    case GfxTool::Selection: return {};
    default: return {{}, true};
    }
}

}  // namespace quillo
