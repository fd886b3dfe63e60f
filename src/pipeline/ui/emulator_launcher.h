#pragma once
#include "common/ui/process_runner.h"

#include <QObject>
#include <QString>

#include <string>

namespace quillo {

// Starts an emulator on a tape file and reports when it has ended, without
// waiting on the thread. A program that cannot be started is replaced by the
// desktop's opener (xdg-open) on the tape file, which takes one file only.
class EmulatorLauncher : public QObject {
    Q_OBJECT
public:
    explicit EmulatorLauncher(QObject* parent = nullptr);
    ~EmulatorLauncher() override;

    // False when one is running already. An empty program goes straight to
    // finished(false).
    bool start(const std::string& program, const std::string& tapeFile, const std::string& workingFolder);
    bool isRunning() const { return running_; }

    // The desktop opener; tests put a fake in its place.
    void setShellOpener(const QString& program) { opener_ = program; }
    const QString& shellOpener() const { return opener_; }

signals:
    // started is false when neither the program nor the opener could start.
    void finished(bool started);

private:
    void launch(const std::string& program);
    void onFinished(ProcessOutcome outcome);
    void end(bool started);

    ProcessRunner runner_;
    QString opener_ = QStringLiteral("xdg-open");
    std::string tapeFile_;
    std::string folder_;
    bool running_ = false;
    bool triedOpener_ = false;
};

}  // namespace quillo
