#include "gfxeditor/ui/gfx_editor_window.h"

#include "app/ui/window_fixture.h"
#include "gfxeditor/gfx_session.h"
#include "gfxeditor/screen_file.h"
#include "gfxeditor/ui/picture_view.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>

using namespace quillo;
using namespace quillo::test;

namespace {

struct Editor {
    TempHome home;
    Settings settings{home.path().toStdString()};
    GfxSession session;
    std::unique_ptr<GfxEditorWindow> window;

    Editor() {
        window = std::make_unique<GfxEditorWindow>(GfxEditorContext{session, settings, home.path()});
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->setZoom(4);
    }
    // The view's point at the centre of a picture pixel.
    QPoint at(int x, int y) const { return {x * 4 + 2, y * 4 + 2}; }
    void stroke(int x0, int y0, int x1, int y1) {
        PictureView* view = window->pictureView();
        sendMouse(view, QEvent::MouseButtonPress, at(x0, y0), Qt::LeftButton, Qt::LeftButton);
        sendMouse(view, QEvent::MouseMove, at(x1, y1), Qt::NoButton, Qt::LeftButton);
        sendMouse(view, QEvent::MouseButtonRelease, at(x1, y1), Qt::LeftButton, Qt::NoButton);
    }
};

QByteArray screenWithFirstByte(std::uint8_t first) {
    QByteArray bytes(6912, '\0');
    bytes[0] = static_cast<char>(first);
    for (int i = 6144; i < 6912; ++i) bytes[i] = 0x47;
    return bytes;
}

}  // namespace

class GfxEditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void drawingWithTheMouseThenUndoAndRedo() {
        Editor e;
        QCOMPARE(e.window->windowTitle(), QString("Mosaic GFX Editor"));
        QCOMPARE(e.window->toolStatus(), QString("Endless"));
        e.window->setCurrentAttribute(0x0A);
        e.stroke(1, 1, 6, 1);
        for (int x = 1; x <= 6; ++x) QVERIFY(e.session.picture.pixel(x, 1));
        QCOMPARE(e.session.picture.attributeAt(0, 0), std::uint8_t(0x0A));
        QCOMPARE(e.window->pictureView()->image().pixel(3 , 1) & 0xFFFFFF, kDisplayPalette[2]);

