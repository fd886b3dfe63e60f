// The exit sequence: window state, modified sources, settings file.
#include "app/program_folder.h"

#include "common/ui/qt_text.h"
#include "app/settings.h"
#include "app/ui/main_window.h"
#include "pipeline/ui/build_pipeline.h"
#include "common/file_io.h"
#include "editor/ui/source_editor.h"

#include <QSplitter>

#include <cstdio>

namespace quillo {

void MainWindow::storeWindowState() {
    if (SourceEditor* ed = currentEditor())
        settings_.set(Setting::Zoom, static_cast<std::int32_t>(ed->send(QsciScintillaBase::SCI_GETZOOM)));
    settings_.set(Setting::SidebarExplorer, sidebarSplitter_->sizes().value(0));
    settings_.set(Setting::OutputSplitter, outputSplitter_->sizes().value(0));
    // A maximised window keeps the size it had before, so un-maximising the
    // next time gives back a normal window.
    const QSize inner = isMaximized() ? normalGeometry().size() : size();
    settings_.set(Setting::Quillo_WinWidth, inner.width());
    settings_.set(Setting::Quillo_WinHeight, inner.height());
    settings_.set(Setting::IDEMaximized, isMaximized() ? 1 : 0);
}

bool MainWindow::writeSettingsFile() {
    const std::string path = settingsFilePath(fromQ(programFolder_));
    if (!workspace_.mayWrite(path)) return true;
    const Status written = writeFileAtomic(path, settings_.write());
    if (written) return true;
    const std::string& error = written.error().detail;
    // Nothing else would tell the user that this run's settings are lost.
    std::fprintf(stderr, "Quillo: the settings could not be saved to %s: %s\n", path.c_str(), error.c_str());
    return false;
}

bool MainWindow::runExitSequence() {
    if (exitDone_) return true;
    exitDone_ = true;
    pipeline_->stop();
    storeWindowState();
    saveModifiedSources();
    return writeSettingsFile();
}

}  // namespace quillo
