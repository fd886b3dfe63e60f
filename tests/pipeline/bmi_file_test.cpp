#include "pipeline/bmi_file.h"

#include "common/byte_reader.h"
#include "common/file_io.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using test::TempFolder;

BinaryList sampleList() {
    BinaryRecord gfx{"/home/zx/gfx.bin", 40000, 1000, 0, "Sprites", 0, 8};
    BinaryRecord music{"/home/zx/tune.bin", 0xC000, 0x3000, 3, "", 2, 13};
    BinaryRecord odd{"/p", -1, 0x7FFFFFFF, 200, "x", -32768, 0xFEDCBA987654321Full};
    return {gfx, music, odd};
}

std::span<const std::uint8_t> asBytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(BmiFile, WritesTheLittleEndianRecordLayout) {
    const BinaryList list = {{"ab", 0x12345678, 300, 5, "xyz", 0x0102, 0x0807060504030201ull}};
    const std::string bytes = binaryListBytes(list);
    const std::string expected(
        "\x01\x00\x00\x00"                       // count
        "\x78\x56\x34\x12"                       // start
        "\x2C\x01\x00\x00"                       // size
        "\x05"                                   // bank
        "\x02\x01"                               // load
        "\x01\x02\x03\x04\x05\x06\x07\x08"       // flags
        "\x02\x00\x00\x00" "ab"                  // path
        "\x03\x00\x00\x00" "xyz",                // description
        4 + 27 + 2 + 3);
    EXPECT_EQ(bytes, expected);
}

TEST(BmiFile, ListsSurviveAWriteAndARead) {
    const TempFolder dir;
    const std::string path = binaryListPath(dir.file("game"));
    EXPECT_EQ(path, dir.file("game.bmi"));
    ASSERT_TRUE(saveBinaryList(path, sampleList()).ok());

    BinaryList read;
    ASSERT_TRUE(loadBinaryList(path, read).ok());
    EXPECT_EQ(read, sampleList());
    EXPECT_EQ(read[1].description, "") << "an empty description has a length field of 0";

    ASSERT_TRUE(saveBinaryList(path, {}).ok());
    EXPECT_EQ(fileSize(path), 4);
    read = sampleList();
    ASSERT_TRUE(loadBinaryList(path, read).ok());
    EXPECT_TRUE(read.empty()) << "N = 0 is an empty list";
}

TEST(BmiFile, MissingFileEmptiesTheList) {
    BinaryList list = sampleList();
    EXPECT_TRUE(loadBinaryList("/nonexistent/game.bmi", list).ok());
    EXPECT_TRUE(list.empty());
}

// Damaged files are refused whole: the caller's list stays as it was.
class DamagedBmi : public ::testing::TestWithParam<std::pair<const char*, std::string>> {};

TEST_P(DamagedBmi, IsRejectedAndLeavesTheListUntouched) {
    const auto& [name, bytes] = GetParam();
    const Result<BinaryList> parsed = parseBinaryList(asBytes(bytes));
    EXPECT_FALSE(parsed.ok()) << name;

    const TempFolder dir;
    const std::string path = dir.write("damaged.bmi", bytes);
    BinaryList list = sampleList();
    const Status loaded = loadBinaryList(path, list);
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().code, ErrorCode::Corrupt);
    EXPECT_EQ(loaded.error().message().find(path + ": damaged: "), 0u) << loaded.error().message();
    EXPECT_EQ(list, sampleList());
}

std::string withCount(std::uint32_t count, std::string rest = {}) {
    ByteWriter out;
    out.u32le(count);
    return out.bytes() + rest;
}

std::string fullFile() { return binaryListBytes(sampleList()); }

// A record's fixed part with the given path length field and nothing after.
std::string recordHead(std::uint32_t pathLength) {
    ByteWriter out;
    out.u32le(1);
    out.u32le(0);
    out.u32le(10);
    out.u8(0);
    out.u16le(0);
    out.u64le(0);
    out.u32le(pathLength);
    return out.bytes();
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, DamagedBmi,
    ::testing::Values(
        std::pair{"empty", std::string()},
        std::pair{"short count", std::string("\x01\x00", 2)},
        std::pair{"negative count", withCount(0xFFFFFFFFu)},
        std::pair{"huge count", withCount(0x7FFFFFFFu, std::string(100, '\0'))},
        std::pair{"count above the records present", withCount(2, fullFile().substr(4, 27 + 16 + 7))},
        std::pair{"cut inside the fixed fields", fullFile().substr(0, 4 + 10)},
        std::pair{"path longer than the file", recordHead(1000) + "abc" + std::string(4, '\0')},
        std::pair{"negative path length", recordHead(0xFFFFFFF0u) + std::string(40, 'a')},
        std::pair{"description longer than the file", recordHead(1) + "a" + withCount(50, "short")},
        std::pair{"description length missing", recordHead(1) + "a\x01"},
        std::pair{"last record cut short", fullFile().substr(0, fullFile().size() - 1)}));

TEST(BmiFile, BytesAfterTheLastRecordAreIgnored) {
    const Result<BinaryList> parsed = parseBinaryList(asBytes(fullFile() + "tail"));
    ASSERT_TRUE(parsed.ok()) << parsed.error().detail;
    EXPECT_EQ(*parsed, sampleList());
}

TEST(ByteReader, FailsPastTheEndWithoutConsuming) {
    const std::uint8_t bytes[] = {1, 2, 3};
    ByteReader in(bytes);
    EXPECT_FALSE(in.u32le());
    EXPECT_EQ(in.u16le(), 0x0201);
    EXPECT_FALSE(in.text(2));
    EXPECT_EQ(in.remaining(), 1u);
    EXPECT_EQ(in.u8(), 3);
    EXPECT_FALSE(in.u8());
}

}  // namespace
}  // namespace quillo
