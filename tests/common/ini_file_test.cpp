#include "common/ini_file.h"

#include <gtest/gtest.h>

using quillo::IniFile;
using quillo::IniWriter;

TEST(IniFile, ReadsGroupsKeysAndCommentsWithoutRegardToCase) {
    const IniFile ini = IniFile::parse(
        "; a comment\r\n"
        "[editor]\r\n"
        "  \tTab_Width\t = 4\r\n"
        ";Zoom = 3\r\n"
        "basbg = 255\r\n"
        "Suffix =   bas  \t\r\n"
        "no equals sign here\r\n"
        "[Painter]\n"
        "WindowWidth = 800\n");
    EXPECT_EQ(ini.getInt("Editor", "TAB_WIDTH", 2), 4);
    EXPECT_EQ(ini.getInt("Editor", "Zoom", 7), 7) << "commented-out keys keep the default";
    EXPECT_EQ(ini.getInt("EDITOR", "BasBG", 0), 255);
    EXPECT_EQ(ini.getString("Editor", "Suffix", "qlo"), "bas");
    EXPECT_EQ(ini.getInt("painter", "windowwidth", 0), 800);
    EXPECT_EQ(ini.getInt("Painter", "Tab_Width", 9), 9) << "keys belong to their group";
    EXPECT_EQ(ini.getInt("Missing", "Tab_Width", 9), 9);
}

TEST(IniFile, KeysBeforeAnyGroupAndBrokenGroupLinesAreIgnored) {
    const IniFile ini = IniFile::parse("Tab_Width = 5\r\n[Editor\r\nZoom = 1\r\n[Editor]\r\nZoom = 2\r\n");
    EXPECT_EQ(ini.getInt("Editor", "Tab_Width", 2), 2);
    EXPECT_EQ(ini.getInt("Editor", "Zoom", 0), 2);
}

TEST(IniFile, Utf8ByteOrderMarkIsSkipped) {
    const IniFile ini = IniFile::parse("\xEF\xBB\xBF[Editor]\r\nLastDir = /home/jos\xC3\xA9/\r\n");
    EXPECT_EQ(ini.getString("Editor", "LastDir", ""), "/home/jos\xC3\xA9/");
}

TEST(IniFile, MissingValueReadsAsEmptyStringAndZero) {
    const IniFile ini = IniFile::parse("[Editor]\r\nCompilerZXB =\r\nZoom =\r\n");
    EXPECT_EQ(ini.getString("Editor", "CompilerZXB", "x"), "");
    EXPECT_EQ(ini.getInt("Editor", "Zoom", 5), 0);
}

TEST(IniWriter, WritesGroupsAndKeysWithCrLf) {
    IniWriter out;
    out.comment("made by a test");
    out.group("Editor");
    out.key("Tab_Width", 2);
    out.key("Suffix", "qlo");
    out.key("ErrBGCol", -1);
    EXPECT_EQ(out.bytes(), "; made by a test\r\n[Editor]\r\nTab_Width = 2\r\nSuffix = qlo\r\nErrBGCol = -1\r\n");
}
