#include "pipeline/basic_loader.h"
#include "pipeline/tape_writer.h"
#include "pipeline/tape_layout.h"

#include "common/byte_reader.h"
#include "common/file_io.h"
#include "tape_test_support.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <limits>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <span>
#include <sstream>

namespace quillo {
namespace {

using test::TempFolder;

constexpr std::int32_t kStart = 32768;
constexpr std::size_t kCodeSize = 100;

std::string pattern(std::size_t size, int seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + static_cast<std::size_t>(seed)) & 0xFF);
    return bytes;
}

// ---- An independent reading of the tape: blocks, checksums, headers. ----

struct Block {
    std::uint8_t flag = 0;
    std::string body;
    std::uint8_t checksum = 0;
    bool checksumOk() const {
        std::uint8_t x = flag;
        for (const char c : body) x ^= static_cast<std::uint8_t>(c);
        return x == checksum;
    }
    // Header fields.
    int type() const { return static_cast<std::uint8_t>(body[0]); }
    std::string name() const { return body.substr(1, 10); }
    int word(std::size_t at) const {
        return static_cast<std::uint8_t>(body[at]) | static_cast<std::uint8_t>(body[at + 1]) << 8;
    }
    int dataLength() const { return word(11); }
    int parameter1() const { return word(13); }
    int parameter2() const { return word(15); }
};

std::vector<Block> readBlocks(const std::string& tape, bool tzx) {
    ByteReader r({reinterpret_cast<const std::uint8_t*>(tape.data()), tape.size()});
    std::vector<Block> blocks;
    if (tzx) {
        EXPECT_EQ(r.text(10), std::string("ZXTape!\x1A\x01\x00", 10));
    }
    while (r.remaining() > 0) {
        if (tzx) {
            EXPECT_EQ(r.u8(), 0x10);
            EXPECT_EQ(r.u16le(), 1000);
        }
        const auto length = r.u16le();
        if (!length || *length < 2) {
            ADD_FAILURE() << "broken block length";
            break;
        }
        Block b;
        b.flag = r.u8().value_or(0);
        b.body = r.text(*length - 2u).value_or("");
        b.checksum = r.u8().value_or(0);
        blocks.push_back(b);
    }
    return blocks;
}

// ---- The external tools of fuse-emulator-utils. ----

struct ToolRun {
    int status = -1;
    std::string output;
};

ToolRun runTool(const std::string& tool, const std::string& file) {
    ToolRun run;
    const std::string command = tool + " '" + file + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) run.output.append(buffer, n);
    const int raw = pclose(pipe.release());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

// Fails (never skips) when the tool is missing: the test command installs it.
void requireTool(const char* tool) {
    const std::string which = std::string("command -v ") + tool + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(which.c_str()), 0)
        << tool << " is missing: install the Debian package fuse-emulator-utils";
}

// ---- The builds the golden tapes show. ----

struct TapeCase {
    const char* golden;
    std::uint8_t outputType;
    std::uint8_t inclLdr;
    std::uint8_t autostart;
    std::vector<BinaryRecord> binaries;  // file names relative to the temp folder
};

TapeCase tapeCase(const char* golden, std::uint8_t outputType = 1, std::uint8_t inclLdr = 1,
                  std::uint8_t autostart = 1, std::vector<BinaryRecord> binaries = {}) {
    return {golden, outputType, inclLdr, autostart, std::move(binaries)};
}

BinaryRecord record(std::string file, std::int32_t start, std::int32_t size, std::uint8_t bank,
                    std::uint64_t type = 11) {
    return {std::move(file), start, size, bank, "", 0, type};
}

struct Built {
    std::string tape;
    PlacedBuild placed;
    Document doc;
};

Document projectFor(const TapeCase& c, const TempFolder& dir) {
    Document d;
    d.name = "game";
    d.folder = dir.file("");
    d.outputFile = dir.file("game");
    d.prgStart = kStart;
    d.heapsize = 4768;
    d.outputType = c.outputType;
    d.inclLdr = c.inclLdr;
    d.ldrAutostart = c.autostart;
    d.author = "Tester";
    return d;
}

