// The fast parse against the exhaustive one.
#include "pipeline/zx0_parse.h"

#include "zx0_corpus.h"
#include "zx0_exhaustive.h"

#include <gtest/gtest.h>

namespace quillo::zx0 {
namespace {

using test::Bytes;
using test::exhaustiveBits;

TEST(Zx0Optimal, FastParseMatchesTheExhaustiveOneOnShortInputs) {
    const Bytes screen = test::spectrumScreen(3);
    const std::vector<std::pair<const char*, Bytes>> corpus = {
        {"one byte", test::zeros(1)},
        {"two bytes", Bytes{7, 9}},
        {"zeros", test::zeros(300)},
        {"random", test::randomBytes(600, 5)},
        {"text", test::basicText(800, 8)},
        {"code", test::z80Code(800, 2)},
        {"screen bitmap", Bytes(screen.begin() + 2000, screen.begin() + 2800)},
        {"screen attributes", Bytes(screen.end() - 768, screen.end())},
    };
    for (const auto& [name, input] : corpus) {
        const auto blocks = parseOptimal(input, {});
        ASSERT_TRUE(blocks) << name;
        EXPECT_EQ(streamBits(*blocks), exhaustiveBits(input)) << name;
    }
}

}  // namespace
}  // namespace quillo::zx0
