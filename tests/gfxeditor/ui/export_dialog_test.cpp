#include "gfxeditor/ui/export_dialog.h"

#include "gfxeditor/gfx_session.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>

using namespace quillo;
using namespace quillo::test;

class ExportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void exportsToTheClipboardAndRemembersTheFormat() {
        GfxSession session;
        for (int i = 0; i < 16; ++i) session.picture.bitmap()[(i / 2) * 32 + i % 2] = static_cast<std::uint8_t>(i);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        ModalAnswerer answers;
        answers.answer<QDialog>([](QDialog* d) {
            child<QComboBox>(d, "exportFormat")->setCurrentIndex(1);
            child<QComboBox>(d, "exportMask")->setCurrentIndex(1);
            buttonNamed(d, QStringLiteral("ASM -> Clipboard"))->click();
        });
        answers.answerMessage();
        exportSelectionToClipboard(nullptr, session, {0, 0, 16, 8});
        QTRY_COMPARE(answers.pending(), 0);
        const ExportChoice used{ExportOrder::Columns, false, ExportMask::Interleaved};
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                 exportText(session.picture, {0, 0, 16, 8}, used));
        QCOMPARE(answers.titles(), QStringList({QStringLiteral("Export"), QStringLiteral("Done")}));
        QCOMPARE(session.exportOrder, ExportOrder::Columns);

        // Reopened: the format is the one used, the mask is "None" again; the close box exports nothing.
        int format = -1, mask = -1;
        answers.answer<QDialog>([&](QDialog* d) {
            format = child<QComboBox>(d, "exportFormat")->currentIndex();
            mask = child<QComboBox>(d, "exportMask")->currentIndex();
            d->reject();
        });
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        exportSelectionToClipboard(nullptr, session, {0, 0, 16, 8});
        QTRY_COMPARE(answers.pending(), 0);
        QCOMPARE(format, 1);
        QCOMPARE(mask, 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void aNarrowSelectionCopiesNothing() {
        GfxSession session;
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        ModalAnswerer answers;
        answers.answer<QDialog>([](QDialog* d) { buttonNamed(d, QStringLiteral("ASM -> Clipboard"))->click(); });
        exportSelectionToClipboard(nullptr, session, {0, 0, 7, 8});
        QTRY_COMPARE(answers.pending(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QCOMPARE(answers.titles(), QStringList({QStringLiteral("Export")}));
    }
};

QUILLO_TEST_MAIN(ExportDialogTest);
#include "export_dialog_test.moc"
