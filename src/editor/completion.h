#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// The words offered while typing, packed as length-prefixed entries (one
// length byte, then the characters) and ended by a zero length byte: the
// fixed vocabulary first, then the routine names of the document.
class CompletionVocabulary {
public:
    CompletionVocabulary();

    // Replaces the routine names that follow the fixed vocabulary. Names that
    // do not fit a length byte (empty or over 255 bytes) are left out.
    void setRoutineNames(const std::vector<std::string>& names);

    // The packed buffer, zero length byte included.
    const std::string& packed() const { return packed_; }
    std::size_t fixedSize() const { return fixedSize_; }

    // Every entry in order.
    std::vector<std::string_view> entries() const;

private:
    std::string packed_;
    std::size_t fixedSize_;
};

// The fixed vocabulary: words separated by "!".
std::string_view completionVocabularyText();

// Packs "!"-separated words into length-prefixed entries and the end byte.
std::string packCompletionWords(std::string_view text);

// The list shown for the caret word: every entry whose first characters
// equal the word without regard to case, separated by apostrophes.
std::string completionList(const CompletionVocabulary& vocabulary, std::string_view word);

// Whether completion may open at the caret: false when the text of the line
// before the caret leaves it inside a string or after a comment start
// (an apostrophe, or "rem " in any case, outside strings).
bool completionAllowed(std::string_view lineBeforeCaret);

}  // namespace quillo
