#pragma once
// The drawing primitives every tool of the graphics editor goes through:
// plot, attribute write, line, textured span, box, circle, stamp, spray,
// flood fill, and the selection's snapping.
#include "gfxeditor/picture.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace quillo {

// 16x16 pixels, one row per entry, bit 15 the leftmost pixel.
struct Texture {
    std::array<std::uint16_t, 16> rows{};
    bool pixel(int x, int y) const { return (rows[y & 15] >> (15 - (x & 15))) & 1; }
    static Texture solid() {
        Texture t;
        t.rows.fill(0xFFFF);
        return t;
    }
    bool operator==(const Texture&) const = default;
};

// widthCells x heightCells character cells of 1-bit pixels; row i is bytes
// i*widthCells .. i*widthCells+widthCells-1, bit 7 the leftmost pixel.
struct Brush {
    int widthCells = 0;
    int heightCells = 0;
    std::vector<std::uint8_t> bits;
    int pixelWidth() const { return widthCells * 8; }
    int pixelHeight() const { return heightCells * 8; }
    bool pixel(int j, int i) const { return (bits[i * widthCells + j / 8] >> (7 - j % 8)) & 1; }
    bool operator==(const Brush&) const = default;
};

// What the tools share: the current attribute, the attribute bits kept
// from the cell (Paper 0x38, Ink 0x07, Bright 0x40, Flash 0x80), the line
// pattern (bit k%32 of it decides pixel k of a line), texture and brush.
struct DrawState {
    std::uint8_t attribute = 56;
    std::uint8_t transparency = 0;
    std::uint32_t linePattern = 0xFFFFFFFF;
    Texture texture = Texture::solid();
    Brush brush;
    bool useFill = false;
};

inline constexpr std::uint8_t kKeepPaper = 0x38;
inline constexpr std::uint8_t kKeepInk = 0x07;
inline constexpr std::uint8_t kKeepBright = 0x40;
inline constexpr std::uint8_t kKeepFlash = 0x80;

enum class Plane { Bitmap, Mask };

// value -1 toggles, 1 sets, 0 clears the pixel; attribute >= 0 is written
// into the pixel's cell as (old AND keep) OR (attribute AND NOT keep).
// Outside the picture nothing happens.
void plot(Picture& picture, int x, int y, int value, int attribute, std::uint8_t keep);
void plotMask(Picture& picture, int x, int y, bool set);
void writeAttribute(Picture& picture, int x, int y, std::uint8_t attribute, std::uint8_t keep);

// "%1010..." or "1010...": blanks around ignored, first character the most
// significant bit, stops at the first character that is not 0 or 1.
std::uint32_t parseLinePattern(std::string_view text);
bool isFullLinePattern(std::string_view text);  // exactly 32 characters, for the green/red field

// Lines plot value on the given plane with the state's attribute (bitmap
// only) and pattern.
void drawLine(Picture& picture, Plane plane, int x0, int y0, int x1, int y1, int value, const DrawState& state);
// Each pixel of row y from x0 to x1 (either order) is set where the texture
// is set and cleared where it is clear, with the current attribute.
void texturedSpan(Picture& picture, int y, int x0, int x1, const DrawState& state);
void drawBox(Picture& picture, int x0, int y0, int x1, int y1, int value, const DrawState& state);
void drawCircle(Picture& picture, int cx, int cy, int radius, int value, const DrawState& state);
// The brush centred on (cx, cy), through the texture.
void stamp(Picture& picture, int cx, int cy, const DrawState& state);
// 10 random points of the brush; random(n) gives 0..n-1.
void spray(Picture& picture, int cx, int cy, const DrawState& state, const std::function<int(int)>& random);
// 4-connected fill from (x, y) over the pixels of the seed's value, with an
// explicit stack; reached pixels take `value` and the current attribute.
void floodFill(Picture& picture, int x, int y, int value, const DrawState& state);

// A dragged rectangle with both corners snapped to the nearest multiple of
// `step` ((v + step/2) div step * step) and clamped to the picture.
PixelRect snapSelection(int x0, int y0, int x1, int y1, int step, const Picture& picture);

}  // namespace quillo
