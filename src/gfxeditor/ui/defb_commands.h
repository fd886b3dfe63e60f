#pragma once
// The main window's DEFB graphics tools: "Convert selection to" > "Graphics",
// "DEFB modification" > "Reorder graphics Data" and "Tools" > "Create DEFB Buffer".
#include "app/command_registry.h"

#include <functional>

class QWidget;

namespace quillo {

struct GfxSession;
class SourceEditor;

void registerGfxDefbCommands(CommandRegistry& registry, std::function<SourceEditor*()> currentEditor,
                             QWidget* window, GfxSession& session);

}  // namespace quillo
