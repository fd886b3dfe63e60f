#include "pipeline/ui/build_pipeline.h"
#include "common/editor_marks.h"

#include "pipeline/compiler_annotations.h"
#include "pipeline/ui/test_build_host.h"
#include "common/sci_constants.h"
#include "ui_test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace quillo;
using quillo::test::RecordingHost;

namespace {

const QString kFakeCompiler = QStringLiteral(QUILLO_TEST_DIR "/fake_zxbc.py");

std::string s(const QString& q) { return q.toStdString(); }

// A project in a folder whose name has a blank, built with the fake compiler.
struct Project {
    QTemporaryDir root;
    QString folder;
    QString record;
    RecordingHost host;

    explicit Project(const QString& source = QStringLiteral("10 PRINT \"HI\"\n20 GOTO 10\n")) {
        folder = root.path() + "/my games/";
        QDir().mkpath(folder);
        record = root.path() + "/record.json";
        qputenv("FAKE_ZXBC_RECORD", record.toUtf8());
        host.config.set(Setting::Suffix, std::string("bas"));
        host.config.set(Setting::CompilerZXB, s(kFakeCompiler));
        Document& d = host.doc;
        d.name = "game";
        d.folder = s(folder);
        d.outputFile = s(folder) + "game";
        d.prgStart = 32768;
        d.heapsize = 4768;
        d.outputType = 1;
        d.inclLdr = 1;
        d.ldrAutostart = 1;
        d.author = "Tester";
        host.editorWidget->setTextBytes(s(source));
    }

    QJsonObject recorded() const {
        QFile f(record);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }
    QStringList recordedArguments() const {
        QStringList args;
        for (const QJsonValue& v : recorded().value("argv").toArray()) args << v.toString();
        return args;
    }
    std::string file(const char* name) const { return s(folder) + name; }
};

int runBuild(BuildPipeline& pipeline, int timeoutMs = 30000) {
    QSignalSpy spy(&pipeline, &BuildPipeline::finished);
    if (!pipeline.build()) return -100;
    if (!spy.wait(timeoutMs)) return -101;
    return spy.takeFirst().at(0).toInt();
}

int markersAt(RecordingHost& h, int line) {
    return static_cast<int>(h.editorWidget->send(sci::SCI_MARKERGET, static_cast<std::uintptr_t>(line)));
}

int annotationStyle(RecordingHost& h, int line) {
    return static_cast<int>(h.editorWidget->send(sci::SCI_ANNOTATIONGETSTYLE, static_cast<std::uintptr_t>(line)));
}

void clearFakeEnvironment() {
    for (const char* name : {"FAKE_ZXBC_EXIT", "FAKE_ZXBC_MODE", "FAKE_ZXBC_STDERR", "FAKE_ZXBC_FLOOD_MB"})
        qunsetenv(name);
}

}  // namespace

class BuildPipelineTest : public QObject {
    Q_OBJECT
private slots:
    void init() { clearFakeEnvironment(); }
    void cleanup() { clearFakeEnvironment(); }

    void successfulBuildLogsInOrderAndWritesTheTape();
    void compileErrorsMarkOnlyTheCompiledFile();
    void everyExitCodeShowsStandardError_data();
    void everyExitCodeShowsStandardError();
    void staleOutputIsNotTakenForThisBuild();
    void assemblerAndBackEndOutputAreNoCode();
    void aCopyThatCannotBeWrittenEndsTheBuild();
    void optionsReachTheCompilerAsSeparateArguments();
    void eachOptionReachesTheCompiler_data();
    void eachOptionReachesTheCompiler();
    void compilerPathWithBlanksAndSecondaryCompiler();
    void missingCompilerIsReportedAndNotSuccess();
    void hangingCompilerCanBeStoppedWhileTheLoopRuns();
    void megabytesOfOutputDoNotStallTheBuild();
    void buildWorksOnItsOwnCopyOfTheDocument();
    void versionCheck();
};

