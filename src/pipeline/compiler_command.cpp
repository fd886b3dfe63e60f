#include "pipeline/compiler_command.h"

#include "app/settings.h"
#include "common/file_io.h"

#include <array>

namespace quillo {

namespace {

constexpr std::array<OutputKind, 4> kOutputKinds = {{
    {"BIN", "", ".bin", "", 0},
    {"TAP", "", ".bin", ".tap", 94},
    {"TZX", "", ".bin", ".tzx", 116},
    {"ASM", " -A", ".asm", "", -1},
}};

constexpr int kAsm = 3;

std::string quoted(std::string_view path) {
    std::string text;
    text.reserve(path.size() + 2);
    text.append(1, '"').append(path).append(1, '"');
    return text;
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// One option: its text piece (with the leading blank) and its argument.
struct Option {
    std::string argument;
    bool wanted;
};

std::vector<Option> options(const Document& d) {
    return {
        {"--array-base=" + std::to_string(d.arrayBase), d.arrayBase >= 1},
        {"--string-base=" + std::to_string(d.stringBase), d.stringBase >= 1},
        {"--heap-size=" + std::to_string(d.heapsize), d.heapsize != kDefaultHeapSize},
        {"--enable-break", d.enableBreak != 0},
        {"--debug-memory", d.memoryCheck != 0},
        {"--debug-array", d.arrayCheck != 0},
        {"--strict-bool", d.strictBool != 0},
        // The compiler rejects the misspelt --emmit-backend with a usage error.
        {"--emit-backend", d.backend != 0},
        {"--explicit", d.explicit_ != 0},
    };
}

bool sinclairLibrary(const Document& d) { return d.specialLib == 1; }
// "None" is level 0 and passed as such: without -O the compiler optimises at
// its own default level.
bool knownLevel(int level) { return level >= 0 && level <= 3; }

void startWith(CompilerCommand& c, const std::string& compilerPath) {
    if (isPythonScript(compilerPath)) {
        c.program = kPythonInterpreter;
        c.arguments.push_back(compilerPath);
    } else {
        c.program = compilerPath;
    }
}

}  // namespace

const OutputKind& outputKind(int outputType) {
    return kOutputKinds[outputType >= 0 && outputType <= kAsm ? static_cast<std::size_t>(outputType) : 0];
}

bool writesTape(int outputType) { return !outputKind(outputType).tapeExtension.empty(); }

bool writesAssembler(int outputType) { return outputType == kAsm; }

std::string optionText(const Document& doc) {
    std::string text;
    for (const Option& o : options(doc))
        if (o.wanted) text += " " + o.argument;
    return text;
}

std::string libraryText(const Document& doc) { return sinclairLibrary(doc) ? " --sinclair" : ""; }

std::string optimisationText(int level) {
    return knownLevel(level) ? " -O " + std::to_string(level) + " " : " ";
}

BuildPaths buildPaths(const Document& doc, std::string_view suffix) {
    BuildPaths p;
    p.sourceFolder = doc.folder;
    p.source = savePath(doc, suffix);
    p.sourceCopy = doc.folder + "temp." + std::string(suffix);
    // The compiler resolves a relative output path in its working folder;
    // the build must look for the file in the same place.
    p.outputBase = outputFilePath(doc, doc.folder);
    p.compiledFile = p.outputBase + std::string(outputKind(doc.outputType).outputExtension);
    return p;
}

CompilerCommand compilerCommand(const Document& doc, const BuildPaths& paths, const std::string& compilerPath) {
    CompilerCommand c;
    startWith(c, compilerPath);
    c.workingFolder = paths.sourceFolder;
    const std::string start = std::to_string(doc.prgStart);
    std::string typeFlag(outputKind(doc.outputType).typeFlag);
    if (doc.debug == 1) typeFlag += " -d";

    c.argumentText = quoted(paths.sourceCopy) + " -S " + start + typeFlag + " -o " + quoted(paths.compiledFile) +
                     optimisationText(doc.optimisation) + libraryText(doc) + optionText(doc);
    c.logText = compilerPath + " " + c.argumentText;

    auto& a = c.arguments;
    a.insert(a.end(), {paths.sourceCopy, "-S", start});
    if (doc.outputType == kAsm) a.push_back("-A");
    if (doc.debug == 1) a.push_back("-d");
    a.insert(a.end(), {"-o", paths.compiledFile});
    if (knownLevel(doc.optimisation)) a.insert(a.end(), {"-O", std::to_string(doc.optimisation)});
    if (sinclairLibrary(doc)) a.push_back("--sinclair");
    for (const Option& o : options(doc))
        if (o.wanted) a.push_back(o.argument);
    return c;
}

CompilerCommand versionCommand(const std::string& compilerPath) {
    CompilerCommand c;
    startWith(c, compilerPath);
    c.arguments.push_back("--version");
    c.argumentText = "--version";
    c.logText = quoted(compilerPath) + " --version";
    return c;
}

const std::string& selectedCompiler(const Settings& settings) {
    return settings.integer(Setting::Used_Compiler) == 1 ? settings.text(Setting::CompilerZXB2)
                                                         : settings.text(Setting::CompilerZXB);
}

bool compilerPresent(const std::string& path) { return !path.empty() && !isDirectory(path) && fileSize(path) > 0; }

bool isPythonScript(std::string_view path) { return endsWith(path, ".py"); }

}  // namespace quillo
