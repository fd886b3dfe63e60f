#pragma once
#include "common/text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillo {

// Option bits of a registered word or delimiter.
namespace word_option {
inline constexpr std::uint32_t DelimitBetween = 0x00000001;
inline constexpr std::uint32_t DelimitToLineEnd = 0x00000002;
inline constexpr std::uint32_t PrefixAny = 0x00000004;
inline constexpr std::uint32_t PrefixAdjacent = 0x00000008;
inline constexpr std::uint32_t MarkCallBlank = 0x00000010;
inline constexpr std::uint32_t MarkCallAdjacent = 0x00000020;
inline constexpr std::uint32_t NonSeparating = 0x00010000;
inline constexpr std::uint32_t FoldOpen = 0x00100000;
inline constexpr std::uint32_t FoldOpenFirst = 0x00200000;
inline constexpr std::uint32_t FoldClose = 0x00400000;
inline constexpr std::uint32_t Completion = 0x00800000;
// Any of these makes a one-character word a separator.
inline constexpr std::uint32_t DelimiterMask = 0x000FFFFF;
inline constexpr std::uint32_t PrefixMask = PrefixAny | PrefixAdjacent;
inline constexpr std::uint32_t MarkCallMask = MarkCallBlank | MarkCallAdjacent;
}  // namespace word_option

inline constexpr int kStyleDefault = 32;  // Scintilla's STYLE_DEFAULT

struct StyleWord {
    std::string text;  // as registered, original case
    int style = kStyleDefault;
    std::uint32_t options = 0;
    char closing = 0;  // closing character of a DelimitBetween span
};

// The registered words and delimiters of one editor, keyed by lower-case text
// (or the text itself for case-sensitive editors). Registering a word twice
// keeps the later style and ORs the options together.
class WordTable {
public:
    explicit WordTable(bool caseSensitive = false) : caseSensitive_(caseSensitive) {}

    // Splits at single blanks; empty pieces are skipped. style -1 keeps the style.
    void registerWords(std::string_view words, int style, std::uint32_t options);
    void registerDelimiter(std::string_view left, std::string_view closing, std::uint32_t options, int style);
    void setSeparators(std::string_view separators);

    // Word lookup; word may be any case.
    const StyleWord* find(std::string_view word) const;
    // The separator test of one character, with the one-character word behind it.
    bool isSeparator(unsigned char c) const { return separator_[c]; }
    const StyleWord* charWord(unsigned char c) const { return charWord_[c]; }
    bool caseSensitive() const { return caseSensitive_; }
    std::size_t size() const { return words_.size(); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    void addWord(std::string_view word, int style, std::uint32_t options, char closing);
    void rebuildCharTables();
    std::string key(std::string_view word) const;

    bool caseSensitive_;
    std::string separators_;
    std::unordered_map<std::string, StyleWord, Hash, std::equal_to<>> words_;
    std::array<bool, 256> separator_{};
    std::array<const StyleWord*, 256> charWord_{};
};


}  // namespace quillo
