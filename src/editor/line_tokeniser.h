#pragma once
#include "editor/word_table.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace quillo {

inline constexpr int kFoldBase = 0x400;  // SC_FOLDLEVELBASE
inline constexpr int kStyleComment = 1;

struct StyleRun {
    int length;
    int style;
};

// What styling one line produced: styled runs covering every byte of the
// line (line end included), and fold opens minus closes.
struct LineStyles {
    std::vector<StyleRun> runs;
    int foldDelta = 0;

    void clear() { runs.clear(); foldDelta = 0; }
    void add(int length, int style);
    int length() const;
    // One style per byte, for tests and golden files.
    std::vector<int> perByte() const;
};

// The parts of the styler that shape a line.
struct TokeniserConfig {
    const WordTable* words = nullptr;
    int numberStyle = kStyleDefault;
    bool colouring = true;
};

// Splits one line into tokens, styling each as it goes. It sees only the
// line's bytes and the fold level the line starts at, so a line's colours
// never depend on anything but the lines above it.
class LineTokeniser {
public:
    struct Token {
        std::size_t start;
        std::size_t length;
        const StyleWord* word;  // the registered word behind the token, if any
    };

    LineTokeniser(const TokeniserConfig& config, std::string_view line, int foldLevel, LineStyles& out);

    bool done() const { return pos_ >= line_.size(); }
    Token next();
    std::string_view text(const Token& t) const { return line_.substr(t.start, t.length); }
    // Styles everything from the current position to the line end, the line
    // end itself in the default style, and finishes the line.
    void finishAs(int style);
    // Fold bookkeeping of structure words: open or close one region.
    void openFold() { ++out_.foldDelta; }
    void closeFold();
    int foldLevel() const { return foldLevel_; }
    std::string_view line() const { return line_; }

private:
    std::size_t numberLength(std::size_t p) const;
    std::size_t contentEnd() const;  // position of the trailing CR/LF
    void put(std::size_t length, int style);
    void foldBookkeeping(const StyleWord* word);
    Token separatorToken(std::size_t p);
    Token wordToken(std::size_t p);

    const TokeniserConfig& config_;
    const WordTable& words_;
    std::string_view line_;
    int foldLevel_;
    LineStyles& out_;
    std::size_t pos_ = 0;
    int pending_ = kStyleDefault;
};

// Styles a line token by token: the plain tokeniser.
void tokeniseLine(const TokeniserConfig& config, std::string_view line, int foldLevel, LineStyles& out);

// The source editors' line routine: the tokeniser plus the BASIC structure
// (SUB, FUNCTION and ASM regions, REM comments).
void styleStructureLine(const TokeniserConfig& config, std::string_view line, int foldLevel, LineStyles& out);

using LineHook = void (*)(const TokeniserConfig&, std::string_view, int, LineStyles&);

// Number test at the start of a token: the token's length, or 0.
std::size_t numberLengthAt(const WordTable& words, std::string_view line, std::size_t p);

}  // namespace quillo
