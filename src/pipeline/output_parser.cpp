#include "pipeline/output_parser.h"

#include "common/kept_output.h"

#include "common/log_line.h"
#include "common/number_text.h"
#include "common/text.h"

#include <algorithm>
#include <filesystem>

namespace quillo {

namespace {

// The whole field as a number the way the decimal reader takes it (blanks,
// a sign, "$" hexadecimal or "%" binary), with nothing but blanks after it.
std::optional<long long> fieldNumber(std::string_view field) {
    return wholeNumber(field, {.hexDollar = true, .binaryPercent = true}, 12);
}

// The text up to the next colon (or the end), from pos.
std::string_view fieldAt(std::string_view line, std::size_t pos) {
    if (pos > line.size()) return {};
    const std::size_t end = line.find(':', pos);
    return line.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
}

std::filesystem::path normalised(std::string_view file, const std::string& folder) {
    std::filesystem::path p{std::string(file)};
    if (p.is_relative() && !folder.empty()) p = std::filesystem::path(folder) / p;
    return p.lexically_normal();
}

}  // namespace

bool namesCompiledFile(std::string_view file, const CompiledFiles& files) {
    if (trimmed(file).empty()) return false;
    const std::filesystem::path named = normalised(file, files.folder);
    return std::any_of(files.paths.begin(), files.paths.end(),
                       [&](const std::string& p) { return normalised(p, files.folder) == named; });
}

std::optional<CompilerMessage> parseCompilerLine(std::string_view line, const CompiledFiles& files) {
    if (isLogLine(line)) return std::nullopt;
    // The file name may hold colons itself, so it ends at the first colon
    // that is followed by a field holding only a number.
    for (std::size_t colon = line.find(':'); colon != std::string_view::npos; colon = line.find(':', colon + 1)) {
        const std::string_view numberField = fieldAt(line, colon + 1);
        const auto number = fieldNumber(numberField);
        if (!number) continue;
        if (*number < 1 || *number > 0x7FFFFFFF) return std::nullopt;
        if (!namesCompiledFile(line.substr(0, colon), files)) return std::nullopt;

        const std::size_t thirdAt = colon + 1 + numberField.size() + 1;
        const std::string_view third = fieldAt(line, thirdAt);
        const std::string_view fourth = fieldAt(line, thirdAt + third.size() + 1);
        const std::string kind = toLowerAscii(trimmed(third));

        CompilerMessage m;
        m.line = static_cast<int>(*number - 1);
        if (kind == "warning" || (kind != "error" && toLowerAscii(line).find("warning:") != std::string::npos)) {
            m.kind = CompilerMessage::Kind::Warning;
            m.text = "Warning:" + std::string(fourth);
        } else {
            // The compiler prints "error:" before the message; older ones
            // printed the message right after the line number.
            m.kind = CompilerMessage::Kind::Error;
            m.text = "Error:" + std::string(kind == "error" ? fourth : third);
        }
        return m;
    }
    return std::nullopt;
}

void parseCompilerOutput(const KeptOutput& lines, const CompiledFiles& files, std::vector<CompilerMessage>& messages) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (auto m = parseCompilerLine(lines.line(i), files)) messages.push_back(std::move(*m));
}

}  // namespace quillo
