#include "editor/ui/find_window.h"

#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "common/ui/wait_cursor.h"
#include "editor/structure_commands.h"
#include "editor/ui/source_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillo {

namespace {

using Sci = QsciScintillaBase;

// The system's wait cursor and the editor's own for one scan.
class EditorWaitCursor {
public:
    explicit EditorWaitCursor(SourceEditor& editor) : editor_(editor) {
        editor_.send(Sci::SCI_SETCURSOR, static_cast<std::uintptr_t>(Sci::SC_CURSORWAIT));
    }
    ~EditorWaitCursor() { editor_.send(Sci::SCI_SETCURSOR, static_cast<std::uintptr_t>(Sci::SC_CURSORNORMAL)); }
    EditorWaitCursor(const EditorWaitCursor&) = delete;
    EditorWaitCursor& operator=(const EditorWaitCursor&) = delete;

private:
    WaitCursor system_;
    SourceEditor& editor_;
};

QPushButton* button(const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    // Enter in the text field is "Find next", whichever button had the focus last.
    b->setAutoDefault(false);
    return b;
}

}  // namespace

FindWindow::FindWindow(std::function<SourceEditor*()> currentEditor, SearchHistory& history, QWidget* parent)
    : QDialog(parent), currentEditor_(std::move(currentEditor)), history_(history) {
    setWindowTitle(QStringLiteral("Find text"));
    setModal(false);
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    text_ = new QComboBox(this);
    text_->setObjectName(QStringLiteral("findText"));
    text_->setEditable(true);
    text_->setInsertPolicy(QComboBox::NoInsert);
    text_->setMaxVisibleItems(static_cast<int>(SearchHistory::kSize));
    replacement_ = new QLineEdit(this);
    replacement_->setObjectName(QStringLiteral("replaceText"));
    grid->addWidget(new QLabel(QStringLiteral("Text to find:"), this), 0, 0);
    grid->addWidget(text_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Replace with:"), this), 1, 0);
    grid->addWidget(replacement_, 1, 1);
    excludeComments_ = new QCheckBox(QStringLiteral("Exclude Comments"), this);
    excludeStrings_ = new QCheckBox(QStringLiteral("Exclude Strings"), this);
    ignoreCase_ = new QCheckBox(QStringLiteral("Ignore Case"), this);
    grid->addWidget(excludeComments_, 2, 0, 1, 2);
    grid->addWidget(excludeStrings_, 3, 0, 1, 2);
    grid->addWidget(ignoreCase_, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* cancel = button("Cancel", this);
    QPushButton* fromStart = button("From Start", this);
    QPushButton* all = button("Replace All", this);
    QPushButton* one = button("Replace", this);
    QPushButton* next = button("Find next", this);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    for (QPushButton* b : {fromStart, all, one, next}) buttons->addWidget(b);
    grid->addLayout(buttons, 6, 0, 1, 2);

    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(fromStart, &QPushButton::clicked, this, &FindWindow::findFromStart);
    connect(all, &QPushButton::clicked, this, &FindWindow::replaceAll);
    connect(one, &QPushButton::clicked, this, &FindWindow::replace);
    connect(next, &QPushButton::clicked, this, &FindWindow::findNext);
    // The combo box hands Enter on to its field a second time: take it first.
    text_->lineEdit()->installEventFilter(this);
    connect(replacement_, &QLineEdit::returnPressed, this, &FindWindow::replace);
    resize(400, 200);
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            findNext();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FindWindow::open() {
    if (SourceEditor* editor = currentEditor_()) {
        const long start = static_cast<long>(editor->send(Sci::SCI_GETSELECTIONSTART));
        const long end = static_cast<long>(editor->send(Sci::SCI_GETSELECTIONEND));
        std::string selected = textRange(*editor, start, end);
        // A text to find is one line: a selection over several gives its first.
        selected = selected.substr(0, selected.find_first_of("\r\n"));
        refillHistory();
        if (!selected.empty()) text_->setEditText(toQ(selected));
    }
    if (!placed_ && parentWidget()) {
        move(parentWidget()->frameGeometry().center() - rect().center());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    text_->setFocus();
    text_->lineEdit()->selectAll();
}

int FindWindow::flags() const {
    return (ignoreCase_->isChecked() ? find_flag::IgnoreCase : 0) |
           (excludeComments_->isChecked() ? find_flag::ExcludeComments : 0) |
           (excludeStrings_->isChecked() ? find_flag::ExcludeStrings : 0);
}

void FindWindow::refillHistory() {
    const QString current = text_->currentText();
    text_->clear();
    for (const std::string& entry : history_.entries()) text_->addItem(toQ(entry));
    text_->setEditText(current);
}

std::string FindWindow::takeSearchText() {
    const std::string text = fromQ(text_->currentText());
    if (text.empty()) {
        showMessage(this, QStringLiteral("Sorry"), QStringLiteral("There is no text to find: enter one first."));
        return text;
    }
    history_.add(text);
    refillHistory();
    return text;
}

void FindWindow::sayNotFound() {
    showMessage(this, QStringLiteral("Sorry"), QStringLiteral("Search expression not found (anymore)"),
                QMessageBox::Information);
}

bool FindWindow::find(SourceEditor& editor, long start) {
    const std::string text = takeSearchText();
    if (text.empty()) return false;
    long hit = -1;
    {
        EditorWaitCursor wait(editor);
        hit = findText(editor, text, start, flags());
    }
    if (hit < 0) {
        sayNotFound();
        return false;
    }
    selectHit(editor, hit, static_cast<long>(text.size()));
    return true;
}

bool FindWindow::findNext() {
    SourceEditor* editor = currentEditor_();
    return editor && find(*editor, static_cast<long>(editor->send(Sci::SCI_GETCURRENTPOS)));
}

bool FindWindow::findFromStart() {
    SourceEditor* editor = currentEditor_();
    return editor && find(*editor, 0);
}

bool FindWindow::replace() {
    SourceEditor* editor = currentEditor_();
    if (!editor) return false;
    // Only a hit is replaced: a selection made for another purpose stays.
    if (selectionIsHit(*editor, fromQ(text_->currentText()), flags()))
        editor->send(Sci::SCI_REPLACESEL, 0, reinterpret_cast<std::intptr_t>(fromQ(replacement_->text()).c_str()));
    return find(*editor, static_cast<long>(editor->send(Sci::SCI_GETCURRENTPOS)));
}

int FindWindow::replaceAll() {
    SourceEditor* editor = currentEditor_();
    if (!editor) return 0;
    const std::string text = takeSearchText();
    if (text.empty()) return 0;
    const long start = static_cast<long>(selectionIsHit(*editor, text, flags())
                                             ? editor->send(Sci::SCI_GETSELECTIONSTART)
                                             : editor->send(Sci::SCI_GETCURRENTPOS));
    int count = 0;
    {
        EditorWaitCursor wait(*editor);
        count = quillo::replaceAll(*editor, text, fromQ(replacement_->text()), start, flags());
    }
    sayNotFound();
    return count;
}

}  // namespace quillo
