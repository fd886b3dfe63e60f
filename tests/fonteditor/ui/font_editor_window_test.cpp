#include "fonteditor/ui/font_editor_window.h"

#include "app/ui/window_fixture.h"
#include "fonteditor/font_library.h"
#include "fonteditor/ui/font_library_dialog.h"
#include "fonteditor/ui/font_table_widget.h"

#include <QComboBox>
#include <QFontDialog>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

using namespace quillo;
using namespace quillo::test;

namespace {

QPoint gridCell(int x, int y) { return {x * FontGridWidget::kZoom + 8, y * FontGridWidget::kZoom + 8}; }

struct Editor {
    WorkingFont font = WorkingFont::startUp();
    FontScope scope = FontScope::Single;
    QByteArray handedData;
    QString handedName, handedDescription;
    std::unique_ptr<FontEditorWindow> window;

    explicit Editor(const QString& folder = {}) {
        window = std::make_unique<FontEditorWindow>(
            FontEditorContext{font, scope, folder,
                              [this](const QByteArray& d, const QString& n, const QString& desc) {
                                  handedData = d;
                                  handedName = n;
                                  handedDescription = desc;
                              }});
        window->show();
    }
    FontGridWidget* grid() { return named<FontGridWidget>(window.get(), "fontGrid"); }
};

}  // namespace

class FontEditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnCharacter33WithItsStatus() {
        Editor e;
        QCOMPARE(e.window->windowTitle(), QString("Font Editor for Quillo"));
        QCOMPARE(e.window->current(), 33);
        QCOMPARE(e.window->statusText(0), QString("Char 33 \"!\""));
        QCOMPARE(e.window->statusText(1), QString("96 Chars selected"));
        QCOMPARE(e.window->statusText(2), QString("Editable"));
    }

    void paintingWithTheHeldButtonThenUndo() {
        Editor e;
        e.window->setCurrent(0);
        FontGridWidget* grid = e.grid();
        sendMouse(grid, QEvent::MouseButtonPress, gridCell(0, 0), Qt::LeftButton, Qt::LeftButton);
        sendMouse(grid, QEvent::MouseMove, gridCell(3, 0), Qt::NoButton, Qt::LeftButton);
        sendMouse(grid, QEvent::MouseButtonRelease, gridCell(3, 0), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(e.font.glyphAt(0)[0], std::uint8_t(0x90));
        sendMouse(grid, QEvent::MouseButtonPress, gridCell(3, 0), Qt::RightButton, Qt::RightButton);
        QCOMPARE(e.font.glyphAt(0)[0], std::uint8_t(0x80));
        sendMouse(grid, QEvent::MouseButtonRelease, gridCell(3, 0), Qt::RightButton, Qt::NoButton);
        sendMouse(grid, QEvent::MouseButtonPress, gridCell(7, 7), Qt::MiddleButton, Qt::MiddleButton);
        sendMouse(grid, QEvent::MouseMove, gridCell(7, 7), Qt::NoButton, Qt::MiddleButton);  // toggles once
        QCOMPARE(e.font.glyphAt(0)[7], std::uint8_t(0x01));
        e.window->undo();  // back to before the last stroke
        QCOMPARE(e.font.glyphAt(0)[7], std::uint8_t(0x00));
        QCOMPARE(e.font.glyphAt(0)[0], std::uint8_t(0x80));
    }

    void protectedCharacterIgnoresTheGrid() {
        Editor e;
        e.window->setCurrent(128);
        QCOMPARE(e.window->statusText(2), QString("Locked"));
        sendMouse(e.grid(), QEvent::MouseButtonPress, gridCell(0, 0), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(e.font.glyphAt(128)[0], std::uint8_t(0));
    }

    void tableClicksChooseSelectAndProtect() {
        Editor e;
        auto* table = named<FontTableWidget>(e.window.get(), "fontTable");
        const QPoint a = FontTableWidget::cellOrigin(65) + QPoint(2, 2);
        QTest::mouseClick(table, Qt::LeftButton, {}, a);
        QCOMPARE(e.window->current(), 65);
        QTest::mouseClick(table, Qt::RightButton, {}, a);
        QVERIFY(e.font.flags[65] & kCharFlagSelected);
        QTest::mouseClick(table, Qt::RightButton, Qt::ShiftModifier, a);
        QVERIFY(e.font.isProtected(65));
    }

    void transformUndoIsOneLevel() {
        Editor e;
        const Charset before = e.font.bitmaps;
        e.window->applyTransform(CharTransform::Invert);
        QVERIFY(e.font.bitmaps != before);
        e.window->undo();
        QCOMPARE(e.font.bitmaps, before);
        e.window->undo();
        QCOMPARE(e.font.bitmaps, before);
    }

    void aDroppedFileLoadsBySizeAndTwoAreRefused() {
        TempHome home;
        QByteArray bytes(768, '\x55');
        home.write("font.bin", bytes);
        home.write("other.bin", bytes);
        Editor e;
        e.window->dropFiles({home.file("font.bin")});
        QCOMPARE(e.font.glyphAt(32)[0], std::uint8_t(0x55));
        QCOMPARE(e.font.glyphAt(127)[7], std::uint8_t(0x55));
        QCOMPARE(e.font.glyphAt(128)[0], std::uint8_t(0));

        ModalAnswerer answers;
        answers.answerMessage();
        e.window->dropFiles({home.file("font.bin"), home.file("other.bin")});
        QTRY_COMPARE(answers.pending(), 0);
        QCOMPARE(answers.seen().at(0).text, QString("Too much files (2) dropped, only one can be accepted"));
    }

    void libraryDialogLoadsTheChosenEntry() {
        Editor e;
        ModalAnswerer answers;
        answers.answer<FontLibraryDialog>([](FontLibraryDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Internal fonts selection"));
            QCOMPARE(d->names()->count(), 74);
            QCOMPARE(d->previewImage().size(), QSize(128, 48));
            d->names()->setCurrentIndex(8);
            d->accept();
        });
        e.window->openLibrary();
        const auto& entry = fontLibraryEntry(8);
        QVERIFY(std::equal(entry.bytes.begin(), entry.bytes.end(), e.font.glyphAt(32)));
        for (int c = 0; c < 256; ++c) QCOMPARE(e.font.isProtected(c), c >= 128 && c <= 143);

        const Charset loaded = e.font.bitmaps;
        answers.answer<FontLibraryDialog>([](FontLibraryDialog* d) {
            d->names()->setCurrentIndex(3);
            buttonNamed(d, "Cancel")->click();
        });
        e.window->openLibrary();
        QCOMPARE(e.font.bitmaps, loaded);
    }

    void aFailedSaveIsReported() {
        TempHome home;
        home.write("blocker", "x");
        Editor e;
        ModalAnswerer answers;
        answers.answerFile(home.file("blocker/font.mzf"));  // a file stands where the folder should be
        answers.answerMessage();
        e.window->saveFont();
        QTRY_COMPARE(answers.pending(), 0);
        QCOMPARE(answers.seen().size(), std::size_t(2));
        QCOMPARE(answers.seen().at(1).title, QString("Error"));
    }

    void savedFontIsWrittenWhole() {
        TempHome home;
        Editor e;
        ModalAnswerer answers;
        answers.answerFile(home.file("mine.txt"));
        e.window->saveFont();
        QTRY_COMPARE(answers.pending(), 0);
        QCOMPARE(home.read("mine.mzf").size(), 2306);
    }

    void exportsHandTheRangeToTheBinaryManager() {
        Editor e;
        e.window->setCurrent(65);
        e.window->exportToBinaryManager();
        QCOMPARE(e.handedData.size(), 8);
        QCOMPARE(e.handedName, QString("_Fontchar65.bin"));
        QCOMPARE(e.handedDescription, QString("Single Char: (65)"));
    }

    void pcFontImportDrawsEveryCharacterAndUndoes() {
        Editor e;
        const Glyph before = [&] {
            Glyph g;
            std::copy_n(e.font.glyphAt(65), 8, g.begin());
            return g;
        }();
        ModalAnswerer answers;
        answers.answer<QFontDialog>([](QFontDialog* d) {
            QFont chosen("DejaVu Sans Mono");
            chosen.setPixelSize(9);
            d->setCurrentFont(chosen);
            d->accept();
        });
        e.window->importPcFont();
        QTRY_COMPARE(answers.pending(), 0);
        const std::uint8_t* a = e.font.glyphAt(65);
        QVERIFY(std::any_of(a, a + 8, [](std::uint8_t b) { return b != 0; }));
        QVERIFY(!std::equal(before.begin(), before.end(), a));
        QVERIFY(std::all_of(e.font.glyphAt(0), e.font.glyphAt(0) + 8, [](std::uint8_t b) { return b == 0; }));
        QVERIFY(e.font.isProtected(128));  // flags unchanged
        e.window->undo();
        QVERIFY(std::equal(before.begin(), before.end(), e.font.glyphAt(65)));

        answers.answer<QFontDialog>([](QFontDialog* d) { d->reject(); });
        e.window->importPcFont();  // cancelled: nothing changes
        QTRY_COMPARE(answers.pending(), 0);
        QVERIFY(std::equal(before.begin(), before.end(), e.font.glyphAt(65)));
    }

    void closingKeepsTheScopeAndTheFont() {
        Editor e;
        e.window->setCurrent(0);
        e.window->applyTransform(CharTransform::Invert);
        for (QRadioButton* radio : e.window->findChildren<QRadioButton*>())
            if (radio->text() == "All characters") radio->click();
        e.window->close();
        QCOMPARE(e.font.glyphAt(0)[0], std::uint8_t(0xFF));
        QCOMPARE(e.scope, FontScope::All);
    }

    void toolsMenuOpensTheEditor() {
        WindowFixture f;
        f.answers.answer<FontEditorWindow>([](FontEditorWindow* w) { w->close(); });
        f.window->action(Command::FontEditor)->trigger();
        QTRY_COMPARE(f.answers.pending(), 0);
        QCOMPARE(f.answers.seen().at(0).title, QString("Font Editor for Quillo"));
    }
};

QUILLO_TEST_MAIN(FontEditorWindowTest);
#include "font_editor_window_test.moc"
