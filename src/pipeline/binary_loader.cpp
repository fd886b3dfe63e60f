#include "pipeline/binary_loader.h"

#include "common/file_io.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace quillo {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

UserMessage missingFile(const std::string& path) {
    return {UserMessage::Icon::Warning, "Error!", "File " + path + " does not exist"};
}

UserMessage otherSize(const std::string& path) {
    return {UserMessage::Icon::Warning, "Warning!", "File " + path + " has a different size"};
}

UserMessage regionProblem(RegionStatus status) {
    return {UserMessage::Icon::Warning, std::string(kRegionWarningTitle), std::string(regionStatusText(status))};
}

UserMessage outsideImage(const std::string& path) {
    return {UserMessage::Icon::Warning, "Warning!", "File " + path + " does not fit into memory and was not loaded"};
}

}  // namespace

ImageLoadResult loadBinariesIntoImage(const BinaryList& list, MemoryImage& image, RegionMap& map) {
    ImageLoadResult result;
    for (const BinaryRecord& r : list) {
        const File file(std::fopen(r.file.c_str(), "rb"));
        if (!file || isDirectory(r.file)) {
            result.messages.push_back(missingFile(r.file));
            continue;
        }
        const auto offset = imageOffset(r.start, r.bank);
        if (r.bank >= 1 && r.bank <= 5) result.bankMask = static_cast<std::uint8_t>(result.bankMask | (1u << r.bank));
        const RegionStatus status = map.registerRegion(r.start, r.bank, r.size, r.type());
        if (status != RegionStatus::Registered) result.messages.push_back(regionProblem(status));
        if (fileSize(r.file) != r.size) result.messages.push_back(otherSize(r.file));
        // Records that point outside the image are not loaded at all rather
        // than written over whatever lies past its end.
        const std::size_t wanted = static_cast<std::size_t>(std::max(r.size, 0));
        if (!offset || wanted > MemoryImage::room(*offset)) {
            result.messages.push_back(outsideImage(r.file));
            continue;
        }
        if (wanted > 0) std::fread(image.data() + *offset, 1, wanted, file.get());
    }
    return result;
}

}  // namespace quillo
