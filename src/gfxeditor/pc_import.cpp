#include "gfxeditor/pc_import.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quillo {

namespace {

constexpr std::int64_t kRingLimit = 16777416;  // bytes of 32-bit pixels the import ring can take
constexpr std::uint32_t kTransparentCyan = 0x008080;
constexpr std::uint8_t kMonoAttribute = 56;
constexpr std::uint8_t kBright = 64;

int red(std::uint32_t c) { return static_cast<int>(c >> 16 & 0xFF); }
int green(std::uint32_t c) { return static_cast<int>(c >> 8 & 0xFF); }
int blue(std::uint32_t c) { return static_cast<int>(c & 0xFF); }

// closer[ink][paper] has bit c set when colour c is strictly nearer the ink
// than the paper, measured on the BRIGHT colours the import always produces.
using DecisionTable = std::array<std::array<std::uint8_t, 8>, 8>;

DecisionTable buildDecisionTable() {
    const auto distance = [](std::uint32_t a, std::uint32_t b) {
        const double dr = red(a) - red(b), dg = green(a) - green(b), db = blue(a) - blue(b);
        return std::lround(std::sqrt(dr * dr + dg * dg + db * db));
    };
    DecisionTable table{};
    for (int i = 0; i < 8; ++i)
        for (int p = 0; p < 8; ++p)
            for (int c = 0; c < 8; ++c)
                if (distance(kDisplayPalette[8 + c], kDisplayPalette[8 + i]) <
                    distance(kDisplayPalette[8 + c], kDisplayPalette[8 + p]))
                    table[i][p] |= static_cast<std::uint8_t>(1u << c);
    return table;
}

const DecisionTable& decisionTable() {
    static const DecisionTable table = buildDecisionTable();
    return table;
}

// The checkerboard alternates along a row and between rows; we start the top-left pixel at phase 0, so
// with whole cells every cell starts at 0 too.
int phase(int x, int y) { return (x + y) & 1; }

std::uint8_t greyOf(std::uint32_t c, const GreyChoice& grey) {
    const int channels = (grey.channels & 7) ? (grey.channels & 7) : 7;
    const bool useBlue = channels & 1, useRed = channels & 2, useGreen = channels & 4;
    int sum = 0, weights = 0;
    const auto add = [&](bool used, int value, int weight) {
        if (!used) return;
        sum += value * (grey.weighted ? weight : 1);
        weights += grey.weighted ? weight : 1;
    };
    add(useRed, red(c), 299);
    add(useGreen, green(c), 587);
    add(useBlue, blue(c), 114);
    return static_cast<std::uint8_t>(sum / weights);
}

// One channel's bit of the colour number in the colour modes.
int channelBit(int value, int slider1, int slider2, bool midtone, int x, int y) {
    if (!midtone) return value > 255 - slider1 ? 1 : 0;
    const int level = threeLevel(value, 255 - slider1, 255 - slider2);
    return level == 2 ? 1 : level == 1 ? phase(x, y) : 0;
}

}  // namespace

int threeLevel(int value, int threshold1, int threshold2) {
    const int lo = std::min(threshold1, threshold2), hi = std::max(threshold1, threshold2);
    if (value <= lo) return 0;
    if (value > hi) return 2;
    // round((v - lo) / (hi - lo)) with the half rounded up
    return 2 * (value - lo) >= hi - lo ? 1 : 0;
}

PcImport::Taken PcImport::take(PixelBuffer source, GreyChoice grey) {
    const std::int64_t w = source.width, h = source.height;
    if (w * h * 4 >= kRingLimit) return {false, "oh"};
    if (w < 8 || h < 8)
        return {false, "The picture of " + std::to_string(w) + " x " + std::to_string(h) +
                           " pixels is smaller than one 8 x 8 character cell."};
    const std::int64_t cells = (w / 8) * (h / 8);
    if (cells > kPictureMaxCells)
        return {false, "The picture of " + std::to_string(w) + " x " + std::to_string(h) + " pixels is " +
                           std::to_string(w / 8) + " x " + std::to_string(h / 8) + " = " + std::to_string(cells) +
                           " cells; at most " + std::to_string(kPictureMaxCells) + " cells fit."};
    for (std::uint32_t& p : source.pixels)
        if ((p & 0xFFFFFF) == kTransparentCyan) p = 0xFFFFFF;
    grey_.resize(source.pixels.size());
    std::transform(source.pixels.begin(), source.pixels.end(), grey_.begin(),
                   [&grey](std::uint32_t p) { return greyOf(p, grey); });
    source_ = std::move(source);
    return {true, {}};
}

void PcImport::convert(ImportMode mode, const ImportThresholds& t, Picture& target) const {
    if (!hasPicture()) return;
    const int wc = source_.width / 8, hc = source_.height / 8;
    if (!target.recreate(wc, hc, kMonoAttribute)) return;
    std::uint8_t* bitmap = target.bitmap();
    const int w = source_.width;

    if (mode == ImportMode::MonochromeBiTone || mode == ImportMode::MonochromeMidtone) {
        const bool midtone = mode == ImportMode::MonochromeMidtone;
        for (int y = 0; y < hc * 8; ++y)
            for (int x = 0; x < wc * 8; ++x) {
                const int g = grey_[static_cast<std::size_t>(y) * w + x];
                bool ink;
                if (!midtone) {
                    ink = g < 255 - t[kBright1];
                } else {
                    const int level = threeLevel(255 - g, t[kBright1], t[kBright2]);
                    ink = level == 2 || (level == 1 && phase(x, y) == 1);
                }
                if (ink) bitmap[y * wc + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        return;
    }

    const bool midtone = mode == ImportMode::ColorMidtone;
    const DecisionTable& table = decisionTable();
    std::array<std::uint8_t, 64> colours{};
    for (int row = 0; row < hc; ++row)
        for (int column = 0; column < wc; ++column) {
            std::array<int, 8> count{};
            for (int l = 0; l < 64; ++l) {
                const int x = column * 8 + l % 8, y = row * 8 + l / 8;
                const std::uint32_t p = source_.at(x, y);
                const int c = channelBit(blue(p), t[kBlue1], t[kBlue2], midtone, x, y) +
                              2 * channelBit(red(p), t[kRed1], t[kRed2], midtone, x, y) +
                              4 * channelBit(green(p), t[kGreen1], t[kGreen2], midtone, x, y);
                colours[l] = static_cast<std::uint8_t>(c);
                ++count[c];
            }
            // Ties go to the higher colour number: scan downwards and take only a strictly larger count.
            int paper = 7;
            for (int c = 6; c >= 0; --c)
                if (count[c] > count[paper]) paper = c;
            int ink = paper == 7 ? 6 : 7;
            for (int c = ink - 1; c >= 0; --c)
                if (c != paper && count[c] > count[ink]) ink = c;
            target.attributeAt(column, row) = static_cast<std::uint8_t>(ink + 8 * paper + kBright);
            const std::uint8_t nearer = table[ink][paper];
            for (int l = 0; l < 64; ++l)
                if (nearer >> colours[l] & 1)
                    bitmap[(row * 8 + l / 8) * wc + column] |= static_cast<std::uint8_t>(0x80 >> (l % 8));
        }
}

}  // namespace quillo
