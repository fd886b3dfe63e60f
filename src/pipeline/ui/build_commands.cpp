#include "pipeline/ui/build_commands.h"

#include "pipeline/ui/binary_manager_window.h"
#include "pipeline/ui/build_pipeline.h"
#include "pipeline/ui/memory_map_window.h"

#include <memory>

namespace quillo {

void registerBuildCommands(CommandRegistry& registry, BuildCommandContext context) {
    const auto shared = std::make_shared<BuildCommandContext>(std::move(context));
    BuildPipeline& pipeline = shared->pipeline;
    // The compiler runs in the source's folder: a source never saved gets a
    // name and a folder first. Run builds nothing, so it needs neither.
    const auto start = [shared](bool saveFirst, auto&& go) {
        if (shared->pipeline.isBusy() || !shared->prepare(saveFirst)) return;
        go(shared->pipeline);
    };
    registry.add(Command::Compile, [start] { start(true, [](BuildPipeline& p) { p.build(); }); });
    registry.add(Command::CompileAndRun, [start] { start(true, [](BuildPipeline& p) { p.compileAndRun(); }); });
    registry.add(Command::Run, [start] { start(false, [](BuildPipeline& p) { p.run(); }); });
    registry.add(Command::StopBuild, [&pipeline] { pipeline.stop(); }, shared->building);
    registry.add(Command::ZxbcVersion, [&pipeline] { pipeline.checkVersion(); });
    registry.add(Command::MemoryMap, [shared] { showMemoryMap(shared->window, shared->regions); });
    registry.add(Command::BinaryManager, [shared] { shared->showBinaryManager(); });
    registerBinaryManagerCommands(registry, shared->binaryManager);
}

}  // namespace quillo
