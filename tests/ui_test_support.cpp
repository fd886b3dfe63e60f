#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>

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
            QMetaObject::invokeMethod(dialog, "accept");
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
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    // Answer each dialog once: wait until it is gone before the next poll acts.
    if (modal->property("quilloAnswered").toBool()) return;
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
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
}

}  // namespace quillo::test
