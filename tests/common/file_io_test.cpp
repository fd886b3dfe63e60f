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
    return r ? std::string(r->begin(), r->end()) : std::string();
}

}  // namespace

TEST(FileIo, AtomicWriteReplacesTheFileAndLeavesNoTemporaryBehind) {
    TempFolder dir;
    const std::string file = dir / "game.qlo";
    ASSERT_TRUE(writeFileAtomic(file, "first version, rather long").ok());
    ASSERT_TRUE(writeFileAtomic(file, std::string_view("10 PRINT\0X", 10)).ok());
    EXPECT_EQ(contents(file), std::string("10 PRINT\0X", 10));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
}

TEST(FileIo, AWriteThatRunsOutOfSpaceKeepsTheOldFileWhole) {
    // A file-size limit fails the write part-way through, as a full disk
    // would, and works for root too.
    TempFolder dir;
    const std::string file = dir / "game.qlo";
    ASSERT_TRUE(writeFileAtomic(file, "precious").ok());
    struct rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &tight);
    const Status written = writeFileAtomic(file, std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(written.error().code, ErrorCode::WriteFailed);
    EXPECT_EQ(contents(file), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1) << "no temporary left";
}

TEST(FileIo, WriteIntoAMissingFolderReportsAReason) {
    TempFolder dir;
    const Status written = writeFileAtomic(dir / "no/such/folder/x.qlo", "text");
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().path, dir / "no/such/folder/x.qlo");
    EXPECT_FALSE(written.error().detail.empty());
}


TEST(FileIo, ReadRefusesFilesAboveTheCapAndKeepsZeroBytes) {
    TempFolder dir;
    const std::string file = dir / "big.bas";
    { std::ofstream(file, std::ios::binary) << std::string(1000, 'a'); }
    const auto refused = readFile(file, 999);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().code, ErrorCode::TooLarge);
    EXPECT_EQ(refused.error().offset, 1000) << "the size found";
    EXPECT_EQ(readFile(file, 1000)->size(), 1000u);
    EXPECT_EQ(readFilePrefix(file, 10)->size(), 10u);
    EXPECT_EQ(readFilePrefix(file, 5000)->size(), 1000u);

    const std::string withZero = dir / "zero.bas";
    { std::ofstream(withZero, std::ios::binary) << std::string("10 REM\0after", 12); }
    EXPECT_EQ(readFile(withZero)->size(), 12u);

    EXPECT_EQ(readFile(dir / "missing").error().code, ErrorCode::NotFound);
    EXPECT_EQ(readFile(dir.path()).error().code, ErrorCode::CannotOpen);
    EXPECT_EQ(readFile(dir / "missing").error().message().find(dir / "missing"), 0u) << "names the file";
}

TEST(FileIo, AtomicWriteKeepsTheFilesPermissions) {
    TempFolder dir;
    const std::string file = dir / "run.sh";
    ASSERT_TRUE(writeFileAtomic(file, "a").ok());
    ::chmod(file.c_str(), 0750);
    ASSERT_TRUE(writeFileAtomic(file, "b").ok());
    struct stat st{};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0750u);
}

TEST(FileIo, OnlyRegularFilesAreReadAndNothingBlocks) {
    TempFolder dir;
    const std::string fifo = dir / "pipe.bas";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Nobody writes to the pipe: an open() without O_NONBLOCK would hang here.
    const auto fromPipe = readFile(fifo);
    ASSERT_FALSE(fromPipe.ok());
    EXPECT_EQ(fromPipe.error().message(), fifo + ": is a pipe, not a regular file");
    EXPECT_FALSE(readFilePrefix(fifo, 10).ok());
    EXPECT_EQ(readFile("/dev/zero").error().message(), "/dev/zero: is a device, not a regular file");
    EXPECT_EQ(readFile(dir.path()).error().message(), dir.path() + ": is a folder, not a file");
}

TEST(FileIo, SavingThroughASymbolicLinkReplacesItsTarget) {
    TempFolder dir;
    fs::create_directory(dir / "real");
    const std::string target = dir / "real/game.bas";
    ASSERT_TRUE(writeFileAtomic(target, "old").ok());
    ::chmod(target.c_str(), 0640);
    const std::string link = dir / "game.bas";
    fs::create_symlink("real/game.bas", link);
    ASSERT_TRUE(writeFileAtomic(link, "new text").ok());
    EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
    EXPECT_EQ(contents(target), "new text");
    struct stat st{};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator{}), 1);

    // A link to a device is refused rather than replaced by a regular file.
    const std::string toDevice = dir / "zero.bas";
    fs::create_symlink("/dev/zero", toDevice);
    const Status refused = writeFileAtomic(toDevice, "x");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message(), toDevice + ": is a device, not a regular file");
    EXPECT_TRUE(fs::is_symlink(toDevice));
    EXPECT_FALSE(writeFileAtomic(dir / "real", "x").ok()) << "a folder is never replaced";
}

TEST(FileIo, TemporariesLeftByAKilledSaveGoAtTheNextSaveOfThatFile) {
    TempFolder dir;
    const std::string file = dir / "game.bas";
    const std::string stale = dir / ".game.bas.quillo-save-Ab12Cd";
    const std::string otherFiles = dir / ".other.bas.quillo-save-Ab12Cd";
    const std::string userFile = dir / ".game.bas.quillo-save-notes.txt";
    for (const auto& p : {stale, otherFiles, userFile}) { std::ofstream(p) << "partial"; }
    ASSERT_TRUE(writeFileAtomic(file, "text").ok());
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(otherFiles)) << "another file's temporary may still be in use";
    EXPECT_TRUE(fs::exists(userFile)) << "only names of the exact temporary shape";
}
