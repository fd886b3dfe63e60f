// The graphics editor's menus and what they do with files.
#include "gfxeditor/ui/gfx_editor_window.h"

#include "common/file_io.h"
#include "common/ui/menu_item.h"
#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "editor/ui/help_viewer.h"
#include "gfxeditor/automask.h"
#include "gfxeditor/gfx_session.h"
#include "gfxeditor/pattern_sets.h"
#include "gfxeditor/screen_file.h"
#include "gfxeditor/ui/export_dialog.h"
#include "gfxeditor/ui/gfx_dialogs.h"
#include "gfxeditor/ui/import_window.h"
#include "gfxeditor/ui/picture_view.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>

namespace quillo {

namespace {

// A picture file larger than this is no screen and no picture we edit.
constexpr std::uintmax_t kMaxScreenFileSize = 1 << 20;

QString pictureFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QStringLiteral("Pictures (%1);;All (*)").arg(patterns.join(QLatin1Char(' ')));
}

}  // namespace

void GfxEditorWindow::buildMenus(QWidget* barWidget) {
    auto* bar = static_cast<QMenuBar*>(barWidget);
    const auto item = [this](QMenu* menu, const QString& caption, auto action, QKeySequence keys = {}) {
        return addMenuItem(menu, this, caption, std::move(action), keys);
    };
    const auto disabled = [](QMenu* menu, const QString& caption) { menu->addAction(caption)->setEnabled(false); };
    const auto inert = [](QMenu* menu, const QString& caption) { return menu->addAction(caption); };

    QMenu* project = bar->addMenu(QStringLiteral("Project"));
    QMenu* create = project->addMenu(QStringLiteral("Create"));
    item(create, QStringLiteral("Screen"), [this] { createScreen(); });
    for (const char* name : {"Block", "Sheet", "Sprite Sheet"}) disabled(create, QString::fromLatin1(name));
    QMenu* open = project->addMenu(QStringLiteral("Open"));
    disabled(open, QStringLiteral("Gridmill Picture (.GMP)"));
    item(open, QStringLiteral("Native Picture (.SCR)"), [this] { openScreen(); });
    disabled(open, QStringLiteral("Any Picture (.SCR/.GMP)"));
    QMenu* import = project->addMenu(QStringLiteral("Import"));
    item(import, QStringLiteral("PC picture"), [this] { openPcPicture(); });
    item(import, QStringLiteral("From Clipboard (Ctrl+V)"), [this] { importFromClipboard(); },
         QKeySequence(Qt::CTRL | Qt::Key_V));
    inert(import, QStringLiteral("DEFB from Clipboard"));
    item(project, QStringLiteral("Graphics settings"), [this] { showGraphicsSettings(this, session_.picture); });
    item(project, QStringLiteral("Save as"), [this] { chooseSaveAs(); });
    QMenu* exports = project->addMenu(QStringLiteral("Export"));
    inert(exports, QStringLiteral("Sheet to DEFB into Clipboard"));
    item(project, QStringLiteral("Settings"), [this] { showGraphicsSettings(this, session_.picture); });
    item(project, QStringLiteral("Clear"), [this] { clearPicture(); });
    disabled(project, QStringLiteral("Quit"));

    QMenu* view = bar->addMenu(QStringLiteral("View"));
    inert(view, QStringLiteral("FastFinder"));
    hideAttributes_ = item(view, QStringLiteral("Hide Attributes"), [this](bool on) {
        view_->setHideAttributes(on);
        refreshSidePictures();
    });
    hideAttributes_->setCheckable(true);
    grid_ = item(view, QStringLiteral("Grid"), [this](bool on) {
        session_.gridShown = on;
        view_->setGrid(on);
        maskView_->setGrid(on);
    });
    grid_->setCheckable(true);
    grid_->setChecked(session_.gridShown);
    inert(view, QStringLiteral("Sheet Grid"));

    QMenu* palette = bar->addMenu(QStringLiteral("Palette"));
    disabled(palette, QStringLiteral("Edit Palette"));
    QMenu* edit = bar->addMenu(QStringLiteral("Edit"));
    disabled(edit, QStringLiteral("Layer properties"));
    disabled(edit, QStringLiteral("Font Settings"));
    undoAction_ = item(edit, QStringLiteral("Undo"), [this] { undo(); }, QKeySequence::Undo);
    redoAction_ = item(edit, QStringLiteral("Redo"), [this] { redo(); }, QKeySequence(Qt::CTRL | Qt::Key_Y));
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QMenu* tool = bar->addMenu(QStringLiteral("Tool"));
    item(tool, QStringLiteral("Tool properties"), [this] {
        if (gestures_.tool() == GfxTool::Line) session_.draw.linePattern = runLineOptions(this, session_.draw.linePattern);
    });
    useFill_ = item(tool, QStringLiteral("Use Fill"), [this](bool on) { session_.draw.useFill = on; });
    useFill_->setCheckable(true);
    useFill_->setChecked(session_.draw.useFill);
    for (const char* name : {"Use Brush", "Use Textured Pen", "Use floating Offset", "No Outline"})
        disabled(tool, QString::fromLatin1(name));

    QMenu* selection = bar->addMenu(QStringLiteral("Selection"));
    item(selection, QStringLiteral("Clear"), [this] {
        gestures_.setSelection({});
        view_->setSelection({});
    });
    item(selection, QStringLiteral("Copy"), [this] { copySelectionPicture(); });
    disabled(selection, QStringLiteral("Paste"));
    item(selection, QStringLiteral("Export"), [this] { exportSelection(); });
    disabled(selection, QStringLiteral("Use as Brush"));
    QMenu* automasks = selection->addMenu(QStringLiteral("Automask"));
    item(automasks, QStringLiteral("Pixelscan"), [this] { automask(0); });
    item(automasks, QStringLiteral("Plus-Scan"), [this] { automask(1); });
    item(automasks, QStringLiteral("3x3-Scan"), [this] { automask(2); });

    QMenu* animation = bar->addMenu(QStringLiteral("Animation"));
    disabled(animation, QStringLiteral("Previous Frame"));
    disabled(animation, QStringLiteral("Next Frame"));
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    item(help, QStringLiteral("Help"), [this] { openHelp(); });
    disabled(help, QStringLiteral("About"));
}

