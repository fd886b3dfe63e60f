#pragma once
// The one reader of numbers in text: blanks, an optional sign, then digits,
// decimal or (where a format allows it) "$" hexadecimal and "%" binary.
// Callers choose what may follow the number.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillo {

struct NumberRules {
    bool hexDollar = false;      // "$1F"
    bool binaryPercent = false;  // "%1010"
};

struct NumberPrefix {
    std::uint64_t magnitude = 0;  // modulo 2^64: long inputs wrap, never overflow
    bool negative = false;
    int digits = 0;               // 0 when no number starts the text
    std::size_t length = 0;       // characters read, blanks and sign included
};

NumberPrefix readNumberPrefix(std::string_view text, NumberRules rules = {});

// The low 32 bits of the signed value, as a 32-bit store of it would keep.
std::int32_t wrappedInt32(const NumberPrefix& number);

// Leading decimal number of a text as a 32-bit integer; 0 if there is none.
std::int32_t leadingInt(std::string_view text);

// The whole text as one number (blanks around it allowed) of at most
// maxDigits digits, else nothing.
std::optional<std::int64_t> wholeNumber(std::string_view text, NumberRules rules, int maxDigits);

}  // namespace quillo
