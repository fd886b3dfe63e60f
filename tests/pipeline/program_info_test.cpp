#include "pipeline/program_info.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(ProgramInfo, OneItemPerDocumentOnlyTheCurrentGreen) {
    Document first = newDocument();
    first.outputFile = "one";
    first.folder = "/a/";
    Document second = newDocument();
    second.outputFile = "two";
    second.folder = "/b/";
    const auto items = programInfo({{&first, 1}, {&second, 2}}, 1);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, "one");
    EXPECT_FALSE(items[0].green);
    EXPECT_EQ(items[1].text, "two");
    EXPECT_TRUE(items[1].green);
    EXPECT_EQ(items[1].children[0].children[1].text, "Directory: /b/");
    EXPECT_TRUE(items[1].children[0].children[1].green);
    EXPECT_FALSE(items[0].children[0].children[1].green);
    EXPECT_EQ(items[1].children[1].children[0].text, "SciPtr: 2");
}

TEST(ProgramInfo, EveryLabelOfANewDocument) {
    Document doc = newDocument();
    doc.interrupts.tableAddress = 65024;
    doc.interrupts.vectorValue = 253;
    const auto items = programInfo({{&doc, 7}}, 0);
    std::vector<std::string> texts;
    for (const InfoItem& group : items[0].children) {
        texts.push_back(group.text);
        for (const InfoItem& item : group.children) texts.push_back(item.text);
    }
    const std::vector<std::string> expected = {
        "Files: ", "InputDir: ", "Directory: ", "Filename: new", "Mainprg: ", "Include Ldr: 1",
        "Ldr Autostart: 1", "Pointer: ", "SciPtr: 7", "Data: ", "StartAdr: 24576", "HeapSize: 4768",
        "Optimisation: 0", "Debug: 0", "ArrayBase: 0", "StringBase: 0", "EnableBreak: 0", "EmitBackend: 0",
        "StrictBool: 0", "ArrayCheck: 0", "MemCheck: 0", "DisplayMemMap: 0", "Interrupts: ", "Will be used: 0",
        "IntOn: 0", "IntOff: 0", "IntTableAdress: 65024", "IntVectorJump: 253", "Interrupt Call: 0"};
    EXPECT_EQ(texts, expected);
}

}  // namespace
}  // namespace quillo
