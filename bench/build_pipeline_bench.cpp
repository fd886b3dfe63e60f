// The IDE's share of a build, and the tape writer.
//
// BM_CompilerAlone runs the stand-in compiler (a shell script that writes
// its output file and exits) exactly as the build starts it; BM_PipelineBuild
// runs a whole build around it: saving the editor text and the temporary
// copy, the binary list, the command line, collecting and parsing the
// output, markers, the free-byte count, placing three binaries and writing
// the tape. The difference is what the IDE adds.
#include "app/settings.h"
#include "pipeline/compiler_command.h"
#include "pipeline/tape_layout.h"
#include "pipeline/build_host.h"
#include "pipeline/ui/build_pipeline.h"
#include "common/file_io.h"
#include "editor/ui/source_editor.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace quillo {
namespace {

constexpr const char* kFakeCompiler =
    "#!/bin/sh\n"
    "# Writes 4000 bytes to the file after -o and exits.\n"
    "while [ $# -gt 0 ]; do\n"
    "  if [ \"$1\" = \"-o\" ]; then printf '%4000s' '' > \"$2\"; fi\n"
    "  shift\n"
    "done\n";

std::string source(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "10 PRINT AT " + std::to_string(i % 22) + ",0;\"Line " + std::to_string(i) + "\": LET a = a + 1\n";
    return text;
}

class BenchHost : public BuildHost {
public:
    explicit BenchHost(int lines) : settings_(QDir::homePath().toStdString() + "/") {
        const std::string folder = dir_.path().toStdString() + "/";
        const std::string compiler = folder + "fake_zxbc";
        writeFileAtomic(compiler, kFakeCompiler);
        QFile::setPermissions(QString::fromStdString(compiler), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        settings_.set(Setting::CompilerZXB, compiler);
        settings_.set(Setting::Suffix, std::string("bas"));
        doc_.name = "game";
        doc_.folder = folder;
        doc_.outputFile = folder + "game";
        doc_.prgStart = 32768;
        doc_.heapsize = 4768;
        doc_.outputType = 1;
        doc_.inclLdr = 1;
        doc_.ldrAutostart = 1;
        doc_.author = "Bench";
        binaries_ = {
            {folder + "gfx.bin", 40000, 2048, 0, "gfx", 0, 8},
            {folder + "map.bin", 50000, 4096, 0, "map", 0, 9},
            {folder + "music.bin", 49152, 8192, 1, "music", 0, 13},
        };
        for (const BinaryRecord& r : binaries_) writeFileAtomic(r.file, std::string(static_cast<std::size_t>(r.size), 'b'));
        editor_.configure(settings_);
        editor_.setTextBytes(source(lines));
    }

    Document& document() override { return doc_; }
    ScintillaMessages* editor() override { return &editor_; }
    const Settings& settings() override { return settings_; }
    BinaryList& binaries() override { return binaries_; }
    RegionMap& regionMap() override { return *map_; }
    MemoryImage& memoryImage() override { return *image_; }
    void clearOutput() override { lines_ = 0; }
    void appendOutput(std::string_view) override { ++lines_; }
    void showMessage(const UserMessage&) override {}
    Status saveSource(const std::string& path) override { return writeFileAtomic(path, editor_.textView()); }

    const std::string& compiler() const { return settings_.text(Setting::CompilerZXB); }

private:
    QTemporaryDir dir_;
    Settings settings_;
    Document doc_;
    BinaryList binaries_;
    SourceEditor editor_;
    std::unique_ptr<RegionMap> map_ = std::make_unique<RegionMap>();
    std::unique_ptr<MemoryImage> image_ = std::make_unique<MemoryImage>();
    int lines_ = 0;
};

void BM_CompilerAlone(benchmark::State& state) {
    BenchHost host(static_cast<int>(state.range(0)));
    const CompilerCommand c =
        compilerCommand(host.document(), buildPaths(host.document(), "bas"), host.compiler());
    writeFileAtomic(buildPaths(host.document(), "bas").sourceCopy, source(static_cast<int>(state.range(0))));
    QStringList args;
    for (const std::string& a : c.arguments) args << QString::fromStdString(a);
    for (auto _ : state) {
        QProcess process;
        process.setWorkingDirectory(QString::fromStdString(c.workingFolder));
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        process.start(QString::fromStdString(c.program), args);
        loop.exec();
        if (process.exitCode() != 0) state.SkipWithError("the fake compiler failed");
    }
}
BENCHMARK(BM_CompilerAlone)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PipelineBuild(benchmark::State& state) {
    BenchHost host(static_cast<int>(state.range(0)));
    BuildPipeline pipeline(host);
    for (auto _ : state) {
        QEventLoop loop;
        const auto connection = QObject::connect(&pipeline, &BuildPipeline::finished, &loop, &QEventLoop::quit);
        pipeline.build();
        loop.exec();
        QObject::disconnect(connection);
        if (!pipeline.lastReport().tapeWritten) state.SkipWithError("no tape written");
    }
}
BENCHMARK(BM_PipelineBuild)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The tape step of a build: clearing the image, reading the compiled file
// and the three binaries, registering them, the loader and the tape file.
void BM_TapeWrite(benchmark::State& state) {
    BenchHost host(1);
    const BuildPaths paths = buildPaths(host.document(), "bas");
    writeFileAtomic(paths.compiledFile, std::string(4000, 'c'));
    for (auto _ : state) {
        host.regionMap().clear();
        host.regionMap().registerFixedRegions();
        const TapeOutcome outcome =
            writeTape(host.document(), paths, host.binaries(), host.memoryImage(), host.regionMap());
        if (!outcome.written) state.SkipWithError("no tape written");
    }
}
BENCHMARK(BM_TapeWrite)->Unit(benchmark::kMicrosecond);

// The tape bytes alone, from a placed build.
void BM_TapeImage(benchmark::State& state) {
    BenchHost host(1);
    const BuildPaths paths = buildPaths(host.document(), "bas");
    writeFileAtomic(paths.compiledFile, std::string(4000, 'c'));
    const PlacedBuild placed =
        placeBuild(host.document(), paths.compiledFile, host.binaries(), host.memoryImage(), host.regionMap());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            tapeImage(TapeFormat::Tzx, host.document(), placed, host.binaries(), host.memoryImage()));
}
BENCHMARK(BM_TapeImage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillo

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
