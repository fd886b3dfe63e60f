// Compile, run and stop from the main window with the fake compiler.
#include "app/settings.h"
#include "app/ui/main_window.h"
#include "pipeline/ui/build_pipeline.h"
#include "editor/ui/source_editor.h"
#include "app/ui/window_fixture.h"
#include <QTreeWidget>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace quillo;
using quillo::test::WindowFixture;
using quillo::test::named;

namespace {

using Sci = QsciScintillaBase;

const QString kFakeCompiler = QStringLiteral(QUILLO_TEST_DIR "/fake_zxbc.py");

}  // namespace

class MainWindowBuildTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;

    MainWindow& w() { return *f->window; }

    bool waitForBuild(int timeoutMs = 20000) {
        QSignalSpy done(&w().buildPipeline(), &BuildPipeline::finished);
        return done.wait(timeoutMs);
    }

private slots:
    void init() {
        f = std::make_unique<WindowFixture>(
            [](Settings& s) { s.set(Setting::CompilerZXB, kFakeCompiler.toStdString()); });
    }

    void cleanup() {
        qunsetenv("FAKE_ZXBC_MODE");
        f.reset();
    }

    void theVersionCheckRunsAtStartUp() {
        QTRY_VERIFY_WITH_TIMEOUT(named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText().contains("zxbc.py 1.17.2"), 10000);
    }

    void f9SavesCompilesAndWritesTheTape() {
        f->home.write("game/game.bas", "10 PRINT \"HELLO\"\n");
        QVERIFY(w().openSourceFile(f->home.file("game/game.bas")));
        w().currentEditor()->insertAtCaret("5 CLS\n");
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QSignalSpy done(&w().buildPipeline(), &BuildPipeline::finished);
        QTest::keyClick(w().currentEditor(), Qt::Key_F9);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.first().first().toInt(), 0);
        QCOMPARE(f->home.read("game/game.qlo"), QByteArray("5 CLS\n10 PRINT \"HELLO\"\n"));
        QVERIFY(QFile::exists(f->home.file("game/game.qlo.cfg")));
        QVERIFY(QFile::exists(f->home.file("game/output.tap")));
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("game"));
        QVERIFY(!w().action(Command::StopBuild)->isEnabled());
        QVERIFY(named<QLabel>(&w(), QStringLiteral("statusField%1").arg(1))->text().startsWith("FreeMem: "));
    }

    void errorsMarkTheLinesAndSayErrorsOccured() {
        f->home.write("game/bad.bas", "10 PRINT\n20 GOTO\n' fake-stderr: {file}:2: error: Syntax Error\n' fake-exit: 1\n");
        QVERIFY(w().openSourceFile(f->home.file("game/bad.bas")));
        f->answers.answerMessage(QMessageBox::Ok);
        w().runCommand(Command::Compile);
        QVERIFY(waitForBuild());
        QTRY_COMPARE(f->answers.titles(), QStringList({"Errors occured"}));
        QVERIFY(named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText().contains(":2: error: Syntax Error"));
        QCOMPARE(w().currentEditor()->send(Sci::SCI_MARKERGET, 1) & 2, 2);  // marker 1 on line 2
    }

    void aHangingCompilerCanBeStoppedWhileTheWindowKeepsWorking() {
        f->home.write("game/game.bas", "10 PRINT\n");
        QVERIFY(w().openSourceFile(f->home.file("game/game.bas")));
        qputenv("FAKE_ZXBC_MODE", "hang");
        QSignalSpy done(&w().buildPipeline(), &BuildPipeline::finished);
        w().runCommand(Command::Compile);
        QTRY_VERIFY_WITH_TIMEOUT(w().action(Command::StopBuild)->isEnabled(), 5000);
        QTest::qWait(200);  // the event loop turns while the compiler hangs
        QCOMPARE(done.count(), 0);
        w().currentEditor()->insertAtCaret("typed while compiling ");
        w().action(Command::StopBuild)->trigger();
        QVERIFY(done.wait(10000));
        QCOMPARE(done.first().first().toInt(), BuildPipeline::kStopped);
        QVERIFY(!w().action(Command::StopBuild)->isEnabled());
    }

    void switchingTabsMidBuildLeavesTheMarksOnTheBuiltSource() {
        f->home.write("game/bad.bas", "10 PRINT\n20 GOTO\n' fake-stderr: {file}:2: error: Syntax Error\n' fake-exit: 1\n");
        QVERIFY(w().openSourceFile(f->home.file("game/bad.bas")));
        SourceEditor* built = w().currentEditor();
        qputenv("FAKE_ZXBC_DELAY", "0.5");
        f->answers.answerMessage(QMessageBox::Ok);
        QSignalSpy done(&w().buildPipeline(), &BuildPipeline::finished);
        w().runCommand(Command::Compile);
        w().runCommand(Command::New);  // the user moves on while the compiler works
        w().currentEditor()->insertAtCaret("10 CLS\n20 CLS\n30 CLS\n");
        QVERIFY(done.wait(20000));
        qunsetenv("FAKE_ZXBC_DELAY");
        QCOMPARE(built->send(Sci::SCI_MARKERGET, 1) & 2, 2);
        QCOMPARE(w().currentEditor()->send(Sci::SCI_MARKERGET, 1) & 2, 0);
    }

    void megabytesOfCompilerOutputReachThePanelWithoutStalling() {
        f->home.write("game/game.bas", "10 PRINT\n");
        QVERIFY(w().openSourceFile(f->home.file("game/game.bas")));
        qputenv("FAKE_ZXBC_MODE", "flood");
        qputenv("FAKE_ZXBC_FLOOD_MB", "2");
        w().runCommand(Command::Compile);
        QVERIFY(waitForBuild(60000));
        qunsetenv("FAKE_ZXBC_FLOOD_MB");
        QVERIFY(named<QPlainTextEdit>(&w(), "outputPanel")->document()->characterCount() > 2'000'000);
    }

    void f11RunsTheEmulatorOnTheTapeWithTheWindowDisabledMeanwhile() {
        f->settings.set(Setting::Emulator, std::string(QUILLO_TEST_DIR "/fake_emulator.py"));
        f->home.write("game/game.bas", "10 PRINT\n");
        QVERIFY(w().openSourceFile(f->home.file("game/game.bas")));
        qputenv("FAKE_EMULATOR_RECORD", f->home.file("emulator.json").toUtf8());
        qputenv("FAKE_EMULATOR_SECONDS", "0.5");
        QSignalSpy ended(&w().buildPipeline(), &BuildPipeline::emulatorFinished);
        w().runCommand(Command::CompileAndRun);
        QTRY_VERIFY_WITH_TIMEOUT(!w().isEnabled(), 20000);
        QVERIFY(ended.wait(20000));
        qunsetenv("FAKE_EMULATOR_RECORD");
        qunsetenv("FAKE_EMULATOR_SECONDS");
        QVERIFY(w().isEnabled());
        QCOMPARE(ended.first().first().toBool(), true);
        QVERIFY(f->home.read("emulator.json").contains("output.tap"));
    }

    void buildingANeverSavedSourceAsksForItsNameFirst() {
        w().currentEditor()->insertAtCaret("10 CLS\n");
        f->answers.answerFile(QString());
        w().runCommand(Command::Compile);
        QCOMPARE(f->answers.titles(), QStringList({"Save current source code"}));
        QVERIFY(!w().buildPipeline().isBuilding());
    }

    void theMemoryMapOpensFromTheViewMenu() {
        f->answers.answerMessage(QMessageBox::Ok);  // none expected; a stray box is rejected
        w().runCommand(Command::MemoryMap);
        QVERIFY(f->answers.titles().contains("Memory Map"));
    }
};

QUILLO_TEST_MAIN(MainWindowBuildTest);
#include "main_window_build_test.moc"
