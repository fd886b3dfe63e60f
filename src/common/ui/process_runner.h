#pragma once
#include "common/kept_output.h"
#include "common/process_outcome.h"

#include <QObject>
#include <QProcess>

class QSocketNotifier;

#include <string>
#include <vector>

namespace quillo {

// Runs one child process (the compiler, a packer, an emulator) without ever
// blocking the thread. Collected output is read as its bytes arrive, so no
// pipe fills up, and cut into lines; forwarded output goes straight to our
// own streams, for programs whose output nobody reads.
class ProcessRunner : public QObject {
    Q_OBJECT
public:
    using Outcome = ProcessOutcome;

    explicit ProcessRunner(QObject* parent = nullptr);
    ~ProcessRunner() override;

    // Starts program (found on PATH when it has no folder) with these
    // arguments in workingFolder (empty: the current one). finished() always
    // follows, also when the program cannot be started.
    void start(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& workingFolder);
    // Before start(): the program runs detached, in a session of its own,
    // with our standard streams; nothing is collected, and it keeps running
    // when this runner is destroyed or we exit (an emulator outlives the
    // program that started it). Its end is still reported, exit code 0.
    void setDetachedOutput(bool detached) { detached_ = detached; }

    // Kills the running process; finished(Stopped) follows.
    void stop();
    bool isRunning() const { return running_; }

    // Standard output lines (empty ones left out) and standard error lines,
    // as far as they fit their memory budget.
    const KeptOutput& outputLines() const { return out_; }
    const KeptOutput& errorLines() const { return err_; }

signals:
    // Each line as it arrives.
    void lineRead(bool standardError, const QByteArray& line);
    void finished(quillo::ProcessOutcome outcome, int exitCode);

private:
    void startDetached(const std::string& program, const QStringList& arguments, const std::string& workingFolder);
    void watchDetached();
    void readStream(QProcess::ProcessChannel channel);
    void announce(const KeptOutput& stream, bool standardError, std::size_t fresh);
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);
    void end(Outcome outcome, int exitCode);

    QProcess* process_ = nullptr;
    KeptOutput out_;
    KeptOutput err_;
    bool running_ = false;
    bool stopRequested_ = false;
    bool detached_ = false;
    // A detached program: its pid, and a descriptor that becomes readable
    // when it ends.
    qint64 detachedPid_ = 0;
    int pidFd_ = -1;
    QSocketNotifier* exitWatch_ = nullptr;
};

}  // namespace quillo
