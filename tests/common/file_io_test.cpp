#include "common/file_io.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace quillo;

namespace {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "quillo-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, ec);
        fs::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string contents(const std::string& path) {
    const auto r = readFile(path);
    return {r.data.begin(), r.data.end()};
}

}  // namespace

TEST(FileIo, AtomicWriteReplacesTheFileAndLeavesNoTemporaryBehind) {
    TempFolder dir;
    const std::string file = dir / "game.qlo";
    ASSERT_EQ(writeFileAtomic(file, "first version, rather long"), "");
    ASSERT_EQ(writeFileAtomic(file, std::string_view("10 PRINT\0X", 10)), "");
    EXPECT_EQ(contents(file), std::string("10 PRINT\0X", 10));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
}

TEST(FileIo, AWriteThatRunsOutOfSpaceKeepsTheOldFileWhole) {
    // A file-size limit fails the write part-way through, as a full disk
    // would, and works for root too.
    TempFolder dir;
    const std::string file = dir / "game.qlo";
    ASSERT_EQ(writeFileAtomic(file, "precious"), "");
    struct rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &tight);
    const std::string reason = writeFileAtomic(file, std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(contents(file), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1) << "no temporary left";
}

TEST(FileIo, WriteIntoAMissingFolderReportsAReason) {
    TempFolder dir;
    const std::string reason = writeFileAtomic(dir / "no/such/folder/x.qlo", "text");
    EXPECT_FALSE(reason.empty());
}


TEST(FileIo, ReadRefusesFilesAboveTheCapAndKeepsZeroBytes) {
    TempFolder dir;
    const std::string file = dir / "big.bas";
    { std::ofstream(file, std::ios::binary) << std::string(1000, 'a'); }
    const auto refused = readFile(file, 999);
    EXPECT_EQ(refused.status, ReadResult::Status::TooLarge);
    EXPECT_EQ(refused.size, 1000u);
    EXPECT_TRUE(refused.data.empty());
    EXPECT_EQ(readFile(file, 1000).data.size(), 1000u);

    const std::string withZero = dir / "zero.bas";
    { std::ofstream(withZero, std::ios::binary) << std::string("10 REM\0after", 12); }
    EXPECT_EQ(readFile(withZero).data.size(), 12u);

    EXPECT_EQ(readFile(dir / "missing").status, ReadResult::Status::NotFound);
    EXPECT_EQ(readFile(dir.path()).status, ReadResult::Status::CannotOpen);
}

TEST(FileIo, AtomicWriteKeepsTheFilesPermissions) {
    TempFolder dir;
    const std::string file = dir / "run.sh";
    ASSERT_EQ(writeFileAtomic(file, "a"), "");
    ::chmod(file.c_str(), 0750);
    ASSERT_EQ(writeFileAtomic(file, "b"), "");
    struct stat st{};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0750u);
}
