#include "app/document.h"

#include "common/paths.h"

namespace quillo {

namespace {

Document withCommonDefaults(std::int32_t start) {
    Document doc;
    doc.name = kNewDocumentName;
    // Relative, so the output lies beside the source once it is saved.
    doc.outputFile = "output";
    doc.prgStart = start;
    doc.heapsize = 4768;
    doc.inclLdr = 1;
    doc.ldrAutostart = 1;
    doc.outputType = 1;
    return doc;
}

}  // namespace

Document firstDocument() { return withCommonDefaults(24200); }

Document newDocument() { return withCommonDefaults(24576); }

std::string documentName(std::string_view path) {
    const std::string_view file = fileNameOf(path);
    const auto dot = file.rfind('.');
    // A leading dot marks a hidden file, not an extension.
    if (dot == std::string_view::npos || dot == 0) return std::string(file);
    return std::string(file.substr(0, dot));
}

std::string sourceFileName(std::string_view path, std::string_view suffix) {
    const std::string_view file = fileNameOf(path);
    const auto dot = file.rfind('.');
    if (dot != std::string_view::npos && file.substr(dot + 1) == suffix) return std::string(path);
    std::string result(path);
    result += '.';
    result += suffix;
    return result;
}

std::string savePath(const Document& doc, std::string_view suffix) {
    return doc.folder + doc.name + "." + std::string(suffix);
}

std::string outputFilePath(const Document& doc, std::string_view fallbackFolder) {
    if (!doc.outputFile.empty() && doc.outputFile.front() == '/') return doc.outputFile;
    return (doc.isSaved() ? doc.folder : std::string(fallbackFolder)) + doc.outputFile;
}

}  // namespace quillo
