#pragma once
#include <string>
#include <string_view>

namespace quillo {

// Where the help for a keyword lives.
struct KeywordHelpTarget {
    enum class Kind { None, Page, Web };
    Kind kind = Kind::None;
    std::string target;  // page name in the help folder, or web address
};

// The help of a lower-case word: a local page, the compiler's online
// documentation, or none.
KeywordHelpTarget keywordHelpTarget(std::string_view lowerWord);

inline constexpr const char* kSystemVariablesPage = "Help_Sys_ZXSysVar.html";

}  // namespace quillo
