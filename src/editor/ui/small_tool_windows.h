#pragma once
// The keyboard helper, the BEEP calculator and the snippet manager: small
// windows that stay above the main window and close with "Close".
#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;

namespace quillo {

class SourceEditor;

// "Keyboard Manager (not working yet)": how to test a key in a program.
class KeyboardHelperWindow : public QDialog {
    Q_OBJECT
public:
    KeyboardHelperWindow(std::function<SourceEditor*()> currentEditor, QWidget* parent);
    // A click on a key button: the result field shows its test in the chosen form.
    void pressKey(char key);
    void setForm(int index);
    QString result() const;

private:
    void showResult();
    std::function<SourceEditor*()> currentEditor_;
    QComboBox* form_ = nullptr;
    QLineEdit* result_ = nullptr;
    char key_ = 0;
};

// "BEEP Hz <-> pitch calculator": either field recomputes the other.
class BeepCalculatorWindow : public QDialog {
    Q_OBJECT
public:
    explicit BeepCalculatorWindow(QWidget* parent);
    QLineEdit* hz() const { return hz_; }
    QLineEdit* pitch() const { return pitch_; }

private:
    QLineEdit* hz_ = nullptr;
    QLineEdit* pitch_ = nullptr;
};

// "Snippet Manager": the fixed tree of snippet categories.
class SnippetManagerWindow : public QDialog {
    Q_OBJECT
public:
    explicit SnippetManagerWindow(QWidget* parent);
};

}  // namespace quillo
