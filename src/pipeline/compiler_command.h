#pragma once
#include "app/document.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

class Settings;

// What each OutputType asks of the compiler and of the tape writer.
struct OutputKind {
    std::string_view panelText;
    std::string_view typeFlag;         // " -A" for assembler output
    std::string_view outputExtension;  // what the compiler writes
    std::string_view tapeExtension;    // what the tape writer writes; empty: no tape
    int freeMemoryOverhead;            // loader bytes counted by the free-memory figure
};

// The kind for a stored OutputType; values past ASM are treated as BIN, so
// a damaged project file never leads to a tape nobody asked for.
const OutputKind& outputKind(int outputType);
bool writesTape(int outputType);
bool writesAssembler(int outputType);

inline constexpr std::int32_t kDefaultHeapSize = 4768;

// The compiler options in their fixed order, each with its leading blank.
std::string optionText(const Document& doc);
// " --sinclair" for the ZX Spectrum library, else empty.
std::string libraryText(const Document& doc);
// " -O n " for levels 0 ("None") to 3 and a single blank otherwise.
std::string optimisationText(int level);

// The files one build reads and writes.
struct BuildPaths {
    std::string sourceFolder;  // the compiler's working folder, with trailing '/'; empty for a new document
    std::string source;        // folder + name + "." + suffix
    std::string sourceCopy;    // folder + "temp." + suffix: what the compiler reads
    std::string outputBase;    // OutputFile; a relative one is taken inside the source folder
    std::string compiledFile;  // outputBase + the output extension
};
BuildPaths buildPaths(const Document& doc, std::string_view suffix);

struct CompilerCommand {
    std::string program;                 // what is started: the compiler, or python3 for a .py compiler
    std::vector<std::string> arguments;  // one entry per argument, unquoted
    std::string argumentText;            // the arguments as one text with quoted paths
    std::string logText;                 // compiler path, a blank, argumentText
    std::string workingFolder;
};

// The build's command line. The text form is what the output panel shows;
// the process gets the argument list, so blanks and quotes in paths are safe.
CompilerCommand compilerCommand(const Document& doc, const BuildPaths& paths, const std::string& compilerPath);
// The compiler with the single argument --version, no working folder.
CompilerCommand versionCommand(const std::string& compilerPath);

// CompilerZXB, or CompilerZXB2 when Used_Compiler is 1.
const std::string& selectedCompiler(const Settings& settings);
// A non-empty path naming a file of more than 0 bytes.
bool compilerPresent(const std::string& path);
// Compilers shipped as Python scripts are run through python3.
bool isPythonScript(std::string_view path);

inline constexpr std::string_view kPythonInterpreter = "python3";

}  // namespace quillo
