#pragma once
#include <cstdint>

namespace quillo {

// The editing component as the program's logic sees it: Scintilla's message
// interface and nothing else. The Qt editor widget implements it; styling,
// folding and the other editor logic are written against it.
class ScintillaMessages {
public:
    virtual ~ScintillaMessages() = default;
    virtual std::intptr_t send(unsigned int message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) = 0;
};

}  // namespace quillo
