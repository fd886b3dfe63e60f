#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// Cuts a byte stream that arrives in pieces into lines. A carriage return, a
// line feed or the pair CR LF ends a line, also when the pair is split
// across two pieces.
class LineSplitter {
public:
    // Appends the lines completed by these bytes to out.
    void feed(std::string_view bytes, std::vector<std::string>& out);
    // At the end of the stream: the unterminated rest, if any.
    void finish(std::vector<std::string>& out);

private:
    std::string pending_;
    bool afterCr_ = false;
};

}  // namespace quillo
