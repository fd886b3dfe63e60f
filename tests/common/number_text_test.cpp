#include "common/number_text.h"

#include <gtest/gtest.h>

using namespace quillo;

TEST(NumberText, LeadingIntIsTheLeadingDecimalNumberKeptTo32Bits) {
    EXPECT_EQ(leadingInt("42"), 42);
    EXPECT_EQ(leadingInt("-17px"), -17);
    EXPECT_EQ(leadingInt("+8"), 8);
    EXPECT_EQ(leadingInt("abc"), 0);
    EXPECT_EQ(leadingInt("0x10"), 0);
    EXPECT_EQ(leadingInt(""), 0);
    EXPECT_EQ(leadingInt("16777215"), 16777215);
    EXPECT_EQ(leadingInt("4294967295"), -1) << "values keep their low 32 bits";
    EXPECT_EQ(leadingInt("99999999999999999999999"), leadingInt("99999999999999999999999"));
}

TEST(NumberText, WholeNumbersTakeHexAndBinaryOnlyWhereAllowed) {
    constexpr NumberRules all{.hexDollar = true, .binaryPercent = true};
    EXPECT_EQ(wholeNumber(" $1F ", all, 12), 31);
    EXPECT_EQ(wholeNumber("-%101", all, 12), -5);
    EXPECT_EQ(wholeNumber("12", all, 12), 12);
    EXPECT_EQ(wholeNumber("$1F", {}, 12), std::nullopt);
    EXPECT_EQ(wholeNumber("12x", all, 12), std::nullopt) << "nothing but blanks may follow";
    EXPECT_EQ(wholeNumber("$", all, 12), std::nullopt);
    EXPECT_EQ(wholeNumber("1234567890123", all, 12), std::nullopt);
    EXPECT_EQ(readNumberPrefix("  -42,7").length, 5u);
}
