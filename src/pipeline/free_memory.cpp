#include "pipeline/free_memory.h"

#include "pipeline/compiler_command.h"

#include <algorithm>
#include <limits>

namespace quillo {

std::int32_t freeBytes(std::int32_t prgStart, long long compiledSize, std::int32_t heapsize, int outputType) {
    const long long used =
        std::int64_t{prgStart} + compiledSize + heapsize - outputKind(outputType).freeMemoryOverhead;
    const long long free = 65535 - used;
    return static_cast<std::int32_t>(std::clamp<long long>(free, std::numeric_limits<std::int32_t>::min(),
                                                          std::numeric_limits<std::int32_t>::max()));
}

}  // namespace quillo
