#pragma once
// The real main window over a fresh program folder, with its dialogs answered.
#include "app/app_state.h"
#include "app/settings.h"
#include "app/ui/main_window.h"
#include "ui_test_support.h"

#include <QDir>

#include <functional>
#include <memory>

namespace quillo::test {

struct WindowFixture {
    explicit WindowFixture(const std::function<void(Settings&)>& configure = {})
        : settings(home.path().toStdString()) {
        QDir(home.path()).mkpath("Quillo_Files");
        settings.read("");
        if (configure) configure(settings);
        state = std::make_unique<AppState>(settings, home.path().toStdString());
        window = std::make_unique<MainWindow>(*state);
        window->show();
    }

    TempHome home;
    Settings settings;
    std::unique_ptr<AppState> state;
    std::unique_ptr<MainWindow> window;
    ModalAnswerer answers;
};

// A widget of the window found by its object name; the test fails without it.
template <class T>
T* named(QWidget* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found) qFatal("no widget named %s", qPrintable(name));
    return found;
}

}  // namespace quillo::test
