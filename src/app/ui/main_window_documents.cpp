// The documents in the source tabs: new, open, save, close, move, activate.
// The workspace holds the documents; the tab widget follows its order.
#include "app/app_state.h"
#include "app/settings.h"
#include "app/source_bundle.h"
#include "app/ui/help_strip_widget.h"
#include "app/ui/main_window.h"
#include "app/ui/project_panel.h"
#include "app/ui/window_build_host.h"
#include "common/text.h"
#include "common/file_io.h"
#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "common/ui/wait_cursor.h"
#include "editor/status_fields.h"
#include "editor/structure_commands.h"
#include "editor/ui/editor_commands.h"
#include "editor/ui/help_strip_image.h"
#include "editor/ui/source_editor.h"
#include "pipeline/bmi_file.h"
#include "pipeline/region_map.h"
#include "pipeline/ui/binary_manager_window.h"
#include "pipeline/ui/build_messages.h"

#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

namespace quillo {

int MainWindow::addDocument(Document doc) {
    auto* ed = new SourceEditor(tabs_);
    ed->configure(settings_);
    connect(ed, &SourceEditor::notified, this, &MainWindow::onEditorNotified);
    connect(ed, &SourceEditor::statusChanged, this, [this, ed](const EditorStatus& status) {
        if (ed == currentEditor()) onEditorStatus(status);
    });
    connect(ed, &SourceEditor::bookmarkMenuRequested, this, &MainWindow::showBookmarkMenu);
    const int index = workspace_.add(std::move(doc));
    const QSignalBlocker block(tabs_);  // the caller activates the tab
    tabs_->addTab(ed, toQ(workspace_.document(index).name));
    return index;
}

void MainWindow::activateTab(int index) {
    if (!workspace_.contains(index)) return;
    if (workspace_.hasCurrent()) keepBinaryList(currentDocument());
    workspace_.setCurrent(index);
    if (tabs_->currentIndex() != index) {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(index);
    }
    panel_->setFromDocument(currentDocument());
    SourceEditor* ed = currentEditor();
    ed->setCaretPosition(currentDocument().caretPos);
    ed->send(QsciScintillaBase::SCI_SCROLLCARET);
    takeBinaryList(currentDocument());
    ed->setFocus();
    onEditorStatus(ed->status());
    updateStatusBar();
    refreshTitle();
}

// Stores what the panels show into the current document before it is left,
// saved or built, and writes its binary list.
void MainWindow::sync() {
    if (!workspace_.hasCurrent() || !currentEditor()) return;
    Document& doc = currentDocument();
    panel_->storeMainFileName(doc);
    panel_->storeInto(doc);
    doc.caretPos = currentEditor()->caretPosition();
    keepBinaryList(doc);
}

// A source never saved has no folder to keep its list in: it stays with the
// tab until the first save writes it beside the source. So no two new
// documents ever share a list file.
void MainWindow::keepBinaryList(const Document& doc) {
    if (doc.isSaved()) writeBinaryList(binaryListFile(doc));
    else unsavedBinaries_[currentEditor()] = binaries();
}

void MainWindow::takeBinaryList(const Document& doc) {
    if (doc.isSaved()) return readBinaryList(binaryListFile(doc));
    const auto kept = unsavedBinaries_.find(currentEditor());
    binaries() = kept == unsavedBinaries_.end() ? BinaryList{} : kept->second;
    binaryListChanged();
}

BinaryList& MainWindow::binaries() { return state_.binaries(); }

std::string MainWindow::binaryListFile(const Document& doc) const {
    return binaryListPath(outputFilePath(doc, state_.programFolder()));
}

void MainWindow::writeBinaryList(const std::string& path) {
    if (!workspace_.mayWrite(path)) return;
    if (const Status saved = saveBinaryList(path, binaries()); !saved)
        appendLog("FAIL: the binary list " + path + " could not be written: " + saved.error().detail);
}

void MainWindow::readBinaryList(const std::string& path) {
    const Status read = loadBinaryList(path, binaries());
    if (read) {
        workspace_.fileRead(path);
    } else {
        binaries().clear();
        reportDamagedBinaryList(path, read.error());
    }
    binaryListChanged();
}

void MainWindow::reportDamagedBinaryList(const std::string& path, const Error& error) {
    workspace_.fileDamaged(path);
    showMessage(this, QStringLiteral("Error"),
                QStringLiteral("The binary list %1 cannot be read:\n%2\nThe file is left as it is.")
                    .arg(toQ(path), toQ(error.detail)),
                QMessageBox::Warning);
}

void MainWindow::reportDamagedProjectFile(const Error& error) {
    workspace_.fileDamaged(error.path);
    showMessage(this, QStringLiteral("Error"),
                QStringLiteral("The project options cannot be read:\n%1\nThe file is left as it is, and the source "
                               "is not built until its options can be read.")
                    .arg(toQ(error.message())),
                QMessageBox::Warning);
}

Status MainWindow::projectOptionsOf(const SourceEditor* ed) const {
    const auto file = tabFiles_.find(ed);
    if (file == tabFiles_.end()) return {};
    const std::string cfg = projectFilePath(fromQ(file->second));
    if (workspace_.mayWrite(cfg)) return {};
    return Error{ErrorCode::CannotOpen, cfg, "could not be read when the source was opened"};
}

void MainWindow::binaryListChanged() {
    for (const RegionProblem& problem : rebuildRegionMap(state_.regionMap(), binaries()))
        showRegionWarning(this, problem.status);
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
    names.reserve(workspace_.documents().size());
    for (const Document& doc : workspace_.documents()) names.push_back(doc.name);
    panel_->refillMainFileList(names, currentIndex(), currentDocument().mainPrgName);
}

void MainWindow::refreshExplorer() {
    if (SourceEditor* ed = currentEditor()) refreshExplorerList(explorer_, *ed, settings_);
}

void MainWindow::newDocument() {
    sync();
    const int index = addDocument(quillo::newDocument());
    activateTab(index);
    refreshExplorer();
}

void MainWindow::openDocument() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Load source code"), toQ(settings_.text(Setting::LastDir)),
        QStringLiteral("Quillo Program (*.qlo *.bas);;Assembler files (*.asm);;All files (*)"));
    if (path.isEmpty()) return;
    openSourceFile(path);
}

