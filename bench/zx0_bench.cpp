// The built-in ZX0 packer: the fast optimal parse on the inputs the targets
// name, and the exhaustive reference parse on inputs short enough for it.
#include "pipeline/zx0.h"
#include "pipeline/zx0_parse.h"

#include "../tests/pipeline/zx0_corpus.h"
#include "../tests/pipeline/zx0_exhaustive.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using namespace quillo::zx0;
using test::Bytes;

Bytes input(int kind, std::size_t n) {
    switch (kind) {
    case 0: return test::basicText(n, 1);
    case 1: return test::spectrumScreen(1);
    case 2: return test::zeros(n);
    case 3: return test::randomBytes(n, 1);
    default: return test::z80Code(n, 1);
    }
}

long peakKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// kind: 0 text, 1 screen, 2 zeros, 3 random, 4 code; size in bytes.
void BM_Compress(benchmark::State& state) {
    const Bytes data = input(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    std::size_t size = 0;
    for (auto _ : state) {
        const Packed packed = compress(data, false);
        size = packed.bytes.size();
        benchmark::DoNotOptimize(size);
    }
    state.counters["packed"] = static_cast<double>(size);
    state.counters["peak_rss_kib"] = static_cast<double>(peakKib());
}
BENCHMARK(BM_Compress)
    ->Args({0, 40960})->Args({1, 6912})->Args({2, 49152})->Args({3, 49152})->Args({4, 32640})->Args({3, 65535})
    ->Args({0, 800})->Args({4, 800})
    ->Unit(benchmark::kMillisecond);

void BM_Exhaustive(benchmark::State& state) {
    const Bytes data = input(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(test::exhaustiveBits(data));
}
BENCHMARK(BM_Exhaustive)->Args({0, 800})->Args({4, 800})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
