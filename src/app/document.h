#pragma once
#include "common/paths.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillo {

// The interrupt manager's choices for a document; kept while it is open, not
// in the project file.
struct InterruptFields {
    std::int32_t onAddress = 0;
    std::int32_t offAddress = 0;
    std::int32_t callAddress = 0;   // the user's routine
    std::uint8_t bank = 0;          // handler bank combo index 0..5
    std::int32_t tableAddress = 0;  // vector table, a multiple of 256
    std::int32_t vectorValue = 0;   // the byte every vector holds, 0..255
    std::uint8_t used = 0;          // 1 once pieces were created
};

// One open source: its name and folder plus the project options kept in its
// project file (named after their keys there).
struct Document {
    std::string name;    // file name without its last extension; "new" for a new one
    std::string folder;  // with trailing '/'; empty until the source is saved or opened
    std::string mainPrgName;
    std::int32_t prgStart = 0;
    std::uint8_t outputType = 0;
    std::string outputFile;
    std::uint8_t optimisation = 0;
    std::uint8_t inclLdr = 0;
    std::uint8_t ldrAutostart = 0;
    std::uint8_t debug = 0;
    std::uint8_t backend = 0;
    std::uint8_t strictBool = 0;
    std::uint8_t arrayCheck = 0;
    std::uint8_t memoryCheck = 0;
    std::uint8_t compileFinal = 0;  // not stored in any file
    std::int32_t specialLib = 0;
    std::int32_t arrayBase = 0;
    std::int32_t stringBase = 0;
    std::int32_t heapsize = 0;
    std::uint8_t enableBreak = 0;
    std::uint8_t displayMap = 0;
    std::int32_t freeMemory = 41536;  // left free by the last build; not stored
    std::string author;
    std::uint8_t target = 0;
    std::uint8_t memory = 0;
    std::int16_t extLevels = 0;
    std::int32_t caretPos = 0;
    std::uint8_t usedEmulator = 0;
    std::uint8_t explicit_ = 0;
    std::uint8_t compression = 0;
    InterruptFields interrupts;

    bool isSaved() const { return !folder.empty(); }
};

inline constexpr std::string_view kNewDocumentName = "new";
// Sources above this size are refused rather than cut short.
inline constexpr std::uintmax_t kMaxSourceSize = 4'000'000;

// The document that start-up opens, and the one "New" adds.
Document firstDocument();
Document newDocument();

// "dir/my.game.bas" -> "my.game": the file name without its last extension.
std::string documentName(std::string_view path);
// The name a source is written under: the path itself when its extension is
// exactly the suffix (case matters), else the path with "." + suffix appended.
std::string sourceFileName(std::string_view path, std::string_view suffix);
// Where Save writes a document: folder + name + "." + suffix.
std::string savePath(const Document& doc, std::string_view suffix);
// The output file as a full path: a relative OutputFile (the default is
// "output") lies in the source's folder, which is where the compiler runs,
// or in fallbackFolder for a source never saved; never in whatever folder
// the program was started from.
std::string outputFilePath(const Document& doc, std::string_view fallbackFolder);

}  // namespace quillo