Built build(const TapeCase& c, const TempFolder& dir, MemoryImage& image, RegionMap& map) {
    dir.write("game.bin", pattern(kCodeSize, 1));
    BinaryList list = c.binaries;
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i].file = dir.write(list[i].file, pattern(static_cast<std::size_t>(list[i].size), 10 + static_cast<int>(i)));
    Built b;
    b.doc = projectFor(c, dir);
    map.clear();
    map.registerFixedRegions();
    const TapeOutcome outcome = writeTape(b.doc, buildPaths(b.doc, "bas"), list, image, map);
    EXPECT_TRUE(outcome.written) << c.golden;
    EXPECT_TRUE(outcome.placed.messages.empty()) << c.golden;
    const Result<Bytes> read = readFile(outcome.tapePath);
    if (read) b.tape.assign(reinterpret_cast<const char*>(read->data()), read->size());
    b.placed = outcome.placed;
    return b;
}

std::string goldenPath(const char* name) { return std::string(QUILLO_TEST_DATA) + "/" + name; }

void compareWithGolden(const TapeCase& c, const std::string& tape) {
    const std::string path = goldenPath(c.golden);
    if (std::getenv("QUILLO_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << tape;
    const Result<Bytes> golden = readFile(path);
    ASSERT_TRUE(golden.ok()) << path;
    EXPECT_EQ(tape, std::string(golden->begin(), golden->end())) << c.golden;
}

const BinaryRecord kBank1 = record("bank1.bin", 49152, 256, 1, 13);
const BinaryRecord kAbove = record("above.bin", 60000, 100, 0, 8);
const BinaryRecord kBelow = record("below.bin", 30000, 200, 0, 11);

class Tapes : public ::testing::Test {
protected:
    TempFolder dir;
    std::unique_ptr<MemoryImage> image = std::make_unique<MemoryImage>();
    std::unique_ptr<RegionMap> map = std::make_unique<RegionMap>();
};

TEST_F(Tapes, NoBinariesLoaderAndMainOnly) {
    for (const TapeCase& c : {tapeCase("tape_no_binaries.tap", 1), tapeCase("tape_no_binaries.tzx", 2)}) {
        const Built b = build(c, dir, *image, *map);
        compareWithGolden(c, b.tape);
        const std::vector<Block> blocks = readBlocks(b.tape, c.outputType == 2);
        ASSERT_EQ(blocks.size(), 4u);
        for (const Block& block : blocks) EXPECT_TRUE(block.checksumOk());
        EXPECT_EQ(blocks[0].flag, 0x00);
        EXPECT_EQ(blocks[0].body.size(), 17u);
        EXPECT_EQ(blocks[0].type(), 0);
        EXPECT_EQ(blocks[0].name(), "Loader    ");
        EXPECT_EQ(blocks[0].parameter1(), 10);
        EXPECT_EQ(blocks[0].dataLength(), static_cast<int>(b.placed.loader.size()));
        EXPECT_EQ(blocks[0].parameter2(), static_cast<int>(b.placed.loader.size()));
        EXPECT_EQ(blocks[1].flag, 0xFF);
        EXPECT_EQ(blocks[1].body, basicLoader(kStart, "Tester", 0));
        EXPECT_EQ(blocks[2].type(), 3);
        EXPECT_EQ(blocks[2].name(), "Main      ");
        EXPECT_EQ(blocks[2].parameter1(), kStart);
        EXPECT_EQ(blocks[2].parameter2(), 32768);
        EXPECT_EQ(blocks[2].dataLength(), static_cast<int>(kCodeSize));
        EXPECT_EQ(blocks[3].body, pattern(kCodeSize, 1)) << "exactly the compiled code";
    }
}

TEST_F(Tapes, LoaderOffLeavesOnlyTheCode) {
    const TapeCase c = tapeCase("tape_loader_off.tap", 1, 0);
    const Built b = build(c, dir, *image, *map);
    compareWithGolden(c, b.tape);
    const std::vector<Block> blocks = readBlocks(b.tape, false);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].name(), "Main      ");
    EXPECT_FALSE(b.placed.loader.empty()) << "the loader is still built";
}

TEST_F(Tapes, AutostartOffGives32768) {
    const TapeCase c = tapeCase("tape_autostart_off.tap", 1, 1, 0);
    const Built b = build(c, dir, *image, *map);
    compareWithGolden(c, b.tape);
    const std::vector<Block> blocks = readBlocks(b.tape, false);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[0].parameter1(), 32768);
}

