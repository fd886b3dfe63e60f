#include "common/kept_output.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using Lines = std::vector<std::string>;

TEST(KeptOutput, EndsOfEveryKindAcrossPieces) {
    KeptOutput s;
    s.feed("one\ntwo\r\nthr");
    s.feed("ee\r");
    s.feed("\nfour\rfive\n\nsix");
    EXPECT_EQ(s.lines(), (Lines{"one", "two", "three", "four", "five", ""}));
    EXPECT_EQ(s.finish(), 1u) << "the unterminated rest at the end";
    EXPECT_EQ(s.finish(), 0u);
    EXPECT_EQ(s.text(), "one\ntwo\nthree\nfour\nfive\n\nsix");

    KeptOutput split({.dropEmpty = true});
    for (const char c : std::string("a\r\nb\r\r\nc\n")) split.feed(std::string_view(&c, 1));
    EXPECT_EQ(split.lines(), (Lines{"a", "b", "c"})) << "one byte at a time, empty lines left out";
}

TEST(KeptOutput, BeyondTheBudgetLinesAreCountedNotKept) {
    // Each line costs its text, its '\n' and a 4-byte offset: 10 + 1 + 4.
    KeptOutput s({.budget = 45, .maxLine = 100});
    EXPECT_EQ(s.feed("0123456789\n0123456789\n0123456789\n0123456789\n0123456789\n"), 3u);
    s.feed("\n\n");
    s.finish();
    EXPECT_EQ(s.size(), 3u);
    EXPECT_EQ(s.droppedLines(), 4u);
    EXPECT_EQ(s.droppedBytes(), 20u);
    EXPECT_EQ(s.droppedNote(), "(4 more lines, 20 bytes of output not kept)");
    EXPECT_EQ(KeptOutput().droppedNote(), "");
}

TEST(KeptOutput, ALineWithoutEndIsCutAtTheLineLimit) {
    KeptOutput s({.budget = 1000, .maxLine = 8});
    for (int i = 0; i < 1000; ++i) s.feed("abcdefghij");
    s.feed("\nnext\n");
    EXPECT_EQ(s.lines(), (Lines{"abcdefgh", "next"}));
    EXPECT_EQ(s.droppedBytes(), 9992u);
    EXPECT_EQ(s.droppedLines(), 0u);
}

}  // namespace
}  // namespace quillo
