// The main window with the editor, project options and binary list wired in:
// what its menus and shortcuts reach, and what travels with a saved source.
#include "app/settings.h"
#include "app/ui/main_window.h"
#include "pipeline/binary_list.h"
#include "pipeline/bmi_file.h"
#include "pipeline/ui/binary_manager_window.h"
#include "editor/ui/source_editor.h"
#include "app/ui/window_fixture.h"
#include <QLabel>
#include <QPlainTextEdit>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace quillo;
using quillo::test::WindowFixture;
using quillo::test::named;

namespace {

using Sci = QsciScintillaBase;

QByteArray text(SourceEditor* ed) { return QByteArray::fromStdString(ed->textBytes()); }

BinaryRecord record(const std::string& file, int start, int size) {
    BinaryRecord r;
    r.file = file;
    r.start = start;
    r.size = size;
    r.description = "tiles";
    r.flags = 8;
    return r;
}

}  // namespace

class MainWindowProjectTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;

    MainWindow& w() { return *f->window; }
    SourceEditor* ed() { return w().currentEditor(); }

    void typeInEditor(const char* keys) {
        ed()->setFocus();
        QTest::keyClicks(ed(), keys);
    }

private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }

    void cleanup() { f.reset(); }

    void f1OpensTheKeywordPageOrSaysSorry() {
        ed()->setTextBytes("BXOR\n");
        ed()->setCaretPosition(2);
        QTest::keyClick(ed(), Qt::Key_F1);
        QCOMPARE(f->answers.titles(), QStringList({"Help"}));
        ed()->setTextBytes("goldfish\n");
        ed()->setCaretPosition(2);
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        f->answers.answerMessage(QMessageBox::Ok);
        QTest::keyClick(ed(), Qt::Key_F1);
        QCOMPARE(f->answers.titles(), QStringList({"Help", "Sorry"}));
        QCOMPARE(f->answers.seen().back().text, QString("This command is external or help is not written yet"));
    }

    void menuItemsReachTheEditorCommands() {
        ed()->setTextBytes("SUB a()\n  CLS\nEND SUB\nSUB b()\nEND SUB\n");
        w().action(Command::ForceRefresh)->trigger();
        QCOMPARE(named<QTreeWidget>(&w(), "explorerList")->topLevelItemCount(), 2);
        w().action(Command::FoldAll)->trigger();
        QCOMPARE(ed()->send(Sci::SCI_GETFOLDEXPANDED, 0), 0);
        QCOMPARE(ed()->send(Sci::SCI_GETLINEVISIBLE, 1), 0);
        w().action(Command::UnfoldAll)->trigger();
        QCOMPARE(ed()->send(Sci::SCI_GETLINEVISIBLE, 1), 1);
        w().action(Command::SystemVariables)->trigger();
        QCOMPARE(f->answers.titles(), QStringList({"Help"}));
    }

    void theBookmarkPopupActsOnTheClickedLine() {
        ed()->setTextBytes("10 CLS\n20 CLS\n30 CLS\n");
        ed()->setBookmarkLine(2);
        w().runCommand(Command::BookmarkAdd);
        QCOMPARE(ed()->send(Sci::SCI_MARKERGET, 2) & 1, 1);
        ed()->setBookmarkLine(0);
        f->answers.answerMessage(QMessageBox::Ok);
        w().runCommand(Command::BookmarkPrevious);
        QCOMPARE(f->answers.titles(), QStringList({"404"}));
        w().runCommand(Command::BookmarkNext);
        QCOMPARE(ed()->send(Sci::SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(ed()->caretPosition())), 2);
    }

    void ctrlBAndAltBCommentAndUncommentTheSelectedLines() {
        ed()->setTextBytes("CLS\nBEEP 1,2\nSTOP\n");
        ed()->send(Sci::SCI_SETSEL, 0, 8);
        QTest::keyClick(ed(), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(text(ed()), QByteArray("' CLS\n' BEEP 1,2\nSTOP\n"));
        QTest::keyClick(ed(), Qt::Key_B, Qt::AltModifier);
        QCOMPARE(text(ed()), QByteArray("CLS\nBEEP 1,2\nSTOP\n"));
    }

    void shiftF3JumpsToTheRoutineAndTheBookPageListsThem() {
        ed()->setTextBytes("Sub Init()\r\nEnd Sub\r\nFunction Max(a as ubyte) as ubyte\r\nEnd Function\r\nmax(1)\r\n");
        ed()->setCaretPosition(static_cast<int>(ed()->textLength() - 7));  // on "max"
        QTest::keyClick(ed(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(ed()->send(Sci::SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(ed()->caretPosition())), 2);
        named<QTabWidget>(&w(), "sidePanel")->setCurrentIndex(2);
        QCOMPARE(named<QTreeWidget>(&w(), "explorerList")->topLevelItemCount(), 2);
        QCOMPARE(named<QTreeWidget>(&w(), "explorerList")->topLevelItem(0)->text(0), QString("Init"));
        QCOMPARE(named<QTreeWidget>(&w(), "explorerList")->topLevelItem(1)->text(0), QString("Max"));
    }

    void savingWritesTheProjectFileAndBinaryListBesideTheSource() {
        f->home.write("src/game.bas", "10 CLS\n20 BEEP 1,2\n30 STOP\n");
        QVERIFY(w().openSourceFile(f->home.file("src/game.bas")));
        auto* start = w().findChild<QLineEdit*>("PrgStart");
        QCOMPARE(start->text(), QString("24576"));  // read default without a project file
        QCOMPARE(w().findChild<QLineEdit*>("Heapsize")->text(), QString("1000"));
        start->clear();
        QTest::keyClicks(start, "32768");
        w().findChild<QComboBox*>("UsedEmulator")->setCurrentIndex(3);
        w().state().binaries().push_back(record("/data/tiles.bin", 40000, 512));
        ed()->send(Sci::SCI_MARKERADD, 1, 0);
        w().runCommand(Command::Save);

        // The default output file "output" is relative: its list lies beside the source.
        QVERIFY(QFile::exists(f->home.file("src/output.bmi")));
        QVERIFY(!QFile::exists(QDir::currentPath() + "/output.bmi"));
        const QByteArray cfg = f->home.read("src/game.qlo.cfg");
        QVERIFY(cfg.startsWith("; Please do not change"));
        QVERIFY(cfg.contains("\r\nPrgStart = 32768\r\n"));
        QVERIFY(cfg.contains("\r\nUsedEmulator = 3\r\n"));
        QVERIFY(cfg.contains("\r\nBookmarks = 00000001\r\n"));
        BinaryList saved;
        QVERIFY(loadBinaryList(f->home.file("src/game.qlo.bmi").toStdString(), saved).ok());
        QCOMPARE(saved.size(), std::size_t(1));
        QCOMPARE(saved[0].start, 40000);

        // Opened again in a second tab, the source brings its options back.
        w().runCommand(Command::New);
        QVERIFY(w().openSourceFile(f->home.file("src/game.qlo")));
        QCOMPARE(w().currentDocument().prgStart, 32768);
        QCOMPARE(w().findChild<QLineEdit*>("PrgStart")->text(), QString("32768"));
        QCOMPARE(ed()->send(Sci::SCI_MARKERGET, 1) & 1, 1);
        QCOMPARE(w().state().binaries().size(), std::size_t(1));
    }

    void newDocumentsKeepTheirOwnBinaryListsUntilTheirFirstSave() {
        w().state().binaries().push_back(record("/data/a.bin", 30000, 10));
        w().runCommand(Command::New);
        QVERIFY2(w().state().binaries().empty(), "the new document has no list of its own yet");
        w().state().binaries().push_back(record("/data/b.bin", 50000, 20));
        named<QTabWidget>(&w(), "sourceTabs")->setCurrentIndex(0);
        QCOMPARE(w().state().binaries().size(), std::size_t(1));
        QCOMPARE(w().state().binaries()[0].file, std::string("/data/a.bin"));
        QVERIFY2(QDir(f->home.path()).entryList({"*.bmi"}).isEmpty(), "nothing written for sources never saved");
        named<QTabWidget>(&w(), "sourceTabs")->setCurrentIndex(1);
        QCOMPARE(w().state().binaries().at(0).file, std::string("/data/b.bin"));

        f->answers.answerFile(f->home.file("second.bas"));
        w().runCommand(Command::SaveAs);
        BinaryList second;
        QVERIFY(loadBinaryList(f->home.file("second.bas.qlo.bmi").toStdString(), second).ok());
        QCOMPARE(second.size(), std::size_t(1));
        QCOMPARE(second.at(0).file, std::string("/data/b.bin"));
        named<QTabWidget>(&w(), "sourceTabs")->setCurrentIndex(0);
        QCOMPARE(w().state().binaries().at(0).file, std::string("/data/a.bin"));
    }

    void aDamagedBinaryListIsReportedAndNeverOverwritten() {
        f->home.write("src/game.bas", "10 CLS\n");
        const QByteArray damaged("\x05\x00\x00\x00\x40\x9c", 6);  // five records promised, none there
        f->home.write("src/game.bas.bmi", damaged);
        w().state().binaries().push_back(record("/data/earlier.bin", 40000, 10));
        f->answers.answerMessage(QMessageBox::Ok);
        QVERIFY(w().openSourceFile(f->home.file("src/game.bas")));
        QCOMPARE(f->answers.titles(), QStringList({"Error"}));
        QVERIFY(f->answers.seen().back().text.contains("game.bas.bmi"));
        QVERIFY2(w().state().binaries().empty(), "the previous source's list must not pass for this one's");
        f->answers.answerFile(f->home.file("src/game.bas"));
        f->answers.answerMessage(QMessageBox::Yes);
        w().runCommand(Command::SaveAs);  // writes game.bas.qlo and its own .bmi
        QCOMPARE(f->home.read("src/game.bas.bmi"), damaged);
    }

    void aProjectFileThatCannotBeReadIsNeitherBuiltWithNorOverwritten() {
        f->home.write("src/game.qlo", "10 CLS\n");
        const QByteArray huge = "[Configuration]\r\nOutputType = 2\r\n" + QByteArray(2 << 20, ';');
        f->home.write("src/game.qlo.cfg", huge);
        f->answers.answerMessage(QMessageBox::Ok);
        QVERIFY(w().openSourceFile(f->home.file("src/game.qlo")));
        QCOMPARE(f->answers.titles(), QStringList({"Error"}));
        QVERIFY(f->answers.seen().back().text.contains("game.qlo.cfg: is "));
        w().runCommand(Command::Save);
        QCOMPARE(f->home.read("src/game.qlo.cfg"), huge);
        f->answers.answerMessage(QMessageBox::Ok);
        w().runCommand(Command::Compile);
        QCOMPARE(f->answers.titles().size(), 2);
        QVERIFY(f->answers.seen().back().text.contains("Nothing is built"));
        QCOMPARE(f->home.read("src/game.qlo.cfg"), huge);
    }

    void theBinaryManagerOpensFromTheToolsMenu() {
        w().state().binaries().push_back(record("/data/tiles.bin", 40000, 512));
        w().runCommand(Command::BinaryManager);
        BinaryManagerWindow* manager = w().binaryManager();
        QVERIFY(manager && manager->isVisible());
        QCOMPARE(manager->windowTitle(), QString("Quillo Binary Manager"));
        auto* list = manager->findChild<QTreeWidget*>("binaryList");
        if (list) QCOMPARE(list->topLevelItemCount(), 1);
    }
};

QUILLO_TEST_MAIN(MainWindowProjectTest);
#include "main_window_project_test.moc"
