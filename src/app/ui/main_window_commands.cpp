// Command dispatch of the main window and the commands it carries out itself.
#include "app/app_state.h"
#include "app/settings.h"
#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "fonteditor/ui/font_commands.h"
#include "gfxeditor/ui/defb_commands.h"
#include "gfxeditor/ui/gfx_commands.h"
#include "pipeline/ui/build_commands.h"
#include "app/ui/conversion_commands.h"
#include "app/ui/main_window.h"
#include "app/ui/platform.h"
#include "app/version.h"
#include "pipeline/ui/binary_manager_window.h"
#include "app/ui/window_build_host.h"
#include "pipeline/ui/build_pipeline.h"
#include "pipeline/ui/memory_map_window.h"
#include "pipeline/ui/tool_commands.h"
#include "common/defb_format.h"
#include "common/file_io.h"
#include "editor/ui/editor_commands.h"
#include "editor/ui/editor_tool_commands.h"
#include "editor/ui/source_editor.h"

#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QTabWidget>

#include <Qsci/qsciprinter.h>

namespace quillo {

namespace {

using Sci = QsciScintillaBase;

constexpr qint64 kMaxImportSize = 65535;

}  // namespace

void MainWindow::registerCommands() {
    registerWindowCommands();
    EditorContext editorContext{settings_, this, toQ(state_.helpRoot())};
    registerEditorCommands(
        commands_, [this] { return currentEditor(); }, editorContext,
        [this](Command command) {
            if (command == Command::ForceRefresh) refreshExplorer();
            updateStatusBar();
        });
    registerEditorToolCommands(commands_, EditorToolContext{settings_, this, toQ(state_.helpRoot()), state_.charset(),
                                                            [this] { return currentEditor(); },
                                                            [this] {
                                                                for (int i = 0; i < documentCount(); ++i)
                                                                    editor(i)->applySettings(settings_);
                                                                applyWindowColours();
                                                                refreshExplorer();
                                                            }});
    registerConversionCommands(commands_, [this] { return currentEditor(); }, this);
    registerBuildCommands(commands_, BuildCommandContext{
                                         *pipeline_,
                                         state_.regionMap(),
                                         this,
                                         [this](bool saveFirst) { return prepareBuild(saveFirst); },
                                         [this] { return buildHost_->isBusy(); },
                                         [this] { return showBinaryManager(); },
                                         [this] { return binaryManager_; },
                                     });
    registerToolCommands(commands_, toolCommandContext());
    registerFontCommands(commands_, {this, state_, [this] { return binaryManager_; }});
    registerGfxCommands(commands_, this, state_);
    registerGfxDefbCommands(commands_, [this] { return currentEditor(); }, this, state_.gfx());
}

ToolCommandContext MainWindow::toolCommandContext() {
    return {this,
            settings_,
            state_.regionMap(),
            [this] { return currentEditor(); },
            [this]() -> Document& { return currentDocument(); },
            [this] { sync(); },
            [this] { return outputFilePath(currentDocument(), state_.programFolder()); },
            [this]() -> BinaryList& { return state_.binaries(); },
            [this] { return binaryManager_; },
            [this] {
                std::vector<InfoSource> open;
                for (int i = 0; i < documentCount(); ++i)
                    open.push_back({&document(i), reinterpret_cast<std::uintptr_t>(editor(i))});
                return open;
            },
            [this] { return currentIndex(); },
            [this](const std::string& line) { appendOutput(toQ(line)); },
            [this](const std::string& line) { appendLog(line); },
            [this] { return buildHost_->isBusy(); },
            [this] { pipeline_->stop(); },
            [this] { refreshCommandStates(); }};
}

void MainWindow::registerWindowCommands() {
    const auto add = [this](Command command, auto handler) { commands_.add(command, handler); };
    add(Command::New, [this] { newDocument(); });
    add(Command::CloseProject, [this] { closeDocument(); });
    add(Command::Open, [this] { openDocument(); });
    add(Command::Save, [this] { saveDocument(); });
    add(Command::SaveAs, [this] { saveDocumentAs(); });
    add(Command::ImportBinary, [this] { importBinary(); });
    add(Command::AddInclude, [this] { addInclude(); });
    add(Command::MoveLeft, [this] { moveDocument(-1); });
    add(Command::MoveRight, [this] { moveDocument(+1); });
    add(Command::Clear, [this] { clearText(); });
    add(Command::Printout, [this] { printSource(); });
    add(Command::FinalSettings, [this] { side_->setCurrentIndex(0); });
    add(Command::Quit, [this] { close(); });
    add(Command::Calculator, [this] { startCalculator(); });
    add(Command::UsePrimaryCompiler, [this] { setUsedCompiler(0); });
    add(Command::UseSecondaryCompiler, [this] { setUsedCompiler(1); });
    add(Command::About, [this] { showAbout(); });
    add(Command::GoToLine, [this] { goToLine(); });
}

void MainWindow::goToLine() {
    SourceEditor* ed = currentEditor();
    const int lines = static_cast<int>(ed->send(Sci::SCI_GETLINECOUNT));
    const int current = static_cast<int>(ed->send(Sci::SCI_LINEFROMPOSITION, ed->send(Sci::SCI_GETCURRENTPOS)));
    bool ok = false;
    const int line = QInputDialog::getInt(this, QStringLiteral("Go to line"),
                                          QStringLiteral("Line (1 - %1):").arg(lines), current + 1, 1, lines, 1, &ok);
    if (!ok) return;
    ed->send(Sci::SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<std::uintptr_t>(line - 1));
    ed->send(Sci::SCI_GOTOLINE, static_cast<std::uintptr_t>(line - 1));
    ed->setFocus();
}

bool MainWindow::prepareBuild(bool saveFirst) {
    sync();
    if (saveFirst && !currentDocument().isSaved() && !saveDocumentAs()) return false;
    buildHost_->setTarget(currentEditor());
    return true;
}

BinaryManagerWindow* MainWindow::showBinaryManager() {
    if (!binaryManager_) {
        binaryManager_ = new BinaryManagerWindow(binaries(), state_.regionMap(), this);
        binaryManager_->setWindowFlag(Qt::Window);
        binaryManager_->setContextMenu(binaryListMenu_);
        binaryManager_->setTreeContextMenu(binaryPropertiesMenu_);
        binaryManager_->move(frameGeometry().center() - binaryManager_->rect().center());
    }
    binaryManager_->refresh();
    binaryManager_->show();
    binaryManager_->raise();
    binaryManager_->activateWindow();
    return binaryManager_;
}

void MainWindow::importBinary() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import binary file"),
                                                      toQ(currentDocument().folder),
                                                      QStringLiteral("Binary files (*.bin);;All files (*)"));
    if (path.isEmpty()) return;
    const Result<Bytes> read = readFile(path.toStdString(), kMaxImportSize);
    if (!read || read->empty()) return;
    currentEditor()->insertAtCaret(formatDefb(*read));
}

void MainWindow::addInclude() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Select file to include"),
                                                      toQ(settings_.text(Setting::LastDir)),
                                                      QStringLiteral("Sources (*.bas *.qlo)"));
    if (path.isEmpty()) return;
    currentEditor()->insertAtCaret(QStringLiteral("#INCLUDE \"%1\"").arg(path).toStdString());
}

void MainWindow::clearText() {
    if (askYesNo(this, QStringLiteral("Question"), QStringLiteral("Are you sure?")))
        currentEditor()->send(Sci::SCI_CLEARALL);
}

void MainWindow::printSource() {
    QsciPrinter printer;
    printer.setDocName(toQ(currentDocument().name));
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
