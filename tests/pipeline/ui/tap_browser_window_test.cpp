#include "pipeline/ui/tap_browser_window.h"

#include "app/ui/window_fixture.h"
#include "editor/ui/source_editor.h"
#include "pipeline/tape_writer.h"

#include <QFile>
#include <QListView>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

using namespace quillo;

namespace {

const QString kBuiltTape = QStringLiteral(QUILLO_TEST_DATA "/tape_main_binaries.tap");

// A tape with a Tornado source after a BASIC program.
QByteArray tornadoTape() {
    TapeWriter w(TapeFormat::Tap);
    const std::uint8_t program[] = {0, 10, 2, 0, 0xEA, 0x0D};
    const std::uint8_t source[] = {0xB4, 0x20, 0x41, 0x2C, 0x42, 0x0D, 0x00};
    w.programBlock("loader", 10, sizeof program, program);
    w.codeBlock("source", 32768, HeaderBlock::With, tap::kCodeHeader, tap::kDataFlag, source);
    return QByteArray::fromStdString(w.bytes());
}

}  // namespace

class TapBrowserWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheHeadersOfATapeWrittenByABuild() {
        TapBrowserWindow browser(QStringLiteral(QUILLO_TEST_DATA));
        QCOMPARE(browser.windowTitle(), QString("TAP File browser"));
        browser.showTape(kBuiltTape);
        QTreeWidget* blocks = browser.blockList();
        QCOMPARE(blocks->headerItem()->text(0), QString("File"));
        QCOMPARE(blocks->headerItem()->text(3), QString("Length"));
        QVERIFY(blocks->topLevelItemCount() >= 2);
        QCOMPARE(blocks->topLevelItem(0)->text(1), QString("BAS"));
        QCOMPARE(blocks->topLevelItem(1)->text(1), QString("COD"));
        QCOMPARE(browser.selectedBlock(), 0);
        blocks->setCurrentItem(blocks->topLevelItem(1));
        QCOMPARE(browser.selectedBlock(), 1);
        QCOMPARE(browser.tapePath(), kBuiltTape);
    }

    void theFileListShowsOnlyTapes() {
        TapBrowserWindow browser(QStringLiteral(QUILLO_TEST_DATA));
        browser.show();
        QAbstractItemModel* model = browser.fileList()->model();
        const QModelIndex root = browser.fileList()->rootIndex();
        QTRY_VERIFY_WITH_TIMEOUT(model->rowCount(root) >= 5, 5000);
        for (int row = 0; row < model->rowCount(root); ++row)
            QVERIFY(model->index(row, 0, root).data().toString().endsWith(".tap"));
    }

    void tornadoImportInsertsTheSourceAtTheCaret() {
        quillo::test::WindowFixture f;
        f.home.write("tapes/asm.tap", tornadoTape());
        const QString tape = f.home.file("tapes/asm.tap");
        SourceEditor* editor = f.window->currentEditor();
        editor->setTextBytes("ab");
        editor->setCaretPosition(1);
        f.answers.answer<TapBrowserWindow>([tape](TapBrowserWindow* b) {
            b->showTape(tape);
            b->blockList()->setCurrentItem(b->blockList()->topLevelItem(1));
            b->accept();
        });
        f.window->runCommand(Command::ImportTornado);
        QCOMPARE(editor->textBytes(), std::string("aLD  A,B\nb"));

        f.answers.answer<TapBrowserWindow>([tape](TapBrowserWindow* b) {
            b->showTape(tape);
            b->reject();
        });
        f.window->runCommand(Command::ImportTornado);
        QCOMPARE(editor->textBytes(), std::string("aLD  A,B\nb"));
    }
};

QUILLO_TEST_MAIN(TapBrowserWindowTest);
#include "tap_browser_window_test.moc"
