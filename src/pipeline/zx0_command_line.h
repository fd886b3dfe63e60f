#pragma once
// "quillo --zx0 [-b] IN OUT" and "quillo --dzx0 [-b] IN OUT": the built-in
// ZX0 packer for scripts, without a window; and the texts the packer's
// messages share with the menu commands.
#include "pipeline/zx0.h"

#include <iosfwd>
#include <span>
#include <string>

namespace quillo {

// "compression failed: why" or "decompression failed: why, after n bytes
// of the stream".
std::string zx0Failure(const zx0::Error& error, bool unpack);
// The in-place figure of a packed result, for the log.
std::string zx0DeltaText(const zx0::Packed& packed);

// True when the first argument after the program names one of these commands.
bool isZx0CommandLine(std::span<const std::string> arguments);
// arguments: everything after the program name. 0 when OUT was written;
// 2 for a wrong command line, 1 for anything else, with a message on err
// naming the file.
int runZx0CommandLine(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace quillo
