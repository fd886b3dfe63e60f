#include "pipeline/binary_list.h"

#include <algorithm>

namespace quillo {

namespace {

RegionStatus registerRecord(RegionMap& map, const BinaryRecord& r) {
    return map.registerRegion(r.start, r.bank, r.size, r.type());
}

}  // namespace

RegionStatus addRecord(BinaryList& list, RegionMap& map, BinaryRecord record) {
    list.push_back(std::move(record));
    return registerRecord(map, list.back());
}

std::vector<RegionProblem> rebuildRegionMap(RegionMap& map, const BinaryList& list) {
    map.clear();
    map.registerFixedRegions();
    std::vector<RegionProblem> problems;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].load != 0) continue;
        const RegionStatus status = registerRecord(map, list[i]);
        if (status != RegionStatus::Registered) problems.push_back({i, status});
    }
    return problems;
}

std::vector<RegionProblem> removeRecord(BinaryList& list, RegionMap& map, std::size_t index) {
    if (index >= list.size()) return {};
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    return rebuildRegionMap(map, list);
}

BankRange bankRange(const BinaryList& list, int bank) {
    std::int64_t low = 0xFFFF;
    std::int64_t high = bank == 0 ? 24000 : kBankWindowStart;
    for (const BinaryRecord& r : list) {
        if (r.bank != bank) continue;
        low = std::min<std::int64_t>(low, r.start);
        high = std::max<std::int64_t>(high, std::int64_t{r.start} + r.size);
    }
    return {static_cast<std::uint16_t>(low & 0xFFFF), static_cast<std::uint16_t>((high - low) & 0xFFFF)};
}

}  // namespace quillo
