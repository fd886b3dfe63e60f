#pragma once
#include "app/commands.h"

#include <QString>

class QColor;
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
bool runEditorCommand(Command command, SourceEditor& editor, EditorContext& context);

// Rescans the SUBs and FUNCTIONs of the editor and refills the explorer list,
// one item per routine coloured by its kind.
void refreshExplorerList(QTreeWidget* list, SourceEditor& editor, const Settings& settings);

// Moves the caret to the definition of the named routine (the last one when
// there are several); an empty or unknown name does nothing.
void findRoutine(SourceEditor& editor, const QString& name);

// The project file's forms of the bookmarks and of the folded lines.
QString bookmarksAsText(SourceEditor& editor);
QString closedFoldsAsText(SourceEditor& editor);
// Put them back after loading the text: lines beyond the text, lines that
// are no fold header and a short trailing entry are ignored. Folds need the
// fold levels, so the text is restyled first.
void applyBookmarksText(SourceEditor& editor, const QString& text);
void applyClosedFoldsText(SourceEditor& editor, const QString& text);

// A Windows colour value 0x00BBGGRR as a QColor.
QColor colourFromBgr(int bgr);

}  // namespace quillo
