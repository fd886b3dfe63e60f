#include "gfxeditor/pattern_sets.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quillo;

TEST(PatternSets, CountsSizesAndNoTwoAlike) {
    const auto& brushes = builtInBrushes();
    ASSERT_EQ(brushes.size(), static_cast<std::size_t>(kBuiltInBrushCount));
    for (std::size_t i = 0; i < brushes.size(); ++i) {
        EXPECT_EQ(brushes[i].pixelWidth(), 16);
        EXPECT_EQ(brushes[i].pixelHeight(), 16);
        EXPECT_EQ(brushes[i].bits.size(), 32u);
        EXPECT_TRUE(std::any_of(brushes[i].bits.begin(), brushes[i].bits.end(), [](auto b) { return b != 0; }));
        for (std::size_t j = i + 1; j < brushes.size(); ++j) EXPECT_FALSE(brushes[i] == brushes[j]) << i << " " << j;
    }
    const auto& textures = builtInTextures();
    ASSERT_EQ(textures.size(), static_cast<std::size_t>(kBuiltInTextureCount));
    EXPECT_EQ(textures[0], Texture::solid());
    for (std::size_t i = 0; i < textures.size(); ++i)
        for (std::size_t j = i + 1; j < textures.size(); ++j) EXPECT_FALSE(textures[i] == textures[j]) << i << " " << j;
}
