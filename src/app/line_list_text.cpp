#include "app/line_list_text.h"

#include <climits>

namespace quillo {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string lineListText(const std::vector<int>& lines) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(lines.size() * 8);
    for (const int line : lines) {
        const auto value = static_cast<unsigned int>(line);
        for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
    }
    return text;
}

std::vector<int> parseLineListText(std::string_view text) {
    std::vector<int> lines;
    for (std::size_t p = 0; p + 8 <= text.size(); p += 8) {
        unsigned long long value = 0;
        bool valid = true;
        for (std::size_t i = 0; i < 8 && valid; ++i) {
            const int digit = hexValue(text[p + i]);
            valid = digit >= 0;
            value = value * 16 + static_cast<unsigned>(digit < 0 ? 0 : digit);
        }
        if (valid && value <= INT_MAX) lines.push_back(static_cast<int>(value));
    }
    return lines;
}

}  // namespace quillo
