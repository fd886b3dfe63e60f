#pragma once
// The Edit menu's conversions of the selected text: numbers between
// decimal, "$" hexadecimal and "%" binary, the 8-bit complement, letter
// case, a text as its character codes and DEFB data complemented.
#include <cstdint>
#include <string>
#include <string_view>

namespace quillo {

enum class Conversion { Decimal, Hexadecimal, Binary, Negative8, UpperCase, LowerCase, TextToBytes, DefbNegative };

struct ConversionResult {
    enum class Kind {
        Replace,         // text replaces the selection (or goes in at the caret)
        Nothing,         // nothing to do
        CommentRefused,  // the selection holds ";": "Problem!"
    };
    Kind kind = Kind::Nothing;
    std::string text;
};

ConversionResult convertSelection(Conversion conversion, std::string_view selection);

// The selection as a number, as a signed 32-bit value (longer inputs wrap):
// "$FF" and "%1010" by their prefix, "0FFh" and "1010b" by a lower-case
// suffix, a leading decimal number otherwise; anything else is 0. Blanks
// and line ends around the text are ignored.
std::int32_t selectionNumber(std::string_view text);

}  // namespace quillo
