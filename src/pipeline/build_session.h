#pragma once
// The steps of a build, in order, with their log texts and exit-code rules:
// everything but the driving of the child processes, which the window layer
// does (asynchronously) between begin() and finish().
#include "app/document.h"
#include "common/process_outcome.h"
#include "pipeline/binary_list.h"
#include "pipeline/compiler_command.h"
#include "pipeline/emulator_command.h"
#include "pipeline/output_parser.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillo {

class KeptOutput;

class BuildHost;

// What the last build left behind.
struct BuildReport {
    // Codes besides the compiler's own exit codes.
    static constexpr int kNotStarted = -1;  // the compiler could not be started
    static constexpr int kStopped = -2;     // stopped by the user
    static constexpr int kCrashed = -3;     // it died from a signal

    int exitCode = 0;  // the compiler's, or one of the codes above
    bool compiledFileWritten = false;
    std::string tapePath;  // empty when the output kind has no tape or nothing was placed
    bool tapeWritten = false;
    std::int32_t freeBytes = 0;
    std::vector<CompilerMessage> messages;  // the compiled file's errors and warnings
    long long milliseconds = 0;  // the compiler's run
    bool runnable = false;  // machine code that an emulator can be started on
};

class BuildSession {
public:
    explicit BuildSession(BuildHost& host);

    // A build up to the compiler: the binary list saved beside the output,
    // the source and its temporary copy saved, region map, markers and output
    // panel cleared, the opening log lines. Returns the compiler's command
    // line and what to do with it: a compiler known to be missing is finished
    // with FailedToStart at once; a copy that could not be written ends the
    // build there.
    struct Start {
        // Run the compiler; finish at once as a compiler that could not
        // start; or stop (the build has ended, nothing to finish).
        enum class Action { Run, Missing, Stop };
        CompilerCommand command;
        Action action = Action::Run;
    };
    Start begin();
    // Everything after the compiler: its output shown and parsed into markers
    // and annotations, the free-byte count, the compiled code and binaries
    // placed and the tape written.
    void finish(ProcessOutcome outcome, int exitCode, const KeptOutput& out, const KeptOutput& err);

    const BuildReport& report() const { return report_; }
    // ".tap" or ".tzx" of the last TAP or TZX build; empty before one.
    const std::string& tapeExtension() const { return tapeExtension_; }
    // The argument text of the last build's command line.
    const std::string& argumentText() const { return command_.argumentText; }

    // The emulator on the tape of the project's output kind: shown in the
    // panel, the window disabled. Nothing (and a message) when there is no
    // such tape yet.
    std::optional<EmulatorCommand> beginRun();
    // The caret back where it was; a message when nothing could be started.
    void finishRun(bool started);

    // The compiler asked for its version; nothing (and "ZX Basic Compiler not
    // found" in the panel) when none is configured.
    std::optional<CompilerCommand> beginVersionCheck();
    // The version line, also written to the output panel.
    std::string finishVersionCheck(const KeptOutput& out);

private:
    void log(const std::string& text);
    void showCompilerOutput(ProcessOutcome outcome, int exitCode, const KeptOutput& out, const KeptOutput& err);
    void markMessages(const KeptOutput& out, const KeptOutput& err);
    void placeAndWriteTape();
    void finishWithoutCode();

    BuildHost& host_;
    // The build in progress works on copies, so switching tabs or editing the
    // project panel while the compiler runs cannot change it half-way.
    Document doc_;
    BinaryList binaries_;
    BuildPaths paths_;
    CompilerCommand command_;
    std::chrono::steady_clock::time_point started_;
    BuildReport report_;
    std::string tapeExtension_;
    std::int32_t emulatorCaret_ = 0;
};

inline constexpr std::string_view kCompilerErrorTitle = "Error occured";
inline constexpr std::string_view kCompilerErrorText =
    "Compiler Not started, do you have defined\nthe ZXB Compiler file?";
inline constexpr std::string_view kCompileFailedTitle = "Errors occured";
inline constexpr std::string_view kCompileFailedText = "Compilation failed...";
inline constexpr std::string_view kCompilerNotFound = "ZX Basic Compiler not found";
inline constexpr std::string_view kCopyFailedTitle = "Error";
inline constexpr std::string_view kNoTapeTitle = "Run";

}  // namespace quillo
