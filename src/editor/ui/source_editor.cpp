#include "editor/ui/source_editor.h"

namespace quillo {

SourceEditor::SourceEditor(QWidget* parent) : QsciScintillaBase(parent) {
    send(SCI_SETCODEPAGE, SC_CP_UTF8);
    send(SCI_SETLEXER, SCLEX_CONTAINER);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &SourceEditor::notified);
    connect(this, &QsciScintillaBase::SCN_SAVEPOINTLEFT, this, &SourceEditor::notified);
    connect(this, &QsciScintillaBase::SCN_SAVEPOINTREACHED, this, &SourceEditor::notified);
}

std::intptr_t SourceEditor::send(unsigned int message, std::uintptr_t wParam, std::intptr_t lParam) {
    return SendScintilla(message, static_cast<unsigned long>(wParam), static_cast<long>(lParam));
}

int SourceEditor::textLength() { return static_cast<int>(send(SCI_GETLENGTH)); }

std::string_view SourceEditor::textView() {
    const auto* text = reinterpret_cast<const char*>(send(SCI_GETCHARACTERPOINTER));
    return {text, static_cast<std::size_t>(textLength())};
}

std::string SourceEditor::textBytes() { return std::string(textView()); }

void SourceEditor::setTextBytes(std::string_view bytes) {
    send(SCI_BEGINUNDOACTION);
    send(SCI_CLEARALL);
    send(SCI_ADDTEXT, bytes.size(), reinterpret_cast<std::intptr_t>(bytes.data()));
    send(SCI_ENDUNDOACTION);
}

bool SourceEditor::isModified() { return send(SCI_GETMODIFY) != 0; }

void SourceEditor::setSavePoint() { send(SCI_SETSAVEPOINT); }

void SourceEditor::insertAtCaret(std::string_view bytes) {
    send(SCI_ADDTEXT, bytes.size(), reinterpret_cast<std::intptr_t>(bytes.data()));
}

int SourceEditor::caretPosition() { return static_cast<int>(send(SCI_GETCURRENTPOS)); }

void SourceEditor::setCaretPosition(int pos) {
    send(SCI_GOTOPOS, static_cast<std::uintptr_t>(pos));
}

}  // namespace quillo
