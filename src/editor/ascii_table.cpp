#include "editor/ascii_table.h"

#include <array>

namespace quillo {

namespace {

// The 2 by 2 block of each block graphic, top row then bottom row.
constexpr std::array<const char*, 16> kBlocks = {"  ", " '", "' ", "''", " .", " :", "'.", "':",
                                                 ". ", ".'", ": ", ":'", "..", ".:", ":.", "::"};

constexpr auto kControlCodes = std::to_array<ControlCode>({
    {6, "PRINT Comma"},     {7, "Edit"},           {8, "Cursor Left"},     {9, "Cursor Right"},
    {10, "Cursor Down"},    {11, "Cursor Up"},     {12, "Backspace"},      {13, "Enter"},
    {14, "Number prefix"},  {16, "Ink Control"},   {17, "Paper Control"},  {18, "Flash Control"},
    {19, "Bright Control"}, {20, "Inverse Control"}, {21, "Over Control"}, {22, "At Control"},
    {23, "Tab Control"},
});

constexpr auto kKeywords = std::to_array<const char*>({
    "ABS",  "ACS",    "AND",  "ASN",    "AT",    "ATN",   "ATTR", "BEEP", "BIN",      "BORDER", "BRIGHT", "CAT", "CHR$",
    "CIRCLE", "CLOSE#", "CLEAR", "CLS", "CODE", "CONTINUE", "COS", "DATA", "DEF FN", "ERASE", "EXP", "FLASH",
});

}  // namespace

std::string asciiStringForm(int code) {
    if (code >= 32 && code <= 127) return std::string(1, static_cast<char>(code));
    if (code >= 128 && code <= 143) return std::string("\\") + kBlocks[static_cast<std::size_t>(code - 128)];
    if (code >= 144 && code <= 164) return std::string("\\") + static_cast<char>('A' + code - 144);
    return {};
}

std::string asciiChrForm(int code) {
    if (code < 32 || code > 164) return {};
    const bool capital = code == 94 || code == 96 || code == 127;
    return (capital ? "Chr(" : "chr(") + std::to_string(code) + ")";
}

std::span<const ControlCode> controlCodes() { return kControlCodes; }
std::span<const char* const> commandKeywords() { return kKeywords; }

}  // namespace quillo
