#pragma once
// The ZX Spectrum display file (".scr"): 6144 bitmap bytes in the screen's
// interleaved row order, then 768 attributes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillo {

class Picture;

inline constexpr std::size_t kScreenFileSize = 6912;
inline constexpr std::size_t kScreenBitmapSize = 6144;
inline constexpr std::size_t kScreenFileWithHeaderSize = 6929;

// Offset in the display file of pixel row y (0..191), byte column c (0..31).
constexpr std::size_t screenOffset(int y, int c) {
    return static_cast<std::size_t>(((y >> 6) & 3) * 2048 + (y & 7) * 256 + ((y >> 3) & 7) * 32 + c);
}

bool hasScreenExtension(const std::string& path);  // "scr" in any letter case

struct ScreenLoad {
    bool ok = false;
    std::string message;  // why not, naming the file, the size found and the sizes accepted
};

// Loads 6912, 6144 (attributes 56) or 6929 bytes (17-byte header skipped)
// into the picture, which becomes a 32x24 entry named after the file. Any
// other extension or size leaves the picture exactly as it was.
ScreenLoad loadScreen(Picture& picture, const std::string& path, std::span<const std::uint8_t> bytes);

// The exact inverse of loading 6912 bytes; only a 32x24 picture is a screen.
bool isScreenSized(const Picture& picture);
std::vector<std::uint8_t> screenBytes(const Picture& picture);

}  // namespace quillo
