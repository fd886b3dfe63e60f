#pragma once
#include <ctime>
#include <string>
#include <string_view>

namespace quillo {

// Lines the program writes to the output panel itself start with this byte,
// so the compiler-output parser can tell them from the compiler's lines.
inline constexpr char kLogMarker = '\x1A';

// "\x1A hh:mm:ss -> text" with the given local time.
std::string logLine(std::string_view text, std::time_t when);
// The same with the current time.
std::string logLine(std::string_view text);

inline bool isLogLine(std::string_view line) { return !line.empty() && line.front() == kLogMarker; }

}  // namespace quillo
