#pragma once
// What the settings dialog shows, page by page: each control with its
// caption, its key and its tooltip. The dialog walks these tables.
#include "app/settings.h"

#include <span>

namespace quillo {

struct SettingControl {
    enum class Kind {
        Check,       // 0/1
        Colour,      // one colour button
        ColourPair,  // "<caption> BG:" and "FG:" buttons: key, then key2
        Choice,      // a drop-down list; the value is the item's index
        TextChoice,  // a drop-down list of texts; values gives what is stored
        Number,      // a spin box from minimum to maximum
        Path,        // a file path with a "..." chooser
    };
    Kind kind;
    const char* caption;
    Setting key;
    Setting key2 = key;
    const char* tooltip = "";
    const char* tooltip2 = "";
    std::span<const char* const> items = {};
    std::span<const char* const> values = {};  // TextChoice; empty: the items themselves
    int minimum = 0, maximum = 0;
    const char* chooserTitle = "";  // Path
    const char* webAddress = "";    // Path: a "Web" button beside it opens this page
    const char* webTooltip = "";
};

std::span<const SettingControl> optionsPage();
std::span<const SettingControl> editorPage();    // "Editor 1"
std::span<const SettingControl> compilerPage();  // the two compiler paths
std::span<const SettingControl> toolsPage();     // emulators and packers

// The check boxes of the "Final settings" frame: shown, disabled, bound to nothing.
std::span<const char* const> finalSettingsCaptions();

}  // namespace quillo
