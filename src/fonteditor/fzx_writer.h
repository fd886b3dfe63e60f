#pragma once
// FZX proportional fonts, as the compiler's printfzx library prints them:
// a 3-byte header (height, tracking, last character), then for each of
// the characters 32..last a 3-byte entry (a 14-bit offset from the entry to
// its definition with a 2-bit kern, then shift << 4 | width - 1), one more
// offset word that ends the last definition, then the definitions: one
// byte a row, ink from bit 7, the blank rows above (shift) and below left out.
#include "fonteditor/working_font.h"

#include <string>

namespace quillo {

inline constexpr int kFzxLastChar = 127;
inline constexpr int kFzxTracking = 1;

// Characters 32..127, each cut to its inked columns by its column metrics.
std::string fzxBytes(const WorkingFont& font);

}  // namespace quillo
