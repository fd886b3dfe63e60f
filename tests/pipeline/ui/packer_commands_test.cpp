// The DEFB pack commands and the binary manager's packer items, with a fake
// packer that records its command line and working folder.
#include "app/settings.h"
#include "app/ui/main_window.h"
#include "app/ui/window_fixture.h"
#include "common/defb_format.h"
#include "editor/ui/source_editor.h"
#include "pipeline/ui/binary_manager_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace quillo;
using quillo::test::named;
using quillo::test::SeenDialog;
using quillo::test::WindowFixture;

namespace {

using Sci = QsciScintillaBase;

// Four lines of eight values: 32 bytes, 1..32.
std::string defbLines() {
    std::vector<std::uint8_t> bytes;
    for (int i = 1; i <= 32; ++i) bytes.push_back(static_cast<std::uint8_t>(i));
    return formatDefb(bytes);
}

}  // namespace

class PackerCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir tools_;
    std::unique_ptr<WindowFixture> f;
    QString record_;
    QString source_;  // the source's folder

    MainWindow& w() { return *f->window; }
    SourceEditor& ed() { return *w().currentEditor(); }

    QString wrapper(const QString& name) {
        const QString path = tools_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral("#!/bin/sh\nFAKE_PACKER_RECORD='%1' exec python3 '%2' \"$@\"\n")
                       .arg(record_, QStringLiteral(QUILLO_TEST_DIR "/fake_packer.py"))
                       .toUtf8());
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }

    QJsonObject recorded() {
        QFile file(record_);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }
    QStringList recordedArgs() { return recorded()["args"].toVariant().toStringList(); }

    QStringList sourceFiles() { return QDir(source_).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name); }

    void selectSource(const std::string& text) {
        ed().setTextBytes(text);
        ed().send(Sci::SCI_SELECTALL);
    }

    // Runs a command and waits until its message box was answered.
    void runAndAnswer(Command command) {
        f->answers.answerMessage(QMessageBox::Ok);
        w().runCommand(command);
        QTRY_VERIFY_WITH_TIMEOUT(f->answers.seen().size() == 1, 15000);
    }

    BinaryManagerWindow* managerWithRecord(const QString& file) {
        BinaryManagerWindow* manager = w().showBinaryManager();
        w().state().binaries() = {{file.toStdString(), 40000, 64, 0, "Sprites", 0, 8}};
        manager->refresh();
        manager->recordList()->setCurrentItem(manager->recordList()->topLevelItem(0));
        return manager;
    }

