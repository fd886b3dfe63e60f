#include "pipeline/build_session.h"

#include "common/kept_output.h"

#include "app/settings.h"
#include "common/file_io.h"
#include "common/log_line.h"
#include "common/sci_constants.h"
#include "pipeline/bmi_file.h"
#include "pipeline/build_host.h"
#include "pipeline/compiler_annotations.h"
#include "pipeline/free_memory.h"
#include "pipeline/tape_layout.h"

#include <algorithm>
#include <filesystem>

namespace quillo {

using namespace sci;

namespace {

constexpr std::string_view kCompilingStatus = "Compiling...";

// A stream's kept text and, when some did not fit, the note saying how much.
void appendStream(BuildHost& host, const KeptOutput& stream) {
    if (!stream.empty()) host.appendOutput(stream.text());
    if (const std::string note = stream.droppedNote(); !note.empty()) host.appendOutput(logLine(note));
}

// Lines as the editor counts them: one more than the line ends.
long long countLines(std::string_view text) {
    long long lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') ++lines;
        else if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) ++lines;
    }
    return lines;
}

UserMessage errorBox(std::string_view title, std::string_view text) {
    return {UserMessage::Icon::Error, std::string(title), std::string(text)};
}

}  // namespace

BuildSession::BuildSession(BuildHost& host) : host_(host) {}

void BuildSession::log(const std::string& text) { host_.appendOutput(logLine(text)); }

BuildSession::Start BuildSession::begin() {
    const Settings& settings = host_.settings();
    doc_ = host_.document();
    binaries_ = host_.binaries();
    paths_ = buildPaths(doc_, settings.text(Setting::Suffix));
    report_ = BuildReport{};
    if (const Status options = host_.projectOptions(); !options) {
        // Building with defaults would make a program nobody configured.
        log("FAIL: " + options.error().message());
        host_.showMessage(errorBox(kCopyFailedTitle, options.error().message() +
                                                         "\nNothing is built until its options can be read."));
        report_.exitCode = BuildReport::kNotStarted;
        return {command_, Start::Action::Stop};
    }

    const std::string bmiPath = binaryListPath(paths_.outputBase);
    const Status bmiSaved = saveBinaryList(bmiPath, binaries_);

    ScintillaMessages* editor = host_.editor();
    const bool saved = host_.saveSource(paths_.source).ok();
    if (saved) log("source " + paths_.source + " saved");
    if (editor) {
        doc_.caretPos = static_cast<std::int32_t>(editor->send(SCI_GETCURRENTPOS));
        host_.document().caretPos = doc_.caretPos;
    }

    RegionMap& map = host_.regionMap();
    map.clear();
    map.registerFixedRegions();
    // Annotations go with the markers: an earlier build's boxes must not
    // outlive its markers when this build produces no messages.
    if (editor) clearCompilerMarks(*editor);
    host_.clearOutput();
    if (!bmiSaved) log("FAIL: cannot write binary list " + bmiPath + ": " + bmiSaved.error().detail);

    long long lineCount = 0;
    if (editor) lineCount = editor->send(SCI_GETLINECOUNT);
    else if (const Result<Bytes> text = readFile(paths_.source, kMaxSourceSize); text)
        lineCount = countLines({reinterpret_cast<const char*>(text->data()), text->size()});

    const std::string& compiler = selectedCompiler(settings);
    command_ = compilerCommand(doc_, paths_, compiler);
    if (writesTape(doc_.outputType)) tapeExtension_ = outputKind(doc_.outputType).tapeExtension;

    host_.setBusy(true);
    if (editor) editor->send(SCI_SETCURSOR, static_cast<std::uintptr_t>(SC_CURSORWAIT));
    log("Compilation starts(" + std::to_string(lineCount) + " Lines) ");

    if (!saved || fileSize(paths_.source) <= 0) {
        log("Source " + paths_.source + " not saved. FAIL: cannot write source in directory (directory exists?)");
    } else {
        log("Source " + paths_.source + " saved");
        host_.markSaved();
    }
    // The compiler reads the copy: without it there is nothing to compile.
    const Status copied = host_.saveSource(paths_.sourceCopy);
    if (!copied || fileSize(paths_.sourceCopy) <= 0) {
        log("FAIL: cannot write source in temporary directory (directory exists?)");
        const std::string reason = copied ? "the file is empty" : copied.error().detail;
        host_.showMessage(errorBox(kCopyFailedTitle, "The temporary copy " + paths_.sourceCopy +
                                                         " could not be written: " + reason));
        report_.exitCode = BuildReport::kNotStarted;
        host_.setBusy(false);
        if (editor) editor->send(SCI_SETCURSOR, static_cast<std::uintptr_t>(SC_CURSORNORMAL));
        return {command_, Start::Action::Stop};
    }
    log(command_.logText);

    // The compiler writes nothing on an error; an earlier build's output
    // left in place would be taken for this build's and put on the tape.
    std::error_code ignored;
    if (std::filesystem::is_regular_file(paths_.compiledFile, ignored))
        std::filesystem::remove(paths_.compiledFile, ignored);

    host_.setStatusText(kCompilingStatus);
    started_ = std::chrono::steady_clock::now();
    // python3 starts even when the script is missing; a missing compiler is
    // a compiler that cannot be started.
    if (isPythonScript(compiler) && !compilerPresent(compiler)) return {command_, Start::Action::Missing};
    return {command_, Start::Action::Run};
}

