#include "app/selection_conversions.h"

#include "common/defb_format.h"
#include "common/defb_parse.h"
#include "common/number_text.h"
#include "common/text.h"

#include <vector>

namespace quillo {

namespace {

// Every character is one digit; those that are no hexadecimal digit count as 0.
std::uint32_t hexValue(std::string_view digits) {
    std::uint32_t value = 0;
    for (const char c : digits) {
        const char d = asciiLower(c);
        const std::uint32_t digit = isDigit(d) ? static_cast<std::uint32_t>(d - '0')
                                    : (d >= 'a' && d <= 'f') ? static_cast<std::uint32_t>(d - 'a' + 10)
                                                             : 0u;
        value = value * 16u + digit;  // unsigned: wraps past 32 bits
    }
    return value;
}

// Bit k is set by a "1" k places from the right; bits past 31 fall out.
std::uint32_t binaryValue(std::string_view digits) {
    std::uint32_t value = 0;
    const std::size_t n = digits.size();
    for (std::size_t k = 0; k < n && k < 32; ++k)
        if (digits[n - 1 - k] == '1') value |= 1u << k;
    return value;
}

std::string inBase(std::uint32_t value, unsigned base) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[value % base]);
        value /= base;
    } while (value != 0);
    return digits;
}

std::string numberConversion(Conversion conversion, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    switch (conversion) {
    case Conversion::Hexadecimal: return "$" + inBase(bits, 16);
    case Conversion::Binary: return "%" + inBase(bits, 2);
    case Conversion::Negative8: return std::to_string(static_cast<std::int32_t>(255u - bits));
    default: return std::to_string(value);
    }
}

// One character of UTF-8 text (or one byte of 8-bit text) as its code:
// Latin-1 letters keep theirs, characters beyond 255 become "?".
int nextCode(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    const int more = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
    if (more == 0 || i + static_cast<std::size_t>(more) > text.size()) return lead;
    unsigned code = lead & (0x3Fu >> more);
    for (int k = 0; k < more; ++k) {
        const auto c = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((c & 0xC0) != 0x80) return lead;  // not UTF-8: a byte of 8-bit text
        code = (code << 6) | (c & 0x3Fu);
    }
    i += static_cast<std::size_t>(more);
    return code <= 255 ? static_cast<int>(code) : '?';
}

ConversionResult textToBytes(std::string_view selection) {
    if (selection.find(';') != std::string_view::npos) return {ConversionResult::Kind::CommentRefused, {}};
    std::string out;
    for (std::size_t i = 0; i < selection.size();) {
        if (selection[i] == '"') {
            ++i;
            continue;
        }
        if (!out.empty()) out += ',';
        out += std::to_string(nextCode(selection, i));
    }
    if (out.empty()) return {};
    return {ConversionResult::Kind::Replace, out};
}

ConversionResult defbNegative(std::string_view selection) {
    std::vector<std::uint8_t> bytes = parseDefb(selection);
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(255 - b);
    return {ConversionResult::Kind::Replace, formatDefb(bytes)};
}

}  // namespace

std::int32_t selectionNumber(std::string_view text) {
    text = trimmedLine(text);
    if (text.empty()) return 0;
    if (text.front() == '$') return static_cast<std::int32_t>(hexValue(text.substr(1)));
    if (text.front() == '%') return static_cast<std::int32_t>(binaryValue(text.substr(1)));
    const std::string_view body = text.substr(0, text.size() - 1);
    if (text.back() == 'h') return static_cast<std::int32_t>(hexValue(body));
    if (text.back() == 'b') return static_cast<std::int32_t>(binaryValue(body));
    if (isDigit(text.front())) return leadingInt(text);
    return 0;
}

ConversionResult convertSelection(Conversion conversion, std::string_view selection) {
    using Kind = ConversionResult::Kind;
    switch (conversion) {
    case Conversion::Decimal:
    case Conversion::Hexadecimal:
    case Conversion::Binary:
    case Conversion::Negative8: return {Kind::Replace, numberConversion(conversion, selectionNumber(selection))};
    case Conversion::UpperCase:
    case Conversion::LowerCase:
        if (selection.empty()) return {};
        return {Kind::Replace,
                conversion == Conversion::UpperCase ? toUpperAscii(selection) : toLowerAscii(selection)};
    case Conversion::TextToBytes: return textToBytes(selection);
    case Conversion::DefbNegative:
        if (selection.empty()) return {};
        return defbNegative(selection);
    }
    return {};
}

}  // namespace quillo
