#include "pipeline/basic_loader.h"

#include "tape_test_support.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using test::digits;
using test::framedLine;
using test::hexBytes;

// The loader's lines as the byte table gives them, for start address p.
std::string remLine(const std::string& author) { return hexBytes("EA") + "Project created by: " + author; }

std::string setUpLine(long p) {
    return hexBytes("E7 C3 A7 3A DA C3 A7 3A D9 B0 22 37 22 3A FD B0 22") + digits(p - 1) +
           hexBytes("22 3A F5 23 C3 A7 3B AC BC A7 2C C3 A7 3B DC BC A7 3B DA BC A7 3B D9 B0 22 37 22 3B 22") +
           "> Coded using Quillo and ZXBC  <" +
           hexBytes("22 3A F4 B0 22 32 33 37 33 39 22 2C B0 22 31 31 31 22");
}

std::string bankLine(const char* pair) {
    return hexBytes(std::string("F4 B0 22 32 33 33 38 38 22 2C B0 22 ") + pair +
                    " 22 3A DF B0 22 33 32 37 36 35 22 2C B0 22 " + pair + " 22 3A EF 22 22 AF");
}

const std::string kReturnTo16 =
    hexBytes("F4 B0 22 32 33 33 38 38 22 2C B0 22 31 36 22 3A DF B0 22 33 32 37 36 35 22 2C B0 22 31 36 22");
const std::string kLoadMain = hexBytes("EF 22 22 AF");

std::string startLine(long p) { return hexBytes("F9 C0 B0 22") + digits(p) + hexBytes("22"); }

TEST(BasicLoader, WithoutBanksEveryLineByteForByte) {
    const std::string expected = framedLine(10, remLine("Tester")) + framedLine(20, setUpLine(24576)) +
                                 framedLine(30, kLoadMain) + framedLine(40, startLine(24576));
    EXPECT_EQ(basicLoader(24576, "Tester", 0), expected);
}

TEST(BasicLoader, EveryBankInAscendingOrderThenTheReturnTo16) {
    const std::uint8_t allBanks = 0x3E;
    const std::string expected =
        framedLine(10, remLine("")) + framedLine(20, setUpLine(32768)) + framedLine(30, bankLine("31 37")) +
        framedLine(40, bankLine("31 39")) + framedLine(50, bankLine("32 30")) + framedLine(60, bankLine("32 32")) +
        framedLine(70, bankLine("32 33")) + framedLine(80, kReturnTo16) + framedLine(90, kLoadMain) +
        framedLine(100, startLine(32768));
    EXPECT_EQ(basicLoader(32768, "", allBanks), expected);
}

TEST(BasicLoader, OneBankAndNoNumberLiterals) {
    const std::string loader = basicLoader(40000, "A", 1u << 1);
    const std::string expected = framedLine(10, remLine("A")) + framedLine(20, setUpLine(40000)) +
                                 framedLine(30, bankLine("31 37")) + framedLine(40, kReturnTo16) +
                                 framedLine(50, kLoadMain) + framedLine(60, startLine(40000));
    EXPECT_EQ(loader, expected);
    EXPECT_EQ(loader.find('\x0E'), std::string::npos) << "no hidden 5-byte number form anywhere";
}

TEST(BasicLoader, AppendedLineFraming) {
    ByteWriter out;
    appendBasicLine(out, 0x1234, "AB");
    EXPECT_EQ(out.bytes(), hexBytes("12 34 03 00 41 42 0D"));
    appendBasicLine(out, 9999, std::string(300, 'x'));
    EXPECT_EQ(out.bytes().substr(7, 4), hexBytes("27 0F 2D 01"));
}

TEST(BasicLoader, AnOverlongAuthorIsCutSoTheProgramFits) {
    const std::string loader = basicLoader(24576, std::string(200000, 'a'), 0x3E);
    EXPECT_LE(loader.size(), kLoaderCapacity);
    const std::size_t remLength = static_cast<unsigned char>(loader[2]) | static_cast<unsigned char>(loader[3]) << 8;
    EXPECT_EQ(loader[4 + remLength - 1], '\r') << "the REM line's length word is right";
}

}  // namespace
}  // namespace quillo
