#include "app/command_registry.h"

#include <utility>

namespace quillo {

void CommandRegistry::add(Command command, Handler run, Condition enabledWhen) {
    entries_[command] = Entry{std::move(run), std::move(enabledWhen)};
}

bool CommandRegistry::enabled(Command command) const {
    const auto it = entries_.find(command);
    if (it == entries_.end()) return false;
    return !it->second.enabledWhen || it->second.enabledWhen();
}

bool CommandRegistry::hasCondition(Command command) const {
    const auto it = entries_.find(command);
    return it != entries_.end() && static_cast<bool>(it->second.enabledWhen);
}

bool CommandRegistry::run(Command command) const {
    const auto it = entries_.find(command);
    if (it == entries_.end() || !it->second.run || !enabled(command)) return false;
    it->second.run();
    return true;
}

}  // namespace quillo
