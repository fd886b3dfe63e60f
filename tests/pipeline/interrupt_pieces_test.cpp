#include "pipeline/interrupt_pieces.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using Code = std::vector<std::uint8_t>;

InterruptFields fields(std::int32_t tableAddress, std::int32_t vector, std::uint8_t bank = 0) {
    InterruptFields f;
    f.onAddress = 30000;
    f.offAddress = 30009;
    f.callAddress = 0x9C40;
    f.bank = bank;
    f.tableAddress = tableAddress;
    f.vectorValue = vector;
    return f;
}

TEST(InterruptPieces, TableSlider254AndVector253) {
    const auto pieces = interruptPieces(fields(254 * 256, 253));
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0].kind, InterruptPieceKind::VectorTable);
    EXPECT_EQ(pieces[0].start, 65024);
    EXPECT_EQ(pieces[0].bytes, Code(257, 253));
    EXPECT_EQ(pieces[1].bytes, (Code{0xF3, 0x3E, 254, 0xED, 0x47, 0xED, 0x5E, 0xFB, 0xC9}));
    EXPECT_EQ(pieces[1].start, 30000);
    EXPECT_EQ(pieces[2].bytes, (Code{0xF3, 0x3E, 0x3F, 0xED, 0x47, 0xED, 0x56, 0xFB, 0xC9}));
    EXPECT_EQ(pieces[3].start, 65021);
    EXPECT_EQ(pieces[3].fileSuffix, "_InterruptsCallHandling.bin");
    EXPECT_EQ(pieces[3].description, "Interrupt Handling");
    for (const auto& piece : pieces) EXPECT_FALSE(interruptPieceProblem(piece)) << piece.description;
}

TEST(InterruptPieces, HandlerWithoutPagingIs23Bytes) {
    EXPECT_EQ(interruptHandlerCode(0x9C40, 0),
              (Code{0xF3, 0xFF, 0xE5, 0xC5, 0xF5, 0xD5, 0xDD, 0xE5, 0xFD, 0xE5, 0xCD, 0x40, 0x9C,
                    0xFD, 0xE1, 0xDD, 0xE1, 0xD1, 0xF1, 0xC1, 0xE1, 0xFB, 0xC9}));
    EXPECT_EQ(interruptHandlerLength(0), 23);
}

TEST(InterruptPieces, HandlerWithPagingIs38Bytes) {
    EXPECT_EQ(interruptHandlerCode(0x9C40, 3),
              (Code{0xF3, 0xFF, 0xE5, 0xC5, 0xF5, 0xD5, 0xDD, 0xE5, 0xFD, 0xE5, 0x3E, 20,   0x01,
                    0xFD, 0x7F, 0xED, 0x79, 0xCD, 0x40, 0x9C, 0x3A, 0x5C, 0x5B, 0x01, 0xFD, 0x7F,
                    0xED, 0x79, 0xFD, 0xE1, 0xDD, 0xE1, 0xD1, 0xF1, 0xC1, 0xE1, 0xFB, 0xC9}));
    for (int bank = 1; bank < 6; ++bank) EXPECT_EQ(interruptHandlerLength(bank), 38);
    EXPECT_EQ(interruptPagingValue(5), 23);
}

TEST(InterruptPieces, PiecesRunningPastTheAddressSpaceAreRefused) {
    const auto pieces = interruptPieces(fields(255 * 256, 255));
    EXPECT_EQ(pieces[3].start, 65535);
    EXPECT_TRUE(interruptPieceProblem(pieces[0]));  // 65280 + 257
    EXPECT_TRUE(interruptPieceProblem(pieces[3]));
    EXPECT_FALSE(interruptPieceProblem(pieces[1]));
    InterruptFields f = fields(0, 0);
    f.offAddress = 65530;
    EXPECT_TRUE(interruptPieceProblem(interruptPieces(f)[2]));
}

}  // namespace
}  // namespace quillo
