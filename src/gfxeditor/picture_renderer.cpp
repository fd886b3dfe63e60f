#include "gfxeditor/picture_renderer.h"

#include "common/attribute.h"

#include <algorithm>

namespace quillo {

PictureRenderer::PictureRenderer(const Palette& palette) : palette_(palette), table_(256 * 256 * 8) { rebuild(); }

void PictureRenderer::setPalette(const Palette& palette) {
    palette_ = palette;
    rebuild();
}

void PictureRenderer::setFlashInverted(bool inverted) {
    if (inverted == flashInverted_) return;
    flashInverted_ = inverted;
    rebuild();
}

void PictureRenderer::rebuild() {
    for (int a = 0; a < 256; ++a) {
        const auto attr = static_cast<std::uint8_t>(a);
        const int half = attribute::bright(attr) ? 8 : 0;
        std::uint32_t ink = palette_[half + attribute::ink(attr)];
        std::uint32_t paper = palette_[half + attribute::paper(attr)];
        if (flashInverted_ && attribute::flash(attr)) std::swap(ink, paper);
        std::uint32_t* out = table_.data() + a * 256 * 8;
        for (int byte = 0; byte < 256; ++byte)
            for (int bit = 0; bit < 8; ++bit) *out++ = (byte >> (7 - bit)) & 1 ? ink : paper;
    }
}

void PictureRenderer::render(const Picture& picture, std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect area,
                             RenderOptions options) const {
    area = clipToPicture(area, picture);
    if (area.empty()) return;
    const int width = picture.width();
    const int firstColumn = area.x / 8;
    const int lastColumn = (area.x + area.width - 1) / 8;
    for (int y = area.y; y < area.y + area.height; ++y) {
        const std::uint8_t* row = picture.bitmap() + y * width;
        const int cellRow = y / 8;
        std::uint32_t* out = pixels + y * stride + firstColumn * 8;
        for (int c = firstColumn; c <= lastColumn; ++c, out += 8) {
            // Hidden attributes: black on white, BRIGHT in a checkerboard so cell edges stay visible.
            const std::uint8_t attr = options.hideAttributes
                                          ? static_cast<std::uint8_t>(attribute::kDefault | ((c + cellRow) & 1 ? 0x40 : 0))
                                          : picture.attributeAt(c, cellRow);
            std::copy_n(table_.data() + (attr * 256 + row[c]) * 8, 8, out);
        }
    }
}

}  // namespace quillo
