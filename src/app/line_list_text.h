#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// The project-file form of a set of lines (bookmarks, closed folds): each
// 0-based line number as 8 upper-case hexadecimal digits, in line order.
std::string lineListText(const std::vector<int>& lines);

// Reads that form back. A chunk that is not 8 hexadecimal digits, a short
// trailing chunk and numbers beyond int are ignored.
std::vector<int> parseLineListText(std::string_view text);

}  // namespace quillo
