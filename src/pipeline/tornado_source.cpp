#include "pipeline/tornado_source.h"

#include <array>

namespace quillo {

namespace {

constexpr std::uint8_t kFirstToken = 0x80;
constexpr std::uint8_t kEnd = 0x00;
constexpr std::uint8_t kLastCode = 0xFF;
constexpr char kSpectrumLineEnd = 0x0D;

// The words for 0x80 onwards; every code past them reads "Err".
constexpr std::array<std::string_view, 102> kWords = {
    "A",    "ADC",  "ADD",  "AF'",  "AF",   "AND",  "B",    "BC",   "BIT",     "C",    "CALL", "CCF",
    "CP",   "CPD",  "CPDR", "CPI",  "CPIR", "CPL",  "D",    "DAA",  "DE",      "DEC",  "DEFB", "DEFM",
    "DEFS", "DEFW", "DI",   "DJNZ", "DUMP", "E",    "EI",   "END",  "EQU",     "EX",   "EXX",  "H",
    "HALT", "HL",   "I",    "IM",   "IN",   "INC",  "INCLUDE", "IND", "INDR",  "INI",  "INIR", "IX",
    "IY",   "JP",   "JR",   "L",    "LD",   "LDD",  "LDDR", "LDI",  "LDIR",    "M",    "NC",   "NEG",
    "NOP",  "NV",   "NZ",   "OR",   "ORG",  "OTDR", "OTIR", "OUT",  "OUTD",    "OUTI", "P",    "PE",
    "PO",   "POP",  "PUSH", "R",    "RES",  "RET",  "RETI", "RETN", "RL",      "RLA",  "RLC",  "RLCA",
    "RLD",  "RR",   "RRA",  "RRC",  "RRCA", "RRD",  "RST",  "SBC",  "SCF",     "SET",  "SLA",  "SP",
    "SRA",  "SRL",  "SUB",  "V",    "XOR",  "Z",
};
static_assert(kWords.size() == 0xE6 - kFirstToken);

}  // namespace

std::string_view tornadoToken(std::uint8_t code) {
    const std::size_t index = static_cast<std::size_t>(code - kFirstToken);
    return code >= kFirstToken && index < kWords.size() ? kWords[index] : std::string_view("Err");
}

std::string detokeniseTornado(std::span<const std::uint8_t> source) {
    std::string text;
    for (const std::uint8_t byte : source) {
        if (byte == kEnd) break;
        if (byte >= kFirstToken) {
            text += tornadoToken(byte);
            text += ' ';
        } else {
            text += byte == kSpectrumLineEnd ? '\n' : static_cast<char>(byte);
        }
        if (byte == kLastCode) break;
    }
    return text;
}

}  // namespace quillo
