#include "pipeline/ui/headless_build.h"

#include "app/project_file.h"
#include "pipeline/bmi_file.h"
#include "pipeline/ui/build_pipeline.h"
#include "common/file_io.h"
#include "common/log_line.h"

#include <QEventLoop>

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
    const ReadResult read = readFile(sourcePath_, kMaxSourceSize);
    switch (read.status) {
    case ReadResult::Status::Ok: break;
    case ReadResult::Status::TooLarge:
        return sourcePath_ + " is larger than " + std::to_string(kMaxSourceSize) + " bytes";
    default: return "cannot read " + sourcePath_;
    }
    text_.assign(reinterpret_cast<const char*>(read.data.data()), read.data.size());
    doc_ = Document{};
    editorState_ = readProjectFile(projectFilePath(sourcePath_), doc_);
    doc_.folder = folderOf(sourcePath_);
    doc_.name = documentName(sourcePath_);
    const std::string error = loadBinaryList(sourcePath_ + ".bmi", binaries_);
    if (!error.empty()) return "cannot read the binary list " + sourcePath_ + ".bmi: " + error;
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
bool HeadlessBuildHost::saveSource(const std::string& path) {
    if (const std::string error = writeFileAtomic(path, text_); !error.empty()) {
        err_ << "Error: cannot write " << path << ": " << error << '\n';
        return false;
    }
    for (const std::string& error : {writeProjectFile(projectFilePath(path), doc_, editorState_),
                                     saveBinaryList(binaryListPath(path), binaries_)})
        if (!error.empty()) err_ << "Error: " << error << '\n';
    return true;
}

int runHeadlessBuild(const Settings& settings, const std::string& sourcePath, std::ostream& out, std::ostream& err) {
    HeadlessBuildHost host(settings, sourcePath, out, err);
    if (const std::string error = host.load(); !error.empty()) {
        err << "Error: " << error << '\n';
        return kHeadlessNoSource;
    }
    BuildPipeline pipeline(host);
    QEventLoop loop;
    QObject::connect(&pipeline, &BuildPipeline::finished, &loop, [&loop] { loop.quit(); });
    if (!pipeline.build()) return kHeadlessNoOutput;
    loop.exec();

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