void BuildPipelineTest::successfulBuildLogsInOrderAndWritesTheTape() {
    Project p(QStringLiteral("10 PRINT 1\n' fake-stderr: {file}:1: warning: Infinite empty loop\n"
                             "' fake-size: 200\n"));
    p.host.doc.displayMap = 1;
    BuildPipeline pipeline(p.host);
    QCOMPARE(runBuild(pipeline), 0);

    const std::string source = p.file("game.bas");
    const std::string copy = p.file("temp.bas");
    const std::vector<std::string> expectedStart = {
        "Compilation starts(4 Lines) ",  // three lines and the empty one after the last line end
        "Source " + source + " saved",
        s(kFakeCompiler) + " " + pipeline.argumentText(),
        "Exit code: 0",
        copy + ":1: warning: Infinite empty loop",
        "Done: Compilation successfull",
    };
    const std::vector<std::string> plain = p.host.plainOutput();
    QVERIFY2(plain.size() >= expectedStart.size() + 1, p.host.outputText().c_str());
    for (std::size_t i = 0; i < expectedStart.size(); ++i)
        QVERIFY2(plain[i] == expectedStart[i], (plain[i] + " | " + expectedStart[i]).c_str());
    QVERIFY(plain[expectedStart.size()].rfind("Compilation time: ", 0) == 0);
    QVERIFY(isLogLine(p.host.output[0]));
    QVERIFY2(!isLogLine(p.host.output[4]), "the compiler's own text carries no prefix");

    QCOMPARE(pipeline.argumentText(), "\"" + copy + "\" -S 32768 -o \"" + p.file("game.bin") + "\" -O 0 ");
    QCOMPARE(p.recorded().value("cwd").toString() + "/", p.folder);
    QCOMPARE(p.recordedArguments(), (QStringList{QString::fromStdString(copy), "-S", "32768", "-o",
                                                 QString::fromStdString(p.file("game.bin")), "-O", "0"}));
    QCOMPARE(readFile(copy)->size(), p.host.editorWidget->textBytes().size());
    QVERIFY(!p.host.editorWidget->isModified());

    QCOMPARE(markersAt(p.host, 0), 1 << marker::Warning);
    QCOMPARE(annotationText(*p.host.editorWidget, 0), std::string("Warning: Infinite empty loop"));
    QCOMPARE(annotationStyle(p.host, 0), kWarningAnnotationStyle);
    QVERIFY(p.host.messages.empty());

    const BuildReport& r = pipeline.lastReport();
    QVERIFY(r.compiledFileWritten);
    QVERIFY(r.tapeWritten);
    QCOMPARE(r.tapePath, p.file("game.tap"));
    QCOMPARE(pipeline.tapeExtension(), std::string(".tap"));
    QCOMPARE(r.freeBytes, 65535 - (32768 + 200 + 4768 - 94));
    QCOMPARE(p.host.freeMemory, std::vector<std::int32_t>{r.freeBytes});
    QCOMPARE(p.host.doc.freeMemory, r.freeBytes);
    QCOMPARE(p.host.memoryMaps, 1);
    QCOMPARE(p.host.busyStates, (std::vector<bool>{true, false}));
    QCOMPARE(p.host.statuses, (std::vector<std::string>{"Compiling...", ""}));
    QCOMPARE(p.host.map->at(32768), RegionType::Compilat);
    QCOMPARE(p.host.map->at(0), RegionType::Rom);
    QVERIFY2(fileExists(p.file("game.bmi")), "the binary list is saved beside the output");
}

