#include "common/defb_format.h"

#include <cstdio>

namespace quillo {

std::string formatDefb(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kPerLine = 8;
    std::string out;
    out.reserve(bytes.size() * 4 + (bytes.size() / kPerLine + 1) * 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % kPerLine == 0)
            out += "\tDEFB\t";
        else
            out += ',';
        char value[4];
        std::snprintf(value, sizeof value, "%03u", static_cast<unsigned>(bytes[i]));
        out += value;
        if (i % kPerLine == kPerLine - 1 || i + 1 == bytes.size()) out += '\n';
    }
    return out;
}

}  // namespace quillo
