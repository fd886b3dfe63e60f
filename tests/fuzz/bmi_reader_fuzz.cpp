// Feeds arbitrary bytes to the binary list reader: it must never read past
// the input, never allocate beyond it, and whatever it accepts must write
// back to the same bytes it was read from (minus any ignored tail).
#include "pipeline/bmi_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quillo::Result<quillo::BinaryList> read = quillo::parseBinaryList({data, size});
    if (!read.ok()) {
        if (read.error().offset < 0 || static_cast<std::size_t>(read.error().offset) > size) std::abort();
        return 0;
    }
    const std::string again = quillo::binaryListBytes(*read);
    if (again.size() > size || again.compare(0, again.size(), reinterpret_cast<const char*>(data), again.size()) != 0)
        std::abort();
    return 0;
}
