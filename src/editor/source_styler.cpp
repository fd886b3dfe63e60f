#include "editor/source_styler.h"
#include "common/editor_marks.h"

#include "common/sci_constants.h"

#include <algorithm>

namespace quillo {

using namespace sci;

namespace {

std::intptr_t textArg(const std::string& s) { return reinterpret_cast<std::intptr_t>(s.c_str()); }

}  // namespace

SourceStyler::SourceStyler(ScintillaMessages& editor, std::uint32_t createFlags)
    : editor_(editor), createFlags_(createFlags), words_((createFlags & styler_flag::CaseSensitive) != 0) {
    config_.words = &words_;
    config_.numberStyle = kStyleDefault;
    config_.colouring = true;
}

void SourceStyler::registerWords(std::string_view words, int style, std::uint32_t options, bool restyleAll) {
    words_.registerWords(words, style, options);
    if (restyleAll) restyle(0, -1);
}

void SourceStyler::registerDelimiter(std::string_view left, std::string_view closing, std::uint32_t options,
                                     int style, bool restyleAll) {
    words_.registerDelimiter(left, closing, options, style);
    if (restyleAll) restyle(0, -1);
}

void SourceStyler::setFeatures(std::uint32_t features) {
    constexpr std::uint32_t kRestyleBits =
        styler_flag::Colouring | styler_flag::FoldingA | styler_flag::FoldingB;
    const bool changed = ((features ^ features_) & kRestyleBits) != 0;
    features_ = features;
    config_.colouring = (features & styler_flag::Colouring) != 0;
    if (changed) restyle(0, -1);
}

void SourceStyler::setStyleFont(int style, const std::string& font, int size, int flags) {
    editor_.send(SCI_STYLESETFONT, static_cast<std::uintptr_t>(style), textArg(font));
    if (size >= 0) editor_.send(SCI_STYLESETSIZE, static_cast<std::uintptr_t>(style), size);
    if (flags >= 0) {
        editor_.send(SCI_STYLESETBOLD, static_cast<std::uintptr_t>(style), (flags & font_flag::Bold) ? 1 : 0);
        editor_.send(SCI_STYLESETITALIC, static_cast<std::uintptr_t>(style), (flags & font_flag::Italic) ? 1 : 0);
        editor_.send(SCI_STYLESETUNDERLINE, static_cast<std::uintptr_t>(style),
                     (flags & font_flag::Underline) ? 1 : 0);
    }
    if (style == STYLE_LINENUMBER) updateLineNumberMargin();
}

void SourceStyler::setDefaultFont(const std::string& font, int size, int flags) {
    setStyleFont(STYLE_DEFAULT, font, size, flags);
    editor_.send(SCI_STYLECLEARALL);
    updateLineNumberMargin();
}

void SourceStyler::setStyleColours(int style, int foreground, int background) {
    if (foreground != -1) editor_.send(SCI_STYLESETFORE, static_cast<std::uintptr_t>(style), foreground);
    if (background != -1) editor_.send(SCI_STYLESETBACK, static_cast<std::uintptr_t>(style), background);
}

void SourceStyler::setEditorColour(int item, int colour) {
    switch (item) {
    case editor_colour::DefaultBack:
        editor_.send(SCI_STYLESETBACK, STYLE_DEFAULT, colour);
        editor_.send(SCI_STYLECLEARALL);
        break;
    case editor_colour::DefaultFore:
        editor_.send(SCI_STYLESETFORE, STYLE_DEFAULT, colour);
        editor_.send(SCI_STYLECLEARALL);
        break;
    case editor_colour::LineNumberBack: editor_.send(SCI_STYLESETBACK, STYLE_LINENUMBER, colour); break;
    case editor_colour::LineNumberFore: editor_.send(SCI_STYLESETFORE, STYLE_LINENUMBER, colour); break;
    case editor_colour::CaretLineBack:
        if (colour == -1) {
            editor_.send(SCI_SETCARETLINEVISIBLE, 0);
        } else {
            editor_.send(SCI_SETCARETLINEBACK, static_cast<std::uintptr_t>(colour));
            editor_.send(SCI_SETCARETLINEVISIBLE, 1);
        }
        break;
    case editor_colour::CaretFore: editor_.send(SCI_SETCARETFORE, static_cast<std::uintptr_t>(colour)); break;
    default: break;
    }
}

void SourceStyler::updateLineNumberMargin() {
    if (!(createFlags_ & styler_flag::AutoMarginWidth)) return;
    const auto lines = static_cast<long long>(editor_.send(SCI_GETLINECOUNT));
    const std::string nines(std::to_string(std::max(1LL, lines)).size(), '9');
    const auto width = editor_.send(SCI_TEXTWIDTH, STYLE_LINENUMBER, textArg(nines));
    editor_.send(SCI_SETMARGINWIDTHN, margin::LineNumbers, width + marginPadding_ + 10);
}

void SourceStyler::styleLine(std::string_view line, int foldLevel, LineStyles& out) const {
    out.clear();
    if (lineHook_)
        lineHook_(config_, line, foldLevel, out);
    else
        tokeniseLine(config_, line, foldLevel, out);
}

void SourceStyler::restyle(int first, int last) {
    const int lineCount = static_cast<int>(editor_.send(SCI_GETLINECOUNT));
    if (last < 0 || last > lineCount - 1) last = lineCount - 1;
    first = std::max(first, 0);
    if (first > last) return;
    // Each line keeps the fold level the next one starts at in its line
    // state, so styling can restart at any line.
    int foldLevel = first == 0 ? kFoldBase
                               : static_cast<int>(editor_.send(SCI_GETLINESTATE, static_cast<std::uintptr_t>(first - 1)));
    if (foldLevel < kFoldBase) foldLevel = kFoldBase;
    const bool folding = (features_ & (styler_flag::FoldingA | styler_flag::FoldingB)) != 0;
    editor_.send(SCI_STARTSTYLING, static_cast<std::uintptr_t>(editor_.send(SCI_POSITIONFROMLINE, first)), 0x1F);
    for (int line = first; line <= last; ++line) {
        const auto length = static_cast<std::size_t>(editor_.send(SCI_LINELENGTH, static_cast<std::uintptr_t>(line)));
        lineBuffer_.resize(length + 1);
        editor_.send(SCI_GETLINE, static_cast<std::uintptr_t>(line), reinterpret_cast<std::intptr_t>(lineBuffer_.data()));
        styleLine(std::string_view(lineBuffer_.data(), length), foldLevel, lineStyles_);
        for (const StyleRun& run : lineStyles_.runs)
            editor_.send(SCI_SETSTYLING, static_cast<std::uintptr_t>(run.length), run.style);
        const int delta = lineStyles_.foldDelta;
        const int level = folding ? (foldLevel | (delta > 0 ? SC_FOLDLEVELHEADERFLAG : 0)) : 0;
        editor_.send(SCI_SETFOLDLEVEL, static_cast<std::uintptr_t>(line), level);
        foldLevel = std::max(kFoldBase, foldLevel + delta);
        editor_.send(SCI_SETLINESTATE, static_cast<std::uintptr_t>(line), foldLevel);
    }
}

void SourceStyler::autoIndent() {
    const auto caret = editor_.send(SCI_GETCURRENTPOS);
    const auto line = editor_.send(SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(caret));
    if (line <= 0) return;
    const auto indent = editor_.send(SCI_GETLINEINDENTATION, static_cast<std::uintptr_t>(line - 1));
    if (indent <= 0) return;
    editor_.send(SCI_SETLINEINDENTATION, static_cast<std::uintptr_t>(line), indent);
    editor_.send(SCI_GOTOPOS, static_cast<std::uintptr_t>(editor_.send(SCI_GETLINEINDENTPOSITION, static_cast<std::uintptr_t>(line))));
}

void SourceStyler::handleNotification(const Notification& n) {
    switch (n.code) {
    case SCN_STYLENEEDED: {
        const auto endStyled = editor_.send(SCI_GETENDSTYLED);
        const auto first = editor_.send(SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(endStyled));
        const auto last = editor_.send(SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(n.position));
        restyle(static_cast<int>(first), static_cast<int>(last));
        break;
    }
    case SCN_CHARADDED:
        if (n.ch == '\n' && (features_ & styler_flag::AutoIndent)) autoIndent();
        break;
    case SCN_MODIFIED:
        if (n.linesAdded != 0) updateLineNumberMargin();
        break;
    case SCN_MARGINCLICK:
        if (n.margin == 2) {
            const auto line = editor_.send(SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(n.position));
            if (editor_.send(SCI_GETFOLDLEVEL, static_cast<std::uintptr_t>(line)) & SC_FOLDLEVELHEADERFLAG)
                editor_.send(SCI_TOGGLEFOLD, static_cast<std::uintptr_t>(line));
        }
        break;
    case SCN_NEEDSHOWN: {
        const auto first = editor_.send(SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(n.position));
        const auto last = editor_.send(SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(n.position + n.length));
        for (auto line = first; line <= last; ++line) editor_.send(SCI_ENSUREVISIBLE, static_cast<std::uintptr_t>(line));
        break;
    }
    default: break;
    }
}

}  // namespace quillo
