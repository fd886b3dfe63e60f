#include "gfxeditor/drawing.h"

#include "common/text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace quillo {

namespace {

std::uint8_t* byteOf(std::uint8_t* plane, const Picture& picture, int x, int y) {
    return plane + y * picture.width() + x / 8;
}

std::uint8_t bitOf(int x) { return static_cast<std::uint8_t>(0x80 >> (x % 8)); }

void plotOn(Picture& picture, Plane plane, int x, int y, int value, const DrawState& state) {
    if (plane == Plane::Mask)
        plotMask(picture, x, y, value == 1);
    else
        plot(picture, x, y, value, state.attribute, state.transparency);
}

}  // namespace

void plot(Picture& picture, int x, int y, int value, int attribute, std::uint8_t keep) {
    if (!picture.contains(x, y)) return;
    std::uint8_t& byte = *byteOf(picture.bitmap(), picture, x, y);
    if (value < 0)
        byte ^= bitOf(x);
    else if (value)
        byte |= bitOf(x);
    else
        byte &= static_cast<std::uint8_t>(~bitOf(x));
    if (attribute >= 0) writeAttribute(picture, x, y, static_cast<std::uint8_t>(attribute), keep);
}

void plotMask(Picture& picture, int x, int y, bool set) {
    if (!picture.contains(x, y)) return;
    std::uint8_t& byte = *byteOf(picture.mask(), picture, x, y);
    byte = set ? (byte | bitOf(x)) : (byte & static_cast<std::uint8_t>(~bitOf(x)));
}

void writeAttribute(Picture& picture, int x, int y, std::uint8_t attribute, std::uint8_t keep) {
    if (!picture.contains(x, y)) return;
    std::uint8_t& cell = picture.attributeAt(x / 8, y / 8);
    cell = static_cast<std::uint8_t>((cell & keep) | (attribute & ~keep));
}

std::uint32_t parseLinePattern(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '%') text.remove_prefix(1);
    std::uint32_t pattern = 0;
    for (const char c : text) {
        if (c != '0' && c != '1') break;
        pattern = (pattern << 1) | (c == '1' ? 1u : 0u);
    }
    return pattern;
}

bool isFullLinePattern(std::string_view text) { return text.size() == 32; }

void drawLine(Picture& picture, Plane plane, int x0, int y0, int x1, int y1, int value, const DrawState& state) {
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = xMajor ? std::abs(dx) : std::abs(dy);
    // The minor coordinate is computed afresh each step (not accumulated), so
    // both ends land exactly and a line drawn backwards covers the same pixels.
    const double slope = steps ? static_cast<double>(xMajor ? dy : dx) / steps : 0.0;
    const int direction = (xMajor ? dx : dy) < 0 ? -1 : 1;
    for (int k = 0; k <= steps; ++k) {
        if (!((state.linePattern >> (k % 32)) & 1)) continue;
        const int major = direction * k;
        const int minor = static_cast<int>(std::lround(k * slope));
        if (xMajor)
            plotOn(picture, plane, x0 + major, y0 + minor, value, state);
        else
            plotOn(picture, plane, x0 + minor, y0 + major, value, state);
    }
}

void texturedSpan(Picture& picture, int y, int x0, int x1, const DrawState& state) {
    if (y < 0 || y >= picture.pixelHeight()) return;
    if (x0 > x1) std::swap(x0, x1);
    x0 = std::max(x0, 0);
    x1 = std::min(x1, picture.pixelWidth() - 1);
    for (int x = x0; x <= x1; ++x)
        plot(picture, x, y, state.texture.pixel(x, y) ? 1 : 0, state.attribute, state.transparency);
}

void drawBox(Picture& picture, int x0, int y0, int x1, int y1, int value, const DrawState& state) {
    if (state.useFill)
        for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) texturedSpan(picture, y, x0, x1, state);
    drawLine(picture, Plane::Bitmap, x0, y0, x1, y0, value, state);
    drawLine(picture, Plane::Bitmap, x1, y0, x1, y1, value, state);
    drawLine(picture, Plane::Bitmap, x1, y1, x0, y1, value, state);
    drawLine(picture, Plane::Bitmap, x0, y1, x0, y0, value, state);
}

