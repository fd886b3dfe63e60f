#pragma once
#include "common/byte_reader.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillo {

// ZX Spectrum keyword tokens the loader uses.
namespace token {
inline constexpr char Pi = '\xA7';
inline constexpr char Code = '\xAF';
inline constexpr char Val = '\xB0';
inline constexpr char Sgn = '\xBC';
inline constexpr char At = '\xAC';
inline constexpr char Usr = '\xC0';
inline constexpr char Not = '\xC3';
inline constexpr char Ink = '\xD9';
inline constexpr char Paper = '\xDA';
inline constexpr char Bright = '\xDC';
inline constexpr char Out = '\xDF';
inline constexpr char Border = '\xE7';
inline constexpr char Rem = '\xEA';
inline constexpr char Load = '\xEF';
inline constexpr char Poke = '\xF4';
inline constexpr char Print = '\xF5';
inline constexpr char Randomize = '\xF9';
inline constexpr char Clear = '\xFD';
}  // namespace token

inline constexpr std::string_view kLoaderBanner = "> Coded using Quillo and ZXBC  <";
// The loader buffer's size: a longer author is cut so the program fits.
inline constexpr std::size_t kLoaderCapacity = 65536;

// One program line: number (high byte first), text length + 1 (low byte
// first), the text, 0x0D.
void appendBasicLine(ByteWriter& out, int lineNumber, std::string_view text);

// The tokenised loader: REM with the author, the screen and CLEAR set-up, a
// POKE/OUT/LOAD line for each RAM bank in the mask (bit k for bank k of
// 1..5), the return to bank 16, LOAD "" CODE and RANDOMIZE USR. Numbers are
// written as VAL "n", 0 and 1 as NOT PI and SGN PI.
std::string basicLoader(std::int32_t prgStart, std::string_view author, std::uint8_t bankMask);

}  // namespace quillo
