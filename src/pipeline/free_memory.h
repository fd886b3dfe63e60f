#pragma once
#include <cstdint>

namespace quillo {

// Bytes of the 64K address space left free by a build:
// 65535 - (start + compiled size + heap - the output kind's overhead).
// A missing compiled file has the size -1, as the file-size query gives.
std::int32_t freeBytes(std::int32_t prgStart, long long compiledSize, std::int32_t heapsize, int outputType);

}  // namespace quillo
