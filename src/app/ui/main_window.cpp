#include "app/ui/main_window.h"

#include "app/app_state.h"
#include "app/menu_table.h"
#include "app/settings.h"
#include "app/ui/menu_builder.h"
#include "common/ui/colour.h"
#include "common/ui/qt_text.h"
#include "app/ui/help_strip_widget.h"
#include "app/ui/project_panel.h"
#include "app/ui/window_build_host.h"
#include "pipeline/ui/build_pipeline.h"
#include "pipeline/ui/binary_manager_window.h"
#include "app/version.h"
#include "common/log_line.h"
#include "editor/ui/editor_commands.h"
#include "editor/ui/source_editor.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillo {

namespace {

constexpr std::array<int, 7> kStatusFieldWidths = {160, 100, 30, 30, 60, 20, 1000};
// The panes keep this much of themselves whatever position the settings hold,
// so a stored position can never hide the output panel or the side panel.
constexpr int kMinOutputHeight = 60;
constexpr int kMinSidePanelWidth = 250;

}  // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      settings_(state.settings()),
      workspace_(state.workspace()),
      programFolder_(toQ(state.programFolder())) {
    setWindowTitle(QStringLiteral("Quillo v. %1. ZX Basic IDE for the ZX Spectrum").arg(QLatin1String(kVersion)));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quillo.png")));
    buildStatusBar();
    buildMenus();
    buildToolbar();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(buildPanels(), 1);
    strip_ = new HelpStrip(central);
    layout->addWidget(strip_);
    setCentralWidget(central);
    connect(strip_, &HelpStrip::widthChanged, this, &MainWindow::renderHelpLine);
    applyWindowColours();

    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
    addDocument(firstDocument());
    activateTab(0);

    move(0, 0);
    resize(settings_.integer(Setting::Quillo_WinWidth), settings_.integer(Setting::Quillo_WinHeight));
    sidebarSplitter_->setSizes({settings_.integer(Setting::SidebarExplorer), kMinSidePanelWidth});
    outputSplitter_->setSizes({settings_.integer(Setting::OutputSplitter), kMinOutputHeight});

    appendOutput(QStringLiteral("Quillo version: %1").arg(QLatin1String(kVersion)));
    buildHost_ = std::make_unique<WindowBuildHost>(*this);
    pipeline_ = std::make_unique<BuildPipeline>(*buildHost_);
    registerCommands();
    refreshCommandStates();
    pipeline_->checkVersion();
    updateCompilerChecks();
}

MainWindow::~MainWindow() {
    if (pipeline_) pipeline_->stop();
}

void MainWindow::buildStatusBar() {
    for (std::size_t i = 0; i < status_.size(); ++i) {
        status_[i] = new QLabel(this);
        status_[i]->setObjectName(QStringLiteral("statusField%1").arg(i));
        if (i + 1 < status_.size()) {
            status_[i]->setFixedWidth(kStatusFieldWidths[i]);
            statusBar()->addWidget(status_[i]);
        } else {
            status_[i]->setMinimumWidth(100);
            statusBar()->addWidget(status_[i], 1);
        }
    }
    setStatusText(StatusField::Unused, QStringLiteral("unused"));
}

void MainWindow::setStatusText(StatusField field, const QString& text) {
    status_.at(static_cast<std::size_t>(field))->setText(text);
}

void MainWindow::buildMenus() {
    menus_ = std::make_unique<MenuBuilder>(this, [this](Command command) { runCommand(command); });
    menus_->fillMenuBar(menuBar(), menuBarLines());
    // The popups other windows show; their commands arrive through runCommand.
    menus_->addKeys(windowKeyLines());
    if (QMenu* recent = menus_->submenu(QStringLiteral("Open recent")))
        connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentMenu(recent); });
    binaryPropertiesMenu_ = menus_->popup(binaryPropertiesPopupLines());
    binaryListMenu_ = menus_->popup(binaryListPopupLines());
    bookmarkMenu_ = menus_->popup(bookmarkPopupLines());
}

QAction* MainWindow::action(Command command) const { return menus_->action(command); }

void MainWindow::refreshCommandStates() {
    for (const auto& [command, action] : menus_->actions())
        if (commands_.hasCondition(command)) action->setEnabled(commands_.enabled(command));
}

void MainWindow::runCommand(Command command) {
    commands_.run(command);
    // A dialog or another window may have taken the focus: typing goes on
    // in the source unless the command put it somewhere on purpose.
    if (isActiveWindow() && (!focusWidget() || focusWidget() == this) && currentEditor()) currentEditor()->setFocus();
}

void MainWindow::fillRecentMenu(QMenu* menu) {
    menu->clear();
    for (const std::string& path : settings_.recentFiles()) {
        const QString file = toQ(path);
        connect(menu->addAction(file), &QAction::triggered, this, [this, file] { openSourceFile(file); });
    }
    if (menu->isEmpty()) menu->addAction(QStringLiteral("(none)"))->setEnabled(false);
}

void MainWindow::refreshTitle() {
    QString title = QStringLiteral("Quillo v. %1. ZX Basic IDE for the ZX Spectrum").arg(QLatin1String(kVersion));
    if (workspace_.hasCurrent()) {
        const Document& doc = currentDocument();
        title += QStringLiteral(" - ") + toQ(doc.name);
        if (doc.isSaved()) title += QStringLiteral(" (") + toQ(doc.folder) + QLatin1Char(')');
    }
    setWindowTitle(title);
}

