#include "editor/colour_profiles.h"

#include <gtest/gtest.h>

namespace {

using quillo::Setting;

TEST(ColourProfiles, TheDarkProfileSetsItsValuesFlagsAndFonts) {
    quillo::Settings s("/tmp/");
    s.set(Setting::DefaultBold, 1);
    s.set(Setting::FontNumb, std::string("Sans"));
    quillo::applyColourProfile(s, 0);
    EXPECT_EQ(s.integer(Setting::DefaultBG), 0x000000);
    EXPECT_EQ(s.integer(Setting::LineNrBG), 0xFF0000);
    EXPECT_EQ(s.integer(Setting::LineNrFG), 0xFFFFFF);
    EXPECT_EQ(s.integer(Setting::LineNrBold), 1);
    EXPECT_EQ(s.integer(Setting::ExtBold), 4);
    EXPECT_EQ(s.integer(Setting::ComItalic), 1);
    EXPECT_EQ(s.integer(Setting::FoldBGCol), 0x300000);
    EXPECT_EQ(s.integer(Setting::DefaultBold), 0);
    EXPECT_EQ(s.text(Setting::FontNumb), "Courier New");
    EXPECT_EQ(s.text(Setting::ExtSide), "Courier New");
}

TEST(ColourProfiles, TheLightProfileAndAnUnknownIndex) {
    quillo::Settings s("/tmp/");
    quillo::applyColourProfile(s, 1);
    EXPECT_EQ(s.integer(Setting::DefaultBG), 0xFFFFFF);
    EXPECT_EQ(s.integer(Setting::ExtBold), 0);
    EXPECT_EQ(s.integer(Setting::CFoldBG), 0x0000FF);
    quillo::applyColourProfile(s, 2);
    EXPECT_EQ(s.integer(Setting::DefaultBG), 0xFFFFFF);
    EXPECT_EQ(quillo::colourProfileNames().size(), 2u);
}

}  // namespace
