#pragma once
// The selected rectangle of the picture as DEFB bytes, in one of three byte
// orders, optionally with a mask byte before each bitmap byte and the
// attributes after the bitmap.
#include "gfxeditor/picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillo {

// The values are the remembered choice's index in the "Format" list.
enum class ExportOrder { Progressive = 0, Columns = 1, Char = 2 };
enum class ExportMask { None = 0, Interleaved = 1 };

struct ExportChoice {
    ExportOrder order = ExportOrder::Progressive;
    bool attributes = false;
    ExportMask mask = ExportMask::None;
};

// The selection is clipped to the picture first.
std::vector<std::uint8_t> exportBytes(const Picture& picture, PixelRect selection, const ExportChoice& choice);
// The same through the shared DEFB formatter; empty when there are no bytes.
std::string exportText(const Picture& picture, PixelRect selection, const ExportChoice& choice);
// "Frame Information:", "Width: ...", "Height: ...", "Bytes: ...", "StartPos: x,y".
std::vector<std::string> frameInformation(PixelRect selection);

}  // namespace quillo
