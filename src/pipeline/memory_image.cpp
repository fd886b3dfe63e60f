#include "pipeline/memory_image.h"

#include "pipeline/bank_tables.h"

namespace quillo {

std::optional<std::size_t> imageOffset(std::int32_t address, int bank) {
    if (!isValidBank(bank)) return std::nullopt;
    const std::int64_t offset = bank == 0
        ? std::int64_t{address}
        : 0x10000 + std::int64_t{bank - 1} * 0x4000 + (std::int64_t{address} - kBankWindowStart);
    if (offset < 0) return std::nullopt;
    return static_cast<std::size_t>(offset);
}

}  // namespace quillo
