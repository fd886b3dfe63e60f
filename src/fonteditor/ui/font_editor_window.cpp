#include "fonteditor/ui/font_editor_window.h"

#include "common/ui/menu_item.h"
#include "common/ui/message_box.h"
#include "fonteditor/standard_shapes.h"
#include "fonteditor/ui/font_table_widget.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace quillo {

namespace {

QPushButton* frameButton(const QString& caption, QWidget* parent, std::function<void()> action) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, parent, std::move(action));
    return button;
}

}  // namespace

FontEditorWindow::FontEditorWindow(FontEditorContext context, QWidget* parent)
    : QDialog(parent),
      font_(context.font),
      storedScope_(context.scope),
      fontFolder_(std::move(context.fontFolder)),
      toBinaryManager_(std::move(context.toBinaryManager)) {
    setWindowTitle(QStringLiteral("Font Editor for Quillo"));
    setAcceptDrops(true);
    font_.rangeStart = 32;
    font_.rangeEnd = 127;
    font_.takeUndo();

    auto* menuBar = new QMenuBar(this);
    buildMenus(menuBar);
    auto* tools = new QToolBar(this);
    tools->addAction(style()->standardIcon(QStyle::SP_FileIcon), QStringLiteral("New"), this, [this] { newFont(); });
    tools->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("Open"), this,
                     [this] { openFont(); });
    tools->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Save"), this,
                     [this] { saveFont(); });

    const auto current = [this] { return current_; };
    table_ = new FontTableWidget(font_, current, this);
    table_->setObjectName(QStringLiteral("fontTable"));
    grid_ = new FontGridWidget(font_, current, this);
    grid_->setObjectName(QStringLiteral("fontGrid"));
    folderList_ = new QListWidget(this);
    folderList_->setObjectName(QStringLiteral("fontFolderList"));
    connect(table_, &FontTableWidget::currentChosen, this, &FontEditorWindow::setCurrent);
    connect(table_, &FontTableWidget::flagsChanged, this, &FontEditorWindow::refresh);
    connect(grid_, &FontGridWidget::strokeStarted, this, [this] { font_.takeUndo(); });
    connect(grid_, &FontGridWidget::pixelsChanged, this, &FontEditorWindow::refresh);
    connect(folderList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { loadBySizeFrom(QDir(fontFolder_).filePath(item->text())); });
    connect(folderList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { loadBySizeFrom(QDir(fontFolder_).filePath(item->text())); });
    auto* watcher = new QFileSystemWatcher(this);
    if (!fontFolder_.isEmpty() && QDir(fontFolder_).exists()) watcher->addPath(fontFolder_);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, &FontEditorWindow::refillFolderList);
    refillFolderList();

    auto* top = new QHBoxLayout;
    top->addWidget(table_, 0, Qt::AlignTop);
    top->addWidget(grid_, 0, Qt::AlignTop);
    top->addWidget(folderList_, 1);

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    const int widths[5] = {80, 160, 80, 80, 100};
    for (int i = 0; i < 5; ++i) {
        status_[i] = new QLabel(this);
        status_[i]->setFixedWidth(widths[i]);
        status->addWidget(status_[i]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(tools);
    layout->addLayout(top);
    layout->addWidget(buildFrames());
    layout->addWidget(status);
    setFixedSize(700, 360 + menuBar->sizeHint().height() + tools->sizeHint().height());
    refresh();
}

void FontEditorWindow::buildMenus(QWidget* barWidget) {
    auto* bar = static_cast<QMenuBar*>(barWidget);
    const auto item = [this](QMenu* menu, const QString& caption, auto action, QKeySequence keys = {}) {
        return addMenuItem(menu, this, caption, std::move(action), keys);
    };
    const auto transform = [this](CharTransform t) { return [this, t] { applyTransform(t); }; };

    QMenu* project = bar->addMenu(QStringLiteral("Project"));
    item(project, QStringLiteral("New"), [this] { newFont(); });
    item(project, QStringLiteral("Open"), [this] { openFont(); });
    item(project, QStringLiteral("Save"), [this] { saveFont(); });
    QMenu* import = project->addMenu(QStringLiteral("Import"));
    item(import, QStringLiteral("Binary"), [this] { importBinary(); });
    item(import, QStringLiteral("PC Font"), [this] { importPcFont(); });
    item(import, QStringLiteral("DEFBs/Data from Clipboard"), [this] { importClipboard(); });
    QMenu* exports = project->addMenu(QStringLiteral("Export"));
    item(exports, QStringLiteral("Export"), [this] { exportFile(); });
    item(exports, QStringLiteral("Export ASM"), [this] { exportAsm(); });
    item(exports, QStringLiteral("Export ASM Clipboard"), [this] { exportAsmClipboard(); });
    item(exports, QStringLiteral("Export Byte Clipboard"), [this] { exportByteClipboard(); });
    item(exports, QStringLiteral("Export to Binary Manager"), [this] { exportToBinaryManager(); });
    project->addSeparator();
    item(project, QStringLiteral("Font Library"), [this] { openLibrary(); });

    QMenu* edit = bar->addMenu(QStringLiteral("Edit"));
    item(edit, QStringLiteral("Copy"), [this] { std::copy_n(font_.glyphAt(current_), 8, font_.clipboard.begin()); },
         QKeySequence(Qt::CTRL | Qt::Key_C));
    item(
        edit, QStringLiteral("Paste"),
        [this] {
            font_.takeUndo();
            if (!font_.isProtected(current_)) std::copy(font_.clipboard.begin(), font_.clipboard.end(), font_.glyphAt(current_));
            refresh();
        },
        QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    item(edit, QStringLiteral("Set range start"), [this] { setRange(current_, font_.rangeEnd); }, QKeySequence(Qt::Key_Home));
    item(edit, QStringLiteral("Set Range end"), [this] { setRange(font_.rangeStart, current_); }, QKeySequence(Qt::Key_End));
    item(edit, QStringLiteral("Set range ZX Font"), [this] { setRange(32, 127); });
    item(edit, QStringLiteral("Set range 48K UDG"), [this] { setRange(144, 164); });
    item(edit, QStringLiteral("Set Range 128K UDG"), [this] { setRange(144, 162); });
    item(edit, QStringLiteral("Set Range All"), [this] { setRange(0, 255); });
    edit->addSeparator();
    item(edit, QStringLiteral("Clear"), transform(CharTransform::Clear));
    item(edit, QStringLiteral("Invert"), transform(CharTransform::Invert));
    item(edit, QStringLiteral("Mirror"), transform(CharTransform::Mirror));
    item(edit, QStringLiteral("Flip"), transform(CharTransform::Flip));
    edit->addSeparator();
    item(edit, QStringLiteral("Clear Selection"), [this] {
        for (auto& flag : font_.flags) flag &= static_cast<std::uint8_t>(~kCharFlagSelected);
        refresh();
    });
    QMenu* italic = edit->addMenu(QStringLiteral("Italic"));
    item(italic, QStringLiteral("1/8"), transform(CharTransform::ItalicEighth));
    item(italic, QStringLiteral("1/4"), transform(CharTransform::ItalicQuarter));
    item(edit, QStringLiteral("Bold"), transform(CharTransform::Bold));
    item(edit, QStringLiteral("&Rotate"), transform(CharTransform::Rotate), QKeySequence(Qt::Key_R));
    item(edit, QStringLiteral("Recalc to 4x8"), transform(CharTransform::RecalcTo4x8));
    QMenu* align = edit->addMenu(QStringLiteral("Align Char"));
    item(align, QStringLiteral("Align to Left"), transform(CharTransform::AlignLeft));
    item(align, QStringLiteral("Align to Right"), transform(CharTransform::AlignRight));
    edit->addSeparator();
    item(edit, QStringLiteral("Restore Character"), transform(CharTransform::Restore));
    item(edit, QStringLiteral("Undo"), [this] { undo(); }, QKeySequence::Undo);

    QMenu* special = bar->addMenu(QStringLiteral("Special"));
    item(special, QStringLiteral("Set UDG to Standard"), [this] {
        font_.takeUndo();
        setUdgToStandard(font_);
        refresh();
    });
    item(special, QStringLiteral("Fonts Manager"), [] {})->setEnabled(false);
    item(special, QStringLiteral("Add Font to Manager"), [] {})->setEnabled(false);
    item(special, QStringLiteral("Disable character protection"), [this] {
        const CharSpan span = scopeSpan();
        for (int c = span.first; c <= span.last; ++c) font_.flags[c] &= static_cast<std::uint8_t>(~kCharFlagProtected);
        refresh();
    });
}

QWidget* FontEditorWindow::buildFrames() {
    auto* frames = new QWidget(this);
    auto* row = new QHBoxLayout(frames);
    row->setContentsMargins(0, 0, 0, 0);

    auto* scopeBox = new QGroupBox(QStringLiteral("Operation on"), frames);
    auto* scopeLayout = new QVBoxLayout(scopeBox);
    scopeButtons_ = new QButtonGroup(this);
    const char* scopes[] = {"Single Character", "Character range", "All characters"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(scopes[i]), scopeBox);
        scopeButtons_->addButton(radio, i + 1);
        scopeLayout->addWidget(radio);
    }
    const int stored = static_cast<int>(storedScope_);
    scopeButtons_->button(stored >= 1 && stored <= 3 ? stored : 2)->setChecked(true);

    auto* rangeBox = new QGroupBox(QStringLiteral("Character range move"), frames);
    auto* rangeLayout = new QGridLayout(rangeBox);
    const std::pair<const char*, RangeMove> rangeMoves[] = {{"Roll Left", RangeMove::RollLeft},
                                                            {"Roll Right", RangeMove::RollRight},
                                                            {"Scroll Left", RangeMove::ScrollLeft},
                                                            {"Scroll Right", RangeMove::ScrollRight}};
    for (int i = 0; i < 4; ++i) {
        const RangeMove move = rangeMoves[i].second;
        rangeLayout->addWidget(frameButton(QString::fromLatin1(rangeMoves[i].first), rangeBox, [this, move] { rangeMove(move); }),
                               i / 2, i % 2);
    }

    auto* pixelBox = new QGroupBox(QStringLiteral("Pixel Move"), frames);
    auto* pixelLayout = new QGridLayout(pixelBox);
    const std::pair<const char*, PixelMove> pixelMoves[] = {
        {"Roll up", PixelMove::RollUp},       {"Roll Left", PixelMove::RollLeft},
        {"Roll Right", PixelMove::RollRight}, {"Roll Down", PixelMove::RollDown},
        {"Scroll up", PixelMove::ScrollUp},   {"Scroll Left", PixelMove::ScrollLeft},
        {"Scroll Right", PixelMove::ScrollRight}, {"Scroll Down", PixelMove::ScrollDown}};
    for (int i = 0; i < 8; ++i) {
        const PixelMove move = pixelMoves[i].second;
        pixelLayout->addWidget(frameButton(QString::fromLatin1(pixelMoves[i].first), pixelBox, [this, move] { pixelMove(move); }),
                               i / 4, i % 4);
    }
    row->addWidget(scopeBox);
    row->addWidget(rangeBox);
    row->addWidget(pixelBox, 1);
    return frames;
}

FontScope FontEditorWindow::scope() const { return static_cast<FontScope>(scopeButtons_->checkedId()); }

void FontEditorWindow::setCurrent(int code) {
    current_ = code & 0xFF;
    refresh();
}

void FontEditorWindow::setRange(int start, int end) {
    font_.rangeStart = start & 0xFF;
    font_.rangeEnd = end & 0xFF;
    refresh();
}

void FontEditorWindow::applyTransform(CharTransform transform) {
    font_.takeUndo();
    transformChars(font_, scopeSpan(), transform);
    refresh();
}

void FontEditorWindow::undo() {
    font_.restoreUndo();
    refresh();
}

void FontEditorWindow::rangeMove(RangeMove move) {
    if (const auto code = moveRange(font_, move))
        showMessage(this, QStringLiteral("Error"), QString::fromStdString(protectedMessage(*code)), QMessageBox::Critical);
    refresh();
}

void FontEditorWindow::pixelMove(PixelMove move) {
    moveCharPixels(font_, scopeSpan(), move);
    refresh();
}

QString FontEditorWindow::statusText(int field) const { return status_[field]->text(); }

void FontEditorWindow::refresh() {
    recalcMetrics(font_, current_);
    const std::uint8_t flag = font_.flags[current_];
    const bool printable = current_ >= 32 && current_ != 127 && current_ < 128;
    const QString shown = printable ? QString(QChar(current_)) : QString();
    status_[0]->setText(QStringLiteral("Char %1 \"%2\"").arg(current_).arg(shown));
    status_[1]->setText(QStringLiteral("%1 Chars selected").arg(font_.range().count()));
    status_[2]->setText(font_.isProtected(current_) ? QStringLiteral("Locked") : QStringLiteral("Editable"));
    status_[3]->setText(QStringLiteral("s: %1, w: %2").arg(flag & 7).arg(((flag >> 3) & 7) + 1));
    table_->update();
    grid_->update();
}

void FontEditorWindow::refillFolderList() {
    folderList_->clear();
    folderList_->addItems(QDir(fontFolder_).entryList(QDir::Files, QDir::Name));
}

void FontEditorWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void FontEditorWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) paths << url.toLocalFile();
    event->acceptProposedAction();
    dropFiles(paths);
}

void FontEditorWindow::dropFiles(const QStringList& paths) {
    if (paths.size() != 1) {
        showMessage(this, QStringLiteral("Error"),
                    QStringLiteral("Too much files (%1) dropped, only one can be accepted").arg(paths.size()),
                    QMessageBox::Critical);
        return;
    }
    loadBySizeFrom(paths.front());
}

void FontEditorWindow::done(int result) {
    storedScope_ = scope();
    QDialog::done(result);
}

}  // namespace quillo
