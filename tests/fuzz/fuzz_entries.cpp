#include "fuzz_entries.h"

#include "app/project_file.h"
#include "app/settings.h"
#include "common/byte_reader.h"
#include "common/defb_format.h"
#include "common/defb_parse.h"
#include "common/file_io.h"
#include "common/ini_file.h"
#include "common/kept_output.h"
#include "gfxeditor/defb_graphics.h"
#include "gfxeditor/picture.h"
#include "gfxeditor/screen_file.h"
#include "pipeline/bmi_file.h"
#include "pipeline/memory_image.h"
#include "pipeline/output_parser.h"
#include "pipeline/region_map.h"
#include "pipeline/tap_reader.h"
#include "pipeline/tape_layout.h"
#include "pipeline/zx0.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace quillo::fuzz {

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

std::string_view text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// What the binary list reader accepts writes back to the bytes it came from.
void bmiReader(const std::uint8_t* data, std::size_t size) {
    const Result<BinaryList> read = parseBinaryList({data, size});
    if (!read.ok()) {
        require(read.error().offset >= 0 && static_cast<std::size_t>(read.error().offset) <= size);
        return;
    }
    const std::string again = binaryListBytes(*read);
    require(again.size() <= size && again.compare(0, again.size(), text(data, again.size())) == 0);
}

bool sameOptions(const Document& a, const Document& b) {
    return a.prgStart == b.prgStart && a.optimisation == b.optimisation && a.inclLdr == b.inclLdr &&
           a.ldrAutostart == b.ldrAutostart && a.strictBool == b.strictBool && a.arrayCheck == b.arrayCheck &&
           a.memoryCheck == b.memoryCheck && a.heapsize == b.heapsize && a.outputType == b.outputType &&
           a.debug == b.debug && a.backend == b.backend && a.specialLib == b.specialLib &&
           a.arrayBase == b.arrayBase && a.stringBase == b.stringBase && a.enableBreak == b.enableBreak &&
           a.displayMap == b.displayMap && a.target == b.target && a.memory == b.memory &&
           a.extLevels == b.extLevels && a.caretPos == b.caretPos && a.usedEmulator == b.usedEmulator &&
           a.explicit_ == b.explicit_ && a.compression == b.compression;
}

// The project reader's options write out and read back unchanged, and every
// value lies in its range (so nothing needs clamping the second time).
void projectFile(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = text(data, size);
    const IniFile ini = IniFile::parse(bytes);
    (void)ini.getString("Configuration", "Author", "");
    (void)ini.rawLines("Foldings");
    Document doc;
    const ProjectEditorState editor = parseProjectFile(bytes, doc);
    Document again;
    std::vector<std::string> problems;
    const ProjectEditorState editorAgain = parseProjectFile(projectFileBytes(doc, editor), again, &problems);
    require(sameOptions(doc, again) && problems.empty());
    require(editorAgain.scrollBarWidth == editor.scrollBarWidth);
    std::vector<std::int32_t> folds = editor.closedFolds;
    std::sort(folds.begin(), folds.end());
    folds.erase(std::unique(folds.begin(), folds.end()), folds.end());
    require(editorAgain.closedFolds == folds);
}

// Listing and reading blocks stay inside the tape, and every listed header
// has a readable data block.
void tapReader(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> tape(data, size);
    const auto rows = listTapHeaders(tape);
    require(rows.size() * 25 <= size);  // a header and its block take 25 bytes at least
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto block = readTapBlock(tape, static_cast<int>(i));
        require(block && block->size() <= size);
    }
    require(!readTapBlock(tape, static_cast<int>(rows.size())));
}

// Output arriving in pieces of every size: the kept part stays within the
// budget and the line limit, and every message found names a real line.
void outputParser(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    const std::size_t piece = 1 + data[0] % 64;
    KeptOutput kept({.budget = 4096, .maxLine = 200, .dropEmpty = (data[0] & 0x80) != 0});
    for (std::size_t at = 1; at < size; at += piece) kept.feed(text(data + at, std::min(piece, size - at)));
    kept.finish();
    require(kept.text().size() + kept.size() * 4 <= 4096);
    for (std::size_t i = 0; i < kept.size(); ++i) require(kept.line(i).size() <= 200);
    const CompiledFiles files{"/zx/", {"/zx/temp.bas", "/zx/game.bas"}};
    std::vector<CompilerMessage> messages;
    parseCompilerOutput(kept, files, messages);
    for (const CompilerMessage& m : messages) require(m.line >= 0);
}

