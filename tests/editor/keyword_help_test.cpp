#include "editor/keyword_help.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(KeywordHelpTest, PhrasesAndDollarWordsShareTheirStatementsPage) {
    EXPECT_EQ(keywordHelpTarget("end sub").target, keywordHelpTarget("sub").target);
    EXPECT_EQ(keywordHelpTarget("loop until").target, "Help_Cmd_Do.html");
    EXPECT_EQ(keywordHelpTarget("chr$").target, "Help_Cmd_Chr.html");
    EXPECT_EQ(keywordHelpTarget("end function").kind, KeywordHelpTarget::Kind::Web);
}

TEST(KeywordHelpTest, LocalPageAlsoForTheOnlineWords) {
    EXPECT_EQ(keywordLocalPage("declare"), "Help_Cmd_Declare.html");
    EXPECT_EQ(keywordLocalPage("end function"), "Help_Cmd_Function.html");
    EXPECT_EQ(keywordLocalPage("print"), keywordHelpTarget("print").target);
    EXPECT_EQ(keywordLocalPage("scores"), "");
}

TEST(KeywordHelpTest, CaretWordJoinsANeighbourIntoAPhrase) {
    EXPECT_EQ(keywordHelpWord("SUB", "End", "Init"), "end sub");
    EXPECT_EQ(keywordHelpWord("End", "", "Sub"), "end sub");
    EXPECT_EQ(keywordHelpWord("while", "loop", "x"), "loop while");
    EXPECT_EQ(keywordHelpWord("End", "x", ""), "end");
    EXPECT_EQ(keywordHelpWord("TO", "1", "10"), "to");
    EXPECT_EQ(keywordHelpWord("Print", "", ""), "print");
    EXPECT_EQ(keywordHelpWord("", "end", "sub"), "");
}

}  // namespace
}  // namespace quillo
