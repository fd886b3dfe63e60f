#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

enum class RoutineKind : unsigned char { Sub = 1, FunctionTyped = 2, FunctionUntyped = 3 };

// One SUB or FUNCTION of the source, as listed in the explorer.
struct SubFunctionEntry {
    std::string name;
    std::string parameters;  // between the brackets
    std::string returnText;  // after the closing bracket (FUNCTION only)
    RoutineKind kind = RoutineKind::Sub;
};

// Calls visit(line, index) for each line of text, the line with its line
// end (CR LF, LF or CR; the last line may have none).
void forEachLine(std::string_view text, const std::function<void(std::string_view, int)>& visit);

// The routine a definition line starts: "sub " or "function " in column 0,
// any case. Other lines give nothing.
std::optional<SubFunctionEntry> parseRoutineLine(std::string_view line);

// Every routine of the text, one entry per name, sorted by name without
// regard to case.
std::vector<SubFunctionEntry> scanRoutines(std::string_view text);

// The last line defining the named routine (any case), or -1.
int findRoutineLine(std::string_view text, std::string_view name);

}  // namespace quillo
