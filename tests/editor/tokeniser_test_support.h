#pragma once
#include "editor/basic_words.h"
#include "editor/line_tokeniser.h"
#include "editor/word_table.h"

#include <string>
#include <string_view>

namespace quillo::test {

// The source editors' word tables and tokeniser settings, without an editor.
struct BasicTokeniser {
    WordTable words;
    TokeniserConfig config;

    BasicTokeniser() {
        registerBasicWords(words);
        words.setSeparators(kBasicSeparators);
        config.words = &words;
        config.numberStyle = basic_style::Number;
    }

    // One character per byte: '.' the default style, else the style in hex.
    static std::string styleString(const LineStyles& styles) {
        std::string out;
        for (const int s : styles.perByte()) out += s == kStyleDefault ? '.' : "0123456789abcdef"[s & 15];
        return out;
    }

    std::string styles(std::string_view line, int foldLevel = kFoldBase) const {
        LineStyles out;
        styleStructureLine(config, line, foldLevel, out);
        return styleString(out);
    }

    int foldDelta(std::string_view line, int foldLevel = kFoldBase) const {
        LineStyles out;
        styleStructureLine(config, line, foldLevel, out);
        return out.foldDelta;
    }
};

}  // namespace quillo::test
