#include "editor/ui/editor_tool_commands.h"

#include "editor/find_text.h"
#include "editor/ui/ascii_table_window.h"
#include "editor/ui/find_window.h"
#include "editor/ui/include_helper_window.h"
#include "editor/ui/settings_dialog.h"
#include "editor/ui/small_tool_windows.h"

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
    QPointer<IncludeHelperWindow> includeHelper;
    QPointer<AsciiTableWindow> asciiTable;
    QPointer<KeyboardHelperWindow> keyboard;
    QPointer<BeepCalculatorWindow> beep;
    QPointer<SnippetManagerWindow> snippets;
};

// Shows a tool window, made on first use and centred on the main window.
template <typename Window, typename Make>
void showTool(QPointer<Window>& window, const char* name, QWidget* parent, Make make) {
    if (!window) {
        window = make();
        window->setObjectName(QString::fromLatin1(name));
        if (parent) window->move(parent->frameGeometry().center() - window->rect().center());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void registerEditorToolCommands(CommandRegistry& registry, EditorToolContext context) {
    auto tools = std::make_shared<ToolWindows>(std::move(context));
    const EditorToolContext& c = tools->context;
    registry.add(Command::FindReplace, [tools] {
        if (!tools->find) {
            tools->find = new FindWindow(tools->context.currentEditor, tools->history, tools->context.window);
            tools->find->setObjectName(QStringLiteral("findWindow"));
        }
        tools->find->open();
    });
    registry.add(Command::QuilloSettings, [tools] {
        SettingsDialog dialog(tools->context.settings, tools->context.settingsChanged, tools->context.window);
        dialog.setObjectName(QStringLiteral("settingsDialog"));
        dialog.exec();
    });
    registry.add(Command::IncludeLibHelper, [tools, &c] {
        showTool(tools->includeHelper, "includeHelper", c.window,
                 [&c] { return new IncludeHelperWindow(c.currentEditor, c.helpRoot, c.window); });
    });
    registry.add(Command::AsciiTable, [tools, &c] {
        showTool(tools->asciiTable, "asciiTable", c.window,
                 [&c] { return new AsciiTableWindow(c.currentEditor, c.charset, c.window); });
    });
    registry.add(Command::KeyboardHelper, [tools, &c] {
        showTool(tools->keyboard, "keyboardHelper", c.window,
                 [&c] { return new KeyboardHelperWindow(c.currentEditor, c.window); });
    });
    registry.add(Command::BeepCalculator, [tools, &c] {
        showTool(tools->beep, "beepCalculator", c.window, [&c] { return new BeepCalculatorWindow(c.window); });
    });
    registry.add(Command::CodeLibrary, [tools, &c] {
        showTool(tools->snippets, "snippetManager", c.window, [&c] { return new SnippetManagerWindow(c.window); });
    });
}

}  // namespace quillo
