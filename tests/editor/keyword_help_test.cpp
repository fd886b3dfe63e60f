#include "editor/keyword_help.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(KeywordHelpTest, LocalPageAlsoForTheOnlineWords) {
    EXPECT_EQ(keywordLocalPage("declare"), "Help_Cmd_Declare.html");
    EXPECT_EQ(keywordLocalPage("end function"), "Help_Cmd_Function.html");
    EXPECT_EQ(keywordLocalPage("scores"), "");
}

TEST(KeywordHelpTest, CaretWordJoinsANeighbourIntoAPhrase) {
    EXPECT_EQ(keywordHelpWord("SUB", "End", "Init"), "end sub");
    EXPECT_EQ(keywordHelpWord("End", "", "Sub"), "end sub");
    EXPECT_EQ(keywordHelpWord("while", "loop", "x"), "loop while");
    EXPECT_EQ(keywordHelpWord("End", "x", ""), "end");
    EXPECT_EQ(keywordHelpWord("TO", "1", "10"), "to");
    EXPECT_EQ(keywordHelpWord("", "end", "sub"), "");
}

}  // namespace
}  // namespace quillo
