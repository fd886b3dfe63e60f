#include "app/source_bundle.h"

#include "common/file_io.h"
#include "pipeline/bmi_file.h"

namespace quillo {

Result<LoadedSource> loadSourceBundle(const std::string& path, Document base) {
    Result<Bytes> read = readFile(path, kMaxSourceSize);
    if (!read) return read.error();
    LoadedSource loaded;
    SourceBundle& bundle = loaded.bundle;
    bundle.text.assign(reinterpret_cast<const char*>(read->data()), read->size());
    bundle.document = std::move(base);
    bundle.document.name = documentName(path);
    bundle.document.folder = folderOf(path);
    bundle.document.caretPos = 0;
    loaded.projectFilePath = projectFilePath(path);
    if (Result<ProjectEditorState> editor = readProjectFile(loaded.projectFilePath, bundle.document, &loaded.projectProblems);
        editor)
        bundle.editor = std::move(*editor);
    else
        loaded.projectFile = editor.error();
    loaded.binaryListPath = binaryListPath(path);
    loaded.binaryList = loadBinaryList(loaded.binaryListPath, bundle.binaries);
    return loaded;
}

SavedSource saveSourceBundle(const std::string& path, std::string_view text, const Document& doc,
                             const ProjectEditorState* editor, const BinaryList* binaries) {
    SavedSource saved;
    saved.source = writeFileAtomic(path, text);
    if (!saved.source) return saved;
    if (editor)
        if (const Status cfg = writeProjectFile(projectFilePath(path), doc, *editor); !cfg)
            saved.companions.push_back(cfg.error());
    if (binaries)
        if (const Status bmi = saveBinaryList(binaryListPath(path), *binaries); !bmi)
            saved.companions.push_back(bmi.error());
    return saved;
}

}  // namespace quillo
