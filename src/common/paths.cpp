#include "common/paths.h"

namespace quillo {

std::string_view fileNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string folderOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string folderOrCurrent(std::string_view path) {
    std::string folder = folderOf(path);
    return folder.empty() ? std::string("./") : folder;
}

}  // namespace quillo
