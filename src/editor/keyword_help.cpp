#include "editor/keyword_help.h"

#include <array>

namespace quillo {

namespace {

constexpr std::array<std::string_view, 19> kCommandPages = {
    "abs", "acs", "align", "and", "asm", "asn", "at", "atn", "band", "beep",
    "bnot", "border", "bor", "bxor", "dim", "int", "not", "or", "xor"};

constexpr std::array<std::string_view, 7> kTypeWords = {"string", "ubyte", "byte", "uinteger",
                                                         "integer", "ulong", "long"};

constexpr std::string_view kOnlineDocs = "https://zxbasic.readthedocs.io/en/docs/";

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& words, std::string_view word) {
    for (const std::string_view w : words)
        if (w == word) return true;
    return false;
}

}  // namespace

KeywordHelpTarget keywordHelpTarget(std::string_view word) {
    if (contains(kCommandPages, word)) {
        std::string page = "Help_Cmd_" + std::string(word) + ".html";
        page[9] = static_cast<char>(page[9] - 'a' + 'A');
        return {KeywordHelpTarget::Kind::Page, page};
    }
    if (contains(kTypeWords, word)) return {KeywordHelpTarget::Kind::Page, "Help_Cmd_VarTypes.html"};
    if (word == "declare" || word == "function")
        return {KeywordHelpTarget::Kind::Web, std::string(kOnlineDocs) + std::string(word) + "/"};
    return {};
}

}  // namespace quillo
