#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

class KeptOutput;

// One error or warning of the compiler, as the editor shows it.
struct CompilerMessage {
    enum class Kind { Error, Warning };
    Kind kind = Kind::Error;
    int line = 0;      // editor line, counted from 0
    std::string text;  // "Error:" or "Warning:" followed by the message as printed
    bool operator==(const CompilerMessage&) const = default;
};

// The names under which the compiler may report the file it compiled: the
// temporary copy it was given and the source it stands for. A relative name
// in a message is taken inside folder, the compiler's working folder.
struct CompiledFiles {
    std::string folder;
    std::vector<std::string> paths;
};

// Reads one output line of the form FILE:LINE: error: MESSAGE,
// FILE:LINE: warning: MESSAGE or FILE:LINE: MESSAGE. Empty for the system's
// own log lines, for lines without a line number, for line numbers below 1
// and for messages about other files (an included file's line numbers do
// not belong to the editor's text). A message is cut at its next colon.
std::optional<CompilerMessage> parseCompilerLine(std::string_view line, const CompiledFiles& files);

// Every message of the output, in output order, appended to messages.
void parseCompilerOutput(const KeptOutput& lines, const CompiledFiles& files, std::vector<CompilerMessage>& messages);

// True when FILE, as a message prints it, is one of the compiled files.
bool namesCompiledFile(std::string_view file, const CompiledFiles& files);

}  // namespace quillo
