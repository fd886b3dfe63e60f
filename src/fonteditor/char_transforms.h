#pragma once
// Whole-character operations of the font editor: the Edit-menu transforms,
// the pixel moves and the moves of whole characters inside the range.
#include "fonteditor/working_font.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quillo {

enum class CharTransform {
    Clear, Invert, Mirror, Flip, ItalicEighth, ItalicQuarter, Bold, Rotate, RecalcTo4x8,
    AlignLeft, AlignRight, Restore,
};

enum class PixelMove { RollUp, RollDown, RollLeft, RollRight, ScrollUp, ScrollDown, ScrollLeft, ScrollRight };

enum class RangeMove { RollLeft, RollRight, ScrollLeft, ScrollRight };

// One character's 8 rows transformed in place; code decides what "Restore"
// brings back.
void transformGlyph(std::uint8_t* rows, CharTransform transform, int code);
void moveGlyphPixels(std::uint8_t* rows, PixelMove move);

// The transform or pixel move on every unprotected character of span.
void transformChars(WorkingFont& font, CharSpan span, CharTransform transform);
void moveCharPixels(WorkingFont& font, CharSpan span, PixelMove move);

// The highest protected code in span, if any.
std::optional<int> highestProtected(const WorkingFont& font, CharSpan span);

// Moves whole characters inside the range (flags stay with the codes). A
// range holding a protected character is left alone; its highest protected
// code is returned so the caller can name it.
std::optional<int> moveRange(WorkingFont& font, RangeMove move);

// "Protected characters found (n)\nOperation breaked".
std::string protectedMessage(int code);

}  // namespace quillo
