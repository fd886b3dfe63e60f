#pragma once
// "Tools" > "GFX Editor" and the toolbar's "Graphics Editor".
#include "app/command_registry.h"

class QWidget;

namespace quillo {

class AppState;

void registerGfxCommands(CommandRegistry& registry, QWidget* window, AppState& state);

}  // namespace quillo
