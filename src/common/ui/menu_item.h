#pragma once
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

#include <utility>

namespace quillo {

// A menu item of a tool window; its shortcut works while that window is active.
template <class Receiver, class Action>
QAction* addMenuItem(QMenu* menu, Receiver* receiver, const QString& caption, Action action,
                     const QKeySequence& keys = {}) {
    QAction* a = menu->addAction(caption, receiver, std::move(action));
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
}

}  // namespace quillo
