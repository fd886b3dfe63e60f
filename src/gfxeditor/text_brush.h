#pragma once
// "Text to Brush": a rendered picture becomes the brush.
#include "common/pixel_buffer.h"
#include "gfxeditor/drawing.h"

namespace quillo {

// Every pixel that is not black becomes a set brush pixel; the brush is the
// picture's size rounded up to whole character cells. An empty picture
// gives an empty brush.
Brush brushFromPixels(const PixelBuffer& pixels);

}  // namespace quillo
