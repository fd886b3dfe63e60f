#include "pipeline/compiler_command.h"
#include "pipeline/free_memory.h"

#include "app/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillo {
namespace {

Document defaults() {
    Document d;
    d.name = "game";
    d.folder = "/zx/my games/";
    d.outputFile = "/zx/out dir/game";
    d.prgStart = 24576;
    d.outputType = 1;
    d.heapsize = kDefaultHeapSize;
    return d;
}

CompilerCommand commandFor(const Document& d, const std::string& compiler = "/opt/zxb/zxbc") {
    return compilerCommand(d, buildPaths(d, "qlo"), compiler);
}

// Splits the shown argument text the way a shell would (double quotes group).
std::vector<std::string> shellWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

TEST(CompilerCommand, DefaultOptionsEndWithTheOutputPathAndLevelNone) {
    const CompilerCommand c = commandFor(defaults());
    EXPECT_EQ(c.argumentText, "\"/zx/my games/temp.qlo\" -S 24576 -o \"/zx/out dir/game.bin\" -O 0 ");
    EXPECT_EQ(c.logText, "/opt/zxb/zxbc " + c.argumentText);
    EXPECT_EQ(c.program, "/opt/zxb/zxbc");
    EXPECT_EQ(c.workingFolder, "/zx/my games/");
    EXPECT_EQ(c.arguments, (std::vector<std::string>{"/zx/my games/temp.qlo", "-S", "24576", "-o",
                                                     "/zx/out dir/game.bin", "-O", "0"}));
}

TEST(CompilerCommand, OptimisationLibraryAndHeapGiveTwoBlanksBeforeTheLibrary) {
    Document d = defaults();
    d.optimisation = 2;
    d.specialLib = 1;
    d.heapsize = 2048;
    const CompilerCommand c = commandFor(d);
    EXPECT_EQ(c.argumentText,
              "\"/zx/my games/temp.qlo\" -S 24576 -o \"/zx/out dir/game.bin\" -O 2  --sinclair --heap-size=2048");
    EXPECT_EQ(c.arguments, (std::vector<std::string>{"/zx/my games/temp.qlo", "-S", "24576", "-o",
                                                     "/zx/out dir/game.bin", "-O", "2", "--sinclair",
                                                     "--heap-size=2048"}));
}

TEST(CompilerCommand, OptimisationTexts) {
    EXPECT_EQ(optimisationText(0), " -O 0 ") << "without -O the compiler takes its own default level";
    EXPECT_EQ(optimisationText(1), " -O 1 ");
    EXPECT_EQ(optimisationText(2), " -O 2 ");
    EXPECT_EQ(optimisationText(3), " -O 3 ");
    EXPECT_EQ(optimisationText(4), " ") << "a damaged project value asks for no level";
}

TEST(CompilerCommand, OptionTextKeepsItsOrderAndConditions) {
    Document d = defaults();
    EXPECT_EQ(optionText(d), "");
    d.arrayBase = 1;
    d.stringBase = 1;
    d.heapsize = 0;
    d.enableBreak = d.memoryCheck = d.arrayCheck = d.strictBool = d.backend = d.explicit_ = 1;
    EXPECT_EQ(optionText(d),
              " --array-base=1 --string-base=1 --heap-size=0 --enable-break --debug-memory --debug-array"
              " --strict-bool --emit-backend --explicit");

    Document one = defaults();
    one.arrayBase = 0;
    one.stringBase = 0;
    EXPECT_EQ(optionText(one), "") << "bases of 0 add nothing";
    one.heapsize = 4768;
    EXPECT_EQ(optionText(one), "") << "the default heap is not passed";
    one.heapsize = 4769;
    EXPECT_EQ(optionText(one), " --heap-size=4769");
    one = defaults();
    one.backend = 1;
    EXPECT_EQ(optionText(one), " --emit-backend") << "the compiler rejects --emmit-backend";
}

TEST(CompilerCommand, EveryOptionCombinationMatchesItsArgumentList) {
    // Each of the nine options on and off, with every output kind, debug
    // and optimisation level: the text the panel shows and the list the
    // process gets must say the same thing.
    for (int mask = 0; mask < (1 << 9); ++mask) {
        Document d = defaults();
        d.outputType = static_cast<std::uint8_t>(mask % 4);
        d.optimisation = static_cast<std::uint8_t>((mask / 4) % 4);
        d.debug = static_cast<std::uint8_t>((mask >> 3) & 1);
        d.specialLib = (mask >> 4) & 1;
        d.arrayBase = (mask >> 5) & 1 ? 1 : 0;
        d.stringBase = (mask >> 6) & 1 ? 3 : 0;
        d.heapsize = (mask >> 7) & 1 ? 1000 : kDefaultHeapSize;
        d.enableBreak = d.memoryCheck = static_cast<std::uint8_t>((mask >> 8) & 1);
        d.arrayCheck = d.strictBool = d.backend = d.explicit_ = static_cast<std::uint8_t>((mask >> 2) & 1);
        const CompilerCommand c = commandFor(d);
        EXPECT_EQ(shellWords(c.argumentText), c.arguments) << c.argumentText;
        const bool moreAfterLevel = !(libraryText(d) + optionText(d)).empty();
        EXPECT_EQ(c.argumentText.find("  ") != std::string::npos, moreAfterLevel)
            << c.argumentText;
    }
}

TEST(CompilerCommand, AsmAndDebugFlagsFollowTheStartAddress) {
    Document d = defaults();
    d.outputType = 3;
    EXPECT_EQ(commandFor(d).argumentText, "\"/zx/my games/temp.qlo\" -S 24576 -A -o \"/zx/out dir/game.asm\" -O 0 ");
    d.debug = 1;
    const CompilerCommand c = commandFor(d);
    EXPECT_EQ(c.argumentText, "\"/zx/my games/temp.qlo\" -S 24576 -A -d -o \"/zx/out dir/game.asm\" -O 0 ");
    EXPECT_EQ(c.arguments[3], "-A");
    EXPECT_EQ(c.arguments[4], "-d");
    d.outputType = 2;
    EXPECT_EQ(commandFor(d).argumentText, "\"/zx/my games/temp.qlo\" -S 24576 -d -o \"/zx/out dir/game.bin\" -O 0 ");
}

TEST(CompilerCommand, PythonCompilerRunsThroughPython3) {
    const CompilerCommand c = commandFor(defaults(), "/opt/zx basic/zxbc.py");
    EXPECT_EQ(c.program, "python3");
    EXPECT_EQ(c.arguments.front(), "/opt/zx basic/zxbc.py");
    EXPECT_EQ(c.arguments[1], "/zx/my games/temp.qlo");
    EXPECT_EQ(c.logText.rfind("/opt/zx basic/zxbc.py \"/zx/my games/temp.qlo\"", 0), 0u)
        << "the log shows the compiler path unquoted";

    const CompilerCommand v = versionCommand("/opt/zx basic/zxbc.py");
    EXPECT_EQ(v.program, "python3");
    EXPECT_EQ(v.arguments, (std::vector<std::string>{"/opt/zx basic/zxbc.py", "--version"}));
    EXPECT_EQ(versionCommand("/usr/bin/zxbc").arguments, std::vector<std::string>{"--version"});
    EXPECT_EQ(versionCommand("/usr/bin/zxbc").logText, "\"/usr/bin/zxbc\" --version");
}

TEST(CompilerCommand, PathsOfABuild) {
    Document d = defaults();
    BuildPaths p = buildPaths(d, "bas");
    EXPECT_EQ(p.source, "/zx/my games/game.bas");
    EXPECT_EQ(p.sourceCopy, "/zx/my games/temp.bas");
    EXPECT_EQ(p.compiledFile, "/zx/out dir/game.bin");
    d.outputFile = "output";
    p = buildPaths(d, "bas");
    EXPECT_EQ(p.outputBase, "/zx/my games/output") << "where the compiler, run in the source folder, writes it";
    d.outputType = 3;
    EXPECT_EQ(buildPaths(d, "bas").compiledFile, "/zx/my games/output.asm");
}

TEST(CompilerCommand, OutputKinds) {
    EXPECT_EQ(outputKind(0).panelText, "BIN");
    EXPECT_EQ(outputKind(1).tapeExtension, ".tap");
    EXPECT_EQ(outputKind(2).tapeExtension, ".tzx");
    EXPECT_EQ(outputKind(3).outputExtension, ".asm");
    EXPECT_FALSE(writesTape(0));
    EXPECT_TRUE(writesTape(2));
    EXPECT_FALSE(writesTape(3));
    EXPECT_FALSE(writesTape(200)) << "an unknown kind writes no tape";
}

TEST(CompilerCommand, SelectedCompilerFollowsUsedCompiler) {
    Settings s("/home/zx/");
    s.set(Setting::CompilerZXB, std::string("/a/zxbc"));
    s.set(Setting::CompilerZXB2, std::string("/b/zxbc"));
    EXPECT_EQ(selectedCompiler(s), "/a/zxbc");
    s.set(Setting::Used_Compiler, 1);
    EXPECT_EQ(selectedCompiler(s), "/b/zxbc");
    EXPECT_FALSE(compilerPresent(""));
    EXPECT_FALSE(compilerPresent("/no/such/compiler"));
    EXPECT_FALSE(compilerPresent("/tmp")) << "a folder is not a compiler";
    EXPECT_TRUE(compilerPresent(QUILLO_TEST_DIR "/fake_zxbc.py"));
}

TEST(FreeMemory, SubtractsCodeAndHeapAndAddsTheOverhead) {
    EXPECT_EQ(freeBytes(24576, 1000, 4768, 0), 65535 - (24576 + 1000 + 4768));
    EXPECT_EQ(freeBytes(24576, 1000, 4768, 1), 65535 - (24576 + 1000 + 4768 - 94));
    EXPECT_EQ(freeBytes(24576, 1000, 4768, 2), 65535 - (24576 + 1000 + 4768 - 116));
    EXPECT_EQ(freeBytes(24576, 1000, 4768, 3), 65535 - (24576 + 1000 + 4768 + 1));
    EXPECT_EQ(freeBytes(24576, -1, 4768, 1), 65535 - (24576 - 1 + 4768 - 94)) << "a missing file counts as -1";
}

}  // namespace
}  // namespace quillo
