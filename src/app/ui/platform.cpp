#include "app/ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace quillo::platform {

namespace {

QString withSlash(QString path) {
    if (!path.endsWith('/')) path += '/';
    return path;
}

}  // namespace

QString programFolder() {
    const QString home = qEnvironmentVariable("QUILLO_HOME");
    if (!home.isEmpty()) return withSlash(QDir(home).absolutePath());
    return withSlash(QCoreApplication::applicationDirPath());
}

void prepareProcess() { std::signal(SIGXFSZ, SIG_IGN); }

QString homeFolder() { return withSlash(QDir::homePath()); }

ProgramFolders programFolders() {
    const QString exe = QCoreApplication::applicationDirPath();
    return chooseProgramFolders(qEnvironmentVariable("QUILLO_HOME").toStdString(), exe.toStdString(),
                                ::access(QFile::encodeName(exe).constData(), W_OK) == 0,
                                qEnvironmentVariable("XDG_CONFIG_HOME").toStdString(), homeFolder().toStdString());
}

QString findCalculator() {
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) return path;
    }
    return {};
}

bool openWithDesktop(const QString& target) { return QProcess::startDetached(QStringLiteral("xdg-open"), {target}); }

int processorCount() { return QThread::idealThreadCount(); }

qint64 freeMemoryBytes() {
    const long pages = ::sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? static_cast<qint64>(pages) * pageSize : 0;
}

}  // namespace quillo::platform
