#include "app/project_file.h"

#include "app/line_list_text.h"

#include "common/file_io.h"
#include "common/ini_file.h"

#include "common/number_text.h"
#include "common/text.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <type_traits>

namespace quillo {

namespace {

constexpr std::string_view kComment =
    "Please do not change these values manually if you don't exactly know what you do, "
    "as this may crash the program or make it unstable";

constexpr std::string_view kFilenames = "Filenames";
constexpr std::string_view kConfiguration = "Configuration";
constexpr std::string_view kFoldings = "Foldings";
constexpr std::string_view kBookmarks = "Bookmarks";

// One [Configuration] key: how it reads and writes, in file order.
enum class Kind { Number, Author, Caret, ScrollBar };

struct ConfigKey {
    std::string_view key;
    Kind kind;
    std::int32_t readDefault;
    std::int32_t (*get)(const Document&);
    void (*set)(Document&, std::int32_t);
    // The legal values; a file's value outside them is clamped on reading.
    std::int32_t min = 0;
    std::int32_t max = 1;
};

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// Accessors for a numeric field of any width; a stored value keeps the
// field's low bits, as a store into the field's type would.
template <auto Member>
std::int32_t getField(const Document& doc) {
    return static_cast<std::int32_t>(doc.*Member);
}

template <auto Member>
void setField(Document& doc, std::int32_t value) {
    using Field = std::remove_cvref_t<decltype(doc.*Member)>;
    doc.*Member = static_cast<Field>(value);
}

template <auto Member>
constexpr ConfigKey number(std::string_view key, std::int32_t readDefault, std::int32_t max = 1) {
    return {key, Kind::Number, readDefault, &getField<Member>, &setField<Member>, 0, max};
}

constexpr ConfigKey special(std::string_view key, Kind kind, std::int32_t readDefault = 0, std::int32_t min = 0) {
    return {key, kind, readDefault, nullptr, nullptr, min, kInt32Max};
}

constexpr std::array kConfigKeys = {
    number<&Document::prgStart>("PrgStart", 24576, 65535),
    number<&Document::optimisation>("Optimisation", 0, 3),
    number<&Document::inclLdr>("InclLdr", 1),
    number<&Document::ldrAutostart>("LdrAutostart", 1),
    number<&Document::strictBool>("StrictBool", 0),
    number<&Document::arrayCheck>("ArrayCheck", 0),
    number<&Document::memoryCheck>("MemoryCheck", 0),
    number<&Document::heapsize>("Heapsize", 1000, 65535),
    number<&Document::outputType>("OutputType", 1, 3),
    number<&Document::debug>("Debug", 0),
    number<&Document::backend>("Backend", 0),
    number<&Document::specialLib>("SpecialLib", 0),
    number<&Document::arrayBase>("ArrayBase", 0, 999),
    number<&Document::stringBase>("StringBase", 0, 999),
    number<&Document::enableBreak>("EnableBreak", 0),
    number<&Document::displayMap>("DisplayMap", 0),
    special("Author", Kind::Author),
    number<&Document::target>("Target", 0, 255),
    number<&Document::memory>("Memory", 0),
    number<&Document::extLevels>("ExtLevels", 0, 255),
    special("CaretPos", Kind::Caret),
    special("ScrollBarWidth", Kind::ScrollBar, kDefaultScrollBarWidth, 1),
    number<&Document::usedEmulator>("UsedEmulator", 0, 4),
    special("Author", Kind::Author),  // written twice; either line serves on reading
    number<&Document::explicit_>("Explicit", 0),
    number<&Document::compression>("Compression", 0),
};

constexpr std::string_view kDefaultAuthor = "Unknown";
constexpr std::string_view kDefaultOutputFile = "output";

// A line break inside a value would start a new line of the file and could
// forge keys; a blank keeps the rest of the file intact.
std::string oneLine(std::string_view value) {
    std::string text(value);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// A key's value within its range. Read in 64 bits and saturated, so a long
// digit string cannot wrap round into the range unnoticed.
std::int32_t readValue(const IniFile& ini, const ConfigKey& k, std::vector<std::string>* problems) {
    const std::optional<std::string_view> text = ini.value(kConfiguration, k.key);
    if (!text) return k.readDefault;
    const NumberPrefix number = readNumberPrefix(*text);
    const std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    const std::int64_t magnitude = number.digits > 18 ? limit : static_cast<std::int64_t>(number.magnitude);
    const std::int64_t value = number.negative ? -magnitude : magnitude;
    const std::int32_t kept = static_cast<std::int32_t>(std::clamp<std::int64_t>(value, k.min, k.max));
    if (kept != value && problems)
        problems->push_back(std::string(k.key) + " = " + std::string(trimmed(*text)) + " is outside " +
                            std::to_string(k.min) + ".." + std::to_string(k.max) + "; " + std::to_string(kept) +
                            " is used");
    return kept;
}

}  // namespace

std::string projectFilePath(std::string_view sourcePath) { return std::string(sourcePath) + ".cfg"; }

std::string encodeLineList(std::vector<std::int32_t> lines) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    std::erase_if(lines, [](std::int32_t line) { return line < 0; });
    return lineListText(lines);
}

std::vector<std::int32_t> decodeLineList(std::string_view text) { return parseLineListText(text); }

std::string projectFileBytes(const Document& doc, const ProjectEditorState& editor) {
    IniWriter out;
    out.comment(kComment);
    out.group(kFilenames);
    out.key("MainPrgName", oneLine(doc.mainPrgName));
    out.key("OutputFile", oneLine(doc.outputFile));
    out.key("Fonts", "");
    out.group(kConfiguration);
    for (const ConfigKey& k : kConfigKeys) {
        switch (k.kind) {
        case Kind::Number: out.key(k.key, k.get(doc)); break;
        case Kind::Author: out.key(k.key, oneLine(doc.author)); break;
        case Kind::Caret: out.key(k.key, editor.caretPos); break;
        case Kind::ScrollBar: out.key(k.key, editor.scrollBarWidth); break;
        }
    }
    out.group(kFoldings);
    out.key("ClosedFolds", encodeLineList(editor.closedFolds));
    out.group(kBookmarks);
    out.key("Bookmarks", encodeLineList(editor.bookmarks));
    return out.bytes();
}

Status writeProjectFile(const std::string& cfgPath, const Document& doc, const ProjectEditorState& editor) {
    return writeFileAtomic(cfgPath, projectFileBytes(doc, editor));
}

ProjectEditorState parseProjectFile(std::string_view bytes, Document& doc, std::vector<std::string>* problems) {
    const IniFile ini = IniFile::parse(bytes);
    ProjectEditorState editor;
    doc.mainPrgName = ini.getString(kFilenames, "MainPrgName", "");
    doc.outputFile = ini.getString(kFilenames, "OutputFile", kDefaultOutputFile);
    for (const ConfigKey& k : kConfigKeys) {
        const std::int32_t value = k.kind == Kind::Author ? 0 : readValue(ini, k, problems);
        switch (k.kind) {
        case Kind::Number: k.set(doc, value); break;
        case Kind::Author: doc.author = ini.getString(kConfiguration, k.key, kDefaultAuthor); break;
        case Kind::Caret: doc.caretPos = editor.caretPos = value; break;
        case Kind::ScrollBar: editor.scrollBarWidth = value; break;
        }
    }
    editor.closedFolds = decodeLineList(ini.getString(kFoldings, "ClosedFolds", ""));
    editor.bookmarks = decodeLineList(ini.getString(kBookmarks, "Bookmarks", ""));
    return editor;
}

Result<ProjectEditorState> readProjectFile(const std::string& cfgPath, Document& doc,
                                           std::vector<std::string>* problems) {
    const Result<Bytes> file = readFile(cfgPath, kMaxProjectFileSize);
    if (!file) {
        ProjectEditorState defaults = parseProjectFile({}, doc);
        if (file.error().code == ErrorCode::NotFound) return defaults;
        return file.error();
    }
    return parseProjectFile({reinterpret_cast<const char*>(file->data()), file->size()}, doc, problems);
}

}  // namespace quillo
