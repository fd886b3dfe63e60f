#pragma once
#include "pipeline/zx0.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QProgressDialog;
class QThread;
class QTimer;
class QWidget;

namespace quillo {

// Runs one ZX0 compression at a time on a thread of its own, with a
// progress dialog whose Cancel (or cancel()) stops it: a large input never
// freezes the window. done follows from the event loop only when the
// compression finished; a cancelled run calls nothing.
class Zx0Runner : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const zx0::Packed&)>;

    explicit Zx0Runner(QObject* parent = nullptr);
    ~Zx0Runner() override;  // cancels and waits for a run in progress

    // False (and nothing done) while a run is in progress.
    bool start(QWidget* dialogParent, std::vector<std::uint8_t> input, bool backwards, Done done);
    void cancel() { cancelled_->store(true); }
    bool isRunning() const { return thread_ != nullptr; }

signals:
    void runningChanged(bool running);

private:
    struct Shared;
    void onFinished();

    QThread* thread_ = nullptr;
    QTimer* ticker_ = nullptr;
    QPointer<QProgressDialog> dialog_;
    std::shared_ptr<Shared> shared_;
    std::shared_ptr<std::atomic<bool>> cancelled_ = std::make_shared<std::atomic<bool>>(false);
    Done done_;
};

}  // namespace quillo
