// The real main window, driven headless: menus, toolbar, documents, exit.
#include "app/menu_table.h"
#include "app/settings.h"
#include "app/ui/main_window.h"
#include "app/ui/project_panel.h"
#include "editor/ui/source_editor.h"
#include "app/ui/window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <memory>

using namespace quillo;
using quillo::test::WindowFixture;
using quillo::test::named;

namespace {

using Sci = QsciScintillaBase;

QAction* findMenuAction(QWidget* menu, const QString& caption) {
    for (QAction* a : menu->actions()) {
        if (a->text().section(QLatin1Char('\t'), 0, 0) == caption) return a;
        if (a->menu())
            if (QAction* found = findMenuAction(a->menu(), caption)) return found;
    }
    return nullptr;
}

QByteArray text(SourceEditor* ed) { return QByteArray::fromStdString(ed->textBytes()); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;

    MainWindow& w() { return *f->window; }

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }

    void cleanup() { f.reset(); }

    void menusHoldEveryItemWithCaptionsShortcutsAndStates() {
        QStringList titles;
        for (QAction* a : w().menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, QStringList({"&Project", "&Edit", "&View", "&Tools", "&Compiler", "&Help"}));
        for (const MenuLine& line : menuBarLines()) {
            if (line.kind != MenuLine::Kind::Item) continue;
            QAction* a = findMenuAction(w().menuBar(), QString::fromUtf8(line.caption));
            QVERIFY2(a, line.caption);
        }
        QVERIFY(findMenuAction(w().menuBar(), "Tornado ASM file"));
        QVERIFY(findMenuAction(w().menuBar(), "Memory map")->isEnabled());
        QVERIFY(findMenuAction(w().menuBar(), "Printout")->isEnabled());
        QVERIFY2(!w().action(Command::StopBuild)->isEnabled(), "Stop waits for a build, leaving Esc to the editor");
        QCOMPARE(w().action(Command::StopBuild)->shortcut(), QKeySequence(Qt::Key_Escape));
        QVERIFY(findMenuAction(w().menuBar(), "Quit")->isEnabled());
        QCOMPARE(w().action(Command::Help)->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(w().action(Command::FindSub)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
        QCOMPARE(w().action(Command::AutoRem)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
        QCOMPARE(w().action(Command::AutoUnrem)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_B));
        QCOMPARE(w().action(Command::CompileAndRun)->shortcut(), QKeySequence(Qt::Key_F11));
        QCOMPARE(w().action(Command::ZoomIn)->shortcut(),
                 QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)));
        QCOMPARE(w().action(Command::AutoRem)->text(), QString("Auto-REM selected\tCtrl+b"));
        QCOMPARE(w().action(Command::Save)->shortcut(), QKeySequence(QKeySequence::Save));
        QVERIFY(w().action(Command::UsePrimaryCompiler)->isChecked());
        QVERIFY(!w().action(Command::UseSecondaryCompiler)->isChecked());
        w().action(Command::UseSecondaryCompiler)->trigger();
        QCOMPARE(f->settings.integer(Setting::Used_Compiler), 1);
        QVERIFY(!w().action(Command::UsePrimaryCompiler)->isChecked());
        QVERIFY(w().action(Command::UseSecondaryCompiler)->isChecked());
    }

