#include "gfxeditor/text_brush.h"

namespace quillo {

Brush brushFromPixels(const PixelBuffer& pixels) {
    Brush brush;
    if (pixels.width <= 0 || pixels.height <= 0) return brush;
    brush.widthCells = (pixels.width + 7) / 8;
    brush.heightCells = (pixels.height + 7) / 8;
    brush.bits.assign(static_cast<std::size_t>(brush.widthCells) * brush.pixelHeight(), 0);
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            if ((pixels.at(x, y) & 0xFFFFFF) != 0)
                brush.bits[static_cast<std::size_t>(y) * brush.widthCells + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    return brush;
}

}  // namespace quillo
