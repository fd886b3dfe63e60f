#include "app/ui/dialogs.h"

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

void showMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    if (toStandardError) return printMessage(title, text);
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    if (toStandardError) {
        printMessage(title, text + QStringLiteral(" (No)"));
        return false;
    }
    QMessageBox box(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quillo
