#pragma once
#include <QMessageBox>
#include <QString>

class QWidget;

namespace quillo {

// Message boxes with the program's fixed titles and texts.
void showMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::Information);
// A Yes/No question; true only on Yes.
bool askYesNo(QWidget* parent, const QString& title, const QString& text,
              QMessageBox::Icon icon = QMessageBox::Question);

}  // namespace quillo