void BuildPipelineTest::compileErrorsMarkOnlyTheCompiledFile() {
    Project p(QStringLiteral("10 PRINT\n20 LET a = \n30 GOTO 10\n"
                             "' fake-stderr: {file}:2: error: Unexpected end of line\n"
                             "' fake-stderr: {file}:3: warning: [W100] Using default implicit type 'float' for 'a'\n"
                             "' fake-stderr: sub/inc.bas:2: error: Unexpected end of line\n"
                             "' fake-stderr: {file}:2: warning: later\n"
                             "' fake-exit: 1\n"));
    BuildPipeline pipeline(p.host);
    QCOMPARE(runBuild(pipeline), 1);

    QVERIFY(p.host.hasLine(": Compilation failed"));
    QVERIFY2(p.host.hasLine("sub/inc.bas:2: error: Unexpected end of line"), "shown, not marked");
    QVERIFY2(!p.host.hasLine("FAIL: Compiler cannot write output file in directory (Protected Or does Not exist?)"),
             "after errors no output is expected");
    QCOMPARE(markersAt(p.host, 1), (1 << marker::Error) | (1 << marker::Warning));
    QCOMPARE(markersAt(p.host, 2), 1 << marker::Warning);
    QCOMPARE(markersAt(p.host, 0), 0);
    QCOMPARE(annotationText(*p.host.editorWidget, 1), std::string("Error: Unexpected end of line\nWarning: later"));
    QCOMPARE(annotationStyle(p.host, 1), kErrorAnnotationStyle);
    QCOMPARE(annotationStyle(p.host, 2), kWarningAnnotationStyle);
    // The caret goes to the first marked line.
    QCOMPARE(p.host.editorWidget->send(sci::SCI_LINEFROMPOSITION,
                                       static_cast<std::uintptr_t>(p.host.editorWidget->caretPosition())),
             1);
    QCOMPARE(pipeline.lastReport().messages.size(), std::size_t{3});

    QCOMPARE(p.host.messages.size(), std::size_t{1});
    QCOMPARE(p.host.messages[0].title, std::string("Errors occured"));
    QCOMPARE(p.host.messages[0].text, std::string("Compilation failed..."));
    QCOMPARE(p.host.messages[0].icon, UserMessage::Icon::Error);
    QVERIFY(!fileExists(p.file("game.tap")));

    // A following clean build takes the old markers and boxes away.
    p.host.editorWidget->setTextBytes("10 PRINT 1\n");
    QCOMPARE(runBuild(pipeline), 0);
    QCOMPARE(markersAt(p.host, 1), 0);
    QCOMPARE(annotationText(*p.host.editorWidget, 1), std::string());
}

void BuildPipelineTest::everyExitCodeShowsStandardError_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("marks");
    QTest::newRow("0") << 0 << "{file}:1: warning: fine" << true;
    QTest::newRow("1") << 1 << "{file}:1: error: broken" << true;
    QTest::newRow("2") << 2 << "zxbc.py: error: No such file or directory: 'missing.bas'" << false;
    QTest::newRow("5") << 5 << "{file}:1: error: Invalid instruction" << true;
}

void BuildPipelineTest::everyExitCodeShowsStandardError() {
    QFETCH(int, code);
    QFETCH(QString, line);
    QFETCH(bool, marks);
    Project p(QStringLiteral("10 PRINT 1\n' fake-stderr: %1\n' fake-exit: %2\n").arg(line).arg(code));
    BuildPipeline pipeline(p.host);
    QCOMPARE(runBuild(pipeline), code);
    const std::string shown = s(QString(line).replace("{file}", QString::fromStdString(p.file("temp.bas"))));
    QVERIFY2(p.host.hasLine(shown), p.host.outputText().c_str());
    QVERIFY(p.host.hasLine("Exit code: " + std::to_string(code)));
    QCOMPARE(markersAt(p.host, 0) != 0, marks);
    QCOMPARE(p.host.messages.size(), std::size_t{code == 0 ? 0u : 1u});
    QCOMPARE(pipeline.lastReport().tapeWritten, code == 0);
}

void BuildPipelineTest::staleOutputIsNotTakenForThisBuild() {
    Project p(QStringLiteral("10 PRINT\n' fake-exit: 1\n"));
    writeFileAtomic(p.file("game.bin"), std::string(500, 'x'));
    writeFileAtomic(p.file("game.tap"), std::string("old tape"));
    BuildPipeline pipeline(p.host);
    QCOMPARE(runBuild(pipeline), 1);
    QVERIFY(!fileExists(p.file("game.bin")));
    // No tape from an old binary.
    QCOMPARE(readFile(p.file("game.tap"))->size(), std::size_t{8});
    QCOMPARE(p.host.map->at(32768), RegionType::Free);
}

void BuildPipelineTest::assemblerAndBackEndOutputAreNoCode() {
    {
        Project p;
        p.host.doc.outputType = 3;
        p.host.doc.prgStart = 65000;  // far too high for the text the compiler writes
        BuildPipeline pipeline(p.host);
        QCOMPARE(runBuild(pipeline), 0);
        for (const std::string& line : p.host.plainOutput()) QVERIFY2(line.find("FAIL") == std::string::npos, line.c_str());
        QCOMPARE(p.host.map->at(65000), RegionType::Free);
        QVERIFY(!pipeline.lastReport().runnable);
    }
    {
        Project p;
        p.host.doc.backend = 1;
        p.host.config.set(Setting::Emulator, std::string("/nowhere/emulator"));
        BuildPipeline pipeline(p.host);
        QSignalSpy ran(&pipeline, &BuildPipeline::emulatorFinished);
        QSignalSpy done(&pipeline, &BuildPipeline::finished);
        QVERIFY(pipeline.compileAndRun());
        QVERIFY(done.wait(30000));
        QVERIFY(p.host.hasLine("Back-end code written to " + p.file("game.bin") + "; no tape is made from it"));
        QVERIFY(!fileExists(p.file("game.tap")));
        QVERIFY(!pipeline.isEmulatorRunning());
        QTest::qWait(100);
        QCOMPARE(ran.count(), 0);
        QCOMPARE(p.host.map->at(32768), RegionType::Free);
    }
}

