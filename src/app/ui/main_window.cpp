#include "app/ui/main_window.h"

#include "app/menu_table.h"
#include "app/settings.h"
#include "app/ui/help_strip.h"
#include "app/ui/project_panel.h"
#include "app/ui/window_build_host.h"
#include "pipeline/ui/build_pipeline.h"
#include "pipeline/memory_image.h"
#include "pipeline/region_map.h"
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

MainWindow::MainWindow(Settings& settings, QString programFolder, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      programFolder_(std::move(programFolder)),
      charset_(builtInCharset()),
      regions_(std::make_unique<RegionMap>()),
      image_(std::make_unique<MemoryImage>()) {
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
    registerShortcuts();
    applyWindowColours();

    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
    addDocument(firstDocument(programFolder_.toStdString()));
    activateTab(0);

    move(0, 0);
    resize(settings_.integer(Setting::Quillo_WinWidth), settings_.integer(Setting::Quillo_WinHeight));
    sidebarSplitter_->setSizes({settings_.integer(Setting::SidebarExplorer), kMinSidePanelWidth});
    outputSplitter_->setSizes({settings_.integer(Setting::OutputSplitter), kMinOutputHeight});

    appendOutput(QStringLiteral("Quillo version: %1").arg(QLatin1String(kVersion)));
    buildHost_ = std::make_unique<WindowBuildHost>(*this);
    pipeline_ = std::make_unique<BuildPipeline>(*buildHost_);
    pipeline_->checkVersion();
    updateCompilerChecks();
}

MainWindow::~MainWindow() {
    if (pipeline_) pipeline_->stop();
}

void MainWindow::buildStatusBar() {
    for (std::size_t i = 0; i < status_.size(); ++i) {
        status_[i] = new QLabel(this);
        if (i + 1 < status_.size()) {
            status_[i]->setFixedWidth(kStatusFieldWidths[i]);
            statusBar()->addWidget(status_[i]);
        } else {
            status_[i]->setMinimumWidth(100);
            statusBar()->addWidget(status_[i], 1);
        }
    }
    status_[4]->setText(QStringLiteral("unused"));
}

void MainWindow::buildMenuLines(QWidget* parentMenu, std::span<const MenuLine> lines, std::size_t& index, int depth) {
    while (index < lines.size() && lines[index].depth >= depth) {
        const MenuLine& line = lines[index++];
        const QString caption = QString::fromUtf8(line.caption);
        auto* menu = qobject_cast<QMenu*>(parentMenu);
        switch (line.kind) {
        case MenuLine::Kind::Separator:
            if (menu) menu->addSeparator();
            break;
        case MenuLine::Kind::Menu: {
            QMenu* sub = menu ? menu->addMenu(caption) : menuBar()->addMenu(caption);
            buildMenuLines(sub, lines, index, line.depth + 1);
            break;
        }
        case MenuLine::Kind::Item: {
            auto* action = new QAction(caption, this);
            action->setEnabled(line.enabled);
            action->setCheckable(line.checkable);
            const Command command = line.command;
            connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
            if (!actions_.count(command)) actions_[command] = action;
            parentMenu->addAction(action);
            break;
        }
        }
    }
}

void MainWindow::buildMenus() {
    std::size_t index = 0;
    buildMenuLines(menuBar(), menuBarLines(), index, 0);
    // The popups other windows show; their commands arrive through runCommand.
    const auto popup = [this](std::span<const MenuLine> lines) {
        auto* menu = new QMenu(this);
        std::size_t at = 0;
        buildMenuLines(menu, lines, at, 0);
        return menu;
    };
    binaryPropertiesMenu_ = popup(binaryPropertiesPopupLines());
    binaryListMenu_ = popup(binaryListPopupLines());
    bookmarkMenu_ = popup(bookmarkPopupLines());
}

QAction* MainWindow::action(Command command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
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

void MainWindow::registerShortcuts() {
    const auto bind = [this](Command command, QList<QKeySequence> keys) {
        if (QAction* a = action(command)) {
            a->setShortcuts(keys);
            a->setShortcutContext(Qt::WindowShortcut);
        }
    };
    bind(Command::Help, {Qt::Key_F1});
    bind(Command::FindReplace, {Qt::Key_F3});
    bind(Command::FindSub, {QKeyCombination(Qt::SHIFT, Qt::Key_F3)});
    bind(Command::AutoRem, {QKeyCombination(Qt::CTRL, Qt::Key_B)});
    bind(Command::AutoUnrem, {QKeyCombination(Qt::ALT, Qt::Key_B)});
    bind(Command::Compile, {Qt::Key_F9});
    bind(Command::Run, {Qt::Key_F10});
    bind(Command::CompileAndRun, {Qt::Key_F11});
    // Enabled only while a build runs, so Esc otherwise stays the editor's.
    bind(Command::StopBuild, {Qt::Key_Escape});
    // The numeric keypad's plus and minus, and the main keyboard's for
    // machines without a keypad.
    bind(Command::ZoomIn, {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus), QKeySequence::ZoomIn});
    bind(Command::ZoomOut, {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus), QKeySequence::ZoomOut});
    // Keys every Linux editor has, added without changing the menu captions.
    const auto extra = [this](QKeySequence key, Command command) {
        auto* a = new QAction(this);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
        addAction(a);
    };
    extra(QKeySequence::New, Command::New);
    extra(QKeySequence::Open, Command::Open);
    extra(QKeySequence::Save, Command::Save);
    extra(QKeySequence::SaveAs, Command::SaveAs);
}

QWidget* MainWindow::buildPanels() {
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("sourceTabs"));
    tabs_->setDocumentMode(true);
    tabs_->setUsesScrollButtons(true);

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
    outputSplitter_->setStretchFactor(0, 1);

    side_ = new QTabWidget;
    side_->setObjectName(QStringLiteral("sidePanel"));
    side_->setMinimumWidth(kMinSidePanelWidth);
    // The panel lends its two pages to the side panel; it stays alive hidden.
    panel_ = new ProjectPanel(this);
    panel_->hide();
    panel_->setDocumentProvider([this]() -> Document* { return current_ < 0 ? nullptr : &currentDocument(); });
    QWidget* projectPage = panel_->projectPage();
    QWidget* project2Page = panel_->project2Page();
    connect(panel_, &ProjectPanel::optionStored, this, [this] {
        if (current_ >= 0) panel_->storeMainFileName(currentDocument());
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
