#pragma once
#include <cstdint>
#include <vector>

namespace quillo {

// A plain true-colour image: one 0x00RRGGBB value per pixel, rows top down.
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    PixelBuffer() = default;
    PixelBuffer(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0) {}
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace quillo
