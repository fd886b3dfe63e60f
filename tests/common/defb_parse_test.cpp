#include "common/defb_parse.h"

#include <gtest/gtest.h>

#include "common/defb_format.h"

namespace quillo {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DefbParse, TwoFormattedLinesReadBack) {
    const Bytes bytes{0, 1, 2, 3, 4, 5, 6, 7, 255, 128};
    std::string text = formatDefb(bytes);
    // Selections from the editor carry CR LF line ends.
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) text.insert(at, "\r");
    EXPECT_EQ(parseDefb(text), bytes);
}

TEST(DefbParse, NumberFormsSignsAndEmptyPieces) {
    EXPECT_EQ(parseDefb("DeFb $1F,%1010, -1,+2,,abc,300"), (Bytes{31, 10, 255, 2, 0, 0, 44}));
    EXPECT_EQ(parseDefb("\t12"), (Bytes{12}));
    EXPECT_EQ(parseDefb(""), (Bytes{0}));
    EXPECT_EQ(parseDefb("defb 1 defb 2 DEFB 3"), (Bytes{1, 2, 3}));
    EXPECT_EQ(parseDefb("1,2,"), (Bytes{1, 2, 0}));
}

}  // namespace
}  // namespace quillo
