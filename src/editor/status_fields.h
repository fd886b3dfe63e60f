#pragma once
#include <array>
#include <string>

namespace quillo {

// The seven fields of the main window's status bar, left to right.
enum class StatusField : int { Position, FreeMemory, Overtype, SelectionMode, Unused, Zoom, HelpLine };
inline constexpr int kStatusFieldCount = 7;
// The fields whose text comes from the editor.
inline constexpr std::array<StatusField, 6> kEditorStatusFields = {
    StatusField::Position, StatusField::Overtype, StatusField::SelectionMode,
    StatusField::Unused, StatusField::Zoom, StatusField::HelpLine};

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

    // The text of a status field; FreeMemory is empty here.
    std::string field(StatusField which) const;
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
