#include "editor/notification_handler.h"

#include "editor/help_lines.h"
#include "common/sci_constants.h"
#include "editor/structure_commands.h"

namespace quillo {

using namespace sci;

namespace {

std::uintptr_t u(long long v) { return static_cast<std::uintptr_t>(v); }

// The word (word characters only) around pos, or empty when pos is outside
// the text or the word is too long to be a keyword.
std::string wordAround(ScintillaMessages& e, long pos, long length, long* start = nullptr, long* size = nullptr) {
    if (pos < 0 || pos > length) return {};
    const auto first = static_cast<long>(e.send(SCI_WORDSTARTPOSITION, u(pos), 1));
    const auto last = static_cast<long>(e.send(SCI_WORDENDPOSITION, u(pos), 1));
    if (start) *start = first;
    if (size) *size = last - first;
    if (last - first > kMaxCaretWord) return {};
    return textRange(e, first, last);
}

bool isBrace(int c) { return c == '(' || c == ')' || c == '[' || c == ']' || c == '{' || c == '}'; }

}  // namespace

std::string upperCased(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return out;
}

CaretWords caretWords(ScintillaMessages& e, long caret) {
    CaretWords w;
    const auto length = static_cast<long>(e.send(SCI_GETLENGTH));
    w.word = wordAround(e, caret, length, &w.wordStart, &w.wordLength);
    if (w.wordLength > kMaxCaretWord) return w;
    w.previous = wordAround(e, w.wordStart - 2, length);
    w.next = wordAround(e, w.wordStart + w.wordLength + 2, length);
    return w;
}

void NotificationHandler::showCompletion(const CaretWords& words, const CompletionVocabulary& vocabulary) {
    editor_.send(SCI_AUTOCSETIGNORECASE, 1);
    editor_.send(SCI_AUTOCSETSEPARATOR, '\'');
    lastCompletionList_ = completionList(vocabulary, words.word);
    if (editor_.send(SCI_AUTOCACTIVE)) editor_.send(SCI_AUTOCCANCEL);
    editor_.send(SCI_AUTOCSHOW, u(words.wordLength), reinterpret_cast<std::intptr_t>(lastCompletionList_.c_str()));
}

int NotificationHandler::highlightBraces(long caret) {
    const int c = static_cast<int>(editor_.send(SCI_GETCHARAT, u(caret)) & 0xFF);
    if (!isBrace(c)) {
        editor_.send(SCI_BRACEHIGHLIGHT, u(-1), -1);
        return 0;
    }
    const auto match = editor_.send(SCI_BRACEMATCH, u(caret), 0);
    if (match < 0) {
        editor_.send(SCI_BRACEBADLIGHT, u(caret));
        return 0;
    }
    editor_.send(SCI_BRACEHIGHLIGHT, u(caret), match);
    return 1;
}

EditorStatus NotificationHandler::status(long caret, int line, std::string helpLine) {
    EditorStatus s;
    const auto selectionWidth = editor_.send(SCI_GETSELECTIONEND) - editor_.send(SCI_GETSELECTIONSTART);
    s.position = positionField(static_cast<int>(editor_.send(SCI_GETCOLUMN, u(caret))), line,
                               static_cast<int>(editor_.send(SCI_GETLINECOUNT)), static_cast<int>(selectionWidth));
    s.overtype = overtypeField(editor_.send(SCI_GETOVERTYPE) != 0);
    s.selectionMode = selectionModeField(editor_.send(SCI_SELECTIONISRECTANGLE) != 0);
    s.zoom = std::to_string(editor_.send(SCI_GETZOOM));
    s.helpLine = std::move(helpLine);
    s.currentLine = line;
    return s;
}

NotificationHandler::Result NotificationHandler::handle(const Notification& n, const Options& options,
                                                        const std::vector<SubFunctionEntry>& routines,
                                                        const CompletionVocabulary& vocabulary) {
    Result result;
    const auto caret = static_cast<long>(editor_.send(SCI_GETCURRENTPOS));
    const int line = static_cast<int>(editor_.send(SCI_LINEFROMPOSITION, u(caret)));
    const CaretWords words = caretWords(editor_, caret);

    std::string helpLine = helpLineText(upperCased(words.word), upperCased(words.previous),
                                        upperCased(words.next), routines);

    if (options.autocomplete && words.wordLength > 1 && words.wordLength <= kMaxCaretWord && n.ch > 31) {
        const auto lineStart = static_cast<long>(editor_.send(SCI_POSITIONFROMLINE, u(line)));
        if (completionAllowed(textRange(editor_, lineStart, caret))) showCompletion(words, vocabulary);
    }

    if (options.braceHighlight) result.braceHighlighted = highlightBraces(caret);

    if (n.code == SCN_MARGINCLICK && n.margin == 3) {
        bookmarkLine_ = static_cast<int>(editor_.send(SCI_LINEFROMPOSITION, u(n.position)));
        result.bookmarkMenu = true;
    }

    result.status = status(caret, line, std::move(helpLine));
    return result;
}

}  // namespace quillo
