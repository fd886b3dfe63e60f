#pragma once
// The command lines of the outside packers (MegaLZ, ApLib, Exomizer), their
// working files and their messages. Every run happens in a private folder of
// its own, so no file of the user's is ever written or deleted by a packer.
#include "common/process_outcome.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

enum class Packer { MegaLz, ApLib, Exomizer };

// The DEFB commands: the selection's bytes through a packer.
enum class BufferOperation { MegaLzPack, MegaLzUnpack, ApLibPack, ExomizerPack };

Packer packerOf(BufferOperation operation);
// ".mlz", ".apl", ".exo": the packed binary's name is its file's plus this.
std::string_view packedSuffix(Packer packer);
// A packer is configured when its path names a file that is not empty.
bool isPackerConfigured(const std::string& path);

struct PackerRun {
    std::string program;
    std::vector<std::string> arguments;  // unquoted, one entry each
    std::string workingFolder;
    std::string inputFile;   // the bytes to pack go here first (buffer runs)
    std::string outputFile;  // what the packer writes
    std::string commandText;  // quoted program and the argument text, as the panel shows it
};

// A buffer run in folder (ending with '/'): input folder + "temp.bin",
// output folder + "temp.out", or "output.bin" for Exomizer.
PackerRun bufferPackerRun(BufferOperation operation, const std::string& program, const std::string& folder);
// A binary file's run: the file packed into folder (ending with '/') under
// its own name plus the packer's suffix.
PackerRun binaryPackerRun(Packer packer, const std::string& program, const std::string& file,
                          const std::string& folder);

// The unpack log line (after the log prefix): the command and ",", folder.
std::string unpackLogText(const PackerRun& run);

// "n Bytes of data was compressed to m Bytes" (or "decompressed").
std::string packedText(std::size_t input, std::size_t output, bool unpacked);

// Why a run gave nothing: "compression failed: ..." with the exit code or
// the error text; empty when the packer exited with 0 and wrote outputSize
// bytes (outputSize < 0: no output file).
std::string packerFailure(ProcessOutcome outcome, int exitCode, const std::string& errorText,
                          long long outputSize, bool unpack);

}  // namespace quillo
