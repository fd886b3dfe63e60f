#include "app/settings.h"
#include "common/file_io.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using quillo::Setting;
using quillo::Settings;

namespace {

std::string readText(const std::string& path) {
    const auto r = quillo::readFile(path);
    return r ? std::string(r->begin(), r->end()) : std::string();
}

// Settings as start-up leaves them when there is no file.
Settings startedWithoutFile() {
    Settings s("/home/user");
    s.read("");
    return s;
}

}  // namespace

TEST(Settings, DefaultsAreWrittenByteForByteInFileOrder) {
    EXPECT_EQ(startedWithoutFile().write(), readText(QUILLO_TEST_DATA "/settings_defaults.ini"));
}

TEST(Settings, EveryKeyIsUniqueAndBelongsToOneOfTheTwoGroups) {
    std::set<std::string> keys;
    for (const auto& info : quillo::settingTable()) {
        EXPECT_TRUE(keys.insert(info.key).second) << info.key;
        EXPECT_TRUE(std::string(info.group) == "Editor" || std::string(info.group) == "Painter");
    }
}

TEST(Settings, WrittenFileReadsBackToTheSameValues) {
    Settings s = startedWithoutFile();
    s.set(Setting::Tab_Width, 4);
    s.set(Setting::CompilerZXB, "/opt/zxbasic/zxbc.py");
    s.set(Setting::ErrBGCol, -1);
    s.set(Setting::WindowWidth, 1024);
    const std::string file = s.write();
    Settings again("/elsewhere");
    again.read(file);
    EXPECT_EQ(again.write(), file) << "REM_String keeps exactly one trailing blank across runs";
    EXPECT_EQ(again.integer(Setting::Tab_Width), 4);
    EXPECT_EQ(again.text(Setting::CompilerZXB), "/opt/zxbasic/zxbc.py");
    EXPECT_EQ(again.integer(Setting::ErrBGCol), -1);
    EXPECT_EQ(again.integer(Setting::WindowWidth), 1024);
}

TEST(Settings, RecentSourcesFollowEveryOtherKeyNewestFirstAtMostTen) {
    Settings s = startedWithoutFile();
    const std::string defaults = s.write();
    for (int i = 0; i < 12; ++i) s.addRecentFile("/src/game" + std::to_string(i) + ".bas");
    s.addRecentFile("/src/game5.bas");
    ASSERT_EQ(s.recentFiles().size(), 10u);
    EXPECT_EQ(s.recentFiles().front(), "/src/game5.bas");
    EXPECT_EQ(s.recentFiles()[1], "/src/game11.bas");
    const std::string file = s.write();
    EXPECT_EQ(file.substr(0, defaults.size()), defaults) << "every existing key keeps its place";
    EXPECT_EQ(file.substr(defaults.size(), 32), "[Recent]\r\nFile1 = /src/game5.bas");
    Settings again("/elsewhere");
    again.read(file);
    EXPECT_EQ(again.recentFiles(), s.recentFiles());
}

TEST(Settings, SplittersBelow400AreRaisedTo400) {
    Settings s("/home/user");
    s.read("[Editor]\r\nSidebarExplorer = 120\r\nOutputSplitter = -5\r\n");
    EXPECT_EQ(s.integer(Setting::SidebarExplorer), 400);
    EXPECT_EQ(s.integer(Setting::OutputSplitter), 400);
    s.read("[Editor]\r\nSidebarExplorer = 900\r\n");
    EXPECT_EQ(s.integer(Setting::SidebarExplorer), 900);
}

TEST(Settings, KeysMatchWithoutRegardToCaseAndAreWrittenInTheirOwnSpelling) {
    Settings s("/home/user");
    s.read("[EDITOR]\r\nbasbg = 255\r\nBASITALIC = 1\r\n");
    EXPECT_EQ(s.integer(Setting::BasBG), 255);
    EXPECT_EQ(s.integer(Setting::basItalic), 1);
    const std::string file = s.write();
    EXPECT_NE(file.find("\r\nBasBG = 255\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nbasItalic = 1\r\n"), std::string::npos);
}

TEST(Settings, RemStringGetsOneTrailingBlank) {
    Settings s("/home/user");
    s.read("[Editor]\r\nREM_String = Rem\r\n");
    EXPECT_EQ(s.text(Setting::REM_String), "Rem ");
    EXPECT_NE(s.write().find("\r\nREM_String = Rem \r\n"), std::string::npos);

    EXPECT_EQ(startedWithoutFile().text(Setting::REM_String), "' ");
    Settings semicolon("/home/user");
    semicolon.read("[Editor]\r\nREM_String = ;'   \r\n");
    EXPECT_EQ(semicolon.text(Setting::REM_String), ";' ");
}

TEST(Settings, MissingKeysKeepTheirDefaultsAndJunkIsIgnored) {
    Settings s("/home/user");
    s.read("garbage\r\n[Editor]\r\n=\r\nZoom = three\r\nTab_Width = 8 spaces\r\n[Painter]\r\nWindowHeight = 600\r\n");
    EXPECT_EQ(s.integer(Setting::CFoldBG), 0xFF0000);
    EXPECT_EQ(s.integer(Setting::Zoom), 0);
    EXPECT_EQ(s.integer(Setting::Tab_Width), 8);
    EXPECT_EQ(s.integer(Setting::WindowHeight), 600);
    EXPECT_EQ(s.integer(Setting::WindowWidth), 794);
    EXPECT_EQ(s.text(Setting::Suffix), "qlo");
}

TEST(Settings, LastDirStartsAtTheHomeFolder) {
    EXPECT_EQ(Settings("/home/ann").text(Setting::LastDir), "/home/ann/");
    EXPECT_EQ(Settings("/home/ann/").text(Setting::LastDir), "/home/ann/");
}

TEST(Settings, PainterKeysAreReadFromTheirOwnGroupOnly) {
    Settings s("/home/user");
    s.read("[Editor]\r\nWindowWidth = 1\r\n");
    EXPECT_EQ(s.integer(Setting::WindowWidth), 794);
}

TEST(Settings, ASuffixThatCouldReachAnotherFileFallsBackToTheDefault) {
    for (const char* bad : {"qlo.cfg", "/../escaped", "", "toolongsuffix", "b\xC3\xA4s"}) {
        Settings s("/home/zx");
        const std::vector<std::string> problems = s.read(std::string("[Editor]\r\nSuffix = ") + bad + "\r\n");
        EXPECT_EQ(s.text(Setting::Suffix), "qlo") << bad;
        ASSERT_EQ(problems.size(), 1u) << bad;
        EXPECT_NE(problems[0].find("Suffix"), std::string::npos);
    }
    Settings fine("/home/zx");
    EXPECT_TRUE(fine.read("[Editor]\r\nSuffix = BAS2\r\n").empty());
    EXPECT_EQ(fine.text(Setting::Suffix), "BAS2");
}
