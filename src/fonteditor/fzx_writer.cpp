#include "fonteditor/fzx_writer.h"

#include <vector>

namespace quillo {

namespace {

constexpr int kFirst = 32;
constexpr int kHeight = 8;

struct FzxGlyph {
    int shift = 0;
    int width = 1;
    std::vector<std::uint8_t> rows;
};

FzxGlyph fzxGlyph(const std::uint8_t* rows) {
    FzxGlyph g;
    const std::uint8_t metrics = withColumnMetrics(rows, 0);
    int top = 0;
    while (top < 8 && rows[top] == 0) ++top;
    if (top == 8) {
        // A blank character (the space) prints as a gap of its metric width.
        g.width = ((metrics >> 3) & 7) + 1;
        return g;
    }
    int bottom = 7;
    while (rows[bottom] == 0) --bottom;
    const int start = metrics & 7;
    g.width = ((metrics >> 3) & 7) + 1;
    g.shift = top;
    for (int y = top; y <= bottom; ++y) g.rows.push_back(static_cast<std::uint8_t>(rows[y] << start));
    return g;
}

void putWord(std::string& out, std::size_t at, unsigned value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

}  // namespace

std::string fzxBytes(const WorkingFont& font) {
    std::vector<FzxGlyph> glyphs;
    for (int c = kFirst; c <= kFzxLastChar; ++c) glyphs.push_back(fzxGlyph(font.glyphAt(c)));
    const std::size_t count = glyphs.size();
    std::string out;
    out += static_cast<char>(kHeight);
    out += static_cast<char>(kFzxTracking);
    out += static_cast<char>(kFzxLastChar);
    const std::size_t table = out.size();
    out.resize(table + count * 3 + 2, '\0');
    std::size_t definition = out.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = table + i * 3;
        putWord(out, entry, static_cast<unsigned>(definition - entry));  // kern 0
        out[entry + 2] = static_cast<char>((glyphs[i].shift << 4) | (glyphs[i].width - 1));
        definition += glyphs[i].rows.size();
    }
    const std::size_t last = table + count * 3;
    putWord(out, last, static_cast<unsigned>(definition - last));
    for (const FzxGlyph& g : glyphs) out.append(g.rows.begin(), g.rows.end());
    return out;
}

}  // namespace quillo
