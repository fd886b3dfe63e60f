#pragma once
#include "app/commands.h"

#include <QString>

class QTreeWidget;
class QWidget;

namespace quillo {

class Settings;
class SourceEditor;

// What the editor commands need from the window around them.
struct EditorContext {
    Settings& settings;
    QWidget* window;        // parent of message boxes and the help viewer
    QString programFolder;  // with trailing '/'
};

// Runs an editor command (help, folding, Auto-REM, bookmarks, find routine,
// force refresh, ...) on the current editor. Returns false when the command
// is not an editor command, so the window handles it.
bool runEditorCommand(Command command, SourceEditor& editor, EditorContext& context);

// Rescans the SUBs and FUNCTIONs of the editor and refills the explorer list.
void refreshExplorerList(QTreeWidget* list, SourceEditor& editor, const Settings& settings);

// Moves the caret to the definition of the named routine.
void findRoutine(SourceEditor& editor, const QString& name);

}  // namespace quillo
