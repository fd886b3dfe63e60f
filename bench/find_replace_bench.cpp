// "Find next" and "Replace All" of the find window's search against a loop of
// Scintilla's own SCI_SEARCHINTARGET doing the same work in the same editor.
// Run offscreen: QT_QPA_PLATFORM=offscreen ./find_replace_bench
#include "bench_source.h"

#include "editor/find_text.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

using namespace quillo;
using namespace quillo::bench;
using B = QsciScintillaBase;

constexpr int kLines = 100000;
constexpr int kHits = 10000;

// The benchmark source with one word found only on its last line.
std::string lastLineSource() { return generateSource(kLines) + "lastword = 1\r\n"; }

// The benchmark source with a word on every tenth line: 10,000 hits.
std::string manyHitsSource() {
    const std::string source = generateSource(kLines);
    std::string text;
    text.reserve(source.size() + kHits * 8);
    int line = 0;
    for (std::size_t start = 0; start < source.size();) {
        const std::size_t end = source.find("\r\n", start);
        text.append(source, start, end - start);
        if (line++ % (kLines / kHits) == 0) text += " : hitme";
        text += "\r\n";
        start = end + 2;
    }
    return text;
}

long nativeFind(SourceEditor& editor, const char* word, long start) {
    editor.send(B::SCI_SETSEARCHFLAGS, 0);
    editor.send(B::SCI_SETTARGETRANGE, static_cast<std::uintptr_t>(start), editor.send(B::SCI_GETLENGTH));
    return static_cast<long>(
        editor.send(B::SCI_SEARCHINTARGET, std::strlen(word), reinterpret_cast<std::intptr_t>(word)));
}

void BM_FindLastLineOurs(benchmark::State& state) {
    const auto editor = ourEditor(lastLineSource());
    for (auto _ : state) benchmark::DoNotOptimize(findText(*editor, "lastword", 0, 0));
}

void BM_FindLastLineNative(benchmark::State& state) {
    const auto editor = ourEditor(lastLineSource());
    for (auto _ : state) benchmark::DoNotOptimize(nativeFind(*editor, "lastword", 0));
}

void BM_FindLastLineIgnoreCase(benchmark::State& state) {
    const auto editor = ourEditor(lastLineSource());
    for (auto _ : state) benchmark::DoNotOptimize(findText(*editor, "LASTWORD", 0, find_flag::IgnoreCase));
}

template <typename Replace>
void replaceBench(benchmark::State& state, Replace replace) {
    const std::string text = manyHitsSource();
    const auto editor = ourEditor(text);
    for (auto _ : state) {
        state.PauseTiming();
        editor->setTextBytes(text);
        editor->send(B::SCI_EMPTYUNDOBUFFER);
        state.ResumeTiming();
        if (replace(*editor) != kHits) state.SkipWithError("wrong hit count");
    }
}

void BM_ReplaceAllOurs(benchmark::State& state) {
    replaceBench(state, [](SourceEditor& editor) { return replaceAll(editor, "hitme", "hitmelonger", 0, 0); });
}

void BM_ReplaceAllNative(benchmark::State& state) {
    replaceBench(state, [](SourceEditor& editor) {
        static const char replacement[] = "hitmelonger";
        int count = 0;
        long pos = 0;
        // Without the editing component's per-change reports, as replaceAll() runs.
        const auto mask = editor.send(B::SCI_GETMODEVENTMASK);
        editor.send(B::SCI_SETMODEVENTMASK, static_cast<std::uintptr_t>(mask & ~(B::SC_MOD_INSERTTEXT | B::SC_MOD_DELETETEXT)));
        editor.send(B::SCI_BEGINUNDOACTION);
        while (nativeFind(editor, "hitme", pos) >= 0) {
            editor.send(B::SCI_REPLACETARGET, sizeof replacement - 1, reinterpret_cast<std::intptr_t>(replacement));
            pos = static_cast<long>(editor.send(B::SCI_GETTARGETEND));
            ++count;
        }
        editor.send(B::SCI_ENDUNDOACTION);
        editor.send(B::SCI_SETMODEVENTMASK, static_cast<std::uintptr_t>(mask));
        return count;
    });
}

}  // namespace

BENCHMARK(BM_FindLastLineOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindLastLineNative)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindLastLineIgnoreCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllNative)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return quillo::bench::runBenchmarks(argc, argv); }
