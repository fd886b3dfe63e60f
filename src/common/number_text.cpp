#include "common/number_text.h"

#include "common/text.h"

namespace quillo {

namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

NumberPrefix readNumberPrefix(std::string_view text, NumberRules rules) {
    NumberPrefix number;
    const std::string_view start = text;
    text = trimLeft(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (!text.empty() && text.front() == '$' && rules.hexDollar) base = 16;
    if (!text.empty() && text.front() == '%' && rules.binaryPercent) base = 2;
    if (base != 10) text.remove_prefix(1);
    for (const char c : text) {
        const int d = digitValue(c);
        if (d >= static_cast<int>(base)) break;
        number.magnitude = number.magnitude * base + static_cast<unsigned>(d);
        ++number.digits;
    }
    number.length = static_cast<std::size_t>(text.data() - start.data()) + static_cast<std::size_t>(number.digits);
    return number;
}

std::int32_t wrappedInt32(const NumberPrefix& number) {
    const auto low = static_cast<std::uint32_t>(number.magnitude);
    return static_cast<std::int32_t>(number.negative ? 0u - low : low);
}

std::int32_t leadingInt(std::string_view text) { return wrappedInt32(readNumberPrefix(text)); }

std::optional<std::int64_t> wholeNumber(std::string_view text, NumberRules rules, int maxDigits) {
    const NumberPrefix number = readNumberPrefix(text, rules);
    if (number.digits == 0 || number.digits > maxDigits) return std::nullopt;
    if (!trimmed(text.substr(number.length)).empty()) return std::nullopt;
    const auto value = static_cast<std::int64_t>(number.magnitude);
    return number.negative ? -value : value;
}

}  // namespace quillo
