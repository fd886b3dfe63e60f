#pragma once
// Plain-text search and replace in an editor's own buffer, through Scintilla
// messages: no copy of the document, hits inside comments or strings
// skipped by the style the styler gave them.
#include "common/scintilla_messages.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

namespace find_flag {
inline constexpr int IgnoreCase = 1;       // ASCII letters only
inline constexpr int ExcludeComments = 2;  // skip hits starting in a comment
inline constexpr int ExcludeStrings = 4;   // skip hits starting in a string
}  // namespace find_flag

// The texts searched for, newest first, each once.
class SearchHistory {
public:
    static constexpr std::size_t kSize = 21;
    // Puts text first unless it is already kept; the oldest falls out. Empty
    // texts are not kept.
    void add(const std::string& text);
    const std::vector<std::string>& entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

// The first hit of text at or after start that the flags do not skip, or -1.
// An empty text finds nothing.
long findText(ScintillaMessages& editor, std::string_view text, long start, int flags);

// Selects the hit at position p of a text length long and makes its line
// visible; the caret stands at the hit's end, so a search goes on behind it.
void selectHit(ScintillaMessages& editor, long p, long length);

// True when the selection is exactly a hit of text (so Replace may replace it).
bool selectionIsHit(ScintillaMessages& editor, std::string_view text, int flags);

// Replaces every hit from start on, one after the other, each search going on
// behind the replacement; one undo step. The caret ends behind the last
// replacement (or stays where it was). Returns the count.
int replaceAll(ScintillaMessages& editor, std::string_view text, std::string_view replacement, long start, int flags);

}  // namespace quillo
