#include "common/log_line.h"

#include <cstdio>

namespace quillo {

std::string logLine(std::string_view text, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%c %02d:%02d:%02d -> ", kLogMarker, local.tm_hour, local.tm_min, local.tm_sec);
    std::string line(prefix);
    line += text;
    return line;
}

std::string logLine(std::string_view text) { return logLine(text, std::time(nullptr)); }

}  // namespace quillo
