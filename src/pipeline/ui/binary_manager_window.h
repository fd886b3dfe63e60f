#pragma once
#include "app/command_registry.h"
#include "pipeline/binary_list.h"
#include "pipeline/region_map.h"

#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace quillo {

// "Quillo Binary Manager": the memory tree, the list of the project's
// binaries and the commands on them. It works on the binary list and the
// region map it is given; both must outlive the window.
class BinaryManagerWindow : public QWidget {
    Q_OBJECT
public:
    enum Column { NameColumn, TypeColumn, FileColumn, AddressColumn, SizeColumn, BankColumn, LoadColumn };

    BinaryManagerWindow(BinaryList& list, RegionMap& map, QWidget* parent = nullptr);

    // Fills the list again from the binary list (after it changed elsewhere,
    // for example when another document became current).
    void refresh();

    QTreeWidget* memoryTree() const { return tree_; }
    QTreeWidget* recordList() const { return list_; }
    QMenu* contextMenu() const { return menu_; }
    // The menu for right clicks on the list, built from the menu table by the
    // window's owner; its commands reach the functions below through
    // registerBinaryManagerCommands. The window does not own it.
    void setContextMenu(QMenu* menu) { menu_ = menu; }
    // A menu for right clicks on the memory tree; none by default.
    void setTreeContextMenu(QMenu* menu) { treeMenu_ = menu; }

    // The context menu's commands, also callable directly.
    void addBinaryFile();
    void removeSelected();
    void editSelected();
    // The selected record's index, or -1.
    int selectedIndex() const;

private:
    void colourRows(QTreeWidgetItem* treeItem);

    BinaryList& binaries_;
    RegionMap& map_;
    QTreeWidget* tree_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QMenu* menu_ = nullptr;
    QMenu* treeMenu_ = nullptr;
};

// The commands of the list's context menu, carried out by window() when it
// gives one.
void registerBinaryManagerCommands(CommandRegistry& registry, std::function<BinaryManagerWindow*()> window);

}  // namespace quillo
