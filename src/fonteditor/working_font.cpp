#include "fonteditor/working_font.h"

#include <algorithm>

namespace quillo {

WorkingFont WorkingFont::startUp() {
    WorkingFont font;
    font.bitmaps = builtInCharset();
    font.flags = builtInCharFlags();
    font.undo = font.bitmaps;
    return font;
}

CharSpan WorkingFont::range() const {
    const int a = rangeStart & 0xFF;
    const int b = rangeEnd & 0xFF;
    return {std::min(a, b), std::max(a, b)};
}

CharSpan WorkingFont::scope(FontScope which, int current) const {
    switch (which) {
    case FontScope::Single: return {current & 0xFF, current & 0xFF};
    case FontScope::Range: return range();
    case FontScope::All: break;
    }
    return {0, 255};
}

std::uint8_t withColumnMetrics(const std::uint8_t* glyph, std::uint8_t flag) {
    std::uint8_t columns = 0;  // bit 7 = column 0, as in a row
    for (int row = 0; row < 8; ++row) columns |= glyph[row];
    int first = 7;
    for (int x = 0; x <= 6; ++x)
        if (columns & (0x80 >> x)) {
            first = x;
            break;
        }
    int last = 0;
    for (int x = 7; x >= 1; --x)
        if (columns & (0x80 >> x)) {
            last = x;
            break;
        }
    return static_cast<std::uint8_t>((flag & 0xC0) | (first & 7) | (((last - first) & 7) << 3));
}

void recalcMetrics(WorkingFont& font, int code) {
    font.flags[code & 0xFF] = withColumnMetrics(font.glyphAt(code), font.flags[code & 0xFF]);
}

}  // namespace quillo
