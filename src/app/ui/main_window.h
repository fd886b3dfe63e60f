#pragma once
#include "app/command_registry.h"
#include "app/commands.h"
#include "app/document.h"
#include "app/project_file.h"
#include "app/workspace.h"
#include "editor/status_fields.h"
#include "pipeline/binary_list.h"

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QTreeWidget;

namespace quillo {

class AppState;
class BinaryManagerWindow;
class BuildPipeline;
class WindowBuildHost;
class HelpStrip;
class MenuBuilder;
class ProjectPanel;
class Settings;
struct EditorStatus;
struct ToolCommandContext;
struct Error;
class SourceEditor;

// The program's one top-level window: menus, toolbar, source tabs, output
// panel, side panel, help strip and status bar. The documents in the tabs
// are the workspace of the application state it is given.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Carries out a menu, toolbar or shortcut command.
    void runCommand(Command command);
    // Opens a source as "Open" does, without the file requester.
    bool openSourceFile(const QString& path);

    // Appends one whole line to the output panel; appendLog() adds the log prefix.
    void appendOutput(const QString& line);
    void appendLog(std::string_view text);
    void clearOutput();

    int documentCount() const { return workspace_.count(); }
    int currentIndex() const { return workspace_.currentIndex(); }
    Document& document(int index) { return workspace_.document(index); }
    Document& currentDocument() { return workspace_.current(); }
    SourceEditor* editor(int index) const;
    SourceEditor* currentEditor() const { return editor(currentIndex()); }
    // The tab index of an editor, or -1 when its tab was closed.
    int indexOfEditor(const SourceEditor* editor) const;

    QAction* action(Command command) const;
    Settings& settings() { return settings_; }
    AppState& state() { return state_; }
    BuildPipeline& buildPipeline() { return *pipeline_; }

    // Field HelpLine also carries "Compiling..." while a build runs.
    void setStatusText(StatusField field, const QString& text);
    // Enables every action whose command has a condition as the condition says.
    void refreshCommandStates();

    // Save as the "Save" command does (asks for a name when the source was
    // never saved); false when nothing was written.
    bool saveCurrentSource();
    // Writes the current editor's text to path with its project file and
    // binary list beside it, without asking or showing a message; the text's
    // error when it was not written.
    Status saveSourceFiles(const std::string& path);
    // Whether the options of the source in ed came from its project file.
    Status projectOptionsOf(const SourceEditor* ed) const;
    // Before a build or run: the panels stored into the current document and,
    // when saveFirst, a source never saved given a name. False stops it.
    bool prepareBuild(bool saveFirst);
    void refreshAllTabMarkers() { refreshAllMarkers(); }
    void refreshFreeMemory() { updateStatusBar(); }
    // Opens (creating it on first use) the binary manager window.
    BinaryManagerWindow* showBinaryManager();
    BinaryManagerWindow* binaryManager() const { return binaryManager_; }

    // The exit sequence: window state into the settings, the question for
    // modified sources, then the settings file. Returns false when the
    // settings file could not be written (reported on standard error).
    bool runExitSequence();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Window construction.
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    QWidget* buildPanels();
    void applyWindowColours();
    void registerCommands();
    void registerWindowCommands();
    ToolCommandContext toolCommandContext();
    void fillRecentMenu(QMenu* menu);
    void refreshTitle();
    void goToLine();
    // The tab whose source is the file at path, or -1.
    int tabOfFile(const QString& path) const;
    void rememberFile(int index, const std::string& path);

    // Documents.
    int addDocument(Document doc);
    void activateTab(int index);
    void sync();
    void newDocument();
    void openDocument();
    bool loadSource(const std::string& path, bool intoNewTab);
    void saveDocument();
    bool saveDocumentAs();
    bool saveSource(const std::string& path, bool ask);
    Status writeSource(const std::string& file);
    bool saveCurrentUnderItsName();
    ProjectEditorState editorState(SourceEditor& editor) const;
    void saveModifiedSources();
    void closeDocument();
    void moveDocument(int delta);
    void refreshTabMarker(int index);
    void refreshAllMarkers();
    void refreshExplorer();
    void onTabChanged(int index);
    void onEditorNotified();
    void onEditorStatus(const EditorStatus& status);
    void showBookmarkMenu(int line);
    void updateStatusBar();
    void renderHelpLine();
    void refillMainFileList();
    // The binary list that goes with a document's output file.
    std::string binaryListFile(const Document& doc) const;
    BinaryList& binaries();
    void keepBinaryList(const Document& doc);
    void takeBinaryList(const Document& doc);
    void writeBinaryList(const std::string& path);
    void readBinaryList(const std::string& path);
    void reportDamagedBinaryList(const std::string& path, const Error& error);
    void reportDamagedProjectFile(const Error& error);
    void binaryListChanged();

    // Commands of this window.
    void importBinary();
    void addInclude();
    void clearText();
    void printSource();
    void showAbout();
    void startCalculator();
    void setUsedCompiler(int which);
    void updateCompilerChecks();
    void storeWindowState();
    bool writeSettingsFile();

    AppState& state_;
    Settings& settings_;
    Workspace& workspace_;
    QString programFolder_;
    bool exitDone_ = false;

    CommandRegistry commands_;
    std::unique_ptr<MenuBuilder> menus_;
    QTabWidget* tabs_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
    QTabWidget* side_ = nullptr;
    QTreeWidget* explorer_ = nullptr;
    QSplitter* sidebarSplitter_ = nullptr;
    QSplitter* outputSplitter_ = nullptr;
    HelpStrip* strip_ = nullptr;
    std::array<QLabel*, kStatusFieldCount> status_{};
    QMenu* bookmarkMenu_ = nullptr;
    QMenu* binaryPropertiesMenu_ = nullptr;
    QMenu* binaryListMenu_ = nullptr;

    ProjectPanel* panel_ = nullptr;
    BinaryManagerWindow* binaryManager_ = nullptr;
    // The binary lists of tabs whose source was never saved.
    std::map<const SourceEditor*, BinaryList> unsavedBinaries_;
    // The file each tab was opened from or last saved to, as the system names it.
    std::map<const SourceEditor*, QString> tabFiles_;

    std::unique_ptr<WindowBuildHost> buildHost_;
    std::unique_ptr<BuildPipeline> pipeline_;
};

}  // namespace quillo
