#include "pipeline/ui/build_pipeline.h"

#include "common/ui/qt_text.h"
#include "pipeline/build_host.h"

namespace quillo {

BuildPipeline::BuildPipeline(BuildHost& host, QObject* parent) : QObject(parent), host_(host), session_(host) {
    connect(&compiler_, &ProcessRunner::finished, this, &BuildPipeline::onCompilerFinished);
    connect(&version_, &ProcessRunner::finished, this,
            [this](ProcessOutcome outcome, int) { onVersionFinished(outcome); });
    connect(&launcher_, &EmulatorLauncher::finished, this, &BuildPipeline::onEmulatorFinished);
}

BuildPipeline::~BuildPipeline() = default;

bool BuildPipeline::build() {
    if (isBusy()) return false;
    runAfterBuild_ = false;
    const BuildSession::Start start = session_.begin();
    building_ = true;
    switch (start.action) {
    case BuildSession::Start::Action::Run:
        compiler_.start(start.command.program, start.command.arguments, start.command.workingFolder);
        break;
    case BuildSession::Start::Action::Missing:
        QMetaObject::invokeMethod(
            this, [this] { onCompilerFinished(ProcessOutcome::FailedToStart, -1); }, Qt::QueuedConnection);
        break;
    case BuildSession::Start::Action::Stop:
        // finished() still follows from the event loop, as for every build.
        QMetaObject::invokeMethod(
            this,
            [this] {
                building_ = false;
                runAfterBuild_ = false;
                emit finished(lastExitCode());
            },
            Qt::QueuedConnection);
        break;
    }
    return true;
}

bool BuildPipeline::compileAndRun() {
    if (!build()) return false;
    runAfterBuild_ = true;
    return true;
}

void BuildPipeline::stop() {
    compiler_.stop();
    version_.stop();
}

void BuildPipeline::onCompilerFinished(ProcessOutcome outcome, int exitCode) {
    if (!building_) return;
    session_.finish(outcome, exitCode, compiler_.outputLines(), compiler_.errorLines());
    building_ = false;
    const int code = lastExitCode();
    emit finished(code);
    if (runAfterBuild_ && code == 0 && lastReport().runnable) run();
    runAfterBuild_ = false;
}

bool BuildPipeline::run() {
    if (isBusy()) return false;
    const std::optional<EmulatorCommand> command = session_.beginRun();
    if (!command) return false;
    launcher_.start(command->program, command->tapeFile, command->workingFolder);
    return true;
}

void BuildPipeline::onEmulatorFinished(bool started) {
    session_.finishRun(started);
    emit emulatorFinished(started);
}

void BuildPipeline::checkVersion() {
    if (version_.isRunning()) return;
    const std::optional<CompilerCommand> command = session_.beginVersionCheck();
    if (!command) {
        emit versionChecked(toQ(kCompilerNotFound));
        return;
    }
    version_.start(command->program, command->arguments, {});
}

void BuildPipeline::onVersionFinished(ProcessOutcome outcome) {
    if (outcome == ProcessOutcome::FailedToStart || outcome == ProcessOutcome::Stopped) return;
    emit versionChecked(toQ(session_.finishVersionCheck(version_.outputLines())));
}

}  // namespace quillo
