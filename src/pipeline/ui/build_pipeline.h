#pragma once
#include "pipeline/build_session.h"
#include "common/ui/process_runner.h"
#include "pipeline/ui/emulator_launcher.h"

#include <QObject>
#include <QString>

#include <string>

namespace quillo {

class BuildHost;

// Runs builds, the compiler's version check and the emulator for one host,
// all asynchronously: build() returns as soon as the compiler is started and
// finished() follows when everything after it is done, so the event loop
// (window repaints, the Stop command, timers) keeps running throughout. The
// steps themselves are the build session's; this class drives the processes.
class BuildPipeline : public QObject {
    Q_OBJECT
public:
    // finished() codes besides the compiler's own exit codes.
    static constexpr int kNotStarted = BuildReport::kNotStarted;
    static constexpr int kStopped = BuildReport::kStopped;
    static constexpr int kCrashed = BuildReport::kCrashed;

    explicit BuildPipeline(BuildHost& host, QObject* parent = nullptr);
    ~BuildPipeline() override;

    // Builds the host's document. False (and nothing done) while a build or
    // an emulator is running.
    bool build();
    // A build, then the emulator when the compiler's exit code is 0.
    bool compileAndRun();
    // The emulator on the last tape, without building. False while busy.
    bool run();
    // Kills a running compiler (and a running version check); the build then
    // ends with finished(kStopped). An emulator is left alone.
    void stop();
    // Runs the compiler with --version and writes its answer to the output
    // panel; "ZX Basic Compiler not found" when none is configured.
    void checkVersion();

    bool isBuilding() const { return building_; }
    bool isEmulatorRunning() const { return launcher_.isRunning(); }
    bool isBusy() const { return isBuilding() || isEmulatorRunning(); }

    // The last build's exit code, kept until the next build; Compile and run
    // starts the emulator only on 0. A compiler that could not be started
    // gives kNotStarted, not 0, so that failure never passes for success.
    int lastExitCode() const { return session_.report().exitCode; }
    const BuildReport& lastReport() const { return session_.report(); }
    const std::string& tapeExtension() const { return session_.tapeExtension(); }
    const std::string& argumentText() const { return session_.argumentText(); }

    EmulatorLauncher& emulatorLauncher() { return launcher_; }

signals:
    void finished(int exitCode);
    // The version line as written to the output panel.
    void versionChecked(const QString& line);
    // The emulator has ended, or neither it nor the desktop opener started.
    void emulatorFinished(bool started);

private:
    void onCompilerFinished(ProcessOutcome outcome, int exitCode);
    void onVersionFinished(ProcessOutcome outcome);
    void onEmulatorFinished(bool started);

    BuildHost& host_;
    BuildSession session_;
    ProcessRunner compiler_;
    ProcessRunner version_;
    EmulatorLauncher launcher_;
    bool building_ = false;
    bool runAfterBuild_ = false;
};

}  // namespace quillo
