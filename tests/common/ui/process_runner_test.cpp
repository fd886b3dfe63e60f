#include "common/ui/process_runner.h"

#include "ui_test_support.h"

#include <QSignalSpy>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillo;

namespace {

using Outcome = ProcessRunner::Outcome;

void waitFor(ProcessRunner& runner, QSignalSpy& finished) {
    if (finished.isEmpty()) QVERIFY(finished.wait(10000));
    QVERIFY(!runner.isRunning());
}

}  // namespace

class ProcessRunnerTest : public QObject {
    Q_OBJECT
private slots:
    void linesOfBothStreamsAndTheExitCode() {
        ProcessRunner runner;
        QSignalSpy finished(&runner, &ProcessRunner::finished);
        QSignalSpy lines(&runner, &ProcessRunner::lineRead);
        runner.start("sh", {"-c", "printf 'one\\r\\n\\ntwo\\rthree'; printf 'e1\\n\\ne2' >&2; exit 3"}, "/tmp");
        QVERIFY(runner.isRunning());
        waitFor(runner, finished);
        QCOMPARE(finished.first().at(0).value<Outcome>(), Outcome::Exited);
        QCOMPARE(finished.first().at(1).toInt(), 3);
        // Empty standard-output lines are dropped; standard error keeps them.
        QCOMPARE(runner.outputLines().lines(), (std::vector<std::string>{"one", "two", "three"}));
        QCOMPARE(runner.errorLines().lines(), (std::vector<std::string>{"e1", "", "e2"}));
        QCOMPARE(lines.count(), 6);
    }

    void workingFolderAndArgumentsWithBlanks() {
        ProcessRunner runner;
        QSignalSpy finished(&runner, &ProcessRunner::finished);
        runner.start("sh", {"-c", "pwd; printf '%s\\n' \"$1\"", "sh", "a \"quoted\" arg"}, "/usr/share");
        waitFor(runner, finished);
        QCOMPARE(runner.outputLines().lines(), (std::vector<std::string>{"/usr/share", "a \"quoted\" arg"}));
    }

    void aProgramThatCannotStartReportsAfterStartReturns() {
        ProcessRunner runner;
        QSignalSpy finished(&runner, &ProcessRunner::finished);
        runner.start("/nowhere/compiler", {}, {});
        QCOMPARE(finished.count(), 0);
        waitFor(runner, finished);
        QCOMPARE(finished.first().at(0).value<Outcome>(), Outcome::FailedToStart);
    }

    void stopAndCrash() {
        ProcessRunner runner;
        QSignalSpy finished(&runner, &ProcessRunner::finished);
        runner.start("sh", {"-c", "echo started; exec sleep 60"}, {});
        QTRY_COMPARE_WITH_TIMEOUT(runner.outputLines().size(), std::size_t{1}, 10000);
        runner.stop();
        waitFor(runner, finished);
        QCOMPARE(finished.first().at(0).value<Outcome>(), Outcome::Stopped);

        finished.clear();
        runner.start("sh", {"-c", "exec sleep 60"}, {});
        runner.stop();  // at once, while it may still be starting
        waitFor(runner, finished);
        QCOMPARE(finished.first().at(0).value<Outcome>(), Outcome::Stopped);

        finished.clear();
        runner.start("sh", {"-c", "kill -9 $$"}, {});
        waitFor(runner, finished);
        QCOMPARE(finished.first().at(0).value<Outcome>(), Outcome::Crashed);
    }

    void aDetachedProgramReportsItsEndAndOutlivesTheRunner() {
        QTemporaryDir dir;
        const QString mark = dir.filePath("alive");
        {
            ProcessRunner runner;
            runner.setDetachedOutput(true);
            QSignalSpy finished(&runner, &ProcessRunner::finished);
            runner.start("sh", {"-c", "sleep 0.2"}, {});
            QVERIFY(runner.isRunning());
            waitFor(runner, finished);
            QCOMPARE(finished.first().at(0).value<Outcome>(), Outcome::Exited);

            runner.start("sh", {"-c", "sleep 1; touch \"$0\"", mark.toStdString()}, {});
        }  // the runner goes; the program must not
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark), 10000);
    }
};

QUILLO_TEST_GUILESS_MAIN(ProcessRunnerTest);
#include "process_runner_test.moc"
