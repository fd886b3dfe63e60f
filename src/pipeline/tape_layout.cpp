#include "pipeline/tape_layout.h"

#include "pipeline/basic_loader.h"
#include "pipeline/binary_loader.h"
#include "common/file_io.h"

#include <algorithm>
#include <cstring>

namespace quillo {

namespace {

constexpr std::int32_t kMemoryTop = 0x10000;
constexpr std::uint16_t kLoaderAutostartLine = 10;

void noteRegion(PlacedBuild& placed, RegionStatus status) {
    if (status == RegionStatus::Registered) return;
    placed.messages.push_back(
        {UserMessage::Icon::Warning, std::string(kRegionWarningTitle), std::string(regionStatusText(status))});
}

std::span<const std::uint8_t> imageBytes(const MemoryImage& image, std::size_t offset, std::size_t length) {
    return {image.data() + offset, length};
}

}  // namespace

PlacedBuild placeBuild(const Document& doc, const std::string& compiledFile, const BinaryList& list,
                       MemoryImage& image, RegionMap& map) {
    PlacedBuild placed;
    std::memset(image.data(), 0, kBuildImageSize);

    const Result<Bytes> code = readFile(compiledFile, kMemoryTop);
    if (!code.ok()) {
        if (code.error().code == ErrorCode::TooLarge)
            placed.log.push_back("FAIL: compiled file " + compiledFile + " is larger than the Spectrum's memory");
        return placed;
    }
    const std::int64_t end = std::int64_t{doc.prgStart} + static_cast<std::int64_t>(code->size());
    if (doc.prgStart < 0 || end > kMemoryTop) {
        placed.log.push_back("FAIL: compiled code at " + std::to_string(doc.prgStart) + " with " +
                             std::to_string(code->size()) + " bytes does not fit below 65536");
        return placed;
    }
    std::copy(code->begin(), code->end(), image.data() + doc.prgStart);
    placed.placed = true;
    placed.codeStart = doc.prgStart;
    placed.codeEnd = static_cast<std::int32_t>(end);

    noteRegion(placed, map.registerRegion(doc.prgStart, 0, static_cast<std::int32_t>(code->size()),
                                          RegionType::Compilat));
    // In 64 bits: a heap size from a hand-edited file must not overflow.
    const std::int64_t heapStart = 65535 - std::int64_t{doc.heapsize};
    noteRegion(placed, doc.heapsize < 0 || heapStart < 0
                           ? RegionStatus::OutOfRange
                           : map.registerRegion(static_cast<std::int32_t>(heapStart), 0, doc.heapsize, RegionType::Heap));

    ImageLoadResult loaded = loadBinariesIntoImage(list, image, map);
    placed.bankMask = loaded.bankMask;
    placed.messages.insert(placed.messages.end(), loaded.messages.begin(), loaded.messages.end());
    placed.loader = basicLoader(doc.prgStart, doc.author, placed.bankMask);
    return placed;
}

AddressRange mainBlockRange(std::int32_t codeStart, std::int32_t codeEnd, const BinaryList& list) {
    AddressRange range{codeStart, codeEnd};
    // The bank range's bounds, but in 32 bits: a binary that ends at the
    // top of memory must not wrap round to 0 and drop out of the block.
    std::int64_t low = 0xFFFF;
    std::int64_t high = 24000;
    bool any = false;
    for (const BinaryRecord& r : list) {
        if (r.bank != 0) continue;
        any = true;
        low = std::min<std::int64_t>(low, r.start);
        high = std::max<std::int64_t>(high, std::int64_t{r.start} + std::max(r.size, 0));
    }
    if (any) {
        range.start = static_cast<std::int32_t>(std::min<std::int64_t>(range.start, low));
        range.end = static_cast<std::int32_t>(std::max<std::int64_t>(range.end, high));
    }
    range.start = std::clamp(range.start, 0, kMemoryTop);
    range.end = std::clamp(range.end, range.start, kMemoryTop);
    return range;
}

AddressRange bankBlockRange(const BinaryList& list, int bank) {
    const BankRange r = bankRange(list, bank);
    const std::int32_t start = std::max<std::int32_t>(r.start, kBankWindowStart);
    const std::int32_t end = std::clamp<std::int32_t>(std::int32_t{r.start} + r.length, start, kBankWindowEnd);
    return {start, end};
}

std::string tapeImage(TapeFormat format, const Document& doc, const PlacedBuild& placed, const BinaryList& list,
                      const MemoryImage& image) {
    TapeWriter tape(format);
    if (doc.inclLdr != 0) {
        const auto* loader = reinterpret_cast<const std::uint8_t*>(placed.loader.data());
        tape.programBlock("Loader", doc.ldrAutostart != 0 ? kLoaderAutostartLine : tap::kNoAutostart,
                          static_cast<std::uint16_t>(placed.loader.size()), {loader, placed.loader.size()});
    }
    for (int bank = 1; bank < kBankCount; ++bank) {
        if (!bankInMask(placed.bankMask, bank)) continue;
        const AddressRange r = bankBlockRange(list, bank);
        const std::size_t offset = *imageOffset(r.start, bank);
        tape.codeBlock(kBanks[static_cast<std::size_t>(bank)].blockName, static_cast<std::uint16_t>(r.start), HeaderBlock::With,
                       tap::kCodeHeader, tap::kDataFlag, imageBytes(image, offset, static_cast<std::size_t>(r.end - r.start)));
    }
    const AddressRange main = mainBlockRange(placed.codeStart, placed.codeEnd, list);
    tape.codeBlock("Main", static_cast<std::uint16_t>(main.start), HeaderBlock::With, tap::kCodeHeader, tap::kDataFlag,
                   imageBytes(image, static_cast<std::size_t>(main.start), static_cast<std::size_t>(main.end - main.start)));
    return tape.bytes();
}

TapeOutcome writeTape(const Document& doc, const BuildPaths& paths, const BinaryList& list, MemoryImage& image,
                      RegionMap& map) {
    TapeOutcome outcome;
    outcome.placed = placeBuild(doc, paths.compiledFile, list, image, map);
    if (!outcome.placed.placed || !writesTape(doc.outputType)) return outcome;
    const TapeFormat format = doc.outputType == 2 ? TapeFormat::Tzx : TapeFormat::Tap;
    outcome.tapePath = paths.outputBase + std::string(outputKind(doc.outputType).tapeExtension);
    // A block cut to fit the tape would load a program with a piece missing.
    const AddressRange main = mainBlockRange(outcome.placed.codeStart, outcome.placed.codeEnd, list);
    if (static_cast<std::size_t>(main.end - main.start) > tap::kMaxBlockData) {
        outcome.placed.log.push_back("FAIL: the Main block from " + std::to_string(main.start) + " to " +
                                     std::to_string(main.end - 1) + " is " + std::to_string(main.end - main.start) +
                                     " bytes long, more than the " + std::to_string(tap::kMaxBlockData) +
                                     " bytes a tape block can hold; no tape written");
        return outcome;
    }
    const Status written = writeFileAtomic(outcome.tapePath, tapeImage(format, doc, outcome.placed, list, image));
    outcome.written = written.ok();
    if (!written)
        outcome.placed.log.push_back("FAIL: cannot write tape file " + outcome.tapePath + ": " + written.error().detail);
    return outcome;
}

}  // namespace quillo
