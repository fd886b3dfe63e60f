#include "common/ui/process_runner.h"

#include "common/ui/qt_text.h"

#include <QMetaMethod>

#include <csignal>
#include <sys/prctl.h>

namespace quillo {

ProcessRunner::ProcessRunner(QObject* parent) : QObject(parent) {}

ProcessRunner::~ProcessRunner() {
    if (process_ && detached_) {
        process_->disconnect(this);
        process_->setParent(nullptr);
    } else if (process_) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(1000);
    }
}

void ProcessRunner::start(const std::string& program, const std::vector<std::string>& arguments,
                        const std::string& workingFolder) {
    if (running_) return;
    out_ = Stream{};
    out_.dropEmpty = true;
    err_ = Stream{};
    stopRequested_ = false;
    running_ = true;

    // The previous process may be the one whose signal is being handled.
    if (process_) {
        process_->disconnect(this);
        process_->deleteLater();
    }
    process_ = new QProcess(this);
    if (detached_) {
        process_->setProcessChannelMode(QProcess::ForwardedChannels);
        process_->setInputChannelMode(QProcess::ForwardedInputChannel);
    } else {
        process_->setProcessChannelMode(QProcess::SeparateChannels);
        // A compiler or packer never outlives us, even when we are killed.
        process_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    }
    if (!workingFolder.empty()) process_->setWorkingDirectory(toQ(workingFolder));
    connect(process_, &QProcess::readyReadStandardOutput, this,
            [this] { readStream(QProcess::StandardOutput); });
    connect(process_, &QProcess::readyReadStandardError, this, [this] { readStream(QProcess::StandardError); });
    connect(process_, &QProcess::finished, this, &ProcessRunner::onFinished);
    connect(process_, &QProcess::errorOccurred, this, &ProcessRunner::onError);

    QStringList args;
    for (const std::string& a : arguments) args << toQ(a);
    process_->start(toQ(program), args, detached_ ? QIODevice::NotOpen : QIODevice::ReadOnly);
}

void ProcessRunner::stop() {
    if (!running_ || !process_) return;
    stopRequested_ = true;
    // A process still starting has no pid to kill yet.
    if (process_->state() == QProcess::Starting)
        connect(process_, &QProcess::started, process_, &QProcess::kill, Qt::SingleShotConnection);
    process_->kill();
}

void ProcessRunner::keep(Stream& stream, bool standardError, std::vector<std::string>& fresh) {
    const bool announce = isSignalConnected(QMetaMethod::fromSignal(&ProcessRunner::lineRead));
    for (std::string& line : fresh) {
        if (stream.dropEmpty && line.empty()) continue;
        if (announce) emit lineRead(standardError, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
        if (stream.truncated) continue;
        if (stream.keptBytes + line.size() > kMaxKeptBytes) {
            stream.truncated = true;
            stream.lines.push_back("(further output of the program not shown)");
            continue;
        }
        stream.keptBytes += line.size() + 1;
        stream.lines.push_back(std::move(line));
    }
    fresh.clear();
}

void ProcessRunner::readStream(QProcess::ProcessChannel channel) {
    if (!process_) return;
    const bool standardError = channel == QProcess::StandardError;
    Stream& stream = standardError ? err_ : out_;
    const QByteArray bytes = standardError ? process_->readAllStandardError() : process_->readAllStandardOutput();
    std::vector<std::string> fresh;
    stream.splitter.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), fresh);
    keep(stream, standardError, fresh);
}

void ProcessRunner::onFinished(int exitCode, QProcess::ExitStatus status) {
    readStream(QProcess::StandardOutput);
    readStream(QProcess::StandardError);
    for (const bool standardError : {false, true}) {
        Stream& stream = standardError ? err_ : out_;
        std::vector<std::string> rest;
        stream.splitter.finish(rest);
        keep(stream, standardError, rest);
    }
    if (stopRequested_) end(Outcome::Stopped, -1);
    else if (status == QProcess::CrashExit) end(Outcome::Crashed, -1);
    else end(Outcome::Exited, exitCode);
}

void ProcessRunner::onError(QProcess::ProcessError error) {
    // Other errors are followed by finished(); a failed start is not.
    if (error != QProcess::FailedToStart) return;
    // Reported from the event loop, never from inside start(), so callers
    // see the same order whatever made the start fail.
    QMetaObject::invokeMethod(this, [this] { end(Outcome::FailedToStart, -1); }, Qt::QueuedConnection);
}

void ProcessRunner::end(Outcome outcome, int exitCode) {
    if (!running_) return;
    running_ = false;
    emit finished(outcome, exitCode);
}

}  // namespace quillo
