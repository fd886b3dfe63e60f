#pragma once
#include "common/line_splitter.h"
#include "common/process_outcome.h"

#include <QObject>
#include <QProcess>

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

    // Text kept per stream; beyond it lines are dropped and one note added,
    // so a runaway compiler cannot exhaust memory.
    static constexpr std::size_t kMaxKeptBytes = 64u * 1024 * 1024;

    explicit ProcessRunner(QObject* parent = nullptr);
    ~ProcessRunner() override;

    // Starts program (found on PATH when it has no folder) with these
    // arguments in workingFolder (empty: the current one). finished() always
    // follows, also when the program cannot be started.
    void start(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& workingFolder);
    // Before start(): the program's output goes to our own standard streams
    // instead of being collected, and the program is left running when this
    // runner is destroyed (an emulator outlives the program that started it).
    void setDetachedOutput(bool detached) { detached_ = detached; }

    // Kills the running process; finished(Stopped) follows.
    void stop();
    bool isRunning() const { return running_; }

    // Standard output lines (empty ones left out) and standard error lines.
    const std::vector<std::string>& outputLines() const { return out_.lines; }
    const std::vector<std::string>& errorLines() const { return err_.lines; }

signals:
    // Each line as it arrives.
    void lineRead(bool standardError, const QByteArray& line);
    void finished(quillo::ProcessOutcome outcome, int exitCode);

private:
    struct Stream {
        LineSplitter splitter;
        std::vector<std::string> lines;
        std::size_t keptBytes = 0;
        bool truncated = false;
        bool dropEmpty = false;
    };

    void readStream(QProcess::ProcessChannel channel);
    void keep(Stream& stream, bool standardError, std::vector<std::string>& fresh);
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);
    void end(Outcome outcome, int exitCode);

    QProcess* process_ = nullptr;
    Stream out_;
    Stream err_;
    bool running_ = false;
    bool stopRequested_ = false;
    bool detached_ = false;
};

}  // namespace quillo
