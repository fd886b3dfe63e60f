#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

using Bytes = std::vector<std::uint8_t>;

struct ReadResult {
    enum class Status { Ok, NotFound, CannotOpen, TooLarge, ReadError };
    Status status = Status::Ok;
    Bytes data;
    std::uintmax_t size = 0;  // size on disk, also when TooLarge
    bool ok() const { return status == Status::Ok; }
};

// Reads a whole file; refuses (without reading) a file above maxSize bytes.
ReadResult readFile(const std::string& path, std::uintmax_t maxSize = UINTMAX_MAX);

// Writes a file through a temporary file in the same folder that is renamed
// over the target, so a full disk or a crash never leaves a truncated file.
// Returns an empty string on success, else a reason for the user.
std::string writeFileAtomic(const std::string& path, std::string_view data);

bool isDirectory(const std::string& path);
bool fileExists(const std::string& path);
// Size of a regular file, or -1 when it is missing.
long long fileSize(const std::string& path);

}  // namespace quillo
