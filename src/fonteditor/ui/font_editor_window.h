#pragma once
// "Font Editor for Quillo": draws and transforms the working font, and
// loads, imports and exports it. The font outlives the window, so closing
// it loses nothing; the "Operation on" choice is kept for the next opening.
#include "fonteditor/char_transforms.h"
#include "fonteditor/working_font.h"

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QLabel;
class QListWidget;
class QMenu;

namespace quillo {

class FontGridWidget;
class FontTableWidget;

struct FontEditorContext {
    WorkingFont& font;
    FontScope& scope;
    QString fontFolder;  // "Quillo_Fonts", listed at the right
    // "Export to Binary Manager": data, suggested file name, description.
    std::function<void(const QByteArray&, const QString&, const QString&)> toBinaryManager;
};

class FontEditorWindow : public QDialog {
    Q_OBJECT
public:
    FontEditorWindow(FontEditorContext context, QWidget* parent = nullptr);

    int current() const { return current_; }
    void setCurrent(int code);
    FontScope scope() const;
    // A dropped file or a font-folder entry, placed by its size.
    void loadBySizeFrom(const QString& path);
    // Files dropped on the window: exactly one is taken.
    void dropFiles(const QStringList& paths);
    QString statusText(int field) const;

    // The menu items, for the menus and the toolbar.
    void newFont();
    void openFont();
    void saveFont();
    void importBinary();
    void importPcFont();
    void importClipboard();
    void exportFile();
    void exportAsm();
    void exportAsmClipboard();
    void exportByteClipboard();
    void exportToBinaryManager();
    void openLibrary();
    void applyTransform(CharTransform transform);
    void undo();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void done(int result) override;

private:
    void buildMenus(QWidget* bar);
    QWidget* buildFrames();
    void refresh();
    void refillFolderList();
    void setRange(int start, int end);
    void rangeMove(RangeMove move);
    void pixelMove(PixelMove move);
    void writeExport(const QString& path, const std::string& bytes);
    CharSpan scopeSpan() const { return font_.scope(scope(), current_); }

    WorkingFont& font_;
    FontScope& storedScope_;
    QString fontFolder_;
    std::function<void(const QByteArray&, const QString&, const QString&)> toBinaryManager_;
    int current_ = 33;
    FontTableWidget* table_ = nullptr;
    FontGridWidget* grid_ = nullptr;
    QListWidget* folderList_ = nullptr;
    QButtonGroup* scopeButtons_ = nullptr;
    QLabel* status_[5] = {};
};

}  // namespace quillo