void BuildPipelineTest::aCopyThatCannotBeWrittenEndsTheBuild() {
    Project p;
    p.host.failingSaves.insert(p.file("temp.bas"));
    BuildPipeline pipeline(p.host);
    const int code = runBuild(pipeline);
    QVERIFY2(code == BuildPipeline::kNotStarted, p.host.outputText().c_str());
    QVERIFY2(!QFile::exists(p.record), "the compiler never ran");
    int failLines = 0;
    for (const std::string& line : p.host.plainOutput()) failLines += line.find("FAIL") != std::string::npos;
    QCOMPARE(failLines, 1);
    QVERIFY(p.host.hasLine("FAIL: cannot write source in temporary directory (directory exists?)"));
    QCOMPARE(p.host.messages.size(), std::size_t{1});
    QVERIFY(p.host.messages[0].text.find(p.file("temp.bas")) != std::string::npos);
    QCOMPARE(p.host.busyStates, (std::vector<bool>{true, false}));
    QVERIFY(!pipeline.isBuilding());
}

void BuildPipelineTest::optionsReachTheCompilerAsSeparateArguments() {
    Project p;
    Document& d = p.host.doc;
    d.optimisation = 2;
    d.specialLib = 1;
    d.heapsize = 2048;
    d.backend = 1;
    d.arrayBase = 1;
    d.outputType = 3;
    d.debug = 1;
    BuildPipeline pipeline(p.host);
    QCOMPARE(runBuild(pipeline), 0);
    QCOMPARE(p.recordedArguments(),
             (QStringList{QString::fromStdString(p.file("temp.bas")), "-S", "32768", "-A", "-d", "-o",
                          QString::fromStdString(p.file("game.asm")), "-O", "2", "--sinclair", "--array-base=1",
                          "--heap-size=2048", "--emit-backend"}));
    QVERIFY(p.host.hasLine("WARNING: deprecated flag --asm (use -f asm or --output-format=asm instead)"));
    QVERIFY(pipeline.lastReport().compiledFileWritten);
    QVERIFY2(pipeline.lastReport().tapePath.empty(), "no tape for ASM");
    QVERIFY(pipeline.tapeExtension().empty());
}

void BuildPipelineTest::eachOptionReachesTheCompiler_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("arguments");  // what follows the output path
    QTest::addColumn<QString>("text");           // what follows the quoted output path
    QTest::newRow("defaults") << "" << QStringList{"-O", "0"} << " -O 0 ";
    QTest::newRow("level 1") << "optimisation=1" << QStringList{"-O", "1"} << " -O 1 ";
    QTest::newRow("level 3") << "optimisation=3" << QStringList{"-O", "3"} << " -O 3 ";
    QTest::newRow("library") << "specialLib=1" << QStringList{"-O", "0", "--sinclair"} << " -O 0  --sinclair";
    QTest::newRow("array base") << "arrayBase=1" << QStringList{"-O", "0", "--array-base=1"} << " -O 0  --array-base=1";
    QTest::newRow("string base") << "stringBase=2" << QStringList{"-O", "0", "--string-base=2"} << " -O 0  --string-base=2";
    QTest::newRow("heap 4768") << "heapsize=4768" << QStringList{"-O", "0"} << " -O 0 ";
    QTest::newRow("heap 0") << "heapsize=0" << QStringList{"-O", "0", "--heap-size=0"} << " -O 0  --heap-size=0";
    QTest::newRow("break") << "enableBreak=1" << QStringList{"-O", "0", "--enable-break"} << " -O 0  --enable-break";
    QTest::newRow("memory") << "memoryCheck=1" << QStringList{"-O", "0", "--debug-memory"} << " -O 0  --debug-memory";
    QTest::newRow("array") << "arrayCheck=1" << QStringList{"-O", "0", "--debug-array"} << " -O 0  --debug-array";
    QTest::newRow("bool") << "strictBool=1" << QStringList{"-O", "0", "--strict-bool"} << " -O 0  --strict-bool";
    QTest::newRow("backend") << "backend=1" << QStringList{"-O", "0", "--emit-backend"} << " -O 0  --emit-backend";
    QTest::newRow("explicit") << "explicit=1" << QStringList{"-O", "0", "--explicit"} << " -O 0  --explicit";
}