    void toolbarStatusBarAndPanelsAreComplete() {
        auto* bar = w().findChild<QToolBar*>("toolbar");
        QVERIFY(bar);
        QStringList tips;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator()) continue;
            tips << a->toolTip();
            QVERIFY2(!a->icon().pixmap(24, 24).isNull(), qPrintable(a->toolTip()));
        }
        QCOMPARE(tips.size(), 19);
        QCOMPARE(tips.first(), QString("New"));
        QCOMPARE(tips.last(), QString("Graphics Editor"));
        QVERIFY(tips.contains("Force refresh highlightning"));
        QCOMPARE(w().findChild<QAction*>("tool_properties")->isEnabled(), false);

        const int widths[] = {160, 100, 30, 30, 60, 20};
        for (int i = 0; i < 6; ++i) QCOMPARE(named<QLabel>(&w(), QStringLiteral("statusField%1").arg(i))->width(), widths[i]);
        QCOMPARE(named<QLabel>(&w(), QStringLiteral("statusField%1").arg(1))->text(), QString("FreeMem: 41536"));

        QCOMPARE(named<QTabWidget>(&w(), "sidePanel")->count(), 3);
        QCOMPARE(named<QTabWidget>(&w(), "sidePanel")->tabText(0), QString("Project"));
        QCOMPARE(named<QTabWidget>(&w(), "sidePanel")->tabText(1), QString("Project 2"));
        QCOMPARE(named<QTabWidget>(&w(), "sidePanel")->tabText(2), QString("Book"));
        QCOMPARE(named<QTreeWidget>(&w(), "explorerList")->headerItem()->text(0), QString("Bookmark name"));
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("new"));
        QVERIFY(named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText().startsWith("Quillo version: 0.5 r0A Alpha"));
        QVERIFY(w().windowTitle().startsWith("Quillo v. 0.5 r0A Alpha."));
    }

    void tabAndShiftTabReachTheEditor() {
        SourceEditor* ed = w().currentEditor();
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        ed->setFocus();
        QTest::keyClick(ed, Qt::Key_Tab);
        QVERIFY(ed->hasFocus());
        QCOMPARE(text(ed).contains('\t') || text(ed).startsWith(' '), true);
        QTest::keyClick(ed, Qt::Key_Backtab);
        QVERIFY(ed->hasFocus());
    }

    void openingIntoAnEmptyTabReplacesItAndIntoTextAddsATab() {
        f->home.write("src/game.bas", "10 PRINT \"HI\"\r\n");
        f->home.write("src/other.bas", "20 GOTO 10\r\n");
        QVERIFY(w().openSourceFile(f->home.file("src/game.bas")));
        QCOMPARE(w().documentCount(), 1);
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("game"));
        QCOMPARE(text(w().currentEditor()), QByteArray("10 PRINT \"HI\"\r\n"));
        QCOMPARE(QString::fromStdString(w().currentDocument().folder), f->home.file("src/"));
        QCOMPARE(QString::fromStdString(f->settings.text(Setting::LastDir)), f->home.file("src/"));
        QVERIFY(!w().currentEditor()->isModified());

        QVERIFY(w().openSourceFile(f->home.file("src/other.bas")));
        QCOMPARE(w().documentCount(), 2);
        QCOMPARE(w().currentIndex(), 1);
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(1), QString("other"));
        QVERIFY(named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText().contains("-> Loading source"));
        QVERIFY(named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText().contains("-> Finished"));
    }

    void openThroughTheRequesterAndCancel() {
        f->home.write("src/game.bas", "10 CLS\n");
        f->answers.answerFile(QString());
        w().runCommand(Command::Open);
        QCOMPARE(f->answers.titles(), QStringList({"Load source code"}));
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("new"));
        f->answers.answerFile(f->home.file("src/game.bas"));
        w().runCommand(Command::Open);
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("game"));
    }

    void loadingKeepsZeroBytesAndStartsANewUndoHistory() {
        f->home.write("zero.bas", QByteArray("10 REM\0after\n", 13));
        w().currentEditor()->setTextBytes("");
        f->answers.answerMessage(QMessageBox::Yes);  // not a text file: asked first
        QVERIFY(w().openSourceFile(f->home.file("zero.bas")));
        QCOMPARE(f->answers.titles(), QStringList({"Question"}));
        QCOMPARE(w().currentEditor()->textLength(), 13);
        w().runCommand(Command::Undo);
        QCOMPARE(w().currentEditor()->textLength(), 13);  // never back to an empty text
        QVERIFY(!w().currentEditor()->isModified());
    }

    void oversizedAndMissingSourcesAreRefusedWithAMessage() {
        f->home.write("huge.bas", QByteArray(4'000'001, 'x'));
        f->answers.answerMessage(QMessageBox::Ok);
        QVERIFY(!w().openSourceFile(f->home.file("huge.bas")));
        QCOMPARE(f->answers.titles(), QStringList({"Error"}));
        QVERIFY(f->answers.seen().back().text.contains("4000001"));
        QCOMPARE(w().currentEditor()->textLength(), 0);
        QCOMPARE(w().documentCount(), 1);

        f->answers.answerMessage(QMessageBox::Ok);
        QVERIFY(!w().openSourceFile(f->home.file("nothing-here.bas")));
        QCOMPARE(w().documentCount(), 1);
    }

    void saveWritesExactlyTheTextUnderTheSuffixAndMovesTheMarker() {
        f->home.write("src/my.game.bas", "10 BEEP 1,2\n");
        QVERIFY(w().openSourceFile(f->home.file("src/my.game.bas")));
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("my.game"));
        w().currentEditor()->insertAtCaret("5 CLS\n");
        QApplication::processEvents();
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("*my.game"));

        w().runCommand(Command::Save);
        QCOMPARE(f->home.read("src/my.game.qlo"), QByteArray("5 CLS\n10 BEEP 1,2\n"));
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("my.game"));
        QVERIFY(named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText().contains("-> Source " + f->home.file("src/my.game") + " saved"));

        // Saving again must not grow the file.
        w().runCommand(Command::Save);
        QCOMPARE(f->home.read("src/my.game.qlo").size(), 18);
        QVERIFY(f->answers.seen().empty());
    }

    void saveOfANeverSavedDocumentAsksWhereToSave() {
        w().currentEditor()->insertAtCaret("10 CLS\n");
        f->answers.answerFile(QString());
        w().runCommand(Command::Save);
        QCOMPARE(f->answers.titles(), QStringList({"Save current source code"}));
        QVERIFY(w().currentEditor()->isModified());
        QVERIFY(!QFile::exists(QDir::currentPath() + "/new.qlo"));

        f->answers.answerFile(f->home.file("first.bas"));
        w().runCommand(Command::Save);
        QCOMPARE(f->home.read("first.bas.qlo"), QByteArray("10 CLS\n"));
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("first.bas"));
        // The next plain Save writes the same file again.
        w().currentEditor()->setCaretPosition(0);
        w().currentEditor()->insertAtCaret("5 ");
        w().runCommand(Command::Save);
        QCOMPARE(f->home.read("first.bas.qlo"), QByteArray("5 10 CLS\n"));
    }

    void saveAsAsksBeforeOverwritingAndNoKeepsEverything() {
        f->home.write("taken.qlo", "keep me");
        w().currentEditor()->insertAtCaret("10 CLS\n");
        f->answers.answerFile(f->home.file("taken.qlo"));
        f->answers.answerMessage(QMessageBox::No);
        w().runCommand(Command::SaveAs);
        QCOMPARE(f->answers.titles(), QStringList({"Save current source code", "Question"}));
        QCOMPARE(f->answers.seen().back().text, QString("File exists, overwrite?"));
        QCOMPARE(f->home.read("taken.qlo"), QByteArray("keep me"));
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("*new"));
        QVERIFY(!w().currentDocument().isSaved());

        f->answers.answerFile(f->home.file("taken.qlo"));
        f->answers.answerMessage(QMessageBox::Yes);
        w().runCommand(Command::SaveAs);
        QCOMPARE(f->home.read("taken.qlo"), QByteArray("10 CLS\n"));
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("taken"));
    }

    void aFailedWriteIsReportedAndTheDocumentStaysModified() {
        f->home.write("src/game.bas", "10 CLS\n");
        QVERIFY(w().openSourceFile(f->home.file("src/game.bas")));
        w().currentEditor()->insertAtCaret("1 ");
        QDir(f->home.file("src")).removeRecursively();  // the folder vanished under us
        f->answers.answerMessage(QMessageBox::Ok);
        w().runCommand(Command::Save);
        QCOMPARE(f->answers.titles(), QStringList({"Error"}));
        QVERIFY(w().currentEditor()->isModified());
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("*game"));
    }

    void moveLeftAndRightCarryTheDocumentAndStopAtTheEnds() {
        w().currentEditor()->insertAtCaret("first");
        w().runCommand(Command::New);
        w().currentEditor()->insertAtCaret("second");
        auto* start = w().findChild<QLineEdit*>("PrgStart");
        QVERIFY(start);
        start->clear();
        QTest::keyClicks(start, "30000");
        QCOMPARE(w().currentIndex(), 1);
        w().runCommand(Command::MoveRight);
        QCOMPARE(w().currentIndex(), 1);
        w().runCommand(Command::MoveLeft);
        QCOMPARE(w().currentIndex(), 0);
        QCOMPARE(text(w().editor(0)), QByteArray("second"));
        QCOMPARE(text(w().editor(1)), QByteArray("first"));
        QCOMPARE(w().document(0).prgStart, 30000);
        QCOMPARE(w().document(1).prgStart, 24200);
        w().runCommand(Command::MoveLeft);
        QCOMPARE(w().currentIndex(), 0);
        QCOMPARE(text(w().editor(0)), QByteArray("second"));
    }

    void openingAnOpenFileActivatesItsTabWithPathTitleAndRecentList() {
        f->home.write("a.bas", "10 PRINT 1\n");
        f->home.write("b.bas", "20 PRINT 2\n");
        QVERIFY(w().openSourceFile(f->home.file("a.bas")));
        QVERIFY(w().openSourceFile(f->home.file("b.bas")));
        QVERIFY(w().openSourceFile(f->home.file("a.bas")));
        QCOMPARE(w().documentCount(), 2);
        QCOMPARE(w().currentIndex(), 0);
        auto* tabs = named<QTabWidget>(&w(), "sourceTabs");
        QVERIFY(tabs->tabsClosable());
        QCOMPARE(tabs->tabToolTip(1), f->home.file("b.bas"));
        QVERIFY(w().windowTitle().endsWith(" - a (" + f->home.path() + ")"));
        QCOMPARE(f->settings.recentFiles().front(), f->home.file("a.bas").toStdString());
        QCOMPARE(w().action(Command::CloseProject)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
        QCOMPARE(w().action(Command::Quit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QVERIFY(w().action(Command::GoToLine));
    }

    void altWithALetterTypesNothing() {
        w().currentEditor()->setFocus();
        QTest::keyClick(w().currentEditor(), Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(w().currentEditor(), Qt::Key_X);
        QCOMPARE(QByteArray::fromStdString(w().currentEditor()->textBytes()), QByteArray("x"));
    }

    void newAddsATabWithNewDocumentDefaults() {
        w().runCommand(Command::New);
        QCOMPARE(w().documentCount(), 2);
        QCOMPARE(w().currentIndex(), 1);
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(1), QString("new"));
        QCOMPARE(w().currentDocument().prgStart, 24576);
        QCOMPARE(QString::fromStdString(w().currentDocument().outputFile), QString("output"));
        QCOMPARE(QString::fromStdString(w().document(0).outputFile), QString("output"));
    }

    void closingAsksAndTheLastCloseLeavesANewDocument() {
        f->answers.answerMessage(QMessageBox::No);
        w().runCommand(Command::CloseProject);
        QCOMPARE(f->answers.titles(), QStringList({"Closing project"}));
        QCOMPARE(w().documentCount(), 1);

        w().currentEditor()->insertAtCaret("10 CLS");
        f->answers.answerMessage(QMessageBox::Yes);  // are you sure
        f->answers.answerMessage(QMessageBox::No);   // save the modified source?
        w().runCommand(Command::CloseProject);
        QCOMPARE(f->answers.titles(), QStringList({"Closing project", "Closing project", "File was modified"}));
        QCOMPARE(w().documentCount(), 1);
        QCOMPARE(named<QTabWidget>(&w(), "sourceTabs")->tabText(0), QString("new"));
        QCOMPARE(w().currentEditor()->textLength(), 0);
    }

    void closingTheMiddleTabActivatesItsRightNeighbour() {
        w().runCommand(Command::New);
        w().runCommand(Command::New);
        w().currentEditor()->insertAtCaret("third");
        named<QTabWidget>(&w(), "sourceTabs")->setCurrentIndex(1);
        QCOMPARE(w().currentIndex(), 1);
        f->answers.answerMessage(QMessageBox::Yes);
        f->answers.answerMessage(QMessageBox::No);
        w().runCommand(Command::CloseProject);
        QCOMPARE(w().documentCount(), 2);
        QCOMPARE(w().currentIndex(), 1);
        QCOMPARE(text(w().currentEditor()), QByteArray("third"));
    }

    void caretPositionFollowsTheDocumentAcrossTabChanges() {
        w().currentEditor()->insertAtCaret("0123456789");
        w().currentEditor()->setCaretPosition(4);
        w().runCommand(Command::New);
        named<QTabWidget>(&w(), "sourceTabs")->setCurrentIndex(0);
        QCOMPARE(w().currentIndex(), 0);
        QCOMPARE(w().currentDocument().caretPos, 4);
        QCOMPARE(w().currentEditor()->caretPosition(), 4);
    }

    void editCommandsAreGuardedAndClearAsksFirst() {
        w().runCommand(Command::Undo);  // nothing to undo: nothing happens
        w().runCommand(Command::Paste);
        w().currentEditor()->insertAtCaret("abc");
        f->answers.answerMessage(QMessageBox::No);
        w().runCommand(Command::Clear);
        QCOMPARE(text(w().currentEditor()), QByteArray("abc"));
        f->answers.answerMessage(QMessageBox::Yes);
        w().runCommand(Command::Clear);
        QCOMPARE(w().currentEditor()->textLength(), 0);
        QCOMPARE(f->answers.seen().back().text, QString("Are you sure?"));
        w().runCommand(Command::Undo);
        QCOMPARE(text(w().currentEditor()), QByteArray("abc"));
        w().runCommand(Command::Redo);
        QCOMPARE(w().currentEditor()->textLength(), 0);
    }

    void zoomStepsAndReset() {
        SourceEditor* ed = w().currentEditor();
        w().runCommand(Command::ZoomIn);
        w().runCommand(Command::ZoomIn);
        QCOMPARE(ed->send(Sci::SCI_GETZOOM), 2);
        w().runCommand(Command::ZoomOut);
        QCOMPARE(ed->send(Sci::SCI_GETZOOM), 1);
        w().runCommand(Command::ZoomReset);
        QCOMPARE(ed->send(Sci::SCI_GETZOOM), 0);
    }

    void addIncludeInsertsTheQuotedPathOrNothing() {
        f->answers.answerFile(QString());
        w().runCommand(Command::AddInclude);
        QCOMPARE(f->answers.titles(), QStringList({"Select file to include"}));
        QCOMPARE(w().currentEditor()->textLength(), 0);
        f->home.write("lib/sprites.bas", "SUB x\n");
        f->answers.answerFile(f->home.file("lib/sprites.bas"));
        w().runCommand(Command::AddInclude);
        QCOMPARE(text(w().currentEditor()), ("#INCLUDE \"" + f->home.file("lib/sprites.bas") + "\"").toUtf8());
    }

    void importBinaryInsertsDefbLinesForSensibleSizesOnly() {
        f->home.write("big.bin", QByteArray(65536, '\x01'));
        f->answers.answerFile(f->home.file("big.bin"));
        w().runCommand(Command::ImportBinary);
        QCOMPARE(w().currentEditor()->textLength(), 0);
        f->home.write("small.bin", QByteArray("\x00\x3c\x42\x42\x7e\x42\x42\x00\xff", 9));
        f->answers.answerFile(f->home.file("small.bin"));
        w().runCommand(Command::ImportBinary);
        QCOMPARE(text(w().currentEditor()), QByteArray("\tDEFB\t000,060,066,066,126,066,066,000\n\tDEFB\t255\n"));
    }

    void aboutBoxNamesVersionProcessorsAndMemory() {
        f->answers.answerMessage(QMessageBox::Ok);
        w().runCommand(Command::About);
        QCOMPARE(f->answers.titles(), QStringList({"About Quillo"}));
        const QStringList lines = f->answers.seen().back().text.split('\n');
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[0].contains("Version: 0.5 r0A Alpha"));
        QCOMPARE(lines[1], QString("Scilexer v3.2.5"));
        QVERIFY(lines[3].startsWith("Available CPUs: "));
        QVERIFY(lines[3].mid(16).toInt() >= 1);
        QVERIFY(lines[4].startsWith("Free memory: ") && lines[4].endsWith(" bytes"));
    }

    void exitStoresWindowStateAsksAboutModifiedSourcesAndWritesSettings() {
        w().resize(900, 640);
        w().runCommand(Command::ZoomIn);
        w().currentEditor()->insertAtCaret("10 CLS\n");
        f->answers.answerMessage(QMessageBox::No);
        QVERIFY(w().runExitSequence());
        QCOMPARE(f->answers.titles(), QStringList({"File was modified"}));
        QCOMPARE(f->answers.seen().back().text, QString("Save Source code?"));
        const QByteArray ini = f->home.read("Quillo_Files/quillo.ini");
        QVERIFY(ini.startsWith("[Editor]\r\nQuillo_WinWidth = 900\r\nQuillo_WinHeight = 640\r\n"));
        QVERIFY(ini.contains("\r\nZoom = 1\r\n"));
        QVERIFY(ini.contains("\r\nIDEMaximized = 0\r\n"));
        QVERIFY(ini.endsWith("[Painter]\r\nWindowWidth = 794\r\nWindowHeight = 550\r\n"));
        QCOMPARE(ini.count("\r\n"), 149);  // two group lines, 145 + 2 keys
        QVERIFY(ini.contains("\r\nSidebarExplorer = "));
    }

    void quitClosesThroughTheExitSequence() {
        f->answers.answerMessage(QMessageBox::No);
        w().currentEditor()->insertAtCaret("x");
        w().runCommand(Command::Quit);
        QVERIFY(!w().isVisible());
        QCOMPARE(f->answers.titles(), QStringList({"File was modified"}));
        QVERIFY(QFile::exists(f->home.file("Quillo_Files/quillo.ini")));
    }

    void unwritableSettingsAreReportedNotLost() {
        QDir(f->home.path()).rmdir("Quillo_Files");
        f->home.write("Quillo_Files", "a file where the folder should be");
        QVERIFY(!w().runExitSequence());
    }
};

QUILLO_TEST_MAIN(MainWindowTest);
#include "main_window_test.moc"
