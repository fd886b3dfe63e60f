#pragma once
// Helpers for the window tests: a private program folder, answers to the real
// modal widgets (message boxes, file requesters, the program's own dialogs)
// the code under test opens.
#include <QLatin1String>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
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
    Q_OBJECT
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

// The push button with this caption among a widget's children.
QPushButton* buttonNamed(QWidget* parent, const QString& caption, QWidget* within = nullptr);

}  // namespace quillo::test
