#include "gfxeditor/ui/gfx_commands.h"

#include "app/app_state.h"
#include "common/ui/qt_text.h"
#include "gfxeditor/ui/gfx_editor_window.h"

namespace quillo {

void registerGfxCommands(CommandRegistry& registry, QWidget* window, AppState& state) {
    registry.add(Command::GfxEditor, [window, &state] {
        GfxEditorWindow editor({state.gfx(), state.settings(), toQ(state.helpRoot())}, window);
        // Centred over the main window.
        if (window) editor.move(window->geometry().center() - editor.rect().center());
        editor.exec();
    });
}

}  // namespace quillo
