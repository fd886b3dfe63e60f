#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace quillo {

// Bytes as assembler lines: "\tDEFB\t" and up to 8 values, each a decimal
// padded with '0' to 3 digits, separated by ",", each line ended by "\n".
std::string formatDefb(std::span<const std::uint8_t> bytes);

}  // namespace quillo