// A build's placement and tape from hand-edited values: start address, heap
// size and loader options from the first bytes, a binary list after them.
void placement(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<MemoryImage> image = std::make_unique<MemoryImage>();
    static const std::unique_ptr<RegionMap> map = std::make_unique<RegionMap>();
    static const std::string code = [] {
        std::string path = "/tmp/quillo-fuzz-code-" + std::to_string(::getpid()) + ".bin";
        (void)writeFileAtomic(path, std::string(300, '\x55'));
        return path;
    }();
    ByteReader in({data, size});
    Document doc;
    doc.prgStart = static_cast<std::int32_t>(in.u32le().value_or(24576));
    doc.heapsize = static_cast<std::int32_t>(in.u32le().value_or(1000));
    const std::uint8_t flags = in.u8().value_or(3);
    doc.inclLdr = flags & 1;
    doc.ldrAutostart = (flags >> 1) & 1;
    doc.outputType = 1 + ((flags >> 2) & 1);
    const Result<BinaryList> list = parseBinaryList({data + in.offset(), size - in.offset()});
    const BinaryList binaries = list ? *list : BinaryList{};
    map->clear();
    map->registerFixedRegions();
    const PlacedBuild placed = placeBuild(doc, code, binaries, *image, *map);
    if (!placed.placed) return;
    require(placed.codeStart >= 0 && placed.codeEnd <= 0x10000 && placed.codeStart <= placed.codeEnd);
    const AddressRange main = mainBlockRange(placed.codeStart, placed.codeEnd, binaries);
    require(main.start >= 0 && main.start <= main.end && main.end <= 0x10000);
    if (static_cast<std::size_t>(main.end - main.start) > tap::kMaxBlockData) return;
    const std::string tape = tapeImage(TapeFormat::Tap, doc, placed, binaries, *image);
    require(listTapHeaders({reinterpret_cast<const std::uint8_t*>(tape.data()), tape.size()}).size() >= 1);
}

// Any stream decodes without reading past it or looping; small inputs pack
// and unpack back to themselves.
void zx0Stream(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    const bool backwards = (data[0] & 1) != 0;
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    const zx0::Unpacked unpacked = zx0::decompress(rest, backwards, 1 << 20);
    require(unpacked.used <= rest.size() && unpacked.bytes.size() <= (1u << 20));
    if (rest.empty() || rest.size() > 1024) return;  // nothing to pack: compress refuses it
    const zx0::Packed packed = zx0::compress(rest, backwards);
    require(packed.ok());
    const zx0::Unpacked again = zx0::decompress(packed.bytes, backwards);
    require(again.ok() && std::equal(again.bytes.begin(), again.bytes.end(), rest.begin(), rest.end()));
}

// What the settings reader takes in writes out as a file that reads back to
// the same file, with no value needing a fallback.
void settingsFile(const std::uint8_t* data, std::size_t size) {
    Settings settings("/home/zx/");
    (void)settings.read(text(data, size));
    const std::string written = settings.write();
    Settings again("/home/zx/");
    require(again.read(written).empty());
    require(again.write() == written);
}

// DEFB text gives one byte a comma plus one, and formatted bytes read back.
void defbText(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes = parseDefb(text(data, size));
    require(!bytes.empty());
    require(parseDefb(formatDefb(bytes)) == bytes);
}

// A screen file is taken whole or not at all: a refused one leaves the
// picture as it was, a full screen writes back to the same bytes.
void screenFile(const std::uint8_t* data, std::size_t size) {
    Picture picture;
    picture.recreate(3, 2, 0x45);
    picture.bitmap()[5] = 0xA5;
    const std::vector<std::uint8_t> before(picture.data().begin(), picture.data().end());
    const ScreenLoad loaded = loadScreen(picture, "fuzz.scr", {data, size});
    if (!loaded.ok) {
        require(!loaded.message.empty());
        require(std::equal(before.begin(), before.end(), picture.data().begin(), picture.data().end()));
        return;
    }
    require(isScreenSized(picture));
    if (size == kScreenFileSize) require(screenBytes(picture) == std::vector<std::uint8_t>(data, data + size));
}

// Graphics byte orders: any text reorders without reading past its bytes,
// and every order turns back into the linear one unchanged.
void defbGraphics(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return;
    const int w = 1 + data[0] % 32, h = 1 + data[1] % 24;
    const auto from = static_cast<GraphicsOrder>(data[2] % 3), to = static_cast<GraphicsOrder>(data[2] / 3 % 3);
    const std::string_view selection = text(data + 3, size - 3);
    reorderDefbText(selection, from, to, w, h);
    std::vector<std::uint8_t> linear = parseDefb(selection);
    linear.resize(static_cast<std::size_t>(w) * h * 8);
    require(toLinear(fromLinear(linear, to, w, h), to, w, h) == linear);
    Picture picture;
    defbToPicture(linear, from, w, h, (data[2] & 0x80) != 0, picture);
    require(picture.width() == w && picture.height() == h);
}

constexpr std::array kEntries = {
    Entry{"bmi_reader", bmiReader},     Entry{"project_file", projectFile}, Entry{"tap_reader", tapReader},
    Entry{"output_parser", outputParser}, Entry{"placement", placement},     Entry{"zx0", zx0Stream},
    Entry{"settings", settingsFile},    Entry{"defb", defbText},         Entry{"screen_file", screenFile},
    Entry{"defb_graphics", defbGraphics},
};

}  // namespace

std::span<const Entry> entries() { return kEntries; }

const Entry* entry(std::string_view name) {
    for (const Entry& e : kEntries)
        if (e.name == name) return &e;
    std::abort();
}

}  // namespace quillo::fuzz
