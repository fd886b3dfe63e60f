#include "editor/small_tools.h"

#include <cmath>
#include <cstdio>

namespace quillo {

float beepHzFromPitch(float pitch) { return 261.6255798339844f * std::pow(2.0f, pitch / 12.0f); }

float beepPitchFromHz(float hz) { return 12.0f * std::log(hz / 440.0f) / std::log(2.0f) + 9.0f; }

std::string beepValueText(float value) {
    if (!std::isfinite(value)) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(value));
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

std::optional<KeyTest> keyTest(char key) {
    // Keys 1 to 5 are the low bits of half-row 0xF7FE; a pressed key reads 0.
    constexpr int kPort = 0xF7FE;
    if (key != '1' && key != '2') return std::nullopt;
    const int mask = key == '1' ? 1 : 2;
    return KeyTest{std::string("INKEY$=\"") + key + "\"",
                   "(IN " + std::to_string(kPort) + ")&31=" + std::to_string(31 - mask), kPort, mask};
}

}  // namespace quillo
