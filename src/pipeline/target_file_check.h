#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace quillo {

struct TargetCheck {
    enum class Status {
        Ok,
        InvalidName,     // message: "Invalid file name"
        NotEnoughSpace,  // message: the free-space text
        Exists,          // the caller asks "File exists, overwrite?"
    };
    Status status = Status::Ok;
    std::string message;
};

// Checks a path before size bytes are written to it: the name, then the free
// space of its folder, then whether the file is there already.
TargetCheck checkTargetFile(const std::string& path, std::int64_t size);

// Free bytes for unprivileged users on the file system of a folder.
std::optional<std::uint64_t> freeDiskBytes(const std::string& folder);

}  // namespace quillo
