#include "fonteditor/font_files.h"

#include "pipeline/tap_reader.h"
#include "pipeline/tape_writer.h"

#include <algorithm>
#include <cctype>

namespace quillo {

namespace {

constexpr std::size_t kFontBytes = 2048;
constexpr std::size_t kTapFontSize = 793;
constexpr std::uint16_t kTapFontStart = 49152;

std::string rangeBytes(const WorkingFont& font) {
    const CharSpan span = font.range();
    const auto* first = reinterpret_cast<const char*>(font.glyphAt(span.first));
    return std::string(first, span.byteCount());
}

}  // namespace

std::string mzfBytes(WorkingFont& font) {
    for (int c = 0; c < 256; ++c) recalcMetrics(font, c);
    std::string out(font.bitmaps.begin(), font.bitmaps.end());
    out += static_cast<char>(font.rangeStart & 0xFF);
    out += static_cast<char>(font.rangeEnd & 0xFF);
    out.append(font.flags.begin(), font.flags.end());
    return out;
}

void readMzf(WorkingFont& font, std::span<const std::uint8_t> bytes) {
    const std::size_t bitmapBytes = std::min(bytes.size(), kFontBytes);
    std::copy_n(bytes.begin(), bitmapBytes, font.bitmaps.begin());
    if (bytes.size() > kFontBytes) font.rangeStart = bytes[kFontBytes];
    if (bytes.size() > kFontBytes + 1) font.rangeEnd = bytes[kFontBytes + 1];
    if (bytes.size() > kFontBytes + 2) {
        const auto flags = bytes.subspan(kFontBytes + 2);
        std::copy_n(flags.begin(), std::min(flags.size(), font.flags.size()), font.flags.begin());
    }
}

std::optional<FontPlacement> importPlacement(std::string_view extension, std::uintmax_t size) {
    std::string ext(extension);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    const bool bin = ext == "bin";
    const bool specChr = ext == "specchr";
    if (ext == "ch4" || ext == "ch6" || ext == "ch8") return FontPlacement{0, kFontBytes};
    if (bin && size >= 768 && size <= 1792) return FontPlacement{32, static_cast<std::size_t>(size)};
    if (specChr && size == 768) return FontPlacement{32, 768};
    if ((specChr || bin) && size == 168) return FontPlacement{144, 168};
    if ((specChr || bin) && size == 152) return FontPlacement{144, 152};
    if (size == kFontBytes) return FontPlacement{0, kFontBytes};
    if (size == 1024 || size == 1025) return FontPlacement{32, 1024};
    return std::nullopt;
}

void placeBytes(Charset& bitmaps, FontPlacement placement, std::span<const std::uint8_t> bytes) {
    const std::size_t offset = static_cast<std::size_t>(placement.firstChar) * 8;
    const std::size_t count = std::min({placement.count, bytes.size(), bitmaps.size() - offset});
    std::copy_n(bytes.begin(), count, bitmaps.begin() + static_cast<std::ptrdiff_t>(offset));
}

bool loadBySize(Charset& bitmaps, std::string_view extension, std::span<const std::uint8_t> bytes) {
    const std::size_t size = bytes.size();
    if (size >= kLoadBySizeLimit) return false;
    if (extension == "tap" && size == kTapFontSize) {
        const auto data = readTapBlock(bytes, 0);
        if (!data) return false;
        placeBytes(bitmaps, {32, 768}, *data);
        return true;
    }
    FontPlacement placement{0, size};
    if (size == kFontBytes) placement = {0, kFontBytes};
    else if (size == 768) placement = {32, 768};
    else if (size == 168) placement = {144, 168};
    else if (size == 152) placement = {144, 152};
    else if (size == 1024 || size == 1025) placement = {32, 1024};
    placeBytes(bitmaps, placement, bytes);
    return true;
}

std::string_view exportExtension(FontExportFormat format) {
    switch (format) {
    case FontExportFormat::Chr: return ".chr";
    case FontExportFormat::Bin: return ".bin";
    case FontExportFormat::Tap: return ".tap";
    case FontExportFormat::SpecChr: break;
    }
    return ".SpecCHR";
}

std::string exportBytes(const WorkingFont& font, FontExportFormat format) {
    switch (format) {
    case FontExportFormat::Chr: return std::string(font.bitmaps.begin(), font.bitmaps.end());
    case FontExportFormat::Bin: return rangeBytes(font);
    case FontExportFormat::Tap: {
        const std::string data = rangeBytes(font);
        TapeWriter writer(TapeFormat::Tap);
        writer.codeBlock("Font.fnt", kTapFontStart, HeaderBlock::With, tap::kCodeHeader, tap::kDataFlag,
                         std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()));
        return writer.bytes();
    }
    case FontExportFormat::SpecChr: break;
    }
    return std::string(font.glyphAt(32), font.glyphAt(32) + 768);
}

std::string lowerExtension(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    std::string ext(name.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

std::string withExtension(std::string_view path, std::string_view extension) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    std::string out(path);
    if (dot != std::string_view::npos && dot > nameStart) out.resize(dot);
    out += extension;
    return out;
}

}  // namespace quillo
