#pragma once

namespace quillo {

inline constexpr const char* kVersion = "0.5 r0A Alpha";

}  // namespace quillo
