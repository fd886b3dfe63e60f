#pragma once
#include "app/settings.h"
#include "editor/ui/source_editor.h"

#include <QApplication>

#include <memory>
#include <string>
#include <string_view>

namespace quillo::test {

// A configured source editor on default settings, shown offscreen.
struct EditorFixture {
    Settings settings{"/tmp/"};
    std::unique_ptr<SourceEditor> editor = std::make_unique<SourceEditor>();

    EditorFixture() {
        editor->resize(800, 600);
        editor->configure(settings);
        editor->show();
    }

    std::intptr_t send(unsigned int message, std::uintptr_t w = 0, std::intptr_t l = 0) {
        return editor->send(message, w, l);
    }

    // Loads the text and styles all of it.
    void setText(std::string_view text) {
        editor->setTextBytes(text);
        restyle();
    }

    // Styling is lazy: this asks for all of it (and runs the handler once).
    void restyle() { send(QsciScintillaBase::SCI_COLOURISE, 0, -1); }

    int styleAt(int pos) { return static_cast<int>(send(QsciScintillaBase::SCI_GETSTYLEAT, pos) & 0xFF); }

    int lineStart(int line) { return static_cast<int>(send(QsciScintillaBase::SCI_POSITIONFROMLINE, line)); }

    // The styles of a line's text (line end left out): '.' for the default
    // style, else the style number in hex.
    std::string lineStyles(int line) {
        const int start = lineStart(line);
        const int end = static_cast<int>(send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line));
        std::string out;
        for (int p = start; p < end; ++p) {
            const int s = styleAt(p);
            out += s == 32 ? '.' : "0123456789abcdef"[s & 15];
        }
        return out;
    }

    int foldLevel(int line) { return static_cast<int>(send(QsciScintillaBase::SCI_GETFOLDLEVEL, line)); }
    bool isHeader(int line) { return (foldLevel(line) & QsciScintillaBase::SC_FOLDLEVELHEADERFLAG) != 0; }
    int levelNumber(int line) { return foldLevel(line) & QsciScintillaBase::SC_FOLDLEVELNUMBERMASK; }

    // Puts the caret at a line and column and lets the handler run.
    void caretAt(int line, int column) {
        send(QsciScintillaBase::SCI_GOTOPOS, lineStart(line) + column);
        restyle();
    }
};

}  // namespace quillo::test
