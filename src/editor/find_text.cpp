#include "editor/find_text.h"

#include "common/editor_marks.h"
#include "common/sci_constants.h"
#include "common/text.h"

#include <algorithm>
#include <cstdint>

namespace quillo {

using namespace sci;

namespace {

using Size = std::string_view::size_type;

std::uintptr_t w(long value) { return static_cast<std::uintptr_t>(value); }

long documentLength(ScintillaMessages& editor) { return static_cast<long>(editor.send(SCI_GETLENGTH)); }

// The text from start to the end, read in place: the buffer's gap is moved
// only when it lies inside that range, and after an edit at the caret it
// lies at the range's start.
std::string_view textFrom(ScintillaMessages& editor, long start) {
    const long length = documentLength(editor) - start;
    if (length <= 0) return {};
    const auto* data = reinterpret_cast<const char*>(editor.send(SCI_GETRANGEPOINTER, w(start), length));
    return data ? std::string_view(data, static_cast<Size>(length)) : std::string_view{};
}

Size findNoCase(std::string_view text, std::string_view needle, Size from) {
    const char lower = asciiLower(needle.front());
    const char upper = asciiUpper(lower);
    const Size last = text.size() - needle.size();
    for (Size i = from; i <= last; ++i) {
        const char c = text[i];
        if ((c == lower || c == upper) && equalsNoCase(text.substr(i, needle.size()), needle)) return i;
    }
    return std::string_view::npos;
}

Size findIn(std::string_view text, std::string_view needle, Size from, bool ignoreCase) {
    if (from + needle.size() > text.size()) return std::string_view::npos;
    return ignoreCase ? findNoCase(text, needle, from) : text.find(needle, from);
}

// Styling is lazy: the style of a position is asked for only once the
// styler has reached it.
int styleAt(ScintillaMessages& editor, long pos) {
    if (editor.send(SCI_GETENDSTYLED) <= pos) editor.send(SCI_COLOURISE, w(editor.send(SCI_GETENDSTYLED)), pos + 1);
    return static_cast<int>(editor.send(SCI_GETSTYLEAT, w(pos)) & 0xFF);
}

bool skippedByStyle(ScintillaMessages& editor, long pos, int flags) {
    if ((flags & (find_flag::ExcludeComments | find_flag::ExcludeStrings)) == 0) return false;
    const int style = styleAt(editor, pos);
    return ((flags & find_flag::ExcludeComments) && style == basic_style::Comment) ||
           ((flags & find_flag::ExcludeStrings) && style == basic_style::String);
}

// The editing component reports every insertion and deletion to its
// accessibility layer, which first counts the characters in front of the
// change: per replacement a pass over the text before it. A run of
// replacements holds those reports back.
class HeldTextReports {
public:
    explicit HeldTextReports(ScintillaMessages& editor) : editor_(editor), mask_(editor.send(SCI_GETMODEVENTMASK)) {
        editor_.send(SCI_SETMODEVENTMASK, static_cast<std::uintptr_t>(
                                              mask_ & ~std::intptr_t{SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT}));
    }
    ~HeldTextReports() { editor_.send(SCI_SETMODEVENTMASK, static_cast<std::uintptr_t>(mask_)); }
    HeldTextReports(const HeldTextReports&) = delete;
    HeldTextReports& operator=(const HeldTextReports&) = delete;

private:
    ScintillaMessages& editor_;
    std::intptr_t mask_;
};

}  // namespace

void SearchHistory::add(const std::string& text) {
    if (text.empty() || std::find(entries_.begin(), entries_.end(), text) != entries_.end()) return;
    entries_.insert(entries_.begin(), text);
    if (entries_.size() > kSize) entries_.resize(kSize);
}

long findText(ScintillaMessages& editor, std::string_view text, long start, int flags) {
    if (text.empty()) return -1;
    start = std::max(start, 0L);
    const std::string_view rest = textFrom(editor, start);
    const bool ignoreCase = (flags & find_flag::IgnoreCase) != 0;
    for (Size at = findIn(rest, text, 0, ignoreCase); at != std::string_view::npos;
         at = findIn(rest, text, at + 1, ignoreCase)) {
        const long pos = start + static_cast<long>(at);
        if (!skippedByStyle(editor, pos, flags)) return pos;
    }
    return -1;
}

void selectHit(ScintillaMessages& editor, long p, long length) {
    editor.send(SCI_ENSUREVISIBLE, w(editor.send(SCI_LINEFROMPOSITION, w(p))));
    editor.send(SCI_SETCURRENTPOS, w(p + length));
    editor.send(SCI_GOTOPOS, w(p));
    editor.send(SCI_SETSEL, w(p), p + length);
}

bool selectionIsHit(ScintillaMessages& editor, std::string_view text, int flags) {
    const long start = static_cast<long>(editor.send(SCI_GETSELECTIONSTART));
    const long end = static_cast<long>(editor.send(SCI_GETSELECTIONEND));
    if (text.empty() || end - start != static_cast<long>(text.size())) return false;
    const std::string_view selected = textFrom(editor, start).substr(0, text.size());
    const bool same = (flags & find_flag::IgnoreCase) ? equalsNoCase(selected, text) : selected == text;
    return same && !skippedByStyle(editor, start, flags);
}

int replaceAll(ScintillaMessages& editor, std::string_view text, std::string_view replacement, long start,
               int flags) {
    int count = 0;
    long pos = start;
    const HeldTextReports held(editor);
    editor.send(SCI_BEGINUNDOACTION);
    for (long hit = findText(editor, text, pos, flags); hit >= 0; hit = findText(editor, text, pos, flags)) {
        editor.send(SCI_SETTARGETRANGE, w(hit), hit + static_cast<long>(text.size()));
        editor.send(SCI_REPLACETARGET, replacement.size(), reinterpret_cast<std::intptr_t>(replacement.data()));
        editor.send(SCI_ENSUREVISIBLE, w(editor.send(SCI_LINEFROMPOSITION, w(hit))));
        pos = hit + static_cast<long>(replacement.size());
        ++count;
    }
    editor.send(SCI_ENDUNDOACTION);
    if (count > 0) editor.send(SCI_GOTOPOS, w(pos));
    return count;
}

}  // namespace quillo
