#pragma once
#include "build/ui/build_host.h"

namespace quillo {

class MainWindow;

// The build's view of the main window: its current document and editor,
// output panel, status bar and message boxes.
class WindowBuildHost : public BuildHost {
public:
    explicit WindowBuildHost(MainWindow& window) : window_(window) {}

    Document& document() override;
    ScintillaMessages* editor() override;
    const Settings& settings() override;
    BinaryList& binaries() override;
    RegionMap& regionMap() override;
    MemoryImage& memoryImage() override;

    void clearOutput() override;
    void appendOutput(std::string_view lines) override;
    void showMessage(const UserMessage& message) override;
    bool saveSource(const std::string& path) override;
    void markSaved() override;
    void setStatusText(std::string_view text) override;
    void setBusy(bool busy) override;
    void setEmulatorRunning(bool running) override;
    void freeMemoryChanged(std::int32_t freeBytes) override;
    void showMemoryMap() override;

private:
    MainWindow& window_;
    bool busy_ = false;
};

}  // namespace quillo
