#pragma once
#include "common/zeroed_buffer.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace quillo {

// Image offset of an address: the address in main memory (bank 0), and
// 0x10000 + (bank - 1) * 0x4000 + (address - 0xC000) in bank 1..5. Empty
// when the bank index is unknown or the offset would be negative.
std::optional<std::size_t> imageOffset(std::int32_t address, int bank);

// Main memory followed by the RAM banks, as the tape writer cuts its blocks
// from it. Zero at start and never cleared between builds.
class MemoryImage {
public:
    static constexpr std::size_t kSize = 1'024'000;

    MemoryImage() : bytes_(kSize) {}

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    static constexpr std::size_t size() { return kSize; }

    // Bytes that fit from offset to the end of the image.
    static std::size_t room(std::size_t offset) { return offset < kSize ? kSize - offset : 0; }

private:
    ZeroedBuffer bytes_;
};

}  // namespace quillo
