#pragma once
#include <QObject>

class QSocketNotifier;

namespace quillo {

// SIGINT, SIGTERM and SIGHUP delivered on the event loop instead of ending
// the process at once, so the program can stop the compiler or packer it
// started before it exits. Only one may exist at a time; the previous
// handlers come back when it is destroyed.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // The exit status a program ended by this signal reports: 128 + number.
    static int exitStatusFor(int signalNumber) { return 128 + signalNumber; }

signals:
    void received(int signalNumber);

private:
    void readPending();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quillo
