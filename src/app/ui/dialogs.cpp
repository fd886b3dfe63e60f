#include "app/ui/dialogs.h"

namespace quillo {

void showMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quillo
