#pragma once
#include "app/commands.h"

#include <span>

namespace quillo {

// One line of a menu: a menu title (depth 0), an item or a submenu (depth 1),
// and items of submenus deeper down. A submenu holds the lines that follow it
// with a greater depth.
struct MenuLine {
    enum class Kind { Menu, Item, Separator };
    int depth;
    Kind kind;
    const char* caption;
    Command command;
    bool enabled;
    bool checkable;
    // The keys of the item in Qt's portable form, several separated by '|'
    // ("Ctrl+Num++|Ctrl++"); empty for none.
    const char* keys = "";
    // How the menu shows them, where that differs from the keys themselves.
    const char* keyText = "";
};

std::span<const MenuLine> menuBarLines();
// Key bindings of the main window that have no menu item.
std::span<const MenuLine> windowKeyLines();
// The popup menus: the binary manager's two list menus and the bookmark menu.
std::span<const MenuLine> binaryPropertiesPopupLines();
std::span<const MenuLine> binaryListPopupLines();
std::span<const MenuLine> bookmarkPopupLines();

// One toolbar button, left to right; an entry without an icon is a separator.
struct ToolButton {
    const char* icon;  // resource name under :/icons/
    const char* tooltip;
    Command command;
    bool enabled;
};

std::span<const ToolButton> toolbarButtons();

// The menu bar line of a command (first match), or nullptr.
const MenuLine* menuLine(Command command);

}  // namespace quillo
