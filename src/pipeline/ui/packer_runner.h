#pragma once
#include "common/ui/process_runner.h"
#include "pipeline/packer_commands.h"

#include <QObject>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillo {

// What a packer run gave: its output bytes, or why there are none.
struct PackerResult {
    bool ok = false;
    std::vector<std::uint8_t> output;
    std::string failure;  // "compression failed: ..." when not ok
};

// Runs one outside packer at a time, asynchronously, in a private temporary
// folder that is removed afterwards: the window keeps painting, stop() ends
// a packer that hangs, and no file of the user's is touched.
class PackerRunner : public QObject {
    Q_OBJECT
public:
    using MakeRun = std::function<PackerRun(const std::string& folder)>;
    using Done = std::function<void(const PackerResult&)>;

    explicit PackerRunner(QObject* parent = nullptr);
    ~PackerRunner() override;

    // Builds the run for the fresh folder, writes input to its input file
    // when there is input, starts the packer; done follows in every case,
    // from the event loop. False (and nothing done) while a packer runs.
    bool start(const MakeRun& makeRun, const std::vector<std::uint8_t>* input, bool unpack, Done done);
    void stop() { process_.stop(); }
    bool isRunning() const { return running_; }
    // The run being carried out (or the last one).
    const PackerRun& run() const { return run_; }

signals:
    // A packer started or ended.
    void runningChanged(bool running);

private:
    void finish(PackerResult result);
    void onFinished(ProcessOutcome outcome, int exitCode);

    ProcessRunner process_;
    std::unique_ptr<QTemporaryDir> folder_;
    PackerRun run_;
    Done done_;
    bool unpack_ = false;
    bool running_ = false;
};

}  // namespace quillo