TEST_F(Tapes, OneBank1Binary) {
    const TapeCase c = tapeCase("tape_bank1_binary.tap", 1, 1, 1, {kBank1});
    const Built b = build(c, dir, *image, *map);
    compareWithGolden(c, b.tape);
    const std::vector<Block> blocks = readBlocks(b.tape, false);
    ASSERT_EQ(blocks.size(), 6u);
    EXPECT_EQ(blocks[1].body, basicLoader(kStart, "Tester", 1u << 1));
    EXPECT_EQ(blocks[2].name(), "Bank 17   ");
    EXPECT_EQ(blocks[2].parameter1(), 49152);
    EXPECT_EQ(blocks[2].dataLength(), 256);
    EXPECT_EQ(blocks[3].body, pattern(256, 10));
    EXPECT_EQ(blocks[4].name(), "Main      ");
    EXPECT_EQ(blocks[4].dataLength(), static_cast<int>(kCodeSize)) << "a bank binary leaves Main alone";
}

TEST_F(Tapes, MainBinariesAboveAndBelowWidenTheMainBlock) {
    const TapeCase c = tapeCase("tape_main_binaries.tap", 1, 1, 1, {kAbove, kBelow});
    const Built b = build(c, dir, *image, *map);
    compareWithGolden(c, b.tape);
    const std::vector<Block> blocks = readBlocks(b.tape, false);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[2].parameter1(), 30000);
    EXPECT_EQ(blocks[2].dataLength(), 60100 - 30000);
    const std::string& main = blocks[3].body;
    EXPECT_EQ(main.substr(0, 200), pattern(200, 11));
    EXPECT_EQ(main.substr(200, kStart - 30200), std::string(kStart - 30200, '\0')) << "the gap is zero";
    EXPECT_EQ(main.substr(kStart - 30000, kCodeSize), pattern(kCodeSize, 1));
    EXPECT_EQ(main.substr(60000 - 30000), pattern(100, 10));
}

TEST_F(Tapes, ARemovedBinaryLeavesNoStaleBytes) {
    const BinaryRecord middle = record("middle.bin", 45000, 50, 0);
    build(tapeCase("unused", 1, 1, 1, {kAbove, kBelow, middle}), dir, *image, *map);
    const Built again = build(tapeCase("unused", 1, 1, 1, {kAbove, kBelow}), dir, *image, *map);
    const std::vector<Block> blocks = readBlocks(again.tape, false);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[3].body.substr(45000 - 30000, 50), std::string(50, '\0'));
}

TEST_F(Tapes, RegionsOfCodeHeapAndBinaries) {
    build(tapeCase("unused", 1, 1, 1, {kAbove, kBank1}), dir, *image, *map);
    EXPECT_EQ(map->at(kStart), RegionType::Compilat);
    EXPECT_EQ(map->at(kStart + kCodeSize - 1), RegionType::Compilat);
    EXPECT_EQ(map->at(kStart + kCodeSize), RegionType::Free);
    EXPECT_EQ(map->at(65535 - 4768), RegionType::Heap);
    EXPECT_EQ(map->at(60000), RegionType::Graphics);
    EXPECT_EQ(map->at(49152 + 0x4000), RegionType::Music);
}

TEST_F(Tapes, BinAndAsmPlaceButWriteNoTape) {
    for (const std::uint8_t type : {std::uint8_t{0}, std::uint8_t{3}}) {
        const TapeCase c = tapeCase("unused", type);
        Document d = projectFor(c, dir);
        dir.write(type == 0 ? "game.bin" : "game.asm", pattern(kCodeSize, 1));
        map->clear();
        const TapeOutcome outcome = writeTape(d, buildPaths(d, "bas"), {}, *image, *map);
        EXPECT_TRUE(outcome.placed.placed);
        EXPECT_TRUE(outcome.tapePath.empty());
        EXPECT_FALSE(outcome.written);
        EXPECT_EQ(map->at(kStart), RegionType::Compilat);
    }
}

