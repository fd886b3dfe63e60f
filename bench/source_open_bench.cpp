// Opening a large source in the real main window: reading it, the routine
// scan and the explorer list. The source is made of one-line SUBs, the worst
// case for the scan, at 1x, 2x, 4x and 8x 500,000 bytes (8x: the largest
// source that can be opened). Run offscreen:
// QT_QPA_PLATFORM=offscreen ./source_open_bench
#include "app/app_state.h"
#include "app/settings.h"
#include "app/ui/main_window.h"
#include "common/file_io.h"
#include "editor/routine_scan.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

using namespace quillo;

// "SUB s000001()" lines up to size bytes.
std::string oneLineSubs(std::size_t size) {
    std::string text;
    text.reserve(size);
    char line[32];
    for (int i = 0;; ++i) {
        const int n = std::snprintf(line, sizeof line, "SUB s%06d()\n", i);
        if (text.size() + static_cast<std::size_t>(n) > size) break;
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

void BM_RoutineScan(benchmark::State& state) {
    const std::string text = oneLineSubs(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(scanRoutines(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_OpenInWindow(benchmark::State& state) {
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("Quillo_Files"));
    const std::string path = home.path().toStdString() + "/subs.bas";
    const std::string text = oneLineSubs(static_cast<std::size_t>(state.range(0)));
    writeFileAtomic(path, text);
    Settings settings(home.path().toStdString());
    settings.read("");
    for (auto _ : state) {
        state.PauseTiming();
        // One window over one program state, as a run of the program has.
        AppState app(settings, home.path().toStdString());
        auto window = std::make_unique<MainWindow>(app);
        window->show();
        QApplication::processEvents();
        state.ResumeTiming();
        window->openSourceFile(QString::fromStdString(path));
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["routines"] = static_cast<double>(scanRoutines(text).size());
}

}  // namespace

BENCHMARK(BM_RoutineScan)->Arg(500000)->Arg(1000000)->Arg(2000000)->Arg(4000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInWindow)->Arg(500000)->Arg(1000000)->Arg(2000000)->Arg(4000000)->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
