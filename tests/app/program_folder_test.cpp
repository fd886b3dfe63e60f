#include "app/program_folder.h"
#include "common/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace quillo;

namespace {

std::string makeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "quillo-home-XXXXXX").string();
    return std::string(::mkdtemp(pattern.data())) + "/";
}

}  // namespace

TEST(ProgramFolder, FirstStartCreatesThreeFoldersAndMissesTheHelp) {
    const std::string home = makeTempFolder();
    const FolderCheck check = ensureProgramFolders(home);
    EXPECT_EQ(check.created, (std::vector<std::string>{"Quillo_Snippets", "Quillo_Files", "Quillo_Fonts"}));
    EXPECT_TRUE(check.helpMissing);
    EXPECT_FALSE(isDirectory(home + "Quillo_Help")) << "the help folder is never made up";

    const FolderCheck again = ensureProgramFolders(home);
    EXPECT_TRUE(again.created.empty());
    fs::remove_all(home);
}

TEST(ProgramFolder, APlainFileInPlaceOfAFolderCountsAsMissing) {
    const std::string home = makeTempFolder();
    { std::ofstream(home + "Quillo_Files") << "not a folder"; }
    { std::ofstream(home + "Quillo_Help") << "not a folder"; }
    const FolderCheck check = ensureProgramFolders(home);
    EXPECT_EQ(check.created, (std::vector<std::string>{"Quillo_Snippets", "Quillo_Fonts"}));
    EXPECT_TRUE(check.helpMissing);
    fs::remove_all(home);
}

TEST(ProgramFolder, SettingsFileLivesInTheFilesFolder) {
    EXPECT_EQ(settingsFilePath("/opt/quillo/"), "/opt/quillo/Quillo_Files/quillo.ini");
}

TEST(ProgramFolders, AnInstalledProgramKeepsTheUsersFilesInTheConfigFolder) {
    using quillo::chooseProgramFolders;
    const auto home = chooseProgramFolders("/tmp/q", "/usr/lib/quillo", false, "/cfg", "/home/ann/");
    EXPECT_EQ(home.program, "/tmp/q/") << "QUILLO_HOME overrides everything";
    EXPECT_EQ(home.data, "/tmp/q/");
    const auto portable = chooseProgramFolders("", "/opt/quillo", true, "/cfg", "/home/ann/");
    EXPECT_EQ(portable.program, "/opt/quillo/");
    EXPECT_EQ(portable.data, "/opt/quillo/");
    const auto installed = chooseProgramFolders("", "/usr/lib/quillo", false, "/cfg", "/home/ann/");
    EXPECT_EQ(installed.program, "/usr/lib/quillo/");
    EXPECT_EQ(installed.data, "/cfg/quillo/");
    EXPECT_EQ(chooseProgramFolders("", "/usr/lib/quillo", false, "", "/home/ann/").data, "/home/ann/.config/quillo/");
    EXPECT_EQ(chooseProgramFolders("", "/usr/lib/quillo", false, "rel", "/home/ann").data, "/home/ann/.config/quillo/");
}
