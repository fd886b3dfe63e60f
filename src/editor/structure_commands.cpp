#include "editor/structure_commands.h"
#include "common/editor_marks.h"

#include "common/sci_constants.h"
#include "editor/source_styler.h"
#include "editor/word_table.h"

#include <algorithm>

namespace quillo {

using namespace sci;

namespace {


std::uintptr_t u(long long v) { return static_cast<std::uintptr_t>(v); }

int lineCount(ScintillaMessages& e) { return static_cast<int>(e.send(SCI_GETLINECOUNT)); }

struct SelectedLines {
    int first;
    int last;
};

// The lines a selection touches. A last line that the selection only
// reaches at its very start is not part of it, as in every editor.
SelectedLines selectedLines(ScintillaMessages& e) {
    const auto start = e.send(SCI_GETSELECTIONSTART);
    const auto end = e.send(SCI_GETSELECTIONEND);
    SelectedLines lines{static_cast<int>(e.send(SCI_LINEFROMPOSITION, u(start))),
                        static_cast<int>(e.send(SCI_LINEFROMPOSITION, u(end)))};
    if (lines.last > lines.first && end == e.send(SCI_POSITIONFROMLINE, u(lines.last))) --lines.last;
    return lines;
}

std::string lineText(ScintillaMessages& e, int line) {
    const auto length = static_cast<std::size_t>(e.send(SCI_LINELENGTH, u(line)));
    std::string text(length + 1, '\0');
    e.send(SCI_GETLINE, u(line), reinterpret_cast<std::intptr_t>(text.data()));
    text.resize(length);
    return text;
}

}  // namespace

void addBookmark(ScintillaMessages& e, int line) { e.send(SCI_MARKERADD, u(line), marker::Bookmark); }

void removeBookmark(ScintillaMessages& e, int line) { e.send(SCI_MARKERDELETE, u(line), marker::Bookmark); }

int nextBookmark(ScintillaMessages& e, int line) {
    return static_cast<int>(e.send(SCI_MARKERNEXT, u(std::max(line, 0)), marker::kBookmarkMask));
}

int previousBookmark(ScintillaMessages& e, int line) {
    return static_cast<int>(e.send(SCI_MARKERPREVIOUS, u(std::max(line, 0)), marker::kBookmarkMask));
}

void removeAllBookmarks(ScintillaMessages& e) {
    int line = 0;
    while ((line = nextBookmark(e, line)) >= 0) removeBookmark(e, line);
}

std::vector<int> bookmarkLines(ScintillaMessages& e) {
    std::vector<int> lines;
    for (int line = nextBookmark(e, 0); line >= 0; line = nextBookmark(e, line + 1)) lines.push_back(line);
    return lines;
}

void applyBookmarkLines(ScintillaMessages& e, const std::vector<int>& lines) {
    const int count = lineCount(e);
    for (const int line : lines)
        if (line >= 0 && line < count) addBookmark(e, line);
}

std::vector<int> closedFoldLines(ScintillaMessages& e) {
    std::vector<int> lines;
    const int count = lineCount(e);
    for (int line = 0; line < count; ++line) {
        if ((e.send(SCI_GETFOLDLEVEL, u(line)) & SC_FOLDLEVELHEADERFLAG) && !e.send(SCI_GETFOLDEXPANDED, u(line)))
            lines.push_back(line);
    }
    return lines;
}

namespace {

// Fold levels come with styling, which runs lazily for the lines on screen:
// bring the whole text up to date before acting on every fold.
void styleToTheEnd(ScintillaMessages& e) { e.send(SCI_COLOURISE, 0, -1); }

}  // namespace

void applyClosedFoldLines(ScintillaMessages& e, const std::vector<int>& lines) {
    styleToTheEnd(e);
    const int count = lineCount(e);
    for (const int line : lines) {
        if (line < 0 || line >= count) continue;
        if ((e.send(SCI_GETFOLDLEVEL, u(line)) & SC_FOLDLEVELHEADERFLAG) && e.send(SCI_GETFOLDEXPANDED, u(line)))
            e.send(SCI_TOGGLEFOLD, u(line));
    }
}

void foldAll(ScintillaMessages& e) {
    styleToTheEnd(e);
    const int count = lineCount(e);
    for (int line = 0; line <= count - 2; ++line)
        if (e.send(SCI_GETFOLDLEVEL, u(line)) & SC_FOLDLEVELHEADERFLAG) e.send(SCI_TOGGLEFOLD, u(line));
}

void unfoldAll(ScintillaMessages& e) {
    styleToTheEnd(e);
    const int count = lineCount(e);
    for (int line = 0; line < count - 1; ++line) {
        if (e.send(SCI_GETFOLDEXPANDED, u(line)) == 0) {
            e.send(SCI_TOGGLEFOLD, u(line));
            // Never step backwards, whatever the display lines say.
            line = std::max(line, static_cast<int>(e.send(SCI_DOCLINEFROMVISIBLE, u(line))));
        }
    }
}

int unremPrefixLength(std::string_view line) {
    if (line.empty() || isBlank(line.front())) return 0;
    struct Prefix {
        std::string_view text;
        int length;
    };
    static constexpr Prefix kPrefixes[] = {{"' ", 2}, {"'", 1}, {"rem ", 4}, {";' ", 3},
                                           {";'", 2}, {"; ", 2}, {";", 1}};
    for (const Prefix& p : kPrefixes)
        if (startsWithNoCase(line, p.text)) return p.length;
    return 0;
}

void autoRemSelection(ScintillaMessages& e, SourceStyler& styler, std::string_view prefix) {
    const std::string text(prefix);
    e.send(SCI_BEGINUNDOACTION);
    const SelectedLines lines = selectedLines(e);
    // Inserting collapses the selection; it is put back over the same lines
    // (prefixes included) so Auto-UnREM can follow at once.
    const auto shifted = [&](long long pos) {
        const auto line = static_cast<int>(e.send(SCI_LINEFROMPOSITION, u(pos)));
        const auto atStart = pos == e.send(SCI_POSITIONFROMLINE, u(line));
        return pos + static_cast<long long>(text.size()) * (line - lines.first + (atStart ? 0 : 1));
    };
    const auto anchor = shifted(e.send(SCI_GETANCHOR));
    const auto caret = shifted(e.send(SCI_GETCURRENTPOS));
    for (int line = lines.first; line <= lines.last; ++line)
        e.send(SCI_INSERTTEXT, u(e.send(SCI_POSITIONFROMLINE, u(line))), reinterpret_cast<std::intptr_t>(text.c_str()));
    e.send(SCI_SETSEL, u(anchor), caret);
    styler.restyle(lines.first, lines.last);
    e.send(SCI_ENDUNDOACTION);
}

void autoUnremSelection(ScintillaMessages& e, SourceStyler& styler) {
    e.send(SCI_BEGINUNDOACTION);
    const SelectedLines lines = selectedLines(e);
    for (int line = lines.first; line <= lines.last; ++line) {
        const int remove = unremPrefixLength(lineText(e, line));
        if (remove > 0) e.send(SCI_DELETERANGE, u(e.send(SCI_POSITIONFROMLINE, u(line))), remove);
    }
    styler.restyle(lines.first, lines.last);
    e.send(SCI_ENDUNDOACTION);
}

std::string textRange(ScintillaMessages& e, long start, long end) {
    if (end <= start) return {};
    std::string text(static_cast<std::size_t>(end - start) + 1, '\0');
    Sci_TextRange range{{start, end}, text.data()};
    e.send(SCI_GETTEXTRANGE, 0, reinterpret_cast<std::intptr_t>(&range));
    text.resize(static_cast<std::size_t>(end - start));
    return text;
}

std::string wordAtCaret(ScintillaMessages& e) {
    const auto caret = e.send(SCI_GETCURRENTPOS);
    const auto start = e.send(SCI_WORDSTARTPOSITION, u(caret), 1);
    const auto end = e.send(SCI_WORDENDPOSITION, u(caret), 1);
    return textRange(e, static_cast<long>(start), static_cast<long>(end));
}

void gotoLineStart(ScintillaMessages& e, int line) {
    e.send(SCI_ENSUREVISIBLE, u(line));
    const auto start = e.send(SCI_POSITIONFROMLINE, u(line));
    e.send(SCI_SETCURRENTPOS, u(start));
    e.send(SCI_GOTOPOS, u(start));
    // The routine reads downwards: show its first line near the top, with
    // two lines of what comes before it.
    const auto visible = e.send(SCI_VISIBLEFROMDOCLINE, u(line));
    e.send(SCI_SETFIRSTVISIBLELINE, u(std::max<std::intptr_t>(0, visible - 2)));
}

}  // namespace quillo
