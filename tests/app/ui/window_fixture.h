#pragma once
// The real main window over a fresh program folder, with its dialogs answered.
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
        window = std::make_unique<MainWindow>(settings, home.path());
        window->show();
    }

    TempHome home;
    Settings settings;
    std::unique_ptr<MainWindow> window;
    ModalAnswerer answers;
};

}  // namespace quillo::test
