#pragma once
// A true-colour picture turned into a Spectrum picture: a 1-bit bitmap with
// one attribute per 8x8 cell, by thresholds on each channel.
#include "common/pixel_buffer.h"
#include "gfxeditor/picture.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quillo {

enum class ImportMode { MonochromeBiTone = 0, MonochromeMidtone = 1, ColorBiTone = 2, ColorMidtone = 3 };

// "Red 1", "Red 2", "Gre 1", "Gre 2", "Blu 1", "Blu 2", "Bri 1", "Bri 2".
enum ImportSlider { kRed1, kRed2, kGreen1, kGreen2, kBlue1, kBlue2, kBright1, kBright2, kImportSliderCount };
using ImportThresholds = std::array<int, kImportSliderCount>;
inline constexpr ImportThresholds kDefaultThresholds = {100, 155, 100, 155, 100, 155, 100, 155};

// Which channels make the grey copy: blue 1, red 2, green 4.
struct GreyChoice {
    int channels = 7;
    bool weighted = true;  // 299 red, 587 green, 114 blue; else the plain average
};

// The three-level rule: 0 at or below the lower threshold, 2 above the
// higher, between them 0 in the lower half and 1 in the upper half.
int threeLevel(int value, int threshold1, int threshold2);

class PcImport {
public:
    struct Taken {
        bool ok = false;
        std::string message;  // why the picture was refused
    };
    // The source, already cut to multiples of 8; 0x008080 becomes white.
    // Pictures too big for the ring ("oh", "Too big") or for the picture
    // block (more than 3855 cells) are refused.
    Taken take(PixelBuffer source, GreyChoice grey = {});
    bool hasPicture() const { return source_.width > 0; }
    const PixelBuffer& source() const { return source_; }

    // Converts into the picture, recreated at the source's size with attribute 56.
    void convert(ImportMode mode, const ImportThresholds& thresholds, Picture& target) const;

private:
    PixelBuffer source_;
    std::vector<std::uint8_t> grey_;
};

}  // namespace quillo
