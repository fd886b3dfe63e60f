#pragma once
// Small ASCII text helpers shared by every parser. Sources, settings and
// compiler output are 8-bit text: case rules apply to A-Z only, so bytes
// above 127 are never changed by a locale.
#include <string>
#include <string_view>

namespace quillo {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
constexpr char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

std::string toLowerAscii(std::string_view text);
std::string toUpperAscii(std::string_view text);

// Blanks and tabs removed from the front / from both ends.
std::string_view trimLeft(std::string_view text);
std::string_view trimRight(std::string_view text);
std::string_view trimmed(std::string_view text);
// Blanks, tabs and line ends removed from both ends.
std::string_view trimmedLine(std::string_view text);

bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);

// False for bytes that are no source text: a NUL byte, or more than one in
// ten bytes a control character other than tab and the line ends. Bytes
// above 127 count as text (8-bit and UTF-8 sources).
bool looksLikeText(std::string_view bytes);

}  // namespace quillo
