#include "common/kept_output.h"
#include "pipeline/output_parser.h"

#include "common/log_line.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using Kind = CompilerMessage::Kind;

const CompiledFiles kFiles{"/zx/src/", {"/zx/src/temp.bas", "/zx/src/hello.bas"}};

std::optional<CompilerMessage> parse(std::string_view line) { return parseCompilerLine(line, kFiles); }

TEST(OutputParser, RealCompilerLines) {
    EXPECT_EQ(parse("/zx/src/temp.bas:6: warning: Infinite empty loop"),
              (CompilerMessage{Kind::Warning, 5, "Warning: Infinite empty loop"}));
    EXPECT_EQ(parse("/zx/src/temp.bas:2: error: Unexpected end of line"),
              (CompilerMessage{Kind::Error, 1, "Error: Unexpected end of line"}))
        << "the message, not the word error, is shown";
    EXPECT_EQ(parse("/zx/src/temp.bas:3: warning: [W100] Using default implicit type 'float' for 'a'"),
              (CompilerMessage{Kind::Warning, 2, "Warning: [W100] Using default implicit type 'float' for 'a'"}));
    EXPECT_EQ(parse("hello.bas:6: warning: Infinite empty loop"),
              (CompilerMessage{Kind::Warning, 5, "Warning: Infinite empty loop"}))
        << "a relative name is taken in the working folder";
    EXPECT_EQ(parse("./temp.bas:4: error: Syntax Error"), (CompilerMessage{Kind::Error, 3, "Error: Syntax Error"}));
}

TEST(OutputParser, LinesThatMarkNothing) {
    EXPECT_FALSE(parse("sub/inc.bas:2: error: Unexpected end of line")) << "an included file's line";
    EXPECT_FALSE(parse("/zx/src/other.bas:2: error: Unexpected end of line"));
    EXPECT_FALSE(parse("/zx/src/temp.bas:0: error: file 'nonexistent.bas' not found")) << "line 0";
    EXPECT_FALSE(parse("zxbc.py: error: No such file or directory: 'missing.bas'"));
    EXPECT_FALSE(parse("WARNING: deprecated flag --asm (use -f asm or --output-format=asm instead)"));
    EXPECT_FALSE(parse("Exit code: 1")) << "the exit-code line names no compiled file";
    EXPECT_FALSE(parse(logLine("/zx/src/temp.bas:3: error: x"))) << "the system's own lines";
    EXPECT_FALSE(parse(""));
    EXPECT_FALSE(parse("usage: zxbc.py [-h] [-d] [-O OPTIMIZE]"));
    EXPECT_FALSE(parse("/zx/src/temp.bas:-2: error: negative"));
    EXPECT_FALSE(parse("/zx/src/temp.bas:twelve: error: x"));
}

TEST(OutputParser, FieldRulesOfTheMessageFormat) {
    EXPECT_EQ(parse("temp.bas:12: Syntax Error"), (CompilerMessage{Kind::Error, 11, "Error: Syntax Error"}));
    EXPECT_EQ(parse("temp.bas:7:warning: careful"), (CompilerMessage{Kind::Warning, 6, "Warning: careful"}));
    EXPECT_EQ(parse("temp.bas:7: Warning: capital"), (CompilerMessage{Kind::Warning, 6, "Warning: capital"}));
    EXPECT_EQ(parse("temp.bas:3: error: Expected: THEN"), (CompilerMessage{Kind::Error, 2, "Error: Expected"}))
        << "a message is cut at its next colon";
    EXPECT_EQ(parse("temp.bas:3: error"), (CompilerMessage{Kind::Error, 2, "Error:"}));
    EXPECT_EQ(parse("temp.bas:3: warning"), (CompilerMessage{Kind::Warning, 2, "Warning:"}));
    EXPECT_EQ(parse("temp.bas: 9 : error: spaced"), (CompilerMessage{Kind::Error, 8, "Error: spaced"}));
    EXPECT_EQ(parse("temp.bas:$10: error: hex"), (CompilerMessage{Kind::Error, 15, "Error: hex"}));
}

TEST(OutputParser, FileNamesWithColonsAndBlanks) {
    const CompiledFiles odd{"/zx/a:b c/", {"/zx/a:b c/temp.bas"}};
    EXPECT_EQ(parseCompilerLine("/zx/a:b c/temp.bas:5: error: odd folder", odd),
              (CompilerMessage{Kind::Error, 4, "Error: odd folder"}));
    EXPECT_TRUE(namesCompiledFile("temp.bas", odd));
    EXPECT_TRUE(namesCompiledFile("/zx/a:b c/./temp.bas", odd));
    EXPECT_FALSE(namesCompiledFile("sub/temp.bas", odd));
    EXPECT_FALSE(namesCompiledFile("", odd));
}

TEST(OutputParser, WholeOutputKeepsOrder) {
    KeptOutput lines;
    lines.feed("/zx/src/temp.bas:2: error: Unexpected end of line\n"
               "/zx/src/temp.bas:3: warning: [W100] Using default implicit type 'float' for 'a'\n"
               "sub/inc.bas:2: error: Unexpected end of line\n"
               "/zx/src/temp.bas:2: warning: again");
    lines.finish();
    std::vector<CompilerMessage> messages;
    parseCompilerOutput(lines, kFiles, messages);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].line, 1);
    EXPECT_EQ(messages[1].line, 2);
    EXPECT_EQ(messages[2].text, "Warning: again");
}

}  // namespace
}  // namespace quillo
