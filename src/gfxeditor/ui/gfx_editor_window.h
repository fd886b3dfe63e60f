#pragma once
// "Mosaic GFX Editor": draws on the picture that lives for the whole run,
// loads and saves screen files, and hands selections to the export.
#include "gfxeditor/picture_renderer.h"
#include "gfxeditor/tool_gestures.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>
#include <random>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QScrollArea;
class QTabWidget;
class QToolButton;

namespace quillo {

struct GfxSession;
class PictureView;
class Settings;

struct GfxEditorContext {
    GfxSession& session;
    Settings& settings;  // WindowWidth / WindowHeight
    QString helpRoot;    // for "Help" > "Help"
};

class GfxEditorWindow : public QDialog {
    Q_OBJECT
public:
    GfxEditorWindow(GfxEditorContext context, QWidget* parent = nullptr);

    PictureView* pictureView() const { return view_; }
    PictureView* maskView() const { return maskView_; }
    ToolGestures& gestures() { return gestures_; }
    void setTool(GfxTool tool);
    void setZoom(int zoom);
    QString toolStatus() const;
    QString attributeStatus() const;

    // Menu items, for the menus, the toolbar and the tests.
    void loadScreenFile(const QString& path);
    void dropFiles(const QStringList& paths);
    void saveAs(const QString& path);
    void undo();
    void redo();
    void clearPicture();
    void exportSelection();
    void copySelectionPicture();
    void importFromClipboard();
    void setCurrentAttribute(std::uint8_t attribute);
    std::uint8_t currentAttribute() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus(QWidget* bar);
    QWidget* buildToolBar();
    QWidget* buildSidePanel();
    QWidget* buildPictureTabs();
    void openScreen();
    void openPcPicture();
    void chooseSaveAs();
    void createScreen();
    void automask(int scan);
    void openBrushes();
    void openTextures();
    void textToBrush();
    void openHelp();

    void onPress(QPoint pixel, Qt::MouseButton button, bool mask);
    void onMove(QPoint pixel);
    void onRelease(QPoint pixel);
    void onHover(QPoint pixel);
    void applyStep(const GestureStep& step);
    // After a picture came in from outside (file, clipboard, import): its
    // size may be new, so the views and the undo ring start over with it.
    void pictureReplaced(int oldWidth, int oldHeight);
    void showNewPicture();
    void refreshViews();
    void refreshSidePictures();
    void refreshPalette();
    void refreshUndoActions();
    void tickFlash();
    void updatePreview();

    GfxSession& session_;
    Settings& settings_;
    QString helpRoot_;
    PictureRenderer renderer_;
    std::mt19937 random_{0x5EED};
    ToolGestures gestures_;
    PictureView* view_ = nullptr;
    PictureView* maskView_ = nullptr;
    QTabWidget* pictureTabs_ = nullptr;
    QLabel* background_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* testTile_ = nullptr;
    QListWidget* documentList_ = nullptr;
    QLabel* attributeSwatch_ = nullptr;
    QCheckBox* bright_ = nullptr;
    QCheckBox* flash_ = nullptr;
    std::array<QCheckBox*, 4> transparency_{};
    QToolButton* texturePreview_ = nullptr;
    QToolButton* brushPreview_ = nullptr;
    QLabel* toolLabel_ = nullptr;
    QLabel* attributeLabel_ = nullptr;
    QLabel* positionLabel_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* undoButton_ = nullptr;
    QAction* redoButton_ = nullptr;
    QAction* hideAttributes_ = nullptr;
    QAction* grid_ = nullptr;
    QAction* useFill_ = nullptr;
    QMenu* zoomMenu_ = nullptr;
    int marqueePhase_ = 0;
    bool built_ = false;
};

}  // namespace quillo
