#pragma once
#include <span>
#include <string>
#include <string_view>

namespace quillo {

// Where the help for a keyword lives.
struct KeywordHelpTarget {
    enum class Kind { None, Page, Web };
    Kind kind = Kind::None;
    std::string target;  // page name in the help folder, or web address
};

// One row of the keyword help table: a lower-case word or phrase of the
// language, its page in the help folder and, for the words whose help opens
// the compiler's online documentation, the name of that online page.
struct KeywordPage {
    std::string_view word;
    std::string_view page;
    std::string_view online = {};  // empty: the local page is the help
};

// Every row of the table, in table order.
std::span<const KeywordPage> keywordPages();

// The help of a lower-case word or phrase: a local page, the compiler's
// online documentation, or none.
KeywordHelpTarget keywordHelpTarget(std::string_view lowerWord);

// The page of the help folder for a lower-case word or phrase, also for the
// words whose help is online (declare, function): the page to show in the
// help viewer when no web browser is installed. Empty when there is none.
std::string keywordLocalPage(std::string_view lowerWord);

// The table entry F1 looks up for the word at the caret, given the words
// before and after it (any case): the phrase it makes with one of them when
// the table has that phrase ("end" + "sub" gives "end sub", with the caret
// on either word), otherwise the word itself; lower-cased.
std::string keywordHelpWord(std::string_view word, std::string_view previous, std::string_view next);

inline constexpr const char* kSystemVariablesPage = "Help_Sys_ZXSysVar.html";

}  // namespace quillo
