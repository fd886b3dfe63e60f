#pragma once
#include "common/charset.h"
#include "common/pixel_buffer.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quillo {

// A grid of Spectrum character cells (a character code and an attribute
// byte each: ink in bits 0-3, paper in bits 4-7) drawn with a character set
// and a 16-colour palette. Used by the help strip and the ASCII table.
class CellScreen {
public:
    static constexpr int kColumns = 256;
    static constexpr int kRows = 3;

    explicit CellScreen(const Charset& charset) : charset_(charset) {}

    // Stores up to 255 characters from the given cell onward, clipped at the
    // right edge.
    void write(int column, int row, int ink, int paper, std::string_view text);
    // Renders columns x rows cells into the image at 8x8 pixels a cell; cells
    // outside the grid or the image are left out.
    void draw(int columns, int rows, PixelBuffer& image) const;

    std::uint8_t character(int column, int row) const { return cells_[index(column, row)].character; }
    std::uint8_t attribute(int column, int row) const { return cells_[index(column, row)].attribute; }

    // Palette as 0x00BBGGRR (Windows colour values) and as 0x00RRGGBB.
    static const std::array<std::uint32_t, 16>& paletteBgr();
    static std::uint32_t paletteRgb(int index);

private:
    struct Cell {
        std::uint8_t character = 0;
        std::uint8_t attribute = 0;
    };
    static std::size_t index(int column, int row) { return static_cast<std::size_t>(row) * kColumns + column; }

    Charset charset_;
    std::array<Cell, kColumns * kRows> cells_{};
};

}  // namespace quillo
