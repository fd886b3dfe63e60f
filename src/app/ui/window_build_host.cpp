#include "app/ui/window_build_host.h"

#include "app/ui/main_window.h"
#include "pipeline/ui/build_messages.h"
#include "pipeline/ui/memory_map_window.h"
#include "editor/ui/source_editor.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace quillo {

Document& WindowBuildHost::document() {
    if (!target_) return window_.currentDocument();
    const int index = window_.sourceTabs()->indexOf(target_);
    return index >= 0 ? window_.document(index) : closed_;
}

ScintillaMessages* WindowBuildHost::editor() { return target_ ? target_.data() : nullptr; }

const Settings& WindowBuildHost::settings() { return window_.settings(); }

BinaryList& WindowBuildHost::binaries() { return window_.binaryList(); }

RegionMap& WindowBuildHost::regionMap() { return window_.regionMap(); }

MemoryImage& WindowBuildHost::memoryImage() { return window_.memoryImage(); }

void WindowBuildHost::clearOutput() { window_.outputPanel()->clear(); }

void WindowBuildHost::appendOutput(std::string_view lines) {
    if (lines.empty()) return;
    window_.appendOutput(QString::fromUtf8(lines.data(), static_cast<qsizetype>(lines.size())));
}

void WindowBuildHost::showMessage(const UserMessage& message) { showUserMessage(&window_, message); }

bool WindowBuildHost::saveSource(const std::string& path) {
    return window_.saveSourceFiles(QString::fromStdString(path));
}

void WindowBuildHost::markSaved() { window_.refreshAllTabMarkers(); }

void WindowBuildHost::setStatusText(std::string_view text) {
    window_.statusField(6)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void WindowBuildHost::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    // The busy cursor says "working" while the window stays usable, so the
    // build can be stopped.
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
    window_.action(Command::StopBuild)->setEnabled(busy);
}

void WindowBuildHost::setEmulatorRunning(bool running) { window_.setEnabled(!running); }

void WindowBuildHost::freeMemoryChanged(std::int32_t) { window_.refreshFreeMemory(); }

void WindowBuildHost::showMemoryMap() { quillo::showMemoryMap(&window_, window_.regionMap()); }

}  // namespace quillo