        QTest::keyClick(e.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!e.session.picture.pixel(3, 1));
        QCOMPARE(e.session.picture.attributeAt(0, 0), std::uint8_t(56));
        QCOMPARE(e.window->pictureView()->image().pixel(3, 1) & 0xFFFFFF, kDisplayPalette[7]);
        // Nothing older than the opening picture: a second Undo keeps it.
        e.window->undo();
        QCOMPARE(e.session.picture.attributeAt(0, 0), std::uint8_t(56));
        QTest::keyClick(e.window.get(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(e.session.picture.pixel(3, 1));
        QTest::keyClick(e.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // at the newest already
        QVERIFY(e.session.picture.pixel(3, 1));
    }

    void paletteTransparencyAndStatusAreWired() {
        Editor e;
        named<QToolButton>(e.window.get(), "swatch2")->click();
        QCOMPARE(e.window->currentAttribute(), std::uint8_t(0x3A));
        named<QCheckBox>(e.window.get(), "keepInk")->setChecked(true);
        QCOMPARE(e.session.draw.transparency, kKeepInk);
        e.session.picture.attributeAt(0, 0) = 0x0D;
        sendMouse(e.window->pictureView(), QEvent::MouseMove, e.at(2, 2), Qt::NoButton, Qt::NoButton);
        QCOMPARE(e.window->attributeStatus(), QString("I: 5,P: 1 B: 0"));
        e.stroke(0, 0, 0, 0);
        QCOMPARE(e.session.picture.attributeAt(0, 0), std::uint8_t(0x3D));  // ink kept, paper taken
    }

    void droppedScreenLoadsAndBadDropsAreRefused() {
        Editor e;
        e.home.write("title.scr", screenWithFirstByte(0xFF));
        e.home.write("short.scr", QByteArray(7000, '\x01'));
        ModalAnswerer answers;
        answers.answerMessage();
        e.window->dropFiles({e.home.file("title.scr"), e.home.file("short.scr")});
        QTRY_COMPARE(answers.pending(), 0);
        QCOMPARE(answers.seen().at(0).text, QString("Too much files (2) dropped, only one can be accepted"));
        QCOMPARE(answers.seen().at(0).title, QString("Error"));

        e.window->dropFiles({e.home.file("title.scr")});
        QVERIFY(e.session.picture.pixel(7, 0));
        QCOMPARE(e.session.picture.attributeAt(31, 23), std::uint8_t(0x47));
        QCOMPARE(e.window->pictureView()->image().pixel(0, 0) & 0xFFFFFF, kDisplayPalette[15]);

        answers.answerMessage();
        e.window->dropFiles({e.home.file("short.scr")});
        QTRY_COMPARE(answers.pending(), 0);
        QVERIFY(answers.seen().back().text.contains("7000"));
        QVERIFY(e.session.picture.pixel(7, 0));  // kept
    }

    void saveAsWritesAScreenThatLoadsBackAndAPng() {
        Editor e;
        e.stroke(0, 0, 100, 50);
        e.window->saveAs(e.home.file("out.scr"));
        const QByteArray saved = e.home.read("out.scr");
        QCOMPARE(saved.size(), 6912);
        GfxSession other;
        const std::vector<std::uint8_t> bytes(saved.begin(), saved.end());
        QVERIFY(loadScreen(other.picture, e.home.file("out.scr").toStdString(), bytes).ok);
        QVERIFY(std::equal(other.picture.data().begin(), other.picture.data().end(), e.session.picture.data().begin()));

        e.window->saveAs(e.home.file("out.png"));
        const QImage png(e.home.file("out.png"));
        QCOMPARE(png.size(), QSize(256, 192));
        QCOMPARE(png.pixel(0, 0) & 0xFFFFFF, kDisplayPalette[0]);
        QCOMPARE(png.pixel(255, 191) & 0xFFFFFF, kDisplayPalette[7]);
    }

    void exportPutsTheSelectionOnTheClipboard() {
        Editor e;
        e.session.picture.bitmap()[0] = 0x81;
        e.window->gestures().setSelection({0, 0, 8, 8});
        ModalAnswerer answers;
        answers.answer<QDialog>([](QDialog* d) { buttonNamed(d, "ASM -> Clipboard")->click(); });
        answers.answerMessage();
        e.window->exportSelection();
        QTRY_COMPARE(answers.pending(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("\tDEFB\t129,000,000,000,000,000,000,000\n"));
        QCOMPARE(answers.seen().back().title, QString("Done"));
    }

    void toolPropertiesOfTheLineSetItsPattern() {
        Editor e;
        QAction* properties = nullptr;
        for (QAction* a : e.window->findChildren<QAction*>())
            if (a->text() == "Tool properties") properties = a;
        QVERIFY(properties);
        ModalAnswerer answers;
        properties->trigger();  // not the line tool: nothing opens
        QCOMPARE(answers.seen().size(), std::size_t(0));

        e.window->setTool(GfxTool::Line);
        QString colour;
        answers.answer<QDialog>([&colour](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Line Options"));
            d->findChild<QListWidget*>()->setCurrentRow(1);
            colour = d->findChild<QLineEdit*>("linePattern")->styleSheet();
            d->close();
        });
        properties->trigger();
        QTRY_COMPARE(answers.pending(), 0);
        QCOMPARE(e.session.draw.linePattern, 0xAAAAAAAAu);
        QVERIFY(colour.contains("green"));
    }

    void toolsMenuOpensTheEditorWithTheStoredSize() {
        WindowFixture f([](Settings& s) {
            s.set(Setting::WindowWidth, 900);
            s.set(Setting::WindowHeight, 600);
        });
        QSize opened;
        f.answers.answer<GfxEditorWindow>([&opened](GfxEditorWindow* w) {
            opened = w->size();
            w->resize(1000, 640);
            w->close();
        });
        f.window->action(Command::GfxEditor)->trigger();
        QTRY_COMPARE(f.answers.pending(), 0);
        QCOMPARE(opened, QSize(900, 600));
        QCOMPARE(f.settings.integer(Setting::WindowWidth), 1000);
        QCOMPARE(f.settings.integer(Setting::WindowHeight), 640);
    }
};

QUILLO_TEST_MAIN(GfxEditorWindowTest);
#include "gfx_editor_window_test.moc"
