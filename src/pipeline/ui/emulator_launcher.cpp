#include "pipeline/ui/emulator_launcher.h"

namespace quillo {

namespace {

QString q(const std::string& s) { return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

EmulatorLauncher::EmulatorLauncher(QObject* parent) : QObject(parent) {}

EmulatorLauncher::~EmulatorLauncher() {
    // An emulator outlives the program that started it: leave it running.
    if (process_) {
        process_->disconnect(this);
        process_->setParent(nullptr);
    }
}

bool EmulatorLauncher::start(const std::string& program, const std::string& tapeFile,
                             const std::string& workingFolder) {
    if (running_) return false;
    running_ = true;
    triedOpener_ = false;
    tapeFile_ = q(tapeFile);
    folder_ = q(workingFolder);
    if (program.empty()) {
        QMetaObject::invokeMethod(this, [this] { end(false); }, Qt::QueuedConnection);
        return true;
    }
    launch(q(program), {tapeFile_});
    return true;
}

void EmulatorLauncher::launch(const QString& program, const QStringList& arguments) {
    if (process_) {
        process_->disconnect(this);
        process_->deleteLater();
    }
    process_ = new QProcess(this);
    // The emulator's output is not read, so it must not go into pipes that
    // could fill up and stall it.
    process_->setProcessChannelMode(QProcess::ForwardedChannels);
    process_->setInputChannelMode(QProcess::ForwardedInputChannel);
    if (!folder_.isEmpty()) process_->setWorkingDirectory(folder_);
    connect(process_, &QProcess::finished, this, [this] { end(true); });
    connect(process_, &QProcess::errorOccurred, this, &EmulatorLauncher::onError);
    process_->start(program, arguments);
}

void EmulatorLauncher::onError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!running_) return;
            if (triedOpener_ || opener_.isEmpty()) {
                end(false);
                return;
            }
            triedOpener_ = true;
            launch(opener_, {tapeFile_});
        },
        Qt::QueuedConnection);
}

void EmulatorLauncher::end(bool started) {
    if (!running_) return;
    running_ = false;
    emit finished(started);
}

}  // namespace quillo
