#include "pipeline/zx0.h"

#include "zx0_corpus.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace quillo::zx0 {
namespace {

using test::Bytes;

Bytes readData(const std::string& name) {
    std::ifstream in(std::string(QUILLO_TEST_DATA) + "/zx0/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing tests/data/zx0/" << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Streams written by the reference optimal compressor: they pin the format
// to the one the compiler's Z80 decoders read, and their sizes are the
// optimum our compressor must reach.
TEST(Zx0, ReferenceStreamsDecodeAndAreNeverSmallerThanOurs) {
    for (const char* name : {"one-byte.bin", "two-bytes.bin", "zeros-1000.bin", "random-2000.bin",
                             "screen-6912.scr", "basic-text.bin"}) {
        const Bytes input = readData(name);
        ASSERT_FALSE(input.empty()) << name;
        for (const bool backwards : {false, true}) {
            const Bytes reference = readData(std::string(name) + (backwards ? ".back.zx0" : ".zx0"));
            const Unpacked decoded = decompress(reference, backwards);
            ASSERT_TRUE(decoded.ok()) << name << ": " << decoded.error.detail;
            EXPECT_EQ(decoded.bytes, input) << name;
            const Packed packed = compress(input, backwards);
            ASSERT_TRUE(packed.ok()) << name;
            EXPECT_LE(packed.bytes.size(), reference.size()) << name << (backwards ? " backwards" : "");
            EXPECT_EQ(decompress(packed.bytes, backwards).bytes, input) << name;
        }
    }
}

TEST(Zx0, CorpusRoundTripsBothWays) {
    const std::vector<Bytes> corpus = {test::zeros(32640), test::randomBytes(3000, 7), test::basicText(8000, 3),
                                       test::z80Code(5000, 5), test::spectrumScreen(11), test::zeros(1)};
    for (const Bytes& input : corpus)
        for (const bool backwards : {false, true}) {
            const Packed packed = compress(input, backwards);
            ASSERT_TRUE(packed.ok());
            const Unpacked back = decompress(packed.bytes, backwards);
            ASSERT_TRUE(back.ok()) << back.error.detail;
            EXPECT_EQ(back.bytes, input) << input.size() << (backwards ? " backwards" : "");
        }
}

TEST(Zx0, DamagedStreamsGiveAnErrorNeverAReadPastTheEnd) {
    const Bytes input = test::basicText(4000, 9);
    const Bytes packed = compress(input, false).bytes;
    for (std::size_t cut = 0; cut < packed.size(); cut += 37) {
        const Unpacked part = decompress(std::span(packed).first(cut), false);
        EXPECT_FALSE(part.ok()) << "cut at " << cut;
    }
    EXPECT_FALSE(decompress(Bytes{0xFF, 0xFF, 0xFF}, false).ok());
    EXPECT_EQ(decompress(packed, false, 100).error.code, ErrorCode::OutputTooLarge);
    EXPECT_FALSE(compress({}, false).ok()) << "the format cannot say nothing";
}

}  // namespace
}  // namespace quillo::zx0
