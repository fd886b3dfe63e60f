#include "gfxeditor/ui/defb_commands.h"

#include "editor/ui/source_editor.h"
#include "gfxeditor/defb_graphics.h"
#include "gfxeditor/gfx_session.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QSpinBox>

using namespace quillo;
using namespace quillo::test;

namespace {

using Sci = QsciScintillaBase;

struct Tools {
    SourceEditor editor;
    GfxSession session;
    CommandRegistry registry;
    ModalAnswerer answers;

    Tools() { registerGfxDefbCommands(registry, [this] { return &editor; }, nullptr, session); }
    void setSelected(const char* text) {
        editor.send(Sci::SCI_SETTEXT, 0, reinterpret_cast<std::intptr_t>(text));
        editor.send(Sci::SCI_SELECTALL);
    }
    std::string text() {
        const auto length = editor.send(Sci::SCI_GETLENGTH);
        std::string out(static_cast<std::size_t>(length) + 1, '\0');
        editor.send(Sci::SCI_GETTEXT, out.size(), reinterpret_cast<std::intptr_t>(out.data()));
        out.resize(static_cast<std::size_t>(length));
        return out;
    }
};

}  // namespace

class DefbCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void reorderReplacesTheSelection() {
        Tools t;
        const char* data = "defb 0,1,2,3,4,5,6,7\ndefb 8,9,10,11,12,13,14,15";
        t.setSelected(data);
        t.answers.answer<QDialog>([](QDialog* d) { buttonNamed(d, QStringLiteral("Cancel"))->click(); });
        QVERIFY(t.registry.run(Command::ReorderGraphics));
        QTRY_COMPARE(t.answers.pending(), 0);
        QCOMPARE(t.text(), std::string(data));

        t.answers.answer<QDialog>([](QDialog* d) {
            child<QComboBox>(d, "destinationType")->setCurrentIndex(1);
            child<QSpinBox>(d, "gfxWidth")->setValue(2);
            buttonNamed(d, QStringLiteral("OK"))->click();
        });
        QVERIFY(t.registry.run(Command::ReorderGraphics));
        QTRY_COMPARE(t.answers.pending(), 0);
        QCOMPARE(t.text(),
                 reorderDefbText(data, GraphicsOrder::Progressive, GraphicsOrder::Characters, 2, 1));
        QCOMPARE(t.answers.titles(), QStringList({QStringLiteral("Reorder GFX Data"), QStringLiteral("Reorder GFX Data")}));
    }

    void convertLoadsThePicture() {
        Tools t;
        t.setSelected("");
        QVERIFY(t.registry.run(Command::ConvGraphics));  // no selection: no dialog
        QCOMPARE(t.answers.seen().size(), std::size_t{0});

        t.setSelected("defb 255,1,2,3,4,5,6,7,$47");
        t.answers.answer<QDialog>([](QDialog* d) { d->reject(); });
        QVERIFY(t.registry.run(Command::ConvGraphics));
        QTRY_COMPARE(t.answers.pending(), 0);
        QCOMPARE(t.session.picture.width(), 32);

        t.session.undo.push(t.session.picture.data());
        t.answers.answer<QDialog>([](QDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("DEFB to GFX Data"));
            child<QCheckBox>(d, "getAttributes")->setChecked(true);
            buttonNamed(d, QStringLiteral("OK"))->click();
        });
        QVERIFY(t.registry.run(Command::ConvGraphics));
        QTRY_COMPARE(t.answers.pending(), 0);
        QCOMPARE(t.session.picture.width(), 1);
        QCOMPARE(t.session.picture.height(), 1);
        QCOMPARE(t.session.picture.bitmap()[0], 255);
        QCOMPARE(t.session.picture.attributeAt(0, 0), 0x47);
        QVERIFY(!t.session.undo.canUndo());
    }

    void bufferIsInsertedAtTheCursor() {
        Tools t;
        t.setSelected("");
        t.answers.answer<QDialog>([](QDialog* d) {
            QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
            child<QSpinBox>(d, "bufferWidth")->setValue(3);
            child<QSpinBox>(d, "bufferHeight")->setValue(2);
            buttonNamed(d, QStringLiteral("O.K."))->click();
        });
        QVERIFY(t.registry.run(Command::CreateDefbBuffer));
        QTRY_COMPARE(t.answers.pending(), 0);
        QCOMPARE(t.text(), std::string("buffer:\nASM\n\tDEFB 0,0,0\n\tDEFB 0,0,0\nEND ASM"));
    }
};

QUILLO_TEST_MAIN(DefbCommandsTest);
#include "defb_commands_test.moc"
