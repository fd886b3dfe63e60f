#include "editor/status_fields.h"

namespace quillo {

std::string positionField(int column, int line, int lineCount, int selectionWidth) {
    std::string text = std::to_string(column) + ":" + std::to_string(line + 1) + " (of " +
                       std::to_string(lineCount) + ")";
    if (selectionWidth != 0) text += " [width: " + std::to_string(selectionWidth) + "]";
    return text;
}

std::string freeMemoryField(long long bytes) { return "FreeMem: " + std::to_string(bytes); }

std::string EditorStatus::field(int index) const {
    switch (index) {
    case 0: return position;
    case 2: return overtype;
    case 3: return selectionMode;
    case 4: return unused;
    case 5: return zoom;
    case 6: return helpLine;
    default: return {};
    }
}

}  // namespace quillo
