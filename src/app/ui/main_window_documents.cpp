// The documents in the source tabs: new, open, save, close, move, activate.
#include "app/project_file.h"
#include "app/settings.h"
#include "app/ui/dialogs.h"
#include "app/ui/help_strip.h"
#include "app/ui/main_window.h"
#include "app/ui/project_panel.h"
#include "pipeline/bmi_file.h"
#include "pipeline/region_map.h"
#include "pipeline/ui/binary_manager_window.h"
#include "pipeline/ui/build_messages.h"
#include "common/file_io.h"
#include "editor/status_fields.h"
#include "editor/ui/editor_commands.h"
#include "editor/ui/help_strip.h"
#include "editor/ui/source_editor.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMenu>
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
    ed->configure(settings_);
    connect(ed, &SourceEditor::notified, this, &MainWindow::onEditorNotified);
    connect(ed, &SourceEditor::statusChanged, this, [this, ed](const EditorStatus& status) {
        if (ed == currentEditor()) onEditorStatus(status);
    });
    connect(ed, &SourceEditor::bookmarkMenuRequested, this, &MainWindow::showBookmarkMenu);
    documents_.push_back(std::move(doc));
    const QSignalBlocker block(tabs_);  // the caller activates the tab
    return tabs_->addTab(ed, q(documents_.back().name));
}

void MainWindow::activateTab(int index) {
    if (index < 0 || index >= documentCount()) return;
    if (current_ >= 0 && current_ < documentCount()) writeBinaryList(binaryListFile(currentDocument()));
    current_ = index;
    if (tabs_->currentIndex() != index) {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(index);
    }
    panel_->setFromDocument(currentDocument());
    SourceEditor* ed = currentEditor();
    ed->setCaretPosition(currentDocument().caretPos);
    ed->send(QsciScintillaBase::SCI_SCROLLCARET);
    readBinaryList(binaryListFile(currentDocument()));
    ed->setFocus();
    onEditorStatus(ed->status());
    updateStatusBar();
}

// Stores what the panels show into the current document before it is left,
// saved or built, and writes its binary list.
void MainWindow::sync() {
    if (current_ < 0 || !currentEditor()) return;
    Document& doc = currentDocument();
    panel_->storeMainFileName(doc);
    panel_->storeInto(doc);
    doc.caretPos = currentEditor()->caretPosition();
    writeBinaryList(binaryListFile(doc));
}

std::string MainWindow::binaryListFile(const Document& doc) const {
    return binaryListPath(outputFilePath(doc, programFolder_.toStdString()));
}

void MainWindow::writeBinaryList(const std::string& path) {
    if (path == damagedBinaryList_) return;
    const std::string error = saveBinaryList(path, binaries_);
    if (!error.empty())
        appendLog("FAIL: the binary list " + path + " could not be written: " + error);
}

void MainWindow::readBinaryList(const std::string& path) {
    const std::string error = loadBinaryList(path, binaries_);
    if (!error.empty()) {
        damagedBinaryList_ = path;
        showMessage(this, QStringLiteral("Error"),
                    QStringLiteral("The binary list %1 cannot be read:\n%2\nThe file is left as it is.")
                        .arg(q(path), q(error)),
                    QMessageBox::Warning);
    } else if (path == damagedBinaryList_) {
        damagedBinaryList_.clear();
    }
    for (const RegionProblem& problem : rebuildRegionMap(*regions_, binaries_)) showRegionWarning(this, problem.status);
    if (binaryManager_) binaryManager_->refresh();
}

void MainWindow::onTabChanged(int index) {
    if (index < 0) return;
    sync();
    tabs_->setUpdatesEnabled(false);
    activateTab(index);
    tabs_->setUpdatesEnabled(true);
    refreshExplorer();
    refillMainFileList();
}

void MainWindow::refillMainFileList() {
    std::vector<std::string> names;
    names.reserve(documents_.size());
    for (const Document& doc : documents_) names.push_back(doc.name);
    panel_->refillMainFileList(names, current_, currentDocument().mainPrgName);
}

void MainWindow::refreshExplorer() {
    if (SourceEditor* ed = currentEditor()) refreshExplorerList(explorer_, *ed, settings_);
}

void MainWindow::newDocument() {
    sync();
    const int index = addDocument(quillo::newDocument(programFolder_.toStdString()));
    activateTab(index);
    refreshExplorer();
}

void MainWindow::openDocument() {
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
        index = addDocument(std::move(opened));
        const QSignalBlocker block(tabs_);  // the document left was synced; it is activated below
        tabs_->setCurrentIndex(index);
        current_ = index;
    } else {
        currentDocument() = std::move(opened);
        tabs_->setTabText(index, q(currentDocument().name));
    }
    SourceEditor* ed = editor(index);
    ed->setTextBytes(std::string_view(reinterpret_cast<const char*>(read.data.data()), read.data.size()));
    const ProjectEditorState state = readProjectFile(projectFilePath(file), document(index));
    ed->send(QsciScintillaBase::SCI_SETSCROLLWIDTH, static_cast<std::uintptr_t>(std::max(1, state.scrollBarWidth)));
    applyClosedFoldsText(*ed, q(encodeLineList(state.closedFolds)));
    applyBookmarksText(*ed, q(encodeLineList(state.bookmarks)));
    readBinaryList(binaryListPath(file));
    ed->setSavePoint();
    settings_.set(Setting::LastDir, document(index).folder);
    appendLog("Finished");
    activateTab(index);  // also hands the list read beside the source to the output file's list
    refillMainFileList();
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
    refillMainFileList();
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
    // The project file and the binary list travel with the source.
    ProjectEditorState state;
    state.caretPos = ed->caretPosition();
    state.scrollBarWidth = static_cast<std::int32_t>(ed->send(QsciScintillaBase::SCI_GETSCROLLWIDTH));
    state.closedFolds = decodeLineList(closedFoldsAsText(*ed).toStdString());
    state.bookmarks = decodeLineList(bookmarksAsText(*ed).toStdString());
    for (const std::string& problem : {writeProjectFile(projectFilePath(file), currentDocument(), state),
                                       damagedBinaryList_ == binaryListPath(file)
                                           ? std::string()
                                           : saveBinaryList(binaryListPath(file), binaries_)})
        if (!problem.empty()) appendLog("FAIL: " + problem);
    return true;
}

bool MainWindow::saveSourceFiles(const QString& path) { return saveSource(path, false); }

bool MainWindow::saveCurrentSource() {
    sync();
    return saveCurrentUnderItsName();
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
}

void MainWindow::onEditorStatus(const EditorStatus& status) {
    for (int field : {0, 2, 3, 4, 5, 6}) statusField(field)->setText(q(status.field(field)));
    renderHelpLine();
}

void MainWindow::renderHelpLine() {
    if (SourceEditor* ed = currentEditor())
        strip_->setImage(renderHelpStrip(ed->status().helpLine, strip_->cellWidth(), charset_));
}

void MainWindow::showBookmarkMenu(int line) {
    if (sender() != currentEditor()) return;
    currentEditor()->setBookmarkLine(line);
    bookmarkMenu_->exec(QCursor::pos());
}

void MainWindow::updateStatusBar() {
    if (current_ < 0) return;
    statusField(1)->setText(q(freeMemoryField(currentDocument().freeMemory)));
}

}  // namespace quillo
