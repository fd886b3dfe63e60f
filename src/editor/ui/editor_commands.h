#pragma once
#include "app/command_registry.h"
#include "app/commands.h"

#include <functional>

#include <QString>

#include <vector>

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

// Runs an editor command on the current editor: Help (F1, the word at the
// caret), SystemVariables, FindSub, FoldAll, UnfoldAll, AutoRem, AutoUnrem,
// ForceRefresh (restyles everything; the caller then refreshes the explorer
// list) and the Bookmark* commands (on the editor's bookmark line). Returns
// false when the command is not an editor command, so the window handles it.
// Undo, Redo, Cut, Copy, Paste and the three zoom commands go to the editor too.
bool runEditorCommand(Command command, SourceEditor& editor, EditorContext& context);

// Registers those commands: each runs on currentEditor() (nothing when it
// gives nullptr), then afterCommand tells the window what ran.
void registerEditorCommands(CommandRegistry& registry, std::function<SourceEditor*()> currentEditor,
                            EditorContext context, std::function<void(Command)> afterCommand);

// Rescans the SUBs and FUNCTIONs of the editor and refills the explorer list,
// one item per routine coloured by its kind.
void refreshExplorerList(QTreeWidget* list, SourceEditor& editor, const Settings& settings);

// Moves the caret to the definition of the named routine (the last one when
// there are several); an empty or unknown name does nothing.
void findRoutine(SourceEditor& editor, const QString& name);

// Put saved bookmarks and folds back after loading the text (read them with
// bookmarkLines() and closedFoldLines()): lines beyond the text and lines
// that are no fold header are ignored. Folds need the fold levels, so the
// text is restyled first.
void restoreBookmarks(SourceEditor& editor, const std::vector<int>& lines);
void restoreClosedFolds(SourceEditor& editor, const std::vector<int>& lines);

}  // namespace quillo
