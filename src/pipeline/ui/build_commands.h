#pragma once
// The Compiler menu, the memory map and the binary manager's commands.
#include "app/command_registry.h"

#include <functional>

class QWidget;

namespace quillo {

class BinaryManagerWindow;
class BuildPipeline;
class RegionMap;

struct BuildCommandContext {
    BuildPipeline& pipeline;
    RegionMap& regions;
    QWidget* window;  // parent of the memory map
    // Before a build or run: stores the panels into the document to build and
    // points the build at its editor; with saveFirst, a source never saved is
    // given a name first. False stops the command.
    std::function<bool(bool saveFirst)> prepare;
    // From the start of a build to the end of the compiler: Stop is offered.
    std::function<bool()> building;
    // The binary manager window, created and shown on demand; the open one
    // (or nullptr) for the commands of its context menu.
    std::function<BinaryManagerWindow*()> showBinaryManager;
    std::function<BinaryManagerWindow*()> binaryManager;
};

void registerBuildCommands(CommandRegistry& registry, BuildCommandContext context);

}  // namespace quillo
