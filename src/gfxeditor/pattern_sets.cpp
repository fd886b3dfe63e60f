#include "gfxeditor/pattern_sets.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>

namespace quillo {

// Generated from patterns/*.txt at build time.
extern const std::uint16_t kBuiltInBrushRows[kBuiltInBrushCount][16];
extern const std::uint16_t kBuiltInTextureRows[kBuiltInTextureCount][16];

const std::vector<Brush>& builtInBrushes() {
    static const std::vector<Brush> brushes = [] {
        std::vector<Brush> all;
        for (const auto& rows : kBuiltInBrushRows) {
            Brush brush{2, 2, {}};
            for (const std::uint16_t row : rows) {
                brush.bits.push_back(static_cast<std::uint8_t>(row >> 8));
                brush.bits.push_back(static_cast<std::uint8_t>(row & 0xFF));
            }
            all.push_back(std::move(brush));
        }
        return all;
    }();
    return brushes;
}

const std::vector<Texture>& builtInTextures() {
    static const std::vector<Texture> textures = [] {
        std::vector<Texture> all;
        for (const auto& rows : kBuiltInTextureRows) {
            Texture texture;
            std::copy(std::begin(rows), std::end(rows), texture.rows.begin());
            all.push_back(texture);
        }
        return all;
    }();
    return textures;
}

}  // namespace quillo
