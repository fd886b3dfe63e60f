#include "common/line_splitter.h"

namespace quillo {

void LineSplitter::feed(std::string_view bytes, std::vector<std::string>& out) {
    std::size_t begin = 0;
    if (afterCr_ && !bytes.empty() && bytes.front() == '\n') begin = 1;
    afterCr_ = false;
    for (std::size_t i = begin; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        pending_.append(bytes.substr(begin, i - begin));
        out.push_back(std::move(pending_));
        pending_.clear();
        if (c == '\r') {
            if (i + 1 == bytes.size()) afterCr_ = true;
            else if (bytes[i + 1] == '\n') ++i;
        }
        begin = i + 1;
    }
    pending_.append(bytes.substr(begin));
}

void LineSplitter::finish(std::vector<std::string>& out) {
    if (!pending_.empty()) out.push_back(std::move(pending_));
    pending_.clear();
    afterCr_ = false;
}

}  // namespace quillo
