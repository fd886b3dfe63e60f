// The PC picture import: one whole conversion of a 256x192 picture in each
// mode, what every slider move costs in the Import window.
#include "gfxeditor/pc_import.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

using namespace quillo;

// A photograph-like source: smooth gradients with noise, so every cell has
// several colours and the thresholds matter.
PixelBuffer source() {
    PixelBuffer b(256, 192);
    std::mt19937 random(1);
    std::uniform_int_distribution<int> noise(-20, 20);
    const auto channel = [&](int v) { return static_cast<std::uint32_t>(std::clamp(v + noise(random), 0, 255)); };
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x)
            b.at(x, y) = channel(x) << 16 | channel(y * 4 / 3) << 8 | channel((x + y) / 2);
    return b;
}

void convertPicture(benchmark::State& state) {
    PcImport import;
    import.take(source());
    Picture picture;
    const auto mode = static_cast<ImportMode>(state.range(0));
    for (auto _ : state) {
        import.convert(mode, kDefaultThresholds, picture);
        benchmark::DoNotOptimize(picture.bitmap());
    }
}
BENCHMARK(convertPicture)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void takePicture(benchmark::State& state) {
    const PixelBuffer picture = source();
    PcImport import;
    for (auto _ : state) benchmark::DoNotOptimize(import.take(picture).ok);
}
BENCHMARK(takePicture)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
