#include "app/ui/window_build_host.h"

#include "app/app_state.h"
#include "app/ui/main_window.h"
#include "common/ui/qt_text.h"
#include "pipeline/ui/build_messages.h"
#include "pipeline/ui/memory_map_window.h"
#include "editor/ui/source_editor.h"

#include <QApplication>

namespace quillo {

Document& WindowBuildHost::document() {
    if (!target_) return window_.currentDocument();
    const int index = window_.indexOfEditor(target_);
    return index >= 0 ? window_.document(index) : closed_;
}

ScintillaMessages* WindowBuildHost::editor() { return target_ ? target_.data() : nullptr; }

const Settings& WindowBuildHost::settings() { return window_.settings(); }

BinaryList& WindowBuildHost::binaries() { return window_.state().binaries(); }

RegionMap& WindowBuildHost::regionMap() { return window_.state().regionMap(); }

MemoryImage& WindowBuildHost::memoryImage() { return window_.state().memoryImage(); }

void WindowBuildHost::clearOutput() { window_.clearOutput(); }

void WindowBuildHost::appendOutput(std::string_view lines) {
    if (lines.empty()) return;
    window_.appendOutput(toQ(lines));
}

void WindowBuildHost::showMessage(const UserMessage& message) { showUserMessage(&window_, message); }

Status WindowBuildHost::saveSource(const std::string& path) { return window_.saveSourceFiles(path); }

Status WindowBuildHost::projectOptions() {
    return window_.projectOptionsOf(target_ ? target_.data() : window_.currentEditor());
}

void WindowBuildHost::markSaved() { window_.refreshAllTabMarkers(); }

void WindowBuildHost::setStatusText(std::string_view text) {
    window_.setStatusText(StatusField::HelpLine, toQ(text));
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
    window_.refreshCommandStates();
}

void WindowBuildHost::setEmulatorRunning(bool running) {
    window_.setEnabled(!running);
    // Disabling the window dropped the keyboard focus: give it back to the source.
    if (!running)
        if (SourceEditor* editor = window_.currentEditor()) editor->setFocus();
}

void WindowBuildHost::freeMemoryChanged(std::int32_t) { window_.refreshFreeMemory(); }

void WindowBuildHost::showMemoryMap() { quillo::showMemoryMap(&window_, window_.state().regionMap()); }

}  // namespace quillo
