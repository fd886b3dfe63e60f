#pragma once
#include "editor/scintilla_messages.h"

#include <Qsci/qsciscintillabase.h>

#include <string>
#include <string_view>

namespace quillo {

// One source document's editor: Scintilla driven through its raw messages.
class SourceEditor : public QsciScintillaBase, public ScintillaMessages {
    Q_OBJECT
public:
    explicit SourceEditor(QWidget* parent = nullptr);

    std::intptr_t send(unsigned int message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) override;

    // The whole text as bytes (it may hold zero bytes).
    std::string textBytes();
    // Replaces the whole text as one undoable step.
    void setTextBytes(std::string_view bytes);
    // A pointer to the text, valid until the next change (no copy).
    std::string_view textView();
    int textLength();

    bool isModified();
    void setSavePoint();
    void insertAtCaret(std::string_view bytes);
    int caretPosition();
    void setCaretPosition(int pos);

signals:
    // Emitted after every notification of the component, after the editor's
    // own handling, so the window can refresh what depends on the editor.
    void notified();
};

}  // namespace quillo
