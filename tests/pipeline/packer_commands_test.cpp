#include "pipeline/packer_commands.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using Args = std::vector<std::string>;

TEST(PackerCommands, BufferCommandLines) {
    const PackerRun pack = bufferPackerRun(BufferOperation::ApLibPack, "/p/apack", "/t/");
    EXPECT_EQ(pack.arguments, (Args{"/t/temp.bin", "/t/temp.out"}));
    EXPECT_EQ(pack.commandText, "\"/p/apack\" \"/t/temp.bin\" \"/t/temp.out\"");
    EXPECT_EQ(pack.workingFolder, "/t/");
    const PackerRun unpack = bufferPackerRun(BufferOperation::MegaLzUnpack, "/p/mlz", "/t/");
    EXPECT_EQ(unpack.arguments, (Args{"-d", "/t/temp.bin", "/t/temp.out"}));
    EXPECT_EQ(unpackLogText(unpack), "\"/p/mlz\" -d \"/t/temp.bin\" \"/t/temp.out\",/t/");
    const PackerRun exo = bufferPackerRun(BufferOperation::ExomizerPack, "/p/exo", "/t/");
    EXPECT_EQ(exo.arguments, (Args{"raw", "temp.bin", "-b", "-o", "output.bin"}));
    EXPECT_EQ(exo.inputFile, "/t/temp.bin");
    EXPECT_EQ(exo.outputFile, "/t/output.bin");
}

TEST(PackerCommands, BinaryCommandLines) {
    const PackerRun mlz = binaryPackerRun(Packer::MegaLz, "/p/mlz", "/zx/gfx.bin", "/t/");
    EXPECT_EQ(mlz.arguments, (Args{"/zx/gfx.bin", "/t/gfx.bin.mlz"}));
    const PackerRun exo = binaryPackerRun(Packer::Exomizer, "/p/exo", "/zx/gfx.bin", "/t/");
    EXPECT_EQ(exo.arguments, (Args{"raw", "/zx/gfx.bin", "-o", "/t/gfx.bin.exo"}));
    EXPECT_EQ(exo.commandText, "\"/p/exo\" raw \"/zx/gfx.bin\"  -o \"/t/gfx.bin.exo\"");
    EXPECT_EQ(packedSuffix(Packer::MegaLz), ".mlz");
    EXPECT_EQ(packedSuffix(Packer::ApLib), ".apl");
    EXPECT_EQ(packedSuffix(Packer::Exomizer), ".exo");
}

TEST(PackerCommands, FailuresNameTheExitCodeOrTheError) {
    EXPECT_EQ(packerFailure(ProcessOutcome::Exited, 0, "", 10, false), "");
    EXPECT_EQ(packerFailure(ProcessOutcome::Exited, 3, "bad input", 10, false),
              "compression failed: the packer ended with exit code 3: bad input");
    EXPECT_EQ(packerFailure(ProcessOutcome::Exited, 0, "", -1, false),
              "compression failed: the packer wrote no output file");
    EXPECT_EQ(packerFailure(ProcessOutcome::Exited, 0, "", 0, true),
              "decompression failed: the packer's output file is empty");
    EXPECT_EQ(packerFailure(ProcessOutcome::FailedToStart, -1, "No such file", -1, false),
              "compression failed: the packer could not be started (No such file)");
    EXPECT_EQ(packedText(32, 20, false), "32 Bytes of data was compressed to 20 Bytes");
}

}  // namespace
}  // namespace quillo
