// The documents in the source tabs: new, open, save, close, move, activate.
#include "app/settings.h"
#include "app/ui/dialogs.h"
#include "app/ui/main_window.h"
#include "common/file_io.h"
#include "editor/ui/editor_commands.h"
#include "editor/ui/source_editor.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

namespace quillo {

namespace {

// Restores the normal cursor on every path out of a long operation.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

int MainWindow::addDocument(Document doc) {
    auto* ed = new SourceEditor(tabs_);
    ed->send(QsciScintillaBase::SCI_SETZOOM, static_cast<std::uintptr_t>(settings_.integer(Setting::Zoom)));
    connect(ed, &SourceEditor::notified, this, &MainWindow::onEditorNotified);
    documents_.push_back(std::move(doc));
    const QSignalBlocker block(tabs_);  // the caller activates the tab
    return tabs_->addTab(ed, q(documents_.back().name));
}

void MainWindow::activateTab(int index) {
    if (index < 0 || index >= documentCount()) return;
    current_ = index;
    if (tabs_->currentIndex() != index) {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(index);
    }
    SourceEditor* ed = currentEditor();
    ed->setCaretPosition(currentDocument().caretPos);
    ed->send(QsciScintillaBase::SCI_SCROLLCARET);
    ed->setFocus();
    updateStatusBar();
}

// Stores what the panels show into the current document before it is left,
// saved or built.
void MainWindow::sync() {
    if (current_ < 0 || !currentEditor()) return;
    currentDocument().caretPos = currentEditor()->caretPosition();
}

void MainWindow::onTabChanged(int index) {
    if (switchingTabs_ || index < 0) return;
    sync();
    tabs_->setUpdatesEnabled(false);
    activateTab(index);
    tabs_->setUpdatesEnabled(true);
    refreshProjectPanel();
    refreshExplorer();
}

void MainWindow::refreshProjectPanel() {
    updateStatusBar();
}

void MainWindow::refreshExplorer() {
    if (SourceEditor* ed = currentEditor()) refreshExplorerList(explorer_, *ed, settings_);
}

void MainWindow::newDocument() {
    sync();
    const int index = addDocument(quillo::newDocument(programFolder_.toStdString()));
    activateTab(index);
    refreshExplorer();
    refreshProjectPanel();
}

void MainWindow::openDocument() {
    sync();
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Load source code"), q(settings_.text(Setting::LastDir)),
        QStringLiteral("Quillo Program (*.qlo *.bas);;Assembler files (*.asm);;All files (*)"));
    if (path.isEmpty()) return;
    openSourceFile(path);
}

bool MainWindow::openSourceFile(const QString& path) {
    sync();
    const bool intoNewTab = currentEditor() && currentEditor()->textLength() > 0;
    if (!loadSource(path, intoNewTab)) return false;
    refreshAllMarkers();
    refreshExplorer();
    return true;
}

bool MainWindow::loadSource(const QString& path, bool intoNewTab) {
    appendLog("Loading source");
    const std::string file = path.toStdString();
    ReadResult read;
    {
        WaitCursor wait;
        read = readFile(file, kMaxSourceSize);
    }
    switch (read.status) {
    case ReadResult::Status::Ok:
        break;
    case ReadResult::Status::TooLarge:
        showMessage(this, QStringLiteral("Error"),
                    QStringLiteral("%1 is %2 bytes long; sources of more than %3 bytes cannot be loaded.")
                        .arg(path).arg(read.size).arg(kMaxSourceSize),
                    QMessageBox::Critical);
        return false;
    default:
        showMessage(this, QStringLiteral("Error"), QStringLiteral("Cannot open %1").arg(path), QMessageBox::Critical);
        return false;
    }

    WaitCursor wait;
    Document opened = intoNewTab ? quillo::newDocument(programFolder_.toStdString()) : currentDocument();
    opened.name = documentName(file);
    opened.folder = folderOf(file);
    opened.caretPos = 0;
    int index = current_;
    if (intoNewTab) {
        tabs_->setUpdatesEnabled(false);
        index = addDocument(std::move(opened));
        tabs_->setUpdatesEnabled(true);
    } else {
        currentDocument() = std::move(opened);
        tabs_->setTabText(index, q(currentDocument().name));
    }
    SourceEditor* ed = editor(index);
    ed->setTextBytes(std::string_view(reinterpret_cast<const char*>(read.data.data()), read.data.size()));
    ed->setSavePoint();
    settings_.set(Setting::LastDir, document(index).folder);
    appendLog("Finished");
    activateTab(index);
    refreshProjectPanel();
    return true;
}

void MainWindow::saveDocument() {
    sync();
    saveCurrentUnderItsName();
}

bool MainWindow::saveCurrentUnderItsName() {
    // A document that was never saved has no folder: ask where it goes.
    if (!currentDocument().isSaved()) return saveDocumentAs();
    const std::string path = savePath(currentDocument(), settings_.text(Setting::Suffix));
    if (!saveSource(q(path), false)) return false;
    appendLog("Source " + currentDocument().folder + currentDocument().name + " saved");
    refreshTabMarker(current_);
    return true;
}

bool MainWindow::saveDocumentAs() {
    sync();
    Document& doc = currentDocument();
    const QString start = doc.isSaved() ? q(doc.folder + doc.name) : q(settings_.text(Setting::LastDir) + doc.name);
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Save current source code"), start,
                                                        QStringLiteral("Quillo Program (*.bas *.qlo)"), nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    bool saved = false;
    if (!chosen.isEmpty()) {
        const std::string target = sourceFileName(chosen.toStdString(), settings_.text(Setting::Suffix));
        saved = saveSource(q(target), true);
        if (saved) {
            // Named after the file actually written, so a later Save writes it again.
            doc.name = documentName(target);
            doc.folder = folderOf(target);
            tabs_->setTabText(current_, q(doc.name));
            settings_.set(Setting::LastDir, doc.folder);
            appendLog("Source " + doc.folder + doc.name + " saved");
        }
    }
    refreshTabMarker(current_);
    return saved;
}

// Writes the current editor's text to path (the suffix rule applied). The
// save point moves only when the text really reached the disk.
bool MainWindow::saveSource(const QString& path, bool ask) {
    const std::string file = sourceFileName(path.toStdString(), settings_.text(Setting::Suffix));
    if (ask && fileSize(file) > 0 &&
        !askYesNo(this, QStringLiteral("Question"), QStringLiteral("File exists, overwrite?"), QMessageBox::Information))
        return false;
    SourceEditor* ed = currentEditor();
    const std::string error = writeFileAtomic(file, ed->textView());
    if (!error.empty()) {
        showMessage(this, QStringLiteral("Error"),
                    QStringLiteral("The source could not be saved as %1\n%2").arg(q(file), q(error)),
                    QMessageBox::Critical);
        return false;
    }
    ed->setSavePoint();
    return true;
}

void MainWindow::saveModifiedSources() {
    for (int i = 0; i < documentCount(); ++i) {
        if (!editor(i)->isModified()) continue;
        sync();
        activateTab(i);
        if (!askYesNo(this, QStringLiteral("File was modified"), QStringLiteral("Save Source code?"))) continue;
        saveCurrentUnderItsName();
    }
}

void MainWindow::closeDocument() {
    if (!askYesNo(this, QStringLiteral("Closing project"), QStringLiteral("Are you sure?"))) return;
    const int removed = current_;
    saveModifiedSources();
    QWidget* ed = tabs_->widget(removed);
    {
        const QSignalBlocker block(tabs_);
        tabs_->removeTab(removed);
    }
    delete ed;
    documents_.erase(documents_.begin() + removed);
    current_ = -1;
    if (documents_.empty()) {
        activateTab(addDocument(quillo::newDocument(programFolder_.toStdString())));
    } else {
        activateTab(std::min(removed, documentCount() - 1));
    }
    refreshProjectPanel();
    refreshExplorer();
}

// Moves the current document one tab along. The editor travels with its
// document, so text, folds, bookmarks and undo history all stay with it.
void MainWindow::moveDocument(int delta) {
    const int from = current_;
    const int to = from + delta;
    if (to < 0 || to >= documentCount()) return;
    WaitCursor wait;
    sync();
    std::swap(documents_[static_cast<std::size_t>(from)], documents_[static_cast<std::size_t>(to)]);
    {
        const QSignalBlocker block(tabs_);
        tabs_->tabBar()->moveTab(from, to);
    }
    activateTab(to);
    refreshProjectPanel();
}

void MainWindow::refreshTabMarker(int index) {
    if (index < 0 || index >= documentCount()) return;
    const QString caption = tabs_->tabText(index);
    const bool modified = editor(index)->isModified();
    if (!modified && caption.startsWith('*'))
        tabs_->setTabText(index, caption.mid(1));
    else if (modified && !caption.startsWith('*'))
        tabs_->setTabText(index, '*' + caption);
}

void MainWindow::refreshAllMarkers() {
    for (int i = 0; i < documentCount(); ++i) refreshTabMarker(i);
}

void MainWindow::onEditorNotified() {
    if (sender() != currentEditor()) return;
    refreshTabMarker(current_);
    updateStatusBar();
}

void MainWindow::updateStatusBar() {
    if (current_ < 0) return;
    statusField(1)->setText(QStringLiteral("FreeMem: %1").arg(currentDocument().freeMemory));
}

}  // namespace quillo
