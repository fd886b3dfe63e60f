#pragma once
#include "pipeline/bank_tables.h"
#include "common/zeroed_buffer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillo {

// Region-map offset of an address: the address itself in main memory,
// address + 0x4000 * bank for a bank address of 0xC000 or more, and 0 for
// every other combination (so a misplaced bank record meets the ROM).
std::size_t regionMapOffset(std::int32_t address, int bank);

enum class RegionStatus {
    Registered,
    Collision,   // a byte of the range is occupied; the map is unchanged
    OutOfRange,  // negative length or the range runs past the map's end
};

inline constexpr std::string_view kRegionWarningTitle = "Warning!!!";
// The text the user sees for a status other than Registered.
std::string_view regionStatusText(RegionStatus status);

// What occupies each byte of main memory and the RAM banks, parallel to the
// memory image: one region type a byte, 0 for free.
class RegionMap {
public:
    static constexpr std::size_t kSize = 4 * 1024 * 1024;

    RegionMap() : bytes_(kSize) {}

    RegionType at(std::size_t offset) const { return static_cast<RegionType>(bytes_.data()[offset]); }
    const std::uint8_t* data() const { return bytes_.data(); }

    // Zeroes only what was ever marked, so unused pages stay untouched.
    void clear();
    // Marks the range with the type unless a byte of it is taken already.
    RegionStatus registerRegion(std::int32_t address, int bank, std::int32_t length, RegionType type);
    // ROM, screen and system variables.
    void registerFixedRegions();
    // True when every byte of the range is free (and the range lies in the map).
    bool rangeIsFree(std::int32_t address, int bank, std::int32_t length) const;

private:
    std::optional<std::size_t> rangeStart(std::int32_t address, int bank, std::int32_t length) const;

    ZeroedBuffer bytes_;
    std::size_t usedEnd_ = 0;
};

}  // namespace quillo
