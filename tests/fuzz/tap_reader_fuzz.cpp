// Feeds arbitrary bytes to the TAP reader: listing and reading blocks must
// never read past the input, never loop and never allocate beyond it, and
// every listed header must have a readable data block.
#include "pipeline/tap_reader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> tape(data, size);
    const auto rows = quillo::listTapHeaders(tape);
    if (rows.size() * 25 > size) std::abort();  // a header and its block take 25 bytes at least
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto block = quillo::readTapBlock(tape, static_cast<int>(i));
        if (!block || block->size() > size) std::abort();
    }
    if (quillo::readTapBlock(tape, static_cast<int>(rows.size()))) std::abort();
    return 0;
}
