#pragma once
// The font editor's files: its own ".mzf" font file, raw character sets and
// TAP images coming in, and the raw exports going out.
#include "fonteditor/working_font.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillo {

inline constexpr std::size_t kMzfSize = 2306;

// Bitmaps, range start, range end, 256 flag bytes; the column metrics are
// recomputed first.
std::string mzfBytes(WorkingFont& font);
// Reads as much of the layout as the bytes hold; a short file leaves the
// rest of the font as it was.
void readMzf(WorkingFont& font, std::span<const std::uint8_t> bytes);

// Where the bytes of an imported file go.
struct FontPlacement {
    int firstChar = 0;
    std::size_t count = 0;  // bytes taken from the start of the file
};

// "Import" > "Binary": the extension (any case, without the dot) and the
// size pick the first matching row of the import table; none: no import.
std::optional<FontPlacement> importPlacement(std::string_view extension, std::uintmax_t size);

// Files dropped or chosen in the font-folder list; only files below this
// size are taken.
inline constexpr std::uintmax_t kLoadBySizeLimit = 2050;
// Copies the file's bytes into the bitmaps by its size (a 793-byte ".tap"
// gives its data block); false when nothing fitted.
bool loadBySize(Charset& bitmaps, std::string_view extension, std::span<const std::uint8_t> bytes);

// Copies placement.count bytes (no more than the file and the font hold).
void placeBytes(Charset& bitmaps, FontPlacement placement, std::span<const std::uint8_t> bytes);

// "Export" > "Export": the requester's pattern index picks the format.
enum class FontExportFormat { Chr = 0, Bin = 1, Tap = 2, SpecChr = 3 };
std::string_view exportExtension(FontExportFormat format);
std::string exportBytes(const WorkingFont& font, FontExportFormat format);

// The extension of a file name in lower case, without the dot; "" if none.
std::string lowerExtension(std::string_view path);
// A path with the extension of its file name (if any) replaced.
std::string withExtension(std::string_view path, std::string_view extension);

}  // namespace quillo
