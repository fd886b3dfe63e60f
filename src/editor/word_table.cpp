#include "editor/word_table.h"

namespace quillo {

std::string WordTable::key(std::string_view word) const {
    std::string k(word);
    if (!caseSensitive_)
        for (char& c : k) c = asciiLower(c);
    return k;
}

void WordTable::addWord(std::string_view word, int style, std::uint32_t options, char closing) {
    auto [it, added] = words_.try_emplace(key(word));
    StyleWord& entry = it->second;
    if (added) {
        entry.text = std::string(word);
        entry.style = style < 0 ? kStyleDefault : style;
        entry.options = options;
    } else {
        if (style >= 0) entry.style = style;
        entry.options |= options;
    }
    if (options & word_option::DelimitBetween) entry.closing = closing;
}

void WordTable::registerWords(std::string_view words, int style, std::uint32_t options) {
    while (!words.empty()) {
        const std::size_t blank = words.find(' ');
        const std::string_view word = words.substr(0, blank);
        if (!word.empty()) addWord(word, style, options, 0);
        if (blank == std::string_view::npos) break;
        words.remove_prefix(blank + 1);
    }
    rebuildCharTables();
}

void WordTable::registerDelimiter(std::string_view left, std::string_view closing, std::uint32_t options, int style) {
    if (left.empty()) return;
    addWord(left, style, options, closing.empty() ? 0 : closing.front());
    rebuildCharTables();
}

void WordTable::setSeparators(std::string_view separators) {
    separators_ = std::string(separators);
    rebuildCharTables();
}

const StyleWord* WordTable::find(std::string_view word) const {
    if (caseSensitive_) {
        const auto it = words_.find(word);
        return it == words_.end() ? nullptr : &it->second;
    }
    // Short words are lowered on the stack; nothing registered is long.
    char buffer[64];
    if (word.size() > sizeof buffer) {
        const auto it = words_.find(key(word));
        return it == words_.end() ? nullptr : &it->second;
    }
    for (std::size_t i = 0; i < word.size(); ++i) buffer[i] = asciiLower(word[i]);
    const auto it = words_.find(std::string_view(buffer, word.size()));
    return it == words_.end() ? nullptr : &it->second;
}

void WordTable::rebuildCharTables() {
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        const StyleWord* w = find(std::string_view(&ch, 1));
        charWord_[c] = w;
        const bool delimiter = w && (w->options & word_option::DelimiterMask) &&
                               !(w->options & word_option::NonSeparating);
        separator_[c] = isLineEnd(ch) || separators_.find(ch) != std::string::npos || delimiter;
    }
}

}  // namespace quillo
