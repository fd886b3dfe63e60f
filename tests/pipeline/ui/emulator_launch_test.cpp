#include "pipeline/ui/build_pipeline.h"

#include "pipeline/emulator_command.h"
#include "pipeline/ui/test_build_host.h"
#include "ui_test_support.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using namespace quillo;
using quillo::test::RecordingHost;

namespace {

std::string s(const QString& q) { return q.toStdString(); }

// A project whose emulator is the fake one behind an executable wrapper (the
// checked-in script need not carry an execute bit).
struct Setup {
    QTemporaryDir root;
    QString folder;
    QString emulatorRecord;
    QString openerRecord;
    QString emulator;
    QString opener;
    RecordingHost host;

    Setup() {
        folder = root.path() + "/my games/";
        QDir().mkpath(folder);
        emulatorRecord = root.path() + "/emulator.json";
        openerRecord = root.path() + "/opener.json";
        emulator = wrapper("fake emulator", emulatorRecord);
        opener = wrapper("fake-opener", openerRecord);
        qputenv("FAKE_ZXBC_RECORD", (root.path() + "/compiler.json").toUtf8());
        host.config.set(Setting::Suffix, std::string("bas"));
        host.config.set(Setting::CompilerZXB, std::string(QUILLO_TEST_DIR "/fake_zxbc.py"));
        host.config.set(Setting::Emulator, s(emulator));
        Document& d = host.doc;
        d.name = "game";
        d.folder = s(folder);
        d.outputFile = s(folder) + "game";
        d.prgStart = 32768;
        d.heapsize = 4768;
        d.outputType = 1;
        d.inclLdr = 1;
        d.ldrAutostart = 1;
        host.editorWidget->setTextBytes("10 PRINT 1\n20 GOTO 10\n");
    }

    QString wrapper(const QString& name, const QString& record) {
        const QString path = root.path() + "/" + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("#!/bin/sh\nFAKE_EMULATOR_RECORD='%1' exec python3 '%2' \"$@\"\n")
                    .arg(record, QStringLiteral(QUILLO_TEST_DIR "/fake_emulator.py"))
                    .toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return path;
    }

    static QJsonObject read(const QString& record) {
        QFile f(record);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }
    QStringList arguments(const QString& record) const {
        QStringList args;
        for (const QJsonValue& v : read(record).value("argv").toArray()) args << v.toString();
        return args;
    }
    QString file(const char* name) const { return folder + name; }
    // A tape left by an earlier build, as a run without building finds it.
    void leaveTape(const char* name = "game.tap") const {
        QFile f(file(name));
        f.open(QIODevice::WriteOnly);
        f.write("tape");
    }
};

bool build(BuildPipeline& pipeline) {
    QSignalSpy spy(&pipeline, &BuildPipeline::finished);
    return pipeline.build() && spy.wait(30000);
}

bool runEmulator(BuildPipeline& pipeline) {
    QSignalSpy spy(&pipeline, &BuildPipeline::emulatorFinished);
    return pipeline.run() && spy.wait(30000);
}

}  // namespace

class EmulatorLaunchTest : public QObject {
    Q_OBJECT
private slots:
    void init() { qunsetenv("FAKE_ZXBC_EXIT"); }

    void tzxBuildPassesTheTzxFile() {
        Setup t;
        t.host.doc.outputType = 2;
        BuildPipeline pipeline(t.host);
        QVERIFY(build(pipeline));
        t.host.doc.caretPos = 7;
        t.host.editorWidget->setCaretPosition(0);
        QSignalSpy ended(&pipeline, &BuildPipeline::emulatorFinished);
        QVERIFY(runEmulator(pipeline));
        QCOMPARE(t.arguments(t.emulatorRecord), QStringList{t.file("game.tzx")});
        QCOMPARE(Setup::read(t.emulatorRecord).value("cwd").toString() + "/", t.folder);
        QCOMPARE(t.host.output.back(), "\"" + s(t.emulator) + "\" \"" + s(t.file("game.tzx")) + "\"");
        QCOMPARE(t.host.emulatorStates, (std::vector<bool>{true, false}));
        QCOMPARE(t.host.editorWidget->caretPosition(), 7);
        QVERIFY(t.host.messages.empty());
    }

    void runUsesTheTapeOfTheProjectsOutputKind() {
        Setup t;
        t.leaveTape("game.tzx");
        t.host.doc.outputType = 2;
        BuildPipeline pipeline(t.host);
        QVERIFY2(runEmulator(pipeline), "a tape from an earlier run of the program is used");
        QCOMPARE(t.arguments(t.emulatorRecord), QStringList{t.file("game.tzx")});
    }

