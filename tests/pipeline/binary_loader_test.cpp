#include "pipeline/binary_data_writer.h"
#include "pipeline/binary_loader.h"
#include "pipeline/target_file_check.h"

#include "common/file_io.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <numeric>

namespace quillo {
namespace {

using test::TempFolder;

std::string pattern(std::size_t size, int seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + static_cast<std::size_t>(seed)) & 0xFF);
    return bytes;
}

bool imageHolds(const MemoryImage& image, std::size_t offset, std::string_view bytes) {
    return std::equal(bytes.begin(), bytes.end(), image.data() + offset,
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

TEST(MemoryImage, OffsetsByBank) {
    EXPECT_EQ(imageOffset(24576, 0), 24576u);
    EXPECT_EQ(imageOffset(0xC000, 1), 0x10000u);
    EXPECT_EQ(imageOffset(0xC123, 3), 0x18123u);
    EXPECT_EQ(imageOffset(0xFFFF, 5), 0x23FFFu);
    EXPECT_FALSE(imageOffset(0xC000, 6));
    EXPECT_FALSE(imageOffset(-1, 0));
    EXPECT_EQ(MemoryImage::size(), 1'024'000u);
}

TEST(BinaryLoader, LoadsFilesAtTheirOffsetsAndReportsTheBanks) {
    const TempFolder dir;
    const std::string main = dir.write("main.bin", pattern(100, 1));
    const std::string bank3 = dir.write("bank3.bin", pattern(50, 2));
    const std::string bank7 = dir.write("bank7.bin", pattern(20, 3));
    const BinaryList list = {
        {main, 40000, 100, 0, "m", 0, 8},
        {bank3, 0xD000, 50, 2, "b", 0, 13},
        {bank7, 0xFF00, 20, 5, "c", 7, 11},
    };
    MemoryImage image;
    RegionMap map;
    const ImageLoadResult result = loadBinariesIntoImage(list, image, map);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.bankMask, (1u << 2) | (1u << 5));
    EXPECT_TRUE(bankInMask(result.bankMask, 2));
    EXPECT_FALSE(bankInMask(result.bankMask, 1));
    EXPECT_TRUE(imageHolds(image, 40000, pattern(100, 1)));
    EXPECT_TRUE(imageHolds(image, 0x14000 + 0x1000, pattern(50, 2)));
    EXPECT_TRUE(imageHolds(image, 0x20000 + 0x3F00, pattern(20, 3)));
    EXPECT_EQ(map.at(40000), RegionType::Graphics);
    EXPECT_EQ(map.at(0xD000 + 0x8000), RegionType::Music);
    EXPECT_EQ(map.at(0xFF00 + 0x14000), RegionType::Data) << "the build registers every record";
}

TEST(BinaryLoader, SizeMismatchLoadsOnlyTheRecordSize) {
    const TempFolder dir;
    const std::string path = dir.write("big.bin", pattern(3000, 9));
    MemoryImage image;
    RegionMap map;
    const ImageLoadResult result = loadBinariesIntoImage({{path, 30000, 2000, 0, "", 0, 15}}, image, map);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].title, "Warning!");
    EXPECT_EQ(result.messages[0].text, "File " + path + " has a different size");
    EXPECT_TRUE(imageHolds(image, 30000, pattern(2000, 9)));
    EXPECT_EQ(image.data()[32000], 0) << "not a byte beyond the size";
    EXPECT_EQ(map.at(31999), RegionType::Other);
    EXPECT_EQ(map.at(32000), RegionType::Free);
}

TEST(BinaryLoader, ShorterFileFillsOnlyItsLength) {
    const TempFolder dir;
    const std::string path = dir.write("short.bin", pattern(10, 4));
    MemoryImage image;
    image.data()[30010] = 0xAA;
    RegionMap map;
    const ImageLoadResult result = loadBinariesIntoImage({{path, 30000, 20, 0, "", 0, 15}}, image, map);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_TRUE(imageHolds(image, 30000, pattern(10, 4)));
    EXPECT_EQ(image.data()[30010], 0xAA) << "the image is not cleared between builds";
}