void GfxEditorWindow::createScreen() {
    const int w = session_.picture.width(), h = session_.picture.height();
    session_.picture.recreate(kScreenColumns, kScreenRows, session_.draw.attribute);
    session_.picture.name = "NewScr";
    session_.picture.fileName = "c:\\NewImage";
    pictureReplaced(w, h);
}

void GfxEditorWindow::openScreen() {
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Load native screen"), QDir::homePath(),
                                                        QStringLiteral("Native Picture (*.scr *.SCR);;All (*)"));
    if (!chosen.isEmpty()) loadScreenFile(chosen);
}

void GfxEditorWindow::loadScreenFile(const QString& path) {
    const std::string file = fromQ(path);
    const int w = session_.picture.width(), h = session_.picture.height();
    if (!hasScreenExtension(file)) {
        showMessage(this, QStringLiteral("Error"),
                    QStringLiteral("%1 is not a native picture: only .scr files are loaded here.").arg(path),
                    QMessageBox::Warning);
        return;
    }
    const Result<Bytes> bytes = readFile(file, kMaxScreenFileSize);
    if (!bytes) return showError(this, QStringLiteral("Error"), bytes.error());
    const ScreenLoad loaded = loadScreen(session_.picture, file, *bytes);
    if (!loaded.ok) {
        showMessage(this, QStringLiteral("Error"), toQ(loaded.message), QMessageBox::Warning);
        return;
    }
    pictureReplaced(w, h);
}

void GfxEditorWindow::dropFiles(const QStringList& paths) {
    if (paths.size() != 1) {
        showMessage(this, QStringLiteral("Error"),
                    QStringLiteral("Too much files (%1) dropped, only one can be accepted").arg(paths.size()),
                    QMessageBox::Warning);
        return;
    }
    loadScreenFile(paths.front());
}

void GfxEditorWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void GfxEditorWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    dropFiles(paths);
}

void GfxEditorWindow::chooseSaveAs() {
    QString filter = isScreenSized(session_.picture) ? QStringLiteral("Native Picture (*.scr)")
                                                     : QStringLiteral("PNG picture (*.png)");
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Save as"), QDir::homePath(),
                                                        QStringLiteral("Native Picture (*.scr);;PNG picture (*.png)"),
                                                        &filter);
    if (chosen.isEmpty()) return;
    QString path = chosen;
    if (QFileInfo(path).suffix().isEmpty()) path += filter.startsWith(QLatin1String("PNG")) ? ".png" : ".scr";
    saveAs(path);
}

void GfxEditorWindow::saveAs(const QString& path) {
    const Picture& picture = session_.picture;
    std::string bytes;
    if (hasScreenExtension(fromQ(path))) {
        if (!isScreenSized(picture)) {
            showMessage(this, QStringLiteral("Error"),
                        QStringLiteral("%1 was not written: a screen file holds a 32*24 picture, this one is %2*%3. "
                                       "Save it as a PNG picture instead.")
                            .arg(path)
                            .arg(picture.width())
                            .arg(picture.height()),
                        QMessageBox::Warning);
            return;
        }
        const std::vector<std::uint8_t> screen = screenBytes(picture);
        bytes.assign(screen.begin(), screen.end());
    } else {
        // The rendered picture at 1:1, with its real colours.
        const QImage image = pictureImage(picture, picture.bounds()).convertToFormat(QImage::Format_RGB888);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        bytes.assign(png.constData(), static_cast<std::size_t>(png.size()));
    }
    if (const Status written = writeFileAtomic(fromQ(path), bytes); !written)
        showError(this, QStringLiteral("Error"), written.error());
}

void GfxEditorWindow::automask(int scan) {
    buildAutomask(session_.picture, static_cast<AutomaskScan>(scan), gestures_.selection());
    session_.undo.push(session_.picture.data());
    refreshViews();
    pictureTabs_->setCurrentIndex(1);
}

void GfxEditorWindow::openBrushes() {
    std::vector<QImage> pictures;
    for (const Brush& brush : builtInBrushes()) pictures.push_back(brushPicture(brush));
    if (const auto chosen = choosePattern(this, QStringLiteral("Brushes"), pictures)) {
        session_.draw.brush = builtInBrushes()[static_cast<std::size_t>(*chosen)];
        refreshPalette();
    }
}

void GfxEditorWindow::openTextures() {
    std::vector<QImage> pictures;
    for (const Texture& texture : builtInTextures()) pictures.push_back(texturePicture(texture));
    if (const auto chosen = choosePattern(this, QStringLiteral("Textures"), pictures)) {
        session_.draw.texture = builtInTextures()[static_cast<std::size_t>(*chosen)];
        refreshPalette();
    }
}

void GfxEditorWindow::textToBrush() {
    if (auto brush = runTextInput(this); brush && !brush->bits.empty()) {
        session_.draw.brush = std::move(*brush);
        refreshPalette();
        setTool(GfxTool::Stamp);
    }
}

void GfxEditorWindow::copySelectionPicture() {
    // The selected cells as a picture, for other programs; no selection copies the whole picture.
    const PixelRect area = gestures_.selection().empty() ? session_.picture.bounds() : gestures_.selection();
    QGuiApplication::clipboard()->setImage(pictureImage(session_.picture, area));
}

void GfxEditorWindow::exportSelection() { exportSelectionToClipboard(this, session_, gestures_.selection()); }

void GfxEditorWindow::importFromClipboard() {
    if (importPictureFromClipboard(this, session_)) showNewPicture();
}

void GfxEditorWindow::openPcPicture() {
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("PC picture"), QDir::homePath(), pictureFilter());
    if (!chosen.isEmpty() && importPictureFile(this, session_, chosen)) showNewPicture();
}

void GfxEditorWindow::openHelp() { openHelpPage(QStringLiteral("Help_Tool_GfxEditor.html"), this, helpRoot_); }

}  // namespace quillo
