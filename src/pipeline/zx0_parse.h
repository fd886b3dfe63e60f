#pragma once
#include "pipeline/zx0.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The optimal parse behind zx0::compress, apart so it can be measured alone.
namespace quillo::zx0 {

// offset 0 is a literal run; otherwise a copy, which the writer sends as
// "repeat the last offset" when it follows a literal with that offset.
struct Block {
    std::uint32_t length = 0;
    std::uint32_t offset = 0;
};

inline constexpr std::uint32_t kMaxOffset = 32640;
inline constexpr int kEndBits = 18;  // indicator + Elias(256)

constexpr int eliasBits(std::uint32_t value) { return 2 * (std::bit_width(value) - 1) + 1; }
// Indicator, MSB and 7 offset bits; Elias(length - 1) comes on top and its
// first bit shares the offset byte.
constexpr int offsetBits(std::uint32_t offset) { return 8 + eliasBits((offset - 1) / 128 + 1); }

// Size in bits of the stream for these blocks, end marker included.
std::uint64_t streamBits(std::span<const Block> blocks);

// The blocks of a smallest stream for data (1 to kMaxInput bytes), or
// nothing when progress cancels.
std::optional<std::vector<Block>> parseOptimal(std::span<const std::uint8_t> data, const Progress& progress);

}  // namespace quillo::zx0
