#include "fonteditor/standard_shapes.h"

#include "fonteditor/font_library.h"

#include <algorithm>

namespace quillo {

namespace {

constexpr int kFirstUdg = 144;
constexpr int kLastUdg = 164;
constexpr int kFirstBlock = 128;
constexpr int kLastBlock = 143;

}  // namespace

Glyph standardShape(int code) {
    Glyph shape{};
    static const Charset builtIn = builtInCharset();
    if ((code >= 32 && code <= 127) || (code >= kFirstUdg && code <= kLastUdg)) {
        const std::uint8_t* g = glyph(builtIn, code);
        std::copy(g, g + 8, shape.begin());
    }
    return shape;
}

void setUdgToStandard(WorkingFont& font) {
    for (int c = kFirstUdg; c <= kLastUdg; ++c) {
        const Glyph shape = standardShape(c);
        std::copy(shape.begin(), shape.end(), font.glyphAt(c));
    }
}

void loadLibraryFont(WorkingFont& font, std::size_t index) {
    const FontLibraryEntry& entry = fontLibraryEntry(index);
    font.bitmaps.fill(0);
    font.flags.fill(0);
    const int first = entry.kind == FontKind::Full ? 0 : 32;
    const std::size_t room = font.bitmaps.size() - static_cast<std::size_t>(first) * 8;
    std::copy_n(entry.bytes.begin(), std::min(entry.bytes.size(), room), font.glyphAt(first));
    if (entry.kind == FontKind::Printable) {
        const Charset builtIn = builtInCharset();
        for (int c = kFirstBlock; c <= kLastBlock; ++c) {
            std::copy_n(glyph(builtIn, c), 8, font.glyphAt(c));
            font.flags[c] = kCharFlagProtected;
        }
    }
    if (index == 0) setUdgToStandard(font);
}

}  // namespace quillo