    void withoutATapeNothingStartsAndTheUserIsToldToBuild() {
        for (const int outputType : {1, 0}) {  // no tape yet; BIN output has none at all
            Setup t;
            t.leaveTape("game.tzx");
            t.host.doc.outputType = static_cast<std::uint8_t>(outputType);
            BuildPipeline pipeline(t.host);
            QVERIFY(!pipeline.run());
            QVERIFY(!pipeline.isEmulatorRunning());
            QVERIFY(!QFile::exists(t.emulatorRecord));
            QCOMPARE(t.host.messages.size(), std::size_t{1});
            QVERIFY(t.host.messages[0].text.find("must be built first") != std::string::npos);
            QVERIFY(t.host.emulatorStates.empty());
        }
    }

    void usedEmulatorChoosesTheSetting() {
        Setup t;
        t.leaveTape();
        t.host.config.set(Setting::Emulator, std::string());
        t.host.config.set(Setting::Emulator3, s(t.emulator));
        t.host.doc.usedEmulator = 3;
        BuildPipeline pipeline(t.host);
        QVERIFY(runEmulator(pipeline));
        QCOMPARE(t.arguments(t.emulatorRecord).size(), 1);
        QCOMPARE(emulatorPath(t.host.config, 5), std::string());
    }

    void emulatorThatCannotStartGoesToTheDesktopOpener() {
        Setup t;
        t.leaveTape();
        t.host.config.set(Setting::Emulator, std::string("/nowhere/emulator"));
        BuildPipeline pipeline(t.host);
        pipeline.emulatorLauncher().setShellOpener(t.opener);
        QVERIFY(runEmulator(pipeline));
        QCOMPARE(t.arguments(t.openerRecord), QStringList{t.file("game.tap")});
        QVERIFY(t.host.messages.empty());
    }

    void noEmulatorAtAllIsReported() {
        for (const char* path : {"", "/nowhere/emulator"}) {
            Setup t;
            t.leaveTape();
            t.host.config.set(Setting::Emulator, std::string(path));
            BuildPipeline pipeline(t.host);
            pipeline.emulatorLauncher().setShellOpener(QStringLiteral("/nowhere/opener"));
            QSignalSpy spy(&pipeline, &BuildPipeline::emulatorFinished);
            QVERIFY(pipeline.run());
            QVERIFY(spy.wait(10000));
            QCOMPARE(spy.first().at(0).toBool(), false);
            QCOMPARE(t.host.messages.size(), std::size_t{1});
            QCOMPARE(t.host.messages[0].title, std::string("Error occured"));
            QCOMPARE(t.host.messages[0].text, std::string("emulator Not started, do you have defined\nthe emulator file?"));
            QCOMPARE(t.host.messages[0].icon, UserMessage::Icon::Error);
            QCOMPARE(t.host.emulatorStates, (std::vector<bool>{true, false}));
        }
    }

    void theWindowStaysResponsiveAndRefusesBuildsMeanwhile() {
        Setup t;
        t.leaveTape();
        qputenv("FAKE_EMULATOR_SECONDS", "0.6");
        BuildPipeline pipeline(t.host);
        QSignalSpy spy(&pipeline, &BuildPipeline::emulatorFinished);
        QVERIFY(pipeline.run());
        QVERIFY(pipeline.isEmulatorRunning());
        QVERIFY(!pipeline.build());
        QVERIFY(!pipeline.run());
        QVERIFY(spy.wait(10000));
        qunsetenv("FAKE_EMULATOR_SECONDS");
        QVERIFY(!pipeline.isBusy());
    }

    void compileAndRunStartsTheEmulatorOnlyAfterSuccess() {
        {
            Setup t;
            BuildPipeline pipeline(t.host);
            QSignalSpy ran(&pipeline, &BuildPipeline::emulatorFinished);
            QVERIFY(pipeline.compileAndRun());
            QVERIFY(ran.wait(30000));
            QCOMPARE(t.arguments(t.emulatorRecord), QStringList{t.file("game.tap")});
        }
        // A failed compile, and a compiler that never started.
        for (const bool missingCompiler : {false, true}) {
            Setup t;
            if (missingCompiler) t.host.config.set(Setting::CompilerZXB, std::string("/nowhere/zxbc"));
            else qputenv("FAKE_ZXBC_EXIT", "1");
            BuildPipeline pipeline(t.host);
            QSignalSpy finished(&pipeline, &BuildPipeline::finished);
            QSignalSpy ran(&pipeline, &BuildPipeline::emulatorFinished);
            QVERIFY(pipeline.compileAndRun());
            QVERIFY(finished.wait(30000));
            QVERIFY(finished.first().at(0).toInt() != 0);
            QTest::qWait(300);
            QCOMPARE(ran.count(), 0);
            QVERIFY(!QFile::exists(t.emulatorRecord));
            qunsetenv("FAKE_ZXBC_EXIT");
        }
    }
};

QUILLO_TEST_MAIN(EmulatorLaunchTest);
#include "emulator_launch_test.moc"
