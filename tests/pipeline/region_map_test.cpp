#include "pipeline/binary_list.h"
#include "pipeline/region_map.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

BinaryRecord record(std::int32_t start, std::int32_t size, std::uint8_t bank = 0,
                    RegionType type = RegionType::Data, std::int16_t load = 0) {
    return {"/bin/" + std::to_string(start), start, size, bank, "d", load, static_cast<std::uint64_t>(type)};
}

TEST(RegionMap, OffsetsFollowTheBank) {
    EXPECT_EQ(regionMapOffset(40000, 0), 40000u);
    EXPECT_EQ(regionMapOffset(0xC000, 1), 0x10000u);
    EXPECT_EQ(regionMapOffset(0xFFFF, 5), 0xFFFFu + 5 * 0x4000u);
    EXPECT_EQ(regionMapOffset(0xBFFF, 2), 0u) << "a bank address below 0xC000";
    EXPECT_EQ(regionMapOffset(0xC000, 6), 0u) << "an unknown bank";
    EXPECT_EQ(regionMapOffset(-5, 0), 0u);
}

TEST(RegionMap, FixedRegionsCoverRomScreenAndSystem) {
    RegionMap map;
    map.registerFixedRegions();
    EXPECT_EQ(map.at(0), RegionType::Rom);
    EXPECT_EQ(map.at(16383), RegionType::Rom);
    EXPECT_EQ(map.at(16384), RegionType::Screen);
    EXPECT_EQ(map.at(23295), RegionType::Screen);
    EXPECT_EQ(map.at(23296), RegionType::Free);
    EXPECT_EQ(map.at(23552), RegionType::System);
    EXPECT_EQ(map.at(23754), RegionType::System);
    EXPECT_EQ(map.at(23755), RegionType::Free);
}

TEST(RegionMap, AdjacentRangesAreFreeAndOverlapsAreRefused) {
    RegionMap map;
    ASSERT_EQ(map.registerRegion(40000, 0, 1000, RegionType::Graphics), RegionStatus::Registered);
    EXPECT_TRUE(map.rangeIsFree(39000, 0, 1000)) << "ending where the other starts";
    EXPECT_TRUE(map.rangeIsFree(41000, 0, 10)) << "starting where it ends";
    EXPECT_FALSE(map.rangeIsFree(39000, 0, 1001));
    EXPECT_FALSE(map.rangeIsFree(40999, 0, 5));
    EXPECT_EQ(map.registerRegion(39000, 0, 1000, RegionType::Maps), RegionStatus::Registered);
    EXPECT_EQ(map.registerRegion(41000, 0, 500, RegionType::Music), RegionStatus::Registered);

    EXPECT_EQ(map.registerRegion(40500, 0, 1000, RegionType::Text), RegionStatus::Collision);
    EXPECT_EQ(map.at(41500), RegionType::Free) << "a refused range leaves the map unchanged";
    EXPECT_EQ(map.at(40500), RegionType::Graphics);
    EXPECT_EQ(regionStatusText(RegionStatus::Collision),
              "Looks like there is a binary collision! Check the start and length of other binarys");
}

TEST(RegionMap, BanksAreSeparateFromMainMemoryAndFromEachOther) {
    RegionMap map;
    ASSERT_EQ(map.registerRegion(0xC000, 0, 0x4000, RegionType::Data), RegionStatus::Registered);
    EXPECT_EQ(map.registerRegion(0xC000, 1, 0x4000, RegionType::Music), RegionStatus::Registered);
    EXPECT_EQ(map.registerRegion(0xC000, 5, 0x4000, RegionType::Maps), RegionStatus::Registered);
    EXPECT_EQ(map.registerRegion(0xE000, 1, 1, RegionType::Text), RegionStatus::Collision);
    EXPECT_EQ(map.at(0x10000 + 0x2000), RegionType::Music);
}