TEST_F(Tapes, MissingOrOversizedCodeStopsEverything) {
    Document d = projectFor(tapeCase("unused"), dir);
    TapeOutcome outcome = writeTape(d, buildPaths(d, "bas"), {}, *image, *map);
    EXPECT_FALSE(outcome.placed.placed);
    EXPECT_FALSE(outcome.written);
    EXPECT_FALSE(fileExists(dir.file("game.tap")));

    dir.write("game.bin", pattern(2000, 1));
    d.prgStart = 65000;
    map->clear();
    outcome = writeTape(d, buildPaths(d, "bas"), {}, *image, *map);
    EXPECT_FALSE(outcome.placed.placed) << "code past 65535 would run into the bank area";
    ASSERT_EQ(outcome.placed.log.size(), 1u);
    EXPECT_EQ(map->at(65000), RegionType::Free);
}

TEST_F(Tapes, AMainBlockTooLongForATapeFailsTheBuild) {
    Document d = projectFor(tapeCase("unused"), dir);
    d.prgStart = 24000;
    dir.write("game.bin", pattern(100, 1));
    // A binary at the top of memory widens "Main" to 41,536 bytes: fine.
    TapeOutcome outcome = writeTape(d, buildPaths(d, "bas"), {record("x", 65000, 536, 0)}, *image, *map);
    EXPECT_TRUE(outcome.written);
    // From 1 to the top it would need 65,535 bytes of block data.
    map->clear();
    outcome = writeTape(d, buildPaths(d, "bas"), {record("x", 1, 10, 0), record("y", 65000, 536, 0)}, *image, *map);
    EXPECT_FALSE(outcome.written);
    ASSERT_FALSE(outcome.placed.log.empty());
    EXPECT_EQ(outcome.placed.log.back(), "FAIL: the Main block from 1 to 65535 is 65535 bytes long, more than the "
                                         "65533 bytes a tape block can hold; no tape written");
}

TEST_F(Tapes, AHeapSizeOutsideMemoryIsRefusedNotWrapped) {
    Document d = projectFor(tapeCase("unused"), dir);
    dir.write("game.bin", pattern(100, 1));
    for (const std::int32_t heap : {std::numeric_limits<std::int32_t>::min(), -1, 65536 + 10}) {
        d.heapsize = heap;
        map->clear();
        const TapeOutcome outcome = writeTape(d, buildPaths(d, "bas"), {}, *image, *map);
        EXPECT_TRUE(outcome.placed.placed) << heap;
        EXPECT_EQ(outcome.placed.messages.size(), 1u) << "one region warning for " << heap;
    }
}

TEST(MainBlockRange, WideningRules) {
    EXPECT_EQ(mainBlockRange(32768, 32868, {}), (AddressRange{32768, 32868}));
    EXPECT_EQ(mainBlockRange(32768, 32868, {record("x", 49152, 256, 1)}), (AddressRange{32768, 32868}))
        << "bank records do not count";
    EXPECT_EQ(mainBlockRange(32768, 32868, {record("x", 65000, 536, 0)}), (AddressRange{32768, 65536}))
        << "a binary ending at the top of memory stays in the block";
    EXPECT_EQ(mainBlockRange(20000, 20100, {record("x", 21000, 10, 0)}), (AddressRange{20000, 24000}))
        << "the high end starts at 24000 as in the bank range";
    EXPECT_EQ(mainBlockRange(0, 10, {record("x", 0, 65536, 0)}).end, 65536) << "never cut to fit a tape block";
    EXPECT_EQ(bankBlockRange({record("x", 0xC100, 0x100, 2), record("y", 0xD000, 0x10, 2)}, 2),
              (AddressRange{0xC100, 0xD010}));
    EXPECT_EQ(bankBlockRange({record("x", 0x8000, 0x100, 2)}, 2).start, 0xC000) << "kept inside the bank window";
}

TEST(TapeWriter, HeaderChecksumIsTheXorOfNameLengthsAndParameters) {
    TapeWriter tap(TapeFormat::Tap);
    const std::string data = "ab";
    tap.programBlock("Loader", 10, 2, {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
    const std::string& bytes = tap.bytes();
    EXPECT_EQ(bytes.substr(0, 4), test::hexBytes("13 00 00 00"));
    std::uint8_t x = 0;
    for (std::size_t i = 4; i < 4 + 16; ++i) x ^= static_cast<std::uint8_t>(bytes[i]);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[20]), x);
    EXPECT_EQ(bytes.substr(21), test::hexBytes("04 00 FF 61 62") + static_cast<char>(0xFF ^ 0x61 ^ 0x62));

    TapeWriter tzx(TapeFormat::Tzx);
    tzx.codeBlock("X", 0, HeaderBlock::Without, 3, 0x42, {});
    EXPECT_EQ(tzx.bytes(), std::string("ZXTape!\x1A\x01\x00", 10) + test::hexBytes("10 E8 03 02 00 42 42"))
        << "a headerless block with its own flag";
}