void BuildPipelineTest::eachOptionReachesTheCompiler() {
    QFETCH(QString, option);
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    Project p;
    Document& d = p.host.doc;
    const QStringList pair = option.split('=');
    const int value = pair.size() == 2 ? pair[1].toInt() : 0;
    const QString key = pair[0];
    if (key == "optimisation") d.optimisation = static_cast<std::uint8_t>(value);
    if (key == "specialLib") d.specialLib = value;
    if (key == "arrayBase") d.arrayBase = value;
    if (key == "stringBase") d.stringBase = value;
    if (key == "heapsize") d.heapsize = value;
    if (key == "enableBreak") d.enableBreak = 1;
    if (key == "memoryCheck") d.memoryCheck = 1;
    if (key == "arrayCheck") d.arrayCheck = 1;
    if (key == "strictBool") d.strictBool = 1;
    if (key == "backend") d.backend = 1;
    if (key == "explicit") d.explicit_ = 1;
    BuildPipeline pipeline(p.host);
    QCOMPARE(runBuild(pipeline), 0);
    QCOMPARE(p.recordedArguments().mid(5), arguments);
    const std::string outputPath = "\"" + p.file("game.bin") + "\"";
    const std::string& shown = pipeline.argumentText();
    QCOMPARE(shown.substr(shown.find(outputPath) + outputPath.size()), s(text));
}

void BuildPipelineTest::compilerPathWithBlanksAndSecondaryCompiler() {
    Project p;
    const QString spaced = p.root.path() + "/zx basic/fake zxbc.py";
    QDir().mkpath(p.root.path() + "/zx basic");
    QVERIFY(QFile::copy(kFakeCompiler, spaced));
    p.host.config.set(Setting::CompilerZXB, std::string("/nowhere/zxbc"));
    p.host.config.set(Setting::CompilerZXB2, s(spaced));
    p.host.config.set(Setting::Used_Compiler, 1);
    BuildPipeline pipeline(p.host);
    QCOMPARE(runBuild(pipeline), 0);
    QVERIFY(p.host.hasLine(s(spaced) + " " + pipeline.argumentText()));
    QCOMPARE(p.recordedArguments().first(), QString::fromStdString(p.file("temp.bas")));
}

void BuildPipelineTest::missingCompilerIsReportedAndNotSuccess() {
    for (const char* compiler : {"/nowhere/zxbc", "/nowhere/zxbc.py", ""}) {
        Project p;
        p.host.config.set(Setting::CompilerZXB, std::string(compiler));
        BuildPipeline pipeline(p.host);
        QCOMPARE(runBuild(pipeline), BuildPipeline::kNotStarted);
        QCOMPARE(p.host.messages.size(), std::size_t{1});
        QCOMPARE(p.host.messages[0].title, std::string("Error occured"));
        QCOMPARE(p.host.messages[0].text,
                 std::string("Compiler Not started, do you have defined\nthe ZXB Compiler file?"));
        QVERIFY(!p.host.hasLine("FAIL: Compiler cannot write output file in directory (Protected Or does Not exist?)"));
        QCOMPARE(p.host.busyStates, (std::vector<bool>{true, false}));
        QVERIFY(!pipeline.isBuilding());
    }
}