TEST(RegionMap, BankRecordBelowC000CollidesWithTheRom) {
    RegionMap map;
    map.registerFixedRegions();
    EXPECT_EQ(map.registerRegion(0x8000, 3, 16, RegionType::Data), RegionStatus::Collision);
    EXPECT_EQ(map.at(0x8000), RegionType::Free);
}

TEST(RegionMap, RangesOutsideTheMapAreRefusedNotWritten) {
    RegionMap map;
    EXPECT_EQ(map.registerRegion(100, 0, -1, RegionType::Data), RegionStatus::OutOfRange);
    EXPECT_EQ(map.registerRegion(0xFFFF, 5, 0x7FFFFFFF, RegionType::Data), RegionStatus::OutOfRange);
    EXPECT_EQ(map.registerRegion(static_cast<std::int32_t>(RegionMap::kSize) - 10, 0, 11, RegionType::Data),
              RegionStatus::OutOfRange);
    EXPECT_EQ(map.registerRegion(static_cast<std::int32_t>(RegionMap::kSize) - 10, 0, 10, RegionType::Data),
              RegionStatus::Registered);
    EXPECT_FALSE(map.rangeIsFree(0x7FFFFFFF, 0, 1));
    EXPECT_FALSE(regionStatusText(RegionStatus::OutOfRange).empty());
}

TEST(RegionMap, ClearFreesEverythingMarked) {
    RegionMap map;
    map.registerFixedRegions();
    map.registerRegion(0xC000, 4, 100, RegionType::Data);
    map.clear();
    EXPECT_TRUE(map.rangeIsFree(0, 0, 0x30000));
}

TEST(BinaryList, AddKeepsCollidingRecordsAndRemoveRebuilds) {
    BinaryList list;
    RegionMap map;
    map.registerFixedRegions();
    EXPECT_EQ(addRecord(list, map, record(40000, 100, 0, RegionType::Graphics)), RegionStatus::Registered);
    EXPECT_EQ(addRecord(list, map, record(40000, 100, 0, RegionType::Maps)), RegionStatus::Collision);
    EXPECT_EQ(list.size(), 2u) << "both stay in the list";
    EXPECT_EQ(addRecord(list, map, record(50000, 10, 0, RegionType::Text, 1)), RegionStatus::Registered);

    const auto problems = removeRecord(list, map, 0);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(map.at(40000), RegionType::Maps) << "the second record now gets its place";
    EXPECT_EQ(map.at(50000), RegionType::Free) << "a record with a load value stays out of the map";
    EXPECT_EQ(map.at(0), RegionType::Rom);

    EXPECT_TRUE(removeRecord(list, map, 7).empty());
    EXPECT_EQ(list.size(), 2u);
}

TEST(BinaryList, RebuildReportsEveryCollision) {
    const BinaryList list = {record(30000, 10), record(30005, 10), record(0x8000, 1, 2), record(60000, 1)};
    RegionMap map;
    map.registerRegion(60000, 0, 1, RegionType::Compilat);  // left over from a build
    const auto problems = rebuildRegionMap(map, list);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].index, 1u);
    EXPECT_EQ(problems[1].index, 2u);
    EXPECT_EQ(map.at(60000), RegionType::Data);
}

TEST(BankRange, WorkedExample) {
    const BinaryList list = {record(40000, 1000), record(0xC000, 0x100, 1), record(50000, 500)};
    const BankRange main = bankRange(list, 0);
    EXPECT_EQ(main.start, 40000);
    EXPECT_EQ(main.length, 10500);

    const BankRange none = bankRange({record(0xC000, 10, 2)}, 0);
    EXPECT_EQ(none.start, 65535);
    EXPECT_EQ(none.length, 24001);

    const BankRange bank = bankRange(list, 1);
    EXPECT_EQ(bank.start, 0xC000);
    EXPECT_EQ(bank.length, 0x100);
    const BankRange emptyBank = bankRange(list, 4);
    EXPECT_EQ(emptyBank.start, 0xFFFF);
    EXPECT_EQ(emptyBank.length, static_cast<std::uint16_t>(0xC000 - 0xFFFF));
}

}  // namespace
}  // namespace quillo
