#include "pipeline/binary_data_writer.h"

#include "common/file_io.h"

namespace quillo {

DataWriteResult writeDataAsBinary(const std::string& path, std::span<const std::uint8_t> data, std::int32_t start,
                                  int bank, const std::string& description, RegionType type, BinaryList& list,
                                  RegionMap& map) {
    DataWriteResult result;
    result.written = writeFileAtomic(path, std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
    if (!result.ok()) return result;
    BinaryRecord record;
    record.file = path;
    record.start = start;
    record.size = static_cast<std::int32_t>(data.size());
    record.bank = static_cast<std::uint8_t>(bank);
    record.description = description;
    record.flags = static_cast<std::uint64_t>(type);
    result.region = addRecord(list, map, std::move(record));
    return result;
}

}  // namespace quillo