void BuildSession::finish(ProcessOutcome outcome, int exitCode, const KeptOutput& out, const KeptOutput& err) {
    // The compiler's own time, without any message box shown after it.
    report_.milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_).count();
    host_.setStatusText({});
    switch (outcome) {
    case ProcessOutcome::FailedToStart:
        report_.exitCode = BuildReport::kNotStarted;
        host_.showMessage(errorBox(kCompilerErrorTitle, kCompilerErrorText));
        break;
    case ProcessOutcome::Stopped:
        report_.exitCode = BuildReport::kStopped;
        showCompilerOutput(outcome, exitCode, out, err);
        log("FAIL: Compilation stopped");
        break;
    case ProcessOutcome::Crashed:
        report_.exitCode = BuildReport::kCrashed;
        showCompilerOutput(outcome, exitCode, out, err);
        log("FAIL: Compiler crashed");
        markMessages(out, err);
        break;
    case ProcessOutcome::Exited:
        report_.exitCode = exitCode;
        showCompilerOutput(outcome, exitCode, out, err);
        log(exitCode == 0 ? "Done: Compilation successfull" : ": Compilation failed");
        markMessages(out, err);
        break;
    }

    ScintillaMessages* editor = host_.editor();
    const bool stopped = report_.exitCode == BuildReport::kStopped;
    const long long compiledSize = fileSize(paths_.compiledFile);
    report_.compiledFileWritten = compiledSize > 0;
    // Only a compiler that says it succeeded and wrote nothing is at fault
    // here; after errors there is no output by design.
    if (report_.exitCode == 0 && !report_.compiledFileWritten)
        log("FAIL: Compiler cannot write output file in directory (Protected Or does Not exist?)");
    host_.setBusy(false);

    // Assembler text and back-end code are no machine code: nothing of them
    // is placed in memory or counted as code.
    const bool machineCode = !writesAssembler(doc_.outputType) && doc_.backend == 0;
    report_.freeBytes = freeBytes(doc_.prgStart, machineCode ? compiledSize : 0, doc_.heapsize, doc_.outputType);
    doc_.freeMemory = report_.freeBytes;
    report_.runnable = machineCode;
    if (editor) editor->send(SCI_SETCURSOR, static_cast<std::uintptr_t>(SC_CURSORNORMAL));
    log("Compilation time: " + std::to_string(report_.milliseconds) + "ms");
    if (stopped) return;
    if (doc_.backend != 0 && report_.compiledFileWritten)
        log("Back-end code written to " + paths_.compiledFile + "; no tape is made from it");
    if (machineCode) placeAndWriteTape();
    else finishWithoutCode();
}

