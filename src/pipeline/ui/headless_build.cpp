#include "pipeline/ui/headless_build.h"

#include "app/source_bundle.h"
#include "pipeline/ui/build_pipeline.h"
#include "common/log_line.h"

#include "common/ui/stop_signals.h"

#include <QEventLoop>
#include <QTimer>

#include <filesystem>
#include <ostream>

namespace quillo {

namespace {

// "\x1A hh:mm:ss -> text" reads "hh:mm:ss -> text" on a terminal.
std::string_view forTerminal(std::string_view line) {
    if (isLogLine(line)) line.remove_prefix(std::min<std::size_t>(2, line.size()));
    return line;
}

}  // namespace

HeadlessBuildHost::HeadlessBuildHost(const Settings& settings, const std::string& sourcePath, std::ostream& out,
                                     std::ostream& err)
    : settings_(settings),
      sourcePath_(std::filesystem::absolute(sourcePath).lexically_normal().string()),
      map_(std::make_unique<RegionMap>()),
      image_(std::make_unique<MemoryImage>()),
      out_(out),
      err_(err) {}

HeadlessBuildHost::~HeadlessBuildHost() = default;

std::string HeadlessBuildHost::load() {
    Result<LoadedSource> loaded = loadSourceBundle(sourcePath_, Document{});
    if (!loaded) {
        const Error& error = loaded.error();
        return "cannot read the source " + error.message();
    }
    if (!loaded->binaryList) return "cannot read the binary list " + loaded->binaryList.error().message();
    if (!loaded->projectFile) return "cannot read the project file " + loaded->projectFile.error().message();
    for (const std::string& problem : loaded->projectProblems)
        err_ << "Warning: " << loaded->projectFilePath << ": " << problem << '\n';
    bundle_ = std::move(loaded->bundle);
    return {};
}

void HeadlessBuildHost::appendOutput(std::string_view lines) {
    std::size_t begin = 0;
    while (begin <= lines.size()) {
        const std::size_t end = std::min(lines.find('\n', begin), lines.size());
        out_ << forTerminal(lines.substr(begin, end - begin)) << '\n';
        begin = end + 1;
    }
    out_.flush();
}

void HeadlessBuildHost::showMessage(const UserMessage& message) {
    err_ << message.title << ": " << message.text << '\n';
    err_.flush();
}

// As the window saves: the text under the configured suffix, with its project
// file (folds, bookmarks and caret as read) and binary list beside it.
Status HeadlessBuildHost::saveSource(const std::string& path) {
    const SavedSource saved = saveSourceBundle(path, bundle_.text, bundle_.document, &bundle_.editor, &bundle_.binaries);
    for (const Error& error : saved.companions) err_ << "Error: " << error.message() << '\n';
    return saved.source;
}

int runHeadlessBuild(const Settings& settings, const std::string& sourcePath, std::ostream& out, std::ostream& err,
                     HeadlessOptions options) {
    // Caught before anything starts: a signal during the build stops the
    // compiler instead of leaving it running without us.
    StopSignals stopSignals;
    HeadlessBuildHost host(settings, sourcePath, out, err);
    if (const std::string error = host.load(); !error.empty()) {
        err << "Error: " << error << '\n';
        return kHeadlessNoSource;
    }
    BuildPipeline pipeline(host);
    QEventLoop loop;
    int stoppedBy = 0;
    bool timedOut = false;
    const auto stopBuild = [&] {
        pipeline.stop();
        if (!pipeline.isBuilding()) loop.quit();
    };
    QObject::connect(&pipeline, &BuildPipeline::finished, &loop, [&loop] { loop.quit(); });
    QObject::connect(&stopSignals, &StopSignals::received, &loop, [&](int number) {
        if (!stoppedBy) stoppedBy = number;
        stopBuild();
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        stopBuild();
    });
    if (options.timeoutSeconds > 0) timeout.start(std::chrono::seconds(options.timeoutSeconds));
    if (!pipeline.build()) return kHeadlessNoOutput;
    loop.exec();
    if (stoppedBy) return StopSignals::exitStatusFor(stoppedBy);
    if (timedOut) {
        err << "Error: the compiler did not finish within " << options.timeoutSeconds
            << " seconds and was stopped\n";
        return kHeadlessTimedOut;
    }

    const BuildReport& report = pipeline.lastReport();
    switch (report.exitCode) {
    case BuildPipeline::kNotStarted: return kHeadlessNoCompiler;
    case BuildPipeline::kStopped:
    case BuildPipeline::kCrashed: return kHeadlessNoOutput;
    case 0: break;
    default: return report.exitCode;
    }
    const bool tapeDue = writesTape(host.document().outputType);
    if (!report.compiledFileWritten || (tapeDue && !report.tapeWritten)) return kHeadlessNoOutput;
    return 0;
}

}  // namespace quillo
