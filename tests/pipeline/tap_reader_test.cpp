#include "pipeline/tap_reader.h"
#include "pipeline/tape_writer.h"

#include "common/file_io.h"

#include <gtest/gtest.h>

#include <random>

namespace quillo {
namespace {

using Tape = std::vector<std::uint8_t>;

Tape bytesOf(const std::string& s) { return Tape(s.begin(), s.end()); }

Tape sampleTape() {
    TapeWriter w(TapeFormat::Tap);
    const std::uint8_t program[] = {0, 10, 2, 0, 0xEA, 0x0D};
    const std::uint8_t headerless[] = {1, 2, 3};
    const std::uint8_t code[] = {0xB4, 0x20, 0x41, 0x2C, 0x42, 0x0D, 0x00};
    w.programBlock("prog", 10, sizeof program, program);
    w.codeBlock("loose", 0, HeaderBlock::Without, tap::kCodeHeader, tap::kDataFlag, headerless);
    w.codeBlock("asm", 32768, HeaderBlock::With, tap::kCodeHeader, tap::kDataFlag, code);
    return bytesOf(w.bytes());
}

// A length word that claims more than the tape holds, after the blocks given.
Tape withBlock(Tape tape, std::uint16_t length, std::size_t present) {
    tape.push_back(static_cast<std::uint8_t>(length & 0xFF));
    tape.push_back(static_cast<std::uint8_t>(length >> 8));
    tape.insert(tape.end(), present, 0x00);
    return tape;
}

TEST(TapReader, ListsProgramAndCodeButNotHeaderlessBlocks) {
    const auto rows = listTapHeaders(sampleTape());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(tapTypeText(rows[0].type), "BAS");
    EXPECT_EQ(rows[0].start, 10);
    EXPECT_EQ(rows[0].length, 6);
    EXPECT_EQ(tapTypeText(rows[1].type), "COD");
    EXPECT_EQ(rows[1].start, 32768);
    EXPECT_EQ(rows[1].length, 7);
}

TEST(TapReader, KeepsTheTrailingSpacesOfShortNames) {
    EXPECT_EQ(listTapHeaders(sampleTape())[1].name, "asm       ");
}

TEST(TapReader, TypeTextsOfTheFourHeaderKinds) {
    EXPECT_EQ(tapTypeText(1), "#AR");
    EXPECT_EQ(tapTypeText(2), "$AR");
    EXPECT_EQ(tapTypeText(9), "???");
}

TEST(TapReader, ReadsTheDataAfterTheNthHeader) {
    const Tape tape = sampleTape();
    EXPECT_EQ(readTapBlock(tape, 1), (Tape{0xB4, 0x20, 0x41, 0x2C, 0x42, 0x0D, 0x00}));
    EXPECT_EQ(readTapBlock(tape, 0)->size(), 6u);
    EXPECT_FALSE(readTapBlock(tape, 2));
    EXPECT_FALSE(readTapBlock(tape, -1));
}

TEST(TapReader, ListsATapeOfTheBuildBlockForBlock) {
    const Result<Bytes> tape = readFile(QUILLO_TEST_DATA "/tape_main_binaries.tap");
    ASSERT_TRUE(tape.ok());
    const auto rows = listTapHeaders(*tape);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(tapTypeText(rows[0].type), "BAS");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(tapTypeText(rows[i].type), "COD");
        const auto data = readTapBlock(*tape, static_cast<int>(i));
        ASSERT_TRUE(data);
        EXPECT_EQ(data->size(), rows[i].length);
    }
}

TEST(TapReader, ATruncatedTapeEndsTheListWithTheBlocksBefore) {
    Tape tape = sampleTape();
    tape.resize(tape.size() - 3);  // the code block loses its tail
    const auto rows = listTapHeaders(tape);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(tapTypeText(rows[0].type), "BAS");
    EXPECT_FALSE(readTapBlock(tape, 1));
}

TEST(TapReader, AHeaderWhoseDataRunsPastTheEndIsNotListed) {
    const Tape tape = withBlock(sampleTape(), 0xFFFF, 10);
    EXPECT_EQ(listTapHeaders(tape).size(), 2u);
    TapeWriter w(TapeFormat::Tap);
    const std::uint8_t data[1] = {0};
    w.codeBlock("cut", 0, HeaderBlock::With, tap::kCodeHeader, tap::kDataFlag, data);
    Tape cut = bytesOf(w.bytes());
    cut.resize(cut.size() - 1);
    EXPECT_TRUE(listTapHeaders(cut).empty());
    EXPECT_FALSE(readTapBlock(cut, 0));
}

TEST(TapReader, LengthWordsOfZeroOrOneEndTheList) {
    for (const std::uint16_t length : {0, 1}) {
        const Tape tape = withBlock(withBlock(sampleTape(), length, length), 0, 100);
        EXPECT_EQ(listTapHeaders(tape).size(), 2u) << length;
    }
    EXPECT_TRUE(listTapHeaders(Tape{0x00}).empty());
    EXPECT_TRUE(listTapHeaders(Tape{}).empty());
}

TEST(TapReader, TenMegabytesOfRandomBytesEndCleanly) {
    std::mt19937 random(12);
    Tape noise(10u * 1024 * 1024);
    for (auto& b : noise) b = static_cast<std::uint8_t>(random());
    const auto rows = listTapHeaders(noise);
    EXPECT_LE(rows.size(), noise.size() / 21);
    EXPECT_FALSE(readTapBlock(noise, static_cast<int>(rows.size())));
}

}  // namespace
}  // namespace quillo