void BuildSession::finishWithoutCode() {
    host_.document().freeMemory = report_.freeBytes;
    host_.freeMemoryChanged(report_.freeBytes);
    if (doc_.displayMap != 0) host_.showMemoryMap();
}

// Standard output, standard output again behind the log prefix with the exit
// code, then standard error: shown for every exit code, since the compiler
// explains command-line and assembler failures there too.
void BuildSession::showCompilerOutput(ProcessOutcome outcome, int exitCode, const KeptOutput& out,
                                      const KeptOutput& err) {
    appendStream(host_, out);
    if (outcome == ProcessOutcome::Exited) {
        std::string withCode(out.text());
        if (!withCode.empty()) withCode += '\n';
        host_.appendOutput(logLine(withCode + "Exit code: " + std::to_string(exitCode)));
    }
    appendStream(host_, err);
}

void BuildSession::markMessages(const KeptOutput& out, const KeptOutput& err) {
    const CompiledFiles files{paths_.sourceFolder, {paths_.sourceCopy, paths_.source}};
    report_.messages.clear();
    parseCompilerOutput(out, files, report_.messages);
    parseCompilerOutput(err, files, report_.messages);
    if (ScintillaMessages* editor = host_.editor())
        applyCompilerMessages(*editor, report_.messages, host_.settings().integer(Setting::Error_Annotations) != 0);
    if (report_.exitCode != 0) host_.showMessage(errorBox(kCompileFailedTitle, kCompileFailedText));
}

void BuildSession::placeAndWriteTape() {
    TapeOutcome tape = writeTape(doc_, paths_, binaries_, host_.memoryImage(), host_.regionMap());
    report_.tapePath = tape.tapePath;
    report_.tapeWritten = tape.written;
    // Running would load the previous build's tape.
    if (writesTape(doc_.outputType) && !tape.written) report_.runnable = false;
    for (const std::string& line : tape.placed.log) log(line);
    for (const UserMessage& m : tape.placed.messages) host_.showMessage(m);
    host_.document().freeMemory = report_.freeBytes;
    host_.freeMemoryChanged(report_.freeBytes);
    if (doc_.displayMap != 0) host_.showMemoryMap();
}

std::optional<EmulatorCommand> BuildSession::beginRun() {
    const Document& doc = host_.document();
    const BuildPaths paths = buildPaths(doc, host_.settings().text(Setting::Suffix));
    // The tape of the project's own output kind, and only when it is there:
    // an emulator handed a file that does not exist shows nothing useful.
    const std::string extension(outputKind(doc.outputType).tapeExtension);
    if (extension.empty() || fileSize(paths.outputBase + extension) <= 0) {
        host_.showMessage({UserMessage::Icon::Information, std::string(kNoTapeTitle),
                           "There is no tape of " + paths.outputBase +
                               " yet: the program must be built first (Compile, F9)."});
        return std::nullopt;
    }
    EmulatorCommand command = emulatorCommand(host_.settings(), doc, paths.outputBase, extension);
    host_.appendOutput(command.panelLine);
    emulatorCaret_ = doc.caretPos;
    host_.setEmulatorRunning(true);
    return command;
}

void BuildSession::finishRun(bool started) {
    host_.setEmulatorRunning(false);
    if (ScintillaMessages* editor = host_.editor())
        editor->send(SCI_GOTOPOS, static_cast<std::uintptr_t>(std::max(emulatorCaret_, 0)));
    if (!started) host_.showMessage(errorBox(kEmulatorErrorTitle, kEmulatorErrorText));
}

std::optional<CompilerCommand> BuildSession::beginVersionCheck() {
    const std::string& compiler = selectedCompiler(host_.settings());
    if (!compilerPresent(compiler)) {
        host_.appendOutput(kCompilerNotFound);
        return std::nullopt;
    }
    return versionCommand(compiler);
}

std::string BuildSession::finishVersionCheck(const KeptOutput& out) {
    std::string version;
    for (std::size_t i = 0; i < out.size(); ++i) version += out.line(i);
    const std::string line = "ZX Basic Compiler version: " + version + " (at least version 1.3.0 s975 is needed)";
    host_.appendOutput(line);
    return line;
}

}  // namespace quillo
