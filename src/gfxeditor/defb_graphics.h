#pragma once
// DEFB byte data as pictures: the three byte orders of graphics data, the
// conversion of a selection into the graphics editor's picture, and the
// empty DEFB buffer.
#include "gfxeditor/picture.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <string>
#include <vector>

namespace quillo {

// The values are the index in the "Source Type:" lists.
enum class GraphicsOrder { Progressive = 0, Characters = 1, Columns = 2 };

// The w*h*8 bytes of a w x h cell picture (missing bytes taken as 0) in the
// linear order, and back.
std::vector<std::uint8_t> toLinear(std::span<const std::uint8_t> bytes, GraphicsOrder from, int widthCells,
                                   int heightCells);
std::vector<std::uint8_t> fromLinear(std::span<const std::uint8_t> linear, GraphicsOrder to, int widthCells,
                                     int heightCells);

// "Reorder graphics Data": the selection's bytes from one order to another, as DEFB text.
std::string reorderDefbText(std::string_view selection, GraphicsOrder from, GraphicsOrder to, int widthCells,
                            int heightCells);

// "Convert selection to" > "Graphics": the picture recreated at w x h and
// filled with the bitmap (and the following w*h attribute bytes, or 56).
void defbToPicture(std::span<const std::uint8_t> bytes, GraphicsOrder from, int widthCells, int heightCells,
                   bool withAttributes, Picture& picture);

// "Create DEFB Buffer": "buffer:\nASM\n", height lines of "\tDEFB " and
// width zeros, then "END ASM".
std::string defbBufferText(int widthBytes, int heightLines);

}  // namespace quillo
