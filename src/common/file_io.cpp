#include "common/file_io.h"

#include "common/paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
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

Result<std::uintmax_t> openForReading(const std::string& path, Fd& fd) {
    fd.reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        const int err = errno;
        return readError(err == ENOENT ? ErrorCode::NotFound : ErrorCode::CannotOpen, path, "cannot open", err);
    }
    struct stat st{};
    if (::fstat(fd.get(), &st) != 0) return readError(ErrorCode::CannotOpen, path, "cannot open", errno);
    if (S_ISDIR(st.st_mode)) return readError(ErrorCode::CannotOpen, path, "cannot open", EISDIR);
    return static_cast<std::uintmax_t>(st.st_size);
}

}  // namespace

Result<Bytes> readFile(const std::string& path, std::uintmax_t maxSize) {
    Fd fd(-1);
    const Result<std::uintmax_t> size = openForReading(path, fd);
    if (!size) return size.error();
    if (*size > maxSize)
        return Error{ErrorCode::TooLarge, path, "larger than " + std::to_string(maxSize) + " bytes",
                     static_cast<std::int64_t>(*size)};
    return readUpTo(fd.get(), path, static_cast<std::size_t>(*size));
}

Result<Bytes> readFilePrefix(const std::string& path, std::size_t count) {
    Fd fd(-1);
    const Result<std::uintmax_t> size = openForReading(path, fd);
    if (!size) return size.error();
    return readUpTo(fd.get(), path, static_cast<std::size_t>(std::min<std::uintmax_t>(*size, count)));
}

Status writeFileAtomic(const std::string& path, std::string_view data) {
    const mode_t mode = newFileMode(path);
    std::string tempPath = folderOrCurrent(path) + ".quillo-save-XXXXXX";
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
    if (::rename(tempPath.c_str(), path.c_str()) != 0) return fail("cannot replace the file");
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
