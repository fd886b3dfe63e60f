#pragma once
// The body of every fuzz target, callable from the fuzzers and from the
// regression test that replays kept inputs in the normal test run. Each one
// aborts when an invariant of the code it drives does not hold.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quillo::fuzz {

struct Entry {
    std::string_view name;  // the target's name without "_fuzz"
    void (*run)(const std::uint8_t* data, std::size_t size);
};

std::span<const Entry> entries();
const Entry* entry(std::string_view name);

}  // namespace quillo::fuzz

// One fuzz target: its file is just QUILLO_FUZZ_TARGET(name).
#define QUILLO_FUZZ_TARGET(name)                                                      \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        quillo::fuzz::entry(#name)->run(data, size);                                   \
        return 0;                                                                      \
    }
