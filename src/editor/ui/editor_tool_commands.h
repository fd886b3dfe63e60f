#pragma once
// The editor's tool windows and dialogs: find and replace, the settings
// dialog, the include-library helper and the small tools.
#include "app/command_registry.h"
#include "common/charset.h"

#include <QString>

#include <functional>

class QWidget;

namespace quillo {

class Settings;
class SourceEditor;

struct EditorToolContext {
    Settings& settings;
    QWidget* window;        // the tool windows stay above it
    QString helpRoot;       // the folder holding Quillo_Help, with trailing '/'
    const Charset& charset;  // the working character set the ASCII table draws with
    std::function<SourceEditor*()> currentEditor;
    // After any settings change: the settings pass on every open editor and
    // the window's own colours.
    std::function<void()> settingsChanged;
};

// FindReplace, QuilloSettings, IncludeLibHelper, AsciiTable, KeyboardHelper,
// BeepCalculator and CodeLibrary. Each window is made on first use, as a
// child of the main window, and kept with its state until the window goes.
void registerEditorToolCommands(CommandRegistry& registry, EditorToolContext context);

}  // namespace quillo
