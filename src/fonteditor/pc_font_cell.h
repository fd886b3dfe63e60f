#pragma once
// How a character drawn from a PC font lands in an 8x8 cell: centred on
// (4, 4) by its text extent, each non-black pixel an ink bit.
#include "fonteditor/working_font.h"

#include <functional>

namespace quillo {

// The left (or top) edge for a text extent: 4 - extent / 2, rounding down.
int pcFontCellOrigin(int extent);

// Row y, bit 7 - x set where inked(x, y) holds.
Glyph glyphFromPixels(const std::function<bool(int x, int y)>& inked);

}  // namespace quillo
