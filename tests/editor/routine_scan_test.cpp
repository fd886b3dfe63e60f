#include "editor/routine_scan.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

std::string withLineEnds(std::string_view lf, std::string_view eol) {
    std::string out;
    for (const char c : lf) {
        if (c == '\n')
            out += eol;
        else
            out += c;
    }
    return out;
}

constexpr std::string_view kSample =
    "Sub Init()\n"
    "function Max(a as ubyte, b as ubyte) as ubyte\n"
    "  sub Indented()\n"
    "subroutine()\n"
    "Function Beep2()";

TEST(RoutineScanTest, KindsParametersAndReturnTextWithEveryLineEnd) {
    for (const std::string_view eol : {"\r\n", "\n", "\r"}) {
        const std::vector<SubFunctionEntry> r = scanRoutines(withLineEnds(kSample, eol));
        ASSERT_EQ(r.size(), 3u);
        EXPECT_EQ(r[0].name, "Beep2");
        EXPECT_EQ(r[0].kind, RoutineKind::FunctionUntyped);
        EXPECT_EQ(r[0].parameters, "");
        EXPECT_EQ(r[1].name, "Init");
        EXPECT_EQ(r[1].kind, RoutineKind::Sub);
        EXPECT_EQ(r[2].name, "Max");
        EXPECT_EQ(r[2].kind, RoutineKind::FunctionTyped);
        EXPECT_EQ(r[2].parameters, "a as ubyte, b as ubyte");
        EXPECT_EQ(r[2].returnText, "as ubyte");
    }
}

TEST(RoutineScanTest, ParametersSurviveAMissingOrShortLineEnd) {
    EXPECT_EQ(parseRoutineLine("sub Move(x as ubyte, y as ubyte)")->parameters, "x as ubyte, y as ubyte");
    EXPECT_EQ(parseRoutineLine("sub Move(x as ubyte)\n")->parameters, "x as ubyte");
    EXPECT_EQ(parseRoutineLine("sub Move(x as ubyte)\r\n")->parameters, "x as ubyte");
    EXPECT_EQ(parseRoutineLine("sub Broken(x as ubyte\r\n")->parameters, "x as ubyte");
    EXPECT_EQ(parseRoutineLine("function F(a(1) as ubyte) as ubyte\n")->parameters, "a(1) as ubyte");
}

TEST(RoutineScanTest, NamesWithoutBracketsAndConventions) {
    const auto typed = parseRoutineLine("FUNCTION Speed as ubyte\r\n");
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->name, "Speed");
    EXPECT_EQ(typed->returnText, "ubyte");
    EXPECT_EQ(typed->kind, RoutineKind::FunctionTyped);
    EXPECT_EQ(parseRoutineLine("function Plain\n")->kind, RoutineKind::FunctionUntyped);
    EXPECT_EQ(parseRoutineLine("function fastcall Fast(a as ubyte) as ubyte")->name, "Fast");
    EXPECT_EQ(parseRoutineLine("SUB STDCALL Slow()")->name, "Slow");
    EXPECT_FALSE(parseRoutineLine("sub ()\n"));
    EXPECT_FALSE(parseRoutineLine("sub"));
    EXPECT_FALSE(parseRoutineLine("end sub"));
}

TEST(RoutineScanTest, DuplicatesListedOnceAndFindStopsOnTheLast) {
    const std::string text = "sub Draw()\r\nprint 1\r\nSUB draw(x)\r\nsub Other\r\n";
    const std::vector<SubFunctionEntry> r = scanRoutines(text);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].name, "Draw");
    EXPECT_EQ(findRoutineLine(text, "draw"), 2);
    EXPECT_EQ(findRoutineLine(text, "OTHER"), 3);
    EXPECT_EQ(findRoutineLine(text, "missing"), -1);
    EXPECT_EQ(findRoutineLine(text, ""), -1);
}

TEST(RoutineScanTest, LinesSplitLikeTheEditor) {
    std::vector<std::string> lines;
    forEachLine("a\r\nb\nc\rd", [&](std::string_view line, int) { lines.emplace_back(line); });
    EXPECT_EQ(lines, (std::vector<std::string>{"a\r\n", "b\n", "c\r", "d"}));
}

}  // namespace
}  // namespace quillo
