#pragma once
// Menus, popups and their keys, built from the menu table only: every item
// runs its command through one callback.
#include "app/commands.h"
#include "app/menu_table.h"

#include <functional>
#include <map>
#include <span>

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace quillo {

class MenuBuilder {
public:
    MenuBuilder(QWidget* owner, std::function<void(Command)> run);

    void fillMenuBar(QMenuBar* bar, std::span<const MenuLine> lines);
    // A popup menu owned by the owner widget.
    QMenu* popup(std::span<const MenuLine> lines);
    // Actions of the owner for lines that have keys but no menu.
    void addKeys(std::span<const MenuLine> lines);
    // A submenu of the menu bar or of a popup by its caption, or nullptr.
    QMenu* submenu(const QString& caption) const;

    // The first action made for a command, or nullptr.
    QAction* action(Command command) const;
    const std::map<Command, QAction*>& actions() const { return actions_; }

private:
    void addLines(QWidget* parentMenu, QMenuBar* bar, std::span<const MenuLine> lines, std::size_t& index, int depth);
    QAction* makeAction(const MenuLine& line);

    QWidget* owner_;
    std::function<void(Command)> run_;
    std::map<Command, QAction*> actions_;
    std::map<QString, QMenu*> submenus_;
};

}  // namespace quillo
