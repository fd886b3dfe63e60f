#pragma once
// The "Program info" tree: the project settings of every open document.
#include "app/document.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillo {

struct InfoItem {
    std::string text;
    bool green = false;
    std::vector<InfoItem> children;
};

struct InfoSource {
    const Document* document;
    std::uintptr_t editorHandle;
};

// One top-level item per document in tab order; the current one, and the
// folder and file name items that match the current document, are green.
std::vector<InfoItem> programInfo(const std::vector<InfoSource>& documents, int current);

}  // namespace quillo
