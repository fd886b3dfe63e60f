// The tables themselves are generated at build time from fonts/*.txt (embed_fonts.py).
#include "fonteditor/font_library.h"

namespace quillo {

extern const std::array<FontLibraryEntry, kFontLibraryCount> kFontLibraryEntries;

const FontLibraryEntry& fontLibraryEntry(std::size_t index) {
    return kFontLibraryEntries.at(index);
}

}  // namespace quillo
