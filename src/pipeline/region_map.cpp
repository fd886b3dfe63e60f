#include "pipeline/region_map.h"

#include <algorithm>
#include <cstring>

namespace quillo {

std::size_t regionMapOffset(std::int32_t address, int bank) {
    if (bank == 0 && address >= 0) return static_cast<std::size_t>(address);
    if (bank >= 1 && bank < kBankCount && address >= kBankWindowStart)
        return static_cast<std::size_t>(address) + 0x4000u * static_cast<std::size_t>(bank);
    return 0;
}

std::string_view regionStatusText(RegionStatus status) {
    switch (status) {
    case RegionStatus::Registered: return {};
    case RegionStatus::Collision:
        return "Looks like there is a binary collision! Check the start and length of other binarys";
    case RegionStatus::OutOfRange:
        return "The binary does not fit into the memory map! Check its start and length";
    }
    return {};
}

void RegionMap::clear() {
    std::memset(bytes_.data(), 0, usedEnd_);
    usedEnd_ = 0;
}

std::optional<std::size_t> RegionMap::rangeStart(std::int32_t address, int bank, std::int32_t length) const {
    if (length < 0) return std::nullopt;
    const std::size_t offset = regionMapOffset(address, bank);
    if (offset > kSize || static_cast<std::size_t>(length) > kSize - offset) return std::nullopt;
    return offset;
}

bool RegionMap::rangeIsFree(std::int32_t address, int bank, std::int32_t length) const {
    const auto offset = rangeStart(address, bank, length);
    if (!offset) return false;
    const std::uint8_t* begin = bytes_.data() + *offset;
    return std::all_of(begin, begin + length, [](std::uint8_t b) { return b == 0; });
}

RegionStatus RegionMap::registerRegion(std::int32_t address, int bank, std::int32_t length, RegionType type) {
    const auto offset = rangeStart(address, bank, length);
    if (!offset) return RegionStatus::OutOfRange;
    if (!rangeIsFree(address, bank, length)) return RegionStatus::Collision;
    std::memset(bytes_.data() + *offset, static_cast<int>(type) & 0xF, static_cast<std::size_t>(length));
    usedEnd_ = std::max(usedEnd_, *offset + static_cast<std::size_t>(length));
    return RegionStatus::Registered;
}

void RegionMap::registerFixedRegions() {
    registerRegion(0, 0, 16384, RegionType::Rom);
    registerRegion(16384, 0, 6912, RegionType::Screen);
    registerRegion(23552, 0, 203, RegionType::System);
}

}  // namespace quillo
