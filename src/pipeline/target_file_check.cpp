#include "pipeline/target_file_check.h"

#include "common/paths.h"

#include "common/file_io.h"

#include <string_view>
#include <sys/statvfs.h>

namespace quillo {

namespace {

constexpr bool isForbidden(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::string_view("\"*/:<>?\\|").find(static_cast<char>(c)) != std::string_view::npos;
}

bool validName(const std::string& path) {
    if (path.size() < 7) return false;
    const std::string_view name = fileNameOf(path);
    if (name.empty()) return false;
    for (const char c : name)
        if (isForbidden(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

std::optional<std::uint64_t> freeDiskBytes(const std::string& folder) {
    struct statvfs st{};
    if (::statvfs(folder.c_str(), &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
}

TargetCheck checkTargetFile(const std::string& path, std::int64_t size) {
    if (!validName(path)) return {TargetCheck::Status::InvalidName, "Invalid file name"};
    const std::string folder = folderOrCurrent(path);
    const std::uint64_t free = freeDiskBytes(folder).value_or(0);
    if (free <= static_cast<std::uint64_t>(size < 0 ? 0 : size))
        return {TargetCheck::Status::NotEnoughSpace,
                "Not enough space\n" + folder + " : free: " + std::to_string(free) + ", " + std::to_string(size)};
    if (fileExists(path)) return {TargetCheck::Status::Exists, "File exists, overwrite?"};
    return {};
}

}  // namespace quillo
