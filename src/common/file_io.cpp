#include "common/file_io.h"

#include "common/paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillo {

namespace {

// Closes a descriptor on every path out of a function.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { if (fd_ >= 0) ::close(fd_); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { const int fd = fd_; fd_ = -1; return fd; }
    void reset(int fd) { if (fd_ >= 0) ::close(fd_); fd_ = fd; }
private:
    int fd_;
};

std::string describe(const char* what, int err) { return std::string(what) + ": " + std::strerror(err); }

std::string notRegularReason(mode_t mode) {
    if (S_ISDIR(mode)) return "is a folder, not a file";
    if (S_ISFIFO(mode)) return "is a pipe, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device, not a regular file";
    if (S_ISSOCK(mode)) return "is a socket, not a regular file";
    return "is not a regular file";
}

bool writeAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t newFileMode(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

namespace {

Error readError(ErrorCode code, const std::string& path, const char* what, int err) {
    return {code, path, describe(what, err)};
}

// Reads up to limit bytes of an open file; fewer when it ends (or shrinks) first.
Result<Bytes> readUpTo(int fd, const std::string& path, std::size_t limit) {
    Bytes data(limit);
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::read(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return readError(ErrorCode::ReadFailed, path, "cannot read", errno);
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    data.resize(done);
    return data;
}

// Only regular files are read: a FIFO or a device would block in open() or
// never end, so the type is checked before opening, and again on the open
// descriptor (opened non-blocking) in case the name was swapped in between.
Result<std::uintmax_t> openForReading(const std::string& path, Fd& fd) {
    struct stat st{};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return Error{ErrorCode::CannotOpen, path, notRegularReason(st.st_mode)};
    fd.reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        const int err = errno;
        return readError(err == ENOENT ? ErrorCode::NotFound : ErrorCode::CannotOpen, path, "cannot open", err);
    }
    if (::fstat(fd.get(), &st) != 0) return readError(ErrorCode::CannotOpen, path, "cannot open", errno);
    if (!S_ISREG(st.st_mode)) return Error{ErrorCode::CannotOpen, path, notRegularReason(st.st_mode)};
    return static_cast<std::uintmax_t>(st.st_size);
}

}  // namespace

Result<Bytes> readFile(const std::string& path, std::uintmax_t maxSize) {
    Fd fd(-1);
    const Result<std::uintmax_t> size = openForReading(path, fd);
    if (!size) return size.error();
    if (*size > maxSize)
        return Error{ErrorCode::TooLarge, path, "is " + std::to_string(*size) + " bytes long, more than the " + std::to_string(maxSize) + " bytes allowed",
                     static_cast<std::int64_t>(*size)};
    return readUpTo(fd.get(), path, static_cast<std::size_t>(*size));
}

Result<Bytes> readFilePrefix(const std::string& path, std::size_t count) {
    Fd fd(-1);
    const Result<std::uintmax_t> size = openForReading(path, fd);
    if (!size) return size.error();
    return readUpTo(fd.get(), path, static_cast<std::size_t>(std::min<std::uintmax_t>(*size, count)));
}

namespace {

constexpr std::string_view kTempTag = ".quillo-save-";
constexpr std::size_t kTempRandomLength = 6;  // mkostemp's XXXXXX

// Temporaries are named ".NAME.quillo-save-XXXXXX" beside the file they
// replace, so a user can tell what they are and the next save of the same
// file can find the ones a killed run left behind. Long names are cut to keep
// the whole name within the file system's limit.
std::string tempPrefix(const std::string& target) {
    const std::string name(fileNameOf(target).substr(0, 200));
    return folderOrCurrent(target) + "." + name + std::string(kTempTag);
}

void removeStaleTemporaries(const std::string& target) {
    const std::string prefix = tempPrefix(target);
    const std::string folder = folderOrCurrent(target);
    const std::string namePrefix = prefix.substr(folder.size());
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() != namePrefix.size() + kTempRandomLength || !name.starts_with(namePrefix)) continue;
        const std::string path = folder + std::string(name);
        struct stat st{};
        // Only our own regular files: never a link, never someone else's.
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

// The file a save really replaces: a symbolic link is followed (through any
// chain of links) so the link stays a link and its target gets the text.
Result<std::string> saveTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st{};
        if (::lstat(target.c_str(), &st) != 0) return target;  // a new file
        if (S_ISREG(st.st_mode)) return target;
        if (!S_ISLNK(st.st_mode)) return Error{ErrorCode::WriteFailed, path, notRegularReason(st.st_mode)};
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) return Error{ErrorCode::WriteFailed, path, describe("cannot follow the link", errno)};
        link.resize(static_cast<std::size_t>(n));
        target = link.starts_with('/') ? link : folderOf(target) + link;
    }
    return Error{ErrorCode::WriteFailed, path, describe("cannot follow the link", ELOOP)};
}

}  // namespace

Status writeFileAtomic(const std::string& path, std::string_view data) {
    const Result<std::string> resolved = saveTarget(path);
    if (!resolved) return resolved.error();
    const std::string& target = *resolved;
    removeStaleTemporaries(target);
    const mode_t mode = newFileMode(target);
    std::string tempPath = tempPrefix(target) + std::string(kTempRandomLength, 'X');
    Fd fd(::mkostemp(tempPath.data(), O_CLOEXEC));
    if (fd.get() < 0) return Error{ErrorCode::WriteFailed, path, describe("cannot create a file in the folder", errno)};
    const auto fail = [&](const char* what) {
        const int err = errno;
        ::unlink(tempPath.c_str());
        return Error{ErrorCode::WriteFailed, path, describe(what, err)};
    };
    if (!writeAll(fd.get(), data)) return fail("cannot write");
    if (::fchmod(fd.get(), mode) != 0) return fail("cannot set permissions");
    if (::fsync(fd.get()) != 0) return fail("cannot write");
    if (::close(fd.release()) != 0) return fail("cannot write");
    if (::rename(tempPath.c_str(), target.c_str()) != 0) return fail("cannot replace the file");
    return {};
}

bool isDirectory(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool fileExists(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0;
}

long long fileSize(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return static_cast<long long>(st.st_size);
}

}  // namespace quillo
