#include "pipeline/ui/tap_browser_window.h"

#include "common/file_io.h"
#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "pipeline/tap_reader.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListView>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillo {

TapBrowserWindow::TapBrowserWindow(const QString& startFolder, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TAP File browser"));
    resize(790, 400);

    folderModel_ = new QFileSystemModel(this);
    folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folderModel_->setRootPath(QDir::rootPath());
    folders_ = new QTreeView(this);
    folders_->setObjectName("FolderTree");
    folders_->setModel(folderModel_);
    folders_->setHeaderHidden(true);
    for (int column = 1; column < folderModel_->columnCount(); ++column) folders_->hideColumn(column);
    connect(folders_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { showFolder(folderModel_->filePath(index)); });
    // The tree fills in the background: bring the shown folder into view
    // again as its ancestors arrive.
    connect(folderModel_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (folder_.startsWith(loaded)) revealFolder();
    });

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files);
    fileModel_->setNameFilters({QStringLiteral("*.tap"), QStringLiteral("*.TAP")});
    fileModel_->setNameFilterDisables(false);
    files_ = new QListView(this);
    files_->setObjectName("FileList");
    files_->setModel(fileModel_);
    connect(files_, &QListView::clicked, this,
            [this](const QModelIndex& index) { showTape(fileModel_->filePath(index)); });

    blocks_ = new QTreeWidget(this);
    blocks_->setObjectName("BlockList");
    blocks_->setRootIsDecorated(false);
    blocks_->setAllColumnsShowFocus(true);
    blocks_->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Type"), QStringLiteral("Start"),
                              QStringLiteral("Length")});
    for (const auto& [column, width] : {std::pair{0, 110}, {1, 50}, {2, 70}, {3, 70}}) blocks_->setColumnWidth(column, width);
    connect(blocks_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(folders_);
    splitter->addWidget(files_);
    splitter->addWidget(blocks_);
    splitter->setSizes({240, 190, 340});

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("O.K."), QDialogButtonBox::AcceptRole)->setObjectName("OK");
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)->setObjectName("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(buttons);

    showFolder(startFolder.isEmpty() ? QDir::homePath() : startFolder);
}

void TapBrowserWindow::showFolder(const QString& folder) {
    folder_ = QDir::cleanPath(folder);
    revealFolder();
    files_->setRootIndex(fileModel_->setRootPath(folder_));
}

void TapBrowserWindow::revealFolder() {
    const QModelIndex index = folderModel_->index(folder_);
    folders_->setCurrentIndex(index);
    folders_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TapBrowserWindow::showTape(const QString& path) {
    blocks_->clear();
    tape_ = path;
    const Result<Bytes> tape = readFile(fromQ(path), kMaxTapeFileSize);
    if (!tape) {
        showError(this, QStringLiteral("Error"), tape.error());
        return;
    }
    for (const TapHeaderRow& row : listTapHeaders(*tape)) {
        // Names are Spectrum characters, not UTF-8.
        new QTreeWidgetItem(blocks_, {QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size())),
                                      toQ(tapTypeText(row.type)), QString::number(row.start),
                                      QString::number(row.length)});
    }
    if (blocks_->topLevelItemCount() > 0) blocks_->setCurrentItem(blocks_->topLevelItem(0));
}

int TapBrowserWindow::selectedBlock() const {
    QTreeWidgetItem* row = blocks_->currentItem();
    return row ? blocks_->indexOfTopLevelItem(row) : -1;
}

TapChoice browseTap(QWidget* parent, const QString& startFolder) {
    TapBrowserWindow browser(startFolder, parent);
    if (browser.exec() != QDialog::Accepted) return {};
    return {browser.tapePath(), browser.selectedBlock()};
}

}  // namespace quillo
