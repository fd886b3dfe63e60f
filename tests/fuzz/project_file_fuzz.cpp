// Feeds arbitrary bytes to the INI parser and the project file reader; what
// the reader takes in must write out and read back to the same options.
#include "app/project_file.h"
#include "common/ini_file.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

bool sameOptions(const quillo::Document& a, const quillo::Document& b) {
    return a.mainPrgName == b.mainPrgName && a.outputFile == b.outputFile && a.prgStart == b.prgStart &&
           a.optimisation == b.optimisation && a.inclLdr == b.inclLdr && a.ldrAutostart == b.ldrAutostart &&
           a.strictBool == b.strictBool && a.arrayCheck == b.arrayCheck && a.memoryCheck == b.memoryCheck &&
           a.heapsize == b.heapsize && a.outputType == b.outputType && a.debug == b.debug &&
           a.backend == b.backend && a.specialLib == b.specialLib && a.arrayBase == b.arrayBase &&
           a.stringBase == b.stringBase && a.enableBreak == b.enableBreak && a.displayMap == b.displayMap &&
           a.target == b.target && a.memory == b.memory && a.extLevels == b.extLevels &&
           a.caretPos == b.caretPos && a.usedEmulator == b.usedEmulator && a.explicit_ == b.explicit_ &&
           a.compression == b.compression;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quillo::IniFile ini = quillo::IniFile::parse(bytes);
    (void)ini.getString("Configuration", "Author", "");
    (void)ini.getInt("Configuration", "PrgStart", 0);
    (void)ini.rawLines("Foldings");

    quillo::Document doc;
    const quillo::ProjectEditorState editor = quillo::parseProjectFile(bytes, doc);
    quillo::Document again;
    const quillo::ProjectEditorState editorAgain =
        quillo::parseProjectFile(quillo::projectFileBytes(doc, editor), again);
    // Text values may lose blanks at their ends and line breaks; numbers and
    // line lists must come back exactly.
    again.mainPrgName = doc.mainPrgName;
    again.outputFile = doc.outputFile;
    if (!sameOptions(doc, again)) std::abort();
    if (editorAgain.scrollBarWidth != editor.scrollBarWidth) std::abort();
    std::vector<std::int32_t> folds = editor.closedFolds;
    std::sort(folds.begin(), folds.end());
    folds.erase(std::unique(folds.begin(), folds.end()), folds.end());
    if (editorAgain.closedFolds != folds) std::abort();
    return 0;
}
