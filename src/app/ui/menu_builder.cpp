#include "app/ui/menu_builder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quillo {

namespace {

QList<QKeySequence> keysOf(const MenuLine& line) {
    QList<QKeySequence> keys;
    for (const QString& key : QString::fromUtf8(line.keys).split(QLatin1Char('|'), Qt::SkipEmptyParts))
        keys << QKeySequence::fromString(key, QKeySequence::PortableText);
    return keys;
}

}  // namespace

MenuBuilder::MenuBuilder(QWidget* owner, std::function<void(Command)> run) : owner_(owner), run_(std::move(run)) {}

void MenuBuilder::fillMenuBar(QMenuBar* bar, std::span<const MenuLine> lines) {
    std::size_t index = 0;
    addLines(nullptr, bar, lines, index, 0);
}

QMenu* MenuBuilder::popup(std::span<const MenuLine> lines) {
    auto* menu = new QMenu(owner_);
    std::size_t index = 0;
    addLines(menu, nullptr, lines, index, 0);
    return menu;
}

void MenuBuilder::addKeys(std::span<const MenuLine> lines) {
    for (const MenuLine& line : lines) owner_->addAction(makeAction(line));
}

QMenu* MenuBuilder::submenu(const QString& caption) const {
    const auto it = submenus_.find(caption);
    return it == submenus_.end() ? nullptr : it->second;
}

QAction* MenuBuilder::action(Command command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* MenuBuilder::makeAction(const MenuLine& line) {
    QString caption = QString::fromUtf8(line.caption);
    // A tab in the text makes the menu show what follows it in place of the
    // key names Qt would write.
    if (*line.keyText) caption += QLatin1Char('\t') + QString::fromUtf8(line.keyText);
    auto* action = new QAction(caption, owner_);
    action->setEnabled(line.enabled);
    action->setCheckable(line.checkable);
    if (*line.keys) {
        action->setShortcuts(keysOf(line));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    const Command command = line.command;
    QObject::connect(action, &QAction::triggered, owner_, [this, command] { run_(command); });
    if (!actions_.count(command)) actions_[command] = action;
    return action;
}

void MenuBuilder::addLines(QWidget* parentMenu, QMenuBar* bar, std::span<const MenuLine> lines, std::size_t& index,
                           int depth) {
    auto* menu = qobject_cast<QMenu*>(parentMenu);
    while (index < lines.size() && lines[index].depth >= depth) {
        const MenuLine& line = lines[index++];
        switch (line.kind) {
        case MenuLine::Kind::Separator:
            if (menu) menu->addSeparator();
            break;
        case MenuLine::Kind::Menu: {
            QString caption = QString::fromUtf8(line.caption);
            // The menu bar's titles open with Alt and their first letter.
            if (!menu) caption.prepend(QLatin1Char('&'));
            QMenu* sub = menu ? menu->addMenu(caption) : bar->addMenu(caption);
            submenus_.emplace(QString::fromUtf8(line.caption), sub);
            addLines(sub, nullptr, lines, index, line.depth + 1);
            break;
        }
        case MenuLine::Kind::Item:
            if (menu) menu->addAction(makeAction(line));
            break;
        }
    }
}

}  // namespace quillo
