#include "common/kept_output.h"

#include <algorithm>

namespace quillo {

void KeptOutput::appendToLine(std::string_view piece) {
    const std::size_t room = full_ ? 0 : limits_.maxLine - std::min(limits_.maxLine, pending_.size());
    const std::size_t taken = std::min(room, piece.size());
    pending_.append(piece.substr(0, taken));
    droppedBytes_ += piece.size() - taken;
}

bool KeptOutput::endLine() {
    const bool kept = !full_ && !(limits_.dropEmpty && pending_.empty());
    const std::size_t cost = pending_.size() + 1 + sizeof(std::uint32_t);
    if (kept && text_.size() + ends_.size() * sizeof(std::uint32_t) + cost > limits_.budget) full_ = true;
    if (full_) {
        ++droppedLines_;
        droppedBytes_ += pending_.size();
    } else if (kept) {
        text_ += pending_;
        ends_.push_back(static_cast<std::uint32_t>(text_.size()));
        text_ += '\n';
    }
    pending_.clear();
    return kept && !full_;
}

std::size_t KeptOutput::feed(std::string_view bytes) {
    std::size_t kept = 0;
    std::size_t begin = 0;
    if (afterCr_ && !bytes.empty() && bytes.front() == '\n') begin = 1;
    afterCr_ = false;
    for (std::size_t i = begin; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        appendToLine(bytes.substr(begin, i - begin));
        kept += endLine() ? 1 : 0;
        if (c == '\r') {
            if (i + 1 == bytes.size()) afterCr_ = true;
            else if (bytes[i + 1] == '\n') ++i;
        }
        begin = i + 1;
    }
    appendToLine(bytes.substr(begin));
    return kept;
}

std::size_t KeptOutput::finish() {
    afterCr_ = false;
    if (pending_.empty()) return 0;
    return endLine() ? 1 : 0;
}

std::string_view KeptOutput::line(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1] + 1;
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

std::string_view KeptOutput::text() const {
    return ends_.empty() ? std::string_view() : std::string_view(text_).substr(0, ends_.back());
}

std::vector<std::string> KeptOutput::lines() const {
    std::vector<std::string> all;
    all.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) all.emplace_back(line(i));
    return all;
}

std::string KeptOutput::droppedNote() const {
    if (droppedBytes_ == 0 && droppedLines_ == 0) return {};
    return "(" + std::to_string(droppedLines_) + " more lines, " + std::to_string(droppedBytes_) +
           " bytes of output not kept)";
}

}  // namespace quillo
