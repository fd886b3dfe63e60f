#pragma once
// One error value for every reader and writer: what went wrong, with which
// file, why, and where in it. The window layer turns it into a message box
// or a "FAIL: " log line in one place.
#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace quillo {

enum class ErrorCode {
    NotFound,     // the file does not exist
    CannotOpen,   // it exists but cannot be opened (permission, a folder...)
    TooLarge,     // above the reader's size limit; offset holds the size found
    ReadFailed,
    WriteFailed,  // includes a full disk and a refused rename
    Corrupt,      // the bytes are not a valid file of the kind; offset says where
    Invalid,      // a value or name the operation cannot take
};

struct Error {
    ErrorCode code = ErrorCode::Invalid;
    std::string path;      // the file concerned; may be empty
    std::string detail;    // the reason, for people
    std::int64_t offset = -1;

    // "detail" or "path: detail", naming the file once.
    std::string message() const;
};

// A value or the error that prevented it.
template <class T>
class Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const Error& error() const { return std::get<1>(state_); }

private:
    std::variant<T, Error> state_;
};

// Success or the error of an operation that yields nothing.
class Status {
public:
    Status() = default;
    Status(Error error) : error_(std::move(error)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }

private:
    Error error_;
    bool failed_ = false;
};

}  // namespace quillo