void BuildPipelineTest::hangingCompilerCanBeStoppedWhileTheLoopRuns() {
    Project p;
    qputenv("FAKE_ZXBC_MODE", "hang");
    BuildPipeline pipeline(p.host);
    QSignalSpy finished(&pipeline, &BuildPipeline::finished);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(10);
    QVERIFY(pipeline.build());
    QVERIFY(pipeline.isBuilding());
    QVERIFY2(!pipeline.build(), "one build at a time");
    QTest::qWait(500);
    QVERIFY2(ticks >= 20, "timers keep firing while the compiler runs");
    // The fake has started (its record is written before it prints) and had
    // time to print its line.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(p.record), 20000);
    QTest::qWait(300);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(p.host.statuses.back(), std::string("Compiling..."));

    QElapsedTimer clock;
    clock.start();
    pipeline.stop();
    QVERIFY(finished.wait(5000));
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(finished.first().at(0).toInt(), BuildPipeline::kStopped);
    QVERIFY(p.host.hasLine("FAIL: Compilation stopped"));
    QVERIFY(p.host.hasLine("compiling forever"));
    QVERIFY(!pipeline.isBuilding());
    QCOMPARE(p.host.busyStates.back(), false);
    QVERIFY(p.host.messages.empty());

    qunsetenv("FAKE_ZXBC_MODE");
    // The pipeline builds again afterwards.
    QCOMPARE(runBuild(pipeline), 0);
}

void BuildPipelineTest::megabytesOfOutputDoNotStallTheBuild() {
    Project p;
    qputenv("FAKE_ZXBC_MODE", "flood");
    qputenv("FAKE_ZXBC_FLOOD_MB", "4");
    BuildPipeline pipeline(p.host);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(runBuild(pipeline, 60000), 0);
    std::size_t floodLines = 0;
    for (const std::string& l : p.host.output)
        if (l.size() == 99 && l.front() == 'x') ++floodLines;
    // Standard output twice (the second time its first line behind the log
    // prefix), standard error once.
    QCOMPARE(floodLines, std::size_t{3 * 4 * 10486 - 1});
    QVERIFY(pipeline.lastReport().tapeWritten);
    qInfo("4 MB on each stream took %lld ms", static_cast<long long>(clock.elapsed()));
}

void BuildPipelineTest::buildWorksOnItsOwnCopyOfTheDocument() {
    Project p(QStringLiteral("10 PRINT 1\n"));
    qputenv("FAKE_ZXBC_MODE", "hang");
    BuildPipeline pipeline(p.host);
    QSignalSpy finished(&pipeline, &BuildPipeline::finished);
    QVERIFY(pipeline.build());
    QTest::qWait(200);
    // The user changes the panel while the compiler runs.
    p.host.doc.outputType = 0;
    p.host.doc.outputFile = p.file("other");
    pipeline.stop();
    QVERIFY(finished.wait(5000));
    qunsetenv("FAKE_ZXBC_MODE");

    p.host.doc.outputType = 1;
    p.host.doc.outputFile = p.file("game");
    QSignalSpy again(&pipeline, &BuildPipeline::finished);
    QVERIFY(pipeline.build());
    p.host.doc.outputType = 0;
    p.host.doc.outputFile = p.file("other");
    QVERIFY(again.wait(30000));
    QVERIFY(fileExists(p.file("game.tap")));
    QVERIFY(!fileExists(p.file("other.bin")));
}

void BuildPipelineTest::versionCheck() {
    Project p;
    BuildPipeline pipeline(p.host);
    QSignalSpy spy(&pipeline, &BuildPipeline::versionChecked);
    pipeline.checkVersion();
    QVERIFY(spy.wait(20000));
    const std::string expected = "ZX Basic Compiler version: zxbc.py 1.17.2 (at least version 1.3.0 s975 is needed)";
    QCOMPARE(spy.first().at(0).toString().toStdString(), expected);
    // No log prefix.
    QCOMPARE(p.host.output.back(), expected);
    QCOMPARE(p.recordedArguments(), QStringList{"--version"});

    for (const char* missing : {"", "/nowhere/zxbc"}) {
        p.host.output.clear();
        p.host.config.set(Setting::CompilerZXB, std::string(missing));
        pipeline.checkVersion();
        QCOMPARE(p.host.output, std::vector<std::string>{"ZX Basic Compiler not found"});
    }

    p.host.output.clear();
    p.host.config.set(Setting::CompilerZXB2, s(kFakeCompiler));
    p.host.config.set(Setting::Used_Compiler, 1);
    pipeline.checkVersion();
    QVERIFY(spy.wait(20000));
    QCOMPARE(p.host.output.size(), std::size_t{1});
}

QUILLO_TEST_MAIN(BuildPipelineTest);
#include "build_pipeline_test.moc"
