#include "gfxeditor/defb_graphics.h"

#include "common/attribute.h"
#include "common/defb_format.h"
#include "common/defb_parse.h"

#include <algorithm>

namespace quillo {

namespace {

// Calls visit(linearIndex) in the order the bytes of `order` follow each other.
template <class Visit>
void forEachInOrder(GraphicsOrder order, int w, int h, Visit visit) {
    switch (order) {
    case GraphicsOrder::Progressive:
        for (int i = 0; i < w * h * 8; ++i) visit(i);
        break;
    case GraphicsOrder::Characters:
        for (int r = 0; r < h; ++r)
            for (int c = 0; c < w; ++c)
                for (int l = 0; l < 8; ++l) visit((8 * r + l) * w + c);
        break;
    case GraphicsOrder::Columns:
        for (int c = 0; c < w; ++c)
            for (int y = 0; y < 8 * h; ++y) visit(y * w + c);
        break;
    }
}

}  // namespace

std::vector<std::uint8_t> toLinear(std::span<const std::uint8_t> bytes, GraphicsOrder from, int widthCells,
                                   int heightCells) {
    std::vector<std::uint8_t> linear(static_cast<std::size_t>(widthCells) * heightCells * 8, 0);
    std::size_t n = 0;
    forEachInOrder(from, widthCells, heightCells, [&](int at) {
        linear[at] = n < bytes.size() ? bytes[n] : 0;
        ++n;
    });
    return linear;
}

std::vector<std::uint8_t> fromLinear(std::span<const std::uint8_t> linear, GraphicsOrder to, int widthCells,
                                     int heightCells) {
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(widthCells) * heightCells * 8);
    forEachInOrder(to, widthCells, heightCells, [&](int at) {
        out.push_back(static_cast<std::size_t>(at) < linear.size() ? linear[at] : 0);
    });
    return out;
}

std::string reorderDefbText(std::string_view selection, GraphicsOrder from, GraphicsOrder to, int widthCells,
                            int heightCells) {
    const std::vector<std::uint8_t> parsed = parseDefb(selection);
    std::vector<std::uint8_t> result = fromLinear(toLinear(parsed, from, widthCells, heightCells), to, widthCells,
                                                  heightCells);
    // As many values come back as were selected: fewer are cut off, more are padded with zeros from the
    // (cleared) second buffer.
    result.resize(parsed.size(), 0);
    return formatDefb(result);
}

void defbToPicture(std::span<const std::uint8_t> bytes, GraphicsOrder from, int widthCells, int heightCells,
                   bool withAttributes, Picture& picture) {
    if (!picture.recreate(widthCells, heightCells, attribute::kDefault)) return;
    const std::vector<std::uint8_t> linear = toLinear(bytes, from, widthCells, heightCells);
    std::copy(linear.begin(), linear.end(), picture.bitmap());
    if (!withAttributes) return;
    const std::size_t cells = static_cast<std::size_t>(widthCells) * heightCells;
    for (std::size_t i = 0; i < cells; ++i) {
        const std::size_t at = linear.size() + i;
        picture.attributes()[i] = at < bytes.size() ? bytes[at] : 0;
    }
}

std::string defbBufferText(int widthBytes, int heightLines) {
    std::string line = "\tDEFB ";
    for (int i = 0; i < widthBytes; ++i) line += i ? ",0" : "0";
    line += '\n';
    std::string out = "buffer:\nASM\n";
    for (int i = 0; i < heightLines; ++i) out += line;
    return out + "END ASM";
}

}  // namespace quillo
