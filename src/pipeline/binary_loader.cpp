#include "pipeline/binary_loader.h"

#include "common/file_io.h"

#include <algorithm>

namespace quillo {

namespace {

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
        // Never more than the image holds, whatever size the record claims.
        const std::size_t wanted = static_cast<std::size_t>(std::max(r.size, 0));
        const Result<Bytes> file = readFilePrefix(r.file, std::min(wanted, MemoryImage::size()));
        if (!file) {
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
        if (!offset || wanted > MemoryImage::room(*offset)) {
            result.messages.push_back(outsideImage(r.file));
            continue;
        }
        std::copy(file->begin(), file->end(), image.data() + *offset);
    }
    return result;
}

}  // namespace quillo
