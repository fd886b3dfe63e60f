#pragma once
#include "app/source_bundle.h"
#include "app/settings.h"
#include "pipeline/binary_list.h"
#include "pipeline/memory_image.h"
#include "pipeline/region_map.h"
#include "pipeline/build_host.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace quillo {

// The build host of the command line: a source file with its project file
// and binary list, the output panel on standard output and message boxes on
// standard error. Uses nothing but Qt Core, so it runs without a display.
//
// The build is the window's: the source is saved under the configured suffix
// (game.bas as game.qlo) with its project file and binary list, and compiled
// from the temporary copy beside it.
class HeadlessBuildHost : public BuildHost {
public:
    HeadlessBuildHost(const Settings& settings, const std::string& sourcePath, std::ostream& out, std::ostream& err);
    ~HeadlessBuildHost() override;

    // Reads the source and its project file (read defaults when missing) and
    // the binary list beside it. Empty on success, else the reason.
    std::string load();

    Document& document() override { return bundle_.document; }
    ScintillaMessages* editor() override { return nullptr; }
    const Settings& settings() override { return settings_; }
    BinaryList& binaries() override { return bundle_.binaries; }
    RegionMap& regionMap() override { return *map_; }
    MemoryImage& memoryImage() override { return *image_; }

    void clearOutput() override {}
    void appendOutput(std::string_view lines) override;
    void showMessage(const UserMessage& message) override;
    Status saveSource(const std::string& path) override;

    const std::string& sourcePath() const { return sourcePath_; }

private:
    Settings settings_;
    std::string sourcePath_;
    SourceBundle bundle_;
    std::unique_ptr<RegionMap> map_;
    std::unique_ptr<MemoryImage> image_;
    std::ostream& out_;
    std::ostream& err_;
};

// Exit statuses of a command-line build besides the compiler's own codes.
inline constexpr int kHeadlessNoSource = 2;       // the source could not be read
inline constexpr int kHeadlessNoOutput = 3;       // exit code 0 (or a crash) but no compiled file or tape
inline constexpr int kHeadlessNoCompiler = 127;   // the compiler could not be started
inline constexpr int kHeadlessTimedOut = 124;     // --timeout ran out; the compiler was stopped

struct HeadlessOptions {
    int timeoutSeconds = 0;  // 0: wait as long as the compiler takes
};

// Builds sourcePath and returns when the build has ended: 0 when the
// compiler succeeded and its output (and the tape, for TAP and TZX) was
// written, the compiler's exit code when it failed, or one of the codes
// above. SIGINT, SIGTERM and SIGHUP stop the compiler and give 128 + the
// signal's number. Needs a QCoreApplication (or QApplication); runs its own
// event loop.
int runHeadlessBuild(const Settings& settings, const std::string& sourcePath, std::ostream& out, std::ostream& err,
                     HeadlessOptions options = {});

}  // namespace quillo
