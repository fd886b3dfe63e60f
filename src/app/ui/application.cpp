#include "app/ui/application.h"

#include "app/program_folder.h"
#include "app/settings.h"
#include "app/ui/dialogs.h"
#include "app/ui/main_window.h"
#include "app/ui/platform.h"
#include "common/file_io.h"

#include <QApplication>

#include <string_view>

namespace quillo {

namespace {

// A settings file is a few kilobytes; anything huge is not ours.
constexpr std::uintmax_t kMaxSettingsFileSize = 1 << 20;

}  // namespace

Application::Application()
    : programFolder_(platform::programFolder()),
      settings_(std::make_unique<Settings>(platform::homeFolder().toStdString())) {}

Application::~Application() = default;

void Application::start(const QStringList& files) {
    const std::string folder = programFolder_.toStdString();
    if (ensureProgramFolders(folder).helpMissing)
        showMessage(nullptr, QString::fromLatin1(kMissingHelpTitle), QString::fromLatin1(kMissingHelpText),
                    QMessageBox::Critical);

    const ReadResult file = readFile(settingsFilePath(folder), kMaxSettingsFileSize);
    const std::string_view bytes(reinterpret_cast<const char*>(file.data.data()), file.ok() ? file.data.size() : 0);
    settings_->read(bytes);

    window_ = std::make_unique<MainWindow>(*settings_, programFolder_);
    if (settings_->flag(Setting::IDEMaximized))
        window_->showMaximized();
    else
        window_->show();
    for (const QString& path : files) window_->openSourceFile(path);
}

int runApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillo.png")));
    QStringList files = QApplication::arguments();
    files.removeFirst();
    Application quillo;
    quillo.start(files);
    return QApplication::exec();
}

}  // namespace quillo
