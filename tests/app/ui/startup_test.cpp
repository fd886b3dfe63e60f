// Start-up and exit of the whole program with a real program folder.
#include "app/settings.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "editor/ui/source_editor.h"
#include "ui_test_support.h"

#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTest>

using namespace quillo;
using quillo::test::ModalAnswerer;
using quillo::test::TempHome;

namespace {

QList<QByteArray> linesWithout(const QByteArray& ini, const QStringList& keys) {
    QList<QByteArray> kept;
    for (const QByteArray& line : ini.split('\n')) {
        const QByteArray key = line.split(' ').value(0);
        if (!keys.contains(QString::fromLatin1(key))) kept << line;
    }
    return kept;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartMakesFoldersMissesHelpOnceAndWritesACompleteSettingsFile() {
        TempHome home(false);
        ModalAnswerer answers;
        answers.answerMessage(QMessageBox::Ok);
        {
            Application app;
            app.start({});
            QCOMPARE(answers.titles(), QStringList({"Missing Directory"}));
            QCOMPARE(answers.seen().front().text, QString("Quillo_Help folder not found. Any idea where it is?"));
            for (const char* folder : {"Quillo_Snippets", "Quillo_Files", "Quillo_Fonts"})
                QVERIFY2(QDir(home.file(folder)).exists(), folder);
            QVERIFY(!QDir(home.file("Quillo_Help")).exists());
            QVERIFY(app.mainWindow()->isVisible());
            QCOMPARE(app.mainWindow()->size(), QSize(790, 550));
            app.mainWindow()->close();
        }
        QCOMPARE(answers.seen().size(), std::size_t(1));

        QFile golden(QUILLO_TEST_DATA "/settings_defaults.ini");
        QVERIFY(golden.open(QIODevice::ReadOnly));
        // Splitter positions depend on the window's layout and LastDir on the
        // user's home folder: compare everything else byte for byte.
        const QStringList variable = {"SidebarExplorer", "OutputSplitter", "LastDir"};
        const QByteArray written = home.read("Quillo_Files/quillo.ini");
        QCOMPARE(linesWithout(written, variable), linesWithout(golden.readAll(), variable));
        QVERIFY(written.contains("\r\nLastDir = " + QDir::homePath().toUtf8() + "/\r\n"));
    }

    void storedSettingsShapeTheWindowAndSurviveTheRun() {
        TempHome home;
        home.write("Quillo_Files/quillo.ini",
                   "[editor]\r\nQuillo_WinWidth = 1000\r\nQuillo_WinHeight = 700\r\nbasbg = 255\r\n"
                   "IDEMaximized = 1\r\nREM_String = Rem\r\nCompilerZXB = /opt/zxb/zxbc.py\r\n");
        ModalAnswerer answers;
        {
            Application app;
            app.start({});
            QVERIFY(app.mainWindow()->isMaximized());
            QCOMPARE(app.settings().text(Setting::REM_String), std::string("Rem "));
            app.mainWindow()->close();
        }
        QVERIFY(answers.seen().empty());
        const QByteArray ini = home.read("Quillo_Files/quillo.ini");
        QVERIFY(ini.contains("\r\nIDEMaximized = 1\r\n"));
        QVERIFY(ini.contains("\r\nBasBG = 255\r\n"));
        QVERIFY(ini.contains("\r\nREM_String = Rem \r\n"));
        QVERIFY(ini.contains("\r\nCompilerZXB = /opt/zxb/zxbc.py\r\n"));
        QVERIFY(ini.startsWith("[Editor]\r\nQuillo_WinWidth = 1000\r\nQuillo_WinHeight = 700\r\n"));
    }

    void aSettingsFileThatCannotBeReadIsReportedAndKept() {
        TempHome home;
        const QByteArray huge = "[Editor]\r\nZoom = 3\r\n" + QByteArray(2 << 20, ';');
        home.write("Quillo_Files/quillo.ini", huge);
        ModalAnswerer answers;
        answers.answerMessage(QMessageBox::Ok);
        {
            Application app;
            app.start({});
            QCOMPARE(answers.titles(), QStringList({"Error"}));
            QVERIFY(answers.seen().front().text.contains("quillo.ini: is "));
            app.mainWindow()->close();
        }
        QCOMPARE(home.read("Quillo_Files/quillo.ini"), huge);
    }

    void filesOnTheCommandLineOpenInTabs() {
        TempHome home;
        home.write("a.bas", "10 PRINT 1\n");
        home.write("b.bas", "20 PRINT 2\n");
        Application app;
        app.start({home.file("a.bas"), home.file("b.bas")});
        MainWindow* w = app.mainWindow();
        QCOMPARE(w->documentCount(), 2);
        QCOMPARE(w->findChild<QTabWidget*>("sourceTabs")->tabText(0), QString("a"));
        QCOMPARE(w->findChild<QTabWidget*>("sourceTabs")->tabText(1), QString("b"));
        QCOMPARE(QByteArray::fromStdString(w->editor(1)->textBytes()), QByteArray("20 PRINT 2\n"));
        w->close();
    }
};

QUILLO_TEST_MAIN(StartupTest);
#include "startup_test.moc"
