#pragma once
// The output of a child program, cut into lines as its bytes arrive and kept
// within a memory budget. A runaway program can print without end (a line
// without a line end, millions of empty lines): all of it is read, so its
// pipe never fills, but only what fits is kept, in one text buffer with one
// offset per line, and the rest is counted.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

class KeptOutput {
public:
    struct Limits {
        std::size_t budget = 16u << 20;   // bytes of text plus line offsets
        std::size_t maxLine = 64u << 10;  // longer lines are cut here
        bool dropEmpty = false;           // leave out empty lines
    };

    KeptOutput() = default;
    explicit KeptOutput(Limits limits) : limits_(limits) {}

    // A CR, an LF or the pair CR LF ends a line, also when the pair is split
    // between two pieces. Returns how many lines were kept from this piece.
    std::size_t feed(std::string_view bytes);
    // At the end of the stream: keeps the unterminated rest, if any.
    std::size_t finish();

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view line(std::size_t index) const;
    // Every kept line, joined by '\n' (no final one).
    std::string_view text() const;
    std::vector<std::string> lines() const;

    // What did not fit: whole lines left out, and the bytes they and the cut
    // ends of long lines held.
    std::uint64_t droppedLines() const { return droppedLines_; }
    std::uint64_t droppedBytes() const { return droppedBytes_; }
    // "(N more lines, M bytes of output not kept)" or empty.
    std::string droppedNote() const;

private:
    void appendToLine(std::string_view piece);
    bool endLine();

    Limits limits_;
    std::string text_;                // kept lines, each followed by '\n'
    std::vector<std::uint32_t> ends_;  // offset just past each line's text
    std::string pending_;             // the line still being read, cut at maxLine
    bool afterCr_ = false;
    bool full_ = false;
    std::uint64_t droppedLines_ = 0;
    std::uint64_t droppedBytes_ = 0;
};

}  // namespace quillo
