#include "editor/status_fields.h"

namespace quillo {

std::string positionField(int column, int line, int lineCount, int selectionWidth) {
    std::string text = std::to_string(column) + ":" + std::to_string(line + 1) + " (of " +
                       std::to_string(lineCount) + ")";
    if (selectionWidth != 0) text += " [width: " + std::to_string(selectionWidth) + "]";
    return text;
}

std::string freeMemoryField(long long bytes) { return "FreeMem: " + std::to_string(bytes); }

std::string EditorStatus::field(StatusField which) const {
    switch (which) {
    case StatusField::Position: return position;
    case StatusField::Overtype: return overtype;
    case StatusField::SelectionMode: return selectionMode;
    case StatusField::Unused: return unused;
    case StatusField::Zoom: return zoom;
    case StatusField::HelpLine: return helpLine;
    case StatusField::FreeMemory: break;
    }
    return {};
}

}  // namespace quillo
