#include "editor/routine_scan.h"

#include "editor/word_table.h"

#include <algorithm>
#include <unordered_set>

namespace quillo {

namespace {

// The calling convention is not part of the name: SUB FASTCALL Foo().
std::string_view withoutConvention(std::string_view name) {
    for (const std::string_view word : {std::string_view("fastcall"), std::string_view("stdcall")}) {
        if (startsWithNoCase(name, word) && name.size() > word.size() && isBlank(name[word.size()]))
            return trimmedLine(name.substr(word.size()));
    }
    return name;
}

// Position of the bracket closing the one at open, or npos.
std::size_t closingBracket(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) return i;
    }
    return std::string_view::npos;
}

}  // namespace

void forEachLine(std::string_view text, const std::function<void(std::string_view, int)>& visit) {
    int index = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
            visit(text.substr(start, i + 1 - start), index++);
            start = i + 1;
        }
    }
    visit(text.substr(start), index);
}

std::optional<SubFunctionEntry> parseRoutineLine(std::string_view line) {
    SubFunctionEntry entry;
    std::string_view rest;
    if (startsWithNoCase(line, "sub ")) {
        entry.kind = RoutineKind::Sub;
        rest = line.substr(4);
    } else if (startsWithNoCase(line, "function ")) {
        entry.kind = RoutineKind::FunctionTyped;
        rest = line.substr(9);
    } else {
        return std::nullopt;
    }
    std::string_view name;
    std::string_view returnText;
    if (const std::size_t open = rest.find('('); open != std::string_view::npos) {
        name = rest.substr(0, open);
        const std::size_t close = closingBracket(rest, open);
        if (close == std::string_view::npos) {
            entry.parameters = std::string(trimmedLine(rest.substr(open + 1)));
        } else {
            entry.parameters = std::string(rest.substr(open + 1, close - open - 1));
            returnText = rest.substr(close + 1);
        }
    } else {
        const std::size_t as = toLowerAscii(rest).find(" as ");
        name = rest.substr(0, as);
        if (as != std::string_view::npos) returnText = rest.substr(as + 4);
    }
    entry.name = std::string(withoutConvention(trimmedLine(name)));
    if (entry.name.empty()) return std::nullopt;
    if (entry.kind != RoutineKind::Sub) {
        entry.returnText = std::string(trimmedLine(returnText));
        if (entry.returnText.empty()) entry.kind = RoutineKind::FunctionUntyped;
    }
    return entry;
}

std::vector<SubFunctionEntry> scanRoutines(std::string_view text) {
    // Keyed by the lower-case name: one look-up a line keeps the scan linear
    // in the number of routines, and the keys are made once for the sort.
    std::vector<std::pair<std::string, SubFunctionEntry>> routines;
    std::unordered_set<std::string> seen;
    forEachLine(text, [&](std::string_view line, int) {
        std::optional<SubFunctionEntry> entry = parseRoutineLine(line);
        if (!entry) return;
        std::string key = toLowerAscii(entry->name);
        if (seen.insert(key).second) routines.emplace_back(std::move(key), std::move(*entry));
    });
    std::stable_sort(routines.begin(), routines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SubFunctionEntry> sorted;
    sorted.reserve(routines.size());
    for (auto& [key, entry] : routines) sorted.push_back(std::move(entry));
    return sorted;
}

int findRoutineLine(std::string_view text, std::string_view name) {
    if (name.empty()) return -1;
    const std::string wanted = toLowerAscii(name);
    int found = -1;
    forEachLine(text, [&](std::string_view line, int index) {
        const std::optional<SubFunctionEntry> entry = parseRoutineLine(line);
        if (entry && toLowerAscii(entry->name) == wanted) found = index;
    });
    return found;
}

}  // namespace quillo
