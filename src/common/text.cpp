#include "common/text.h"

namespace quillo {

std::string toLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = asciiLower(c);
    return out;
}

std::string toUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = asciiUpper(c);
    return out;
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view trimmed(std::string_view text) { return trimRight(trimLeft(text)); }

std::string_view trimmedLine(std::string_view text) {
    while (!text.empty() && (isBlank(text.front()) || isLineEnd(text.front()))) text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || isLineEnd(text.back()))) text.remove_suffix(1);
    return text;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithNoCase(a, b);
}

bool looksLikeText(std::string_view bytes) {
    std::size_t control = 0;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0) return false;
        if ((b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F) ++control;
    }
    return control * 10 <= bytes.size();
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (asciiLower(text[i]) != asciiLower(prefix[i])) return false;
    return true;
}

}  // namespace quillo
