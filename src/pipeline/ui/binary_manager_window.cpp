#include "pipeline/ui/binary_manager_window.h"

#include "common/ui/qt_text.h"

#include "pipeline/ui/add_binary_dialog.h"
#include "pipeline/ui/build_messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillo {

namespace {

const QColor kHighlight(Qt::yellow);
const QColor kPlain(Qt::white);

}  // namespace

BinaryManagerWindow::BinaryManagerWindow(BinaryList& list, RegionMap& map, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint),
      binaries_(list), map_(map) {
    setWindowTitle(QStringLiteral("Quillo Binary Manager"));
    resize(740, 440);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName("MemoryTree");
    tree_->setHeaderHidden(true);
    auto* internal = new QTreeWidgetItem(tree_, {QStringLiteral("Internal Memory")});
    for (const BankInfo& bank : kBanks) new QTreeWidgetItem(internal, {toQ(bank.treeText)});
    new QTreeWidgetItem(tree_, {QStringLiteral("External Memory")});
    internal->setExpanded(true);
    tree_->setCurrentItem(internal);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { colourRows(item); });
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (treeMenu_) treeMenu_->popup(tree_->viewport()->mapToGlobal(at));
    });

    list_ = new QTreeWidget(this);
    list_->setObjectName("BinaryList");
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Type"), QStringLiteral("File"), QStringLiteral("Address"), QStringLiteral("Size"), QStringLiteral("Bank"), QStringLiteral("Load")});
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                if (menu_) menu_->popup(list_->viewport()->mapToGlobal(at));
            });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tree_);
    splitter->addWidget(list_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({170, 570});

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName("Close");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(buttons);

    refresh();
}

void BinaryManagerWindow::refresh() {
    list_->clear();
    for (const BinaryRecord& r : binaries_) {
        auto* row = new QTreeWidgetItem(list_);
        row->setText(NameColumn, toQ(r.description));
        row->setText(TypeColumn, toQ(regionTypeInfo(r.type()).listText));
        row->setText(FileColumn, toQ(r.file));
        row->setText(AddressColumn, QString::number(r.start));
        row->setText(SizeColumn, QString::number(r.size));
        row->setText(BankColumn, toQ(bankListText(r.bank)));
        row->setText(LoadColumn, QString::number(r.load));
    }
}

void BinaryManagerWindow::colourRows(QTreeWidgetItem* treeItem) {
    QTreeWidgetItem* parent = treeItem->parent();
    if (!parent) return;  // "Internal Memory" and "External Memory" change nothing
    const int bank = parent->indexOfChild(treeItem);
    if (!isValidBank(bank)) return;
    const QChar digit = QLatin1Char(kBanks[static_cast<std::size_t>(bank)].ramDigit);
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list_->topLevelItem(i);
        const QColor colour = row->text(BankColumn).startsWith(digit) ? kHighlight : kPlain;
        for (int c = 0; c < list_->columnCount(); ++c) row->setBackground(c, colour);
    }
}

int BinaryManagerWindow::selectedIndex() const {
    QTreeWidgetItem* row = list_->currentItem();
    if (!row || !row->isSelected()) return -1;
    return list_->indexOfTopLevelItem(row);
}

void BinaryManagerWindow::addBinaryFile() {
    AddBinaryDialog dialog(AddBinaryDialog::Mode::Add, this);
    if (dialog.exec() == QDialog::Accepted) {
        const RegionStatus status = addRecord(binaries_, map_, dialog.record());
        refresh();
        showRegionWarning(this, status);
    }
    refresh();
}

void BinaryManagerWindow::removeSelected() {
    const int index = selectedIndex();
    if (index >= 0) {
        const auto problems = removeRecord(binaries_, map_, static_cast<std::size_t>(index));
        refresh();
        for (const RegionProblem& p : problems) showRegionWarning(this, p.status);
    }
    refresh();
}

void BinaryManagerWindow::editSelected() {
    const int index = selectedIndex();
    if (index >= 0) {
        AddBinaryDialog dialog(AddBinaryDialog::Mode::Edit, this);
        dialog.setRecord(binaries_[static_cast<std::size_t>(index)]);
        // The region map follows at the next rebuild or build.
        if (dialog.exec() == QDialog::Accepted) binaries_[static_cast<std::size_t>(index)] = dialog.record();
    }
    refresh();
}

void registerBinaryManagerCommands(CommandRegistry& registry, std::function<BinaryManagerWindow*()> window) {
    const auto on = [window](void (BinaryManagerWindow::*command)()) {
        return [window, command] {
            if (BinaryManagerWindow* manager = window()) (manager->*command)();
        };
    };
    registry.add(Command::BinaryAddFile, on(&BinaryManagerWindow::addBinaryFile));
    registry.add(Command::BinaryRemove, on(&BinaryManagerWindow::removeSelected));
    registry.add(Command::BinaryEditProperties, on(&BinaryManagerWindow::editSelected));
}

}  // namespace quillo
