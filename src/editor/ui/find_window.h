#pragma once
#include "editor/find_text.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quillo {

class SourceEditor;

// The "Find text" window: non-modal, above the main window, acting on the
// editor that is current when a button is pressed. Closing only hides it,
// so the flags and the texts stay for the next opening.
class FindWindow : public QDialog {
    Q_OBJECT
public:
    FindWindow(std::function<SourceEditor*()> currentEditor, SearchHistory& history, QWidget* parent);

    // Shows the window with the editor's selection as the text to find.
    void open();

    // The buttons, for the window and its tests. Each returns whether a hit
    // is selected afterwards.
    bool findNext();
    bool findFromStart();
    bool replace();
    int replaceAll();

    int flags() const;

protected:
    // Enter in the text to find is "Find next".
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool find(SourceEditor& editor, long start);
    // The text to find, kept in the history; empty (after saying so) when
    // there is nothing to search for.
    std::string takeSearchText();
    void refillHistory();
    void sayNotFound();

    std::function<SourceEditor*()> currentEditor_;
    SearchHistory& history_;
    QComboBox* text_ = nullptr;
    QLineEdit* replacement_ = nullptr;
    QCheckBox* excludeComments_ = nullptr;
    QCheckBox* excludeStrings_ = nullptr;
    QCheckBox* ignoreCase_ = nullptr;
    bool placed_ = false;
};

}  // namespace quillo
