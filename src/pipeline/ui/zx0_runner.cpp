#include "pipeline/ui/zx0_runner.h"

#include <QProgressDialog>
#include <QThread>
#include <QTimer>

namespace quillo {

// What the compressing thread and the window share: the progress figures
// (read by the ticker) and the result (read once the thread finished).
struct Zx0Runner::Shared {
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> total{1};
    zx0::Packed result;
};

Zx0Runner::Zx0Runner(QObject* parent) : QObject(parent) {}

Zx0Runner::~Zx0Runner() {
    if (!thread_) return;
    cancel();
    thread_->wait();
    delete thread_;
    delete dialog_;
}

bool Zx0Runner::start(QWidget* dialogParent, std::vector<std::uint8_t> input, bool backwards, Done done) {
    if (thread_) return false;
    done_ = std::move(done);
    cancelled_->store(false);
    shared_ = std::make_shared<Shared>();
    shared_->total = std::max<std::size_t>(input.size(), 1);

    thread_ = QThread::create([shared = shared_, cancelled = cancelled_, input = std::move(input), backwards] {
        shared->result = zx0::compress(input, backwards, [&](std::size_t done, std::size_t) {
            shared->done = done;
            return !cancelled->load();
        });
    });
    connect(thread_, &QThread::finished, this, &Zx0Runner::onFinished);

    // Quick runs end before the dialog would show; longer ones get it.
    dialog_ = new QProgressDialog(QStringLiteral("Packing with ZX0..."), QStringLiteral("Cancel"), 0, 1000,
                                  dialogParent);
    dialog_->setWindowTitle(QStringLiteral("ZX0"));
    dialog_->setMinimumDuration(400);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    connect(dialog_, &QProgressDialog::canceled, this, &Zx0Runner::cancel);
    ticker_ = new QTimer(this);
    connect(ticker_, &QTimer::timeout, this, [this] {
        if (dialog_) dialog_->setValue(static_cast<int>(1000 * shared_->done / shared_->total));
    });
    ticker_->start(100);

    thread_->start();
    emit runningChanged(true);
    return true;
}

void Zx0Runner::onFinished() {
    delete ticker_;
    ticker_ = nullptr;
    delete dialog_;
    thread_->deleteLater();
    thread_ = nullptr;
    const std::shared_ptr<Shared> shared = std::move(shared_);
    const Done done = std::move(done_);
    done_ = {};
    emit runningChanged(false);
    if (shared->result.error.code == zx0::ErrorCode::Cancelled) return;
    if (done) done(shared->result);
}

}  // namespace quillo
