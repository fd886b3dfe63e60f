#pragma once
// The values of the BEEP calculator and the keyboard helper.
#include <optional>
#include <string>

namespace quillo {

// BEEP's pitch (semitones above middle C) and the frequency in Hz, in single
// precision as the calculator shows them.
float beepHzFromPitch(float pitch);
float beepPitchFromHz(float hz);
// A calculator value: two decimals at most, no trailing zeros ("261.63", "9").
std::string beepValueText(float value);

// How a program tests one key: the INKEY$ comparison, the IN comparison on
// the key's half-row port, the port and the key's bit mask.
struct KeyTest {
    std::string inkey;
    std::string in;
    int port;
    int mask;
};
// Only keys 1 and 2 are known so far.
std::optional<KeyTest> keyTest(char key);

}  // namespace quillo
