#pragma once
#include <string>

namespace quillo {

// The status bar texts the editor supplies (field 1, the free memory, and the
// tab's "*" mark are the window's).
struct EditorStatus {
    std::string position;       // field 0
    std::string overtype;       // field 2
    std::string selectionMode;  // field 3
    std::string unused = "unused";  // field 4
    std::string zoom;           // field 5
    std::string helpLine;       // field 6
    int currentLine = 0;        // caret line, from 0

    // The text of a status field 0..6; field 1 is empty here.
    std::string field(int index) const;
    bool operator==(const EditorStatus&) const = default;
};

// "column:line (of count)" and " [width: n]" for a non-empty selection;
// column and line from 0.
std::string positionField(int column, int line, int lineCount, int selectionWidth);
inline std::string overtypeField(bool overtype) { return overtype ? "Ovt" : "Ins"; }
inline std::string selectionModeField(bool rectangular) { return rectangular ? "Rect" : "Std"; }

// Field 1 as the window shows it.
std::string freeMemoryField(long long bytes);

}  // namespace quillo
