#include "gfxeditor/ui/import_window.h"

#include "gfxeditor/gfx_session.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QRadioButton>
#include <QSlider>

using namespace quillo;
using namespace quillo::test;

namespace {

PixelBuffer filled(int w, int h, std::uint32_t colour) {
    PixelBuffer b(w, h);
    std::fill(b.pixels.begin(), b.pixels.end(), colour);
    return b;
}

}  // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void slidersAndModeReconvertThePicture() {
        GfxSession session;
        session.importMode = ImportMode::MonochromeBiTone;
        PcImport import;
        QVERIFY(import.take(filled(16, 8, 0x808080)).ok);
        ImportWindow window(session, import);
        window.show();
        QCOMPARE(session.picture.width(), 2);
        QCOMPARE(session.picture.bitmap()[0], 0xFF);  // grey 128 is below 255 - 100
        child<QSlider>(&window, "importSlider6")->setValue(200);
        QCOMPARE(session.picture.bitmap()[0], 0x00);
        child<QRadioButton>(&window, "importMode2")->click();
        QCOMPARE(session.importMode, ImportMode::ColorBiTone);
        QCOMPARE(session.picture.attributeAt(0, 0), 0x47);  // no channel 128 is above 255 - 100: black paper

        child<QCheckBox>(&window, "importLock")->setChecked(true);
        child<QSlider>(&window, "importSlider0")->setValue(200);
        QCOMPARE(window.thresholds()[kGreen1], 200);
        QCOMPARE(window.thresholds()[kBlue1], 200);
        QCOMPARE(window.thresholds()[kRed2], 155);
        QCOMPARE(window.thresholds()[kBright1], 200);
        QCOMPARE(session.picture.attributeAt(0, 0), 0x7E);  // all three 128 > 55 once coupled: white paper

        buttonNamed(&window, QStringLiteral("Save Values"))->click();
        child<QSlider>(&window, "importSlider7")->setValue(1);
        buttonNamed(&window, QStringLiteral("Restore Values"))->click();
        QCOMPARE(window.thresholds(), session.savedThresholds);
        QCOMPARE(window.thresholds()[kBright2], 155);
    }

    void clipboardPictureIsCutToWholeCells() {
        GfxSession session;
        ModalAnswerer answers;
        QGuiApplication::clipboard()->clear();
        QVERIFY(!importPictureFromClipboard(nullptr, session));
        QCOMPARE(answers.seen().size(), std::size_t{0});

        QImage image(21, 17, QImage::Format_RGB32);
        image.fill(Qt::white);
        QGuiApplication::clipboard()->setImage(image);
        session.undo.push(session.picture.data());
        answers.answer<ImportWindow>([](ImportWindow* w) { w->close(); });
        QVERIFY(importPictureFromClipboard(nullptr, session));
        QCOMPARE(session.picture.width(), 2);
        QCOMPARE(session.picture.height(), 2);
        QVERIFY(!session.undo.canUndo());
    }

    void refusedPicturesAreMessages() {
        GfxSession session;
        ModalAnswerer answers;
        QImage image(512, 512, QImage::Format_RGB32);
        image.fill(Qt::white);
        QGuiApplication::clipboard()->setImage(image);
        answers.answerMessage();
        QVERIFY(!importPictureFromClipboard(nullptr, session));
        QTRY_COMPARE(answers.pending(), 0);
        QVERIFY(answers.seen().at(0).text.contains(QStringLiteral("4096 cells")));
        QCOMPARE(session.picture.width(), 32);

        answers.answerMessage();
        QVERIFY(!importPictureFile(nullptr, session, QStringLiteral("/nonexistent/picture.png")));
        QTRY_COMPARE(answers.pending(), 0);
        QVERIFY(answers.seen().at(1).text.contains(QStringLiteral("/nonexistent/picture.png")));
    }
};

QUILLO_TEST_MAIN(ImportWindowTest);
#include "import_window_test.moc"
