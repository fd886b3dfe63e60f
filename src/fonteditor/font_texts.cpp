#include "fonteditor/font_texts.h"

#include "common/defb_format.h"
#include "common/defb_parse.h"

#include <algorithm>
#include <cstdio>

namespace quillo {

namespace {

std::string withoutAll(std::string_view text, std::string_view what) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, what.size()) == what) {
            i += what.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

std::string fontAsmText(const WorkingFont& font, CharSpan span) {
    return formatDefb(std::span(font.glyphAt(span.first), span.byteCount()));
}

std::string fontBasicText(const WorkingFont& font, CharSpan span) {
    std::string out = "Dim font (" + std::to_string((span.count() - 1) * 8 + 7) + ") As uByte => { _\n";
    for (int c = span.first; c <= span.last; ++c) {
        out += '\t';
        const std::uint8_t* rows = font.glyphAt(c);
        for (int i = 0; i < 8; ++i) {
            char value[8];
            std::snprintf(value, sizeof value, "%3u", static_cast<unsigned>(rows[i]));
            if (i > 0) out += ',';
            out += value;
        }
        if (c != span.last) out += ',';
        out += " _\n";
    }
    out += "}\nPoke uInteger 23606, (@font (0)) - 256";
    return out;
}

std::string_view scopeWhat(FontScope scope) {
    switch (scope) {
    case FontScope::Single: return "Single Char";
    case FontScope::Range: return "Character Range";
    case FontScope::All: break;
    }
    return "All 256 Characters";
}

std::string binaryDescription(FontScope scope, CharSpan span) {
    switch (scope) {
    case FontScope::Single: return "Single Char: (" + std::to_string(span.first) + ")";
    case FontScope::Range:
        return "Character Range (" + std::to_string(span.first) + " to " + std::to_string(span.last) + ")";
    case FontScope::All: break;
    }
    return "All 256 Characters";
}

std::string binaryFileName(int current) { return "_Fontchar" + std::to_string(current & 0xFF) + ".bin"; }

std::vector<std::uint8_t> parseFontClipboard(std::string_view text) {
    if (text.find('_') == std::string_view::npos) return parseDefb(text);
    // Without any "defb" the DEFB reader splits the flat text at commas. A
    // Linux clipboard ends lines with "\n" alone; those go as well.
    return parseDefb(withoutAll(withoutAll(withoutAll(text, "\r\n"), "\n"), "_"));
}

void writeFromChar(Charset& bitmaps, int current, const std::vector<std::uint8_t>& bytes) {
    const std::size_t offset = static_cast<std::size_t>(current & 0xFF) * 8;
    const std::size_t count = std::min(bytes.size(), bitmaps.size() - offset);
    std::copy_n(bytes.begin(), count, bitmaps.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace quillo
