#include "fonteditor/font_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using quillo::FontKind;
using quillo::fontLibraryEntry;
using quillo::kFontLibraryCount;

namespace {

std::size_t sizeOfKind(FontKind kind) {
    switch (kind) {
    case FontKind::Full: return 2048;
    case FontKind::Extended: return 1792;
    case FontKind::Printable: return 768;
    }
    return 0;
}

}  // namespace

TEST(FontLibrary, EveryEntryHasTheSizeOfItsKind) {
    for (std::size_t i = 0; i < kFontLibraryCount; ++i) {
        const auto& entry = fontLibraryEntry(i);
        EXPECT_EQ(entry.bytes.size(), sizeOfKind(entry.kind)) << i << " " << entry.name;
    }
}

TEST(FontLibrary, NamesAndKindsInLibraryOrder) {
    const std::vector<std::string> names = {
        "Standard ZX Spectrum font", "Extended ZX Spectrum font", "SE Basic ZX Spectrum font",
        "Std. ZX Spectrum 4x8 font", "SAM Coupé standard font", "MSX + Kana (japanese) font",
        "Amstrad CPC font + symbols", "Atari ST font + symbols", "Squared 1", "Squared 2", "Squared Future",
        "Antic", "Future Tall", "Serif", "Serif Fat Left", "Small Fat", "Stencil Fat", "Stencil Thin",
        "3 Pix Wide Small", "4 Pix Wide", "Acid", "Antic 2", "AnticFat", "Big Char Serif Thin", "Big Fat Squared",
        "Big Fat Upper Fire", "Big Squared Future", "Big Thick", "Big Thin Serif", "Chaplin", "Chinese",
        "Chinese 2", "Chinese Upper", "Computer 2", "Computer 3", "Computer Fat OCR", "Cyrylic", "Double Line",
        "Double Line Capitals", "Extremly Fat", "Fantasy", "Fat 1", "Fat Outline", "Fat Rounded", "Gothic",
        "Gothic Big", "Greek", "Handwritten 1", "Handwritten 2", "FontHandwritten Fat 1",
        "FontHandwritten Fat 2", "FontHandwritten Fat 2", "Impact", "Italic 1", "Italic 2", "Italic 3", "King",
        "Knight", "Knight 2", "Outline", "Prince", "Round Fat", "Serif Fat Tall", "Serif Thin 1", "Serif Thin 2",
        "Square 4", "Stencil 2", "Tall Fat", "Times Fat 1", "Times Fat 2", "West", "Western", "Zeus",
        "ZX Improved"};
    ASSERT_EQ(names.size(), kFontLibraryCount);
    for (std::size_t i = 0; i < kFontLibraryCount; ++i) {
        EXPECT_EQ(fontLibraryEntry(i).name, names[i]) << i;
        const FontKind expected = i == 7 ? FontKind::Extended : i >= 1 && i <= 6 ? FontKind::Full : FontKind::Printable;
        EXPECT_EQ(fontLibraryEntry(i).kind, expected) << i;
    }
}

TEST(FontLibrary, NoTwoEntriesAreTheSame) {
    for (std::size_t i = 0; i < kFontLibraryCount; ++i) {
        for (std::size_t j = i + 1; j < kFontLibraryCount; ++j) {
            const auto a = fontLibraryEntry(i).bytes;
            const auto b = fontLibraryEntry(j).bytes;
            EXPECT_FALSE(std::ranges::equal(a, b)) << i << " and " << j;
        }
    }
}

TEST(FontLibrary, StandardFontIsTheRomCharacterSet) {
    // Its capitals A..U double as the standard UDG shapes, so they must be the ROM's.
    const std::uint8_t letterA[8] = {0x00, 0x3C, 0x42, 0x42, 0x7E, 0x42, 0x42, 0x00};
    const auto bytes = fontLibraryEntry(0).bytes;
    EXPECT_TRUE(std::equal(letterA, letterA + 8, bytes.begin() + 264));
}
