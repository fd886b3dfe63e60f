#include "pipeline/ui/headless_build.h"

#include "app/settings.h"
#include "common/file_io.h"
#include "ui_test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace quillo;

namespace {

struct Run {
    int status = 0;
    std::string out;
    std::string err;
};

Run build(const Settings& settings, const std::string& source) {
    std::ostringstream out;
    std::ostringstream err;
    Run r;
    r.status = runHeadlessBuild(settings, source, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

Settings fakeSettings() {
    Settings s(QDir::homePath().toStdString() + "/");
    s.set(Setting::CompilerZXB, std::string(QUILLO_TEST_DIR "/fake_zxbc.py"));
    return s;
}

}  // namespace

// Runs under a QCoreApplication: the command-line build must need no display.
class HeadlessBuildTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(!qobject_cast<QGuiApplication*>(QCoreApplication::instance()));
        qunsetenv("FAKE_ZXBC_EXIT");
    }
    void cleanup() { qunsetenv("FAKE_ZXBC_RECORD"); }

    void buildsAndSavesTheSourceAsTheWindowDoes() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/my games/";
        QDir().mkpath(QString::fromStdString(folder));
        const std::string source = folder + "game.bas";
        const std::string text = "10 PRINT 1\n' fake-stderr: {file}:1: warning: careful\n";
        writeFileAtomic(source, text);
        qputenv("FAKE_ZXBC_RECORD", (dir.path() + "/record.json").toUtf8());

        const Run r = build(fakeSettings(), source);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.find("-> Compilation starts(3 Lines) ") != std::string::npos, r.out.c_str());
        QVERIFY(r.out.find("-> Done: Compilation successfull") != std::string::npos);
        QVERIFY(r.out.find(folder + "temp.qlo:1: warning: careful") != std::string::npos);
        QVERIFY2(r.out.find('\x1A') == std::string::npos, "no marker bytes on the terminal");
        QVERIFY(r.err.empty());
        // No project file: the output "output" lies in the source folder.
        QVERIFY(fileSize(folder + "output.tap") > 0);
        QCOMPARE(readFile(folder + "temp.qlo")->size(), text.size());
        QCOMPARE(readFile(source)->size(), text.size());  // the opened file itself is left alone
        QCOMPARE(readFile(folder + "game.qlo")->size(), text.size());
        QVERIFY(fileExists(folder + "game.qlo.cfg"));
        QVERIFY(fileExists(folder + "game.qlo.bmi"));
    }

    void projectFileChoosesTheTape() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/";
        writeFileAtomic(folder + "game.qlo", "10 PRINT 1\n");
        writeFileAtomic(folder + "game.qlo.cfg", "[Filenames]\r\nOutputFile = " + folder +
                                                     "out/prog\r\n[Configuration]\r\nOutputType = 2\r\n");
        QDir().mkpath(QString::fromStdString(folder + "out"));
        const Run r = build(fakeSettings(), folder + "game.qlo");
        QCOMPARE(r.status, 0);
        const Result<Bytes> tape = readFile(folder + "out/prog.tzx");
        QVERIFY(tape.ok() && tape->size() >= 7);
        QCOMPARE(std::string(tape->begin(), tape->begin() + 7), std::string("ZXTape!"));
    }

    void failuresGiveTheirExitStatus() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/";
        writeFileAtomic(folder + "bad.bas", "10 PRINT\n' fake-stderr: {file}:1: error: broken\n' fake-exit: 1\n");
        Run r = build(fakeSettings(), folder + "bad.bas");
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.find("Errors occured: Compilation failed...") != std::string::npos, r.err.c_str());
        QVERIFY(r.out.find(folder + "temp.qlo:1: error: broken") != std::string::npos);

        writeFileAtomic(folder + "usage.bas", "10 PRINT\n' fake-exit: 2\n");
        QCOMPARE(build(fakeSettings(), folder + "usage.bas").status, 2);

        r = build(fakeSettings(), folder + "missing.bas");
        QCOMPARE(r.status, kHeadlessNoSource);
        QVERIFY(r.err.find("missing.bas") != std::string::npos);

        // Options that cannot be read are never replaced by guesses.
        writeFileAtomic(folder + "opts.qlo", "10 PRINT 1\n");
        const std::string cfg = "[Configuration]\r\nOutputType = 2\r\n" + std::string(2 << 20, ';');
        writeFileAtomic(folder + "opts.qlo.cfg", cfg);
        qputenv("FAKE_ZXBC_RECORD", (dir.path() + "/record.json").toUtf8());
        r = build(fakeSettings(), folder + "opts.qlo");
        QCOMPARE(r.status, kHeadlessNoSource);
        QVERIFY2(r.err.find("cannot read the project file " + folder + "opts.qlo.cfg: is ") != std::string::npos,
                 r.err.c_str());
        QVERIFY2(!fileExists(dir.path().toStdString() + "/record.json"), "the compiler never ran");
        QCOMPARE(readFile(folder + "opts.qlo.cfg", 4 << 20)->size(), cfg.size());

        Settings none = fakeSettings();
        none.set(Setting::CompilerZXB, std::string("/nowhere/zxbc"));
        writeFileAtomic(folder + "good.bas", "10 PRINT 1\n");
        r = build(none, folder + "good.bas");
        QCOMPARE(r.status, kHeadlessNoCompiler);
        QVERIFY(r.err.find("Error occured: Compiler Not started") != std::string::npos);
    }
};

QUILLO_TEST_GUILESS_MAIN(HeadlessBuildTest);
#include "headless_build_test.moc"
