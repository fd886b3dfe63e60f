#include "fonteditor/pc_font_cell.h"

namespace quillo {

int pcFontCellOrigin(int extent) {
    const int half = extent >= 0 ? extent / 2 : -((-extent + 1) / 2);
    return 4 - half;
}

Glyph glyphFromPixels(const std::function<bool(int x, int y)>& inked) {
    Glyph g{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (inked(x, y)) g[y] |= static_cast<std::uint8_t>(0x80 >> x);
    return g;
}

}  // namespace quillo
