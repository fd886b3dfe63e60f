#pragma once
// "Tools" > "Font Editor".
#include "app/command_registry.h"

#include <functional>

class QWidget;

namespace quillo {

class AppState;
class BinaryManagerWindow;

struct FontCommandContext {
    QWidget* window;
    AppState& state;
    std::function<BinaryManagerWindow*()> binaryManager;  // the open one, or nullptr
};

void registerFontCommands(CommandRegistry& registry, FontCommandContext context);

}  // namespace quillo
