#include "common/defb_format.h"

#include <gtest/gtest.h>

#include <vector>

TEST(DefbFormat, EightZeroPaddedValuesPerLine) {
    const std::vector<std::uint8_t> bytes = {0, 60, 66, 66, 126, 66, 66, 0, 255, 7};
    EXPECT_EQ(quillo::formatDefb(bytes),
              "\tDEFB\t000,060,066,066,126,066,066,000\n"
              "\tDEFB\t255,007\n");
    EXPECT_EQ(quillo::formatDefb({}), "");
    const std::vector<std::uint8_t> eight(8, 1);
    EXPECT_EQ(quillo::formatDefb(eight), "\tDEFB\t001,001,001,001,001,001,001,001\n");
}
