#include "pipeline/packer_commands.h"

#include "common/file_io.h"
#include "common/paths.h"

namespace quillo {

namespace {

std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out += text;
    out += '"';
    return out;
}

std::string commandText(const std::string& program, const std::string& argumentText) {
    return quoted(program) + " " + argumentText;
}

}  // namespace

Packer packerOf(BufferOperation operation) {
    switch (operation) {
    case BufferOperation::ApLibPack: return Packer::ApLib;
    case BufferOperation::ExomizerPack: return Packer::Exomizer;
    default: return Packer::MegaLz;
    }
}

std::string_view packedSuffix(Packer packer) {
    switch (packer) {
    case Packer::MegaLz: return ".mlz";
    case Packer::ApLib: return ".apl";
    case Packer::Exomizer: return ".exo";
    }
    return "";
}

bool isPackerConfigured(const std::string& path) { return !path.empty() && fileSize(path) > 0; }

PackerRun bufferPackerRun(BufferOperation operation, const std::string& program, const std::string& folder) {
    PackerRun run{program, {}, folder, folder + "temp.bin", folder + "temp.out", {}};
    switch (operation) {
    case BufferOperation::ExomizerPack:
        // Relative to the working folder, as the packer has always been given them.
        run.outputFile = folder + "output.bin";
        run.arguments = {"raw", "temp.bin", "-b", "-o", "output.bin"};
        run.commandText = commandText(program, "raw \"temp.bin\" -b -o \"output.bin\"");
        break;
    case BufferOperation::MegaLzUnpack:
        run.arguments = {"-d", run.inputFile, run.outputFile};
        run.commandText = commandText(program, "-d " + quoted(run.inputFile) + " " + quoted(run.outputFile));
        break;
    default:
        run.arguments = {run.inputFile, run.outputFile};
        run.commandText = commandText(program, quoted(run.inputFile) + " " + quoted(run.outputFile));
        break;
    }
    return run;
}

PackerRun binaryPackerRun(Packer packer, const std::string& program, const std::string& file,
                          const std::string& folder) {
    const std::string output = folder + std::string(fileNameOf(file)) + std::string(packedSuffix(packer));
    PackerRun run{program, {}, folder, file, output, {}};
    if (packer == Packer::Exomizer) {
        // The option text between the names is empty: two blanks, no argument.
        run.arguments = {"raw", file, "-o", output};
        run.commandText = commandText(program, "raw " + quoted(file) + "  -o " + quoted(output));
    } else {
        run.arguments = {file, output};
        run.commandText = commandText(program, quoted(file) + " " + quoted(output));
    }
    return run;
}

std::string unpackLogText(const PackerRun& run) { return run.commandText + "," + run.workingFolder; }

std::string packedText(std::size_t input, std::size_t output, bool unpacked) {
    return std::to_string(input) + " Bytes of data was " + (unpacked ? "decompressed" : "compressed") + " to " +
           std::to_string(output) + " Bytes";
}

std::string packerFailure(ProcessOutcome outcome, int exitCode, const std::string& errorText,
                          long long outputSize, bool unpack) {
    std::string reason;
    switch (outcome) {
    case ProcessOutcome::FailedToStart:
        reason = "the packer could not be started" + (errorText.empty() ? "" : " (" + errorText + ")");
        break;
    case ProcessOutcome::Crashed: reason = "the packer crashed"; break;
    case ProcessOutcome::Stopped: reason = "the packer was stopped"; break;
    case ProcessOutcome::Exited:
        if (exitCode != 0)
            reason = "the packer ended with exit code " + std::to_string(exitCode);
        else if (outputSize < 0)
            reason = "the packer wrote no output file";
        else if (outputSize == 0)
            reason = "the packer's output file is empty";
        break;
    }
    if (reason.empty()) return reason;
    if (outcome == ProcessOutcome::Exited && !errorText.empty()) reason += ": " + errorText;
    return std::string(unpack ? "decompression failed: " : "compression failed: ") + reason;
}

}  // namespace quillo
