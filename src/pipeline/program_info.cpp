#include "pipeline/program_info.h"

#include <string_view>
#include <type_traits>

namespace quillo {

namespace {

template <class T>
InfoItem item(std::string_view label, T value, bool green = false) {
    std::string text(label);
    if constexpr (std::is_convertible_v<T, std::string_view>)
        text += value;
    else
        text += std::to_string(value);
    return {std::move(text), green, {}};
}

// Bytes print as numbers, not as characters.
int number(std::uint8_t value) { return value; }

InfoItem documentInfo(const Document& d, std::uintptr_t editorHandle, const Document& current, bool isCurrent) {
    InfoItem files{"Files: ", false, {}};
    files.children = {item("InputDir: ", d.folder), item("Directory: ", d.folder, d.folder == current.folder),
                      item("Filename: ", d.name, d.name == current.name), item("Mainprg: ", d.mainPrgName),
                      item("Include Ldr: ", number(d.inclLdr)), item("Ldr Autostart: ", number(d.ldrAutostart))};
    InfoItem pointer{"Pointer: ", false, {item("SciPtr: ", static_cast<unsigned long long>(editorHandle))}};
    InfoItem data{"Data: ", false, {}};
    data.children = {item("StartAdr: ", d.prgStart),          item("HeapSize: ", d.heapsize),
                     item("Optimisation: ", number(d.optimisation)), item("Debug: ", number(d.debug)),
                     item("ArrayBase: ", d.arrayBase),        item("StringBase: ", d.stringBase),
                     item("EnableBreak: ", number(d.enableBreak)), item("EmitBackend: ", number(d.backend)),
                     item("StrictBool: ", number(d.strictBool)), item("ArrayCheck: ", number(d.arrayCheck)),
                     item("MemCheck: ", number(d.memoryCheck)), item("DisplayMemMap: ", number(d.displayMap))};
    const InterruptFields& i = d.interrupts;
    InfoItem interrupts{"Interrupts: ", false, {}};
    interrupts.children = {item("Will be used: ", number(i.used)),      item("IntOn: ", i.onAddress),
                           item("IntOff: ", i.offAddress),             item("IntTableAdress: ", i.tableAddress),
                           item("IntVectorJump: ", i.vectorValue),     item("Interrupt Call: ", i.callAddress)};
    return {d.outputFile, isCurrent, {std::move(files), std::move(pointer), std::move(data), std::move(interrupts)}};
}

}  // namespace

std::vector<InfoItem> programInfo(const std::vector<InfoSource>& documents, int current) {
    std::vector<InfoItem> items;
    if (current < 0 || current >= static_cast<int>(documents.size())) current = -1;
    const Document none;
    const Document& currentDoc = current >= 0 ? *documents[static_cast<std::size_t>(current)].document : none;
    for (std::size_t i = 0; i < documents.size(); ++i)
        items.push_back(documentInfo(*documents[i].document, documents[i].editorHandle, currentDoc,
                                     static_cast<int>(i) == current));
    return items;
}

}  // namespace quillo
