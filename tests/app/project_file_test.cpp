#include "app/project_file.h"

#include "common/file_io.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

namespace quillo {
namespace {

std::string golden(const char* name) {
    const Result<Bytes> file = readFile(std::string(QUILLO_TEST_DATA) + "/" + name);
    EXPECT_TRUE(file.ok()) << name;
    return file ? std::string(file->begin(), file->end()) : std::string();
}

// Every stored option away from both its read default and the New default.
Document everyOptionSet() {
    Document doc;
    doc.name = "game";
    doc.folder = "/home/zx/games/";
    doc.mainPrgName = "This File";
    doc.outputFile = "/home/zx/games/out/game";
    doc.prgStart = 32768;
    doc.optimisation = 2;
    doc.inclLdr = 0;
    doc.ldrAutostart = 0;
    doc.strictBool = 1;
    doc.arrayCheck = 1;
    doc.memoryCheck = 1;
    doc.heapsize = 2048;
    doc.outputType = 2;
    doc.debug = 1;
    doc.backend = 1;
    doc.specialLib = 1;
    doc.arrayBase = 1;
    doc.stringBase = 7;
    doc.enableBreak = 1;
    doc.displayMap = 1;
    doc.author = "Jo Bloggs";
    doc.target = 0;
    doc.memory = 1;
    doc.extLevels = 255;
    doc.caretPos = 99;  // the editor's caret is what gets written
    doc.usedEmulator = 4;
    doc.explicit_ = 1;
    doc.compression = 1;
    return doc;
}

ProjectEditorState editorState() {
    ProjectEditorState editor;
    editor.caretPos = 1234;
    editor.scrollBarWidth = 2000;
    editor.closedFolds = {26, 3};
    editor.bookmarks = {0, 4095, 123456};
    return editor;
}

// Compares every field the project file stores.
void expectSameOptions(const Document& a, const Document& b) {
    EXPECT_EQ(a.mainPrgName, b.mainPrgName);
    EXPECT_EQ(a.outputFile, b.outputFile);
    EXPECT_EQ(a.prgStart, b.prgStart);
    EXPECT_EQ(a.optimisation, b.optimisation);
    EXPECT_EQ(a.inclLdr, b.inclLdr);
    EXPECT_EQ(a.ldrAutostart, b.ldrAutostart);
    EXPECT_EQ(a.strictBool, b.strictBool);
    EXPECT_EQ(a.arrayCheck, b.arrayCheck);
    EXPECT_EQ(a.memoryCheck, b.memoryCheck);
    EXPECT_EQ(a.heapsize, b.heapsize);
    EXPECT_EQ(a.outputType, b.outputType);
    EXPECT_EQ(a.debug, b.debug);
    EXPECT_EQ(a.backend, b.backend);
    EXPECT_EQ(a.specialLib, b.specialLib);
    EXPECT_EQ(a.arrayBase, b.arrayBase);
    EXPECT_EQ(a.stringBase, b.stringBase);
    EXPECT_EQ(a.enableBreak, b.enableBreak);
    EXPECT_EQ(a.displayMap, b.displayMap);
    EXPECT_EQ(a.author, b.author);
    EXPECT_EQ(a.target, b.target);
    EXPECT_EQ(a.memory, b.memory);
    EXPECT_EQ(a.extLevels, b.extLevels);
    EXPECT_EQ(a.usedEmulator, b.usedEmulator);
    EXPECT_EQ(a.explicit_, b.explicit_);
    EXPECT_EQ(a.compression, b.compression);
}

void expectReadDefaults(const Document& doc, const ProjectEditorState& editor) {
    EXPECT_EQ(doc.mainPrgName, "");
    EXPECT_EQ(doc.outputFile, "output");
    EXPECT_EQ(doc.prgStart, 24576);
    EXPECT_EQ(doc.heapsize, 1000);
    EXPECT_EQ(doc.outputType, 1);
    EXPECT_EQ(doc.inclLdr, 1);
    EXPECT_EQ(doc.ldrAutostart, 1);
    EXPECT_EQ(doc.author, "Unknown");
    EXPECT_EQ(doc.optimisation, 0);
    EXPECT_EQ(doc.usedEmulator, 0);
    EXPECT_EQ(doc.extLevels, 0);
    EXPECT_EQ(doc.caretPos, 0);
    EXPECT_EQ(editor.scrollBarWidth, 4096);
    EXPECT_TRUE(editor.closedFolds.empty());
    EXPECT_TRUE(editor.bookmarks.empty());
}

TEST(ProjectFile, WritesTheExactLayoutWithEveryOption) {
    EXPECT_EQ(projectFileBytes(everyOptionSet(), editorState()), golden("project_file_all_options.cfg"));
}

TEST(ProjectFile, EmptyFoldAndBookmarkListsEndTheLineAfterTheBlank) {
    Document doc;
    parseProjectFile("", doc);
    EXPECT_EQ(projectFileBytes(doc, ProjectEditorState{}), golden("project_file_read_defaults.cfg"));
}

TEST(ProjectFile, EveryOptionSurvivesAWriteAndARead) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quillo_project_file_test";
    std::filesystem::create_directories(dir);
    const std::string cfg = projectFilePath((dir / "game.qlo").string());
    EXPECT_EQ(cfg, (dir / "game.qlo.cfg").string());
    ASSERT_TRUE(writeProjectFile(cfg, everyOptionSet(), editorState()).ok());

