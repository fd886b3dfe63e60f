#pragma once
// The ASCII table's texts: what each character button inserts, the names of
// the control codes and the keyword buttons.
#include <span>
#include <string>

namespace quillo {

// Codes 32..164: the character as a string ("\A" for the first user-defined
// graphic, "\ '" for a block graphic) and as "chr(code)". Other codes give "".
std::string asciiStringForm(int code);
std::string asciiChrForm(int code);

struct ControlCode {
    int code;
    const char* name;
};
// "PRINT Comma" (6) to "Tab Control" (23).
std::span<const ControlCode> controlCodes();
// What "PRINT Comma" inserts; the other control codes insert nothing.
inline constexpr const char* kPrintCommaInsert = "Chr(6)";

// The 25 keyword buttons of "Cmd A-E", in order.
std::span<const char* const> commandKeywords();

}  // namespace quillo
