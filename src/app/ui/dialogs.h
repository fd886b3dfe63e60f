#pragma once
#include <QMessageBox>
#include <QString>

class QWidget;

namespace quillo {

// Runs without a window (the command-line build) print every message box to
// standard error instead of waiting for a click; questions answer No.
void setDialogsToStandardError(bool on);
bool dialogsGoToStandardError();

// Message boxes with the program's fixed titles and texts.
void showMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::Information);
// A Yes/No question; true only on Yes.
bool askYesNo(QWidget* parent, const QString& title, const QString& text,
              QMessageBox::Icon icon = QMessageBox::Question);

}  // namespace quillo
