#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>

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
    answers_.push_back([button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) return false;
        if (QAbstractButton* b = box->button(button)) b->click();
        else box->reject();
        return true;
    });
}

void ModalAnswerer::answerFile(const QString& path) {
    answers_.push_back([path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) return false;
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(path);
            // selectFile() leaves the name field alone while it has the focus.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(path);
            // done() skips the requester's own checks, which race with its
            // background folder listing; the code under test checks the file.
            QMetaObject::invokeMethod(dialog, "done", Q_ARG(int, QDialog::Accepted));
        }
        return true;
    });
}

QStringList ModalAnswerer::titles() const {
    QStringList list;
    for (const SeenDialog& d : seen_) list << d.title;
    return list;
}

void ModalAnswerer::poll() {
    // The newest visible dialog that nobody answered yet.
    QWidget* modal = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !qobject_cast<QDialog*>(w) || w->property("quilloAnswered").toBool()) continue;
        modal = w;
    }
    if (!modal) return;
    // Give the dialog a moment to settle (a file requester lists its folder
    // in the background) before answering it.
    const int ticks = modal->property("quilloTicks").toInt() + 1;
    modal->setProperty("quilloTicks", ticks);
    if (ticks < 5) return;
    modal->setProperty("quilloAnswered", true);
    SeenDialog seen;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen = {QStringLiteral("message"), box->windowTitle(), box->text()};
    } else {
        seen = {QStringLiteral("file"), modal->windowTitle(), {}};
    }
    seen_.push_back(seen);
    if (!answers_.empty() && answers_.front()(modal)) {
        answers_.pop_front();
        return;
    }
    QMetaObject::invokeMethod(modal, "reject");
}

}  // namespace quillo::test