int MainWindow::tabOfFile(const QString& path) const {
    const QString wanted = QFileInfo(path).canonicalFilePath();
    if (wanted.isEmpty()) return -1;
    const auto same = [&wanted](const QString& file) { return QFileInfo(file).canonicalFilePath() == wanted; };
    for (int i = 0; i < documentCount(); ++i) {
        const auto it = tabFiles_.find(editor(i));
        if (it != tabFiles_.end() && same(it->second)) return i;
        const Document& doc = workspace_.document(i);
        if (doc.isSaved() && same(toQ(savePath(doc, settings_.text(Setting::Suffix))))) return i;
    }
    return -1;
}

void MainWindow::rememberFile(int index, const std::string& path) {
    tabFiles_[editor(index)] = toQ(path);
    tabs_->setTabToolTip(index, toQ(path));
    settings_.addRecentFile(path);
}

bool MainWindow::openSourceFile(const QString& path) {
    // The same file twice would be two editors overwriting each other.
    if (const int open = tabOfFile(path); open >= 0) {
        tabs_->setCurrentIndex(open);
        settings_.addRecentFile(fromQ(path));
        return true;
    }
    sync();
    const bool intoNewTab = currentEditor() && currentEditor()->textLength() > 0;
    if (!loadSource(fromQ(path), intoNewTab)) return false;
    refreshAllMarkers();
    refreshExplorer();
    return true;
}

