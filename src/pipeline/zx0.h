#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// ZX0 (format version 2) packing for the ZX Spectrum decompressors of the
// compiler's zx0.bas library: dzx0Standard/Turbo/Mega read the forwards
// stream, dzx0StandardBack/TurboBack the backwards one.
namespace quillo::zx0 {

// The Spectrum's address space: nothing larger can be unpacked there, and it
// keeps every block length within the decompressors' 16-bit counters.
inline constexpr std::size_t kMaxInput = 65535;
// What decompress() produces at most unless told otherwise.
inline constexpr std::size_t kDefaultOutputLimit = 16 * 1024 * 1024;

enum class ErrorCode {
    None,
    EmptyInput,      // the format has no way to say "nothing"
    InputTooLarge,   // more than kMaxInput bytes
    Cancelled,       // the progress hook asked to stop
    Truncated,       // the stream ended inside a block
    BadOffset,       // a copy reaches before the start of the output
    BadLength,       // a length or offset code too long to be real
    OutputTooLarge,  // the output would pass the caller's limit
};

struct Error {
    ErrorCode code = ErrorCode::None;
    std::string detail;       // for a person, in English
    std::size_t offset = 0;   // stream bytes read when decoding broke, from the end
                              // for a backwards stream (decompress only)
};

struct Packed {
    Error error;
    std::vector<std::uint8_t> bytes;
    // In-place unpacking needs the packed data to end at least this many
    // bytes after the unpacked data's end.
    std::size_t delta = 0;
    bool ok() const { return error.code == ErrorCode::None; }
};

struct Unpacked {
    Error error;
    std::vector<std::uint8_t> bytes;  // what was produced up to the error, if any
    std::size_t used = 0;             // stream bytes read, end marker included
    bool ok() const { return error.code == ErrorCode::None; }
};

// Called now and then with the bytes parsed so far; returning false cancels.
// It runs on the compressing thread.
using Progress = std::function<bool(std::size_t done, std::size_t total)>;

// The smallest stream the format allows for input (an optimal parse).
// Thread-safe: all state lives in the call.
Packed compress(std::span<const std::uint8_t> input, bool backwards, const Progress& progress = {});

// Checked decoding: corrupt or truncated input gives an error, never a read
// past the end, and never more than outputLimit bytes.
Unpacked decompress(std::span<const std::uint8_t> stream, bool backwards,
                    std::size_t outputLimit = kDefaultOutputLimit);

}  // namespace quillo::zx0