void drawCircle(Picture& picture, int cx, int cy, int radius, int value, const DrawState& state) {
    if (radius < 0) return;
    // Walks the octant from (radius, 0) up to the diagonal; the decision value
    // is the running error in half steps, so it starts at half the radius.
    int x = radius;
    int y = 0;
    int decision = (radius + 1) / 2;
    while (y <= x) {
        if (state.useFill) {
            texturedSpan(picture, cy + y, cx - x, cx + x, state);
            texturedSpan(picture, cy - y, cx - x, cx + x, state);
            texturedSpan(picture, cy + x, cx - y, cx + y, state);
            texturedSpan(picture, cy - x, cx - y, cx + y, state);
        } else {
            for (const auto& [px, py] : {std::pair{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x},
                                         {x, -y}})
                plot(picture, cx + px, cy + py, value, state.attribute, state.transparency);
        }
        ++y;
        decision -= y;
        if (decision < 0) {
            decision += x;
            --x;
        }
    }
}

void stamp(Picture& picture, int cx, int cy, const DrawState& state) {
    const Brush& brush = state.brush;
    const int left = cx - brush.pixelWidth() / 2;
    const int top = cy - brush.pixelHeight() / 2;
    for (int i = 0; i < brush.pixelHeight(); ++i)
        for (int j = 0; j < brush.pixelWidth(); ++j)
            if (brush.pixel(j, i) && state.texture.pixel(cx + j, cy + i))
                plot(picture, left + j, top + i, 1, state.attribute, state.transparency);
}

void spray(Picture& picture, int cx, int cy, const DrawState& state, const std::function<int(int)>& random) {
    const Brush& brush = state.brush;
    if (brush.pixelWidth() <= 0 || brush.pixelHeight() <= 0) return;
    for (int n = 0; n < 10; ++n) {
        const int j = random(brush.pixelWidth());
        const int i = random(brush.pixelHeight());
        if (brush.pixel(j, i))
            plot(picture, cx + j - brush.pixelWidth() / 2, cy + i - brush.pixelHeight() / 2, 1, state.attribute,
                 state.transparency);
    }
}

void floodFill(Picture& picture, int x, int y, int value, const DrawState& state) {
    if (!picture.contains(x, y)) return;
    const int width = picture.pixelWidth();
    const bool seed = picture.pixel(x, y);
    // A pixel is marked when it is pushed, so each is pushed at most once: the
    // stack never outgrows the picture, and a fill with the seed's own value
    // (which leaves the pixels matching) still ends.
    std::vector<std::uint8_t> marked(static_cast<std::size_t>(width) * picture.pixelHeight(), 0);
    std::vector<std::pair<std::uint16_t, std::uint16_t>> pending;
    const auto push = [&](int px, int py) {
        if (!picture.contains(px, py) || marked[py * width + px] || picture.pixel(px, py) != seed) return;
        marked[py * width + px] = 1;
        pending.emplace_back(static_cast<std::uint16_t>(px), static_cast<std::uint16_t>(py));
    };
    push(x, y);
    while (!pending.empty()) {
        const auto [px, py] = pending.back();
        pending.pop_back();
        plot(picture, px, py, value, state.attribute, state.transparency);
        push(px + 1, py);
        push(px - 1, py);
        push(px, py + 1);
        push(px, py - 1);
    }
}

PixelRect snapSelection(int x0, int y0, int x1, int y1, int step, const Picture& picture) {
    step = std::max(step, 1);
    const auto snap = [step](int v, int limit) { return std::clamp((v + step / 2) / step * step, 0, limit); };
    const int left = snap(std::min(x0, x1), picture.pixelWidth());
    const int right = snap(std::max(x0, x1), picture.pixelWidth());
    const int top = snap(std::min(y0, y1), picture.pixelHeight());
    const int bottom = snap(std::max(y0, y1), picture.pixelHeight());
    return {left, top, right - left, bottom - top};
}

}  // namespace quillo
