#include "pipeline/tornado_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillo {
namespace {

std::string detokenise(std::vector<std::uint8_t> bytes) { return detokeniseTornado(bytes); }

TEST(TornadoSource, TokensBecomeTheirWordAndASpace) {
    EXPECT_EQ(detokenise({0xB4, 0x20, 0x41, 0x2C, 0x42, 0x0D, 0x00}), "LD  A,B\n");
}

TEST(TornadoSource, StopsAfterTheEndByteAndIgnoresWhatFollows) {
    EXPECT_EQ(detokenise({0x41, 0x00, 0x42}), "A");
    EXPECT_EQ(detokenise({0x41, 0xFF, 0x42}), "AErr ");
}

TEST(TornadoSource, ATokenAtTheEndOfTheBufferIsTranslatedWhole) {
    EXPECT_EQ(detokenise({0x41, 0x3A, 0xBC}), "A:NOP ");
    EXPECT_EQ(detokenise({}), "");
}

TEST(TornadoSource, TableEdges) {
    EXPECT_EQ(tornadoToken(0x80), "A");
    EXPECT_EQ(tornadoToken(0x83), "AF'");
    EXPECT_EQ(tornadoToken(0xE5), "Z");
    EXPECT_EQ(tornadoToken(0xE6), "Err");
    EXPECT_EQ(tornadoToken(0xFF), "Err");
}

}  // namespace
}  // namespace quillo
