#pragma once
#include "common/error.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

using Bytes = std::vector<std::uint8_t>;

// Reads a whole file; refuses (without reading) a file above maxSize bytes
// with TooLarge and the size found in the error's offset.
Result<Bytes> readFile(const std::string& path, std::uintmax_t maxSize = UINTMAX_MAX);
// The first count bytes of a file, or all of it when it is shorter.
Result<Bytes> readFilePrefix(const std::string& path, std::size_t count);

// Writes a file through a temporary file in the same folder that is renamed
// over the target, so a full disk or a crash never leaves a truncated file.
Status writeFileAtomic(const std::string& path, std::string_view data);

bool isDirectory(const std::string& path);
bool fileExists(const std::string& path);
// Size of a regular file, or -1 when it is missing.
long long fileSize(const std::string& path);

}  // namespace quillo
