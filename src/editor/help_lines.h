#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

struct SubFunctionEntry;

// One line of help for a keyword, with variants chosen by the word before
// or after it (END SUB, EXIT FOR, ...).
struct HelpLineVariant {
    enum class Neighbour { Previous, Next };
    Neighbour neighbour;
    std::string_view word;
    std::string_view text;
};

struct HelpLineEntry {
    std::string_view key;          // upper case
    std::string_view defaultText;  // may be empty
    std::vector<HelpLineVariant> variants;
};

// Every entry in table order; the first equal key wins.
const std::vector<HelpLineEntry>& helpLineTable();

// The help line of the caret word (all three words upper case). Without a
// keyword text, a routine of that name (any case) gives "name(parameters)".
std::string helpLineText(std::string_view word, std::string_view previous, std::string_view next,
                         const std::vector<SubFunctionEntry>& routines);

}  // namespace quillo
