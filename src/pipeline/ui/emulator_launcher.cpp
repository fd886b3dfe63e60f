#include "pipeline/ui/emulator_launcher.h"

#include "common/ui/qt_text.h"

namespace quillo {

EmulatorLauncher::EmulatorLauncher(QObject* parent) : QObject(parent) {
    // Nobody reads an emulator's output, and it outlives the program that
    // started it.
    runner_.setDetachedOutput(true);
    connect(&runner_, &ProcessRunner::finished, this, [this](ProcessOutcome outcome, int) { onFinished(outcome); });
}

EmulatorLauncher::~EmulatorLauncher() = default;

bool EmulatorLauncher::start(const std::string& program, const std::string& tapeFile,
                             const std::string& workingFolder) {
    if (running_) return false;
    running_ = true;
    triedOpener_ = false;
    tapeFile_ = tapeFile;
    folder_ = workingFolder;
    if (program.empty()) {
        QMetaObject::invokeMethod(this, [this] { end(false); }, Qt::QueuedConnection);
        return true;
    }
    launch(program);
    return true;
}

void EmulatorLauncher::launch(const std::string& program) { runner_.start(program, {tapeFile_}, folder_); }

void EmulatorLauncher::onFinished(ProcessOutcome outcome) {
    if (!running_) return;
    if (outcome != ProcessOutcome::FailedToStart) return end(true);
    if (triedOpener_ || opener_.isEmpty()) return end(false);
    triedOpener_ = true;
    // finished() comes from the runner's own signal: start the opener once
    // it has returned.
    QMetaObject::invokeMethod(this, [this] { launch(fromQ(opener_)); }, Qt::QueuedConnection);
}

void EmulatorLauncher::end(bool started) {
    if (!running_) return;
    running_ = false;
    emit finished(started);
}

}  // namespace quillo
