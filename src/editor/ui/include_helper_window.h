#pragma once
#include <QDialog>

#include <functional>

class QListWidget;
class QTextBrowser;

namespace quillo {

class SourceEditor;

// "Include Library Helper": the compiler's include libraries, the help page
// of the selected one, and its include line put in at the caret.
class IncludeHelperWindow : public QDialog {
    Q_OBJECT
public:
    IncludeHelperWindow(std::function<SourceEditor*()> currentEditor, const QString& helpRoot, QWidget* parent);

    QListWidget* list() const { return list_; }
    QTextBrowser* page() const { return page_; }
    // "Include Library in source".
    void includeSelected();

private:
    std::function<SourceEditor*()> currentEditor_;
    QString helpRoot_;
    QListWidget* list_ = nullptr;
    QTextBrowser* page_ = nullptr;
};

}  // namespace quillo
