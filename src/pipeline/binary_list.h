#pragma once
#include "pipeline/bank_tables.h"
#include "pipeline/region_map.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillo {

// One extra binary of the project, placed at a fixed address.
struct BinaryRecord {
    std::string file;  // full path
    std::int32_t start = 0;
    std::int32_t size = 0;
    std::uint8_t bank = 0;  // bank index 0..5
    std::string description;
    std::int16_t load = 0;  // only records with 0 go into the region map
    std::uint64_t flags = 0;  // low 4 bits: the region type

    RegionType type() const { return regionTypeFromFlags(flags); }
    bool operator==(const BinaryRecord&) const = default;
};

// The project's binaries in insertion order.
using BinaryList = std::vector<BinaryRecord>;

inline constexpr std::string_view kDefaultBinaryDescription = "Short Description";

// Appends the record and registers its region; the record stays in the list
// whatever the registration says.
RegionStatus addRecord(BinaryList& list, RegionMap& map, BinaryRecord record);

// Records whose registration did not succeed during a rebuild, in list order.
struct RegionProblem {
    std::size_t index;
    RegionStatus status;
};

// Clears the map, registers the fixed regions and then every record with
// load value 0.
std::vector<RegionProblem> rebuildRegionMap(RegionMap& map, const BinaryList& list);
// Deletes the record (an index past the end changes nothing) and rebuilds.
std::vector<RegionProblem> removeRecord(BinaryList& list, RegionMap& map, std::size_t index);

// Lowest start and highest end of a bank's records, as 16-bit values: the
// low start begins at 0xFFFF, the high end at 0xC000 for a bank and at 24000
// for main memory, and length = (high - low) mod 65536.
struct BankRange {
    std::uint16_t start;
    std::uint16_t length;
};
BankRange bankRange(const BinaryList& list, int bank);

// The bank mask of a build: bit k set for every bank k of 1..5 loaded.
inline bool bankInMask(std::uint8_t mask, int bank) { return (mask >> bank) & 1u; }

}  // namespace quillo
