#pragma once
#include "app/document.h"
#include "pipeline/build_host.h"

#include <QPointer>

namespace quillo {

class MainWindow;
class SourceEditor;

// The build's view of the main window: its current document and editor,
// output panel, status bar and message boxes.
class WindowBuildHost : public BuildHost {
public:
    explicit WindowBuildHost(MainWindow& window) : window_(window) {}

    // The build works on this editor's document to the end, even when the
    // user switches tabs (or closes this one) while the compiler runs.
    void setTarget(SourceEditor* editor) { target_ = editor; }

    Document& document() override;
    ScintillaMessages* editor() override;
    const Settings& settings() override;
    BinaryList& binaries() override;
    RegionMap& regionMap() override;
    MemoryImage& memoryImage() override;

    void clearOutput() override;
    void appendOutput(std::string_view lines) override;
    void showMessage(const UserMessage& message) override;
    Status saveSource(const std::string& path) override;
    Status projectOptions() override;
    void markSaved() override;
    void setStatusText(std::string_view text) override;
    void setBusy(bool busy) override;
    void setEmulatorRunning(bool running) override;
    void freeMemoryChanged(std::int32_t freeBytes) override;
    void showMemoryMap() override;

    bool isBusy() const { return busy_; }

private:
    MainWindow& window_;
    QPointer<SourceEditor> target_;
    Document closed_;  // stands in for the document of a tab closed mid-build
    bool busy_ = false;
};

}  // namespace quillo