    Document read;
    read.name = "kept";
    read.compileFinal = 1;
    read.freeMemory = 777;
    const ProjectEditorState editor = *readProjectFile(cfg, read);
    Document expected = everyOptionSet();
    expectSameOptions(read, expected);
    EXPECT_EQ(read.caretPos, 1234);
    EXPECT_EQ(editor.caretPos, 1234);
    EXPECT_EQ(editor.scrollBarWidth, 2000);
    EXPECT_EQ(editor.closedFolds, (std::vector<std::int32_t>{3, 26}));
    EXPECT_EQ(editor.bookmarks, (std::vector<std::int32_t>{0, 4095, 123456}));
    EXPECT_EQ(read.name, "kept") << "the record's own fields are not in the file";
    EXPECT_EQ(read.compileFinal, 1);
    EXPECT_EQ(read.freeMemory, 777);
    std::filesystem::remove_all(dir);
}

TEST(ProjectFile, MissingFileGivesTheReadDefaultsNotTheNewDocumentOnes) {
    Document doc = newDocument();
    const ProjectEditorState editor = *readProjectFile("/nonexistent/folder/game.qlo.cfg", doc);
    expectReadDefaults(doc, editor);
}

TEST(ProjectFile, AnUnreadableFileIsAnErrorNotDefaults) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quillo_project_unreadable";
    std::filesystem::create_directories(dir);
    const std::string big = (dir / "big.qlo.cfg").string();
    ASSERT_TRUE(writeFileAtomic(big, "[Configuration]\r\n" + std::string(kMaxProjectFileSize, ';')).ok());
    Document doc;
    const Result<ProjectEditorState> tooLarge = readProjectFile(big, doc);
    ASSERT_FALSE(tooLarge.ok());
    EXPECT_EQ(tooLarge.error().code, ErrorCode::TooLarge);
    EXPECT_EQ(tooLarge.error().message().find(big + ": is "), 0u) << tooLarge.error().message();

    const std::string fifo = (dir / "pipe.qlo.cfg").string();
    ::mkfifo(fifo.c_str(), 0600);
    EXPECT_FALSE(readProjectFile(fifo, doc).ok()) << "and it returns rather than waiting for a writer";
    std::filesystem::remove_all(dir);
}

TEST(ProjectFile, MissingGroupsAndKeysTakeTheirDefaults) {
    Document doc = everyOptionSet();
    const ProjectEditorState editor = parseProjectFile(
        "[Configuration]\r\nHeapsize = 3000\r\n[Somethingelse]\r\nPrgStart = 1\r\n", doc);
    EXPECT_EQ(doc.heapsize, 3000);
    doc.heapsize = 1000;
    expectReadDefaults(doc, editor);
}

