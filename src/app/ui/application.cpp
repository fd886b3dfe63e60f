#include "app/ui/application.h"

#include "common/ui/qt_text.h"

#include "app/app_state.h"

#include "app/program_folder.h"
#include "app/settings.h"
#include "common/ui/message_box.h"
#include "app/ui/main_window.h"
#include "app/ui/platform.h"
#include "pipeline/ui/headless_build.h"
#include "pipeline/zx0_command_line.h"
#include "common/file_io.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace quillo {

namespace {

// A settings file is a few kilobytes; anything huge is not ours.
constexpr std::uintmax_t kMaxSettingsFileSize = 1 << 20;

// The settings file of the program folder over the built-in defaults; a
// missing file leaves the defaults. One that exists but cannot be read is
// reported and, being the user's, must not be written over at exit: the
// error is returned for that.
Status readSettingsFile(Settings& settings, const std::string& programFolder) {
    const std::string path = settingsFilePath(programFolder);
    const Result<Bytes> file = readFile(path, kMaxSettingsFileSize);
    std::vector<std::string> problems =
        settings.read(file ? std::string_view(reinterpret_cast<const char*>(file->data()), file->size())
                           : std::string_view());
    for (const std::string& problem : problems) std::fprintf(stderr, "Quillo: %s: %s\n", path.c_str(), problem.c_str());
    if (file || file.error().code == ErrorCode::NotFound) return {};
    std::fprintf(stderr, "Quillo: the settings cannot be read: %s; the built-in ones are used and the file is "
                         "left as it is\n", file.error().message().c_str());
    return file.error();
}

// Start-up measurement (bench/startup.sh): QUILLO_STARTUP_PROBE holds the
// launch time in nanoseconds since the epoch; when the main window is first
// exposed the time since then and the resident memory are printed and the
// process ends at once.
class StartupProbe : public QObject {
public:
    explicit StartupProbe(long long launchNs) : launchNs_(launchNs) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Expose) return false;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const double ms = static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() - launchNs_) / 1e6;
        std::ifstream status("/proc/self/status");
        std::string line, rss;
        while (std::getline(status, line))
            if (line.rfind("VmRSS:", 0) == 0) rss = line.substr(6);
        std::fprintf(stdout, "mapped_ms %.1f rss_kib %ld\n", ms, std::strtol(rss.c_str(), nullptr, 10));
        std::fflush(stdout);
        std::_Exit(0);
    }

private:
    long long launchNs_;
};

}  // namespace

Application::Application()
    : folders_(platform::programFolders()),
      programFolder_(toQ(folders_.data)),
      settings_(std::make_unique<Settings>(fromQ(platform::homeFolder()))) {}

Application::~Application() = default;

void Application::start(const QStringList& files) {
    const std::string folder = folders_.data;
    if (ensureProgramFolders(folder, folders_.program).helpMissing)
        showMessage(nullptr, QString::fromLatin1(kMissingHelpTitle), QString::fromLatin1(kMissingHelpText),
                    QMessageBox::Critical);

    const Status settingsRead = readSettingsFile(*settings_, folder);

    state_ = std::make_unique<AppState>(*settings_, folder, folders_.program);
    if (!settingsRead) {
        state_->workspace().fileDamaged(settingsRead.error().path);
        showMessage(nullptr, QStringLiteral("Error"),
                    QStringLiteral("The settings cannot be read:\n%1\nThe built-in settings are used, and the file "
                                   "is left as it is.")
                        .arg(toQ(settingsRead.error().message())),
                    QMessageBox::Warning);
    }
    window_ = std::make_unique<MainWindow>(*state_);
    if (const QByteArray probe = qgetenv("QUILLO_STARTUP_PROBE"); !probe.isEmpty()) {
        window_->winId();  // makes the native window whose expose ends the probe
        window_->windowHandle()->installEventFilter(new StartupProbe(probe.toLongLong()));
    }
    if (settings_->flag(Setting::IDEMaximized))
        window_->showMaximized();
    else
        window_->show();
    for (const QString& path : files) window_->openSourceFile(path);
}

namespace {

// "quillo --build SOURCE": the build without a window, for scripts. Only Qt
// Core is used, so it runs on a machine without a display.
int runCommandLineBuild(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quillo"));
    QStringList args = QCoreApplication::arguments();
    HeadlessOptions options;
    if (args.size() == 5 && args[2] == QStringLiteral("--timeout")) {
        bool number = false;
        options.timeoutSeconds = args[3].toInt(&number);
        if (!number || options.timeoutSeconds <= 0) args.clear();
        else args.remove(2, 2);
    }
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: quillo --build [--timeout SECONDS] SOURCE\n");
        return 2;
    }
    setDialogsToStandardError(true);
    const std::string folder = platform::programFolders().data;
    Settings settings(fromQ(platform::homeFolder()));
    readSettingsFile(settings, folder);
    return runHeadlessBuild(settings, fromQ(args[2]), std::cout, std::cerr, options);
}

}  // namespace

int runApplication(int argc, char* argv[]) {
    platform::prepareProcess();
    if (argc >= 2 && std::string_view(argv[1]) == "--build") return runCommandLineBuild(argc, argv);
    if (const std::vector<std::string> args(argv + 1, argv + argc); isZx0CommandLine(args))
        return runZx0CommandLine(args, std::cout, std::cerr);
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
