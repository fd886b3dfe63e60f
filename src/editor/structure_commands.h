#pragma once
#include "common/scintilla_messages.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillo {

class SourceStyler;

// Editor commands on the structure of the source, through Scintilla
// messages. Bookmarks are marker 0.

void addBookmark(ScintillaMessages& editor, int line);
void removeBookmark(ScintillaMessages& editor, int line);
// The next (previous) bookmarked line from line, that line included, or -1.
int nextBookmark(ScintillaMessages& editor, int line);
int previousBookmark(ScintillaMessages& editor, int line);
void removeAllBookmarks(ScintillaMessages& editor);
std::vector<int> bookmarkLines(ScintillaMessages& editor);
void applyBookmarkLines(ScintillaMessages& editor, const std::vector<int>& lines);

// Lines that are fold headers and currently folded.
std::vector<int> closedFoldLines(ScintillaMessages& editor);
// Folds the listed header lines; other lines are ignored. The text must be
// styled first so the fold levels are known.
void applyClosedFoldLines(ScintillaMessages& editor, const std::vector<int>& lines);

// Toggles every fold header (so folded regions open and open ones fold).
void foldAll(ScintillaMessages& editor);
// Opens every folded region.
void unfoldAll(ScintillaMessages& editor);

// Puts prefix in front of every line touched by the selection, as one undo
// step, and restyles those lines.
void autoRemSelection(ScintillaMessages& editor, SourceStyler& styler, std::string_view prefix);
// Removes a comment prefix from those lines, as one undo step.
void autoUnremSelection(ScintillaMessages& editor, SourceStyler& styler);
// How many leading bytes Auto-UnREM removes from a line (0: none).
int unremPrefixLength(std::string_view line);

// The word at the caret (word characters only), as typed.
std::string wordAtCaret(ScintillaMessages& editor);
// Bytes start..end of the text.
std::string textRange(ScintillaMessages& editor, long start, long end);

// Moves the caret to the start of line, unfolding it if needed.
void gotoLineStart(ScintillaMessages& editor, int line);

}  // namespace quillo
