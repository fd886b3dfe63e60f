#include "pipeline/ui/interrupt_manager_window.h"

#include "app/ui/window_fixture.h"
#include "pipeline/interrupt_pieces.h"
#include "pipeline/ui/binary_manager_window.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace quillo;
using quillo::test::ModalAnswerer;

namespace {

QByteArray bytesOf(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

}  // namespace

class InterruptManagerWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    InterruptFields fields_;
    BinaryList binaries_;
    RegionMap map_;

    QTemporaryDir& dir() { return *folder_; }
    std::string base() { return dir().filePath("game").toStdString(); }
    QByteArray read(const QString& suffix) {
        QFile f(dir().filePath("game" + suffix));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir().isValid());
        fields_ = {};
        fields_.onAddress = 30000;
        fields_.offAddress = 30009;
        fields_.callAddress = 40000;
        fields_.tableAddress = 254 * 256;
        fields_.vectorValue = 200;  // the handler at 51400, clear of the table
        binaries_.clear();
        map_ = RegionMap{};
    }

    void opensWithTheStoredChoices() {
        fields_.tableAddress = 254 * 256;
        fields_.vectorValue = 253;
        fields_.bank = 2;
        InterruptManagerWindow w(fields_, base(), binaries_, map_);
        QCOMPARE(w.tableSlider()->value(), 254);
        QCOMPARE(w.vectorSlider()->value(), 253);
        QCOMPARE(w.tableField()->text(), QString("65024"));
        QCOMPARE(w.vectorField()->text(), QString("65021"));
        QCOMPARE(w.bankCombo()->currentText(), QString("3 (19)"));
        QCOMPARE(w.onField()->value(), 30000);
        QCOMPARE(w.pieceList()->topLevelItem(InterruptManagerWindow::TableRow)->text(1), QString("65024-65281"));
        QCOMPARE(w.pieceList()->topLevelItem(InterruptManagerWindow::HandlerRow)->text(2), QString("38 Bytes"));
        QCOMPARE(w.tableField()->palette().color(QPalette::Base).green() > 200, true);
    }

    void slidersAndBankUpdateTheirRows() {
        InterruptManagerWindow w(fields_, base(), binaries_, map_);
        w.tableSlider()->setValue(127);
        QVERIFY(w.tableField()->palette().color(QPalette::Base).red() > 200);  // below 32768
        w.vectorSlider()->setValue(100);
        QCOMPARE(w.pieceList()->topLevelItem(InterruptManagerWindow::HandlerRow)->text(1), QString("25700-25723"));
        QCOMPARE(w.pieceList()->topLevelItem(InterruptManagerWindow::HandlerRow)->text(2), QString("23 Bytes"));
        w.bankCombo()->setCurrentIndex(1);
        QCOMPARE(w.pieceList()->topLevelItem(InterruptManagerWindow::HandlerRow)->text(2), QString("38 Bytes"));
        w.onField()->setValue(31000);
        QCOMPARE(w.pieceList()->topLevelItem(InterruptManagerWindow::OnRow)->text(1), QString("31000"));
        QCOMPARE(w.pieceList()->topLevelItem(InterruptManagerWindow::OnRow)->text(2), QString("9 Bytes"));
    }

    void createWritesTheFourPiecesAndListsThem() {
        ModalAnswerer answers;
        answers.answerMessage(QMessageBox::Ok);  // the handler at 65021 runs into the table at 65024
        InterruptManagerWindow w(fields_, base(), binaries_, map_);
        w.tableSlider()->setValue(254);
        w.vectorSlider()->setValue(253);
        w.create();
        QCOMPARE(read("_InterruptsVectorTable.bin"), QByteArray(257, char(253)));
        QCOMPARE(read("_InterruptsOn.bin"), bytesOf(interruptOnCode(254)));
        QCOMPARE(read("_InterruptsOff.bin"), bytesOf(interruptOffCode()));
        QCOMPARE(read("_InterruptsCallHandling.bin"), bytesOf(interruptHandlerCode(40000, 0)));
        QCOMPARE(binaries_.size(), std::size_t(4));
        QCOMPARE(binaries_[0].description, std::string("Interrupt Vector Table"));
        QCOMPARE(binaries_[0].start, 65024);
        QCOMPARE(binaries_[3].start, 65021);
        QCOMPARE(binaries_[3].size, 23);
        for (const BinaryRecord& r : binaries_) QCOMPARE(r.type(), RegionType::Interrupts);
        QCOMPARE(map_.at(65024), RegionType::Interrupts);
        QCOMPARE(fields_.tableAddress, 65024);
        QCOMPARE(fields_.vectorValue, 253);
        QCOMPARE(fields_.used, std::uint8_t(1));
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(answers.titles(), QStringList({"Warning!!!"}));
    }

    void aDeclinedOverwriteSkipsOnlyThatPiece() {
        QFile old(dir().filePath("game_InterruptsOn.bin"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("mine");
        old.close();
        ModalAnswerer answers;
        answers.answerMessage(QMessageBox::No);
        InterruptManagerWindow w(fields_, base(), binaries_, map_);
        w.create();
        QCOMPARE(answers.seen().size(), std::size_t(1));
        QCOMPARE(answers.seen()[0].title, QString("File game_InterruptsOn.bin Exists"));
        QCOMPARE(answers.seen()[0].text, QString("Action holded because file\n%1\nalready exists, overwrite it?")
                                             .arg(dir().filePath("game_InterruptsOn.bin")));
        QCOMPARE(read("_InterruptsOn.bin"), QByteArray("mine"));
        QCOMPARE(binaries_.size(), std::size_t(3));
        for (const BinaryRecord& r : binaries_) QVERIFY(r.description != "Interrupt On");
        QVERIFY(!read("_InterruptsOff.bin").isEmpty());
    }

    void piecesPastTheAddressSpaceAreRefused() {
        ModalAnswerer answers;
        answers.answerMessage(QMessageBox::Ok);
        InterruptManagerWindow w(fields_, base(), binaries_, map_);
        w.vectorSlider()->setValue(255);  // the handler at 65535
        w.create();
        QCOMPARE(answers.seen().size(), std::size_t(1));
        QVERIFY(answers.seen()[0].text.contains("Interrupt Handling (23 bytes at 65535) does not fit below 65536."));
        QVERIFY(binaries_.empty());
        QVERIFY(!QFile::exists(dir().filePath("game_InterruptsCallHandling.bin")));
        QVERIFY(!QFile::exists(dir().filePath("game_InterruptsOn.bin")));
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }

    void addInterruptsOpensItFromTheBinaryManager() {
        quillo::test::WindowFixture f;
        BinaryManagerWindow* manager = f.window->showBinaryManager();
        f.answers.answer<InterruptManagerWindow>([](InterruptManagerWindow* w) {
            w->tableSlider()->setValue(200);
            w->create();
        });
        f.window->runCommand(Command::BinaryInterrupts);
        QCOMPARE(manager->recordList()->topLevelItemCount(), 4);
        QCOMPARE(f.window->currentDocument().interrupts.tableAddress, 200 * 256);
        QVERIFY(QFile::exists(QString::fromStdString(f.window->state().binaries()[0].file)));
    }
};

QUILLO_TEST_MAIN(InterruptManagerWindowTest);
#include "interrupt_manager_window_test.moc"
