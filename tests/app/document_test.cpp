#include "app/document.h"

#include <gtest/gtest.h>

using namespace quillo;

TEST(DocumentNames, NameIsTheFileNameWithoutItsLastExtension) {
    EXPECT_EQ(documentName("/src/game.bas"), "game");
    EXPECT_EQ(documentName("/src/my.game.bas"), "my.game");
    EXPECT_EQ(documentName("/src/my.game.qlo"), "my.game");
    EXPECT_EQ(documentName("/src/README"), "README");
    EXPECT_EQ(documentName("/src/.hidden"), ".hidden");
    EXPECT_EQ(documentName("/src.d/noext"), "noext");
    EXPECT_EQ(folderOf("/src.d/noext"), "/src.d/");
    EXPECT_EQ(folderOf("plain.bas"), "");
}

TEST(DocumentNames, TwoSourcesThatDifferAfterTheFirstDotSaveToDifferentFiles) {
    Document a, b;
    a.folder = b.folder = "/src/";
    a.name = documentName("/src/level.one.bas");
    b.name = documentName("/src/level.two.bas");
    EXPECT_NE(savePath(a, "qlo"), savePath(b, "qlo"));
    EXPECT_EQ(savePath(a, "qlo"), "/src/level.one.qlo");
}

TEST(SuffixRule, TheConfiguredSuffixIsAppendedUnlessTheExtensionIsExactlyIt) {
    EXPECT_EQ(sourceFileName("/src/game.qlo", "qlo"), "/src/game.qlo");
    EXPECT_EQ(sourceFileName("/src/game.bas", "qlo"), "/src/game.bas.qlo");
    EXPECT_EQ(sourceFileName("/src/game.QLO", "qlo"), "/src/game.QLO.qlo") << "the comparison minds case";
    EXPECT_EQ(sourceFileName("/src/game", "qlo"), "/src/game.qlo");
    EXPECT_EQ(sourceFileName("/src.qlo/game", "qlo"), "/src.qlo/game.qlo");
    EXPECT_EQ(sourceFileName("/src/game.bas", "bas"), "/src/game.bas");
}

TEST(NewDocuments, StartUpAndNewDocumentsHaveTheirOwnDefaults) {
    const Document first = firstDocument();
    EXPECT_EQ(first.name, "new");
    EXPECT_FALSE(first.isSaved());
    EXPECT_EQ(first.outputFile, "output") << "beside the source once it is saved";
    EXPECT_EQ(first.prgStart, 24200);
    EXPECT_EQ(first.heapsize, 4768);
    EXPECT_EQ(first.outputType, 1);
    EXPECT_EQ(first.inclLdr, 1);
    EXPECT_EQ(first.ldrAutostart, 1);
    EXPECT_EQ(first.optimisation, 0);

    const Document added = newDocument();
    EXPECT_EQ(added.name, "new");
    EXPECT_EQ(added.outputFile, "output");
    EXPECT_EQ(added.prgStart, 24576);
    EXPECT_EQ(added.heapsize, 4768);
    EXPECT_EQ(added.freeMemory, 41536);
}

TEST(OutputFile, RelativeOutputLiesBesideTheSourceNeverInTheWorkingFolder) {
    Document doc;
    doc.outputFile = "output";
    EXPECT_EQ(outputFilePath(doc, "/opt/quillo/"), "/opt/quillo/output");
    doc.folder = "/home/ann/game/";
    EXPECT_EQ(outputFilePath(doc, "/opt/quillo/"), "/home/ann/game/output");
    doc.outputFile = "build/game";
    EXPECT_EQ(outputFilePath(doc, "/opt/quillo/"), "/home/ann/game/build/game");
    doc.outputFile = "/tmp/out";
    EXPECT_EQ(outputFilePath(doc, "/opt/quillo/"), "/tmp/out");
}
