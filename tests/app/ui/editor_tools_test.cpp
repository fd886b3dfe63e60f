// The editor's tool windows and conversions, reached through the real main window.
#include "app/ui/window_fixture.h"
#include "editor/ui/ascii_table_window.h"
#include "editor/ui/find_window.h"
#include "editor/ui/include_helper_window.h"
#include "editor/ui/settings_dialog.h"
#include "editor/ui/small_tool_windows.h"
#include "editor/ui/source_editor.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QTest>

#include <memory>

using namespace quillo;
using quillo::test::WindowFixture;
using Sci = QsciScintillaBase;

class EditorToolsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;
    MainWindow& w() { return *f->window; }
    SourceEditor& editor() { return *w().currentEditor(); }
    std::string text() { return editor().textBytes(); }
    template <class T>
    T* tool(const char* name) { return w().findChild<T*>(QLatin1String(name)); }

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup() { f.reset(); }

    void findOpensWithF3OrCtrlFEnterFindsAndEscapeCloses() {
        const QList<QKeySequence> keys = w().action(Command::FindReplace)->shortcuts();
        QVERIFY(keys.contains(QKeySequence(Qt::Key_F3)));
        QVERIFY(keys.contains(QKeySequence(Qt::CTRL | Qt::Key_F)));
        editor().setTextBytes("print a\r\nprint b\r\n");
        editor().send(Sci::SCI_SETSEL, 9, 14);  // "print" on line 2 becomes the text to find
        w().runCommand(Command::FindReplace);
        auto* find = tool<FindWindow>("findWindow");
        QVERIFY(find && find->isVisible());
        auto* field = find->findChild<QComboBox*>("findText");
        QCOMPARE(field->currentText(), QStringLiteral("print"));
        editor().send(Sci::SCI_GOTOPOS, 0);
        QTest::keyClick(field->lineEdit(), Qt::Key_Return);
        QCOMPARE(editor().send(Sci::SCI_GETSELECTIONSTART), 0);
        QCOMPARE(editor().send(Sci::SCI_GETSELECTIONEND), 5);
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!find->isVisible());
    }

    void conversionsReplaceTheSelectionAndTextToBytesRefusesComments() {
        editor().setTextBytes("x = $1F");
        editor().send(Sci::SCI_SETSEL, 4, 7);
        w().runCommand(Command::ConvDecimal);
        QCOMPARE(text(), std::string("x = 31"));
        editor().send(Sci::SCI_GOTOPOS, 0);
        w().runCommand(Command::ConvHexadecimal);  // no selection: inserted at the caret
        QCOMPARE(text(), std::string("$0x = 31"));
        editor().send(Sci::SCI_SELECTALL);
        f->answers.answerMessage();
        editor().setTextBytes("a ; b");
        editor().send(Sci::SCI_SELECTALL);
        w().runCommand(Command::TextToBytes);
        QCOMPARE(f->answers.titles(), QStringList{"Problem!"});
        QCOMPARE(f->answers.seen().at(0).text, QStringLiteral("Commented out text found, but not allowed"));
        QCOMPARE(text(), std::string("a ; b"));
    }

    void theSettingsDialogChangesEveryOpenEditor() {
        w().runCommand(Command::New);
        QCOMPARE(w().documentCount(), 2);
        f->answers.answer<SettingsDialog>([](SettingsDialog* dialog) {
            auto* style = dialog->findChild<QComboBox*>("FoldingStyle");
            style->setCurrentIndex(2);
            emit style->activated(2);
            dialog->accept();
        });
        w().runCommand(Command::QuilloSettings);
        QCOMPARE(f->answers.pending(), 0);
        QCOMPARE(f->settings.integer(Setting::FoldingStyle), 2);
        const auto symbol = [&](int i) { return w().editor(i)->send(Sci::SCI_MARKERSYMBOLDEFINED, Sci::SC_MARKNUM_FOLDER); };
        QCOMPARE(symbol(0), symbol(1));
        QCOMPARE(symbol(0), static_cast<std::intptr_t>(Sci::SC_MARK_CIRCLEPLUS));
    }

    void theIncludeHelperShowsThePageAndInsertsTheLine() {
        w().runCommand(Command::IncludeLibHelper);
        auto* helper = tool<IncludeHelperWindow>("includeHelper");
        QVERIFY(helper && helper->isVisible());
        QVERIFY(helper->page()->source().toString().endsWith("Quillo_Help/Help_Lib_Alloc.html"));
        const auto rows = helper->list()->findItems(QStringLiteral("SPFill"), Qt::MatchExactly);
        QCOMPARE(rows.size(), 1);
        helper->list()->setCurrentItem(rows.front());
        QVERIFY(helper->page()->source().toString().endsWith("Help_Lib_SPFill.html"));
        test::buttonNamed(helper, QStringLiteral("Include Library in source"))->click();
        QCOMPARE(text(), std::string("#Include <SP/Fill.bas>"));
    }

    void theAsciiTableInsertsEitherForm() {
        w().runCommand(Command::AsciiTable);
        auto* table = tool<AsciiTableWindow>("asciiTable");
        QVERIFY(table && table->isVisible());
        table->findChild<QToolButton*>("code144")->click();
        table->setChrForm(true);
        table->findChild<QToolButton*>("code130")->click();
        test::buttonNamed(table, QStringLiteral("PRINT Comma"))->click();
        QCOMPARE(text(), std::string("\\Achr(130)Chr(6)"));
        test::buttonNamed(table, QStringLiteral("Close"))->click();
        QVERIFY(!table->isVisible());
    }

    void theKeyboardHelperAndTheBeepCalculator() {
        w().runCommand(Command::KeyboardHelper);
        auto* keys = tool<KeyboardHelperWindow>("keyboardHelper");
        QVERIFY(keys);
        keys->setForm(1);
        test::buttonNamed(keys, QStringLiteral("1"))->click();
        QCOMPARE(keys->result(), QStringLiteral("(IN 63486)&31=30"));
        keys->setForm(0);
        QCOMPARE(keys->result(), QStringLiteral("INKEY$=\"1\""));

        w().runCommand(Command::BeepCalculator);
        auto* beep = tool<BeepCalculatorWindow>("beepCalculator");
        QVERIFY(beep);
        QTest::keyClicks(beep->pitch(), QStringLiteral("12"));
        QCOMPARE(beep->hz()->text(), QStringLiteral("523.25"));
        w().runCommand(Command::CodeLibrary);
        QVERIFY(tool<SnippetManagerWindow>("snippetManager")->isVisible());
    }
};

QUILLO_TEST_MAIN(EditorToolsTest);
#include "editor_tools_test.moc"
