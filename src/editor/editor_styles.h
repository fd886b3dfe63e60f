#pragma once
// The styled elements of the source editor, in the order the settings
// dialog lists them, with the settings keys of each. The settings pass and
// the dialog both walk this table.
#include "app/settings.h"

#include <optional>
#include <span>

namespace quillo {

struct EditorStyle {
    enum class Role {
        Sidebar,      // the explorer list's colours, not an editor style
        Default,      // STYLE_DEFAULT: every style starts from it
        CaretLine,    // caret line background and caret colour
        Token,        // a style the styler gives to words
        LineNumbers,  // STYLE_LINENUMBER
    };
    const char* caption;
    Role role;
    int style;  // the Scintilla style number; -1 where there is none
    Setting background, foreground;
    std::optional<Setting> bold, italic;  // the sidebar has neither
    Setting font;
    bool upperCase = false;  // keywords shown in capitals whatever was typed
};

std::span<const EditorStyle> editorStyles();

}  // namespace quillo