// ---- The independent tools' view of the golden tapes. ----

struct Expected {
    const char* golden;
    std::vector<std::string> lines;  // each must appear in the tzxlist output
    int blocks;
};

TEST(GoldenTapes, TzxlistReadsEveryBlockWithPassingChecksums) {
    requireTool("tzxlist");
    const std::vector<Expected> expected = {
        {"tape_no_binaries.tap",
         {"Program: \"Loader    \" LINE 10", "Bytes: \"Main      \" CODE  32768, 100"}, 4},
        {"tape_no_binaries.tzx",
         {"Block type 0x10 (Standard Speed Data)", "Pause length: 1000 ms", "Program: \"Loader    \" LINE 10",
          "Bytes: \"Main      \" CODE  32768, 100"}, 4},
        {"tape_loader_off.tap", {"Bytes: \"Main      \" CODE  32768, 100"}, 2},
        {"tape_autostart_off.tap", {"Program: \"Loader    \"\n", "parameter1: 32768"}, 4},
        {"tape_bank1_binary.tap",
         {"Bytes: \"Bank 17   \" CODE  49152, 256", "Datablock length: 256", "Bytes: \"Main      \" CODE  32768, 100"}, 6},
        {"tape_main_binaries.tap", {"Bytes: \"Main      \" CODE  30000, 30100", "Datablock length: 30100"}, 4},
    };
    for (const Expected& e : expected) {
        const ToolRun run = runTool("tzxlist", goldenPath(e.golden));
        EXPECT_EQ(run.status, 0) << e.golden << "\n" << run.output;
        EXPECT_EQ(run.output.find("FAIL"), std::string::npos) << e.golden << "\n" << run.output;
        EXPECT_EQ(run.output.find("error"), std::string::npos) << e.golden << "\n" << run.output;
        std::size_t passes = 0;
        for (std::size_t at = run.output.find("(PASS)"); at != std::string::npos; at = run.output.find("(PASS)", at + 1))
            ++passes;
        EXPECT_EQ(passes, static_cast<std::size_t>(e.blocks)) << e.golden << "\n" << run.output;
        for (const std::string& line : e.lines)
            EXPECT_NE(run.output.find(line), std::string::npos) << e.golden << ": " << line << "\n" << run.output;
    }
}

TEST(GoldenTapes, ListbasicShowsTheLoaderWithItsKeywords) {
    requireTool("listbasic");
    const ToolRun plain = runTool("listbasic", goldenPath("tape_no_binaries.tzx"));
    EXPECT_EQ(plain.status, 0) << plain.output;
    for (const std::string line :
         {"10 REM Project created by: Tester",
          "20 BORDER NOT PI: PAPER NOT PI: INK VAL \"7\": CLEAR VAL \"32767\": PRINT #NOT PI;AT SGN PI,NOT PI; "
          "BRIGHT SGN PI; PAPER SGN PI; INK VAL \"7\";\"> Coded using Quillo and ZXBC  <\": "
          "POKE VAL \"23739\",VAL \"111\"",
          "30 LOAD \"\"CODE", "40 RANDOMIZE USR VAL \"32768\""})
        EXPECT_NE(plain.output.find(line), std::string::npos) << line << "\n" << plain.output;

    const ToolRun banked = runTool("listbasic", goldenPath("tape_bank1_binary.tap"));
    EXPECT_EQ(banked.status, 0) << banked.output;
    for (const std::string line :
         {"30 POKE VAL \"23388\",VAL \"17\": OUT VAL \"32765\",VAL \"17\": LOAD \"\"CODE",
          "40 POKE VAL \"23388\",VAL \"16\": OUT VAL \"32765\",VAL \"16\"", "50 LOAD \"\"CODE",
          "60 RANDOMIZE USR VAL \"32768\""})
        EXPECT_NE(banked.output.find(line), std::string::npos) << line << "\n" << banked.output;
}

}  // namespace
}  // namespace quillo
