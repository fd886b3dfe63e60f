#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace quillo::test {

// "EA 22 41" -> the bytes; blanks are ignored.
inline std::string hexBytes(std::string_view hex) {
    std::string out;
    int high = -1;
    for (const char c : hex) {
        int v = -1;
        if (c >= '0' && c <= '9') v = c - '0';
        else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
        if (v < 0) continue;
        if (high < 0) {
            high = v;
        } else {
            out += static_cast<char>(high * 16 + v);
            high = -1;
        }
    }
    return out;
}

// A BASIC line framed by hand: number high byte first, length low first, 0x0D.
inline std::string framedLine(int number, const std::string& text) {
    std::string line;
    line += static_cast<char>(number >> 8);
    line += static_cast<char>(number & 0xFF);
    const std::size_t length = text.size() + 1;
    line += static_cast<char>(length & 0xFF);
    line += static_cast<char>(length >> 8);
    return line + text + '\r';
}

inline std::string digits(long n) {
    std::string out;
    for (const char c : std::to_string(n)) out += c;  // digits are their own character codes
    return out;
}

}  // namespace quillo::test
