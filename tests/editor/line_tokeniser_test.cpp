#include "editor/line_tokeniser.h"

#include "common/file_io.h"
#include "editor/routine_scan.h"
#include "tokeniser_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace quillo {
namespace {

using test::BasicTokeniser;

TEST(WordTableTest, LaterRegistrationKeepsStyleAndOrsOptions) {
    const BasicTokeniser t;
    ASSERT_NE(t.words.find("screen"), nullptr);
    EXPECT_EQ(t.words.find("SCREEN")->style, basic_style::Library);
    EXPECT_EQ(t.words.find("(")->style, basic_style::Function);
    EXPECT_EQ(t.words.find(")")->style, basic_style::Function);
    const StyleWord* percent = t.words.find("%");
    EXPECT_EQ(percent->style, basic_style::Number);
    EXPECT_TRUE(percent->options & word_option::PrefixAdjacent);
    EXPECT_EQ(t.words.find("\"")->closing, '"');
    EXPECT_EQ(t.words.find("print")->text, "Print");
}

TEST(WordTableTest, SeparatorsComeFromTheListAndFromDelimiters) {
    const BasicTokeniser t;
    for (const char c : std::string_view("=+-*/%()[],.:;<>&|~\r\n\"#@$'")) EXPECT_TRUE(t.words.isSeparator(c)) << c;
    // Braces only fold; they are not delimiters, so {abc is one word.
    for (const char c : std::string_view("{}_ax1!")) EXPECT_FALSE(t.words.isSeparator(c)) << c;
}

TEST(WordTableTest, EmptyEntriesAreSkippedAndNonSeparatingIsHonoured) {
    WordTable words;
    words.registerWords("alpha  beta ", 3, 0);
    EXPECT_EQ(words.size(), 2u);
    words.registerDelimiter("!", "", word_option::PrefixAny | word_option::NonSeparating, 4);
    EXPECT_FALSE(words.isSeparator('!'));
    words.registerDelimiter("?", "", word_option::PrefixAny, 4);
    EXPECT_TRUE(words.isSeparator('?'));
}

TEST(LineTokeniserTest, KeywordsStringsAndComments) {
    const BasicTokeniser t;
    EXPECT_EQ(t.styles("print x"), "33333..");
    EXPECT_EQ(t.styles("print \"abc"), "33333.4444");
    EXPECT_EQ(t.styles("a$=\"x\"+b"), ".2a444a.");
    EXPECT_EQ(t.styles("\"a\"b"), "444.");
    EXPECT_EQ(t.styles("' comment { sub"), std::string(15, '1'));
    EXPECT_EQ(t.styles("x=1 ' note"), ".a2.111111");
    EXPECT_EQ(t.styles("REM hello {"), std::string(11, '1'));
    EXPECT_EQ(t.styles("theorem = 1"), "........a.2");
}

TEST(LineTokeniserTest, UnterminatedStringStopsAtTheLineEnd) {
    const BasicTokeniser t;
    EXPECT_EQ(t.styles("print \"abc\r\n"), "33333.4444..");
    EXPECT_EQ(t.styles("\"abc\n"), "4444.");
}

TEST(LineTokeniserTest, PrefixesAndLiterals) {
    const BasicTokeniser t;
    EXPECT_EQ(t.styles("x = $FF"), "..a.222");
    EXPECT_EQ(t.styles("a $ b"), "..2..");
    EXPECT_EQ(t.styles("%1010"), "22222");
    EXPECT_EQ(t.styles("%1010 x"), "22222..");
    EXPECT_EQ(t.styles("#include"), "bbbbbbbb");
    EXPECT_EQ(t.styles("# include"), "bbbbbbbbb");
    EXPECT_EQ(t.styles("@label"), "666666");
    EXPECT_EQ(t.styles("@ label"), "6......");
}

TEST(LineTokeniserTest, Numbers) {
    const BasicTokeniser t;
    EXPECT_EQ(t.styles("1.5"), "222");
    EXPECT_EQ(t.styles("x=.5"), ".a22");
    EXPECT_EQ(t.styles("1.2.3"), ".....");
    EXPECT_EQ(t.styles("12ab"), "....");
    EXPECT_EQ(t.styles("10:20"), "22d22");
    EXPECT_EQ(t.styles("a.b"), ".a.");
}

TEST(LineTokeniserTest, CallsBeforeABracket) {
    const BasicTokeniser t;
    EXPECT_EQ(t.styles("foo (1)"), "7777727");
    EXPECT_EQ(t.styles("foo(a)"), "7777.7");
    EXPECT_EQ(t.styles("print(a)"), "333337.7");
    EXPECT_EQ(t.styles("foo ,"), "....d");
}

TEST(LineTokeniserTest, DisplayCaseStylesAndSeparators) {
    const BasicTokeniser t;
    EXPECT_EQ(t.styles("dim a as ubyte"), "333...33.99999");
    EXPECT_EQ(t.styles("ld a,(hl): defb 1"), "....d7..7d.8888.2");
    EXPECT_EQ(t.styles("x = screen(1)"), "..a.cccccc727");
}

TEST(LineTokeniserTest, ColouringOffGivesTheDefaultStyle) {
    BasicTokeniser t;
    t.config.colouring = false;
    EXPECT_EQ(t.styles("print \"a\" ' x"), std::string(13, '.'));
    EXPECT_EQ(t.foldDelta("sub main"), 1);
}

TEST(LineTokeniserTest, FoldRegions) {
    const BasicTokeniser t;
    EXPECT_EQ(t.foldDelta("Sub Main"), 1);
    EXPECT_EQ(t.foldDelta("function f(a as ubyte) as ubyte"), 1);
    EXPECT_EQ(t.foldDelta("End Sub", kFoldBase + 1), -1);
    EXPECT_EQ(t.foldDelta("END FUNCTION", kFoldBase + 1), -1);
    EXPECT_EQ(t.foldDelta("  Sub Inner"), 0);
    // Column 0 decides, not the regions around: after a DECLARE line (which
    // opens a region of its own) a SUB still folds.
    EXPECT_EQ(t.foldDelta("Sub Inner", kFoldBase + 1), 1);
    // Only a definition or block opens a region, never a word after GO,
    // DECLARE or a dot.
    EXPECT_EQ(t.foldDelta("Declare Function f() as ubyte"), 0);
    EXPECT_EQ(t.foldDelta("DECLARE SUB Plot(x as ubyte)"), 0);
    EXPECT_EQ(t.foldDelta("20 GO SUB 100"), 0);
    EXPECT_EQ(t.foldDelta("#include <print42.asm>"), 0);
    EXPECT_EQ(t.foldDelta("sub fastcall f()"), 1);
    EXPECT_EQ(t.foldDelta("  asm", kFoldBase + 1), 1);
    EXPECT_EQ(t.foldDelta("  end asm", kFoldBase + 2), -1);
    EXPECT_EQ(t.foldDelta("{"), 1);
    EXPECT_EQ(t.foldDelta("  {  "), 1);
    EXPECT_EQ(t.foldDelta("}", kFoldBase + 1), -1);
    EXPECT_EQ(t.foldDelta("{abc"), 0);
    EXPECT_EQ(t.foldDelta("' {"), 0);
    EXPECT_EQ(t.foldDelta("rem {"), 0);
    EXPECT_EQ(t.foldDelta("print \"sub {\""), 0);
    // A stray closer at the outermost level cannot go below it.
    EXPECT_EQ(t.foldDelta("end sub"), 0);
    EXPECT_EQ(t.foldDelta("{ }"), 0);
}

// Golden file: a sample source with, per line, its fold level ('H' marks a
// header) and its styles. Styled whole, with LF and with CR LF line ends.
struct GoldenLine {
    std::string text;
    std::string expected;
};

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> styleWholeText(const BasicTokeniser& t, std::string_view text) {
    std::vector<std::string> result;
    int level = kFoldBase;
    forEachLine(text, [&](std::string_view line, int) {
        if (line.empty()) return;
        LineStyles out;
        styleStructureLine(t.config, line, level, out);
        char head[16];
        std::snprintf(head, sizeof head, "%03X%c ", level, out.foldDelta > 0 ? 'H' : ' ');
        std::string styles = BasicTokeniser::styleString(out);
        while (!line.empty() && isLineEnd(line.back())) {
            line.remove_suffix(1);
            EXPECT_EQ(styles.back(), '.');
            styles.pop_back();
        }
        result.push_back(head + styles);
        level = std::max(kFoldBase, level + out.foldDelta);
    });
    return result;
}

TEST(LineTokeniserTest, GoldenSampleWholeLfAndCrLf) {
    const BasicTokeniser t;
    const std::string source = readText(QUILLO_TEST_DATA "/editor_styling_sample.bas");
    const std::string goldenPath = QUILLO_TEST_DATA "/editor_styling_sample.styles";
    ASSERT_FALSE(source.empty());
    const std::vector<std::string> actual = styleWholeText(t, source);
    if (std::getenv("QUILLO_UPDATE_GOLDEN")) {
        std::ofstream out(goldenPath, std::ios::binary);
        for (const std::string& line : actual) out << line << '\n';
    }
    std::vector<std::string> golden;
    forEachLine(readText(goldenPath), [&](std::string_view line, int) {
        if (!line.empty()) golden.emplace_back(line.substr(0, line.size() - 1));
    });
    ASSERT_EQ(actual.size(), golden.size());
    for (std::size_t i = 0; i < golden.size(); ++i) EXPECT_EQ(actual[i], golden[i]) << "line " << i + 1;

    std::string crlf;
    for (const char c : source) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(styleWholeText(t, crlf), golden);
}

}  // namespace
}  // namespace quillo
