#pragma once
#include "pipeline/binary_list.h"
#include "pipeline/memory_image.h"
#include "pipeline/region_map.h"
#include "common/user_message.h"

#include <cstdint>
#include <vector>

namespace quillo {

struct ImageLoadResult {
    std::uint8_t bankMask = 0;  // bit k for each bank 1..5 with a record loaded
    std::vector<UserMessage> messages;  // in the order they arose
};

// Reads every record's file into the image at its offset and registers its
// region. A missing file skips the record; a file of another length than the
// record's size loads at most size bytes (fewer if the file is shorter).
ImageLoadResult loadBinariesIntoImage(const BinaryList& list, MemoryImage& image, RegionMap& map);

}  // namespace quillo
