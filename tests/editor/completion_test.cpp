#include "editor/completion.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(CompletionVocabularyTest, PackedEntriesInOrderWithEndByte) {
    const CompletionVocabulary v;
    const std::vector<std::string_view> entries = v.entries();
    ASSERT_EQ(entries.size(), 164u);
    EXPECT_EQ(entries.front(), "<<");
    EXPECT_EQ(entries[1], ">>");
    EXPECT_EQ(entries.back(), "xor");
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "bold"), 2);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "end while"), 2);
    EXPECT_EQ(v.packed().back(), '\0');
    EXPECT_EQ(static_cast<unsigned char>(v.packed()[0]), 2u);
    EXPECT_EQ(v.packed().substr(1, 2), "<<");
    EXPECT_EQ(v.packed().size(), v.fixedSize() + 1);
}

TEST(CompletionVocabularyTest, RoutineNamesFollowTheFixedWordsAndAreReplaced) {
    CompletionVocabulary v;
    v.setRoutineNames({"PrintScore", "", std::string(300, 'x'), "Init"});
    std::vector<std::string_view> entries = v.entries();
    ASSERT_EQ(entries.size(), 166u);
    EXPECT_EQ(entries[164], "PrintScore");
    EXPECT_EQ(entries[165], "Init");
    // Far more names than a fixed area would hold.
    std::vector<std::string> many(2000, "SomeRoutineName");
    v.setRoutineNames(many);
    EXPECT_EQ(v.entries().size(), 2164u);
    v.setRoutineNames({});
    EXPECT_EQ(v.entries().size(), 164u);
}

TEST(CompletionListTest, PrefixMatchWithoutRegardToCase) {
    CompletionVocabulary v;
    EXPECT_EQ(completionList(v, "pr"), "print'print42'print64'printat42'printat64");
    EXPECT_EQ(completionList(v, "PR"), "print'print42'print64'printat42'printat64");
    EXPECT_EQ(completionList(v, "end w"), "end while'end while");
    EXPECT_EQ(completionList(v, "zz"), "");
    v.setRoutineNames({"Progress"});
    EXPECT_EQ(completionList(v, "pro"), "Progress");
}

TEST(CompletionListTest, NoListWhenTheWordIsAlreadyComplete) {
    CompletionVocabulary v;
    EXPECT_EQ(completionList(v, "goto"), "") << "Enter must end the line, not accept the list";
    EXPECT_EQ(completionList(v, "GOTO"), "");
    EXPECT_NE(completionList(v, "got"), "");
    EXPECT_EQ(completionList(v, "print"), "print'print42'print64'printat42'printat64") << "longer words remain";
}

TEST(CompletionTriggerTest, NoneInsideStringsOrComments) {
    EXPECT_TRUE(completionAllowed("  pr"));
    EXPECT_TRUE(completionAllowed("print \"a\"; pr"));
    EXPECT_FALSE(completionAllowed("print \"pr"));
    EXPECT_FALSE(completionAllowed("rem pr"));
    EXPECT_FALSE(completionAllowed("x = 1: REM pr"));
    EXPECT_FALSE(completionAllowed("x = 1 ' pr"));
    EXPECT_FALSE(completionAllowed("theorem x = pr"));
    EXPECT_TRUE(completionAllowed("print \"it's\"; pr"));
    EXPECT_TRUE(completionAllowed("print \"rem \"; pr"));
}

}  // namespace
}  // namespace quillo
