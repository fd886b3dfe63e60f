#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace quillo {

// Bytes seen as the text type the file writers take, without a copy.
inline std::string_view asText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace quillo
