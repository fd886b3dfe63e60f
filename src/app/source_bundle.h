#pragma once
// A source with everything that travels with it: the text, the document
// record with its project options, the editor state kept in the project file
// and the binary list. Opening, saving and the command-line build all load
// and save sources through here, so they agree on which files go together.
#include "app/document.h"
#include "app/project_file.h"
#include "common/error.h"
#include "pipeline/binary_list.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillo {

struct SourceBundle {
    std::string text;
    Document document;
    ProjectEditorState editor;
    BinaryList binaries;
};

struct LoadedSource {
    SourceBundle bundle;
    std::string binaryListPath;
    // A binary list that could not be read: the bundle's list is empty, and
    // the file must never be written over, so it can still be repaired.
    Status binaryList;
    // Likewise the project file: the document then holds guessed options,
    // which must not be built with.
    std::string projectFilePath;
    Status projectFile;
    // Values of the project file that were out of range and were clamped.
    std::vector<std::string> projectProblems;
};

// Reads the source at path (refusing one above kMaxSourceSize), names the
// document after it, reads its project file (read defaults when there is
// none) and the binary list beside it. base gives the fields no file stores.
Result<LoadedSource> loadSourceBundle(const std::string& path, Document base);

struct SavedSource {
    Status source;                  // the text itself
    std::vector<Error> companions;  // project file and binary list, when they failed
};

// Writes text to path through a temporary file, then (each when given) the
// project file and the binary list beside it. The companions are written
// only once the text is on disk.
SavedSource saveSourceBundle(const std::string& path, std::string_view text, const Document& doc,
                             const ProjectEditorState* editor, const BinaryList* binaries);

}  // namespace quillo
