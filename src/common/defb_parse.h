#pragma once
// DEFB assembler text (a selection or the clipboard) back into bytes: the
// reverse of formatDefb, tolerant of whatever the user selected.
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillo {

// The first "defb" (any case) is dropped, every later one counts as ",";
// CR LF pairs are dropped; each ","-separated piece is a number (decimal,
// "$" hex or "%" binary, optional sign, stop at the first other character,
// anything else 0) whose low 8 bits make one byte. There is always at least
// one byte: the count is the number of commas plus one.
std::vector<std::uint8_t> parseDefb(std::string_view text);

}  // namespace quillo
