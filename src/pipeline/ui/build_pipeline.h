#pragma once
#include "app/document.h"
#include "pipeline/binary_list.h"
#include "pipeline/compiler_command.h"
#include "pipeline/output_parser.h"
#include "pipeline/ui/build_runner.h"
#include "pipeline/ui/emulator_launcher.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace quillo {

class BuildHost;

// What the last build left behind.
struct BuildReport {
    int exitCode = 0;  // the compiler's, or one of BuildPipeline's negative codes
    bool compiledFileWritten = false;
    std::string tapePath;  // empty when the output kind has no tape or nothing was placed
    bool tapeWritten = false;
    std::int32_t freeBytes = 0;
    std::vector<CompilerMessage> messages;  // the compiled file's errors and warnings
    qint64 milliseconds = 0;
};

// Runs builds, the compiler's version check and the emulator for one host,
// all asynchronously: build() returns as soon as the compiler is started and
// finished() follows when everything after it is done, so the event loop
// (window repaints, the Stop command, timers) keeps running throughout.
//
// A build: the binary list saved beside the output, the source and its
// temporary copy saved, region map, markers and output panel cleared, the
// compiler run with the project's options, its output shown and parsed into
// markers and annotations, the free-byte count, then the compiled code and
// the binaries placed in the memory image and the tape written.
class BuildPipeline : public QObject {
    Q_OBJECT
public:
    // finished() codes besides the compiler's own exit codes.
    static constexpr int kNotStarted = -1;  // the compiler could not be started
    static constexpr int kStopped = -2;     // stop() ended it
    static constexpr int kCrashed = -3;     // it died from a signal

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
    int lastExitCode() const { return report_.exitCode; }
    const BuildReport& lastReport() const { return report_; }
    // ".tap" or ".tzx" of the last TAP or TZX build; empty before one.
    const std::string& tapeExtension() const { return tapeExtension_; }
    // The argument text of the last build's command line.
    const std::string& argumentText() const { return command_.argumentText; }

    EmulatorLauncher& emulatorLauncher() { return launcher_; }

signals:
    void finished(int exitCode);
    // The version line as written to the output panel.
    void versionChecked(const QString& line);
    // The emulator has ended, or neither it nor the desktop opener started.
    void emulatorFinished(bool started);

private:
    void log(const std::string& text);
    void onCompilerFinished(BuildRunner::Outcome outcome, int exitCode);
    void showCompilerOutput(BuildRunner::Outcome outcome, int exitCode);
    void markMessages();
    void finishBuild();
    void onVersionFinished(BuildRunner::Outcome outcome);
    void onEmulatorFinished(bool started);

    BuildHost& host_;
    BuildRunner compiler_;
    BuildRunner version_;
    EmulatorLauncher launcher_;

    // The build in progress works on copies, so switching tabs or editing the
    // project panel while the compiler runs cannot change it half-way.
    Document doc_;
    BinaryList binaries_;
    BuildPaths paths_;
    CompilerCommand command_;
    QElapsedTimer clock_;
    BuildReport report_;
    std::string tapeExtension_;
    std::int32_t emulatorCaret_ = 0;
    bool building_ = false;
    bool runAfterBuild_ = false;
};

inline constexpr std::string_view kCompilerErrorTitle = "Error occured";
inline constexpr std::string_view kCompilerErrorText =
    "Compiler Not started, do you have defined\nthe ZXB Compiler file? or maybe no\n"
    "vcredist (visual c++ redistributable) installed.";
inline constexpr std::string_view kCompileFailedTitle = "Errors occured";
inline constexpr std::string_view kCompileFailedText = "Compilation failed...";

}  // namespace quillo
