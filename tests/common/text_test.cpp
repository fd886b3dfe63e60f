#include "common/text.h"

#include <gtest/gtest.h>

using namespace quillo;

TEST(Text, SourcesLookLikeTextAndBinariesDoNot) {
    EXPECT_TRUE(looksLikeText("10 PRINT \"HI\"\r\n\t20 GOTO 10\n"));
    EXPECT_TRUE(looksLikeText("10 REM caf\xC3\xA9 \xA3\n"));
    EXPECT_TRUE(looksLikeText(""));
    EXPECT_FALSE(looksLikeText(std::string_view("10 REM\0after\n", 13)));
    EXPECT_FALSE(looksLikeText("\x01\x02\x03\x04 abc"));
    EXPECT_TRUE(looksLikeText("a line with one \x1B escape in it"));
}

TEST(Text, CaseAndBlanksFollowAsciiOnly) {
    EXPECT_TRUE(equalsNoCase("GoSub", "gosub"));
    EXPECT_FALSE(equalsNoCase("gosub", "gosu"));
    EXPECT_TRUE(startsWithNoCase("PRINT AT", "print"));
    EXPECT_EQ(toUpperAscii("caf\xC3\xA9"), "CAF\xC3\xA9");
    EXPECT_EQ(trimmed(" \tx y\t "), "x y");
    EXPECT_EQ(trimmedLine("\r\n x \r\n"), "x");
}
