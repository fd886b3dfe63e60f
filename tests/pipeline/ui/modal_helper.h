#pragma once
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace quillo::test {

// Runs action once on the next modal window of type T that becomes active:
// modal dialogs run their own event loop, so the test acts from a timer.
template <typename T>
void whenModal(std::function<void(T*)> action, QWidget* skip = nullptr) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action, skip] {
        auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!widget || widget == skip || !widget->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        action(widget);
    });
    timer->start();
}

// What a message box showed, captured before it is answered.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;
};

// Answers the next message box with the given button and records it.
inline void answerMessageBox(SeenBox& seen, QMessageBox::StandardButton button = QMessageBox::Ok) {
    whenModal<QMessageBox>([&seen, button](QMessageBox* box) {
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        ++seen.count;
        box->button(button)->click();
    });
}

template <typename T>
T* child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QLatin1String(name));
}

// The push button with this caption among a widget's children.
inline QPushButton* buttonNamed(QWidget* parent, const QString& caption, QWidget* within = nullptr) {
    for (QPushButton* b : parent->findChildren<QPushButton*>())
        if (b->text() == caption && (!within || within->isAncestorOf(b))) return b;
    return nullptr;
}

}  // namespace quillo::test
