#pragma once
// The standard ZX Spectrum shapes the font editor restores from, and
// loading a library font into the working font.
#include "fonteditor/working_font.h"

#include <cstddef>

namespace quillo {

// Characters 32..127 the standard font, 144..164 the standard UDGs ("A".."U"),
// anything else empty.
Glyph standardShape(int code);

// Characters 144..164 := the standard UDG shapes, whatever their protection.
void setUdgToStandard(WorkingFont& font);

// Clears bitmaps and flags, then fills the characters the entry's kind
// covers; printable fonts get the protected block graphics, entry 0 the
// UDGs too. The range is kept.
void loadLibraryFont(WorkingFont& font, std::size_t index);

}  // namespace quillo
