#include "pipeline/zx0_command_line.h"

#include "common/byte_view.h"
#include "common/file_io.h"
#include "pipeline/packer_commands.h"

#include <ostream>

namespace quillo {

namespace {

// A stream can hardly be larger than what it unpacks to.
constexpr std::uintmax_t kMaxStreamFile = 1u << 20;

}  // namespace

std::string zx0Failure(const zx0::Error& error, bool unpack) {
    std::string text = std::string(unpack ? "decompression failed: " : "compression failed: ") + error.detail;
    if (unpack) text += ", after " + std::to_string(error.offset) + " bytes of the stream";
    return text;
}

std::string zx0DeltaText(const zx0::Packed& packed) {
    return "ZX0 delta " + std::to_string(packed.delta) + ": to unpack in place, the packed data must end " +
           std::to_string(packed.delta) + " bytes after the unpacked data";
}

bool isZx0CommandLine(std::span<const std::string> arguments) {
    return !arguments.empty() && (arguments[0] == "--zx0" || arguments[0] == "--dzx0");
}

int runZx0CommandLine(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
    const bool unpack = !arguments.empty() && arguments[0] == "--dzx0";
    const bool backwards = arguments.size() >= 2 && arguments[1] == "-b";
    if (!isZx0CommandLine(arguments) || arguments.size() != (backwards ? 4u : 3u)) {
        err << "usage: quillo --zx0 [-b] IN OUT   (pack; -b: backwards, for the ...Back decoders)\n"
               "       quillo --dzx0 [-b] IN OUT  (unpack)\n";
        return 2;
    }
    const std::string& in = arguments[arguments.size() - 2];
    const std::string& outFile = arguments[arguments.size() - 1];
    const Result<Bytes> input = readFile(in, unpack ? kMaxStreamFile : zx0::kMaxInput);
    if (!input) {
        err << "quillo: " << input.error().message() << "\n";
        return 1;
    }
    Bytes result;
    std::size_t delta = 0;
    if (unpack) {
        zx0::Unpacked unpacked = zx0::decompress(*input, backwards);
        if (!unpacked.ok()) {
            err << "quillo: " << in << ": " << zx0Failure(unpacked.error, true) << "\n";
            return 1;
        }
        result = std::move(unpacked.bytes);
    } else {
        zx0::Packed packed = zx0::compress(*input, backwards);
        if (!packed.ok()) {
            err << "quillo: " << in << ": " << zx0Failure(packed.error, false) << "\n";
            return 1;
        }
        result = std::move(packed.bytes);
        delta = packed.delta;
    }
    if (const Status written = writeFileAtomic(outFile, asText(result)); !written) {
        err << "quillo: " << written.error().message() << "\n";
        return 1;
    }
    out << in << ": " << packedText(input->size(), result.size(), unpack);
    if (!unpack) out << ", delta " << delta;
    out << "\n";
    return 0;
}

}  // namespace quillo
