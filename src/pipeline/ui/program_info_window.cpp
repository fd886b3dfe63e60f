#include "pipeline/ui/program_info_window.h"

#include "common/ui/qt_text.h"

#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillo {

namespace {

const QColor kCurrent(0x00, 0xFF, 0x00);

void addItems(QTreeWidgetItem* parent, const std::vector<InfoItem>& items) {
    for (const InfoItem& item : items) {
        auto* node = new QTreeWidgetItem(parent, {toQ(item.text)});
        if (item.green) node->setBackground(0, kCurrent);
        addItems(node, item.children);
    }
}

}  // namespace

ProgramInfoWindow::ProgramInfoWindow(const std::vector<InfoItem>& items, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Program info"));
    resize(420, 520);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("InfoTree");
    tree_->setHeaderHidden(true);
    addItems(tree_->invisibleRootItem(), items);
    tree_->expandAll();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
}

void showProgramInfo(QWidget* parent, const std::vector<InfoItem>& items) {
    ProgramInfoWindow window(items, parent);
    window.exec();
}

}  // namespace quillo
