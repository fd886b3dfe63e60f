#pragma once
#include "editor/completion.h"
#include "editor/routine_scan.h"
#include "common/scintilla_messages.h"
#include "editor/source_styler.h"
#include "editor/status_fields.h"

#include <string>
#include <vector>

namespace quillo {

// The words around the caret, as typed.
struct CaretWords {
    std::string word;
    std::string previous;
    std::string next;
    long wordStart = 0;
    long wordLength = 0;
};

// Words longer than this are not looked up or completed.
inline constexpr long kMaxCaretWord = 255;

CaretWords caretWords(ScintillaMessages& editor, long caret);

// The program's reaction to every editor notification, after the styler's:
// help line, completion, brace highlight, bookmark margin, status fields.
// Everything it does is bounded by the caret line and the vocabulary.
class NotificationHandler {
public:
    struct Options {
        bool autocomplete = true;
        bool braceHighlight = false;
    };
    struct Result {
        EditorStatus status;
        bool bookmarkMenu = false;     // a click in the symbol margin
        int braceHighlighted = -1;     // 1 pair shown, 0 highlight removed, -1 untouched
    };

    explicit NotificationHandler(ScintillaMessages& editor) : editor_(editor) {}

    Result handle(const Notification& n, const Options& options, const std::vector<SubFunctionEntry>& routines,
                  const CompletionVocabulary& vocabulary);

    int bookmarkLine() const { return bookmarkLine_; }
    void setBookmarkLine(int line) { bookmarkLine_ = line; }
    // The list last offered, separators included (for tests and tools).
    const std::string& lastCompletionList() const { return lastCompletionList_; }

private:
    void showCompletion(const CaretWords& words, const CompletionVocabulary& vocabulary);
    int highlightBraces(long caret);
    EditorStatus status(long caret, int line, std::string helpLine);

    ScintillaMessages& editor_;
    int bookmarkLine_ = 0;
    std::string lastCompletionList_;
};

std::string upperCased(std::string_view text);

}  // namespace quillo
