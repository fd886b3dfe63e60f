// Command dispatch of the main window and the commands it carries out itself.
#include "app/settings.h"
#include "app/ui/dialogs.h"
#include "app/ui/main_window.h"
#include "app/ui/platform.h"
#include "app/version.h"
#include "pipeline/ui/binary_manager_window.h"
#include "app/ui/window_build_host.h"
#include "pipeline/ui/build_pipeline.h"
#include "pipeline/ui/memory_map_window.h"
#include "common/defb_format.h"
#include "common/file_io.h"
#include "editor/ui/editor_commands.h"
#include "editor/ui/source_editor.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QTabWidget>

#include <Qsci/qsciprinter.h>

namespace quillo {

namespace {

using Sci = QsciScintillaBase;

constexpr qint64 kMaxImportSize = 65535;

}  // namespace

void MainWindow::runCommand(Command command) {
    SourceEditor* ed = currentEditor();
    switch (command) {
    case Command::New: newDocument(); return;
    case Command::CloseProject: closeDocument(); return;
    case Command::Open: openDocument(); return;
    case Command::Save: saveDocument(); return;
    case Command::SaveAs: saveDocumentAs(); return;
    case Command::ImportBinary: importBinary(); return;
    case Command::AddInclude: addInclude(); return;
    case Command::MoveLeft: moveDocument(-1); return;
    case Command::MoveRight: moveDocument(+1); return;
    case Command::Clear: clearText(); return;
    case Command::Printout: printSource(); return;
    case Command::FinalSettings: side_->setCurrentIndex(0); return;
    case Command::Quit: close(); return;
    case Command::Undo:
        if (ed->send(Sci::SCI_CANUNDO)) ed->send(Sci::SCI_UNDO);
        return;
    case Command::Redo:
        if (ed->send(Sci::SCI_CANREDO)) ed->send(Sci::SCI_REDO);
        return;
    case Command::Cut: ed->send(Sci::SCI_CUT); return;
    case Command::Copy: ed->send(Sci::SCI_COPY); return;
    case Command::Paste:
        if (ed->send(Sci::SCI_CANPASTE)) ed->send(Sci::SCI_PASTE);
        return;
    case Command::ZoomIn: zoom(Sci::SCI_ZOOMIN); return;
    case Command::ZoomOut: zoom(Sci::SCI_ZOOMOUT); return;
    case Command::ZoomReset: zoom(Sci::SCI_SETZOOM); return;
    case Command::Calculator: startCalculator(); return;
    case Command::UsePrimaryCompiler: setUsedCompiler(0); return;
    case Command::UseSecondaryCompiler: setUsedCompiler(1); return;
    case Command::About: showAbout(); return;
    case Command::BinaryManager: showBinaryManager(); return;
    case Command::Compile:
    case Command::Run:
    case Command::CompileAndRun: startBuild(command); return;
    case Command::StopBuild: pipeline_->stop(); return;
    case Command::ZxbcVersion: pipeline_->checkVersion(); return;
    case Command::MemoryMap: showMemoryMap(this, *regions_); return;
    case Command::BinaryAddFile:
        if (binaryManager_) binaryManager_->addBinaryFile();
        return;
    case Command::BinaryRemove:
        if (binaryManager_) binaryManager_->removeSelected();
        return;
    case Command::BinaryEditProperties:
        if (binaryManager_) binaryManager_->editSelected();
        return;
    default: break;
    }
    EditorContext context{settings_, this, programFolder_};
    if (runEditorCommand(command, *ed, context)) {
        if (command == Command::ForceRefresh) refreshExplorer();
        updateStatusBar();
    }
}

void MainWindow::startBuild(Command command) {
    if (pipeline_->isBusy()) return;
    sync();
    // The compiler runs in the source's folder: a source never saved gets a
    // name and a folder first.
    if (command != Command::Run && !currentDocument().isSaved() && !saveDocumentAs()) return;
    buildHost_->setTarget(currentEditor());
    if (command == Command::Compile)
        pipeline_->build();
    else if (command == Command::CompileAndRun)
        pipeline_->compileAndRun();
    else
        pipeline_->run();
}

void MainWindow::showBinaryManager() {
    if (!binaryManager_) {
        binaryManager_ = new BinaryManagerWindow(binaries_, *regions_, this);
        binaryManager_->setWindowFlag(Qt::Window);
        binaryManager_->setContextMenu(binaryListMenu_);
        binaryManager_->setTreeContextMenu(binaryPropertiesMenu_);
    }
    binaryManager_->refresh();
    binaryManager_->show();
    binaryManager_->raise();
    binaryManager_->activateWindow();
}

void MainWindow::importBinary() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import binary file"),
                                                      QString::fromStdString(currentDocument().folder),
                                                      QStringLiteral("Binary files (*.bin);;All files (*)"));
    if (path.isEmpty()) return;
    const ReadResult read = readFile(path.toStdString(), kMaxImportSize);
    if (!read.ok() || read.data.empty()) return;
    currentEditor()->insertAtCaret(formatDefb(read.data));
}

void MainWindow::addInclude() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Select file to include"),
                                                      QString::fromStdString(settings_.text(Setting::LastDir)),
                                                      QStringLiteral("Sources (*.bas *.qlo)"));
    if (path.isEmpty()) return;
    currentEditor()->insertAtCaret(QStringLiteral("#INCLUDE \"%1\"").arg(path).toStdString());
}

void MainWindow::clearText() {
    if (askYesNo(this, QStringLiteral("Question"), QStringLiteral("Are you sure?")))
        currentEditor()->send(Sci::SCI_CLEARALL);
}

void MainWindow::zoom(int message) {
    currentEditor()->send(static_cast<unsigned>(message));
    updateStatusBar();
}

void MainWindow::printSource() {
    QsciPrinter printer;
    printer.setDocName(QString::fromStdString(currentDocument().name));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printer.printRange(currentEditor());
}

void MainWindow::showAbout() {
    const QString text = QStringLiteral(
                             "Quillo, an IDE for the ZX BASIC compiler - Version: %1\n"
                             "Scilexer v3.2.5\n"
                             "Editing component: QScintilla %2 on Qt %3\n"
                             "Available CPUs: %4\n"
                             "Free memory: %5 bytes")
                             .arg(QLatin1String(kVersion), QStringLiteral(QSCINTILLA_VERSION_STR),
                                  QLatin1String(qVersion()))
                             .arg(platform::processorCount())
                             .arg(platform::freeMemoryBytes());
    showMessage(this, QStringLiteral("About Quillo"), text, QMessageBox::Information);
}

void MainWindow::startCalculator() {
    const QString calculator = platform::findCalculator();
    if (calculator.isEmpty() || !QProcess::startDetached(calculator, {})) {
        showMessage(this, QStringLiteral("Sorry"),
                    QStringLiteral("No desktop calculator was found (gnome-calculator, kcalc, galculator, "
                                   "mate-calc, qalculate-gtk or xcalc)."),
                    QMessageBox::Warning);
    }
}

void MainWindow::setUsedCompiler(int which) {
    settings_.set(Setting::Used_Compiler, which);
    updateCompilerChecks();
}

void MainWindow::updateCompilerChecks() {
    const int used = settings_.integer(Setting::Used_Compiler);
    action(Command::UsePrimaryCompiler)->setChecked(used == 0);
    action(Command::UseSecondaryCompiler)->setChecked(used != 0);
}

}  // namespace quillo