void MainWindow::buildToolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    for (const ToolButton& button : toolbarButtons()) {
        if (!button.icon) {
            bar->addSeparator();
            continue;
        }
        QAction* action = bar->addAction(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(button.icon))),
                                         QString::fromUtf8(button.tooltip));
        action->setToolTip(QString::fromUtf8(button.tooltip));
        action->setEnabled(button.enabled);
        action->setObjectName(QStringLiteral("tool_%1").arg(QLatin1String(button.icon)));
        const Command command = button.command;
        if (command != Command::None) connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    }
}

QWidget* MainWindow::buildPanels() {
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("sourceTabs"));
    tabs_->setDocumentMode(true);
    tabs_->setUsesScrollButtons(true);
    tabs_->setTabsClosable(true);
    connect(tabs_, &QTabWidget::tabCloseRequested, this, [this](int index) {
        if (index != currentIndex()) tabs_->setCurrentIndex(index);
        runCommand(Command::CloseProject);
    });

    output_ = new QPlainTextEdit;
    output_->setObjectName(QStringLiteral("outputPanel"));
    output_->setReadOnly(true);
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setFont(QFont(QStringLiteral("Monospace"), 9));
    output_->setMinimumHeight(kMinOutputHeight);

    outputSplitter_ = new QSplitter(Qt::Vertical);
    outputSplitter_->setObjectName(QStringLiteral("outputSplitter"));
    outputSplitter_->addWidget(tabs_);
    outputSplitter_->addWidget(output_);
    outputSplitter_->setChildrenCollapsible(false);
    // Both panes share a larger window, the sources taking the most of it.
    outputSplitter_->setStretchFactor(0, 3);
    outputSplitter_->setStretchFactor(1, 1);

    side_ = new QTabWidget;
    side_->setObjectName(QStringLiteral("sidePanel"));
    side_->setMinimumWidth(kMinSidePanelWidth);
    // The panel lends its two pages to the side panel; it stays alive hidden.
    panel_ = new ProjectPanel(this);
    panel_->hide();
    panel_->setDocumentProvider([this]() -> Document* { return workspace_.hasCurrent() ? &currentDocument() : nullptr; });
    QWidget* projectPage = panel_->projectPage();
    QWidget* project2Page = panel_->project2Page();
    connect(panel_, &ProjectPanel::optionStored, this, [this] {
        if (workspace_.hasCurrent()) panel_->storeMainFileName(currentDocument());
    });
    explorer_ = new QTreeWidget;
    explorer_->setObjectName(QStringLiteral("explorerList"));
    explorer_->setColumnCount(1);
    explorer_->setHeaderLabels({QStringLiteral("Bookmark name")});
    explorer_->setColumnWidth(0, 190);
    explorer_->setRootIsDecorated(false);
    explorer_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The option pages scroll, so they never force a minimum window height.
    const auto scrolled = [](QWidget* page) {
        auto* area = new QScrollArea;
        area->setWidget(page);
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return area;
    };
    side_->addTab(scrolled(projectPage), QStringLiteral("Project"));
    side_->addTab(scrolled(project2Page), QStringLiteral("Project 2"));
    side_->addTab(explorer_, QStringLiteral("Book"));
    connect(side_, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 2) refreshExplorer();
    });
    connect(explorer_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (!item || !currentEditor()) return;
        findRoutine(*currentEditor(), item->text(0));
        currentEditor()->setFocus();
    });

    sidebarSplitter_ = new QSplitter(Qt::Horizontal);
    sidebarSplitter_->setObjectName(QStringLiteral("sidebarSplitter"));
    sidebarSplitter_->addWidget(outputSplitter_);
    sidebarSplitter_->addWidget(side_);
    sidebarSplitter_->setChildrenCollapsible(false);
    sidebarSplitter_->setStretchFactor(0, 1);
    return sidebarSplitter_;
}

void MainWindow::applyWindowColours() {
    QPalette outputPalette = output_->palette();
    outputPalette.setColor(QPalette::Base, colourFromBgr(settings_.integer(Setting::EditBGCol)));
    outputPalette.setColor(QPalette::Text, colourFromBgr(settings_.integer(Setting::EditFGCol)));
    output_->setPalette(outputPalette);
    statusBar()->setStyleSheet(
        QStringLiteral("QStatusBar { background: %1; }").arg(colourFromBgr(settings_.integer(Setting::StatusBGCol)).name()));
}

SourceEditor* MainWindow::editor(int index) const { return qobject_cast<SourceEditor*>(tabs_->widget(index)); }

int MainWindow::indexOfEditor(const SourceEditor* editor) const {
    return editor ? tabs_->indexOf(const_cast<SourceEditor*>(editor)) : -1;
}

void MainWindow::clearOutput() { output_->clear(); }

void MainWindow::appendOutput(const QString& line) {
    // The log marker is a control byte that fonts draw as an empty box; the
    // panel shows a guillemet in its place.
    static const QChar marker = QLatin1Char(kLogMarker);
    static const QChar shown(0x00BB);
    QString text = line;
    if (text.startsWith(marker)) text[0] = shown;
    text.replace(QStringLiteral("\n") + marker, QStringLiteral("\n") + shown);
    output_->appendPlainText(text);
    // The newest line is the one that matters: keep it in view.
    output_->verticalScrollBar()->setValue(output_->verticalScrollBar()->maximum());
}

void MainWindow::appendLog(std::string_view text) { appendOutput(QString::fromStdString(logLine(text))); }

void MainWindow::closeEvent(QCloseEvent* event) {
    runExitSequence();
    event->accept();
}

}  // namespace quillo
