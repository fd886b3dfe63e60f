#include "app/line_list_text.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(LineListTextTest, EightUpperCaseHexDigitsPerLine) {
    EXPECT_EQ(lineListText({3, 300}), "000000030000012C");
    EXPECT_EQ(lineListText({}), "");
    EXPECT_EQ(parseLineListText("000000030000012C"), (std::vector<int>{3, 300}));
    EXPECT_EQ(parseLineListText("0000000a"), (std::vector<int>{10}));
}

TEST(LineListTextTest, BadAndShortEntriesAreIgnored) {
    EXPECT_EQ(parseLineListText("00000003000001"), (std::vector<int>{3}));
    EXPECT_EQ(parseLineListText("0000000X00000004"), (std::vector<int>{4}));
    EXPECT_EQ(parseLineListText("FFFFFFFF00000001"), (std::vector<int>{1}));
    EXPECT_TRUE(parseLineListText("").empty());
}

}  // namespace
}  // namespace quillo
