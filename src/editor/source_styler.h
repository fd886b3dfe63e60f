#pragma once
#include "editor/line_tokeniser.h"
#include "common/scintilla_messages.h"
#include "editor/word_table.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillo {

// The editor colours that are not a style's own, for setEditorColour().
namespace editor_colour {
enum : int {
    DefaultBack = 1,
    DefaultFore = 2,
    LineNumberBack = 5,
    LineNumberFore = 6,
    CaretLineBack = 7,
    CaretFore = 8,
};
}  // namespace editor_colour

// A Scintilla notification as the editor logic sees it: the fields of
// SCNotification that the styler and the handler read.
struct Notification {
    int code = 0;
    int position = 0;
    int ch = 0;
    int margin = 0;
    int modificationType = 0;
    int linesAdded = 0;
    int length = 0;
    int updated = 0;
};

namespace styler_flag {
inline constexpr std::uint32_t AutoMarginWidth = 0x01;  // create flag
inline constexpr std::uint32_t CaseSensitive = 0x02;    // create flag
inline constexpr std::uint32_t Colouring = 0x01;        // feature
inline constexpr std::uint32_t FoldingA = 0x04;         // feature
inline constexpr std::uint32_t FoldingB = 0x08;         // feature
inline constexpr std::uint32_t AutoIndent = 0x20;       // feature
inline constexpr std::uint32_t FeaturesAtCreation = 0x05;
inline constexpr std::uint32_t FeaturesConfigured = 0x2D;
}  // namespace styler_flag

// Style-font flags.
namespace font_flag {
inline constexpr int Bold = 0x100;
inline constexpr int Italic = 0x200;
inline constexpr int Underline = 0x004;
}  // namespace font_flag

// The program's own container lexer for one editor: word tables, line
// styling, fold levels, auto-indent and the line-number margin. It talks to
// the editor only through Scintilla messages.
class SourceStyler {
public:
    explicit SourceStyler(ScintillaMessages& editor, std::uint32_t createFlags = styler_flag::AutoMarginWidth);

    void registerWords(std::string_view words, int style, std::uint32_t options, bool restyle = false);
    void registerDelimiter(std::string_view left, std::string_view closing, std::uint32_t options, int style,
                           bool restyle = false);
    void setSeparators(std::string_view separators) { words_.setSeparators(separators); }
    void setNumberStyle(int style) { config_.numberStyle = style; }
    void setLineHook(LineHook hook) { lineHook_ = hook; }
    void setFeatures(std::uint32_t features);
    void setMarginPadding(int pixels) { marginPadding_ = pixels; }

    std::uint32_t features() const { return features_; }
    const WordTable& words() const { return words_; }
    WordTable& words() { return words_; }
    const TokeniserConfig& config() const { return config_; }

    // Font name, size (-1 keeps it) and flags (-1 keeps them) of one style.
    void setStyleFont(int style, const std::string& font, int size, int flags);
    void setDefaultFont(const std::string& font, int size, int flags);
    void setStyleColours(int style, int foreground, int background);
    // Editor colour items: 1 default background, 2 default foreground,
    // 5/6 line-number background/foreground, 7 current line (-1 hides it), 8 caret.
    // item is one of editor_colour; -1 as the caret line colour hides the caret line.
    void setEditorColour(int item, int colour);

    // Styles lines first..last (-1: to the end) and sets their fold levels.
    void restyle(int first, int last);
    void updateLineNumberMargin();

    // The styler's own part of every notification.
    void handleNotification(const Notification& n);

    // Pure: the styles and fold delta of one line starting at foldLevel.
    void styleLine(std::string_view line, int foldLevel, LineStyles& out) const;

private:
    void autoIndent();

    ScintillaMessages& editor_;
    std::uint32_t createFlags_;
    std::uint32_t features_ = styler_flag::FeaturesAtCreation;
    WordTable words_;
    TokeniserConfig config_;
    LineHook lineHook_ = nullptr;
    int marginPadding_ = 0;
    std::string lineBuffer_;
    LineStyles lineStyles_;
};

}  // namespace quillo
