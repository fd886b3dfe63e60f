#pragma once
#include "common/charset.h"

#include <QDialog>

#include <functional>

class QRadioButton;

namespace quillo {

class SourceEditor;

// "ASCII Table": a button per Spectrum character, drawn with the working
// character set, that puts the character in at the caret as a string or
// as "chr(code)".
class AsciiTableWindow : public QDialog {
    Q_OBJECT
public:
    AsciiTableWindow(std::function<SourceEditor*()> currentEditor, const Charset& charset, QWidget* parent);

    // A click on the button of a code (32..164), as the chosen form says.
    void insertCode(int code);
    void setChrForm(bool on);

private:
    QWidget* glyphGroup(const char* title, const std::vector<int>& codes, int ink, int paper);
    QWidget* controlGroup();
    QWidget* keywordGroup();
    void insert(const std::string& text);

    std::function<SourceEditor*()> currentEditor_;
    const Charset& charset_;
    QRadioButton* asChr_ = nullptr;
};

}  // namespace quillo
