#pragma once
// The build tools' commands: TAP import, program info, the interrupt
// manager, the outside packers (with Stop for a packer that hangs) and the
// built-in ZX0 packer.
#include "app/command_registry.h"
#include "app/document.h"
#include "pipeline/binary_list.h"
#include "pipeline/program_info.h"
#include "pipeline/region_map.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace quillo {

class BinaryManagerWindow;
class Settings;
class SourceEditor;

struct ToolCommandContext {
    QWidget* window;
    const Settings& settings;
    RegionMap& regions;
    std::function<SourceEditor*()> editor;  // the current one
    std::function<Document&()> document;    // the current one, synced
    std::function<void()> sync;              // the panels into the current document
    // The current document's output file as a full path, without extension.
    std::function<std::string()> outputBase;
    std::function<BinaryList&()> binaries;
    std::function<BinaryManagerWindow*()> binaryManager;  // the open one, or nullptr
    std::function<std::vector<InfoSource>()> openDocuments;  // in tab order
    std::function<int()> currentIndex;
    // Output panel: a whole line as it is / with the log prefix.
    std::function<void(const std::string&)> appendOutput;
    std::function<void(const std::string&)> appendLog;
    // The build's Stop: Stop also ends a packer, and is offered while either runs.
    std::function<bool()> building;
    std::function<void()> stopBuild;
    std::function<void()> commandStatesChanged;
};

// Registers after the build commands: it takes over Command::StopBuild.
void registerToolCommands(CommandRegistry& registry, ToolCommandContext context);

}  // namespace quillo
