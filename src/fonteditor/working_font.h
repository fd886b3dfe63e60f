#pragma once
// The font the font editor works on. It lives for the whole run, so closing
// the editor window never loses a change.
#include "common/charset.h"

#include <array>
#include <cstdint>

namespace quillo {

using Glyph = std::array<std::uint8_t, 8>;

// Which characters an operation acts on; the values are the stored choice.
enum class FontScope { Single = 1, Range = 2, All = 3 };

// An inclusive run of character codes, first <= last.
struct CharSpan {
    int first = 0;
    int last = 0;
    int count() const { return last - first + 1; }
    std::size_t byteCount() const { return static_cast<std::size_t>(count()) * 8; }
};

struct WorkingFont {
    Charset bitmaps{};
    CharFlags flags{};
    int rangeStart = 32;
    int rangeEnd = 127;
    Charset undo{};
    Glyph clipboard{};

    // The contents at start-up: ROM font, block graphics (protected), UDGs.
    static WorkingFont startUp();

    std::uint8_t* glyphAt(int code) { return bitmaps.data() + (code & 0xFF) * 8; }
    const std::uint8_t* glyphAt(int code) const { return bitmaps.data() + (code & 0xFF) * 8; }
    bool isProtected(int code) const { return (flags[code & 0xFF] & kCharFlagProtected) != 0; }

    // The range with its ends in order: a range set end-first still means
    // the characters between its ends.
    CharSpan range() const;
    CharSpan scope(FontScope scope, int current) const;

    void takeUndo() { undo = bitmaps; }
    void restoreUndo() { bitmaps = undo; }
};

// Start column (bits 0-2) and width field (bits 3-5) of a character, with
// its other flag bits kept.
std::uint8_t withColumnMetrics(const std::uint8_t* glyph, std::uint8_t flag);
void recalcMetrics(WorkingFont& font, int code);

}  // namespace quillo
