#include "editor/ascii_table.h"
#include "editor/include_libraries.h"
#include "editor/small_tools.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace quillo;

TEST(AsciiTable, InsertFormsOfEveryGroup) {
    EXPECT_EQ(asciiStringForm(65), "A");
    EXPECT_EQ(asciiStringForm(34), "\"");
    EXPECT_EQ(asciiStringForm(92), "\\");
    EXPECT_EQ(asciiStringForm(127), "\x7F");
    EXPECT_EQ(asciiStringForm(128), "\\  ");
    EXPECT_EQ(asciiStringForm(133), "\\ :");
    EXPECT_EQ(asciiStringForm(143), "\\::");
    EXPECT_EQ(asciiStringForm(144), "\\A");
    EXPECT_EQ(asciiStringForm(164), "\\U");
    EXPECT_EQ(asciiChrForm(65), "chr(65)");
    EXPECT_EQ(asciiChrForm(94), "Chr(94)");
    EXPECT_EQ(asciiChrForm(96), "Chr(96)");
    EXPECT_EQ(asciiChrForm(127), "Chr(127)");
    for (int code = 128; code <= 143; ++code) EXPECT_EQ(asciiChrForm(code), "chr(" + std::to_string(code) + ")");
    EXPECT_EQ(asciiChrForm(165), "");
    EXPECT_EQ(controlCodes().front().code, 6);
    EXPECT_EQ(commandKeywords().size(), 25u);
}

TEST(BeepCalculator, PitchAndHertz) {
    EXPECT_EQ(beepValueText(beepHzFromPitch(0)), "261.63");
    EXPECT_EQ(beepValueText(beepPitchFromHz(440)), "9");
    EXPECT_EQ(beepValueText(beepHzFromPitch(12)), "523.25");
    EXPECT_EQ(beepValueText(beepPitchFromHz(0)), "0");  // not a number: shown as 0
}

TEST(KeyboardHelper, KeysOneAndTwo) {
    EXPECT_EQ(keyTest('1')->in, "(IN 63486)&31=30");
    EXPECT_EQ(keyTest('1')->inkey, "INKEY$=\"1\"");
    EXPECT_EQ(keyTest('2')->in, "(IN 63486)&31=29");
    EXPECT_EQ(keyTest('2')->mask, 2);
    EXPECT_EQ(keyTest('2')->port, 0xF7FE);
    EXPECT_FALSE(keyTest('3'));
}

TEST(IncludeLibraries, LinesNameTheFilesTheCompilerFinds) {
    for (const IncludeLibrary& library : includeLibraries()) {
        const std::string_view line = library.includeLine;
        if (std::string_view(library.name) == "SPFill") EXPECT_EQ(line, "#Include <SP/Fill.bas>");
        else EXPECT_EQ(line.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 2), std::string_view::npos) << line;
    }
    EXPECT_EQ(std::string_view(includeLibraries()[1].includeLine), "#Include <asc.bas>");
    EXPECT_EQ(std::string_view(includeLibraries()[17].includeLine), "#Include <string.bas>");
    EXPECT_EQ(std::string_view(includeLibraries()[17].helpPage), "Help_Lib_Ucase.html");
}

}  // namespace