TEST(ProjectFile, GarbageLinesAndNonNumbersReadSafely) {
    Document doc;
    const ProjectEditorState editor = parseProjectFile(
        "garbage before any group\r\n"
        "[configuration]\r\n"
        "this line has no equals sign\r\n"
        "PRGSTART = 40000\r\n"
        "Heapsize = lots\r\n"
        "OutputType = 3\r\n"
        "UsedEmulator = 3 please\r\n"
        "ScrollBarWidth = wide\r\n"
        "ExtLevels = 70000\r\n"
        "[Foldings\r\n"
        "[FOLDINGS]\r\n"
        "ClosedFolds = 0000000a00000014zzzzzzzz0000001E123\r\n"
        "[Bookmarks]\r\n"
        "Bookmarks = 8000000000000007\r\n",
        doc);
    EXPECT_EQ(doc.prgStart, 40000) << "keys are matched without regard to case";
    EXPECT_EQ(doc.heapsize, 0) << "a value that is not a number reads as 0";
    EXPECT_EQ(doc.outputType, 3);
    EXPECT_EQ(doc.usedEmulator, 3);
    EXPECT_EQ(editor.scrollBarWidth, 1) << "clamped to the smallest width";
    EXPECT_EQ(doc.extLevels, 255) << "clamped to its range";
    EXPECT_EQ(editor.closedFolds, (std::vector<std::int32_t>{10, 20, 30}))
        << "lower case reads, a garbage entry and the short tail are skipped";
    EXPECT_EQ(editor.bookmarks, (std::vector<std::int32_t>{7})) << "entries beyond the line range are skipped";
    EXPECT_EQ(doc.author, "Unknown");
}

TEST(ProjectFile, LineBreaksInTextValuesCannotForgeKeys) {
    Document doc = everyOptionSet();
    doc.author = "Evil\r\nPrgStart = 1";
    doc.outputFile = "out\nput";
    const std::string bytes = projectFileBytes(doc, ProjectEditorState{});
    Document read;
    parseProjectFile(bytes, read);
    EXPECT_EQ(read.prgStart, 32768);
    EXPECT_EQ(read.author, "Evil  PrgStart = 1");
    EXPECT_EQ(read.outputFile, "out put");
}

TEST(LineList, EncodesAscendingUpperCaseEightDigitEntries) {
    EXPECT_EQ(encodeLineList({}), "");
    EXPECT_EQ(encodeLineList({26, 3}), "000000030000001A");
    EXPECT_EQ(encodeLineList({3, 3, -1, 0x7FFFFFFF}), "000000037FFFFFFF") << "duplicates and negatives dropped";
    EXPECT_EQ(decodeLineList("000000030000001A"), (std::vector<std::int32_t>{3, 26}));
    EXPECT_EQ(decodeLineList("0000000"), std::vector<std::int32_t>{});
    EXPECT_EQ(decodeLineList("0000000G00000001"), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(decodeLineList("-0000001+0000001"), std::vector<std::int32_t>{}) << "signs are not hex digits";
}

TEST(ProjectFile, OutOfRangeValuesAreClampedAndNamed) {
    Document doc;
    std::vector<std::string> problems;
    parseProjectFile("[Configuration]\r\nHeapsize = -2147483648\r\nPrgStart = 99999999999999999999\r\n"
                     "ArrayBase = 1000\r\nOutputType = 7\r\nUsedEmulator = 4\r\nInclLdr = 2\r\n"
                     "ScrollBarWidth = 0\r\n",
                     doc, &problems);
    EXPECT_EQ(doc.heapsize, 0);
    EXPECT_EQ(doc.prgStart, 65535) << "a long number saturates rather than wrapping into range";
    EXPECT_EQ(doc.arrayBase, 999);
    EXPECT_EQ(doc.outputType, 3);
    EXPECT_EQ(doc.usedEmulator, 4);
    EXPECT_EQ(doc.inclLdr, 1);
    ASSERT_EQ(problems.size(), 6u);
    EXPECT_EQ(problems[0], "PrgStart = 99999999999999999999 is outside 0..65535; 65535 is used");
    EXPECT_EQ(problems[2], "Heapsize = -2147483648 is outside 0..65535; 0 is used");
    EXPECT_EQ(problems[5], "ScrollBarWidth = 0 is outside 1..2147483647; 1 is used");
}

}  // namespace
}  // namespace quillo
