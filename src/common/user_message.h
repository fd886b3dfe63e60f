#pragma once
#include <string>

namespace quillo {

// A message the window layer shows in a message box: core code collects
// these instead of showing anything itself.
struct UserMessage {
    enum class Icon { Information, Warning, Error };
    Icon icon = Icon::Warning;
    std::string title;
    std::string text;
    bool operator==(const UserMessage&) const = default;
};

}  // namespace quillo
