#pragma once
#include <QDialog>
#include <QString>

class QFileSystemModel;
class QListView;
class QTreeView;
class QTreeWidget;

namespace quillo {

// "TAP File browser": a folder tree, the folder's "*.tap" files and the
// standard headers of the chosen tape.
class TapBrowserWindow : public QDialog {
    Q_OBJECT
public:
    explicit TapBrowserWindow(const QString& startFolder, QWidget* parent = nullptr);

    // Shows this folder and its tapes.
    void showFolder(const QString& folder);
    // Lists the headers of this tape.
    void showTape(const QString& path);

    QString tapePath() const { return tape_; }
    // The chosen header's row, counted from 0; -1 when none is chosen.
    int selectedBlock() const;

    QTreeView* folderTree() const { return folders_; }
    QListView* fileList() const { return files_; }
    QTreeWidget* blockList() const { return blocks_; }

private:
    void revealFolder();

    QFileSystemModel* folderModel_ = nullptr;
    QFileSystemModel* fileModel_ = nullptr;
    QTreeView* folders_ = nullptr;
    QListView* files_ = nullptr;
    QTreeWidget* blocks_ = nullptr;
    QString folder_;
    QString tape_;
};

struct TapChoice {
    QString path;
    int block = -1;  // -1: nothing chosen
};

// Runs the browser modally; "O.K." or a double click on a header gives the
// tape and the header's number, "Cancel" or closing block -1.
TapChoice browseTap(QWidget* parent, const QString& startFolder);

}  // namespace quillo
