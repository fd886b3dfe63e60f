// Replays every seed and every input a fuzzer once failed on through the
// same entry the fuzz target runs; an input that breaks an invariant aborts.
#include "fuzz_entries.h"

#include <gtest/gtest.h>

#include "common/file_io.h"

#include <filesystem>

namespace quillo::fuzz {
namespace {

int replay(const Entry& e, const std::filesystem::path& folder) {
    int count = 0;
    if (!std::filesystem::is_directory(folder)) return 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        const Result<Bytes> bytes = readFile(file.path().string());
        if (!bytes) continue;
        SCOPED_TRACE(file.path().string());
        e.run(bytes->data(), bytes->size());
        ++count;
    }
    return count;
}

TEST(FuzzRegressions, SeedsAndKeptInputsRunClean) {
    int total = 0;
    for (const Entry& e : entries()) {
        const int seeds = replay(e, std::filesystem::path(QUILLO_TEST_DIR) / "fuzz/corpus" / std::string(e.name));
        EXPECT_GT(seeds, 0) << "every target has a seed corpus: " << e.name;
        total += seeds + replay(e, std::filesystem::path(QUILLO_TEST_DATA) / "fuzz" / std::string(e.name));
        e.run(nullptr, 0);
    }
    EXPECT_GT(total, 0);
}

}  // namespace
}  // namespace quillo::fuzz