private slots:
    void init() {
        QVERIFY(tools_.isValid());
        record_ = tools_.filePath("record.json");
        QFile::remove(record_);
        const QString packer = wrapper("fake packer");
        f = std::make_unique<WindowFixture>([packer](Settings& s) {
            for (const Setting key : {Setting::MegaLZ, Setting::ApLib, Setting::Exomizer}) s.set(key, packer.toStdString());
        });
        f->home.write("game/game.bas", "10 PRINT 1\n");
        QVERIFY(w().openSourceFile(f->home.file("game/game.bas")));
        source_ = f->home.file("game/");
    }

    void cleanup() {
        qunsetenv("FAKE_PACKER_MODE");
        f.reset();
    }

    void megaLzPackReplacesTheSelectionInAPrivateFolder() {
        const QStringList before = sourceFiles();
        selectSource(defbLines());
        runAndAnswer(Command::MegaLzPack);
        const QString folder = recorded()["cwd"].toString() + "/";
        QVERIFY(!folder.startsWith(source_));
        QCOMPARE(recordedArgs(), QStringList({folder + "temp.bin", folder + "temp.out"}));
        QVERIFY(recorded()["files"].toVariant().toStringList().contains("temp.bin"));
        QVERIFY(!QDir(folder).exists());
        const SeenDialog& done = f->answers.seen()[0];
        QCOMPARE(done.title, QString("Compression done!"));
        QCOMPARE(done.text, QString("32 Bytes of data was compressed to 16 Bytes"));
        std::vector<std::uint8_t> half;
        for (int i = 1; i <= 16; ++i) half.push_back(static_cast<std::uint8_t>(i));
        QCOMPARE(ed().textBytes(), formatDefb(half));  // exactly the packer's output
        QCOMPARE(sourceFiles(), before);
    }

    void unpackLogsItsCommandLine() {
        selectSource("\tDEFB\t001,002\n");
        runAndAnswer(Command::MegaLzUnpack);
        const QString folder = recorded()["cwd"].toString() + "/";
        QCOMPARE(recordedArgs(), QStringList({"-d", folder + "temp.bin", folder + "temp.out"}));
        QCOMPARE(f->answers.seen()[0].title, QString("DeCompression done!"));
        QCOMPARE(f->answers.seen()[0].text, QString("2 Bytes of data was decompressed to 4 Bytes"));
        const QString log = named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText();
        QVERIFY(log.contains(QStringLiteral("\" -d \"%1temp.bin\" \"%1temp.out\",%1").arg(folder)));
        QCOMPARE(ed().textBytes(), std::string("\tDEFB\t001,002,001,002\n"));
    }

    void aCommentInTheSelectionIsRefused() {
        selectSource("\tDEFB\t001 ; one\n");
        runAndAnswer(Command::MegaLzPack);
        QCOMPARE(f->answers.seen()[0].title, QString("Problem!"));
        QCOMPARE(f->answers.seen()[0].text, QString("Commented out text found, but not allowed"));
        QVERIFY(!QFile::exists(record_));
    }

    void aFailingPackerLeavesTheSelection() {
        qputenv("FAKE_PACKER_MODE", "fail");
        selectSource(defbLines());
        runAndAnswer(Command::MegaLzPack);
        QCOMPARE(f->answers.seen()[0].text,
                 QString("compression failed: the packer ended with exit code 3: cannot pack this"));
        QCOMPARE(ed().textBytes(), defbLines());
        qputenv("FAKE_PACKER_MODE", "empty");
        f->answers.clear();
        ed().send(Sci::SCI_SELECTALL);
        runAndAnswer(Command::AplibPack);
        QCOMPARE(f->answers.seen()[0].text, QString("compression failed: the packer wrote no output file"));
        QCOMPARE(ed().textBytes(), defbLines());
    }

    void stopEndsAHangingPacker() {
        qputenv("FAKE_PACKER_MODE", "hang");
        selectSource(defbLines());
        f->answers.answerMessage(QMessageBox::Ok);
        w().runCommand(Command::MegaLzPack);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record_), 10000);
        QVERIFY(w().action(Command::StopBuild)->isEnabled());
        w().action(Command::StopBuild)->trigger();  // the Esc key's action
        QTRY_VERIFY_WITH_TIMEOUT(f->answers.seen().size() == 1, 10000);
        QCOMPARE(f->answers.seen()[0].text, QString("compression failed: the packer was stopped"));
        QCOMPARE(ed().textBytes(), defbLines());
        QVERIFY(!w().action(Command::StopBuild)->isEnabled());
    }

    void packingABinaryPointsTheRecordAtThePackedFile() {
        f->home.write("data/gfx.bin", QByteArray(64, 'g'));
        const QString gfx = f->home.file("data/gfx.bin");
        BinaryManagerWindow* manager = managerWithRecord(gfx);
        const QStringList before = sourceFiles();
        runAndAnswer(Command::BinaryPackAplib);
        QCOMPARE(f->answers.seen()[0].text, QString("64 Bytes of data was compressed to 32 Bytes"));
        const QString folder = recorded()["cwd"].toString() + "/";
        QCOMPARE(recordedArgs(), QStringList({gfx, folder + "gfx.bin.apl"}));
        QCOMPARE(f->home.read("data/gfx.bin.apl"), QByteArray(32, 'g'));
        const BinaryRecord& r = w().state().binaries()[0];
        QCOMPARE(QString::fromStdString(r.file), gfx + ".apl");
        QCOMPARE(r.size, 32);
        QCOMPARE(manager->recordList()->topLevelItem(0)->text(BinaryManagerWindow::SizeColumn), QString("32"));
        QVERIFY(named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText().contains(
            QStringLiteral("\" \"%1\" \"%2gfx.bin.apl\"").arg(gfx, folder)));
        QCOMPARE(sourceFiles(), before);
    }

    void aFailingBinaryPackKeepsTheRecord() {
        qputenv("FAKE_PACKER_MODE", "fail");
        f->home.write("data/gfx.bin", QByteArray(64, 'g'));
        managerWithRecord(f->home.file("data/gfx.bin"));
        const BinaryList before = w().state().binaries();
        runAndAnswer(Command::BinaryPackMegaLz);
        QVERIFY(f->answers.seen()[0].text.startsWith("compression failed: the packer ended with exit code 3"));
        QVERIFY(w().state().binaries() == before);
        QVERIFY(!QFile::exists(f->home.file("data/gfx.bin.mlz")));
    }

    void zx0PackAndDeCompressionGiveTheSelectionBack() {
        const std::string original = defbLines() + "\tDEFB\t001,002,003,004,001,002,003,004\n";
        selectSource(original);
        runAndAnswer(Command::Zx0Pack);
        QCOMPARE(f->answers.seen()[0].title, QString("Compression done!"));
        QVERIFY(f->answers.seen()[0].text.startsWith("40 Bytes of data was compressed to "));
        QVERIFY(ed().textBytes() != original);
        QVERIFY(named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText().contains("ZX0 delta "));
        f->answers.clear();
        ed().send(Sci::SCI_SELECTALL);
        runAndAnswer(Command::Zx0Unpack);
        QCOMPARE(f->answers.seen()[0].title, QString("DeCompression done!"));
        QCOMPARE(ed().textBytes(), original);
        QVERIFY(!QFile::exists(record_));  // no outside packer involved
    }

    void zx0DeCompressionOfDamagedDataLeavesTheSelection() {
        selectSource("\tDEFB\t255,255,255\n");
        runAndAnswer(Command::Zx0Unpack);
        QVERIFY(f->answers.seen()[0].text.startsWith("decompression failed: "));
        QCOMPARE(ed().textBytes(), std::string("\tDEFB\t255,255,255\n"));
    }

    void cancellingZx0PackingLeavesTheSelection() {
        std::vector<std::uint8_t> bytes(30000);
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7919 % 251);
        const std::string text = formatDefb(bytes);
        selectSource(text);
        w().runCommand(Command::Zx0PackBackwards);
        QVERIFY(w().action(Command::StopBuild)->isEnabled());
        w().action(Command::StopBuild)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!w().action(Command::StopBuild)->isEnabled(), 15000);
        QTest::qWait(50);
        QVERIFY(f->answers.seen().empty());
        QCOMPARE(ed().textBytes(), text);
    }

    void packingABinaryWithZx0WritesItBesideTheFile() {
        f->home.write("data/gfx.bin", QByteArray(64, 'g'));
        const QString gfx = f->home.file("data/gfx.bin");
        managerWithRecord(gfx);
        runAndAnswer(Command::BinaryPackZx0);
        const QByteArray packed = f->home.read("data/gfx.bin.zx0");
        QCOMPARE(f->answers.seen()[0].text, QString("64 Bytes of data was compressed to %1 Bytes").arg(packed.size()));
        const BinaryRecord& r = w().state().binaries()[0];
        QCOMPARE(QString::fromStdString(r.file), gfx + ".zx0");
        QCOMPARE(r.size, packed.size());
        QVERIFY(named<QPlainTextEdit>(&w(), "outputPanel")->toPlainText().contains("packed to " + gfx + ".zx0"));
    }
};

QUILLO_TEST_MAIN(PackerCommandsTest);
#include "packer_commands_test.moc"
