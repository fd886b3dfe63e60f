#pragma once
#include "common/error.h"
#include "pipeline/binary_list.h"
#include "pipeline/region_map.h"

#include <cstdint>
#include <span>
#include <string>

namespace quillo {

struct DataWriteResult {
    Status written;
    RegionStatus region = RegionStatus::Registered;
    bool ok() const { return written.ok(); }
};

// Writes data to path and then adds a record for it (load value 0, flags =
// type) with its region registered. The record is added only once the file
// is on disk, so the list never names a file that was not written. Asking
// about an existing file is the caller's business.
DataWriteResult writeDataAsBinary(const std::string& path, std::span<const std::uint8_t> data, std::int32_t start,
                                  int bank, const std::string& description, RegionType type, BinaryList& list,
                                  RegionMap& map);

}  // namespace quillo
