#include "editor/ui/editor_tool_commands.h"

#include "editor/find_text.h"
#include "editor/ui/find_window.h"
#include "editor/ui/settings_dialog.h"

#include <QPointer>

#include <memory>

namespace quillo {

namespace {

// The windows made so far; the main window owns them as their parent.
struct ToolWindows {
    explicit ToolWindows(EditorToolContext c) : context(std::move(c)) {}
    EditorToolContext context;
    SearchHistory history;
    QPointer<FindWindow> find;
};

void showFind(ToolWindows& tools) {
    if (!tools.find) {
        tools.find = new FindWindow(tools.context.currentEditor, tools.history, tools.context.window);
        tools.find->setObjectName(QStringLiteral("findWindow"));
    }
    tools.find->open();
}

}  // namespace

void registerEditorToolCommands(CommandRegistry& registry, EditorToolContext context) {
    auto tools = std::make_shared<ToolWindows>(std::move(context));
    registry.add(Command::FindReplace, [tools] { showFind(*tools); });
    registry.add(Command::QuilloSettings, [tools] {
        SettingsDialog dialog(tools->context.settings, tools->context.settingsChanged, tools->context.window);
        dialog.setObjectName(QStringLiteral("settingsDialog"));
        dialog.exec();
    });
}

}  // namespace quillo
