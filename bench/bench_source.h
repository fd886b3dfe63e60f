#pragma once
// What the editor benchmarks share: the generated source, the application
// object and a configured source editor.
#include "app/settings.h"
#include "editor/ui/source_editor.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace quillo::bench {

// A realistic source: SUBs and FUNCTIONs with loops, prints, strings,
// comments, numbers of every kind and ASM blocks; CR LF line ends.
inline std::string generateSource(int lines) {
    static const char* const kBlock[] = {
        "' Routine %d: draws a frame and counts the score",
        "SUB DrawFrame%d(x as ubyte, y as ubyte)",
        "  DIM i, score as uinteger = 0",
        "  FOR i = 0 TO 31 STEP 2",
        "    PRINT AT y, x + i; INK 6; PAPER 1; \"Score: \"; score: REM status line",
        "    IF score > 1000 THEN score = score - $FF: border 2: END IF",
        "    poke @table + i, peek(23672) BAND %1010",
        "  NEXT i",
        "  Beep .5, 10: pause 1.25",
        "END SUB",
        "",
        "FUNCTION Max%d(a as ubyte, b as ubyte) as ubyte",
        "  IF a > b THEN RETURN a",
        "  RETURN b ' the larger one",
        "END FUNCTION",
        "",
        "SUB FASTCALL Clear%d()",
        "  ASM",
        "    ld hl,16384",
        "    ld (hl),0",
        "    defb 1,2,3,$FF",
        "  END ASM",
        "  x = Max(1, 2) + CalcValue (3) * 1.2 : s$ = \"unterminated",
        "END SUB",
        "",
    };
    constexpr int kBlockLines = sizeof kBlock / sizeof kBlock[0];
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 40);
    char buffer[256];
    for (int i = 0; i < lines; ++i) {
        std::snprintf(buffer, sizeof buffer, kBlock[i % kBlockLines], i / kBlockLines);
        text += buffer;
        text += "\r\n";
    }
    return text;
}

struct App {
    App() {
        static int argc = 1;
        static char name[] = "quillo_bench";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    std::unique_ptr<QApplication> app;
};

inline Settings& settings() {
    static Settings s("/tmp/");
    return s;
}

inline std::unique_ptr<SourceEditor> ourEditor(const std::string& text) {
    auto editor = std::make_unique<SourceEditor>();
    editor->resize(800, 600);
    editor->configure(settings());
    editor->setTextBytes(text);
    editor->show();
    return editor;
}

// main() of a benchmark program: the application object, then every benchmark.
inline int runBenchmarks(int argc, char** argv) {
    App app;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace quillo::bench