bool MainWindow::loadSource(const std::string& path, bool intoNewTab) {
    appendLog("Loading source");
    Document base = intoNewTab ? quillo::newDocument() : currentDocument();
    Result<LoadedSource> loaded = [&] {
        WaitCursor wait;
        return loadSourceBundle(path, std::move(base));
    }();
    if (!loaded) {
        const Error& error = loaded.error();
        const QString text = error.code == ErrorCode::TooLarge
            ? QStringLiteral("%1 is %2 bytes long; sources of more than %3 bytes cannot be loaded.")
                  .arg(toQ(path)).arg(error.offset).arg(kMaxSourceSize)
            : QStringLiteral("Cannot open %1").arg(toQ(error.message()));
        showMessage(this, QStringLiteral("Error"), text, QMessageBox::Critical);
        return false;
    }

    SourceBundle& bundle = loaded->bundle;
    if (!looksLikeText(bundle.text) &&
        !askYesNo(this, QStringLiteral("Question"),
                  QStringLiteral("%1 does not look like a text file.\nOpen it anyway?").arg(toQ(path))))
        return false;
    WaitCursor wait;
    int index = currentIndex();
    if (intoNewTab) {
        index = addDocument(std::move(bundle.document));
        const QSignalBlocker block(tabs_);  // the document left was synced; it is activated below
        tabs_->setCurrentIndex(index);
        workspace_.setCurrent(index);
    } else {
        currentDocument() = std::move(bundle.document);
        tabs_->setTabText(index, toQ(currentDocument().name));
        unsavedBinaries_.erase(editor(index));
    }
    SourceEditor* ed = editor(index);
    ed->setTextBytes(bundle.text);
    // Undo goes back to edits made after opening, never to an empty text.
    ed->send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    ed->send(QsciScintillaBase::SCI_SETSCROLLWIDTH, static_cast<std::uintptr_t>(std::max(1, bundle.editor.scrollBarWidth)));
    restoreClosedFolds(*ed, bundle.editor.closedFolds);
    restoreBookmarks(*ed, bundle.editor.bookmarks);
    // A damaged list is empty here: the previous source's list must not
    // pass for this one's.
    binaries() = std::move(bundle.binaries);
    if (loaded->binaryList) workspace_.fileRead(loaded->binaryListPath);
    else reportDamagedBinaryList(loaded->binaryListPath, loaded->binaryList.error());
    if (loaded->projectFile) workspace_.fileRead(loaded->projectFilePath);
    else reportDamagedProjectFile(loaded->projectFile.error());
    if (!loaded->projectProblems.empty()) {
        QString lines;
        for (const std::string& problem : loaded->projectProblems) lines += QStringLiteral("\n") + toQ(problem);
        showMessage(this, QStringLiteral("Warning!!!"),
                    QStringLiteral("Values of the project file %1 were out of range:%2")
                        .arg(toQ(loaded->projectFilePath), lines),
                    QMessageBox::Warning);
    }
    binaryListChanged();
    ed->setSavePoint();
    settings_.set(Setting::LastDir, document(index).folder);
    appendLog("Finished");
    rememberFile(index, path);
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
    if (!saveSource(path, false)) return false;
    settings_.addRecentFile(path);
    appendLog("Source " + currentDocument().folder + currentDocument().name + " saved");
    refreshTabMarker(currentIndex());
    return true;
}

bool MainWindow::saveDocumentAs() {
    sync();
    Document& doc = currentDocument();
    const QString start = doc.isSaved() ? toQ(doc.folder + doc.name) : toQ(settings_.text(Setting::LastDir) + doc.name);
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Save current source code"), start,
                                                        QStringLiteral("Quillo Program (*.bas *.qlo)"), nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    bool saved = false;
    if (!chosen.isEmpty()) {
        const std::string target = sourceFileName(fromQ(chosen), settings_.text(Setting::Suffix));
        saved = saveSource(target, true);
        if (saved) {
            // Named after the file actually written, so a later Save writes it again.
            doc.name = documentName(target);
            doc.folder = folderOf(target);
            unsavedBinaries_.erase(currentEditor());
            tabs_->setTabText(currentIndex(), toQ(doc.name));
            rememberFile(currentIndex(), target);
            refreshTitle();
            settings_.set(Setting::LastDir, doc.folder);
            appendLog("Source " + doc.folder + doc.name + " saved");
        }
    }
    refreshTabMarker(currentIndex());
    refillMainFileList();
    return saved;
}

