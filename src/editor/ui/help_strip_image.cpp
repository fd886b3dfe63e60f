#include "editor/ui/help_strip_image.h"

#include "common/cell_screen.h"
#include "common/ui/pixel_image.h"

#include <algorithm>

namespace quillo {

namespace {
constexpr int kInkYellow = 6;
constexpr int kPaperBlack = 0;
}  // namespace

QImage renderHelpStrip(const std::string& text, int widthPx, const Charset& charset) {
    const int width = std::max(widthPx, 8) / 8 * 8;
    const int columns = width / 8;
    std::string padded = text;
    if (static_cast<int>(padded.size()) < columns - 1) padded.resize(static_cast<std::size_t>(columns - 1), ' ');
    CellScreen screen(charset);
    screen.write(0, 0, kInkYellow, kPaperBlack, padded);
    PixelBuffer pixels(width, 8);
    screen.draw(columns, 1, pixels);
    return toImage(pixels);
}

}  // namespace quillo
