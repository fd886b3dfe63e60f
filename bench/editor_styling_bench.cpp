// Styling speed of the source editor against Scintilla's own FreeBASIC lexer,
// one key press in a long source, and the notification handler alone.
// Run offscreen: QT_QPA_PLATFORM=offscreen ./editor_styling_bench
#include "bench_source.h"

#include "app/settings.h"
#include "common/charset.h"
#include "common/sci_constants.h"
#include "editor/ui/help_strip_image.h"
#include "editor/ui/source_editor.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace quillo;
using namespace quillo::bench;
using B = QsciScintillaBase;

std::unique_ptr<QsciScintillaBase> nativeEditor(const std::string& text) {
    auto editor = std::make_unique<QsciScintillaBase>();
    editor->resize(800, 600);
    editor->SendScintilla(B::SCI_SETCODEPAGE, B::SC_CP_UTF8);
    editor->SendScintilla(B::SCI_SETLEXER, B::SCLEX_FREEBASIC);
    editor->SendScintilla(B::SCI_SETKEYWORDS, 0UL,
                          "and asm at band beep border bright byref byval cls const declare dim do draw else elseif "
                          "end exit fastcall for function gosub goto if ink let loop next not or paper pause pi "
                          "plot poke print randomize return step stop sub then to until wend while");
    editor->SendScintilla(B::SCI_SETKEYWORDS, 1UL, "abs chr cos in inkey int len peek rnd sgn sin sqr str usr val");
    editor->SendScintilla(B::SCI_SETPROPERTY, "fold", "1");
    editor->SendScintilla(B::SCI_SETMARGINWIDTHN, 2UL, 16L);
    editor->SendScintilla(B::SCI_SETMARGINMASKN, 2UL, static_cast<long>(B::SC_MASK_FOLDERS));
    editor->SendScintilla(B::SCI_ADDTEXT, text.size(), text.c_str());
    editor->show();
    return editor;
}

void BM_FullRestyleOurs(benchmark::State& state) {
    const auto editor = ourEditor(generateSource(static_cast<int>(state.range(0))));
    for (auto _ : state) editor->send(B::SCI_COLOURISE, 0, -1);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FullRestyleNative(benchmark::State& state) {
    const auto editor = nativeEditor(generateSource(static_cast<int>(state.range(0))));
    for (auto _ : state) editor->SendScintilla(B::SCI_COLOURISE, 0UL, -1L);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Type "x" then Backspace in the middle of the text, painting after each.
template <typename Editor>
void pressKeys(benchmark::State& state, Editor& editor) {
    const long line = static_cast<long>(editor.SendScintilla(B::SCI_GETLINECOUNT)) / 2;
    // A blank line, so no completion list opens and only the key is measured.
    long target = line;
    while (editor.SendScintilla(B::SCI_LINELENGTH, static_cast<unsigned long>(target)) > 2) ++target;
    editor.SendScintilla(B::SCI_GOTOLINE, static_cast<unsigned long>(target));
    editor.viewport()->repaint();
    // The key must really reach the editor, or only painting is measured.
    const auto before = editor.SendScintilla(B::SCI_GETLENGTH);
    QKeyEvent probe(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&editor, &probe);
    if (editor.SendScintilla(B::SCI_GETLENGTH) != before + 1) state.SkipWithError("key press not delivered");
    editor.SendScintilla(B::SCI_DELETEBACK);
    for (auto _ : state) {
        for (const auto& [key, text] : {std::pair{Qt::Key_X, QStringLiteral("x")}, std::pair{Qt::Key_Backspace, QString()}}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(&editor, &press);
            editor.viewport()->repaint();
        }
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void BM_KeyPressOurs(benchmark::State& state) {
    const auto editor = ourEditor(generateSource(100000));
    editor->send(B::SCI_COLOURISE, 0, -1);
    pressKeys(state, *editor);
}

void BM_KeyPressNative(benchmark::State& state) {
    const auto editor = nativeEditor(generateSource(100000));
    editor->SendScintilla(B::SCI_COLOURISE, 0UL, -1L);
    pressKeys(state, *editor);
}

void BM_NotificationHandler(benchmark::State& state) {
    const auto editor = ourEditor(generateSource(100000));
    editor->send(B::SCI_COLOURISE, 0, -1);
    editor->send(B::SCI_GOTOPOS, static_cast<std::uintptr_t>(editor->send(B::SCI_POSITIONFROMLINE, 50004) + 8));
    NotificationHandler handler(*editor);
    const NotificationHandler::Options options{true, true};
    Notification n;
    n.code = sci::SCN_UPDATEUI;
    for (auto _ : state) benchmark::DoNotOptimize(handler.handle(n, options, editor->routines(), editor->vocabulary()));
}

void BM_HelpStrip(benchmark::State& state) {
    const Charset charset = builtInCharset();
    const std::string text = "PRINT [modifiers;] expression [;|,] ... - prints texts and numbers at the print position";
    for (auto _ : state) benchmark::DoNotOptimize(renderHelpStrip(text, 1280, charset));
}

}  // namespace

BENCHMARK(BM_FullRestyleOurs)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRestyleNative)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyPressOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyPressNative)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NotificationHandler)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HelpStrip)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return quillo::bench::runBenchmarks(argc, argv); }
