#include "fonteditor/ui/font_commands.h"

#include "app/app_state.h"
#include "common/ui/qt_text.h"
#include "fonteditor/ui/font_editor_window.h"
#include "pipeline/ui/add_binary_data_dialog.h"
#include "pipeline/ui/binary_manager_window.h"

#include <QApplication>

#include <memory>

namespace quillo {

namespace {

constexpr int kFontBinaryStart = 64000;

void openFontEditor(const FontCommandContext& c) {
    AppState& state = c.state;
    const auto toManager = [&c, &state](const QByteArray& data, const QString& name, const QString& description) {
        BinaryManagerWindow* manager = c.binaryManager();
        QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : c.window;
        AddBinaryDataDialog dialog(state.binaries(), state.regionMap(),
                                   BinaryDataRequest{data, name, description, kFontBinaryStart, 0, RegionType::Other},
                                   parent);
        dialog.exec();
        if (manager) manager->refresh();
    };
    FontEditorWindow window({state.workingFont(), state.fontScope(), toQ(state.programFolder() + "Quillo_Fonts"), toManager},
                            c.window);
    window.exec();
}

}  // namespace

void registerFontCommands(CommandRegistry& registry, FontCommandContext context) {
    const auto c = std::make_shared<FontCommandContext>(std::move(context));
    registry.add(Command::FontEditor, [c] { openFontEditor(*c); });
}

}  // namespace quillo
