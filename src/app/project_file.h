#pragma once
#include "app/document.h"
#include "common/error.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// Editor state kept in the project file beside the options: it belongs to
// the editor, not to the document record, so it travels separately.
struct ProjectEditorState {
    std::int32_t caretPos = 0;
    std::int32_t scrollBarWidth = 4096;
    std::vector<std::int32_t> closedFolds;  // zero-based fold header lines
    std::vector<std::int32_t> bookmarks;    // zero-based bookmarked lines
};

inline constexpr std::int32_t kDefaultScrollBarWidth = 4096;

// "game.qlo" -> "game.qlo.cfg".
std::string projectFilePath(std::string_view sourcePath);

// Lines as 8 upper-case hex digits each, ascending, no separator.
std::string encodeLineList(std::vector<std::int32_t> lines);
// The reverse: either case; a short tail and entries that are not 8 hex
// digits (or exceed the int32 range) are skipped.
std::vector<std::int32_t> decodeLineList(std::string_view text);

// The whole project file for a document and its editor state.
std::string projectFileBytes(const Document& doc, const ProjectEditorState& editor);
// Writes it through a temporary file.
Status writeProjectFile(const std::string& cfgPath, const Document& doc, const ProjectEditorState& editor);

// Sets every stored option of doc from the file's bytes, with the read
// defaults for missing keys; name, folder and the unstored fields are kept.
// doc.caretPos is set too and repeated in the returned state. A value
// outside its key's legal range is clamped into it, and a line saying so
// (naming the key) goes to problems when given.
ProjectEditorState parseProjectFile(std::string_view bytes, Document& doc, std::vector<std::string>* problems = nullptr);
// Project files are a few KB; anything above this is not one of ours.
inline constexpr std::size_t kMaxProjectFileSize = 1 << 20;

// The same from a file; a missing file gives all read defaults. A file that
// exists but cannot be read (no permission, too large, not a regular file)
// is an error: doc then holds the read defaults, which must not be used to
// build nor be written over the file.
Result<ProjectEditorState> readProjectFile(const std::string& cfgPath, Document& doc,
                                           std::vector<std::string>* problems = nullptr);

}  // namespace quillo
