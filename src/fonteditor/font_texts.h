#pragma once
// The font editor's text exchange: assembler and BASIC exports for files
// and the clipboard, and DEFB or BASIC data coming back from the clipboard.
#include "fonteditor/working_font.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// One "\tDEFB\t..." line per character of span.
std::string fontAsmText(const WorkingFont& font, CharSpan span);
// "Dim font (n) As uByte => { _" ... "Poke uInteger 23606, (@font (0)) - 256".
std::string fontBasicText(const WorkingFont& font, CharSpan span);

// "Single Char", "Character Range", "All 256 Characters".
std::string_view scopeWhat(FontScope scope);
// The description the binary manager is handed.
std::string binaryDescription(FontScope scope, CharSpan span);
std::string binaryFileName(int current);

// Text with "_" is BASIC array data, anything else DEFB lines.
std::vector<std::uint8_t> parseFontClipboard(std::string_view text);
// Writes bytes from row 0 of character current on; what runs past
// character 255 is dropped. Protection is not consulted.
void writeFromChar(Charset& bitmaps, int current, const std::vector<std::uint8_t>& bytes);

}  // namespace quillo
