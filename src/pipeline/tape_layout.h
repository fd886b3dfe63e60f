#pragma once
#include "app/document.h"
#include "pipeline/binary_list.h"
#include "pipeline/compiler_command.h"
#include "pipeline/memory_image.h"
#include "pipeline/region_map.h"
#include "pipeline/tape_writer.h"
#include "common/user_message.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillo {

// Main memory and the five RAM banks in the memory image.
inline constexpr std::size_t kBuildImageSize = 0x10000 + 5 * 0x4000;

// The compiled code and the binaries in the memory image, and the loader.
struct PlacedBuild {
    bool placed = false;  // the compiled file was read and placed
    std::int32_t codeStart = 0;
    std::int32_t codeEnd = 0;
    std::uint8_t bankMask = 0;  // bit k for each RAM bank k of 1..5 loaded
    std::string loader;
    std::vector<UserMessage> messages;  // region and binary problems, in order
    std::vector<std::string> log;       // FAIL texts for the output panel
};

// Clears main memory and the banks of the image (so a binary removed from
// the list leaves nothing behind in the gaps of the blocks), reads the
// compiled file to PrgStart, registers the code and the heap, loads the
// binaries and builds the loader. A compiled file that cannot be read or
// does not fit below 65536 stops everything after the clearing.
PlacedBuild placeBuild(const Document& doc, const std::string& compiledFile, const BinaryList& list,
                       MemoryImage& image, RegionMap& map);

struct AddressRange {
    std::int32_t start;
    std::int32_t end;  // one past the last byte
    bool operator==(const AddressRange&) const = default;
};

// The "Main" block: the code's range widened to the lowest start and the
// highest end of the main-memory binaries (the end counting from 24000 as
// the bank range does), kept inside the 64K.
AddressRange mainBlockRange(std::int32_t codeStart, std::int32_t codeEnd, const BinaryList& list);
// A RAM bank's block: its bank range, kept inside 0xC000..0xFFFF.
AddressRange bankBlockRange(const BinaryList& list, int bank);

// The tape: the loader (when InclLdr is set), one block per loaded RAM bank
// in ascending order, then "Main".
std::string tapeImage(TapeFormat format, const Document& doc, const PlacedBuild& placed, const BinaryList& list,
                      const MemoryImage& image);

struct TapeOutcome {
    PlacedBuild placed;
    std::string tapePath;  // empty when the output kind has no tape
    bool written = false;
};

// The build's hand-over: placeBuild, then for TAP and TZX the tape written
// to the output base + its extension. A failed write adds a FAIL text.
TapeOutcome writeTape(const Document& doc, const BuildPaths& paths, const BinaryList& list, MemoryImage& image,
                      RegionMap& map);

}  // namespace quillo
