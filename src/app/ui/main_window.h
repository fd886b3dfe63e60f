#pragma once
#include "app/commands.h"
#include "app/document.h"
#include "pipeline/binary_list.h"
#include "common/charset.h"

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QTreeWidget;

namespace quillo {

class BinaryManagerWindow;
class BuildPipeline;
class WindowBuildHost;
class HelpStrip;
class MemoryImage;
class ProjectPanel;
class RegionMap;
class Settings;
struct EditorStatus;
class SourceEditor;
struct MenuLine;

// The program's one top-level window: menus, toolbar, source tabs, output
// panel, side panel, help strip and status bar, and the documents in the tabs.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Settings& settings, QString programFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Carries out a menu, toolbar or shortcut command.
    void runCommand(Command command);
    // Opens a source as "Open" does, without the file requester.
    bool openSourceFile(const QString& path);

    // Appends one whole line to the output panel; logLine() adds the log prefix.
    void appendOutput(const QString& line);
    void appendLog(std::string_view text);

    int documentCount() const { return static_cast<int>(documents_.size()); }
    int currentIndex() const { return current_; }
    Document& document(int index) { return documents_.at(static_cast<std::size_t>(index)); }
    Document& currentDocument() { return document(current_); }
    SourceEditor* editor(int index) const;
    SourceEditor* currentEditor() const { return editor(current_); }

    QTabWidget* sourceTabs() const { return tabs_; }
    QPlainTextEdit* outputPanel() const { return output_; }
    QTabWidget* sidePanel() const { return side_; }
    QTreeWidget* explorerList() const { return explorer_; }
    QSplitter* sidebarSplitter() const { return sidebarSplitter_; }
    QSplitter* outputSplitter() const { return outputSplitter_; }
    HelpStrip* helpStrip() const { return strip_; }
    QLabel* statusField(int index) const { return status_.at(static_cast<std::size_t>(index)); }
    QAction* action(Command command) const;
    QMenu* bookmarkMenu() const { return bookmarkMenu_; }
    const QString& programFolder() const { return programFolder_; }
    ProjectPanel* projectPanel() const { return panel_; }
    Settings& settings() { return settings_; }

    // The current document's extra binaries and the application-wide memory
    // image and region map the build places them in.
    BinaryList& binaryList() { return binaries_; }
    RegionMap& regionMap() { return *regions_; }
    MemoryImage& memoryImage() { return *image_; }
    BinaryManagerWindow* binaryManager() const { return binaryManager_; }

    // Save as the "Save" command does (asks for a name when the source was
    // never saved); false when nothing was written.
    bool saveCurrentSource();
    // Writes the current editor's text to path with its project file and
    // binary list beside it, without asking; false when the text was not written.
    bool saveSourceFiles(const QString& path);
    void refreshAllTabMarkers() { refreshAllMarkers(); }
    void refreshFreeMemory() { updateStatusBar(); }
    BuildPipeline& buildPipeline() { return *pipeline_; }

    // The exit sequence: window state into the settings, the question for
    // modified sources, then the settings file. Returns false when the
    // settings file could not be written (reported on standard error).
    bool runExitSequence();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Window construction.
    void buildMenus();
    void buildMenuLines(QWidget* parentMenu, std::span<const MenuLine> lines, std::size_t& index, int depth);
    void buildToolbar();
    void buildStatusBar();
    QWidget* buildPanels();
    void registerShortcuts();
    void applyWindowColours();

    // Documents.
    int addDocument(Document doc);
    void activateTab(int index);
    void sync();
    void newDocument();
    void openDocument();
    bool loadSource(const QString& path, bool intoNewTab);
    void saveDocument();
    bool saveDocumentAs();
    bool saveSource(const QString& path, bool ask);
    bool saveCurrentUnderItsName();
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
    void writeBinaryList(const std::string& path);
    void readBinaryList(const std::string& path);
    void showBinaryManager();
    void startBuild(Command command);

    // Commands of this window.
    void importBinary();
    void addInclude();
    void clearText();
    void zoom(int message);
    void printSource();
    void showAbout();
    void startCalculator();
    void setUsedCompiler(int which);
    void updateCompilerChecks();
    void storeWindowState();
    bool writeSettingsFile();

    Settings& settings_;
    QString programFolder_;
    std::vector<Document> documents_;
    int current_ = -1;
    bool exitDone_ = false;

    QTabWidget* tabs_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
    QTabWidget* side_ = nullptr;
    QTreeWidget* explorer_ = nullptr;
    QSplitter* sidebarSplitter_ = nullptr;
    QSplitter* outputSplitter_ = nullptr;
    HelpStrip* strip_ = nullptr;
    std::array<QLabel*, 7> status_{};
    std::map<Command, QAction*> actions_;
    QMenu* bookmarkMenu_ = nullptr;
    QMenu* binaryPropertiesMenu_ = nullptr;
    QMenu* binaryListMenu_ = nullptr;

    Charset charset_;
    ProjectPanel* panel_ = nullptr;
    BinaryList binaries_;
    std::unique_ptr<RegionMap> regions_;
    std::unique_ptr<MemoryImage> image_;
    BinaryManagerWindow* binaryManager_ = nullptr;
    // A binary list that could not be read is never written over, so a
    // damaged file can still be repaired or recovered by hand.
    std::string damagedBinaryList_;

    std::unique_ptr<WindowBuildHost> buildHost_;
    std::unique_ptr<BuildPipeline> pipeline_;
};

}  // namespace quillo
