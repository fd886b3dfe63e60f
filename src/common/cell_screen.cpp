#include "common/cell_screen.h"

#include <algorithm>

namespace quillo {

const std::array<std::uint32_t, 16>& CellScreen::paletteBgr() {
    static constexpr std::array<std::uint32_t, 16> kPalette = {
        0x000000, 0xFF0000, 0x0000FF, 0xFF00FF, 0x00FF00, 0xFFFF00, 0x00FFFF, 0xFFFFFF,
        0x404040, 0x800000, 0x000080, 0x800080, 0x008000, 0x808000, 0x008080, 0x808080};
    return kPalette;
}

std::uint32_t CellScreen::paletteRgb(int index) {
    const std::uint32_t bgr = paletteBgr()[static_cast<std::size_t>(index & 15)];
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

void CellScreen::write(int column, int row, int ink, int paper, std::string_view text) {
    if (row < 0 || row >= kRows || column < 0) return;
    const auto attribute = static_cast<std::uint8_t>((ink & 15) | ((paper & 15) << 4));
    const std::size_t count = std::min<std::size_t>(text.size(), 255);
    for (std::size_t i = 0; i < count && column + static_cast<int>(i) < kColumns; ++i) {
        Cell& cell = cells_[index(column + static_cast<int>(i), row)];
        cell.character = static_cast<std::uint8_t>(text[i]);
        cell.attribute = attribute;
    }
}

void CellScreen::draw(int columns, int rows, PixelBuffer& image) const {
    columns = std::min({columns, kColumns, image.width / 8});
    rows = std::min({rows, kRows, image.height / 8});
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const Cell& cell = cells_[index(column, row)];
            const std::uint32_t ink = paletteRgb(cell.attribute & 15);
            const std::uint32_t paper = paletteRgb(cell.attribute >> 4);
            const std::uint8_t* bits = glyph(charset_, cell.character);
            for (int y = 0; y < 8; ++y) {
                std::uint32_t* out = image.pixels.data() + static_cast<std::size_t>(row * 8 + y) * image.width + column * 8;
                for (int x = 0; x < 8; ++x) out[x] = (bits[y] & (0x80 >> x)) ? ink : paper;
            }
        }
    }
}

}  // namespace quillo
