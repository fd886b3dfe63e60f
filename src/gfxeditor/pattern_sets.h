#pragma once
// The built-in brushes and textures, kept as text files beside this one and
// turned into data at build time.
#include "gfxeditor/drawing.h"

#include <vector>

namespace quillo {

inline constexpr int kBuiltInBrushCount = 18;
inline constexpr int kBuiltInTextureCount = 45;

const std::vector<Brush>& builtInBrushes();
const std::vector<Texture>& builtInTextures();

}  // namespace quillo
