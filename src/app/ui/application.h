#pragma once
#include "app/program_folder.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace quillo {

class AppState;
class MainWindow;
class Settings;

// Start-up: folders, settings, main window. Owns the settings and the
// application state for the run.
class Application {
public:
    Application();
    ~Application();

    // Runs the start-up sequence up to the shown main window and opens the
    // given sources in tabs.
    void start(const QStringList& files);

    MainWindow* mainWindow() const { return window_.get(); }
    Settings& settings() { return *settings_; }
    const QString& programFolder() const { return programFolder_; }

private:
    ProgramFolders folders_;
    QString programFolder_;  // the user's folder: settings, fonts, snippets
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<AppState> state_;
    std::unique_ptr<MainWindow> window_;
};

// The program's entry: QApplication, start-up, main loop; returns the exit code.
int runApplication(int argc, char* argv[]);

}  // namespace quillo
