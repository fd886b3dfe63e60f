#pragma once
// Sources of the Tornado assembler as it keeps them on tape: plain
// characters, with every byte from 0x80 up standing for a word.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quillo {

// The word of a token byte (0x80..0xFF): mnemonics, registers and
// directives for 0x80..0xE5, "Err" for the unused codes 0xE6 up.
std::string_view tornadoToken(std::uint8_t code);

// The source as text: each byte below 0x80 is its character (0x0D, the
// Spectrum's line end, becomes '\n'); each token its word and a space.
// Translation stops after a 0x00 (which adds nothing) or a 0xFF (which adds
// "Err "), or at the end of the bytes.
std::string detokeniseTornado(std::span<const std::uint8_t> source);

}  // namespace quillo
