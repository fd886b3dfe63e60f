#include "editor/ui/include_helper_window.h"

#include "editor/include_libraries.h"
#include "editor/ui/help_viewer.h"
#include "editor/ui/source_editor.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

namespace quillo {

IncludeHelperWindow::IncludeHelperWindow(std::function<SourceEditor*()> currentEditor, const QString& helpRoot,
                                         QWidget* parent)
    : QDialog(parent), currentEditor_(std::move(currentEditor)), helpRoot_(helpRoot) {
    setWindowTitle(QStringLiteral("Include Library Helper"));
    setModal(false);
    setSizeGripEnabled(true);
    // The list keeps its width and the page takes the rest, both the full
    // height; the button stays under the list.
    auto* grid = new QGridLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("libraryList"));
    for (const IncludeLibrary& library : includeLibraries()) list_->addItem(QString::fromLatin1(library.name));
    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("libraryPage"));
    auto* include = new QPushButton(QStringLiteral("Include Library in source"), this);
    include->setAutoDefault(false);
    list_->setFixedWidth(include->sizeHint().width());
    grid->addWidget(list_, 0, 0);
    grid->addWidget(page_, 0, 1, 2, 1);
    grid->addWidget(include, 1, 0);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= static_cast<int>(includeLibraries().size())) return;
        page_->setSource(helpPageUrl(helpRoot_, QString::fromLatin1(includeLibraries()[static_cast<std::size_t>(row)].helpPage)));
    });
    connect(include, &QPushButton::clicked, this, &IncludeHelperWindow::includeSelected);
    list_->setCurrentRow(0);
    resize(750, 500);
}

void IncludeHelperWindow::includeSelected() {
    const int row = list_->currentRow();
    SourceEditor* editor = currentEditor_();
    if (!editor || row < 0 || row >= static_cast<int>(includeLibraries().size())) return;
    editor->insertAtCaret(includeLibraries()[static_cast<std::size_t>(row)].includeLine);
}

}  // namespace quillo
