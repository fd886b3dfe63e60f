#pragma once
#include "common/error.h"
#include "common/user_message.h"

#include <QMessageBox>
#include <QString>

#include <vector>

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

// A message collected by the core, in a message box.
void showUserMessage(QWidget* parent, const UserMessage& message);
void showUserMessages(QWidget* parent, const std::vector<UserMessage>& messages);

// An error of a reader or writer under the given title: its message names the
// file once, with the reason.
void showError(QWidget* parent, const QString& title, const Error& error,
               QMessageBox::Icon icon = QMessageBox::Critical);

}  // namespace quillo
