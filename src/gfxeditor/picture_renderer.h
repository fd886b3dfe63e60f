#pragma once
// Turns the picture into display colours. A table of 256 attributes x 256
// bitmap bytes x 8 pixels is built whenever the palette or the flash phase
// changes, so a cell row is drawn by copying 8 colours per bitmap byte.
#include "gfxeditor/picture.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillo {

struct RenderOptions {
    bool hideAttributes = false;  // every cell 56, BRIGHT in a checkerboard
};

class PictureRenderer {
public:
    explicit PictureRenderer(const Palette& palette = kDisplayPalette);

    void setPalette(const Palette& palette);
    // The inverted phase draws FLASH cells with ink and paper exchanged.
    void setFlashInverted(bool inverted);
    bool flashInverted() const { return flashInverted_; }

    // Writes the colours (0x00RRGGBB) of the picture pixels in `area`
    // (clipped to the picture) into `pixels`, a 1:1 image of the whole
    // picture with `stride` pixels per row.
    void render(const Picture& picture, std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect area,
                RenderOptions options = {}) const;

private:
    void rebuild();
    Palette palette_;
    bool flashInverted_ = false;
    std::vector<std::uint32_t> table_;  // [attribute][byte][pixel]
};

}  // namespace quillo
