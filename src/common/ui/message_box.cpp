#include "common/ui/message_box.h"

#include "common/ui/qt_text.h"

#include <QGridLayout>
#include <QSpacerItem>

#include <cstdio>

namespace quillo {

namespace {

bool toStandardError = false;

void printMessage(const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
}

}  // namespace

void setDialogsToStandardError(bool on) { toStandardError = on; }

bool dialogsGoToStandardError() { return toStandardError; }

namespace {

// Window managers cut a title that is wider than the box.
void fitTitle(QMessageBox& box) {
    const int wanted = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

}  // namespace

void showMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    if (toStandardError) return printMessage(title, text);
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    fitTitle(box);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    if (toStandardError) {
        printMessage(title, text + QStringLiteral(" (No)"));
        return false;
    }
    QMessageBox box(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    fitTitle(box);
    return box.exec() == QMessageBox::Yes;
}

namespace {

QMessageBox::Icon iconOf(UserMessage::Icon icon) {
    switch (icon) {
    case UserMessage::Icon::Information: return QMessageBox::Information;
    case UserMessage::Icon::Warning: return QMessageBox::Warning;
    case UserMessage::Icon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::Warning;
}

}  // namespace

void showUserMessage(QWidget* parent, const UserMessage& message) {
    showMessage(parent, toQ(message.title), toQ(message.text), iconOf(message.icon));
}

void showUserMessages(QWidget* parent, const std::vector<UserMessage>& messages) {
    for (const UserMessage& m : messages) showUserMessage(parent, m);
}

void showError(QWidget* parent, const QString& title, const Error& error, QMessageBox::Icon icon) {
    showMessage(parent, title, toQ(error.message()), icon);
}

}  // namespace quillo