ProjectEditorState MainWindow::editorState(SourceEditor& ed) const {
    ProjectEditorState state;
    state.caretPos = ed.caretPosition();
    state.scrollBarWidth = static_cast<std::int32_t>(ed.send(QsciScintillaBase::SCI_GETSCROLLWIDTH));
    state.closedFolds = closedFoldLines(ed);
    state.bookmarks = bookmarkLines(ed);
    return state;
}

// Writes the current editor's text to path (the suffix rule applied) with its
// project file and binary list. The save point moves only when the text
// really reached the disk.
bool MainWindow::saveSource(const std::string& path, bool ask) {
    const std::string file = sourceFileName(path, settings_.text(Setting::Suffix));
    if (ask && fileSize(file) > 0 &&
        !askYesNo(this, QStringLiteral("Question"), QStringLiteral("File exists, overwrite?"), QMessageBox::Information))
        return false;
    if (const Status written = writeSource(file); !written) {
        showMessage(this, QStringLiteral("Error"),
                    QStringLiteral("The source could not be saved as %1\n%2").arg(toQ(file), toQ(written.error().detail)),
                    QMessageBox::Critical);
        return false;
    }
    return true;
}

Status MainWindow::writeSource(const std::string& file) {
    SourceEditor* ed = currentEditor();
    const BinaryList* list = workspace_.mayWrite(binaryListPath(file)) ? &binaries() : nullptr;
    const ProjectEditorState state = editorState(*ed);
    const ProjectEditorState* project = workspace_.mayWrite(projectFilePath(file)) ? &state : nullptr;
    const SavedSource saved = saveSourceBundle(file, ed->textView(), currentDocument(), project, list);
    if (!saved.source) return saved.source;
    ed->setSavePoint();
    for (const Error& problem : saved.companions) appendLog("FAIL: " + problem.message());
    return {};
}

Status MainWindow::saveSourceFiles(const std::string& path) {
    return writeSource(sourceFileName(path, settings_.text(Setting::Suffix)));
}

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
    const int removed = currentIndex();
    saveModifiedSources();
    QWidget* ed = tabs_->widget(removed);
    unsavedBinaries_.erase(editor(removed));
    tabFiles_.erase(editor(removed));
    {
        const QSignalBlocker block(tabs_);
        tabs_->removeTab(removed);
    }
    delete ed;
    workspace_.remove(removed);
    if (workspace_.empty()) {
        activateTab(addDocument(quillo::newDocument()));
    } else {
        activateTab(std::min(removed, documentCount() - 1));
    }
    refreshExplorer();
}

// Moves the current document one tab along. The editor travels with its
// document, so text, folds, bookmarks and undo history all stay with it.
void MainWindow::moveDocument(int delta) {
    const int from = currentIndex();
    const int to = from + delta;
    if (!workspace_.contains(to)) return;
    WaitCursor wait;
    sync();
    workspace_.swap(from, to);
    {
        const QSignalBlocker block(tabs_);
        tabs_->tabBar()->moveTab(from, to);
    }
    activateTab(to);
}

void MainWindow::refreshTabMarker(int index) {
    if (!workspace_.contains(index)) return;
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
    refreshTabMarker(currentIndex());
}

void MainWindow::onEditorStatus(const EditorStatus& status) {
    for (const StatusField field : kEditorStatusFields) {
        // "Compiling..." stays for the whole build, wherever the caret goes.
        if (field == StatusField::HelpLine && buildHost_ && buildHost_->isBusy()) continue;
        setStatusText(field, toQ(status.field(field)));
    }
    renderHelpLine();
}

void MainWindow::renderHelpLine() {
    if (SourceEditor* ed = currentEditor())
        strip_->setImage(renderHelpStrip(ed->status().helpLine, strip_->cellWidth(), state_.charset()));
}

void MainWindow::showBookmarkMenu(int line) {
    if (sender() != currentEditor()) return;
    currentEditor()->setBookmarkLine(line);
    bookmarkMenu_->exec(QCursor::pos());
}

void MainWindow::updateStatusBar() {
    if (!workspace_.hasCurrent()) return;
    setStatusText(StatusField::FreeMemory, toQ(freeMemoryField(currentDocument().freeMemory)));
}

}  // namespace quillo
