#include "common/ui/process_runner.h"

#include "common/ui/qt_text.h"

#include <QMetaMethod>
#include <QSocketNotifier>

#include <csignal>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quillo {

ProcessRunner::ProcessRunner(QObject* parent) : QObject(parent) {}

ProcessRunner::~ProcessRunner() {
    if (pidFd_ >= 0) ::close(pidFd_);
    if (process_) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(1000);
    }
}

void ProcessRunner::start(const std::string& program, const std::vector<std::string>& arguments,
                        const std::string& workingFolder) {
    if (running_) return;
    out_ = KeptOutput({.dropEmpty = true});
    err_ = KeptOutput();
    stopRequested_ = false;
    running_ = true;

    // The previous process may be the one whose signal is being handled.
    if (process_) {
        process_->disconnect(this);
        process_->deleteLater();
    }
    process_ = nullptr;
    QStringList args;
    for (const std::string& a : arguments) args << toQ(a);
    if (detached_) return startDetached(program, args, workingFolder);

    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    // A compiler or packer never outlives us, even when we are killed.
    process_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    if (!workingFolder.empty()) process_->setWorkingDirectory(toQ(workingFolder));
    connect(process_, &QProcess::readyReadStandardOutput, this,
            [this] { readStream(QProcess::StandardOutput); });
    connect(process_, &QProcess::readyReadStandardError, this, [this] { readStream(QProcess::StandardError); });
    connect(process_, &QProcess::finished, this, &ProcessRunner::onFinished);
    connect(process_, &QProcess::errorOccurred, this, &ProcessRunner::onError);

    process_->start(toQ(program), args, QIODevice::ReadOnly);
}

void ProcessRunner::startDetached(const std::string& program, const QStringList& arguments,
                                  const std::string& workingFolder) {
    QProcess starter;
    starter.setProgram(toQ(program));
    starter.setArguments(arguments);
    if (!workingFolder.empty()) starter.setWorkingDirectory(toQ(workingFolder));
    detachedPid_ = 0;
    if (!starter.startDetached(&detachedPid_)) {
        QMetaObject::invokeMethod(this, [this] { end(Outcome::FailedToStart, -1); }, Qt::QueuedConnection);
        return;
    }
    watchDetached();
}

// The program is not our child, so no signal tells of its end: a pidfd does
// (readable once it has ended); a process already gone when we look has ended.
void ProcessRunner::watchDetached() {
    delete exitWatch_;
    exitWatch_ = nullptr;
    if (pidFd_ >= 0) ::close(pidFd_);
    pidFd_ = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(detachedPid_), 0));
    if (pidFd_ < 0) {
        QMetaObject::invokeMethod(this, [this] { end(Outcome::Exited, 0); }, Qt::QueuedConnection);
        return;
    }
    exitWatch_ = new QSocketNotifier(pidFd_, QSocketNotifier::Read, this);
    connect(exitWatch_, &QSocketNotifier::activated, this, [this] {
        exitWatch_->setEnabled(false);
        exitWatch_->deleteLater();
        exitWatch_ = nullptr;
        ::close(pidFd_);
        pidFd_ = -1;
        end(stopRequested_ ? Outcome::Stopped : Outcome::Exited, 0);
    });
}

void ProcessRunner::stop() {
    if (running_ && detachedPid_ > 0 && pidFd_ >= 0) {
        stopRequested_ = true;
        ::syscall(SYS_pidfd_send_signal, pidFd_, SIGTERM, nullptr, 0);
        return;
    }
    if (!running_ || !process_) return;
    stopRequested_ = true;
    // A process still starting has no pid to kill yet.
    if (process_->state() == QProcess::Starting)
        connect(process_, &QProcess::started, process_, &QProcess::kill, Qt::SingleShotConnection);
    process_->kill();
}

void ProcessRunner::announce(const KeptOutput& stream, bool standardError, std::size_t fresh) {
    if (fresh == 0 || !isSignalConnected(QMetaMethod::fromSignal(&ProcessRunner::lineRead))) return;
    for (std::size_t i = stream.size() - fresh; i < stream.size(); ++i) {
        const std::string_view line = stream.line(i);
        emit lineRead(standardError, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
    }
}

void ProcessRunner::readStream(QProcess::ProcessChannel channel) {
    if (!process_) return;
    const bool standardError = channel == QProcess::StandardError;
    KeptOutput& stream = standardError ? err_ : out_;
    // Read in bounded pieces, so a flood never sits whole in one buffer.
    process_->setReadChannel(channel);
    char piece[1 << 16];
    for (;;) {
        const qint64 n = process_->read(piece, sizeof piece);
        if (n <= 0) break;
        announce(stream, standardError, stream.feed(std::string_view(piece, static_cast<std::size_t>(n))));
    }
}

void ProcessRunner::onFinished(int exitCode, QProcess::ExitStatus status) {
    readStream(QProcess::StandardOutput);
    readStream(QProcess::StandardError);
    announce(out_, false, out_.finish());
    announce(err_, true, err_.finish());
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
