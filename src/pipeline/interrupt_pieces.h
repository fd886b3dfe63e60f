#pragma once
// The interrupt-mode-2 pieces a program loads beside its code: switching
// IM 2 on and off, the 257-byte vector table and the handler that calls the
// user's routine every frame.
#include "app/document.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

enum class InterruptPieceKind { VectorTable, On, Off, Handler };

struct InterruptPiece {
    InterruptPieceKind kind;
    std::string_view fileSuffix;   // after OutputFile: "_InterruptsOn.bin" ...
    std::string_view description;  // the binary list's text
    std::int32_t start = 0;
    std::vector<std::uint8_t> bytes;
};

inline constexpr int kVectorTableLength = 257;
inline constexpr std::int32_t kAddressSpaceEnd = 0x10000;

// The handler bank combo: its texts, and the paging value each index puts
// out on port 32765 (0: no paging).
inline constexpr std::array<std::string_view, 6> kInterruptBankTexts = {"0 (16)", "1 (17)", "3 (19)",
                                                                         "4 (20)", "6 (22)", "7 (23)"};
std::uint8_t interruptPagingValue(int bankIndex);

std::vector<std::uint8_t> interruptOnCode(std::uint8_t tablePage);
std::vector<std::uint8_t> interruptOffCode();
std::vector<std::uint8_t> vectorTable(std::uint8_t vector);
std::vector<std::uint8_t> interruptHandlerCode(std::uint16_t callAddress, int bankIndex);
// 23 bytes without paging, 38 with.
int interruptHandlerLength(int bankIndex);

// The four pieces in the order they are created: vector table, on, off,
// handler. The table lies at the table address, the handler at
// vectorValue * 257, where every vector of the table points.
std::vector<InterruptPiece> interruptPieces(const InterruptFields& fields);

// Why a piece cannot be placed (it starts below 0 or runs past 65535);
// nothing when it fits.
std::optional<std::string> interruptPieceProblem(const InterruptPiece& piece);

}  // namespace quillo