TEST(BinaryLoader, MissingFilesAndCollisionsAreReportedAndSkipped) {
    const TempFolder dir;
    const std::string there = dir.write("there.bin", pattern(8, 5));
    const std::string missing = dir.file("missing.bin");
    MemoryImage image;
    RegionMap map;
    map.registerFixedRegions();
    const BinaryList list = {
        {missing, 0xC000, 8, 1, "", 0, 8},
        {there, 100, 8, 0, "", 0, 8},
        {there, 0xC000, 8, 9, "", 0, 8},
    };
    const ImageLoadResult result = loadBinariesIntoImage(list, image, map);
    EXPECT_EQ(result.bankMask, 0) << "a missing file adds no bank";
    ASSERT_EQ(result.messages.size(), 4u);
    EXPECT_EQ(result.messages[0], (UserMessage{UserMessage::Icon::Warning, "Error!", "File " + missing + " does not exist"}));
    EXPECT_EQ(result.messages[1].title, "Warning!!!");
    EXPECT_TRUE(imageHolds(image, 100, pattern(8, 5))) << "a collision still loads the bytes";
    EXPECT_EQ(result.messages[2].title, "Warning!!!") << "an unknown bank meets the ROM";
    EXPECT_EQ(result.messages[3].text, "File " + there + " does not fit into memory and was not loaded");
}

TEST(BinaryLoader, RecordsRunningPastTheImageAreNotLoaded) {
    const TempFolder dir;
    const std::string path = dir.write("huge.bin", pattern(16, 6));
    MemoryImage image;
    RegionMap map;
    const ImageLoadResult result = loadBinariesIntoImage({{path, 60000, 2'000'000, 0, "", 0, 15}}, image, map);
    ASSERT_FALSE(result.messages.empty());
    EXPECT_EQ(result.messages.back().text, "File " + path + " does not fit into memory and was not loaded");
    EXPECT_EQ(image.data()[60000], 0);
}

TEST(BinaryDataWriter, WritesTheFileThenAddsItsRecord) {
    const TempFolder dir;
    const std::string path = dir.file("_Fontchar65.bin");
    const std::string bytes = pattern(8, 7);
    BinaryList list;
    RegionMap map;
    const DataWriteResult result = writeDataAsBinary(
        path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, 64000, 0, "Single Char: (65)",
        RegionType::Graphics, list, map);
    ASSERT_TRUE(result.ok()) << result.written.error().message();
    EXPECT_EQ(result.region, RegionStatus::Registered);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], (BinaryRecord{path, 64000, 8, 0, "Single Char: (65)", 0, 8}));
    EXPECT_EQ(map.at(64007), RegionType::Graphics);
    const Result<Bytes> file = readFile(path);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(std::string(file->begin(), file->end()), bytes);

    const DataWriteResult failed = writeDataAsBinary(dir.file("no/such/folder.bin"), {}, 0, 0, "", RegionType::Data,
                                                     list, map);
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(list.size(), 1u) << "no record for a file that was not written";
}

TEST(TargetFileCheck, NamesSpaceAndExistingFiles) {
    const TempFolder dir;
    EXPECT_EQ(checkTargetFile("a.bin", 8).status, TargetCheck::Status::InvalidName) << "shorter than 7 characters";
    EXPECT_EQ(checkTargetFile(dir.file("bad?.bin"), 8).message, "Invalid file name");
    EXPECT_EQ(checkTargetFile(dir.file("bad|.bin"), 8).status, TargetCheck::Status::InvalidName);
    EXPECT_EQ(checkTargetFile(dir.file("tab\t.bin"), 8).status, TargetCheck::Status::InvalidName);
    EXPECT_EQ(checkTargetFile(dir.file(""), 8).status, TargetCheck::Status::InvalidName) << "no file name at all";
    EXPECT_EQ(checkTargetFile(dir.file("font.chr"), 2048).status, TargetCheck::Status::Ok);

    const std::int64_t tooMuch = std::int64_t{1} << 62;
    const TargetCheck full = checkTargetFile(dir.file("font.chr"), tooMuch);
    EXPECT_EQ(full.status, TargetCheck::Status::NotEnoughSpace);
    const std::string folder = dir.file("");
    // The free figure moves while other programs write, so only its place is checked.
    const std::string head = "Not enough space\n" + folder + " : free: ";
    const std::string tail = ", " + std::to_string(tooMuch);
    EXPECT_EQ(full.message.substr(0, head.size()), head);
    EXPECT_EQ(full.message.substr(full.message.size() - tail.size()), tail);
    EXPECT_GT(full.message.size(), head.size() + tail.size()) << full.message;

    const std::string existing = dir.write("font.chr", "x");
    const TargetCheck exists = checkTargetFile(existing, 2048);
    EXPECT_EQ(exists.status, TargetCheck::Status::Exists);
    EXPECT_EQ(exists.message, "File exists, overwrite?");
}

}  // namespace
}  // namespace quillo
