#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace quillo::test {

TempHome::TempHome(bool withHelp) {
    qputenv("QUILLO_HOME", dir_.path().toUtf8());
    if (withHelp) QDir(dir_.path()).mkpath(QStringLiteral("Quillo_Help"));
}

TempHome::~TempHome() { qunsetenv("QUILLO_HOME"); }

void TempHome::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    QDir().mkpath(QFileInfo(f).absolutePath());
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray TempHome::read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ModalAnswerer::ModalAnswerer() {
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start(10);
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::answerMessage(QMessageBox::StandardButton button) {
    answer<QMessageBox>([button](QMessageBox* box) {
        if (QAbstractButton* b = box->button(button)) b->click();
        else box->reject();
    });
}

void ModalAnswerer::answerFile(const QString& path) {
    answer<QFileDialog>([path](QFileDialog* dialog) {
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        // selectFile() leaves the name field alone while it has the focus.
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(path);
        // done() skips the requester's own checks, which race with its
        // background folder listing; the code under test checks the file.
        QMetaObject::invokeMethod(dialog, "done", Q_ARG(int, QDialog::Accepted));
    });
}

QStringList ModalAnswerer::titles() const {
    QStringList list;
    for (const SeenDialog& d : seen_) list << d.title;
    return list;
}

namespace {

SeenDialog describe(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        return {QStringLiteral("message"), box->windowTitle(), box->text(), box->icon()};
    if (qobject_cast<QFileDialog*>(modal)) return {QStringLiteral("file"), modal->windowTitle(), {}};
    return {QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(), {}};
}

void rejectOrClose(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    else modal->close();
}

}  // namespace

void ModalAnswerer::poll() {
    // A widget answered earlier counts as new once it was closed, should it be
    // shown again.
    std::erase_if(answered_, [](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
    // The modal widget on top is the newest one; those under it wait for it.
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || std::find(answered_.begin(), answered_.end(), modal) != answered_.end())
        return;
    // Give it a moment to settle (a file requester lists its folder in the
    // background) before answering it.
    if (settling_ != modal) {
        settling_ = modal;
        settleTicks_ = 0;
    }
    if (++settleTicks_ < 5) return;
    answered_.emplace_back(modal);
    seen_.push_back(describe(modal));
    std::function<void(QWidget*)> act = rejectOrClose;
    if (!answers_.empty() && answers_.front().fits(modal)) {
        act = std::move(answers_.front().act);
        answers_.pop_front();
    }
    // Outside this timer's slot, so the timer keeps polling while the answer
    // waits in a modal widget it opens.
    QMetaObject::invokeMethod(
        this, [modal = QPointer<QWidget>(modal), act = std::move(act)] {
            if (modal) act(modal);
            // A failed check returns from the answer early: close what it
            // left open so the test fails instead of hanging.
            if (modal && modal->isVisible()) rejectOrClose(modal);
        },
        Qt::QueuedConnection);
}

QPushButton* buttonNamed(QWidget* parent, const QString& caption, QWidget* within) {
    for (QPushButton* b : parent->findChildren<QPushButton*>())
        if (b->text() == caption && (!within || within->isAncestorOf(b))) return b;
    return nullptr;
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

}  // namespace quillo::test
