#include "pipeline/interrupt_pieces.h"

namespace quillo {

namespace {

using Code = std::vector<std::uint8_t>;

constexpr std::uint8_t kIm1TablePage = 0x3F;  // the ROM's own I value

void append(Code& code, std::initializer_list<std::uint8_t> bytes) { code.insert(code.end(), bytes); }

std::uint8_t low(std::uint16_t word) { return static_cast<std::uint8_t>(word & 0xFF); }
std::uint8_t high(std::uint16_t word) { return static_cast<std::uint8_t>(word >> 8); }

}  // namespace

std::uint8_t interruptPagingValue(int bankIndex) {
    static constexpr std::array<std::uint8_t, 6> kPaging = {0, 17, 19, 20, 22, 23};
    return bankIndex > 0 && bankIndex < static_cast<int>(kPaging.size()) ? kPaging[static_cast<std::size_t>(bankIndex)]
                                                                       : 0;
}

Code interruptOnCode(std::uint8_t tablePage) {
    return {0xF3, 0x3E, tablePage, 0xED, 0x47, 0xED, 0x5E, 0xFB, 0xC9};  // DI; LD A,t; LD I,A; IM 2; EI; RET
}

Code interruptOffCode() {
    return {0xF3, 0x3E, kIm1TablePage, 0xED, 0x47, 0xED, 0x56, 0xFB, 0xC9};  // ... IM 1 ...
}

Code vectorTable(std::uint8_t vector) { return Code(kVectorTableLength, vector); }

Code interruptHandlerCode(std::uint16_t callAddress, int bankIndex) {
    const std::uint8_t paging = interruptPagingValue(bankIndex);
    Code code;
    code.reserve(38);
    // DI; RST 38h; PUSH HL, BC, AF, DE, IX, IY
    append(code, {0xF3, 0xFF, 0xE5, 0xC5, 0xF5, 0xD5, 0xDD, 0xE5, 0xFD, 0xE5});
    if (paging) append(code, {0x3E, paging, 0x01, 0xFD, 0x7F, 0xED, 0x79});  // LD A,p; LD BC,32765; OUT (C),A
    append(code, {0xCD, low(callAddress), high(callAddress)});                // CALL nn
    // Back to the bank BANKM (23388) says is paged in.
    if (paging) append(code, {0x3A, 0x5C, 0x5B, 0x01, 0xFD, 0x7F, 0xED, 0x79});
    // POP IY, IX, DE, AF, BC, HL; EI; RET
    append(code, {0xFD, 0xE1, 0xDD, 0xE1, 0xD1, 0xF1, 0xC1, 0xE1, 0xFB, 0xC9});
    return code;
}

int interruptHandlerLength(int bankIndex) { return interruptPagingValue(bankIndex) ? 38 : 23; }

std::vector<InterruptPiece> interruptPieces(const InterruptFields& f) {
    const auto tablePage = static_cast<std::uint8_t>((f.tableAddress >> 8) & 0xFF);
    const auto vector = static_cast<std::uint8_t>(f.vectorValue & 0xFF);
    std::vector<InterruptPiece> pieces;
    pieces.push_back({InterruptPieceKind::VectorTable, "_InterruptsVectorTable.bin", "Interrupt Vector Table",
                      f.tableAddress, vectorTable(vector)});
    pieces.push_back({InterruptPieceKind::On, "_InterruptsOn.bin", "Interrupt On", f.onAddress,
                      interruptOnCode(tablePage)});
    pieces.push_back({InterruptPieceKind::Off, "_InterruptsOff.bin", "Interrupt Off", f.offAddress,
                      interruptOffCode()});
    pieces.push_back({InterruptPieceKind::Handler, "_InterruptsCallHandling.bin", "Interrupt Handling",
                      vector * 257, interruptHandlerCode(static_cast<std::uint16_t>(f.callAddress), f.bank)});
    return pieces;
}

std::optional<std::string> interruptPieceProblem(const InterruptPiece& piece) {
    const auto length = static_cast<std::int64_t>(piece.bytes.size());
    if (piece.start >= 0 && piece.start + length <= kAddressSpaceEnd) return std::nullopt;
    return std::string(piece.description) + " (" + std::to_string(length) + " bytes at " +
           std::to_string(piece.start) + ") does not fit below 65536.";
}

}  // namespace quillo
