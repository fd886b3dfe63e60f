#pragma once
// Helpers for the window tests: a private program folder, and answers to the
// real modal dialogs (message boxes, file requesters) the code under test opens.
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <deque>
#include <string>

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

struct SeenDialog {
    QString kind;  // "message" or "file"
    QString title;
    QString text;
};

// Answers modal dialogs in the order they appear. Each expect...() queues one
// answer; a dialog nobody expected is rejected and recorded, so a test can
// tell it appeared.
class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    ModalAnswerer();
    ~ModalAnswerer() override;

    void answerMessage(QMessageBox::StandardButton button);
    // Chooses this path in the next file requester; an empty path cancels.
    void answerFile(const QString& path);

    const std::vector<SeenDialog>& seen() const { return seen_; }
    int pending() const { return static_cast<int>(answers_.size()); }
    QStringList titles() const;
    void clear() { seen_.clear(); }

private:
    void poll();
    std::deque<std::function<bool(QWidget*)>> answers_;
    std::vector<SeenDialog> seen_;
    QTimer timer_;
};

}  // namespace quillo::test
