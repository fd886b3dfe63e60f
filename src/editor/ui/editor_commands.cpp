#include "editor/ui/editor_commands.h"

#include "editor/ui/source_editor.h"

namespace quillo {

bool runEditorCommand(Command, SourceEditor&, EditorContext&) { return false; }

void refreshExplorerList(QTreeWidget*, SourceEditor&, const Settings&) {}

void findRoutine(SourceEditor&, const QString&) {}

}  // namespace quillo
