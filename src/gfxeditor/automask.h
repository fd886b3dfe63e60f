#pragma once
// Builds the mask plane from the bitmap, each scan looking at a larger
// neighbourhood of every pixel.
#include "gfxeditor/picture.h"

namespace quillo {

enum class AutomaskScan { Pixel, Plus, Box3x3 };

// Rewrites the mask inside `area` (clipped to the picture; the whole
// picture when empty).
void buildAutomask(Picture& picture, AutomaskScan scan, PixelRect area = {});

}  // namespace quillo
