#include "pipeline/ui/packer_runner.h"

#include "common/byte_view.h"
#include "common/file_io.h"
#include "common/ui/qt_text.h"

#include <QDir>

namespace quillo {

namespace {

// Far beyond the Spectrum's memory: a runaway packer cannot fill ours.
constexpr std::uintmax_t kMaxPackerOutput = 16u * 1024 * 1024;

std::string joined(const KeptOutput& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += ' ';
        text += lines.line(i);
    }
    return text;
}

}  // namespace

PackerRunner::PackerRunner(QObject* parent) : QObject(parent) {
    connect(&process_, &ProcessRunner::finished, this, &PackerRunner::onFinished);
}

PackerRunner::~PackerRunner() = default;

bool PackerRunner::start(const MakeRun& makeRun, const std::vector<std::uint8_t>* input, bool unpack, Done done) {
    if (running_) return false;
    running_ = true;
    unpack_ = unpack;
    done_ = std::move(done);
    folder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quillo-packer-XXXXXX"));
    run_ = makeRun(fromQ(folder_->path()) + "/");
    emit runningChanged(true);

    const auto fail = [this](const std::string& why) {
        PackerResult result;
        result.failure = std::string(unpack_ ? "decompression failed: " : "compression failed: ") + why;
        QMetaObject::invokeMethod(this, [this, result] { finish(result); }, Qt::QueuedConnection);
    };
    if (!folder_->isValid()) {
        fail("no temporary folder (" + fromQ(folder_->errorString()) + ")");
        return true;
    }
    if (input) {
        if (const Status written = writeFileAtomic(run_.inputFile, asText(*input)); !written) {
            fail(written.error().message());
            return true;
        }
    }
    process_.start(run_.program, run_.arguments, run_.workingFolder);
    return true;
}

void PackerRunner::onFinished(ProcessOutcome outcome, int exitCode) {
    if (!running_) return;
    const long long size = fileSize(run_.outputFile);
    const std::string errorText =
        outcome == ProcessOutcome::FailedToStart ? run_.program : joined(process_.errorLines());
    PackerResult result;
    result.failure = packerFailure(outcome, exitCode, errorText, size, unpack_);
    if (result.failure.empty()) {
        Result<Bytes> read = readFile(run_.outputFile, kMaxPackerOutput);
        if (read) {
            result.ok = true;
            result.output = std::move(*read);
        } else {
            result.failure = "compression failed: " + read.error().message();
        }
    }
    finish(std::move(result));
}

void PackerRunner::finish(PackerResult result) {
    folder_.reset();  // removes the working files with the folder
    running_ = false;
    const Done done = std::move(done_);
    done_ = {};
    emit runningChanged(false);
    if (done) done(result);
}

}  // namespace quillo
