#pragma once
// Helpers for the window tests: a private program folder, answers to the real
// modal widgets (message boxes, file requesters, the program's own dialogs)
// the code under test opens, and the registration that lets one test binary
// hold several test classes.
#include <QApplication>
#include <QCoreApplication>
#include <QLatin1String>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

namespace quillo::test {

// A fresh program folder in QUILLO_HOME, removed at the end of the test.
class TempHome {
public:
    explicit TempHome(bool withHelp = true);
    ~TempHome();
    QString path() const { return dir_.path() + '/'; }
    QString file(const QString& name) const { return path() + name; }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// What a modal widget showed, recorded when it was answered.
struct SeenDialog {
    QString kind;   // "message", "file", or the class name of any other modal widget
    QString title;
    QString text;   // a message box's text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers modal widgets in the order they appear. Each answer...() queues one
// answer; a modal widget nobody expected, or not of the type the next answer
// wants, is rejected and recorded, so a test can tell it appeared and never
// hangs on it. Modal widgets run their own event loop, so answers run from a
// timer; they run outside the poll, so an answer may open further modal
// widgets for the answers queued after it (or queued by it).
class ModalAnswerer : public QObject {
public:
    ModalAnswerer();
    ~ModalAnswerer() override;

    // Clicks this button of the next message box; without that button the box is rejected.
    void answerMessage(QMessageBox::StandardButton button = QMessageBox::Ok);
    // Chooses this path in the next file requester; an empty path cancels.
    void answerFile(const QString& path);
    // Hands the next modal widget to action if it is a T; action closes it
    // (accept, reject, click a button), else it is rejected afterwards.
    template <typename T>
    void answer(std::function<void(T*)> action) {
        answers_.push_back({[](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                            [action = std::move(action)](QWidget* w) { action(static_cast<T*>(w)); }});
    }

    const std::vector<SeenDialog>& seen() const { return seen_; }
    int pending() const { return static_cast<int>(answers_.size()); }
    QStringList titles() const;
    void clear() { seen_.clear(); }

private:
    struct Answer {
        std::function<bool(QWidget*)> fits;
        std::function<void(QWidget*)> act;
    };
    void poll();

    std::deque<Answer> answers_;
    std::vector<SeenDialog> seen_;
    std::vector<QPointer<QWidget>> answered_;  // still open after their answer began
    QPointer<QWidget> settling_;
    int settleTicks_ = 0;
    QTimer timer_;
};

template <typename T>
T* child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QLatin1String(name));
}

// A mouse event at a point of the widget, sent straight to it.
void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held);

// The push button with this caption among a widget's children.
QPushButton* buttonNamed(QWidget* parent, const QString& caption, QWidget* within = nullptr);

// A window test binary holds the test classes of one folder: each file
// registers its class under its file name (memory_map_window_test), and the
// binary's first argument picks the class to run; the options after it go to
// Qt Test. Without a class name it runs every class, each in a process of its
// own, as each needs an application object of its own.
using TestClassRunner = int (*)(int argc, char** argv);
bool registerTestClass(const char* sourceFile, TestClassRunner run);

}  // namespace quillo::test

// What QTEST_MAIN's main() does, for one class.
#define QUILLO_TEST_CLASS_RUNNER(TestObject, ...)             \
    [](int argc, char** argv) -> int {                        \
        QTest::Internal::callInitMain<TestObject>();          \
        __VA_ARGS__                                           \
        TestObject tc;                                        \
        QTEST_SET_MAIN_SOURCE_PATH                            \
        return QTest::qExec(&tc, argc, argv);                 \
    }

// In place of QTEST_MAIN and QTEST_GUILESS_MAIN.
#define QUILLO_TEST_MAIN(TestObject)                                 \
    [[maybe_unused]] static const bool quilloTestClassRegistered =   \
        ::quillo::test::registerTestClass(__FILE__, QUILLO_TEST_CLASS_RUNNER(TestObject, QTEST_MAIN_SETUP()))
#define QUILLO_TEST_GUILESS_MAIN(TestObject)                         \
    [[maybe_unused]] static const bool quilloTestClassRegistered =   \
        ::quillo::test::registerTestClass(__FILE__,                  \
                                          QUILLO_TEST_CLASS_RUNNER(TestObject, QTEST_QAPP_SETUP(QCoreApplication)))
