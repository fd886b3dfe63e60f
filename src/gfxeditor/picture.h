#pragma once
// The graphics editor's picture: whole 8x8 character cells with one
// attribute byte each, and a mask plane for sprites. It lives for the whole
// run, so closing the editor window loses nothing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillo {

// Every picture lives in one 64 KB block: bitmap, attributes, mask.
inline constexpr std::size_t kPictureBlockSize = 65536;
inline constexpr int kPictureBytesPerCell = 17;
inline constexpr int kPictureMaxCells = static_cast<int>(kPictureBlockSize / kPictureBytesPerCell);  // 3855
inline constexpr int kScreenColumns = 32;
inline constexpr int kScreenRows = 24;

// Display colours as 0x00RRGGBB, index = BRIGHT * 8 + colour.
using Palette = std::array<std::uint32_t, 16>;
extern const Palette kDisplayPalette;
// The pure colours (each component 0 or 255) of the swatches and the colour pick.
extern const std::array<std::uint32_t, 8> kPureColours;

// Offsets and sizes of the three planes, in the order they are stored.
struct PictureLayout {
    std::int32_t bitmapAndAttributeSize = 0;
    std::int32_t maskSize = 0;
    std::int32_t bitmapOffset = 0;
    std::int32_t maskOffset = 0;
    std::int32_t attributeOffset = 0;
    std::int32_t attributeSize = 0;
    std::int32_t totalSize = 0;
    std::int32_t maskSizeTimes32 = 0;

    static PictureLayout forCells(int width, int height);
};

// A rectangle in picture pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const PixelRect&) const = default;
};

class Picture {
public:
    // A new picture: 32x24 cells of attribute 56, named "NewScr".
    Picture();

    static bool fits(int widthCells, int heightCells) {
        return widthCells >= 1 && heightCells >= 1 && widthCells * heightCells <= kPictureMaxCells;
    }
    // Create-or-clear: new size, bitmap and mask cleared, every attribute set
    // to `attribute`. A size that does not fit the block changes nothing.
    bool recreate(int widthCells, int heightCells, std::uint8_t attribute);
    // The same at the current size.
    void clear(std::uint8_t attribute) { recreate(width_, height_, attribute); }

    int width() const { return width_; }    // in character cells
    int height() const { return height_; }  // in character cells
    int pixelWidth() const { return width_ * 8; }
    int pixelHeight() const { return height_ * 8; }
    int mode() const { return 0; }  // ZX Spectrum standard 8x8 attribute
    const PictureLayout& layout() const { return layout_; }

    std::string name = "NewScr";
    std::string fileName = "c:\\NewImage";

    // Bitmap rows are linear: row y is bytes y*width .. y*width+width-1,
    // pixel x is bit 7 - x%8, a set bit is ink. The mask has the same layout.
    std::uint8_t* bitmap() { return block_.data(); }
    const std::uint8_t* bitmap() const { return block_.data(); }
    std::uint8_t* attributes() { return block_.data() + layout_.attributeOffset; }
    const std::uint8_t* attributes() const { return block_.data() + layout_.attributeOffset; }
    std::uint8_t* mask() { return block_.data() + layout_.maskOffset; }
    const std::uint8_t* mask() const { return block_.data() + layout_.maskOffset; }
    // The whole document (total size bytes): what undo snapshots copy.
    std::span<std::uint8_t> data() { return {block_.data(), static_cast<std::size_t>(layout_.totalSize)}; }
    std::span<const std::uint8_t> data() const {
        return {block_.data(), static_cast<std::size_t>(layout_.totalSize)};
    }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < pixelWidth() && y < pixelHeight(); }
    PixelRect bounds() const { return {0, 0, pixelWidth(), pixelHeight()}; }
    // Callers check contains() first.
    bool pixel(int x, int y) const { return (bitmap()[y * width_ + x / 8] >> (7 - x % 8)) & 1; }
    bool maskPixel(int x, int y) const { return (mask()[y * width_ + x / 8] >> (7 - x % 8)) & 1; }
    std::uint8_t& attributeAt(int column, int row) { return attributes()[row * width_ + column]; }
    std::uint8_t attributeAt(int column, int row) const { return attributes()[row * width_ + column]; }
    std::uint8_t attributeOfPixel(int x, int y) const { return attributeAt(x / 8, y / 8); }

private:
    int width_ = kScreenColumns;
    int height_ = kScreenRows;
    PictureLayout layout_;
    std::vector<std::uint8_t> block_;
};

// The part of a rectangle inside the picture (empty when none is).
PixelRect clipToPicture(PixelRect rect, const Picture& picture);

}  // namespace quillo
