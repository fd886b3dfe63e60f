#pragma once
// Who carries out each command. Every subsystem's window code registers its
// own commands here, so a new window adds its commands in its own folder;
// menus, popups, shortcuts and toolbar buttons all end in run().
#include "app/commands.h"

#include <functional>
#include <map>

namespace quillo {

class CommandRegistry {
public:
    using Handler = std::function<void()>;
    using Condition = std::function<bool()>;

    // A later registration of the same command replaces the earlier one.
    // enabledWhen, when given, decides whether the command is offered.
    void add(Command command, Handler run, Condition enabledWhen = {});

    bool has(Command command) const { return entries_.count(command) != 0; }
    // True for commands without a condition; false for unknown ones.
    bool enabled(Command command) const;
    bool hasCondition(Command command) const;
    // Runs the handler when the command is known and enabled; false otherwise.
    bool run(Command command) const;

private:
    struct Entry {
        Handler run;
        Condition enabledWhen;
    };
    std::map<Command, Entry> entries_;
};

}  // namespace quillo
